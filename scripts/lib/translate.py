#!/usr/bin/env python3
"""Fills unfinished English entries of data/zib_en.ts from a table of source -> translation.

Usage: scripts/lib/translate.py TABLE.tsv   (one "source<TAB>translation" per line, "\\n" for a
line break). Only entries still unfinished change, and the file keeps lupdate's own layout;
sources of the table that match no unfinished entry are reported.
"""
import re
import sys
from xml.sax.saxutils import escape

PATH = 'data/zib_en.ts'
ENTITIES = {"'": '&apos;', '"': '&quot;'}


def lupdate_escape(text):
    return escape(text, ENTITIES)


table = []
with open(sys.argv[1], encoding='utf-8') as f:
    for line in f:
        line = line.rstrip('\n')
        if not line or line.startswith('#'):
            continue
        source, translation = line.split('\t', 1)
        table.append((source.replace('\\n', '\n'), translation.replace('\\n', '\n')))

with open(PATH, encoding='utf-8') as f:
    catalogue = f.read()
for source, translation in table:
    pattern = re.compile('(<source>' + re.escape(lupdate_escape(source)) +
                         r'</source>\s*)<translation type="unfinished"></translation>')
    catalogue, n = pattern.subn(lambda m: m.group(1) + '<translation>' + lupdate_escape(translation) +
                                '</translation>', catalogue)
    if n == 0:
        print('no unfinished entry for', repr(source), file=sys.stderr)
with open(PATH, 'w', encoding='utf-8') as f:
    f.write(catalogue)

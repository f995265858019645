#!/usr/bin/env python3
"""After a merge of branches that both added texts: gives the unfinished English entries of
data/zib_en.ts the translations other versions of the catalogue have for them.

Usage: git show BRANCH:data/zib_en.ts > /tmp/other.ts; scripts/lib/merge-catalogues.py /tmp/other.ts …
Run scripts/update-catalogues first, so that every text of the merged sources has an entry. A text
takes the translation of the same context first, then of any context; lupdate's own guesses from
another context (unfinished, with a text) are replaced the same way.
"""
import sys
import xml.etree.ElementTree as ET

PATH = 'data/zib_en.ts'
by_context = {}
by_source = {}
for other in sys.argv[1:]:
    for context in ET.parse(other).getroot().iter('context'):
        name = context.find('name').text
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is None or translation.get('type') == 'unfinished' or not translation.text:
                continue
            source = message.find('source').text
            by_context.setdefault((name, source), translation.text)
            by_source.setdefault(source, translation.text)


def escape(text):
    return (text.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')
            .replace("'", '&apos;').replace('"', '&quot;'))


# lupdate's layout is kept: the file is edited as text, one context at a time.
with open(PATH, encoding='utf-8') as f:
    lines = f.read().split('\n')
context = None
source_lines = None
filled = 0
out = []
i = 0
while i < len(lines):
    line = lines[i]
    stripped = line.strip()
    if stripped.startswith('<name>') and stripped.endswith('</name>'):
        context = stripped[len('<name>'):-len('</name>')]
    if stripped.startswith('<source>'):
        block = [line]
        while not lines[i].strip().endswith('</source>'):
            i += 1
            block.append(lines[i])
        source_lines = block
        out.extend(block)
        i += 1
        continue
    if stripped.startswith('<translation type="unfinished">') and source_lines is not None:
        block = [line]
        while not lines[i].strip().endswith('</translation>'):
            i += 1
            block.append(lines[i])
        text = '\n'.join(source_lines).strip()[len('<source>'):-len('</source>')]
        source = ET.fromstring('<s>' + text + '</s>').text or ''
        translation = by_context.get((context, source), by_source.get(source))
        if translation is not None:
            indent = line[:len(line) - len(line.lstrip())]
            out.extend((indent + '<translation>' + escape(translation) + '</translation>').split('\n'))
            filled += 1
        else:
            out.extend(block)
        source_lines = None
        i += 1
        continue
    out.append(line)
    i += 1
catalogue = '\n'.join(out)
with open(PATH, 'w', encoding='utf-8') as f:
    f.write(catalogue)
print(filled, 'entries filled;', catalogue.count('type="unfinished"'), 'still unfinished')

#!/usr/bin/env python3
"""Writes the hand-made seeds of the fuzz targets under tests/fuzz/corpus/<target>/ (the shipped
.int, .par and .mel files are copied beside them). Run from anywhere; it rewrites only the files
it makes. The seeds are corner cases of each format: what the readers must refuse, accept, or
accept with a message."""

import math
import os
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.normpath(os.path.join(HERE, "..", ".."))
CORPUS = os.path.join(HERE, "corpus")


def put(target, name, content):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(content, str):
        content = content.encode("utf-8")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(content)


def copy_shipped(target, folder, extension):
    source = os.path.join(TOP, "data", folder)
    for name in sorted(os.listdir(source)):
        if name.endswith(extension):
            shutil.copyfile(os.path.join(source, name), os.path.join(CORPUS, target, "shipped_" + name))


HEAD = '<?xml version="1.0" encoding="UTF-8"?>\n'

# ---- .int
INT = {
    "empty_list": HEAD + '<intervalList><header title="" author=""><desc/></header><list number="0"/></intervalList>',
    "number_too_large": HEAD + '<intervalList><header title="t" author="a"><desc>d</desc></header>'
    '<list number="5"><interval cent="0" frac="1" desc="unisson"/><interval cent="701.955" frac="1.5" desc="quinte"/>'
    '<interval cent="1200" frac="2" desc="octave"/><interval cent="386.314" frac="1.25" desc="tierce"/></list></intervalList>',
    "list_before_header": '<intervalList><list number="1"><interval cent="100" frac="1.05946" desc="x"/></list>'
    '<header title="t" author="a"><desc>d</desc></header></intervalList>',
    "comments_and_pi": '<intervalList><!-- c --><header title="t"><desc>d</desc></header><list number="2"><!-- c -->'
    '<?pi data?><interval cent="1" frac="1" desc="a"/><interval cent="2" frac="1" desc="b"/></list></intervalList>',
    "absurd_numbers": '<intervalList><header/><list number="x"><interval cent="1e39" frac="nan" desc=""/>'
    '<interval cent="-inf" frac="-1e-45" desc=""/><interval cent="nan" frac="inf" desc=""/>'
    '<interval cent="3.4028235e38" frac="0" desc=""/><interval cent="1251" frac="2.1" desc=""/></list></intervalList>',
    "missing_attributes": '<intervalList><header><desc/></header><list><interval/><interval desc="seul"/>'
    '<other cent="5"/></list></intervalList>',
    "entities_and_cdata": '<intervalList><header title="a&amp;b&lt;c&quot;" author="&#233;&#x263A;">'
    '<desc><![CDATA[<ligne 1>\nligne 2]]> &amp; fin</desc></header><list number="1">'
    '<interval cent="0" frac="1" desc="tab&#9;nl&#10;cr&#13;"/></list></intervalList>',
    "nested_root": '<x><intervalList><header title="dedans"/><list><interval cent="7"/></list></intervalList></x>',
    "doctype": '<!DOCTYPE mon_xml><intervalList><header title="t"/><list number="0"/></intervalList>',
    "latin1": '<?xml version="1.0" encoding="ISO-8859-1"?><intervalList><header title="\xe9t\xe9"/><list/></intervalList>',
    "not_xml": "cent=701.955 frac=1.5\n",
    "unclosed": '<intervalList><header title="t"><desc>',
}

# ---- .scl
SCL = {
    "meantone": "! meantone.scl\n!\nQuarter-comma meantone\n 12\n!\n 76.04900 C#\n 193.15686\n 310.26372\n"
    " 5/4 E\n 503.42157\n 579.46057\n 696.57843\n 25/16\n 889.73529\n 1006.84314\n 1082.89214\n 2/1\n",
    "tritave": "! bp.scl\nBohlen-Pierce\n 13\n 27/25\n 25/21\n 9/7\n 7/5\n 75/49\n 5/3\n 9/5\n 49/25\n"
    " 15/7\n 7/3\n 63/25\n 25/9\n 3\n",
    "empty_description_zero_pitches": "!\n\n 0\n",
    "comments_everywhere_crlf": "! a\r\n! b\r\nx\r\n! c\r\n 3\r\n! d\r\n 100.\r\n! e\r\n .5 demi\r\n 2 octave\r\n",
    "bom_and_latin1": b"\xef\xbb\xbf! \xe9\n\xe9t\xe9 \xff\n 1\n 3/2 quinte\n",
    "fewer_than_announced": "x\n 5\n 100.0\n 200.0\n",
    "count_missing": "description seule\n",
    "zero_denominator": "x\n 1\n 3/0\n",
    "negative_and_zero_ratio": "x\n 2\n -3/2\n 0/1\n",
    "huge_terms": "x\n 2\n 2147483647/1\n 2147483648/2\n",
    "huge_cents": "x\n 3\n 99999.999\n -99999.999\n 100000.5\n",
    "tiny_cents": "x\n 2\n 0.0000001\n -0.000499\n",
    "not_values": "x\n 3\n abc\n 1.2.3\n 4/5/6\n",
    "long_line": "x\n 1\n " + "1" * 5000 + ".0\n",
    "count_too_large": "x\n 10001\n",
    "description_begins_with_bang": "!\n !important\n 1\n 2/1\n",
}

# ---- .kbm
def kbm(*fields, mapping=()):
    return "! test.kbm\n" + "".join("%s\n" % f for f in fields) + "".join("%s\n" % m for m in mapping)

KBM = {
    "twelve": kbm(12, 0, 127, 60, 69, "440.0", 12, mapping=range(12)),
    "successive_keys": kbm(0, 0, 127, 60, 60, "261.625565", 0),
    "unmapped_keys": kbm(12, 0, 127, 60, 69, "440.0", 12, mapping=[0, "x", 2, "x", 4, 5, "x", 7, "x", 9, "x", 11]),
    "short_mapping": kbm(7, 10, 100, 62, 62, "293.66", 7, mapping=[0, 1, 2]),
    "too_many_entries": kbm(2, 0, 127, 60, 60, "440", 2, mapping=[0, 1, 2]),
    "tiny_frequency": kbm(1, 0, 127, 60, 60, "0.000000001", 1, mapping=[0]),
    "largest_frequency": kbm(1, 0, 127, 60, 60, "1000000", 1, mapping=[0]),
    "notes_out_of_range": kbm(12, 100, 20, 128, -1, "440", 12),
    "fields_missing": kbm(12, 0, 127),
    "not_numbers": kbm("douze", 0, 127, 60, 69, "4.4e2", 12),
    "comments_crlf": "! a\r\n12\r\n! b\r\n0\r\n127\r\n60\r\n69\r\n440.\r\n12\r\n0\r\n!x\r\n1\r\n",
    "huge_degrees": kbm(3, 0, 127, 0, 127, "440", 1000000, mapping=[1000000, 999999, "x"]),
}

# ---- .par
PAR_HEAD = HEAD + '<?xml-stylesheet href="synthmod.xsl" type="text/xsl"?>\n'
PAR = {
    "one_mode": PAR_HEAD + '<modele><entete titre="un" auteur="a"><desc>d</desc></entete>'
    '<modes nbmod="1"><partiel freq="1" amort="0" poids="1"/></modes></modele>',
    "with_law": '<modele><entete titre="loi"><desc/></entete><modes nbmod="2"><partiel freq="1" amort="1" poids="1"/>'
    '<partiel freq="2.756" amort="3" poids="-0.5"/></modes><amort coeff0="0.5" coeff1="0.01" coeff2="1e-6"/></modele>',
    "count_too_large": '<modele><entete><desc/></entete><modes nbmod="3"><partiel freq="1" amort="0" poids="1"/>'
    '<partiel freq="2" amort="0" poids="1"/></modes></modele>',
    "count_too_small": '<modele><entete><desc/></entete><modes nbmod="1"><partiel freq="1" amort="0" poids="1"/>'
    '<partiel freq="2" amort="0" poids="1"/><partiel freq="3"/></modes></modele>',
    "refused_values": '<modele><entete><desc/></entete><modes nbmod="4"><partiel freq="abc" amort="-0.5" poids="x"/>'
    '<partiel freq="0" amort="nan" poids="inf"/><partiel freq="-2" amort="1e39" poids="-3"/>'
    '<partiel freq="70" amort="0" poids="0"/></modes></modele>',
    "huge_count": '<modele><entete><desc/></entete><modes nbmod="100000"/></modele>',
    "negative_count": '<modele><entete><desc/></entete><modes nbmod="-1"/></modele>',
    "comments_inside": '<modele><!-- c --><entete titre="t"><desc>x</desc></entete> texte <modes nbmod="1"><!-- c -->'
    '<autre/><partiel freq="1.5" amort="0.1" poids="1"/></modes><amort coeff0="1"/></modele>',
    "modes_first": '<modele><modes nbmod="0"/><entete><desc/></entete></modele>',
    "tiny_and_high": '<modele><entete><desc/></entete><modes nbmod="3"><partiel freq="1e-30" amort="0" poids="1e30"/>'
    '<partiel freq="63.99" amort="0" poids="1"/><partiel freq="1000" amort="0" poids="1"/></modes></modele>',
    "not_xml": "freq=1 amort=0",
}

# ---- .mel
MEL = {
    "one_note": HEAD + '<melody><header title="t" composer="c"><description>d</description><enveloppe/></header>'
    '<music><note date="0" deg="0" oct="0" dur="1" ampl="1"/></music></melody>',
    "defaults": '<melody><header><description/><enveloppe><point/><point time="0.5"/></enveloppe></header>'
    '<music><note/><note dur="2"/><note deg="7" oct="3"/><!-- c --><note date=""/></music></melody>',
    "out_of_range": '<melody><header/><music><note date="2000" deg="99" oct="-9" dur="11" ampl="1.5"/>'
    '<note date="-1" deg="-1" oct="x" dur="-1" ampl="-1"/><note date="nan" deg="1e30" oct="99999999999" dur="inf" ampl="nan"/>'
    '</music></melody>',
    "envelope": '<melody><header><enveloppe><point time="0" ampl="0.2"/><point time="1" ampl="0.2"/></enveloppe></header>'
    '<music><note date="0" deg="0" dur="1" ampl="1"/><note date="0.5" deg="1" dur="0.5" ampl="0.5"/></music></melody>',
    "points_elsewhere": '<melody><music><point time="0.3" ampl="1"/><note date="1"/></music><header title="apres"/></melody>',
    "text_in_music": '<melody><header/><music>du texte<note date="0"/><?pi x?><![CDATA[y]]></music></melody>',
    "second_child_other": '<melody><header/><autre><note date="1" deg="1"/></autre><music/></melody>',
    "huge_values": '<melody><header><enveloppe><point time="1e30" ampl="1e30"/><point time="-1e30" ampl="nan"/></enveloppe>'
    '</header><music><note date="1e30" dur="1e30" ampl="1" deg="0"/></music></melody>',
    "not_xml": "<melody><header>",
}


def riff(chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def fmt(tag=1, channels=1, rate=44100, bits=16, extra=b""):
    block = channels * bits // 8
    return chunk(b"fmt ", struct.pack("<HHIIHH", tag, channels, rate, rate * block, block, bits) + extra)


def pcm16(n, freq=440.0, rate=44100):
    return b"".join(struct.pack("<h", int(20000 * math.sin(2 * math.pi * freq * i / rate))) for i in range(n))


WAV = {
    "zib_like": riff([fmt(), chunk(b"LIST", b"INFOIART" + struct.pack("<I", 8) + b"ZIB 0.10ICMT" + struct.pack("<I", 4) + b"a b "),
                      chunk(b"data", pcm16(64))]),
    "minimal": riff([fmt(), chunk(b"data", b"\0\0")]),
    "stereo_8bit": riff([fmt(channels=2, bits=8, rate=8000), chunk(b"data", bytes(range(64)))]),
    "odd_chunk_before_fmt": riff([chunk(b"junk", b"abc"), fmt(rate=22050), chunk(b"data", pcm16(8))]),
    "data_before_fmt": riff([chunk(b"data", pcm16(8)), fmt()]),
    "float": riff([fmt(tag=3, bits=32), chunk(b"data", b"\0" * 16)]),
    "extensible": riff([fmt(tag=0xFFFE, channels=2, extra=struct.pack("<HHI", 22, 16, 3) + b"\1\0" + b"\0" * 14),
                        chunk(b"data", b"\0" * 16)]),
    "24bit": riff([fmt(bits=24), chunk(b"data", b"\0" * 12)]),
    "12bit": riff([fmt(bits=12), chunk(b"data", b"\0" * 12)]),
    "short_fmt": riff([chunk(b"fmt ", struct.pack("<HHI", 1, 1, 44100)), chunk(b"data", b"\0\0")]),
    "data_size_lies": riff([fmt()]) + b"data" + struct.pack("<I", 0xFFFFFFF0) + pcm16(4),
    "empty_data": riff([fmt(), chunk(b"data", b"")]),
    "rate_zero": riff([fmt(rate=0), chunk(b"data", b"\0\0")]),
    "huge_chunk": riff([fmt()]) + b"LIST" + struct.pack("<I", 0xFFFFFFFF) + b"INFO",
    "riff_not_wave": b"RIFF\x10\0\0\0AVI LIST\x04\0\0\0abcd",
    "header_only": b"RIFF\x04\0\0\0WAVE",
}


# ---- Analyseur: 6 bytes of settings (format, channels, method, N, floor, rate), then records
# [operation][length, 2 bytes LE][...]: 0 literal bytes, 1 a pattern of (operation >> 2) + 1 bytes
# repeated, 2 a restart when operation & 0x0C is 0x0C (with new settings when operation & 0x10 is set
# too) and zeros otherwise, 3 zeros.
def settings(size_index, type_index, big, channels, method, window, points, floor, rate):
    f = size_index + 6 * type_index + 24 * (1 if big else 0)
    return bytes([f, channels, method + 1 + 6 * window, points, floor, rate])


def repeated(length, pattern):
    assert 1 <= len(pattern) <= 64
    return bytes([1 | ((len(pattern) - 1) << 2)]) + struct.pack("<H", length) + pattern


def literal(data):
    return bytes([0]) + struct.pack("<H", len(data)) + data


def restart(new_settings=None):
    if new_settings is None:
        return bytes([2 | 0x0C, 0, 0])
    method, points = new_settings
    return bytes([2 | 0x0C | 0x10 | (1 << 5)]) + bytes([method, points])


def sine_period16(samples, big=False, unsigned=False):
    out = b""
    for i in range(samples):
        v = int(16000 * math.sin(2 * math.pi * i / samples))
        if unsigned:
            out += struct.pack(">H" if big else "<H", v + 32768)
        else:
            out += struct.pack(">h" if big else "<h", v)
    return out


def sine_period8(samples, unsigned=False):
    return bytes(((int(100 * math.sin(2 * math.pi * i / samples)) + (128 if unsigned else 0)) & 0xFF) for i in range(samples))


TONE16 = sine_period16(32)
ANALYSEUR = {
    # 16-bit signed little-endian mono, autocorrelation, N = 1024: chunks of 586 bytes, as Qt delivers.
    "mono16_autocorrelation": settings(1, 0, False, 1, 0, 0, 1, 25, 0) + b"".join(repeated(586, TONE16) for _ in range(5)),
    "mono16_cepstre_hann": settings(1, 0, False, 1, 1, 1, 2, 25, 0) + b"".join(repeated(4000, TONE16) for _ in range(3)),
    "mono16_hps_blackman": settings(1, 0, False, 1, 2, 3, 0, 25, 1) + repeated(3000, TONE16) + repeated(3000, TONE16),
    "mono16_precise_8192": settings(1, 0, False, 1, 3, 0, 4, 25, 0) + b"".join(repeated(60000, TONE16) for _ in range(1)),
    "stereo16_big": settings(1, 0, True, 2, 0, 0, 0, 10, 0) + repeated(4096, sine_period16(16, big=True) * 2),
    "unsigned16": settings(1, 1, False, 1, 0, 0, 0, 10, 0) + repeated(2048, sine_period16(32, unsigned=True)),
    "unsigned8_stereo": settings(0, 1, False, 2, 0, 0, 0, 10, 2) + repeated(2048, sine_period8(32, unsigned=True)),
    "signed8": settings(0, 0, False, 1, 2, 2, 0, 10, 2) + repeated(1024, sine_period8(32)),
    "float32_silence": settings(4, 2, False, 1, 0, 0, 0, 0, 0) + literal(b"\0\0\x80\x3f" * 16) + repeated(4096, b"\0\0\x80\x3f"),
    "odd_chunks_cut_samples": settings(1, 0, False, 3, 0, 0, 0, 5, 0) + b"".join(literal(TONE16[:k]) for k in (1, 3, 5, 7, 11, 13, 17, 19, 23)) * 4,
    "restarts": settings(1, 0, False, 1, 0, 0, 0, 25, 0) + repeated(1500, TONE16) + restart() + repeated(1500, TONE16)
    + restart((2, 3)) + repeated(9000, TONE16),
    "no_channels": settings(1, 0, False, 0, 0, 0, 0, 0, 0) + repeated(1000, TONE16),
    "zero_bytes_and_silence": settings(1, 0, False, 1, 4, 0, 5, 0, 6) + bytes([3]) + struct.pack("<H", 3000) + literal(b""),
    "odd_points_and_rate": settings(1, 0, False, 1, 1, 4, 6, 0, 7) + repeated(3000, TONE16),
}


def main():
    for name, text in INT.items():
        put("intervallist", name + ".int", text.encode("latin-1") if name == "latin1" else text)
    copy_shipped("intervallist", "interval_lists", ".int")
    for name, text in PAR.items():
        put("model", name + ".par", text)
    copy_shipped("model", "synth_param", ".par")
    for name, text in MEL.items():
        put("melody", name + ".mel", text)
    copy_shipped("melody", "melodies", ".mel")
    for name, data in WAV.items():
        put("wavheader", name + ".wav", data)
    for name, text in SCL.items():
        put("scala", name + ".scl", text)
    for name, text in KBM.items():
        put("keyboardmapping", name + ".kbm", text)
    for name, data in ANALYSEUR.items():
        put("analyseur", name, data)


if __name__ == "__main__":
    main()

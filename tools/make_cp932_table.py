#!/usr/bin/env python3
"""Writes the code page 932 reference table used by the codec tests.

Every single-byte and double-byte code that Python's 'cp932' codec decodes, one per line:
    <code> <unicode> <code Python encodes that character to>
all in upper-case hexadecimal. The third column differs from the first for characters that
have more than one encoding; it is the encoding Windows writes. Python agrees with Windows
except for the NEC-selected IBM extensions (0xED40-0xEEFC): Python writes those, Windows
writes the IBM extension codes (0xFA40-0xFC4B) of the same characters, so this script
takes the IBM code there.

Usage: tools/make_cp932_table.py [output]   (default tests/data/cp932/table.txt)
"""
import os
import sys

LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))


def decode(raw):
    try:
        text = raw.decode("cp932")
    except UnicodeDecodeError:
        return None
    return text if len(text) == 1 else None


def ibm_codes():
    """Character -> its code in the IBM extension rows 0xFA40-0xFC4B."""
    codes = {}
    for lead in (0xFA, 0xFB, 0xFC):
        for trail in range(0x40, 0x100):
            text = decode(bytes([lead, trail]))
            if text is not None:
                codes.setdefault(text, (lead << 8) | trail)
    return codes


def entry(code, raw, ibm):
    text = decode(raw)
    if text is None:
        return None
    written = int.from_bytes(text.encode("cp932"), "big")
    if 0xED40 <= written <= 0xEEFC and text in ibm:
        written = ibm[text]
    return "%X %04X %X" % (code, ord(text), written)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "tests", "data", "cp932", "table.txt")
    ibm = ibm_codes()
    lines = ["# code page 932 as decoded by Python's cp932 codec: code unicode encoding"]
    for b in range(0x100):
        if b in LEADS:
            continue
        line = entry(b, bytes([b]), ibm)
        if line:
            lines.append(line)
    for lead in LEADS:
        for trail in range(0x40, 0x100):
            line = entry((lead << 8) | trail, bytes([lead, trail]), ibm)
            if line:
                lines.append(line)
    with open(out, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()

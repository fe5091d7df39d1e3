#!/usr/bin/env python3
"""Generates src/tenants/hzspelltable.cpp: the syllable list and the reading table of HzSpell.

Rerun from the repository root (python3, standard library only):

    python3 tools/gen_hzspelltable.py

Optional arguments: --dict PATH (the pinyin data set), --out PATH (the generated source).
The output depends only on the data set and on Python's 'gbk' codec, so a rerun on the
same data gives the same file byte for byte; commit the result.

Source of the readings: the public pinyin data set of Debian's package
golang-github-mozillazg-go-pinyin-dev (pinyin_dict.go, keyed by Unicode code point, the
readings of a character separated by commas, with tone marks).

How the table is made:
- Every GBK double-byte code, lead byte 0x81..0xFE by trail byte 0x40..0xFE (191 columns,
  0x7F included, it is never a valid trail byte and stays 0), is decoded with the 'gbk'
  codec; a code that decodes to one character takes that character's first reading.
- A CJK compatibility ideograph without a reading of its own takes the reading of the
  unified ideograph it stands for (its canonical decomposition), e.g. FD9C 郎.
- The rows 0xA1..0xA9 (punctuation, full-width ASCII, kana, Greek, Cyrillic, pinyin
  letters, box drawing, 〇) and 0xFE hold no readings: the symbol rows are either
  romanised by HzSpell's own small tables or give nothing.
- READING_OVERRIDES below fixes the reading of a few characters.
- Tone marks are stripped to plain letters; ü is written v (lv, nve).
- The syllable list is every syllable the table uses, in alphabetical order, numbered
  from 1; 0 in the table means no reading.
"""

import argparse
import re
import sys
import unicodedata

DEFAULT_DICT = "/usr/share/gocode/src/github.com/mozillazg/go-pinyin/pinyin_dict.go"
DEFAULT_OUT = "src/tenants/hzspelltable.cpp"

LEAD_FIRST, LEAD_LAST = 0x81, 0xFE
TRAIL_FIRST, TRAIL_LAST = 0x40, 0xFE
COLUMNS = TRAIL_LAST - TRAIL_FIRST + 1  # 191
ROWS = LEAD_LAST - LEAD_FIRST + 1  # 126

# Lead bytes whose rows carry no reading at all.
EMPTY_ROWS = set(range(0xA1, 0xAA)) | {0xFE}

# Readings that the program fixes, as plain syllables.
READING_OVERRIDES = {
    # Characters with several readings: the reading the tenant search expects.
    "行": "hang",   # data set reads xíng first
    "丂": "yu",     # data set reads kǎo first
    # 屗 has its own reading in the program (the data set gives wěi).
    "屗": "uu",
    # Unit characters that the data set leaves without a reading; like the other unit
    # characters of the data set (瓩 qiān, 瓸 bǎi) they read as their first syllable.
    "兙": "shi",    # decagram, 十克
    "兡": "bai",    # hectogram, 百克
    "嗧": "jia",    # gallon, 加仑
    "瓧": "shi",    # decagram, 十瓦
    "瓰": "fen",    # decigram, 分瓦
    "瓱": "mao",    # milligram, 毛瓦
    "甅": "li",     # centigram, 厘瓦
}

ENTRY_RE = re.compile(r'^\s*0x([0-9A-Fa-f]+):\s*"([^"]*)",\s*$')


def load_readings(path):
    """Returns {code point: [reading, ...]} in the data set's order."""
    readings = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = ENTRY_RE.match(line)
            if m:
                readings[int(m.group(1), 16)] = m.group(2).split(",")
    if not readings:
        sys.exit(f"no readings found in {path}")
    return readings


def plain(reading):
    """Strips the tone marks of one reading: zhǎng -> zhang, lǜ -> lv, ế -> e."""
    text = unicodedata.normalize("NFD", reading.strip())
    text = text.replace("u\u0308", "v")  # ü
    text = "".join(c for c in text if not unicodedata.combining(c))
    if not re.fullmatch(r"[a-z]{1,6}", text):
        sys.exit(f"reading {reading!r} does not give a plain syllable ({text!r})")
    return text


def gbk_char(lead, trail):
    """The one character of a GBK double-byte code, or None."""
    if trail == 0x7F:
        return None
    try:
        text = bytes([lead, trail]).decode("gbk")
    except UnicodeDecodeError:
        return None
    return text if len(text) == 1 else None


def syllable_of(char, readings):
    if char in READING_OVERRIDES:
        return READING_OVERRIDES[char]
    cp = ord(char)
    if cp not in readings:
        unified = unicodedata.normalize("NFC", char)
        if unified == char or ord(unified) not in readings:
            return None
        cp = ord(unified)
    return plain(readings[cp][0])


def build_table(readings):
    """Returns the syllable per table index (None for no reading)."""
    table = [None] * (ROWS * COLUMNS)
    for lead in range(LEAD_FIRST, LEAD_LAST + 1):
        if lead in EMPTY_ROWS:
            continue
        for trail in range(TRAIL_FIRST, TRAIL_LAST + 1):
            char = gbk_char(lead, trail)
            if char is not None:
                table[(lead - LEAD_FIRST) * COLUMNS + (trail - TRAIL_FIRST)] = syllable_of(char, readings)
    return table


def check_overrides_applied(table):
    for char, syllable in READING_OVERRIDES.items():
        code = char.encode("gbk")
        index = (code[0] - LEAD_FIRST) * COLUMNS + (code[1] - TRAIL_FIRST)
        if table[index] != syllable:
            sys.exit(f"override for {char} did not reach the table")


def render(table):
    syllables = sorted({s for s in table if s is not None})
    number = {s: i + 1 for i, s in enumerate(syllables)}
    filled = sum(1 for s in table if s is not None)
    out = []
    out.append("// Syllable list and GBK reading table of HzSpell.")
    out.append("// Generated by tools/gen_hzspelltable.py from the pinyin data set of Debian's")
    out.append("// golang-github-mozillazg-go-pinyin-dev; do not edit, rerun the script.")
    out.append(f"// {len(syllables)} syllables; {filled} of {len(table)} codes have a reading.")
    out.append('#include "tenants/hzspell.h"')
    out.append("")
    out.append(f"const int HzSpell::syllableListSize = {len(syllables)};")
    out.append("")
    out.append("// Index 0 is no reading; the syllables are numbered from 1 in alphabetical order.")
    out.append(f"const char *const HzSpell::syllableList[{len(syllables) + 1}] = {{")
    out.append('    "",')
    line = "   "
    for i, s in enumerate(syllables):
        item = f' "{s}",'
        if len(line) + len(item) > 96:
            out.append(line)
            line = "   "
        line += item
    out.append(line)
    out.append("};")
    out.append("")
    out.append("// One syllable number per GBK code: index (lead - 0x81) * 191 + (trail - 0x40).")
    out.append(f"const quint16 HzSpell::readingTable[{len(table)}] = {{")
    per_line = 16
    for lead in range(LEAD_FIRST, LEAD_LAST + 1):
        out.append(f"    // lead 0x{lead:02X}")
        row = table[(lead - LEAD_FIRST) * COLUMNS:(lead - LEAD_FIRST + 1) * COLUMNS]
        values = [number[s] if s is not None else 0 for s in row]
        for start in range(0, COLUMNS, per_line):
            chunk = values[start:start + per_line]
            out.append("    " + " ".join(f"{v}," for v in chunk))
    out.append("};")
    out.append("")
    return "\n".join(out), len(syllables), filled


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dict", default=DEFAULT_DICT)
    parser.add_argument("--out", default=DEFAULT_OUT)
    args = parser.parse_args()
    table = build_table(load_readings(args.dict))
    check_overrides_applied(table)
    text, syllables, filled = render(table)
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print(f"{args.out}: {syllables} syllables, {filled} codes with a reading")


if __name__ == "__main__":
    main()

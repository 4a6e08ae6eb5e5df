#!/usr/bin/env python3
"""Writes data/btn.dat, the captions of the on-screen keyboard's 105 character keys.

The file holds one block per input mode: a header line with the mode's name, then 7 lines
of 15 characters, one line per keyboard row, key 1 at the top left. Each row has three
groups of five keys, and a group reads like one row of the kana chart (あいうえお).
The file is code page 932 with CR LF line ends (the editor also reads LF or CR ends).
Every key of a block types a different character, so no two keys of a mode look alike.

Usage: make_btn_dat.py [output path]   (default: data/btn.dat beside this folder)
"""

import pathlib
import sys

FULL_WIDTH_SPACE = "\u3000"

# Every block: (mode name, 7 rows), each row three groups of five characters.
BLOCKS = [
    ("ひらがな", [
        ["あいうえお", "かきくけこ", "さしすせそ"],
        ["たちつてと", "なにぬねの", "はひふへほ"],
        ["まみむめも", "や「ゆ」よ", "らりるれろ"],
        # ゐ and ゑ where the chart has them; ん takes the empty う place of the わ row.
        ["わゐんゑを", "がぎぐげご", "ざじずぜぞ"],
        ["だぢづでど", "ばびぶべぼ", "ぱぴぷぺぽ"],
        ["ぁぃぅぇぉ", "ゃっゅゎょ", "！？（）～"],
        ["ゝゞ々〆〃", "『』【】…", "、。ー・" + FULL_WIDTH_SPACE],
    ]),
    ("カタカナ", [
        ["アイウエオ", "カキクケコ", "サシスセソ"],
        ["タチツテト", "ナニヌネノ", "ハヒフヘホ"],
        ["マミムメモ", "ヤ「ユ」ヨ", "ラリルレロ"],
        ["ワヰンヱヲ", "ガギグゲゴ", "ザジズゼゾ"],
        ["ダヂヅデド", "バビブベボ", "パピプペポ"],
        ["ァィゥェォ", "ャッュヮョ", "！？（）～"],
        ["ヴヵヶヽヾ", "『』【】…", "、。ー・" + FULL_WIDTH_SPACE],
    ]),
    ("きごう", [
        ["１２３４５", "６７８９０", "＋－×÷＝"],
        ["①②③④⑤", "⑥⑦⑧⑨⑩", "＜＞≦≧≠"],
        ["、。，．・", "：；？！…", "～＿＆＊＠"],
        ["（）［］／", "「」『』＼", "【】〈〉｜"],
        ["←↑→↓⇒", "○●△▲□", "■☆★※〒"],
        ["◎◇◆▽▼", "々〆〃♪§", "℃％￥＄＃"],
        ["°′″㎡㏄", "㎜㎝㎞㎎㎏", "㍉㌔㌢㍍" + FULL_WIDTH_SPACE],
    ]),
    ("はんかく", [
        ["ABCDE", "FGHIJ", "KLMNO"],
        ["PQRST", "UVWXY", "Z@#$%"],
        ["abcde", "fghij", "klmno"],
        ["pqrst", "uvwxy", "z&*_\\"],
        ["12345", "67890", "+-/=~"],
        [".,:;!", "?'\"`^", "()<>|"],
        # Printable ASCII ends with []{} and the space key; the half-width Japanese
        # punctuation, the long-sound and sound marks and the two kana outside the chart's
        # rows fill the rest, so no key is left blank or repeats another.
        ["[]{}ｰ", "｡｢｣､･", "ﾞﾟｦﾝ "],
    ]),
]

KANA_TABLES = {
    "ひらがな": "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
                "ぁぃぅぇぉゃゅょっゐゑ"
                "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ",
    "カタカナ": "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲン"
                "ァィゥェォャュョッヰヱ"
                "ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ",
}

# Characters each mode must offer besides its kana table.
REQUIRED = {
    "ひらがな": "ー、。「」・" + FULL_WIDTH_SPACE,
    "カタカナ": "ー、。「」・" + FULL_WIDTH_SPACE + "ヴヵヶ",
    "きごう": "１２３４５６７８９０○●△▲□■☆★※〒々〆",
    "はんかく": "".join(chr(c) for c in range(0x20, 0x7F)),
}


def check(blocks):
    """Stops with a message when a block breaks a rule of the format or of this layout."""
    names = [name for name, _ in blocks]
    for name, rows in blocks:
        assert len(rows) == 7, f"{name}: {len(rows)} rows"
        lines = ["".join(groups) for groups in rows]
        for groups in rows:
            assert [len(g) for g in groups] == [5, 5, 5], f"{name}: row {groups}"
        text = "".join(lines)
        assert len(text) == 105
        seen = set()
        for ch in text:
            assert ch not in seen, f"{name}: {ch} twice"
            seen.add(ch)
        missing = [ch for ch in KANA_TABLES.get(name, "") + REQUIRED[name] if ch not in seen]
        assert not missing, f"{name}: missing {missing}"
        for line in lines:
            # A data line holding a mode's name would be taken for that mode's header.
            assert not any(other in line for other in names), f"{name}: {line}"
            line.encode("cp932")  # raises on a character code page 932 cannot hold


def render(blocks):
    lines = []
    for name, rows in blocks:
        lines.append(name)
        lines.extend("".join(groups) for groups in rows)
    return "".join(line + "\r\n" for line in lines).encode("cp932")


def main():
    default = pathlib.Path(__file__).resolve().parent.parent / "data" / "btn.dat"
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else default
    check(BLOCKS)
    out.write_bytes(render(BLOCKS))
    print(f"wrote {out}")


if __name__ == "__main__":
    main()

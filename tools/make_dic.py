#!/usr/bin/env python3
"""Builds data/pukana.dic, the conversion dictionary shipped with Pukana, and its attribution.

Inputs (Debian packages, needed only to rerun this script, not to build or test):
  skkdic, skkdic-extra  SKK-JISYO.S, .M, .ML, .L (EUC-JP)
  mecab-ipadic          Verb.csv, Adj.csv, Noun.adjv.csv (EUC-JP), for words with okurigana

Method:
  * Every pair (reading, word) has a tier, the smallest SKK dictionary that holds it
    (S < M < ML < L), and a position, the word's index in L's candidate list for the entry.
    Pairs are taken by (tier, position): SKK's hand-made candidate order agrees with how often
    words are used far better than any cost table.
  * SKK's okurigana entries ("たb /食/") never equal a whole selected reading. They become
    dictionary forms through mecab-ipadic's dictionary-form verbs and adjectives and its
    adjectival nouns (静か): a word is
    split into its kanji part and trailing kana, and (stem + kana, kanji part + kana) is kept
    only when SKK's entry stem + romaji of the first trailing kana lists that kanji part
    (たべる -> 食べる, たかい -> 高い). Such a pair has the tier and position of that entry.
  * Cleaning: readings of hiragana and ー only; annotations (";...") dropped; lisp and
    bracketed candidates dropped; words equal to their reading or all hiragana dropped; words
    with commas, slashes, quotes, control characters or outer blanks dropped; a few
    characters mapped to their code page 932 look-alikes; words code page 932 cannot hold
    dropped.
  * The first MAX_PAIRS pairs are written, one "reading,word" a line, code page 932, CR LF.

The output is the same bytes on every run with the same package versions.
Usage: tools/make_dic.py [--out-dir DIR]   (default: data/ beside this script's folder)
"""

import argparse
import os
import re
import subprocess
import sys

SKK_DIR = "/usr/share/skk"
TIERS = ["SKK-JISYO.S", "SKK-JISYO.M", "SKK-JISYO.ML", "SKK-JISYO.L"]
IPADIC_DIR = "/usr/share/mecab/dic/ipadic"
IPADIC_FILES = ["Verb.csv", "Adj.csv", "Noun.adjv.csv"]
SKK_COPYRIGHT = "/usr/share/doc/skkdic/copyright"
IPADIC_COPYRIGHT = "/usr/share/doc/mecab-ipadic/copyright"
PACKAGES = ["skkdic", "skkdic-extra", "mecab-ipadic"]

# The user's pukana2.dic keeps room for 10,001 pairs of the 60,001 slots.
MAX_PAIRS = 50000

READING_RE = re.compile(r"^[\u3041-\u3096\u30fc]+$")
HIRAGANA_RE = re.compile(r"^[\u3041-\u309f\u30fc]+$")
CONTROL_RE = re.compile(r"[\x00-\x1f\x7f-\x9f]")

# Characters code page 932 holds only as their full-width look-alikes.
CP932_MAP = str.maketrans({
    "\u301c": "\uff5e",
    "\u2016": "\u2225",
    "\u2212": "\uff0d",
    "\u00a2": "\uffe0",
    "\u00a3": "\uffe1",
    "\u00ac": "\uffe2",
    "\u2014": "\u2015",
})

# SKK's okurigana letter(s) for the first kana after the kanji part.
OKURI_LETTERS = {}
for row, letters in [
    ("あ", "a"), ("い", "i"), ("う", "u"), ("え", "e"), ("お", "o"),
    ("かきくけこ", "k"), ("がぎぐげご", "g"), ("さすせそ", "s"), ("し", "s"),
    ("ざずぜぞ", "z"), ("じ", "zj"), ("たてと", "t"), ("ち", "tc"), ("つ", "t"), ("っ", "tc"),
    ("だぢづでど", "d"), ("なにぬねの", "n"), ("はひへほ", "h"), ("ふ", "hf"),
    ("ばびぶべぼ", "b"), ("ぱぴぷぺぽ", "p"), ("まみむめも", "m"), ("やゆよ", "y"),
    ("らりるれろ", "r"), ("わを", "w"), ("ん", "n"),
]:
    for kana in row:
        OKURI_LETTERS[kana] = letters


def kata_to_hira(text):
    return "".join(chr(ord(c) - 0x60) if "\u30a1" <= c <= "\u30f6" else c for c in text)


def read_skk(path):
    """Returns ({reading: [candidates]}, {okuri key: [candidates]}) in file order."""
    with open(path, "rb") as f:
        text = f.read().decode("euc_jis_2004")
    nasi, ari = {}, {}
    section = ari
    for line in text.split("\n"):
        if line.startswith(";"):
            if "okuri-nasi" in line:
                section = nasi
            elif "okuri-ari" in line:
                section = ari
            continue
        key, sep, rest = line.partition(" /")
        if not sep:
            continue
        words, depth = [], 0
        for item in rest.split("/"):
            # Okurigana blocks "[る/来/]" repeat candidates for one ending only.
            if item.startswith("["):
                depth += 1
                continue
            if item == "]":
                depth = max(0, depth - 1)
                continue
            if depth or not item:
                continue
            words.append(item.split(";", 1)[0])
        section.setdefault(key, []).extend(words)
    return nasi, ari


def clean_word(word):
    """The word as it is written to the file, or None when it must go."""
    if not word or word.startswith("(") or word.startswith("["):
        return None
    word = word.translate(CP932_MAP)
    if any(c in word for c in ',/"') or CONTROL_RE.search(word) or word != word.strip():
        return None
    if HIRAGANA_RE.match(word):
        return None
    try:
        word.encode("cp932")
    except UnicodeEncodeError:
        return None
    return word


def rank(tiers, key, word):
    """(tier, position) of `word` under `key`, or None when no dictionary lists it."""
    for tier, entries in enumerate(tiers):
        if word in entries.get(key, ()):
            largest = tiers[-1].get(key, [])
            words = largest if word in largest else entries[key]
            return tier, words.index(word)
    return None


def dictionary_forms():
    """(reading, kanji part, trailing kana, cost) of mecab-ipadic's dictionary-form words:
    verbs and adjectives in their base form, adjectival nouns as they are."""
    forms = {}
    for name in IPADIC_FILES:
        with open(os.path.join(IPADIC_DIR, name), "rb") as f:
            text = f.read().decode("euc_jp")
        for line in text.splitlines():
            cols = line.split(",")
            if len(cols) < 12 or cols[9] not in ("基本形", "*"):
                continue
            word, reading = cols[0], kata_to_hira(cols[11])
            m = re.match(r"^(.*[^\u3041-\u3096])([\u3041-\u3096]+)$", word)
            if not m or not READING_RE.match(reading):
                continue
            kanji, tail = m.group(1), m.group(2)
            if not reading.endswith(tail) or len(reading) == len(tail):
                continue
            key = (reading, kanji, tail)
            forms[key] = min(forms.get(key, int(cols[3])), int(cols[3]))
    return sorted(key + (cost,) for key, cost in forms.items())


def collect_pairs():
    """Every clean pair with its sort key: (tier, position, origin, cost, reading, word)."""
    loaded = [read_skk(os.path.join(SKK_DIR, name)) for name in TIERS]
    nasi_tiers = [n for n, _ in loaded]
    ari_tiers = [a for _, a in loaded]
    best = {}

    def offer(key, reading, word):
        if (reading, word) not in best or key < best[(reading, word)]:
            best[(reading, word)] = key

    for entries in nasi_tiers:
        for reading, words in entries.items():
            if not READING_RE.match(reading):
                continue
            for raw in words:
                word = clean_word(raw)
                if word is None or word == reading:
                    continue
                tier, pos = rank(nasi_tiers, reading, raw)
                offer((tier, pos, 1, 0), reading, word)

    for reading, kanji, tail, cost in dictionary_forms():
        stem = reading[: len(reading) - len(tail)]
        ranks = [rank(ari_tiers, stem + letter, kanji)
                 for letter in OKURI_LETTERS.get(tail[0], "")]
        ranks = [r for r in ranks if r is not None]
        if not ranks:
            continue
        word = clean_word(kanji + tail)
        if word is None or word == reading:
            continue
        tier, pos = min(ranks)
        # A whole dictionary form is what a selected reading usually means: ahead of a
        # same-ranked noun. Between two such forms the more common one (lower cost) leads.
        offer((tier, pos, 0, cost), reading, word)

    return sorted((key + (reading, word) for (reading, word), key in best.items()))


# Everyday readings and the word a writer usually means, to measure the first candidate.
EVERYDAY = """
かんじ 漢字 たべる 食べる たかい 高い にほん 日本 がっこう 学校 せんせい 先生 でんしゃ 電車
ともだち 友達 じかん 時間 てがみ 手紙 くるま 車 やま 山 かわ 川 そら 空 あめ 雨 ゆき 雪 いぬ 犬
ねこ 猫 みず 水 ひと 人 おとこ 男 おんな 女 こども 子供 がくせい 学生 かいしゃ 会社 しごと 仕事
でんわ 電話 しんぶん 新聞 えき 駅 みせ 店 いえ 家 へや 部屋 つくえ 机 ほん 本 いく 行く くる 来る
みる 見る きく 聞く かく 書く よむ 読む はなす 話す あるく 歩く はしる 走る のむ 飲む かう 買う
つくる 作る おしえる 教える わかる 分かる かえる 帰る まつ 待つ すむ 住む うまれる 生まれる
あそぶ 遊ぶ おきる 起きる ねる 寝る はたらく 働く およぐ 泳ぐ あたらしい 新しい ふるい 古い
おおきい 大きい ちいさい 小さい ながい 長い みじかい 短い やすい 安い たのしい 楽しい
うれしい 嬉しい さむい 寒い おもしろい 面白い むずかしい 難しい あかい 赤い しろい 白い
くろい 黒い てんき 天気 びょういん 病院 ぎんこう 銀行 としょかん 図書館 せかい 世界
けいざい 経済 せいじ 政治 しゃかい 社会 もんだい 問題 じどうしゃ 自動車 ひこうき 飛行機
えいが 映画 おんがく 音楽 しゅくだい 宿題 べんきょう 勉強 りょこう 旅行 かぞく 家族 ちち 父
はは 母 あに 兄 あね 姉 いもうと 妹 おとうと 弟 なまえ 名前 ことば 言葉 にほんご 日本語
えいご 英語 あした 明日 らいねん 来年 きょねん 去年 まいにち 毎日 しずか 静か げんき 元気
ありがとう 有難う
じてんしゃ 自転車 ちかてつ 地下鉄 くうこう 空港 ほてる ホテル さかな 魚 にく 肉 やさい 野菜
くだもの 果物 たまご 卵 ぎゅうにゅう 牛乳 ちゃわん 茶碗 はし 箸 まど 窓 いす 椅子 とけい 時計
しゃしん 写真 てれび テレビ ようふく 洋服 くつ 靴 ぼうし 帽子 かさ 傘 からだ 体 あたま 頭 て 手
あし 足 め 目 みみ 耳 くち 口 こころ 心 びょうき 病気 くすり 薬 いしゃ 医者 けいさつ 警察
ゆうびんきょく 郵便局 だいがく 大学 しょうがっこう 小学校 じしょ 辞書 ぶんしょう 文章 れきし 歴史
ちず 地図 くに 国 まち 町 むら 村 しま 島 うみ 海 もり 森 はやし 林 つき 月 ほし 星 たいよう 太陽
かぜ 風 あき 秋 ふゆ 冬 なつ 夏 はる 春 あさ 朝 よる 夜 ひるま 昼間 しゅうまつ 週末
おぼえる 覚える わすれる 忘れる しる 知る おもう 思う かんがえる 考える はじめる 始める
おわる 終わる つかう 使う あらう 洗う すわる 座る たつ 立つ とぶ 飛ぶ うたう 歌う おどる 踊る
よわい 弱い つよい 強い おもい 重い かるい 軽い ひろい 広い せまい 狭い あかるい 明るい
くらい 暗い いそがしい 忙しい うつくしい 美しい かなしい 悲しい きれい 綺麗 たいせつ 大切
"""


def check_everyday(pairs):
    tokens = EVERYDAY.split()
    expected = list(zip(tokens[0::2], tokens[1::2]))
    first = {}
    for reading, word in pairs:
        first.setdefault(reading, word)
    misses = [(r, w, first.get(r)) for r, w in expected if first.get(r) != w]
    hits = len(expected) - len(misses)
    print(f"everyday readings: {hits}/{len(expected)} "
          f"({100.0 * hits / len(expected):.1f}%) give the usual word first", file=sys.stderr)
    for r, w, got in misses:
        print(f"  {r}: expected {w}, first is {got}", file=sys.stderr)


def package_versions():
    out = subprocess.run(["dpkg-query", "-W", "-f=${Package} ${Version}\\n"] + PACKAGES,
                         check=True, capture_output=True, text=True).stdout
    return sorted(out.splitlines())


def first_stanza(path):
    """The copyright file's first "Files: *" stanza, verbatim."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    start = text.index("Files: *\n")
    end = text.find("\n\n", start)
    return text[start:end if end >= 0 else len(text)] + "\n"


def write_attribution(path, count):
    versions = "\n".join("  " + v for v in package_versions())
    text = f"""pukana.dic: the conversion dictionary of Pukana
=================================================

pukana.dic holds {count} pairs "reading,word", one a line, in code page 932 with CR LF.
It was generated by tools/make_dic.py (see the description at the top of that script) from
these Debian packages:

{versions}

Pairs come from the SKK dictionaries SKK-JISYO.S, SKK-JISYO.M, SKK-JISYO.ML and
SKK-JISYO.L, in SKK's candidate order. Dictionary forms of verbs, adjectives and adjectival nouns were made
from SKK's okurigana entries with the help of the dictionary-form words of mecab-ipadic.

pukana.dic is therefore licensed under the GNU General Public License, version 2 or (at
your option) any later version, like the SKK dictionaries; see LICENSE.


SKK dictionaries (Debian package skkdic, file /usr/share/doc/skkdic/copyright)
------------------------------------------------------------------------------

{first_stanza(SKK_COPYRIGHT)}

mecab-ipadic (Debian package mecab-ipadic, file /usr/share/doc/mecab-ipadic/copyright)
--------------------------------------------------------------------------------------

{first_stanza(IPADIC_COPYRIGHT)}"""
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out-dir", default=os.path.join(here, "..", "data"))
    args = parser.parse_args()

    ranked = collect_pairs()
    pairs = [(reading, word) for *_, reading, word in ranked[:MAX_PAIRS]]
    data = "".join(f"{reading},{word}\r\n" for reading, word in pairs).encode("cp932")
    with open(os.path.join(args.out_dir, "pukana.dic"), "wb") as f:
        f.write(data)
    write_attribution(os.path.join(args.out_dir, "pukana-dic-attribution.txt"), len(pairs))
    print(f"{len(pairs)} of {len(ranked)} pairs written", file=sys.stderr)
    check_everyday(pairs)


if __name__ == "__main__":
    main()

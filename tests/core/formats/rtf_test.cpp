// Reading RTF from word processors and damaged sources, and writing RTF that reads back.
#include "core/error.h"
#include "core/formats/font_family_format.h"
#include "core/formats/rtf_reader.h"
#include "core/formats/rtf_writer.h"
#include "tests/core/formats/rtf_describe.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace pukana;
using namespace pukana::test;
using namespace Qt::StringLiterals;

namespace {

const QString ps = QString(QChar::ParagraphSeparator);

QString readText(QByteArrayView source) {
    QTextDocument doc;
    rtf::read(source, doc);
    return doc.toRawText();
}

} // namespace

TEST(Rtf, WordProcessorDocumentsReadAndSurviveWriting) {
    const std::pair<const char*, QStringList> samples[] = {
        {"wordpad.rtf",
         {u"left: [こんにちは|ＭＳ ゴシック|12]"_s,
          u"left: [太字|ＭＳ ゴシック|12 b] [ |ＭＳ ゴシック|12] [italic|ＭＳ ゴシック|12 i] "
          u"[ |ＭＳ ゴシック|12] [下線|ＭＳ ゴシック|12 u] [ |ＭＳ ゴシック|12] "
          u"[取消|ＭＳ ゴシック|12 s]"_s,
          u"center: [中央|ＭＳ ゴシック|18 #ff0000]"_s,
          // 表 is 0x95 0x5C: a trail byte that is a backslash in ASCII
          u"right: [right |Times New Roman|12 #0000ff] [表|ＭＳ 明朝|12 #0000ff]"_s,
          u"left: [a\u2028\t区切り|ＭＳ ゴシック|12]"_s}},
        {"libreoffice.rtf",
         {u"left: [Plain text |Liberation Serif|12] [bold|Liberation Serif|12 b] "
          u"[ and |Liberation Serif|12] [日本語|IPAMincho|12]"_s,
          u"center: [red italic centred|Liberation Serif|12 i #ff0000]"_s,
          u"justify: [Justified |Liberation Sans|16 u] [struck|Liberation Sans|16 s]"_s}},
        // Written by LibreOffice Writer: Japanese and Latin runs in their own fonts.
        {"writer-letter.rtf",
         {u"center: [お知らせ|ＭＳ ゴシック|18 b]"_s,
          u"right: [2024|Liberation Serif|10.5] [年|ＭＳ 明朝|10.5] [3|Liberation Serif|10.5] "
          u"[月|ＭＳ 明朝|10.5] [1|Liberation Serif|10.5] [日|ＭＳ 明朝|10.5]"_s,
          u"left: [拝啓　|ＭＳ ゴシック|12] [Pukana |IPAGothic|12] "
          u"[をご利用いただき、|ＭＳ ゴシック|12] [ありがとう|ＭＳ ゴシック|12 b] "
          u"[ございます。|ＭＳ ゴシック|12]"_s,
          u"left: [新しい版では|ＭＳ 明朝|10.5] [縦書き|ＭＳ 明朝|10.5 i] "
          u"[はまだ使えませんが、|ＭＳ 明朝|10.5] [赤い文字|ＭＳ 明朝|10.5 #c9211e] "
          u"[と|ＭＳ 明朝|10.5] [ |Liberation Serif|10.5] [Bold|Liberation Serif|10.5 b] "
          u"[ Latin text |Liberation Serif|10.5] [と|ＭＳ 明朝|10.5] [大きな字|ＭＳ 明朝|14] "
          u"[が使えます。|ＭＳ 明朝|10.5]"_s,
          u"right: [敬具|ＭＳ 明朝|10.5]"_s}},
    };
    for (const auto& [name, expected] : samples) {
        QFile file(QStringLiteral(PUKANA_TEST_DATA_DIR "/rtf/") + QLatin1StringView(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        QTextDocument first, second;
        rtf::read(file.readAll(), first);
        EXPECT_EQ(describe(first), expected) << name;
        rtf::read(rtf::write(first), second);
        EXPECT_EQ(describe(second), expected) << name;
    }
}

TEST(Rtf, EscapesCodePagesAndSkippedGroups) {
    // \ucN fallbacks: \uc0 skips nothing, \uc1 one character (a \'hh counting as one), \uc2
    // both bytes of a Shift_JIS pair; negative N is the upper half; surrogate pairs come as
    // two \u; \uc belongs to its group; out-of-range values and lone surrogates give U+FFFD.
    EXPECT_EQ(readText(R"({\rtf1 {\uc0\u12354 x}|\u12354?|\u12356\'3f|{\uc2\u12358\'82\'a4}|)"
                       R"(\u-30050?|\u-10179?\u-8704?|{\uc2 a}\u12354?z|)"
                       R"({\uc0 \u99999999999 \u-40000 \u-10179 a\u128512 b}})"),
              u"あx|あ|い|う|語|😀|aあz|\uFFFD\uFFFD\uFFFDa😀b"_s);
    // \fcharset0 is Windows-1252 even in a code page 932 document; a font without a charset
    // uses \ansicpg; Chinese and Korean charsets use their own code pages.
    EXPECT_EQ(readText(R"({\rtf1\ansi\ansicpg932{\fonttbl{\f0 Plain;}{\f1\fcharset0 Latin;})"
                       R"({\f2\fcharset134 SimSun;}{\f3\fcharset129 Gulim;}{\f4\fcharset136 M;}})"
                       R"(\f0\'82\'a0|\f1 caf\'e9|\f2\'d6\'d0|\f3\'c7\'d1|\f4\'a4\'a4})"),
              u"あ|café|中|한|中"_s);
    // Without \ansicpg, Shift_JIS; a raw trail byte 0x5C does not start a control word.
    EXPECT_EQ(readText("{\\rtf1\\ansi \x95\x5c\x8e\xa6 \\'95\\'5c}"), u"表示 表"_s);
    // Destinations, pictures with hex or binary data holding braces, unknown words, hidden
    // text and field instructions are not shown; a last \par adds no empty paragraph.
    EXPECT_EQ(
        readText(R"({\rtf1 a{\*\unknown hidden{\nested x}}b{\info{\title T}}c{\header h})"
                 R"({\pict\wmetafile8 0a1b{\*\blipuid ff}3d}{\pict\bin6 }}{\{x}d\madeupword12)"
                 R"( e \v hidden\v0 f{\field{\*\fldinst PAGE}{\fldrslt 3}}\\\~\_\-\emdash)"
                 R"(\bullet\ldblquote\line b\par\par})"),
        QString(u"abcde f3\\\u00A0\u2011—•“\u2028b"_s + ps));
}

TEST(Rtf, RejectsWhatIsNotRtfAndRecoversDamagedRtf) {
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("keep"));
    for (const char* bad : {"", "plain text", "{\\rt", "x{\\rtf1 a}", "{rtf1}"})
        EXPECT_THROW(rtf::read(bad, doc), PukanaError) << bad;
    EXPECT_EQ(doc.toPlainText(), u"keep"_s);
    // Leading blanks are allowed. Truncated anywhere, the text up to the cut is kept; stray
    // closing braces, bad hex digits, \bin past the end and control bytes do not stop reading.
    QStringList read;
    for (const char* damaged :
         {" \r\n\t{\\rtf1 ok}", R"({\rtf1 {\b abc)", R"({\rtf1 abc\'8)", R"({\rtf1 abc\u123)",
          "{\\rtf1 abc\\", R"({\rtf1 a}} b}}} c)", R"({\rtf1 a\'zzb\'4})",
          "{\\rtf1 a\\bin99999999999 xyz}", R"({\rtf1 abc\'82})", R"({\rtf1 \'82\'a0\'82)",
          "{\\rtf1 \x82\xa0\x82", R"({\rtf1 a\'82\'})"})
        read << readText(damaged);
    EXPECT_EQ(read.join(u'|'), u"ok|abc|abc|abc{|abc|a b c|azzb4|a|abc|あ|あ|a"_s);
    EXPECT_EQ(readText("{\\rtf1 a\0b\x01\x1f\tc}"_ba), u"ab\tc"_s);
    // Huge parameters are clamped, never overflowing.
    rtf::read(R"({\rtf1\fs99999999999999999999\f-99999999999999\cf4294967296\uc99999999999)"
              R"( x\fs-5 y})",
              doc);
    EXPECT_EQ(describe(doc), (QStringList{u"left: [x||1638] [y||12]"_s}));
    // Deep nesting, closed or not, does not exhaust the stack.
    const QByteArray deep(200000, '{');
    EXPECT_EQ(
        readText(QByteArray("{\\rtf1 a" + deep + "\\b b" + QByteArray(deep.size(), '}') + " c}")),
        u"ab c"_s);
    EXPECT_EQ(readText(QByteArray("{\\rtf1 x" + deep + "y")), u"xy"_s);
}

TEST(Rtf, InsertReplacesTheSelectionAsOneEdit) {
    QTextDocument doc;
    rtf::read(R"({\rtf1\qc 0123456789})", doc);
    QTextCursor cursor(&doc);
    cursor.setPosition(2);
    cursor.setPosition(8, QTextCursor::KeepAnchor);
    rtf::insert(R"({\rtf1 {\b A}\par\qr B\par C})", cursor);
    // A paragraph ended in the source takes its alignment; the rest of the old paragraph
    // keeps its own.
    EXPECT_EQ(describe(doc), (QStringList{u"left: [01||12] [A||12 b]"_s, u"right: [B||12]"_s,
                                          u"center: [C89||12]"_s}));
    doc.undo();
    EXPECT_EQ(doc.toRawText(), u"0123456789"_s);
}

TEST(Rtf, WrittenDocumentsReadBackTheSame) {
    // Unformatted text in the document font; characters code page 932 cannot hold, markup
    // characters, a line break, a tab, and empty paragraphs in the middle and at the end.
    QFont base(u"ＭＳ ゴシック"_s, -1, QFont::Normal, true);
    base.setPointSizeF(10.5);
    QTextDocument doc;
    doc.setDefaultFont(base);
    doc.setPlainText(u"ｱｲｳ①纊é¥😀{\\}a\u2028b\tc?\n\nz\n"_s);
    const QByteArray rtf = rtf::write(doc);
    QTextDocument back;
    back.setDefaultFont(base);
    rtf::read(rtf, back);
    EXPECT_EQ(describe(back),
              (QStringList{u"left: [ｱｲｳ①纊é¥😀{\\}a\u2028b\tc?|ＭＳ ゴシック|10.5 i]"_s, u"left:"_s,
                           u"left: [z|ＭＳ ゴシック|10.5 i]"_s, u"left:"_s}))
        << rtf.constData();
    EXPECT_EQ(rtf::write(back), rtf);

    // 7-bit code page 932 RTF that other programs read: Japanese font names in Shift_JIS with
    // charset 128, Shift_JIS where code page 932 has a code, \uN where it has none.
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg932\\deff0")) << rtf.constData();
    EXPECT_TRUE(std::ranges::all_of(rtf, [](char c) { return uchar(c) < 0x80; }));
    for (const char* expected :
         {R"({\f0\fnil\fcharset128 \'82\'6c\'82\'72 \'83\'53\'83\'56\'83\'62\'83\'4e;})",
          R"(\'b1\'b2\'b3\'87\'40\'fa\'5c\u233?\u165?\u-10179?\u-8704?\{\\\}a\line b\tab c?)",
          R"(\fs21)"})
        EXPECT_TRUE(rtf.contains(expected)) << expected << "\n" << rtf.constData();
}

TEST(Rtf, SelectionsCarryTheirParagraphEnds) {
    QTextDocument doc;
    rtf::read(R"({\rtf1{\fonttbl{\f0 G;}}\f0 abc\par\qc def})", doc);
    QTextCursor sel(&doc);
    sel.setPosition(2);
    sel.setPosition(6, QTextCursor::KeepAnchor);
    // The selected end of a centred paragraph stays centred when read as a document.
    rtf::read(rtf::writeSelection(sel), doc);
    EXPECT_EQ(describe(doc), (QStringList{u"left: [c|G|12]"_s, u"center: [de|G|12]"_s}));
}

TEST(Rtf, EachOfThousandsOfFontsKeepsItsName) {
    QByteArray source = "{\\rtf1\\ansi{\\fonttbl", runs;
    for (int i = 0; i < 3000; ++i) {
        source += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
        runs += "{\\f" + QByteArray::number(i) + (i % 2 ? "\\b" : "") + " x}";
    }
    const auto familiesOf = [](const QTextDocument& doc, bool shown) {
        QStringList families;
        for (auto it = doc.begin().begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            families << (shown ? f.fontFamilies().toStringList().value(0) : fontFamilyOf(f));
        }
        return families;
    };
    // Thousands of fonts show in the base font, but keep their names, also when written again.
    QTextDocument doc, again;
    rtf::read(QByteArray(source + "}" + runs + "}"), doc);
    const QStringList families = familiesOf(doc, false);
    ASSERT_EQ(families.size(), 3000);
    for (const int i : {0, 1234, 2999})
        EXPECT_EQ(families[i], u"Font%1"_s.arg(i));
    EXPECT_EQ(familiesOf(doc, true).count(QString()), 3000);
    rtf::read(rtf::write(doc), again);
    EXPECT_EQ(familiesOf(again, false), families);
    EXPECT_EQ(again.toRawText(), QString(3000, u'x'));
}

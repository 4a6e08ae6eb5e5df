#include "platform/error.h"
#include "platform/rtf_reader.h"
#include "rtf_test_support.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;
using pukana::test::describe;

namespace {

QByteArray sample(const char* name) {
    QFile file(QStringLiteral(PUKANA_TEST_DATA_DIR "/rtf/") + QLatin1StringView(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QStringList readDescribed(QByteArrayView source) {
    QTextDocument doc;
    rtf::read(source, doc);
    return describe(doc);
}

QString readText(QByteArrayView source) {
    QTextDocument doc;
    rtf::read(source, doc);
    return doc.toRawText();
}

const QString ps = QString(QChar::ParagraphSeparator);

} // namespace

TEST(RtfReader, WordPadShiftJisDocument) {
    const QString gothic = QStringLiteral("ＭＳ ゴシック");
    EXPECT_EQ(
        readDescribed(sample("wordpad.rtf")),
        (QStringList{
            u"left: [こんにちは|ＭＳ ゴシック|12]"_s,
            u"left: [太字|ＭＳ ゴシック|12 b] [ |ＭＳ ゴシック|12] [italic|ＭＳ ゴシック|12 i] "
            u"[ |ＭＳ ゴシック|12] [下線|ＭＳ ゴシック|12 u] [ |ＭＳ ゴシック|12] "
            u"[取消|ＭＳ ゴシック|12 s]"_s,
            u"center: [中央|ＭＳ ゴシック|18 #ff0000]"_s,
            // 表 is 0x95 0x5C: a trail byte that is a backslash in ASCII
            u"right: [right |Times New Roman|12 #0000ff] [表|ＭＳ 明朝|12 #0000ff]"_s,
            u"left: [a\u2028\t区切り|ＭＳ ゴシック|12]"_s,
        }));
}

TEST(RtfReader, LibreOfficeWriterDocument) {
    EXPECT_EQ(readDescribed(sample("libreoffice.rtf")),
              (QStringList{
                  u"left: [Plain text |Liberation Serif|12] [bold|Liberation Serif|12 b] "
                  u"[ and |Liberation Serif|12] [日本語|IPAMincho|12]"_s,
                  u"center: [red italic centred|Liberation Serif|12 i #ff0000]"_s,
                  u"justify: [Justified |Liberation Sans|16 u] [struck|Liberation Sans|16 s]"_s,
              }));
}

TEST(RtfReader, WordDocumentShowsFieldResultOnly) {
    EXPECT_EQ(readDescribed(sample("word.rtf")),
              (QStringList{
                  u"left: [Hello |Calibri|11] [world|Calibri|11 b] [ |Calibri|11] "
                  u"[日本語|MS Mincho|11]"_s,
                  u"center: [See |Calibri|11] [example|Calibri|11 u #0000ff] [.|Calibri|11]"_s,
              }));
}

TEST(RtfReader, TextEditDocument) {
    EXPECT_EQ(readDescribed(sample("textedit.rtf")),
              (QStringList{
                  u"left: [Hello |Helvetica|12] [こんにちは|HiraginoSans-W3|12]"_s,
                  u"center: [Centred bold red|Helvetica-Bold|12 b #fb0207]"_s,
                  u"left: [あい end|Helvetica|12]"_s,
              }));
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallback) {
    // \uc0: nothing to skip; \uc1 (the default): one character, a \'hh counting as one;
    // \uc2: both bytes of a Shift_JIS pair; negative N is the upper half of the 16 bits;
    // a surrogate pair comes as two \u; \uc belongs to its group.
    EXPECT_EQ(readText(R"({\rtf1 {\uc0\u12354 x}|\u12354?|\u12356\'3f|{\uc2\u12358\'82\'a4}|)"
                       R"(\u-30050?|\u-10179?\u-8704?|{\uc2 a}\u12354?z})"),
              u"あx|あ|い|う|語|😀|aあz"_s);
    // Out-of-range values and lone surrogates become U+FFFD; a whole code point is accepted.
    EXPECT_EQ(readText(R"({\rtf1\uc0 \u99999999999 \u-40000 \u-10179 a\u128512 b})"),
              u"\uFFFD\uFFFD\uFFFDa😀b"_s);
}

TEST(RtfReader, CodePagesFollowTheFontCharset) {
    // \fcharset0 is Windows-1252 even in a code page 932 document; a font without a charset
    // uses \ansicpg; Chinese and Korean charsets use their own code pages.
    const QByteArray source =
        R"({\rtf1\ansi\ansicpg932{\fonttbl{\f0 Plain;}{\f1\fcharset0 Latin;})"
        R"({\f2\fcharset134 SimSun;}{\f3\fcharset129 Gulim;}{\f4\fcharset136 MingLiU;}})"
        R"(\f0\'82\'a0|\f1 caf\'e9|\f2\'d6\'d0|\f3\'c7\'d1|\f4\'a4\'a4})";
    EXPECT_EQ(readText(source), u"あ|café|中|한|中"_s);
    // Without \ansicpg the system code page (Shift_JIS) applies; raw Shift_JIS bytes keep a
    // trail byte 0x5C from starting a control word.
    EXPECT_EQ(readText("{\\rtf1\\ansi \x95\x5c\x8e\xa6 \\'95\\'5c}"), u"表示 表"_s);
    EXPECT_EQ(readText(R"({\rtf1\ansi\ansicpg1252 \'e9\'80})"), u"é€"_s);
}

TEST(RtfReader, SkipsDestinationsPicturesAndBinaryData) {
    EXPECT_EQ(readText(R"({\rtf1 a{\*\unknown hidden{\nested x}}b{\*\generator Gen 1.0;})"
                       R"({\info{\title T}{\author A}}c{\header head}{\footer foot}d})"),
              u"abcd"_s);
    // A picture between text, with hex data and with binary data holding braces.
    EXPECT_EQ(readText("{\\rtf1 before {\\pict\\wmetafile8\\picw10\\pich10 0a1b2c{\\*\\blipuid "
                       "ff}3d4e}middle {\\pict\\pngblip\\bin6 }}{\\{x} after}"),
              u"before middle  after"_s);
    // Unknown words are ignored, the text around them kept; hidden text is not shown.
    EXPECT_EQ(readText(R"({\rtf1 a\madeupword12 b \v hidden\v0 c{\v gone}d})"), u"ab cd"_s);
    // Field instructions are hidden with or without \*; the result is shown.
    EXPECT_EQ(readText(R"({\rtf1 {\field{\fldinst PAGE}{\fldrslt 3}} / {\field{\*\fldinst )"
                       R"(NUMPAGES}{\fldrslt 9}}})"),
              u"3 / 9"_s);
}

TEST(RtfReader, ParagraphsLinesAndSpecialCharacters) {
    // A \par that ends the last paragraph adds no empty line; a second one does.
    EXPECT_EQ(readText(R"({\rtf1 a\par})"), u"a"_s);
    EXPECT_EQ(readText(R"({\rtf1 a\par\par})"), QString(u"a"_s + ps));
    EXPECT_EQ(readText(R"({\rtf1 \par a})"), QString(ps + u"a"_s));
    EXPECT_EQ(readText("{\\rtf1 a\\\nb\\\r\nc}"), QString(u"a"_s + ps + u"b"_s + ps + u"c"_s));
    EXPECT_EQ(readText(R"({\rtf1 \{\}\\\~\_\-\emdash\endash\bullet\lquote\rquote\ldblquote)"
                       R"(\rdblquote})"),
              u"{}\\\u00A0\u2011—–•‘’“”"_s);
    // Paragraph properties: \pard resets them; they apply at the \par that ends the paragraph.
    EXPECT_EQ(readDescribed(R"({\rtf1 \qc a\par b\pard\par {\qr c\par}d\par \qj e})"),
              (QStringList{u"center: [a||12]"_s, u"left: [b||12]"_s, u"right: [c||12]"_s,
                           u"left: [d||12]"_s, u"justify: [e||12]"_s}));
    // \plain resets character formatting to the default font at 12 points.
    EXPECT_EQ(readDescribed(R"({\rtf1\deff1{\fonttbl{\f0 A;}{\f1 B;}}\f0\b\i\fs40 x\plain y})"),
              (QStringList{u"left: [x|A|20 b i] [y|B|12]"_s}));
}

TEST(RtfReader, RejectsWhatIsNotRtf) {
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("keep"));
    for (const QByteArray& bad : {QByteArray(""), QByteArray("plain text"), QByteArray("{\\rt"),
                                  QByteArray("x{\\rtf1 a}"), QByteArray("{rtf1}")}) {
        try {
            rtf::read(bad, doc);
            ADD_FAILURE() << "accepted: " << bad.constData();
        } catch (const PukanaError& e) {
            EXPECT_EQ(e.number(), err::InvalidFormat);
            EXPECT_TRUE(e.description().contains(u"RTF")) << e.what();
        }
    }
    EXPECT_EQ(doc.toPlainText(), u"keep"_s);
    EXPECT_EQ(readText(" \r\n\t{\\rtf1 ok}"), u"ok"_s);
}

TEST(RtfReader, RecoversTextFromDamagedInput) {
    // Truncated anywhere: text up to the cut is kept.
    EXPECT_EQ(readText(R"({\rtf1 {\b abc)"), u"abc"_s);
    EXPECT_EQ(readText(R"({\rtf1 abc\'8)"), u"abc8"_s); // a broken \'hh: the quote is dropped
    EXPECT_EQ(readText(R"({\rtf1 abc\u123)"), u"abc{"_s);
    EXPECT_EQ(readText("{\\rtf1 abc\\"), u"abc"_s);
    // Stray closing braces do not end the reading.
    EXPECT_EQ(readText(R"({\rtf1 a}} b}}} c)"), u"a b c"_s);
    // Invalid hex digits, \bin past the end, control bytes in the text.
    EXPECT_EQ(readText(R"({\rtf1 a\'zzb\'4})"), u"azzb4"_s);
    EXPECT_EQ(readText("{\\rtf1 a\\bin99999999999 xyz}"), u"a"_s);
    static const char controls[] = "{\\rtf1 a\0b\x01\x1f\tc}";
    EXPECT_EQ(readText(QByteArray(controls, sizeof controls - 1)), u"ab\tc"_s);
    // Huge parameters are clamped, never overflowing.
    QTextDocument doc;
    rtf::read(R"({\rtf1\fs99999999999999999999\f-99999999999999\cf4294967296\uc99999999999)"
              R"( x\fs-5 y})",
              doc);
    EXPECT_EQ(describe(doc), (QStringList{u"left: [x||1638] [y||12]"_s}));
}

TEST(RtfReader, DeepNestingIsReadWithoutExhaustingTheStack) {
    constexpr int depth = 200000;
    QByteArray source = "{\\rtf1 a";
    source += QByteArray(depth, '{') + "\\b b" + QByteArray(depth, '}') + " c}";
    QTextDocument doc;
    rtf::read(source, doc);
    EXPECT_EQ(doc.toRawText(), u"ab c"_s);
    // Unclosed groups at the end of the input
    EXPECT_EQ(readText(QByteArray("{\\rtf1 x" + QByteArray(depth, '{') + "y")), u"xy"_s);
}

TEST(RtfReader, InsertReplacesTheSelectionAsOneEdit) {
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("0123456789"));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCursor(&doc).setBlockFormat(centred);
    QTextCursor cursor(&doc);
    cursor.setPosition(2);
    cursor.setPosition(8, QTextCursor::KeepAnchor);
    rtf::insert(R"({\rtf1 {\b A}\par\qr B\par C})", cursor);
    // The paragraph ended in the source takes its alignment; the rest of the old paragraph
    // keeps its own.
    EXPECT_EQ(doc.toRawText(), QString(u"01A"_s + ps + u"B"_s + ps + u"C89"_s));
    EXPECT_EQ(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(doc.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(doc.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(cursor.position(), 7);
    QTextCursor at(&doc);
    at.setPosition(3); // after "A"
    EXPECT_EQ(at.charFormat().fontWeight(), QFont::Bold);
    doc.undo();
    EXPECT_EQ(doc.toRawText(), u"0123456789"_s);
    // Text without \par stays inside the paragraph.
    cursor.setPosition(5);
    rtf::insert(R"({\rtf1 x\par})", cursor);
    EXPECT_EQ(doc.toRawText(), u"01234x56789"_s);
    EXPECT_EQ(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

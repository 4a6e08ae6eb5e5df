#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"
#include "rtf_test_support.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;
using pukana::test::describe;

namespace {

const QString gothic = u"ＭＳ ゴシック"_s;
const QString ps = QString(QChar::ParagraphSeparator);

QTextCharFormat format(const QString& family, double points) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    f.setFontPointSize(points);
    return f;
}

void paragraph(QTextCursor& c, Qt::Alignment align) {
    c.insertBlock();
    QTextBlockFormat b;
    b.setAlignment(align);
    c.setBlockFormat(b);
}

// A document with every attribute the writer knows, Japanese text and characters that code
// page 932 cannot hold.
void fill(QTextDocument& doc) {
    doc.setDefaultFont(QFont(gothic, 12));
    QTextCursor c(&doc);
    c.insertText(u"普通 "_s, format(gothic, 12));
    QTextCharFormat f = format(gothic, 12);
    f.setFontWeight(QFont::Bold);
    c.insertText(u"太字"_s, f);
    f = format(gothic, 10.5);
    f.setFontItalic(true);
    c.insertText(u"斜体 italic"_s, f);
    f = format(u"Times New Roman"_s, 20);
    f.setFontUnderline(true);
    c.insertText(u"underline 日本語"_s, f);
    paragraph(c, Qt::AlignHCenter);
    f = format(u"ＭＳ 明朝"_s, 36);
    f.setFontStrikeOut(true);
    f.setForeground(QColor(255, 0, 0));
    c.insertText(u"取消線"_s, f);
    f = format(gothic, 12);
    f.setForeground(QColor(0, 0x80, 0xff));
    f.setFontWeight(QFont::Bold);
    f.setFontItalic(true);
    f.setFontUnderline(true);
    c.insertText(u"全部"_s, f);
    paragraph(c, Qt::AlignRight);
    // Half-width katakana, NEC and IBM extensions, a Latin letter and a yen sign that code
    // page 932 does not hold, an emoji outside the BMP, markup characters, line and tab.
    c.insertText(u"ｱｲｳ①纊é¥😀{\\}a\u2028b\tc?"_s, format(gothic, 12));
    paragraph(c, Qt::AlignJustify);
    c.insertText(u"justified"_s, format(u"Arial"_s, 8));
    paragraph(c, Qt::AlignLeft); // an empty paragraph in the middle
    paragraph(c, Qt::AlignLeft);
    c.insertText(u"last"_s, format(gothic, 12));
    paragraph(c, Qt::AlignLeft); // and an empty last one
}

QByteArray sample(const char* name) {
    QFile file(QStringLiteral(PUKANA_TEST_DATA_DIR "/rtf/") + QLatin1StringView(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

} // namespace

TEST(RtfWriter, WriteThenReadGivesTheSameDocument) {
    QTextDocument doc;
    fill(doc);
    const QByteArray rtf = rtf::write(doc);
    QTextDocument back;
    back.setDefaultFont(doc.defaultFont());
    rtf::read(rtf, back);
    EXPECT_EQ(back.toRawText(), doc.toRawText());
    EXPECT_EQ(describe(back), describe(doc)) << rtf.constData();
    // Reading and writing again changes nothing more.
    EXPECT_EQ(rtf::write(back), rtf);
}

TEST(RtfWriter, WrittenBytesAreCodePage932Rtf) {
    QTextDocument doc;
    fill(doc);
    const QByteArray rtf = rtf::write(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg932\\deff0")) << rtf.constData();
    EXPECT_TRUE(rtf.endsWith('}'));
    for (char ch : rtf)
        ASSERT_LT(static_cast<unsigned char>(ch), 0x80) << "only 7-bit bytes in RTF";
    // The default font first, Japanese fonts with charset 128 and a Shift_JIS name.
    for (
        const char* expected : {
            R"({\fonttbl{\f0\fnil\fcharset128 \'82\'6c\'82\'72 \'83\'53\'83\'56\'83\'62\'83\'4e;})",
            R"({\f1\fnil\fcharset0 Times New Roman;})",
            R"({\f2\fnil\fcharset128 \'82\'6c\'82\'72 \'96\'be\'92\'a9;})",
            R"({\colortbl ;\red255\green0\blue0;\red0\green128\blue255;})",
            // Shift_JIS bytes in a Japanese font, \uN in a Latin one
            R"(\'95\'81\'92\'ca)",
            R"(\u26085?\u26412?\u-30050?)",
            // half-width katakana, NEC and IBM extension characters
            R"(\'b1\'b2\'b3\'87\'40\'fa\'5c)",
            R"(\u233?\u165?\u-10179?\u-8704?\{\\\}a\line b\tab c?)",
            R"(\fs72)",
            R"(\fs21)",
            R"(\qc)",
            R"(\qr)",
            R"(\qj)",
            R"(\strike)",
            R"(\ul)",
            R"(\cf2)",
            R"(\b)",
            R"(\i)",
        })
        EXPECT_TRUE(rtf.contains(expected)) << expected << "\n" << rtf.constData();
}

TEST(RtfWriter, WordProcessorDocumentsSurviveWriteAndRead) {
    for (const char* name : {"wordpad.rtf", "libreoffice.rtf", "word.rtf", "textedit.rtf"}) {
        QTextDocument first;
        rtf::read(sample(name), first);
        QTextDocument second;
        rtf::read(rtf::write(first), second);
        EXPECT_EQ(describe(second), describe(first)) << name;
    }
}

TEST(RtfWriter, SelectionsCarryTheirParagraphEnds) {
    QTextDocument doc;
    doc.setDefaultFont(QFont(gothic, 12));
    QTextCursor c(&doc);
    c.insertText(u"abc"_s, format(gothic, 12));
    paragraph(c, Qt::AlignHCenter);
    c.insertText(u"def"_s, format(gothic, 12));

    auto pasted = [&](int from, int to) {
        QTextCursor sel(&doc);
        sel.setPosition(from);
        sel.setPosition(to, QTextCursor::KeepAnchor);
        QTextDocument target;
        QTextCursor at(&target);
        rtf::insert(rtf::writeSelection(sel), at);
        return target.toRawText();
    };
    EXPECT_EQ(pasted(1, 2), u"b"_s);
    EXPECT_EQ(pasted(1, 4), QString(u"bc"_s + ps)); // the paragraph end is selected
    EXPECT_EQ(pasted(2, 6), QString(u"c"_s + ps + u"de"_s));
    EXPECT_EQ(pasted(0, 7), QString(u"abc"_s + ps + u"def"_s));
    EXPECT_EQ(pasted(3, 3), QString());

    // The selected part of a centred paragraph stays centred when read as a document.
    QTextCursor sel(&doc);
    sel.setPosition(2);
    sel.setPosition(6, QTextCursor::KeepAnchor);
    QTextDocument back;
    rtf::read(rtf::writeSelection(sel), back);
    EXPECT_EQ(describe(back),
              (QStringList{u"left: [c|ＭＳ ゴシック|12]"_s, u"center: [de|ＭＳ ゴシック|12]"_s}));
}

TEST(RtfWriter, UnformattedTextTakesTheDocumentFont) {
    QTextDocument doc;
    QFont base(u"IPAGothic"_s, 14);
    base.setBold(true);
    base.setItalic(true);
    doc.setDefaultFont(base);
    QTextCursor(&doc).insertText(u"あ"_s);
    QTextDocument back;
    rtf::read(rtf::write(doc), back);
    EXPECT_EQ(describe(back), (QStringList{u"left: [あ|IPAGothic|14 b i]"_s}));

    // Empty documents stay empty, whole-empty paragraphs stay.
    QTextDocument empty;
    rtf::read(rtf::write(QTextDocument()), empty);
    EXPECT_TRUE(empty.isEmpty());
    QTextDocument lines;
    lines.setPlainText(u"\n\nx\n"_s);
    rtf::read(rtf::write(lines), empty);
    EXPECT_EQ(empty.toRawText(), QString(ps + ps + u"x"_s + ps));
}

TEST(RtfWriter, JapaneseFontNames) {
    for (const QString& name :
         {u"ＭＳ 明朝"_s, u"MS Gothic"_s, u"ms pgothic"_s, u"IPAMincho"_s, u"Meiryo UI"_s,
          u"Hiragino Sans"_s, u"游ゴシック"_s, u"Noto Sans CJK JP"_s})
        EXPECT_TRUE(rtf::isJapaneseFontName(name)) << name.toStdString();
    for (const QString& name :
         {u"Times New Roman"_s, u"Arial"_s, u"Liberation Serif"_s, u"Noto Sans"_s, u""_s})
        EXPECT_FALSE(rtf::isJapaneseFontName(name)) << name.toStdString();
}

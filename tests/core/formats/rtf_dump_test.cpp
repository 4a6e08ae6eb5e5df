// `pukana-rtf dump` writes what Qt's own JSON writer would, byte for byte: the layout that
// scripts reading the dump rely on.
#include "core/formats/font_family_format.h"
#include "core/formats/rtf_reader.h"
#include "tools/rtf_dump.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

using namespace pukana;

namespace {

// The dump as built with QJsonObject, one paragraph after the other.
QByteArray jsonDump(const QTextDocument& doc) {
    const QFont base = doc.defaultFont();
    QByteArray all;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QJsonArray runs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QString family = fontFamilyOf(f);
            if (family.isEmpty())
                family = f.hasProperty(QTextFormat::FontFamily)
                             ? f.property(QTextFormat::FontFamily).toString()
                             : base.family();
            runs.append(QJsonObject{
                {QStringLiteral("text"), it.fragment().text()},
                {QStringLiteral("font"), family},
                {QStringLiteral("size"),
                 f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base.pointSizeF()},
                {QStringLiteral("bold"), f.fontWeight() > QFont::Medium},
                {QStringLiteral("italic"), f.fontItalic()},
                {QStringLiteral("underline"), f.fontUnderline()},
                {QStringLiteral("strikethrough"), f.fontStrikeOut()},
                {QStringLiteral("color"), f.hasProperty(QTextFormat::ForegroundBrush)
                                              ? f.foreground().color().name()
                                              : QStringLiteral("#000000")},
            });
        }
        const Qt::Alignment a = block.blockFormat().alignment();
        const QJsonObject paragraph{
            {QStringLiteral("align"), a & Qt::AlignHCenter   ? QStringLiteral("center")
                                      : a & Qt::AlignRight   ? QStringLiteral("right")
                                      : a & Qt::AlignJustify ? QStringLiteral("justify")
                                                             : QStringLiteral("left")},
            {QStringLiteral("runs"), runs},
        };
        all += QJsonDocument(paragraph).toJson(QJsonDocument::Compact) + '\n';
    }
    return all;
}

// Every UTF-16 code unit that needs care in JSON or UTF-8, lone surrogates included.
QString awkwardText() {
    QString text = QStringLiteral("\"q\" \\ / \x7f é ア 😀 \u2028 \uFFFE \uFFFF ");
    for (char16_t c = 1; c < 0x20; ++c)
        if (c != '\n' && c != '\r')
            text += QChar(c);
    text += QChar(0xD800);
    text += u'x';
    text += QChar(0xDC00);
    return text;
}

// Every kind of run the dump tells apart, an empty last paragraph, and more formats than the
// dump keeps. Alignments come from the files.
QTextDocument* madeDocument() {
    auto* doc = new QTextDocument;
    doc->setDefaultFont(QFont(QStringLiteral("ＭＳ ゴシック"), 12));
    QTextCursor cursor(doc);
    cursor.insertText(QStringLiteral("default"), QTextCharFormat());
    int i = 0;
    for (const double size : {0.5, 10.5, 1e-3, 123456.789}) {
        QTextCharFormat f;
        f.setFontPointSize(size);
        f.setFontWeight(i % 2 ? QFont::Bold : QFont::Medium);
        f.setFontItalic(i % 3 == 0);
        f.setFontUnderline(i % 4 == 1);
        f.setFontStrikeOut(i % 5 == 2);
        f.setForeground(QColor::fromRgb(0x10203 * i));
        if (i % 3 == 0)
            setFontFamily(f, QStringLiteral("Font \"quoted\" \\ ＭＳ"));
        else if (i % 3 == 1)
            setUnshownFontFamily(f, QStringLiteral("Unshown"));
        else
            f.setFontFamilies(QStringList{QStringLiteral("Plain list")});
        cursor.insertText(awkwardText() + QString::number(i++), f);
    }
    cursor.insertBlock();
    return doc;
}

} // namespace

TEST(RtfDump, WritesWhatQtsJsonWriterWrites) {
    const std::unique_ptr<QTextDocument> made(madeDocument());
    const QByteArray expected = jsonDump(*made);
    ASSERT_EQ(expected.count('\n'), 2);
    EXPECT_EQ(dumpDocument(*made), expected);

    for (const QString& folder : {QStringLiteral(PUKANA_TEST_DATA_DIR "/rtf"),
                                  QStringLiteral(PUKANA_SOURCE_DIR "/fuzz/corpus/rtf")})
        for (const QFileInfo& path :
             QDir(folder).entryInfoList({QStringLiteral("*.rtf")}, QDir::Files)) {
            QFile file(path.filePath());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.filePath().toStdString();
            QTextDocument doc;
            doc.setDefaultFont(QFont(QStringLiteral("ＭＳ ゴシック"), 12));
            rtf::read(file.readAll(), doc);
            EXPECT_EQ(dumpDocument(doc), jsonDump(doc)) << path.filePath().toStdString();
        }
}

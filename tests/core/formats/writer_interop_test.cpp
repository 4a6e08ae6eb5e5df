// LibreOffice Writer reads the editor's RTF with Japanese text in the chosen face, weight
// and size. Runs Writer headless to convert the RTF into a flat OpenDocument file.
#include "core/formats/rtf_writer.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

/// What Writer gives the Japanese text of a paragraph: the text-properties of its first span's
/// automatic style, the font-face name resolved to its family.
struct Paragraph {
    QString text, face, size, weight;
};

QList<Paragraph> parseFlatOdt(const QByteArray& xml) {
    QHash<QString, QString> families;              // font-face name -> family
    QHash<QString, Paragraph> styles;              // automatic style name -> look
    QList<std::pair<QString, QString>> paragraphs; // text, span style
    QXmlStreamReader r(xml);
    QString style;
    bool inParagraph = false;
    while (!r.atEnd()) {
        r.readNext();
        const auto a = r.attributes();
        if (r.isStartElement() && r.name() == u"font-face") {
            QString family = a.value(u"svg:font-family"_s).toString();
            if (family.size() >= 2 && family.startsWith(u'\'') && family.endsWith(u'\''))
                family = family.mid(1, family.size() - 2);
            families.insert(a.value(u"style:name"_s).toString(), family);
        } else if (r.isStartElement() && r.name() == u"style") {
            style = a.value(u"style:name"_s).toString();
        } else if (r.isStartElement() && r.name() == u"text-properties") {
            styles.insert(style, {{},
                                  a.value(u"style:font-name-asian"_s).toString(),
                                  a.value(u"style:font-size-asian"_s).toString(),
                                  a.value(u"style:font-weight-asian"_s).toString()});
        } else if (r.isStartElement() && r.name() == u"p") {
            inParagraph = true;
            paragraphs.emplaceBack();
        } else if (r.isEndElement() && r.name() == u"p") {
            inParagraph = false;
        } else if (inParagraph && r.isStartElement() && r.name() == u"span" &&
                   paragraphs.last().second.isEmpty()) {
            paragraphs.last().second = a.value(u"text:style-name"_s).toString();
        } else if (inParagraph && r.isCharacters()) {
            paragraphs.last().first += r.text();
        }
    }
    QList<Paragraph> result;
    for (const auto& [text, span] : paragraphs) {
        Paragraph p = styles.value(span);
        p.text = text;
        p.face = families.value(p.face, p.face);
        result << p;
    }
    return result;
}

} // namespace

TEST(WriterInterop, JapaneseTextKeepsFaceWeightAndSize) {
    // The three faces of the typeface commands and the settings, and the one users pick
    // most from the font dialog.
    const QStringList faces{u"ＭＳ ゴシック"_s, u"ＭＳ 明朝"_s, u"ＭＳ Ｐゴシック"_s,
                            u"IPAMincho"_s};
    QTextDocument doc;
    QTextCursor cursor(&doc);
    for (const QString& face : faces) {
        if (face != faces.first())
            cursor.insertBlock();
        QTextCharFormat format;
        format.setFontFamilies({face});
        format.setFontPointSize(14);
        format.setFontWeight(QFont::Bold);
        cursor.insertText(u"日本語の文章です。"_s + face, format);
    }

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile rtf(dir.filePath(u"faces.rtf"_s));
    ASSERT_TRUE(rtf.open(QIODevice::WriteOnly) && rtf.write(rtf::write(doc)) > 0);
    rtf.close();

    // A profile of its own, so that no running Writer or user setting interferes.
    QProcess writer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, dir.path());
    writer.setProcessEnvironment(env);
    writer.start(QStringLiteral(PUKANA_SOFFICE),
                 {u"-env:UserInstallation=file://"_s + dir.filePath(u"profile"_s), u"--headless"_s,
                  u"--convert-to"_s, u"fodt"_s, u"--outdir"_s, dir.path(), rtf.fileName()});
    ASSERT_TRUE(writer.waitForFinished(240000)) << "Writer did not finish";
    QFile converted(dir.filePath(u"faces.fodt"_s));
    ASSERT_TRUE(converted.open(QIODevice::ReadOnly)) << writer.readAllStandardError().constData();

    const QList<Paragraph> result = parseFlatOdt(converted.readAll());
    ASSERT_EQ(result.size(), faces.size());
    for (qsizetype i = 0; i < faces.size(); ++i) {
        EXPECT_EQ(result[i].text, u"日本語の文章です。"_s + faces[i]);
        EXPECT_EQ(result[i].face, faces[i]) << i;
        EXPECT_EQ(result[i].weight, u"bold"_s) << i;
        EXPECT_EQ(result[i].size, u"14pt"_s) << i;
    }
}

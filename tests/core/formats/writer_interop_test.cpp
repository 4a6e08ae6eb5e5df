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

struct AsianLook {
    QString face, size, weight;
};

/// What Writer gives the Japanese text of each paragraph: the text-properties of its first
/// span's automatic style (font-face names resolved to their families).
struct ConvertedDocument {
    QHash<QString, QString> families;              // font-face name -> family
    QHash<QString, AsianLook> styles;              // automatic style name -> look
    QList<std::pair<QString, QString>> paragraphs; // text, span style

    AsianLook lookOf(const QString& style) const {
        AsianLook look = styles.value(style);
        look.face = families.value(look.face, look.face);
        return look;
    }
};

QString unquoted(QString family) {
    if (family.size() >= 2 && family.startsWith(u'\'') && family.endsWith(u'\''))
        family = family.mid(1, family.size() - 2);
    return family;
}

ConvertedDocument parseFlatOdt(const QByteArray& xml) {
    ConvertedDocument doc;
    QXmlStreamReader r(xml);
    QString style;
    bool inParagraph = false;
    while (!r.atEnd()) {
        r.readNext();
        const auto a = r.attributes();
        if (r.isStartElement() && r.name() == u"font-face") {
            doc.families.insert(a.value(u"style:name"_s).toString(),
                                unquoted(a.value(u"svg:font-family"_s).toString()));
        } else if (r.isStartElement() && r.name() == u"style") {
            style = a.value(u"style:name"_s).toString();
        } else if (r.isStartElement() && r.name() == u"text-properties") {
            doc.styles.insert(style, {a.value(u"style:font-name-asian"_s).toString(),
                                      a.value(u"style:font-size-asian"_s).toString(),
                                      a.value(u"style:font-weight-asian"_s).toString()});
        } else if (r.isStartElement() && r.name() == u"p") {
            inParagraph = true;
            doc.paragraphs.append({QString(), QString()});
        } else if (r.isEndElement() && r.name() == u"p") {
            inParagraph = false;
        } else if (inParagraph && r.isStartElement() && r.name() == u"span" &&
                   doc.paragraphs.last().second.isEmpty()) {
            doc.paragraphs.last().second = a.value(u"text:style-name"_s).toString();
        } else if (inParagraph && r.isCharacters()) {
            doc.paragraphs.last().first += r.text();
        }
    }
    return doc;
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
    ASSERT_TRUE(rtf.open(QIODevice::WriteOnly));
    rtf.write(rtf::write(doc));
    rtf.close();

    // A profile of its own, so that no running Writer or user setting takes part.
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

    const ConvertedDocument result = parseFlatOdt(converted.readAll());
    ASSERT_EQ(result.paragraphs.size(), faces.size());
    for (qsizetype i = 0; i < faces.size(); ++i) {
        const auto& [text, style] = result.paragraphs[i];
        EXPECT_EQ(text, u"日本語の文章です。"_s + faces[i]);
        const AsianLook look = result.lookOf(style);
        EXPECT_EQ(look.face, faces[i]) << i;
        EXPECT_EQ(look.weight, u"bold"_s) << i;
        EXPECT_EQ(look.size, u"14pt"_s) << i;
    }
}

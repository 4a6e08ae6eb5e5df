// Text the Japanese faces draw glyph by glyph, laid out without shaping.
#include "core/formats/cp932.h"
#include "core/layout/plain_shaping.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace pukana;

namespace {

QRawFont rawFont(const QString& family) {
    return QRawFont::fromFont(QFont(family, 12));
}

/// Every character code page 932 has, as text.
QString everyCp932Character() {
    QByteArray bytes;
    for (int b = 0x20; b < 0xE0; ++b)
        if (b < 0x7F || b >= 0xA1)
            bytes += char(b);
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            if ((lead <= 0x9F || lead >= 0xE0) && trail != 0x7F)
                bytes += char(lead), bytes += char(trail);
    return cp932::decode(bytes);
}

/// Each line of the document's layout: where it starts, how long and wide it is, and where
/// each glyph of it stands.
QStringList linesOf(QTextDocument& doc) {
    doc.setTextWidth(300);
    doc.documentLayout()->documentSize(); // lays out everything
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QString text = QStringLiteral("%1+%2 w%3:")
                               .arg(block.position() + line.textStart())
                               .arg(line.textLength())
                               .arg(line.naturalTextWidth());
            for (const QGlyphRun& run : line.glyphRuns())
                for (qsizetype g = 0; g < run.glyphIndexes().size(); ++g)
                    text += QStringLiteral(" %1@%2,%3")
                                .arg(run.glyphIndexes()[g])
                                .arg(run.positions()[g].x())
                                .arg(run.positions()[g].y());
            lines << text;
        }
    }
    return lines;
}

} // namespace

TEST(PlainShaping, CharactersThatJoinOthersOrComeFromOtherFontsNeedShaping) {
    const QRawFont gothic = rawFont(QStringLiteral("IPAGothic"));
    const struct {
        QString text;
        bool alone;
    } cases[] = {
        {QStringLiteral("吾輩は猫である。名前はまだ無い。ｶﾀｶﾅ ①㈱髙﨑 ABC 123"), true},
        {QStringLiteral("一行目\n\t二行目\u2028三行目"), true},
        {QStringLiteral("e\u0301"), false},          // combining mark
        {QStringLiteral("a\u200Db"), false},         // joiner
        {QString::fromUcs4(U"葛\U000E0100"), false}, // variation selector
        {QString::fromUcs4(U"𠮷野家"), false},       // beyond the first plane
        {QStringLiteral("\uE000"), false},           // user-defined character
        {QStringLiteral("日本語とไทย"), false},      // not in the face
    };
    for (const auto& c : cases)
        EXPECT_EQ(charactersStandAlone(c.text, gothic), c.alone) << c.text.toStdString();
    EXPECT_FALSE(shapingChangesNothing(cases[0].text, QFont(QStringLiteral("Liberation Sans"))));
    // A Japanese face shapes only marks; a face that kerns always needs shaping.
    EXPECT_TRUE(fontOnlyShapesMarks(gothic));
    EXPECT_FALSE(fontOnlyShapesMarks(rawFont(QStringLiteral("Liberation Serif"))));
}

// What makes skipping the shaping safe: every character of code page 932 that the test
// accepts is laid out to the same lines and glyph places either way, in each Japanese face,
// plain, bold and italic, in code order and shuffled (other neighbours).
TEST(PlainShaping, TextAcceptedLaysOutTheSameWithoutShaping) {
    const QString every = everyCp932Character();
    for (const QString& family :
         {QStringLiteral("IPAGothic"), QStringLiteral("IPAMincho"), QStringLiteral("IPAPGothic")}) {
        for (const int style : {0, 1, 2}) {
            QFont shaped(family, style == 0 ? 12 : 15);
            shaped.setBold(style == 1);
            shaped.setItalic(style == 2);
            const QRawFont raw = QRawFont::fromFont(shaped);
            QString accepted;
            for (const QChar c : every)
                if (charactersStandAlone(QStringView(&c, 1), raw))
                    accepted += c;
            ASSERT_GT(accepted.size(), 6000) << family.toStdString();
            QString shuffled = accepted;
            std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(17));
            for (const QString& order : {accepted, shuffled}) {
                QString text;
                for (qsizetype i = 0; i < order.size(); ++i)
                    text +=
                        (i % 97 == 96 ? (i % 3 ? u"\n" : u" \t\u2028") : u"") + QString(order[i]);
                ASSERT_TRUE(shapingChangesNothing(text, shaped));
                QFont unshaped = shaped;
                unshaped.setStyleStrategy(QFont::PreferNoShaping);
                QTextDocument withShaping, without;
                withShaping.setDefaultFont(shaped);
                without.setDefaultFont(unshaped);
                withShaping.setPlainText(text);
                without.setPlainText(text);
                ASSERT_EQ(linesOf(without), linesOf(withShaping)) << family.toStdString();
            }
        }
    }
}

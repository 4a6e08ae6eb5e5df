// The layout file shipped with the editor: four full blocks a user can type everything from.
#include "keyboard/key_layout.h"
#include "platform/cp932.h"
#include "platform/text_file.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace pukana;
using namespace pukana::keyboard;
using namespace Qt::StringLiterals;

namespace {

const QString ShippedFile = QStringLiteral(PUKANA_SOURCE_DIR "/data/btn.dat");

const QString HiraganaTable =
    u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
    u"ぁぃぅぇぉゃゅょっゐゑ"
    u"がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ"_s;
const QString KatakanaTable =
    u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲン"
    u"ァィゥェォャュョッヰヱ"
    u"ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ"_s;

struct Mode {
    QString name;
    QString firstGroup; // keys 1 to 5
    QString required;   // characters the mode must offer
};

QString printableAscii() {
    QString s;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        s += QChar(c);
    return s;
}

const QList<Mode>& modes() {
    static const QList<Mode> list = {
        {u"ひらがな"_s, u"あいうえお"_s, HiraganaTable + u"ー、。「」・\u3000"_s},
        {u"カタカナ"_s, u"アイウエオ"_s, KatakanaTable + u"ー、。「」・\u3000ヴヵヶ"_s},
        {u"きごう"_s, u"１２３４５"_s, u"０１２３４５６７８９○●△▲□■☆★※〒々〆"_s},
        {u"はんかく"_s, u"ABCDE"_s, printableAscii()},
    };
    return list;
}

} // namespace

TEST(ShippedLayout, EachBlockIsSevenRowsOfFifteen) {
    // Checked on the lines themselves, so no block relies on padding.
    const QByteArray bytes = readWholeFile(ShippedFile);
    for (const Mode& mode : modes()) {
        LineReader reader(bytes);
        while (!reader.atEnd() && reader.readLine() != mode.name) {
        }
        for (int row = 1; row <= BlockLines; ++row) {
            ASSERT_FALSE(reader.atEnd()) << mode.name.toStdString();
            EXPECT_EQ(reader.readLine().size(), KeysPerRow) << mode.name.toStdString() << row;
        }
    }
}

TEST(ShippedLayout, EveryModeOffersItsCharactersOnceAndInGojuonGroups) {
    for (const Mode& mode : modes()) {
        SCOPED_TRACE(mode.name.toStdString());
        const auto captions = loadCaptions(ShippedFile, mode.name);
        ASSERT_TRUE(captions);
        const QString keys = captions->join(QString());
        ASSERT_EQ(keys.size(), KeyCount);
        EXPECT_EQ(keys.left(KeysPerGroup), mode.firstGroup);
        for (QChar c : mode.required)
            EXPECT_TRUE(keys.contains(c)) << QString(c).toStdString();
        // A free key shows the placeholder, so only the placeholder may repeat.
        QSet<QChar> seen;
        for (QChar c : keys) {
            EXPECT_TRUE(c == Placeholder || !seen.contains(c)) << QString(c).toStdString();
            seen.insert(c);
            EXPECT_TRUE(cp932::canEncode(c.unicode())) << QString(c).toStdString();
        }
    }
}

TEST(ShippedLayout, KanaModesMirrorEachOtherKeyForKey) {
    // The same key types the same syllable in both scripts.
    const QString hira = loadCaptions(ShippedFile, u"ひらがな"_s)->join(QString());
    const QString kata = loadCaptions(ShippedFile, u"カタカナ"_s)->join(QString());
    for (int i = 0; i < HiraganaTable.size(); ++i)
        EXPECT_EQ(hira.indexOf(HiraganaTable[i]), kata.indexOf(KatakanaTable[i]))
            << HiraganaTable.mid(i, 1).toStdString();
}

// How a mode's block of the layout file becomes the key captions, and the
// layout file shipped with the editor.
#include "core/error.h"
#include "core/formats/cp932.h"
#include "core/formats/text_file.h"
#include "core/keyboard/key_layout.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace pukana;
using namespace pukana::keyboard;
using namespace Qt::StringLiterals;

namespace {

const QString Fill = u"あいうえおかきくけこさしすせそ"_s;
const QString SixRows = QString(Fill + u"\n"_s).repeated(6);

// A layout file as it lies on disk: code page 932, CR LF line ends.
QByteArray fileOf(QString text) {
    return cp932::encode(text.replace(u'\n', u"\r\n"_s));
}

} // namespace

TEST(Captions, HeaderLineThenSevenLinesJoinedAndCutOrPaddedTo105) {
    const QString sixJoined = Fill.repeated(6);
    // Mode, file, and what the keys show before the placeholders.
    const QList<std::tuple<QString, QString, QString>> cases = {
        // A 16-character first line pushes everything one key on; the 106th is dropped.
        {u"ひらがな"_s, u"ひらがな\n"_s + Fill + u"X\n"_s + SixRows,
         QString(Fill + u"X"_s + sixJoined).left(KeyCount)},
        // Empty lines add nothing; blanks and tabs are captions like any other character.
        {u"ひらがな"_s, u"ひらがな\nab\n\n \tc\nd\n\n\ne\n"_s, u"ab \tcde"_s},
        // The header is the first line containing the mode name, even a data line.
        {u"カタカナ"_s, u"# ひらがな\nx[カタカナ]\n"_s + SixRows + u"y\n"_s, sixJoined + u"y"_s},
    };
    for (const auto& [mode, file, joined] : cases) {
        const auto captions = captionsFromBytes(fileOf(file), mode, u"btn.dat"_s);
        ASSERT_TRUE(captions) << joined.toStdString();
        ASSERT_EQ(captions->size(), KeyCount);
        for (qsizetype i = 0; i < KeyCount; ++i)
            EXPECT_EQ(captions->at(i), i < joined.size() ? joined.mid(i, 1) : Placeholder)
                << joined.toStdString() << " key " << i;
    }
    // The name is matched exactly, without width or script folding; a mode found nowhere
    // leaves the captions to the caller.
    EXPECT_FALSE(captionsFromBytes(fileOf(u"ｶﾀｶﾅ かたかな\n"_s + SixRows), u"カタカナ"_s, {}));
}

TEST(Captions, ShortBlockIsAnErrorNamingTheFileAndBadBytesStillGiveOneCharacterPerKey) {
    const QString path = u"/some/where/btn.dat"_s;
    for (const QString& file :
         QStringList{u"x\nはんかく\n"_s, u"はんかく"_s, u"はんかく\n"_s + SixRows}) {
        try {
            captionsFromBytes(fileOf(file), u"はんかく"_s, path);
            ADD_FAILURE() << "no error for " << file.toStdString();
        } catch (const PukanaError& e) {
            EXPECT_EQ(e.number(), err::InputPastEnd);
            EXPECT_TRUE(e.description().contains(path));
        }
    }

    const QByteArray bad = QByteArray("\x81\x20\xff\xa0\x85\x40\xfc\xfc\x82\r\n");
    const auto captions = captionsFromBytes(fileOf(u"a\n"_s) + bad + fileOf(SixRows), u"a"_s, {});
    ASSERT_TRUE(captions);
    for (const QString& c : *captions)
        EXPECT_EQ(c.size(), 1);
    EXPECT_TRUE(captions->join(QString()).contains(Fill));
}

TEST(ShippedLayout, FullBlocksOfDistinctCharactersAndKanaModesMirrorEachOther) {
    const QString file = QStringLiteral(PUKANA_SOURCE_DIR "/data/btn.dat");
    const QString hiragana =
        u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわ"
        u"をんぁぃぅぇぉゃゅょっゐゑがぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ"_s;
    QString katakana;
    for (QChar c : hiragana)
        katakana += QChar(c.unicode() + 0x60);
    // Each mode with the characters it must offer.
    const QStringList modes = {
        u"ひらがな"_s, hiragana + u"ー、。「」・\u3000"_s,
        u"カタカナ"_s, katakana + u"ー、。「」・\u3000ヴヵヶ"_s,
        u"きごう"_s,   u"０１２３４５６７８９○●△▲□■☆★※〒々〆"_s,
        u"はんかく"_s, u" !\"#$%&'()*+,-./0123456789:;<=>?@AZ[\\]^_`az{|}~"_s};
    QStringList keys;
    for (qsizetype m = 0; m < modes.size(); m += 2) {
        SCOPED_TRACE(modes[m].toStdString());
        keys << loadCaptions(file, modes[m]).value_or(QStringList()).join(QString());
        // No key is padding: every key types its own character (what the keys show is the
        // keyboard window's test).
        QSet<QChar> seen;
        for (QChar c : keys.last()) {
            EXPECT_FALSE(seen.contains(c)) << QString(c).toStdString();
            EXPECT_TRUE(cp932::canEncode(c.unicode())) << QString(c).toStdString();
            seen.insert(c);
        }
        for (QChar c : modes[m + 1])
            EXPECT_TRUE(seen.contains(c)) << QString(c).toStdString();
    }
}

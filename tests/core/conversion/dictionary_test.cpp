// Kana script mapping, reading the two dictionary files into their slots, the candidates the
// conversion offers, and the dictionary installed with the program.
#include "core/conversion/dictionary.h"
#include "core/conversion/henkan_core.h"

#include "core/error.h"
#include "core/formats/cp932.h"
#include "core/formats/text_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

// `count` pairs "r<n>,w<n>" numbered from `from`.
QByteArray numberedPairs(int from, int count) {
    QByteArray bytes;
    for (int n = from; n < from + count; ++n)
        bytes += "r" + QByteArray::number(n) + ",w" + QByteArray::number(n) + "\r\n";
    return bytes;
}

class DictionaryTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    void write(const QString& name, const QString& text) { write(name, cp932::encode(text)); }

    QTemporaryDir dir;
    Dictionary dic;
};

} // namespace

TEST_F(DictionaryTest, FilesFillSlotsInOrderAndTheUserDicIsCreatedButNeverRewritten) {
    // An empty line is a field of its own and shifts the pairing; quotes keep a comma; the
    // lone last field is dropped.
    write(u"pukana.dic"_s, u"かんじ,漢字\r\n\r\n\"x,y\",亜\r\n"_s);
    EXPECT_EQ(dic.dicread(dir.path()).pairCount, 2);
    EXPECT_TRUE(QFileInfo(path(u"pukana2.dic"_s)).isFile());
    write(u"pukana2.dic"_s, u"う,鵜\r\n"_s);
    EXPECT_EQ(dic.dicread(dir.path()).pairCount, 3);
    EXPECT_EQ(dic.second(1), u"x,y"_s);
    EXPECT_EQ(dic.second(2), u"鵜"_s);
    EXPECT_EQ(QFileInfo(path(u"pukana2.dic"_s)).size(), 7);
    EXPECT_EQ(dic.readPairs("x,", 0), 0);
    EXPECT_EQ(dic.readPairs("x,\r\n", 5), 6); // a line break ends an empty second field
    EXPECT_TRUE(dic.first(5) == u"x"_s && dic.second(5).isEmpty());
    EXPECT_EQ(dic.second(2), u"鵜"_s); // slots below the new start are kept
}

TEST_F(DictionaryTest, AnUnusableUserDicIsNotFatal) {
    write(u"pukana.dic"_s, QByteArray("a,b\r\n"));
    // Cannot be created (dangling link): the fallback folder holds it.
    ASSERT_TRUE(QFile::link(path(u"nowhere/x"_s), path(u"pukana2.dic"_s)));
    DicReadReport report = dic.dicread(dir.path(), path(u"user/data"_s));
    EXPECT_TRUE(QFileInfo(path(u"user/data/pukana2.dic"_s)).isFile());
    // Cannot be read (a folder): told, and the main dictionary still loads.
    ASSERT_TRUE(QFile::remove(path(u"pukana2.dic"_s)) && QDir(dir.path()).mkdir(u"pukana2.dic"_s));
    ASSERT_NO_THROW(report = dic.dicread(dir.path()));
    EXPECT_EQ(report.pairCount, 1);
    EXPECT_TRUE(report.notice.contains(u"pukana2.dic"_s)) << report.notice.toStdString();
}

TEST_F(DictionaryTest, CheckingTheMainFileRefusesWhatReadingItRefuses) {
    const auto errorOf = [](const std::function<void()>& action) {
        try {
            action();
        } catch (const PukanaError& e) {
            return e.number();
        }
        return 0;
    };
    const QString main = path(u"pukana.dic"_s);
    // Missing, a folder, a FIFO (never waited on), beyond 32 MB (a sparse file), and fine.
    const std::pair<std::function<void()>, int> cases[] = {
        {[] {}, err::FileNotFound},
        {[&] { ASSERT_TRUE(QDir(dir.path()).mkdir(u"pukana.dic"_s)); }, err::NotRegularFile},
        {[&] { ASSERT_EQ(::mkfifo(qPrintable(main), 0600), 0); }, err::NotRegularFile},
        {[&] {
             QFile file(main);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize((qint64(32) << 20) + 1));
         },
         err::FileTooLarge},
        {[&] { write(u"pukana.dic"_s, QByteArray("a,b\r\n")); }, 0},
    };
    for (const auto& [makeMain, expected] : cases) {
        QFile::remove(main);
        QDir(dir.path()).rmdir(u"pukana.dic"_s);
        makeMain();
        EXPECT_EQ(errorOf([&] { Dictionary::checkMainFile(dir.path()); }), expected);
        EXPECT_EQ(errorOf([&] { dic.dicread(dir.path()); }), expected);
    }
}

TEST_F(DictionaryTest, CapacityIsSixtyThousandAndOnePairs) {
    write(u"pukana.dic"_s, numberedPairs(0, 60000));
    write(u"pukana2.dic"_s, numberedPairs(60000, 1));
    EXPECT_TRUE(dic.dicread(dir.path()).notice.isEmpty());
    // One more pair: the first 60001 load, the notice names only the file that was cut.
    write(u"pukana2.dic"_s, numberedPairs(60000, 2));
    DicReadReport report = dic.dicread(dir.path());
    EXPECT_EQ(report.pairCount, 60001);
    EXPECT_TRUE(report.notice.contains(u"pukana2.dic"_s)) << report.notice.toStdString();
    EXPECT_FALSE(report.notice.contains(u"pukana.dic"_s));
    // A lone field past the last slot is not a lost pair.
    write(u"pukana.dic"_s, numberedPairs(0, 60001) + "extra\r\n");
    write(u"pukana2.dic"_s, QByteArray());
    EXPECT_TRUE(dic.dicread(dir.path()).notice.isEmpty());
}

TEST_F(DictionaryTest, CandidatesFollowDictionaryOrderBothWays) {
    write(u"pukana.dic"_s, u"かんじ,漢字\r\nあ,あ\r\nカンジ,感じ\r\n"_s);
    write(u"pukana2.dic"_s, u"幹事,かんじ\r\nかんじ,漢字\r\n"_s);
    dic.dicread(dir.path());
    // Reading or word, exact code units; the other-script form only for a leading kana.
    // Spaces are trimmed before one line break goes; a space inside the trim stays.
    // clang-format off
    const QStringList cases = { // selection, candidates
        u"かんじ"_s, u"カンジ|漢字|幹事|漢字"_s,   u"漢字"_s, u"かんじ|かんじ"_s,
        u"カンジ"_s, u"かんじ|感じ"_s,             u"あ"_s, u"ア|あ|あ"_s,
        u"kanji"_s, u""_s,   u"ぁいう"_s, u""_s,   u"ヴァイ"_s, u""_s,   u"ーあ"_s, u""_s,
        u"ヮ"_s, u"ヮ"_s,   u"ヰる"_s, u"ゐる"_s,   u"んあ"_s, u"ンア"_s,   u"\tかんじ"_s, u""_s,
        u"\u3000 かんじ\r\n\u3000"_s, u"カンジ|漢字|幹事|漢字"_s,
        u"かんじ \r\n"_s, u"カンジ "_s,   u"あ\n\n"_s, u"ア\n"_s};
    // clang-format on
    for (qsizetype i = 0; i < cases.size(); i += 2)
        EXPECT_EQ(henkan(cases[i], dic).candidates.join(u'|'), cases[i + 1])
            << cases[i].toStdString();
}

TEST(ShippedDictionaryTest, IsCleanLeavesRoomForTheUserAndGivesTheUsualWordFirst) {
    const QByteArray bytes = readWholeFile(QStringLiteral(PUKANA_SOURCE_DIR "/data/pukana.dic"));
    Dictionary dic;
    const int pairs = dic.readPairs(bytes, 0);
    EXPECT_TRUE(pairs == bytes.count("\r\n") && pairs <= 50000) << pairs; // room for the user
    const QRegularExpression reading(u"^[ぁ-ゖー]+$"_s);
    for (int i = 0; i < pairs; ++i) {
        const QString w = dic.second(i).toString();
        ASSERT_TRUE(reading.match(dic.first(i)).hasMatch() && !w.isEmpty() &&
                    !w.contains(QChar(0xFFFD)) && cp932::countUnencodable(w) == 0)
            << i << " " << w.toStdString();
    }
    EXPECT_EQ(henkanCandidates(u"かんじ"_s, dic).value(1), u"漢字"_s);
}

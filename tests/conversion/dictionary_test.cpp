#include "conversion/dictionary.h"

#include "platform/cp932.h"
#include "platform/error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray sjis(const QString& text) {
    return cp932::encode(text);
}

// `count` pairs "r<n>,w<n>" numbered from `from`.
QByteArray numberedPairs(int from, int count) {
    QByteArray bytes;
    for (int n = from; n < from + count; ++n)
        bytes += "r" + QByteArray::number(n) + ",w" + QByteArray::number(n) + "\r\n";
    return bytes;
}

class DictionaryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    Dictionary dic;
};

} // namespace

TEST_F(DictionaryTest, FilesFillSlotsInOrderAndMissingUserDicIsCreatedEmpty) {
    writeFile(path(u"pukana.dic"_s), sjis(u"かんじ,漢字\r\n\"あ\",\"亜\"\r\nい,胃\r\n"_s));
    DicReadReport report = dic.dicread(dir.path());
    EXPECT_EQ(report.pairCount, 3);
    EXPECT_TRUE(report.notice.isEmpty());
    EXPECT_EQ(report.userDicPath, path(u"pukana2.dic"_s));
    EXPECT_TRUE(QFile::exists(path(u"pukana2.dic"_s)));
    EXPECT_EQ(QFileInfo(path(u"pukana2.dic"_s)).size(), 0);

    writeFile(path(u"pukana2.dic"_s), sjis(u"う,鵜\r\nえ,絵\r\n"_s));
    report = dic.dicread(dir.path());
    EXPECT_EQ(report.pairCount, 5);
    const QStringList first = {u"かんじ"_s, u"あ"_s, u"い"_s, u"う"_s, u"え"_s};
    const QStringList second = {u"漢字"_s, u"亜"_s, u"胃"_s, u"鵜"_s, u"絵"_s};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(dic.DicFirst()[i], first[i]) << i;
        EXPECT_EQ(dic.DicSecond()[i], second[i]) << i;
    }
    EXPECT_TRUE(dic.DicFirst()[5].isEmpty());
    EXPECT_EQ(dic.DicFirst().size(), size_t(Dictionary::Capacity));
    // An existing user dictionary is never rewritten.
    EXPECT_EQ(QFileInfo(path(u"pukana2.dic"_s)).size(), 14);

    // A shorter second read overwrites from slot 0 and leaves the higher slots alone.
    writeFile(path(u"pukana.dic"_s), sjis(u"お,尾\r\n"_s));
    writeFile(path(u"pukana2.dic"_s), QByteArray());
    EXPECT_EQ(dic.dicread(dir.path()).pairCount, 1);
    EXPECT_EQ(dic.DicSecond()[0], u"尾"_s);
    EXPECT_EQ(dic.DicSecond()[4], u"絵"_s);
}

TEST_F(DictionaryTest, FieldsPairAcrossLines) {
    // The empty line is a field of its own and shifts the pairing; quotes keep a comma;
    // the odd field z at the end has no partner.
    EXPECT_EQ(dic.readPairs(sjis(u"a,b\r\n\r\nc,d\r\n\"x,y\",z\r\n"_s), 0), 3);
    EXPECT_EQ(dic.DicFirst()[0], u"a"_s);
    EXPECT_EQ(dic.DicSecond()[0], u"b"_s);
    EXPECT_EQ(dic.DicFirst()[1], QString());
    EXPECT_EQ(dic.DicSecond()[1], u"c"_s);
    EXPECT_EQ(dic.DicFirst()[2], u"d"_s);
    EXPECT_EQ(dic.DicSecond()[2], u"x,y"_s);
    EXPECT_TRUE(dic.DicFirst()[3].isEmpty());
}

TEST_F(DictionaryTest, LoneLastFieldIsDropped) {
    EXPECT_EQ(dic.readPairs("a,b\r\nc", 0), 1);
    EXPECT_EQ(dic.readPairs("a,b\r\nc\r\n", 0), 1);
    EXPECT_EQ(dic.readPairs("x,", 0), 0);
    // With a line break after the comma the empty second field is a field.
    EXPECT_EQ(dic.readPairs("x,\r\n", 5), 6);
    EXPECT_EQ(dic.DicFirst()[5], u"x"_s);
    EXPECT_EQ(dic.DicSecond()[5], QString());
    EXPECT_EQ(dic.readPairs(QByteArray(), 7), 7);
}

TEST_F(DictionaryTest, MissingMainDictionaryThrowsNamingIt) {
    try {
        dic.dicread(dir.path());
        FAIL() << "no error";
    } catch (const PukanaError& e) {
        EXPECT_EQ(e.number(), err::FileNotFound);
        EXPECT_TRUE(e.description().contains(u"pukana.dic"_s)) << e.what();
    }
    EXPECT_FALSE(QFile::exists(path(u"pukana2.dic"_s)));
}

TEST_F(DictionaryTest, UserDicFallsBackWhenItCannotBeCreated) {
    writeFile(path(u"pukana.dic"_s), "a,b\r\n");
    // A dangling link cannot be created through, whoever runs the test.
    ASSERT_TRUE(QFile::link(path(u"nowhere/x"_s), path(u"pukana2.dic"_s)));
    const QString fallback = path(u"user/data"_s);
    DicReadReport report = dic.dicread(dir.path(), fallback);
    EXPECT_EQ(report.userDicPath, QDir(fallback).filePath(u"pukana2.dic"_s));
    EXPECT_TRUE(QFile::exists(report.userDicPath));
    EXPECT_TRUE(report.notice.isEmpty());

    writeFile(report.userDicPath, "c,d\r\n");
    report = dic.dicread(dir.path(), fallback);
    EXPECT_EQ(report.pairCount, 2);
    EXPECT_EQ(dic.DicSecond()[1], u"d"_s);

    // No usable folder at all: the main dictionary still loads.
    writeFile(path(u"plainfile"_s), "");
    report = dic.dicread(dir.path(), path(u"plainfile/sub"_s));
    EXPECT_TRUE(report.userDicPath.isEmpty());
    EXPECT_EQ(report.pairCount, 1);
    EXPECT_TRUE(report.notice.isEmpty());
}

TEST_F(DictionaryTest, UnreadableUserDicIsReportedNotFatal) {
    writeFile(path(u"pukana.dic"_s), "a,b\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"pukana2.dic"_s));
    DicReadReport report;
    ASSERT_NO_THROW(report = dic.dicread(dir.path()));
    EXPECT_EQ(report.pairCount, 1);
    EXPECT_TRUE(report.notice.contains(u"pukana2.dic"_s)) << report.notice.toStdString();
}

TEST_F(DictionaryTest, CapacityIsSixtyThousandAndOnePairs) {
    writeFile(path(u"pukana.dic"_s), numberedPairs(0, 60000));
    writeFile(path(u"pukana2.dic"_s), numberedPairs(60000, 1));
    DicReadReport report = dic.dicread(dir.path());
    EXPECT_EQ(report.pairCount, 60001);
    EXPECT_TRUE(report.notice.isEmpty());
    EXPECT_EQ(dic.DicSecond()[60000], u"w60000"_s);

    // One more pair: the first 60001 load, the notice names only the file that was cut.
    writeFile(path(u"pukana2.dic"_s), numberedPairs(60000, 2));
    report = dic.dicread(dir.path());
    EXPECT_EQ(report.pairCount, 60001);
    EXPECT_EQ(dic.DicFirst()[60000], u"r60000"_s);
    EXPECT_TRUE(report.notice.contains(u"pukana2.dic"_s)) << report.notice.toStdString();
    EXPECT_FALSE(report.notice.contains(u"pukana.dic"_s));

    // The main dictionary alone too long: both files are named, nothing beyond is stored.
    writeFile(path(u"pukana.dic"_s), numberedPairs(0, 60002));
    report = dic.dicread(dir.path());
    EXPECT_EQ(report.pairCount, 60001);
    EXPECT_TRUE(report.notice.contains(u"pukana.dic"_s));
    EXPECT_TRUE(report.notice.contains(u"pukana2.dic"_s));

    // A lone field past the last slot is not a lost pair.
    writeFile(path(u"pukana.dic"_s), numberedPairs(0, 60001) + "extra\r\n");
    writeFile(path(u"pukana2.dic"_s), QByteArray());
    EXPECT_TRUE(dic.dicread(dir.path()).notice.isEmpty());
}

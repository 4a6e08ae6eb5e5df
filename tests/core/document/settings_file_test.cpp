#include "core/document/settings_file.h"

#include "core/formats/cp932.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

TEST(SettingsFile, RoundTripAndFieldRules) {
    const QStringList recent{u"C:\\My Docs\\a,b.txt"_s, u" /lead blank"_s};
    const Settings s = parseSettings(serializeSettings(true, u"ＭＳ 明朝"_s, recent));
    EXPECT_TRUE(s.keyboardOn);
    EXPECT_EQ(s.fontName.value_or(QString()), u"ＭＳ 明朝"_s);
    EXPECT_EQ(s.recentFiles, recent);
    // Paths that could not come back whole, or that code page 932 cannot hold, are left out.
    const Settings bad = parseSettings(serializeSettings(
        false, u"F"_s, {u"/a\"b"_s, u"/x\r\n[KB]on"_s, u"/u/😀 folder/a.txt"_s, u"/漢字.txt"_s}));
    EXPECT_EQ(bad.recentFiles, QStringList{u"/漢字.txt"_s});
    // The last font wins; "[kb]on" is not "[KB]on"; fields starting with "[" are no paths; a
    // comma cuts an unquoted font name; an empty font name is ignored.
    const Settings f = parseSettings(cp932::encode(u"\"/a.txt\"\r\n[font]A\r\n[kb]on\r\n"
                                                   u"[font]B,C\r\n[font]\r\n\"[odd].txt\"\r\n"_s));
    EXPECT_FALSE(f.keyboardOn);
    EXPECT_EQ(f.fontName.value_or(QString()), u"B"_s);
    EXPECT_EQ(f.recentFiles, (QStringList{u"/a.txt"_s, u"C"_s}));
}

TEST(SettingsFile, KeepsFifteenRecentFilesAndSurvivesGarbage) {
    QByteArray garbage;
    for (int i = 0; i < 5000; ++i)
        garbage += char((i * 131 + 7) % 256);
    for (int i = 1; i <= 20; ++i)
        garbage += "\r\n\"/f" + QByteArray::number(i) + "\"";
    garbage += QByteArray(200000, 'x') + "\r\n[KB]on\r\n\"unterminated";
    const Settings g = parseSettings(garbage);
    EXPECT_TRUE(g.keyboardOn);
    ASSERT_EQ(g.recentFiles.size(), kStoredRecentFiles);
    QStringList list{u"c:\\x.txt"_s, u"c:\\a.txt"_s};
    EXPECT_FALSE(addRecentFile(list, u"C:\\A.TXT"_s)); // moves up, whatever the case
    EXPECT_EQ(list, (QStringList{u"C:\\A.TXT"_s, u"c:\\x.txt"_s}));
}

TEST(SettingsFile, LoadSaveAndDataDir) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"pukana.INI"_s);
    // Missing: defaults, and the file is created empty.
    EXPECT_FALSE(loadSettings(path).fontName);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(saveSettings(dir.filePath(u"no/such/dir/pukana.INI"_s), "x"));
    const QString sep = QDir::separator();
    EXPECT_EQ(writableDataDir(dir.path() + sep, QString()), dir.path() + sep);
    // A program folder that cannot hold files: the fallback, created when missing.
    const QString fallback = dir.filePath(u"sub/pukana"_s);
    EXPECT_EQ(writableDataDir(path + u"/dir/", fallback), QDir::toNativeSeparators(fallback) + sep);
    EXPECT_TRUE(QFileInfo(fallback).isDir());
}

TEST(SettingsFile, FifteenWritableEntriesAreWrittenWhenSomeAreLeftOut) {
    QStringList many{u"/😀.txt"_s};
    for (int i = 0; i < 20; ++i)
        many << u"/f%1.txt"_s.arg(i);
    EXPECT_EQ(parseSettings(serializeSettings(false, u"F"_s, many)).recentFiles.size(),
              kStoredRecentFiles);
}

#include "document/settings_file.h"

#include "platform/cp932.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

QByteArray sjis(const QString& s) {
    return cp932::encode(s);
}

QStringList numbered(int n) {
    QStringList list;
    for (int i = 1; i <= n; ++i)
        list << u"/home/u/file%1.txt"_s.arg(i);
    return list;
}

} // namespace

TEST(SettingsFile, WritesTheLinesInOrder) {
    const QByteArray bytes =
        serializeSettings(true, u"ＭＳ 明朝"_s, {u"C:\\a,b.txt"_s, u"/x/y.rtf"_s});
    EXPECT_EQ(bytes, sjis(u"[KB]on\r\n[font]ＭＳ 明朝\r\n\"C:\\a,b.txt\"\r\n\"/x/y.rtf\"\r\n"_s));
    EXPECT_EQ(serializeSettings(false, u"ＭＳ ゴシック"_s, {}), sjis(u"[font]ＭＳ ゴシック\r\n"_s));
}

TEST(SettingsFile, RoundTrip) {
    const QStringList recent{u"C:\\My Docs\\a,b.txt"_s, u"/home/u/手紙.rtf"_s, u" /lead blank"_s};
    const Settings s = parseSettings(serializeSettings(true, u"ＭＳ 明朝"_s, recent));
    EXPECT_TRUE(s.keyboardOn);
    ASSERT_TRUE(s.fontName);
    EXPECT_EQ(*s.fontName, u"ＭＳ 明朝"_s);
    EXPECT_EQ(s.recentFiles, recent);
}

TEST(SettingsFile, FieldRules) {
    // Order does not matter for the first two kinds; the last font wins; "[kb]on" is not
    // "[KB]on"; fields starting with "[" are no paths; a comma cuts an unquoted font name.
    const Settings s = parseSettings(sjis(u"\"/a.txt\"\r\n[font]A\r\n[kb]on\r\n[font]B,C\r\n"
                                          u"[other]\r\n\"[odd].txt\"\r\n\r\n"_s));
    EXPECT_FALSE(s.keyboardOn);
    EXPECT_EQ(s.fontName.value_or(QString()), u"B"_s);
    EXPECT_EQ(s.recentFiles, (QStringList{u"/a.txt"_s, u"C"_s}));

    // A font line alone keeps the defaults otherwise; an empty font name is ignored.
    const Settings f = parseSettings(sjis(u"[font]ＭＳ 明朝\r\n[font]\r\n"_s));
    EXPECT_EQ(f.fontName.value_or(QString()), u"ＭＳ 明朝"_s);
    EXPECT_FALSE(f.keyboardOn);
    EXPECT_TRUE(f.recentFiles.isEmpty());
    EXPECT_FALSE(parseSettings(QByteArray()).fontName);
}

TEST(SettingsFile, KeepsFifteenRecentFiles) {
    const QStringList many = numbered(20);
    const QByteArray bytes = serializeSettings(false, u"F"_s, many);
    EXPECT_EQ(bytes.count('"'), 2 * kStoredRecentFiles);
    EXPECT_EQ(parseSettings(bytes).recentFiles, many.first(kStoredRecentFiles));

    // A hand-made file with more entries: the first fifteen are read, fonts after them count.
    QByteArray handMade;
    for (const QString& p : many)
        handMade += sjis(u'"' + p + u"\"\r\n");
    handMade += "[font]Late\r\n";
    const Settings s = parseSettings(handMade);
    EXPECT_EQ(s.recentFiles, many.first(kStoredRecentFiles));
    EXPECT_EQ(s.fontName.value_or(QString()), u"Late"_s);
}

TEST(SettingsFile, LeavesOutPathsThatCannotComeBackWhole) {
    const QByteArray bytes =
        serializeSettings(false, u"F"_s, {u"/a\"b"_s, u"/x\r\n[KB]on"_s, u"/ok.txt"_s});
    const Settings s = parseSettings(bytes);
    EXPECT_FALSE(s.keyboardOn);
    EXPECT_EQ(s.recentFiles, QStringList{u"/ok.txt"_s});
}

TEST(SettingsFile, GarbageIsNeverFatal) {
    QByteArray garbage;
    for (int i = 0; i < 5000; ++i)
        garbage += char((i * 131 + 7) % 256);
    garbage += QByteArray(200000, 'x'); // an over-long line
    garbage += "\r\n[KB]on\r\n\"unterminated";
    const Settings s = parseSettings(garbage);
    EXPECT_TRUE(s.keyboardOn);
    EXPECT_LE(s.recentFiles.size(), kStoredRecentFiles);
    for (const QString& p : s.recentFiles) {
        EXPECT_FALSE(p.isEmpty());
        EXPECT_FALSE(p.startsWith(u'['));
        EXPECT_FALSE(p.contains(QChar(0)));
        EXPECT_LE(p.size(), 32767);
    }
}

TEST(RecentFiles, MovesToTheTopWithoutRegardToCase) {
    QStringList list{u"/a"_s, u"/b"_s, u"/c"_s, u"/d"_s};
    EXPECT_FALSE(addRecentFile(list, u"/c"_s));
    EXPECT_EQ(list, (QStringList{u"/c"_s, u"/a"_s, u"/b"_s, u"/d"_s}));

    QStringList win{u"c:\\x.txt"_s, u"c:\\a.txt"_s};
    EXPECT_FALSE(addRecentFile(win, u"C:\\A.TXT"_s));
    EXPECT_EQ(win, (QStringList{u"C:\\A.TXT"_s, u"c:\\x.txt"_s}));

    EXPECT_TRUE(addRecentFile(win, u"/new"_s));
    EXPECT_EQ(win.first(), u"/new"_s);
    EXPECT_EQ(win.size(), 3);
}

TEST(RecentFiles, SixteenthEntryIsGoneAfterRestart) {
    QStringList list = numbered(15);
    EXPECT_TRUE(addRecentFile(list, u"/sixteenth"_s));
    EXPECT_EQ(list.size(), 16); // the running list has no limit
    const Settings restarted = parseSettings(serializeSettings(false, u"F"_s, list));
    ASSERT_EQ(restarted.recentFiles.size(), kStoredRecentFiles);
    EXPECT_EQ(restarted.recentFiles.first(), u"/sixteenth"_s);
    EXPECT_EQ(restarted.recentFiles.last(), u"/home/u/file14.txt"_s);
}

TEST(SettingsFile, LoadAndSave) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"pukana.INI"_s);

    // Missing: defaults, and the file is created empty.
    const Settings fresh = loadSettings(path);
    EXPECT_FALSE(fresh.keyboardOn);
    EXPECT_FALSE(fresh.fontName);
    EXPECT_TRUE(QFile::exists(path));

    ASSERT_TRUE(saveSettings(path, serializeSettings(true, u"ＭＳ 明朝"_s, {u"/a,b"_s})));
    const Settings back = loadSettings(path);
    EXPECT_TRUE(back.keyboardOn);
    EXPECT_EQ(back.recentFiles, QStringList{u"/a,b"_s});

    // Unusable places give defaults and a refusal, not a failure.
    EXPECT_FALSE(saveSettings(dir.filePath(u"no/such/dir/pukana.INI"_s), "x"));
    EXPECT_FALSE(saveSettings(QString(), "x"));
    EXPECT_FALSE(loadSettings(dir.path()).keyboardOn); // a folder, not a file
    EXPECT_FALSE(loadSettings(QString()).keyboardOn);
}

TEST(SettingsFile, WritableDataDir) {
    QTemporaryDir app;
    QTemporaryDir data;
    ASSERT_TRUE(app.isValid() && data.isValid());
    const QString sep = QDir::separator();

    EXPECT_EQ(writableDataDir(app.path() + sep, data.path()), app.path() + sep);

    // An application folder that cannot hold files: the fallback, created when missing.
    QFile blocker(app.filePath(u"file"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString fallback = data.filePath(u"sub/pukana"_s);
    EXPECT_EQ(writableDataDir(blocker.fileName() + u"/dir/", fallback),
              QDir::toNativeSeparators(fallback) + sep);
    EXPECT_TRUE(QFileInfo(fallback).isDir());

    // Neither: nothing to write into.
    EXPECT_TRUE(
        writableDataDir(blocker.fileName() + u"/a"_s, blocker.fileName() + u"/b"_s).isEmpty());
    EXPECT_TRUE(writableDataDir(QString(), QString()).isEmpty());
}

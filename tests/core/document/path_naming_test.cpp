#include "core/document/path_naming.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

TEST(PathNaming, SplitsAndRebuildsThePath) {
    constexpr QStringView win = u"\\/", unix = u"/";
    const struct {
        QString path, dir, base, ext;
        QStringView seps;
    } cases[] = {
        {u"C:\\doc\\README"_s, u"C:\\doc\\"_s, u"RE"_s, u"ADME"_s, win},
        {u"memo.txt"_s, QString(), u"memo"_s, u".txt"_s, unix},
        // Windows splits at the last of either separator; on Linux a backslash is a name.
        {u"C:/a\\b/c.rtf"_s, u"C:/a\\b/"_s, u"c"_s, u".rtf"_s, win},
        {u"/tmp/a\\b.txt"_s, u"/tmp/"_s, u"a\\b"_s, u".txt"_s, unix},
        // Four characters or fewer stay whole in the box.
        {u"/tmp/.rtf"_s, u"/tmp/"_s, u".rtf"_s, QString(), unix},
        {u"C:\\x\\"_s, u"C:\\x\\"_s, QString(), QString(), win},
        // The last four units must not start inside a surrogate pair.
        {u"/t/a\U0001F600xyz"_s, u"/t/"_s, u"a"_s, u"\U0001F600xyz"_s, unix},
    };
    for (const auto& c : cases) {
        const PathParts p = splitDocumentPath(c.path, c.seps);
        EXPECT_EQ(p.fileDir + u'|' + p.baseName + u'|' + p.fileExt,
                  c.dir + u'|' + c.base + u'|' + c.ext);
        if (!c.base.isEmpty()) {
            EXPECT_EQ(renameFromBox(p.fileDir, p.baseName, p.fileExt).path, c.path);
        }
    }
    EXPECT_FALSE(isRichTextPath(u"/x/brtf"));
    // An emptied box brings back the new-document name.
    const BoxRename r = renameFromBox(u"/home/u/"_s, QString(), u".txt"_s);
    EXPECT_EQ(r.boxText, u"新規"_s);
    EXPECT_EQ(r.path, u"/home/u/新規.txt"_s);
    EXPECT_EQ(newDocumentPathIn(u"C:\\Desktop\\"_s, u'\\'), u"C:\\Desktop\\新規.rtf"_s);
}

TEST(PathNaming, NewDocumentFolderAlwaysExists) {
    QTemporaryDir home;
    const QString desktop = home.filePath(u"Desktop"_s);
    const QString documents = home.filePath(u"Documents"_s);
    // Missing desktop in the home folder: made.
    EXPECT_EQ(newDocumentFolder(desktop, home.path(), documents), desktop);
    EXPECT_TRUE(QFileInfo(desktop).isDir());
    // A desktop elsewhere is not made: the documents folder, else home.
    const QString elsewhere = home.filePath(u"a/b/Desktop"_s);
    EXPECT_EQ(newDocumentFolder(elsewhere, home.path(), documents), home.path());
    ASSERT_TRUE(QDir().mkdir(documents));
    EXPECT_EQ(newDocumentFolder(elsewhere, home.path(), documents), documents);
    EXPECT_FALSE(QFileInfo::exists(elsewhere));
    // A file in the way of the desktop folder is left alone.
    QFile blocker(home.filePath(u"Desk2"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_EQ(newDocumentFolder(blocker.fileName(), home.path(), documents), documents);
}

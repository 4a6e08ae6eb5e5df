#include "document/path_naming.h"

#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kWindows = u"\\/";
constexpr QStringView kUnix = u"/";

// The file-name box must always be able to rebuild the path it was given.
void expectWhole(const QString& path, QStringView seps) {
    const PathParts p = splitDocumentPath(path, seps);
    EXPECT_EQ(p.fileDir + p.baseName + p.fileExt, path) << path.toStdString();
    EXPECT_EQ(renameFromBox(p.fileDir, p.baseName, p.fileExt).path, path) << path.toStdString();
}

} // namespace

TEST(PathNaming, SplitsIntoFolderBoxAndExtension) {
    PathParts p = splitDocumentPath(u"C:\\doc\\README", kWindows);
    EXPECT_EQ(p.fileDir, u"C:\\doc\\"_s);
    EXPECT_EQ(p.fileExt, u"ADME"_s);
    EXPECT_EQ(p.baseName, u"RE"_s);

    p = splitDocumentPath(u"/home/u/メモ.txt", kUnix);
    EXPECT_EQ(p.fileDir, u"/home/u/"_s);
    EXPECT_EQ(p.fileExt, u".txt"_s);
    EXPECT_EQ(p.baseName, u"メモ"_s);

    // A bare name has no folder.
    p = splitDocumentPath(u"memo.txt", kUnix);
    EXPECT_TRUE(p.fileDir.isEmpty());
    EXPECT_EQ(p.baseName, u"memo"_s);
    EXPECT_FALSE(hasDirectory(u"memo.txt", kUnix));
    EXPECT_TRUE(hasDirectory(u"/memo.txt", kUnix));
}

TEST(PathNaming, SeparatorsArePerPlatform) {
    // Windows accepts both separators and splits at the last of either.
    PathParts p = splitDocumentPath(u"C:/a\\b/c.rtf", kWindows);
    EXPECT_EQ(p.fileDir, u"C:/a\\b/"_s);
    EXPECT_EQ(p.baseName, u"c"_s);

    // On Linux a backslash is an ordinary character of the name.
    p = splitDocumentPath(u"/tmp/a\\b.txt", kUnix);
    EXPECT_EQ(p.fileDir, u"/tmp/"_s);
    EXPECT_EQ(p.baseName, u"a\\b"_s);
    EXPECT_FALSE(hasDirectory(u"a\\b.txt", kUnix));
    EXPECT_TRUE(hasDirectory(u"a\\b.txt", kWindows));
}

TEST(PathNaming, ShortNamesKeepThePathWhole) {
    PathParts p = splitDocumentPath(u"/tmp/abc", kUnix);
    EXPECT_EQ(p.fileDir, u"/tmp/"_s);
    EXPECT_TRUE(p.fileExt.isEmpty());
    EXPECT_EQ(p.baseName, u"abc"_s);

    // Four characters would leave the box empty (and renamed to the new-document name).
    p = splitDocumentPath(u"/tmp/.rtf", kUnix);
    EXPECT_TRUE(p.fileExt.isEmpty());
    EXPECT_EQ(p.baseName, u".rtf"_s);
    p = splitDocumentPath(u"/tmp/x.rtf", kUnix);
    EXPECT_EQ(p.fileExt, u".rtf"_s);
    EXPECT_EQ(p.baseName, u"x"_s);

    // A folder path names no file: nothing for the box.
    p = splitDocumentPath(u"C:\\x\\", kWindows);
    EXPECT_EQ(p.fileDir, u"C:\\x\\"_s);
    EXPECT_TRUE(p.baseName.isEmpty());
    EXPECT_TRUE(p.fileExt.isEmpty());

    for (const QString& path : {u"/tmp/abc"_s, u"ab"_s, u"memo"_s, u"/tmp/.rtf"_s,
                                u"/a/b/c/d.e.f.txt"_s, u"C:\\README"_s})
        expectWhole(path, kUnix);
    for (const QString& path : {u"C:\\a"_s, u"C:/doc\\ab"_s, u"\\\\server\\share\\x.rtf"_s})
        expectWhole(path, kWindows);
}

TEST(PathNaming, NeverCutsASurrogatePair) {
    // "a😀xyz": the last four units start inside the emoji.
    const QString path = u"/t/a\U0001F600xyz"_s;
    const PathParts p = splitDocumentPath(path, kUnix);
    EXPECT_EQ(p.baseName, u"a"_s);
    EXPECT_EQ(p.fileExt, u"\U0001F600xyz"_s);
    expectWhole(path, kUnix);
}

TEST(PathNaming, RichTextTestIgnoresCase) {
    EXPECT_TRUE(isRichTextPath(u"C:\\A.RTF"));
    EXPECT_TRUE(isRichTextPath(u"/x/b.Rtf"));
    EXPECT_FALSE(isRichTextPath(u"/x/b.rtf.txt"));
    EXPECT_FALSE(isRichTextPath(u"rtf"));
    EXPECT_FALSE(isRichTextPath(u"/x/brtf"));
    EXPECT_EQ(indicatorColor(u"C:\\A.RTF"), 255u);
    EXPECT_EQ(indicatorColor(u"/x/README"), 0xFF0000u);
}

TEST(PathNaming, RenameFromBox) {
    BoxRename r = renameFromBox(u"/home/u/"_s, u"手紙"_s, u".rtf"_s);
    EXPECT_EQ(r.boxText, u"手紙"_s);
    EXPECT_EQ(r.path, u"/home/u/手紙.rtf"_s);

    // An emptied box brings back the new-document name.
    r = renameFromBox(u"/home/u/"_s, QString(), u".txt"_s);
    EXPECT_EQ(r.boxText, u"新規"_s);
    EXPECT_EQ(r.path, u"/home/u/新規.txt"_s);

    // Typing a separator moves the target into a subfolder once the path is split again.
    r = renameFromBox(u"/home/u/"_s, u"sub/a"_s, u".txt"_s);
    const PathParts p = splitDocumentPath(r.path, kUnix);
    EXPECT_EQ(p.fileDir, u"/home/u/sub/"_s);
    EXPECT_EQ(p.baseName, u"a"_s);
}

TEST(PathNaming, NewDocumentPath) {
    EXPECT_EQ(newDocumentPathIn(u"/home/u/Desktop"_s, u'/'), u"/home/u/Desktop/新規.rtf"_s);
    EXPECT_EQ(newDocumentPathIn(u"C:\\Users\\u\\Desktop\\"_s, u'\\'),
              u"C:\\Users\\u\\Desktop\\新規.rtf"_s);
    const QString path = newDocumentPath();
    EXPECT_TRUE(isRichTextPath(path));
    EXPECT_EQ(splitDocumentPath(path).baseName, u"新規"_s);
    EXPECT_TRUE(hasDirectory(path));
}

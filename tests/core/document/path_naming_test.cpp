#include "core/document/path_naming.h"

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
        {u"/tmp/x.rtf"_s, u"/tmp/"_s, u"x"_s, u".rtf"_s, unix},
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

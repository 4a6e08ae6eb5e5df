#include "document/document_texts.h"
#include "document/file_kinds.h"
#include "document/wrap_width.h"

#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

TEST(FileKinds, NameDecidesTheFormat) {
    EXPECT_EQ(openKindFor(u"/a/B.RTF"), OpenKind::RichText);
    EXPECT_EQ(openKindFor(u"/a/b.Doc"), OpenKind::WordCandidate);
    EXPECT_EQ(openKindFor(u"/a/b.txt"), OpenKind::PlainText);
    EXPECT_EQ(openKindFor(u"doc"), OpenKind::PlainText);
    EXPECT_EQ(saveFormatFor(u"/a/b.rTf"), SaveFormat::RichText);
    EXPECT_EQ(saveFormatFor(u"/a/b.doc"), SaveFormat::PlainText);
    EXPECT_EQ(saveFormatFor(u"/a/README"), SaveFormat::PlainText);
    EXPECT_EQ(filterIndexFor(u".RTF"), 3);
    EXPECT_EQ(filterIndexFor(u".txt"), 2);
    EXPECT_EQ(filterIndexFor(u""), 2);
}

TEST(FileKinds, DialogFilters) {
    const QStringList filters = qtNameFilters(fileDialogFilter());
    ASSERT_EQ(filters.size(), 4);
    EXPECT_EQ(filters[0], u"すべてのファイル(*.*) (*.*)"_s);
    EXPECT_EQ(filters[2], u"書式付きテキスト(*.rtf) (*.rtf)"_s);
    EXPECT_EQ(filters[3], u"(*.doc,*.bat,*.ini,*.log,*.sys) (*.doc *.bat *.ini *.log *.sys)"_s);
    EXPECT_EQ(qtNameFilters(u"odd"_s), QStringList{u"odd (*)"_s});
    EXPECT_TRUE(qtNameFilters(QString()).isEmpty());
}

TEST(WrapWidth, WindowEdgeOnlyWhenWideEnough) {
    EXPECT_EQ(wrapMargin(true, 9000, 11000, 500), 8600);
    EXPECT_EQ(wrapMargin(true, 1400, 11000, 11000), 11000); // 1000 is not enough
    EXPECT_EQ(wrapMargin(true, 1401, 11000, 11000), 1001);
    EXPECT_EQ(wrapMargin(false, 9000, 11000, 8600), 11000);
    EXPECT_TRUE(pageMarkerVisible(false));
    EXPECT_FALSE(pageMarkerVisible(true));
}

TEST(DocumentTexts, Messages) {
    EXPECT_EQ(
        texts::openErrorMessage(u"E"_s, u"/a b"_s),
        u"E  ファイル'/a b'をひらくときにエラーがはっせいしました。もういちどじっこうしてください。"_s);
    EXPECT_TRUE(
        texts::saveErrorMessage(u"E"_s, u"/x"_s).startsWith(u"E  ファイル'/x'をとじるとき"_s));
    const QString q = texts::unencodableQuestion(7, u"\U0001F600\u00E9"_s);
    EXPECT_TRUE(q.contains(u"7"_s));
    EXPECT_TRUE(q.contains(u"\U0001F600 \u00E9 …"_s));
    EXPECT_FALSE(texts::unencodableQuestion(2, u"ab"_s).contains(u"…"_s));
}

#include "core/formats/plain_text.h"

#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

TEST(PlainText, LineEndRulesAndRoundTrip) {
    const QString lf{QChar(kLoneLineFeed)};
    // Every line gains a final line end; a lone CR ends a line; LF-only lines stay one line.
    EXPECT_EQ(decodePlainText("a\r\nb\r\nc"), u"a\nb\nc\n"_s);
    EXPECT_EQ(decodePlainText("\r\r\n\r"), u"\n\n\n"_s);
    EXPECT_EQ(decodePlainText("a\n\rb"), u"a"_s + lf + u"\nb\n");
    const QByteArray file("\x8a\xbf\x8e\x9a\r\nline\nwith LF\r\n\r\nlast\r\n");
    EXPECT_EQ(encodePlainText(decodePlainText(file)).bytes, file);
}

TEST(PlainText, SurvivesBadBytesAndCountsLosses) {
    EXPECT_EQ(decodePlainText(QByteArray("a\0b", 3)), u"a"_s + QChar(0) + u"b\n");
    // A lead byte right before a line end must not swallow it.
    const QString broken = decodePlainText("\x82\r\nx\x82\ny\x82");
    EXPECT_EQ(broken.count(u'\n'), 2);
    EXPECT_EQ(broken.count(QChar(kLoneLineFeed)), 1);
    QByteArray all;
    for (int i = 0; i < 512; ++i)
        all += char(i % 256);
    const QString decoded = decodePlainText(all);
    EXPECT_EQ(decoded.count(u'\n'), 3); // two CRs, one final line end
    EXPECT_EQ(decoded.count(QChar(kLoneLineFeed)), 2);
    // Question marks of the text itself are no losses.
    const EncodedPlainText e = encodePlainText(u"?a\U0001F600b?\u00E9c\U0001F600\n"_s, 2);
    EXPECT_EQ(e.unencodable, 3);
    EXPECT_EQ(e.samples, u"\U0001F600\u00E9"_s);
    EXPECT_EQ(e.bytes, QByteArray("?a?b??c?\r\n"));
    EXPECT_EQ(detectWordDocument("\x94"), WordDocument::None); // cut-off character
}

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

TEST(PlainText, TellsTextFromOtherFiles) {
    QByteArray zip("PK\x03\x04\x14\x00\x06\x00", 8); // the start of a .docx
    QByteArray png("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16);
    for (int i = 0; i < 400; ++i) { // compressed data: bytes of every value
        zip += char((i * 97 + 13) % 256);
        png += char((i * 61 + 5) % 256);
    }
    QByteArray sjisOneBad = QByteArray("\x82\xa0\x82\xa2", 4).repeated(60) + "\x85\x40\r\n";
    struct Case {
        const char* what;
        QByteArray bytes;
        PlainTextKind kind;
        qsizetype lost;
    };
    const Case cases[] = {
        {"docx", zip, PlainTextKind::NotText, -1},
        {"png", png, PlainTextKind::NotText, -1},
        {"utf-16",
         QByteArray("\xff\xfe"
                    "a\0b\0\r\0\n\0",
                    10),
         PlainTextKind::NotText, -1},
        {"empty", QByteArray(), PlainTextKind::Utf8, 0},
        {"utf-8", u"かな漢字\r\n"_s.toUtf8(), PlainTextKind::Utf8, 0},
        {"shift_jis, one bad pair", sjisOneBad, PlainTextKind::ShiftJis, 2},
        // Two bad bytes in a hundred: too many for text.
        {"shift_jis, 2% bad", QByteArray(98, 'a') + "\x85\x40", PlainTextKind::NotText, 2},
    };
    for (const Case& c : cases) {
        const PlainTextCheck check = checkPlainText(c.bytes);
        EXPECT_EQ(check.kind, c.kind) << c.what;
        if (c.lost >= 0) {
            EXPECT_EQ(check.undecodableBytes, c.lost) << c.what;
        }
    }
}

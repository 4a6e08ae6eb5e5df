#include "document/plain_text.h"

#include "platform/cp932.h"

#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

const QString kLf = QString(QChar(kLoneLineFeed));

} // namespace

TEST(PlainText, LineEndRules) {
    // Three lines without a final line end: every line gains one.
    EXPECT_EQ(decodePlainText("a\r\nb\r\nc"), u"a\nb\nc\n"_s);
    EXPECT_EQ(decodePlainText("a\r\nb\r\nc\r\n"), u"a\nb\nc\n"_s);
    // A lone CR ends a line.
    EXPECT_EQ(decodePlainText("a\rb\r"), u"a\nb\n"_s);
    EXPECT_EQ(decodePlainText("\r\r\n\r"), u"\n\n\n"_s);
    // LF-only lines stay one line with the LFs inside it.
    const QString oneLine = decodePlainText("x\ny\nz\n");
    EXPECT_EQ(oneLine, u"x"_s + kLf + u"y" + kLf + u"z" + kLf + u"\n");
    EXPECT_EQ(oneLine.count(u'\n'), 1);
    // LF CR is a lone LF followed by a lone CR.
    EXPECT_EQ(decodePlainText("a\n\rb"), u"a"_s + kLf + u"\nb\n");
    // Empty file: empty document.
    EXPECT_TRUE(decodePlainText(QByteArray()).isEmpty());
}

TEST(PlainText, DecodesShiftJisAndSurvivesBadBytes) {
    EXPECT_EQ(decodePlainText("\x82\xa0\x8a\xbf\r\n"), u"あ漢\n"_s);
    // NUL bytes are kept, not cut off.
    const QString nul = decodePlainText(QByteArray("a\0b", 3));
    EXPECT_EQ(nul.size(), 4);
    EXPECT_EQ(nul[1], QChar(0));
    // A lead byte right before a line end must not swallow it.
    const QString broken = decodePlainText("\x82\r\nx\x82\ny\x82");
    EXPECT_EQ(broken.count(u'\n'), 2);
    EXPECT_TRUE(broken.endsWith(u'\n'));
    EXPECT_EQ(broken.count(QChar(kLoneLineFeed)), 1);
    EXPECT_TRUE(broken.contains(u"x"_s));
    EXPECT_TRUE(broken.contains(u"y"_s));
    // Garbage of every byte value decodes to something with the same line ends.
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    const QString decoded = decodePlainText(QByteArray(all + all));
    EXPECT_EQ(decoded.count(u'\n'), 3); // two CRs, one final line end
    EXPECT_EQ(decoded.count(QChar(kLoneLineFeed)), 2);
}

TEST(PlainText, EncodesForSaving) {
    const EncodedPlainText e = encodePlainText(QString(u"あ\n\nb"_s + kLf + u"c\n"));
    EXPECT_EQ(e.bytes, QByteArray("\x82\xa0\r\n\r\nb\nc\r\n"));
    EXPECT_EQ(e.unencodable, 0);
    EXPECT_TRUE(e.samples.isEmpty());

    // What opening builds, saving writes back: lone LFs kept, lone CRs and a missing final
    // line end become CR LF.
    const QByteArray file("\x8a\xbf\x8e\x9a\r\nline\nwith LF\r\n\r\nlast\r\n");
    EXPECT_EQ(encodePlainText(decodePlainText(file)).bytes, file);
    EXPECT_EQ(encodePlainText(decodePlainText("a\rb")).bytes, QByteArray("a\r\nb\r\n"));
    EXPECT_TRUE(encodePlainText(QString()).bytes.isEmpty());
}

TEST(PlainText, CountsWhatShiftJisCannotHold) {
    // Question marks of the text itself are no losses.
    const QString text = u"?a\U0001F600b?\u00E9c\U0001F600\n"_s;
    const EncodedPlainText e = encodePlainText(text, 2);
    EXPECT_EQ(e.unencodable, 3);
    EXPECT_EQ(e.samples, u"\U0001F600\u00E9"_s);
    EXPECT_EQ(e.bytes, QByteArray("?a?b??c?\r\n"));
    EXPECT_EQ(encodePlainText(u"???\n"_s).unencodable, 0);
}

TEST(PlainText, WordDocumentDetection) {
    EXPECT_EQ(detectWordDocument("\xD0\xCF\x11\xE0"), WordDocument::Compound);
    EXPECT_EQ(detectWordDocument("\x94\xA6\x00\x01"), WordDocument::Legacy);
    EXPECT_EQ(detectWordDocument("\x94"), WordDocument::None);     // cut-off character
    EXPECT_EQ(detectWordDocument("\x94\xA7"), WordDocument::None); // another kanji
    EXPECT_EQ(detectWordDocument("plain"), WordDocument::None);
    EXPECT_EQ(detectWordDocument(QByteArray()), WordDocument::None);
}

#include "core/formats/plain_text.h"

#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

const TextFileFormat kCp932CrLf{};
const TextFileFormat kCp932Lf{TextEncoding::Cp932, false, LineEnd::Lf};
const TextFileFormat kUtf8Lf{TextEncoding::Utf8, false, LineEnd::Lf};
const TextFileFormat kUtf8BomCrLf{TextEncoding::Utf8, true, LineEnd::CrLf};

} // namespace

TEST(PlainText, LineEndRules) {
    const QString lf{QChar(kLoneLineFeed)};
    // Code page 932 CR LF: every line gains a final line end; a lone CR ends a line; a lone
    // LF stays in its line.
    EXPECT_EQ(decodePlainText("\r\r\n\r"), u"\n\n\n"_s);
    EXPECT_EQ(decodePlainText("a\n\rb"), u"a"_s + lf + u"\nb\n");
    // LF files end lines at every LF (and at CR LF or CR in a mixed file) and keep their
    // last line as it is.
    EXPECT_EQ(decodePlainText("a\nb\r\nc\rd", kCp932Lf), u"a\nb\nc\nd"_s);
    EXPECT_EQ(decodePlainText("a\n\n", kUtf8Lf), u"a\n\n"_s);
    // Line breaks inside a paragraph are saved as the file's line end, never as a lone LF
    // in CR LF text; they come back as paragraph ends.
    const QString breaks = u"一\u2028二\u2029三\n"_s;
    EXPECT_EQ(encodePlainText(breaks).bytes, QByteArray("\x88\xea\r\n\x93\xf1\r\n\x8e\x4f\r\n"));
    EXPECT_EQ(encodePlainText(breaks, kUtf8Lf).bytes, u"一\n二\n三\n"_s.toUtf8());
    for (const TextFileFormat& format : {kCp932CrLf, kCp932Lf, kUtf8Lf, kUtf8BomCrLf})
        EXPECT_EQ(decodePlainText(encodePlainText(breaks, format).bytes, format),
                  u"一\n二\n三\n"_s);
}

TEST(PlainText, DetectsEncodingAndLineEnds) {
    const struct {
        QByteArray bytes;
        TextFileFormat format;
    } cases[] = {
        {"\x82\xa0\r\n\x82\xa2\n", kCp932CrLf}, // the first line end decides
        {u"あ\nい\r\n"_s.toUtf8(), kUtf8Lf},
        {"\xEF\xBB\xBF"
         "a\r\n",
         kUtf8BomCrLf},
        {"\xEF\xBB\xBF\xff", {TextEncoding::Utf8, true, LineEnd::CrLf}}, // the mark decides
        {"\xED\xA0\x80", kCp932CrLf},                                    // a surrogate
        {"abcdefgh\xE3\x81", kCp932CrLf},                                // cut off
        {u"0123456789😀"_s.toUtf8(), {TextEncoding::Utf8, false, LineEnd::CrLf}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(detectTextFileFormat(c.bytes), c.format) << c.bytes.toHex().constData();
}

TEST(PlainText, OpenAndSaveUnchangedGivesTheSameBytes) {
    const QByteArray files[] = {
        u"終わりに改行なし 😀"_s.toUtf8(),
        "\xEF\xBB\xBF" + u"日本語\r\n😀\r\n\r\n"_s.toUtf8(),
        "\x8a\xbf\x8e\x9a\nLF only\n\n",
        "\x8a\xbf\x8e\x9a\r\nCR LF\r\n\r\n",
    };
    for (const QByteArray& file : files) {
        const TextFileFormat format = detectTextFileFormat(file);
        const EncodedPlainText saved = encodePlainText(decodePlainText(file, format), format);
        EXPECT_EQ(saved.bytes, file) << file.toHex().constData();
        EXPECT_EQ(saved.unencodable, 0);
    }
    // New documents and code page 932 CR LF files keep the final line end that reading adds.
    EXPECT_EQ(encodePlainText(decodePlainText("a\r\nb")).bytes, QByteArray("a\r\nb\r\n"));
}

TEST(PlainText, SurvivesBadBytesAndCountsLosses) {
    // A lead byte right before a line end must not swallow it.
    const QString broken = decodePlainText("\x82\r\nx\x82\ny\x82");
    EXPECT_EQ(broken.count(u'\n'), 2);
    EXPECT_EQ(broken.count(QChar(kLoneLineFeed)), 1);
    // Question marks of the text itself are no losses; look-alikes code page 932 writes
    // under its own code are none either.
    const EncodedPlainText e =
        encodePlainText(u"?a\U0001F600b?\u00E9c\u301C\U0001F600\n"_s, kCp932CrLf, 2);
    EXPECT_EQ(e.unencodable, 3);
    EXPECT_EQ(e.samples, u"\U0001F600\u00E9"_s);
    EXPECT_EQ(e.bytes, QByteArray("?a?b??c\x81\x60?\r\n"));
}

TEST(PlainText, TellsTextFromOtherFiles) {
    // One bad pair among many characters opens; two bad bytes in a hundred are too many.
    const PlainTextCheck few =
        checkPlainText(QByteArray(QByteArray("\x82\xa0\x82\xa2", 4).repeated(60) + "\x85\x40\r\n"));
    EXPECT_EQ(few.kind, PlainTextKind::ShiftJis);
    EXPECT_EQ(few.undecodableBytes, 2);
    EXPECT_EQ(checkPlainText(QByteArray(QByteArray(98, 'a') + "\x85\x40")).kind,
              PlainTextKind::NotText);
    EXPECT_EQ(checkPlainText(u"かな漢字\r\n"_s.toUtf8()).kind, PlainTextKind::Utf8);
}

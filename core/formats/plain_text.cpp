#include "core/formats/plain_text.h"

#include "core/formats/cp932.h"

#include <QStringDecoder>

#include <algorithm>

namespace pukana {

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

QString decodeBytes(QByteArrayView bytes, const TextFileFormat& format) {
    if (format.encoding == TextEncoding::Cp932)
        return cp932::decode(bytes);
    if (bytes.startsWith(kUtf8Bom))
        bytes = bytes.sliced(3);
    return QString::fromUtf8(bytes);
}

// Line ends to "\n" in place (the text only shrinks). CR LF files keep a lone LF inside its
// line; LF files end a line at every LF. A lone CR ends a line in both.
void convertLineEnds(QString& text, LineEnd lineEnd) {
    QChar* out = text.data();
    const QChar* in = out;
    const QChar* const end = in + text.size();
    const QChar loneLf = lineEnd == LineEnd::CrLf ? QChar(kLoneLineFeed) : QChar(u'\n');
    while (in != end) {
        const QChar c = *in++;
        if (c == u'\r') {
            *out++ = u'\n';
            if (in != end && *in == u'\n')
                ++in;
        } else if (c == u'\n') {
            *out++ = loneLf;
        } else {
            *out++ = c;
        }
    }
    text.truncate(out - text.constData());
}

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\u2029' || c == QChar(kLoneLineFeed);
}

} // namespace

QString decodePlainText(QByteArrayView bytes, const TextFileFormat& format) {
    if (bytes.isEmpty())
        return QString();
    // CR and LF are never the second byte of a character, and the codec lets them stand
    // after a broken lead byte, so decoding first finds the same line ends as splitting first.
    QString text = decodeBytes(bytes, format);
    convertLineEnds(text, format.lineEnd);
    if (format.completesLastLine() && !text.endsWith(u'\n'))
        text += u'\n'; // the last line gains its line end
    return text;
}

EncodedPlainText encodePlainText(QStringView text, const TextFileFormat& format, int maxSamples) {
    const bool crlf = format.lineEnd == LineEnd::CrLf;
    const auto breaks = crlf ? std::count_if(text.begin(), text.end(), isLineBreak) : 0;
    QString withEnds(text.size() + breaks, Qt::Uninitialized);
    QChar* out = withEnds.data();
    for (const QChar c : text) {
        if (isLineBreak(c)) {
            if (crlf)
                *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = c;
        }
    }

    EncodedPlainText result;
    if (format.encoding == TextEncoding::Utf8) {
        result.bytes = withEnds.toUtf8();
        if (format.byteOrderMark)
            result.bytes.prepend(kUtf8Bom);
        return result;
    }
    result.bytes = cp932::encode(withEnds);
    // Every unencodable character becomes one '?', and '?' is never the second byte of a
    // character: only look for them when there are more '?' than the text had.
    const auto marks = std::count(result.bytes.cbegin(), result.bytes.cend(), '?');
    if (marks > withEnds.count(u'?'))
        result.unencodable = cp932::countUnencodable(withEnds, &result.samples, maxSamples);
    return result;
}

PlainTextCheck checkPlainText(QByteArrayView bytes) {
    PlainTextCheck check;
    const bool hasNul = bytes.contains('\0');
    if (!hasNul) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(bytes); // the conversion runs on assignment
        if (!utf8.hasError())
            return check;
    }
    check.undecodableBytes = cp932::countUndecodableBytes(bytes);
    // More than one byte in a hundred that is no character: a picture, an archive, a
    // word-processor file, or text in another encoding, never worth saving over as text.
    check.kind = hasNul || check.undecodableBytes * 100 > bytes.size() ? PlainTextKind::NotText
                                                                       : PlainTextKind::ShiftJis;
    return check;
}

WordDocument detectWordDocument(QByteArrayView head) {
    if (head.isEmpty())
        return WordDocument::None;
    const auto first = static_cast<unsigned char>(head[0]);
    if (first == 0xD0)
        return WordDocument::Compound;
    if (first == 0x94 && head.size() >= 2 && static_cast<unsigned char>(head[1]) == 0xA6)
        return WordDocument::Legacy;
    return WordDocument::None;
}

} // namespace pukana

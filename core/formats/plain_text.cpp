#include "core/formats/plain_text.h"

#include "core/formats/cp932.h"

#include <QStringDecoder>

#include <algorithm>

namespace pukana {

QString decodePlainText(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return QString();
    // CR and LF are never the second byte of a character, and the codec lets them stand
    // after a broken lead byte, so decoding first finds the same line ends as splitting first.
    const QString decoded = cp932::decode(bytes);

    QString text(decoded.size() + 1, Qt::Uninitialized);
    QChar* out = text.data();
    const QChar* in = decoded.constData();
    const QChar* const end = in + decoded.size();
    while (in != end) {
        const QChar c = *in++;
        if (c == u'\r') {
            *out++ = u'\n';
            if (in != end && *in == u'\n')
                ++in;
        } else if (c == u'\n') {
            *out++ = QChar(kLoneLineFeed);
        } else {
            *out++ = c;
        }
    }
    if (out[-1] != u'\n')
        *out++ = u'\n'; // the last line gains its line end
    text.truncate(out - text.constData());
    return text;
}

EncodedPlainText encodePlainText(QStringView text, int maxSamples) {
    const auto breaks = std::count_if(text.begin(), text.end(),
                                      [](QChar c) { return c == u'\n' || c == u'\u2029'; });
    QString withEnds(text.size() + breaks, Qt::Uninitialized);
    QChar* out = withEnds.data();
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\u2029') {
            *out++ = u'\r';
            *out++ = u'\n';
        } else if (c == QChar(kLoneLineFeed)) {
            *out++ = u'\n';
        } else {
            *out++ = c;
        }
    }

    EncodedPlainText result;
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

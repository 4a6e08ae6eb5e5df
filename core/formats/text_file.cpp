#include "core/formats/text_file.h"

#include "core/error.h"
#include "core/formats/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace pukana {

namespace {

// Steps over one line end at `pos`: CR LF, a lone CR or a lone LF.
qsizetype skipLineEnd(const QString& text, qsizetype pos) {
    if (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n')
        return pos + 2;
    return pos + 1;
}

} // namespace

LineReader::LineReader(QByteArray bytes, LineEnds ends)
    : text_(cp932::decode(bytes)), ends_(ends) {}

bool LineReader::atEnd() const {
    return pos_ >= text_.size();
}

QString LineReader::readLine() {
    if (atEnd())
        raiseError(err::InputPastEnd);
    qsizetype cr = text_.indexOf(u'\r', pos_);
    if (cr < 0)
        cr = text_.size();
    if (ends_ == LineEnds::AnyEnd) {
        const qsizetype lf = text_.indexOf(u'\n', pos_);
        if (lf >= 0 && lf < cr)
            cr = lf;
    }
    QString line = text_.mid(pos_, cr - pos_);
    pos_ = cr < text_.size() ? skipLineEnd(text_, cr) : cr;
    return line;
}

// Fields are split on the bytes and only then decoded: every byte that delimits a field
// (blank, comma, quote, CR, LF) is below 0x40 and so never the trail byte of a pair, which
// makes this split the same as one of the decoded text.
FieldReader::FieldReader(QByteArray bytes)
    : bytes_(std::move(bytes)), text_(bytes_.size(), Qt::Uninitialized) {}

bool FieldReader::atEnd() const {
    return pos_ >= bytes_.size();
}

QString FieldReader::readField() {
    return readFieldView().toString();
}

QStringView FieldReader::readFieldView() {
    if (atEnd())
        raiseError(err::InputPastEnd);
    constexpr quint64 fieldEnd = 1ull << ',' | 1ull << '\r' | 1ull << '\n';
    const char* b = bytes_.constData();
    const qsizetype n = bytes_.size();
    qsizetype p = pos_;
    while (p < n && (b[p] == ' ' || b[p] == '\t'))
        ++p;

    // text_ was sized for all the bytes and is never reallocated: earlier views stay valid.
    char16_t* const out = reinterpret_cast<char16_t*>(text_.data()) + filled_;
    char16_t* outEnd = out;
    if (p < n && b[p] == '"') {
        const qsizetype start = p + 1;
        const void* close = std::memchr(b + start, '"', size_t(n - start));
        const qsizetype stop = close ? static_cast<const char*>(close) - b : n;
        outEnd = cp932::decodeInto(QByteArrayView(b + start, stop - start), out);
        p = qMin(stop + 1, n);
        // Whatever follows the closing quote up to the field's end is dropped.
        while (p < n && b[p] != ',' && b[p] != '\r' && b[p] != '\n')
            ++p;
    } else {
        p += cp932::decodeUntil(QByteArrayView(b + p, n - p), fieldEnd, out, &outEnd);
    }
    if (p < n)
        p = b[p] == ',' ? p + 1 : (b[p] == '\r' && p + 1 < n && b[p + 1] == '\n' ? p + 2 : p + 1);
    pos_ = p;

    const QStringView field(text_.constData() + filled_, outEnd - out);
    filled_ += outEnd - out;
    return field;
}

QByteArray encodeLine(const QString& text) {
    return cp932::encode(text) + "\r\n";
}

QByteArray encodeQuotedLine(const QString& text) {
    return '"' + cp932::encode(text) + "\"\r\n";
}

} // namespace pukana

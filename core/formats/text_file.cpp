#include "core/formats/text_file.h"

#include "core/error.h"
#include "core/formats/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace pukana {

namespace {

// Steps over one line end at `pos`: CR LF, a lone CR or a lone LF.
qsizetype skipLineEnd(const QString& text, qsizetype pos) {
    if (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n')
        return pos + 2;
    return pos + 1;
}

// The error number for a failed write, from what the file device saw.
int writeErrorNumber(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::ResourceError:
        return err::DiskFull;
    case QFileDevice::PermissionsError:
        return err::PermissionDenied;
    default:
        return err::PathFileAccess;
    }
}

} // namespace

LineReader::LineReader(QByteArray bytes) : text_(cp932::decode(bytes)) {}

bool LineReader::atEnd() const {
    return pos_ >= text_.size();
}

QString LineReader::readLine() {
    if (atEnd())
        raiseError(err::InputPastEnd);
    // Only CR ends a line here; a lone LF is an ordinary character.
    qsizetype cr = text_.indexOf(u'\r', pos_);
    if (cr < 0)
        cr = text_.size();
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

namespace {

void openForReading(QFile& file) {
    const QString path = file.fileName();
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir())
        raiseError(err::PathFileAccess, path);
    if (!info.exists())
        raiseError(err::FileNotFound, path);
    if (!file.open(QIODevice::ReadOnly))
        raiseError(err::PathFileAccess, path);
}

} // namespace

void checkReadable(const QString& path) {
    QFile file(path);
    openForReading(file);
}

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    openForReading(file);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        raiseError(err::PathFileAccess, path);
    return bytes;
}

void writeFileSafely(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir())
        raiseError(err::PathFileAccess, path);
    if (!info.absoluteDir().exists())
        raiseError(err::PathNotFound, path);
    // QSaveFile writes a temporary file beside the target and renames it over the target
    // only once everything is written; it never falls back to writing the target directly.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        raiseError(writeErrorNumber(file.error()), path);
    if (file.write(bytes) != bytes.size()) {
        const int number = writeErrorNumber(file.error());
        file.cancelWriting();
        raiseError(number, path);
    }
    if (!file.commit())
        raiseError(writeErrorNumber(file.error()), path);
}

} // namespace pukana

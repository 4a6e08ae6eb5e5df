#include "core/formats/text_file.h"

#include "core/error.h"
#include "core/formats/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pukana {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

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

FieldReader::FieldReader(QByteArray bytes) : text_(cp932::decode(bytes)) {}

bool FieldReader::atEnd() const {
    return pos_ >= text_.size();
}

QString FieldReader::readField() {
    return readFieldView().toString();
}

QStringView FieldReader::readFieldView() {
    if (atEnd())
        raiseError(err::InputPastEnd);
    // Read through a const pointer: indexing the member directly would check for sharing
    // at every character, which dominates loading a large dictionary.
    const QChar* t = text_.constData();
    const qsizetype n = text_.size();
    qsizetype p = pos_;
    while (p < n && isBlank(t[p]))
        ++p;

    QStringView field;
    if (p < n && t[p] == u'"') {
        qsizetype close = text_.indexOf(u'"', p + 1);
        if (close < 0)
            close = n;
        field = QStringView(t + p + 1, close - p - 1);
        p = close + 1;
        while (p < n && t[p] != u',' && !isLineEnd(t[p]))
            ++p;
    } else {
        const qsizetype start = p;
        while (p < n && t[p] != u',' && !isLineEnd(t[p]))
            ++p;
        field = QStringView(t + start, p - start);
    }

    if (p < n)
        p = t[p] == u',' ? p + 1 : skipLineEnd(text_, p);
    pos_ = qMin(p, n);
    return field;
}

QByteArray encodeLine(const QString& text) {
    return cp932::encode(text) + "\r\n";
}

QByteArray encodeQuotedLine(const QString& text) {
    return '"' + cp932::encode(text) + "\"\r\n";
}

QByteArray readWholeFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir())
        raiseError(err::PathFileAccess, path);
    if (!info.exists())
        raiseError(err::FileNotFound, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        raiseError(err::PathFileAccess, path);
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

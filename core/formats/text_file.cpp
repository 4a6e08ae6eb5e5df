#include "core/formats/text_file.h"

#include "core/error.h"
#include "core/formats/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace pukana

// Text-file services: reading lines and comma/quote fields, writing lines, and whole-file
// reads and safe writes. Text is code page 932 with CR LF line ends.
#pragma once

#include <QByteArray>
#include <QString>

namespace pukana {

/// Reads lines: a line ends at CR LF or at a lone CR; a lone LF stays inside the line.
/// A final line without a line end is still a line; an empty input has no lines.
class LineReader {
public:
    explicit LineReader(QByteArray bytes);
    bool atEnd() const;
    QString readLine();

private:
    QByteArray bytes_;
    qsizetype pos_ = 0;
};

/// Reads fields in the comma and double-quote convention: a field ends at a comma or at a
/// line end; a field that starts with '"' runs to the next '"' and may hold commas; leading
/// blanks of an unquoted field are skipped and trailing ones dropped; an empty line gives
/// one empty field.
class FieldReader {
public:
    explicit FieldReader(QByteArray bytes);
    bool atEnd() const;
    QString readField();

private:
    QByteArray bytes_;
    qsizetype pos_ = 0;
};

/// One line written with a line end: the text encoded in code page 932 plus CR LF.
QByteArray encodeLine(const QString& text);

/// One quoted field line: '"' + text + '"' + CR LF, encoded in code page 932.
QByteArray encodeQuotedLine(const QString& text);

/// The whole file's bytes. Throws PukanaError 53 when missing, 75 when unreadable.
QByteArray readWholeFile(const QString& path);

/// Writes the file through a temporary file in the same folder renamed over the target, so
/// a failure never destroys or truncates the previous file. Throws PukanaError on failure.
void writeFileSafely(const QString& path, const QByteArray& bytes);

} // namespace pukana

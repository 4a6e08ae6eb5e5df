// Text-file services: reading lines and comma/quote fields, writing lines, and whole-file
// reads and safe writes. Text is code page 932 with CR LF line ends.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace pukana {

/// Reads lines of code page 932 bytes: a line ends at CR LF or at a lone CR; a lone LF
/// stays inside the line. A final line without a line end is still a line; an empty input
/// has no lines.
class LineReader {
public:
    /// Which characters end a line: CR LF and a lone CR always; a lone LF only with AnyEnd
    /// (files written on Linux), otherwise it stays in its line as an ordinary character.
    enum class LineEnds { CrOnly, AnyEnd };
    explicit LineReader(QByteArray bytes, LineEnds ends = LineEnds::CrOnly);
    /// True when every line has been read.
    bool atEnd() const;
    /// The next line without its line end. Throws PukanaError 62 when at the end.
    QString readLine();

private:
    QString text_;
    qsizetype pos_ = 0;
    LineEnds ends_;
};

/// Reads fields of code page 932 bytes in the comma and double-quote convention:
/// - blanks (space, tab) in front of a field are skipped;
/// - a field that then starts with '"' runs to the next '"', whatever lies between (commas,
///   line ends); the quotes are not part of it, and anything after the closing quote up to
///   the next comma or line end is dropped; a quote never closed runs to the end;
/// - any other field runs to the next comma or line end and keeps its trailing blanks;
/// - a comma or one line end (CR LF, a lone CR or a lone LF) after a field is consumed;
///   so an empty line gives one empty field, and a comma at the very end of the input
///   gives no further field.
class FieldReader {
public:
    explicit FieldReader(QByteArray bytes);
    /// True when no field is left.
    bool atEnd() const;
    /// The next field. Throws PukanaError 62 when at the end.
    QString readField();
    /// The next field as a view into text(), without a copy. Throws like readField.
    QStringView readFieldView();
    /// The decoded text that the views of readFieldView() point into; it never moves while
    /// this reader alone holds it (take a copy only once the reading is done).
    const QString& text() const { return text_; }

private:
    QByteArray bytes_;
    QString text_;         // the decoded fields, one after another
    qsizetype pos_ = 0;    // in bytes_
    qsizetype filled_ = 0; // units of text_ holding decoded fields
};

/// One line written with a line end: the text encoded in code page 932 plus CR LF.
QByteArray encodeLine(const QString& text);

/// One quoted field line: '"' + text + '"' + CR LF, encoded in code page 932.
QByteArray encodeQuotedLine(const QString& text);

/// The largest document file read whole: beyond it the text could not be held in memory.
inline constexpr qint64 kLargestDocumentFile = qint64(256) << 20;

/// The whole file's bytes. Only regular files are read (links followed): a folder, FIFO,
/// socket or device is refused at once (never waited on), and so is a file larger than
/// `maxBytes`. Throws PukanaError naming the path: FileNotFound, NotRegularFile,
/// FileTooLarge, OutOfMemory, ReadPermissionDenied, NameTooLong or PathFileAccess.
QByteArray readWholeFile(const QString& path, qint64 maxBytes = kLargestDocumentFile);

/// Throws what readWholeFile(`path`, `maxBytes`) would before reading: the file is
/// missing, no regular file, larger than `maxBytes` or cannot be opened.
void checkReadable(const QString& path, qint64 maxBytes = kLargestDocumentFile);

/// Writes the file through a temporary file in the same folder renamed over the target, so
/// a failure never destroys or truncates the previous file. A symbolic link is followed and
/// the file it points at is replaced; the old file's permissions, and its owner and group
/// where the process may set them, carry over. Throws PukanaError on failure, its number
/// telling disk full, read-only file system, permission denied, missing folder and name too
/// long apart.
void writeFileSafely(const QString& path, const QByteArray& bytes);

} // namespace pukana

// Plain-text (code page 932) documents: the file's bytes to the document text and back, and
// the look at a ".doc" file's first bytes.
//
// Document text model: one "\n" per line break. A lone LF inside a file's line is not a line
// break; it is kept as U+2028 (line separator), which QTextDocument keeps inside its paragraph
// and which is written back as a lone LF.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace pukana {

/// Stands in the document for a LF that does not end a line.
inline constexpr char16_t kLoneLineFeed = u'\u2028';

/// The document text of a plain-text file. A line ends at CR LF or at a lone CR; a lone LF
/// stays in its line (as kLoneLineFeed). Every line, the last one included, is followed by
/// "\n"; an empty file gives an empty text. Bytes that form no character show as the codec's
/// replacement character; NUL bytes are kept as U+0000. Never fails.
QString decodePlainText(QByteArrayView bytes);

/// The bytes of a plain-text save, and what code page 932 could not hold.
struct EncodedPlainText {
    QByteArray bytes;    ///< code page 932, unencodable characters written as '?'
    int unencodable = 0; ///< how many characters (code points) became '?'
    QString samples;     ///< the first few of them, each whole
};

/// Encodes document text for saving: "\n" (and U+2029) as CR LF, kLoneLineFeed as a lone LF,
/// everything else in code page 932. Collects up to `maxSamples` unencodable characters so the
/// caller can ask before writing.
EncodedPlainText encodePlainText(QStringView text, int maxSamples = 5);

/// What a file opened as plain text turned out to hold.
enum class PlainTextKind {
    Utf8,     ///< valid UTF-8 without NUL bytes (plain ASCII included)
    ShiftJis, ///< code page 932 text, perhaps with a few bytes that form no character
    NotText,  ///< NUL bytes, or more than 1% of the bytes form no character: not a text file
};

struct PlainTextCheck {
    PlainTextKind kind = PlainTextKind::Utf8;
    qsizetype undecodableBytes = 0; ///< bytes a code page 932 reading would lose
};

/// Tells text from other files before they are shown as text (and later saved over).
PlainTextCheck checkPlainText(QByteArrayView bytes);

/// What the first bytes of a ".doc" file say it is.
enum class WordDocument {
    None,     ///< anything else: open as plain text
    Compound, ///< first byte 0xD0 ("ﾐ"): a compound document the word processor can open
    Legacy,   ///< first character "幡" (0x94 0xA6): version 5.0 or older, which it cannot open
};

/// Looks at the first character of the file's bytes `head` (two bytes are enough). An empty
/// or one-byte-short head is None.
WordDocument detectWordDocument(QByteArrayView head);

} // namespace pukana

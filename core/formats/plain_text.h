// Plain-text documents: the file's bytes to the document text and back, and the look at a
// ".doc" file's first bytes.
//
// Document text model: one "\n" per line break. In a file with CR LF line ends a lone LF is
// not a line end; it is kept as U+2028 (line separator), which QTextDocument keeps inside
// its paragraph. Saving writes every line break, inside a paragraph or at its end, as the
// file's line end.
#pragma once

#include "core/formats/text_file_format.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace pukana {

/// Stands in the document for a LF that does not end a line.
inline constexpr char16_t kLoneLineFeed = u'\u2028';

/// The document text of a plain-text file read in `format` (see text_file_format.h).
/// CR LF files: a line ends at CR LF or at a lone CR; a lone LF stays in its line (as
/// kLoneLineFeed). LF files: a line ends at LF, CR LF or a lone CR. Code page 932 CR LF
/// files end every line, the last one included, with "\n"; other files keep their last
/// line as it is, so that saving gives back the same bytes. An empty file gives an empty
/// text. Bytes that form no character show as the codec's replacement character; NUL bytes
/// are kept as U+0000. Never fails.
QString decodePlainText(QByteArrayView bytes, const TextFileFormat& format = {});

/// The bytes of a plain-text save, and what the encoding could not hold.
struct EncodedPlainText {
    QByteArray bytes;    ///< the file's bytes, unencodable characters written as '?'
    int unencodable = 0; ///< how many characters (code points) became '?'
    QString samples;     ///< the first few of them, each whole
};

/// Encodes document text for saving in `format`: "\n", U+2029 and U+2028 as the format's
/// line end, the text in its encoding (with the byte order mark when it has one). For code
/// page 932 collects up to `maxSamples` unencodable characters so the caller can ask before
/// writing; UTF-8 holds every character.
EncodedPlainText encodePlainText(QStringView text, const TextFileFormat& format = {},
                                 int maxSamples = 5);

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

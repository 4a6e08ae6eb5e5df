// Rich Text Format reader: RTF source (bytes) into a QTextDocument.
#pragma once

#include <QByteArrayView>
#include <QString>

class QTextCursor;
class QTextDocument;

namespace pukana::rtf {

/// Replaces the content of `doc` with the formatted text of `source`: characters with font
/// family, point size, bold, italic, underline, strike-out and colour (Japanese and Latin
/// text each with its own script's font, size, bold and italic, as word processors write
/// them, see rtf_char_format.h); paragraphs with left,
/// centre, right or justified alignment; \line as U+2028 and \tab as '\t'. Damaged input
/// (truncated, unbalanced braces, absurd numbers, deep nesting) gives whatever text can be
/// recovered. Throws PukanaError(err::InvalidFormat) when `source` does not start with
/// "{\rtf" (leading white space allowed); `doc` is then left unchanged.
void read(QByteArrayView source, QTextDocument& doc);

/// Inserts the formatted text of `source` at `cursor`, replacing its selection, as one
/// undoable edit; the cursor ends after the inserted text. Throws like read().
void insert(QByteArrayView source, QTextCursor& cursor);

/// The text that read() puts into a document, as QTextDocument::toRawText() gives it
/// (paragraphs separated by U+2029, \line as U+2028), without making the document: for
/// callers that want the text alone. Throws like read().
QString readText(QByteArrayView source);

/// True when `source` starts, after white space, with "{\rtf".
bool looksLikeRtf(QByteArrayView source);

} // namespace pukana::rtf

// Rich Text Format writer: a QTextDocument (or part of it) as RTF source that common word
// processors read.
#pragma once

#include "core/formats/rtf_font_names.h"

#include <QByteArray>
#include <QStringView>

class QTextCursor;
class QTextDocument;

namespace pukana::rtf {

/// The whole document as RTF: code page 932 header, font and colour tables, and each
/// paragraph with its alignment and character runs (font, size, bold, italic, underline,
/// strike-out, colour). Text that code page 932 holds is written as Shift_JIS bytes in
/// Japanese fonts; everything else as \uN with '?' as fallback. Runs with Japanese text also
/// carry the double-byte script's font, size, bold and italic (\dbch\af, \afs, \ab, \ai),
/// which word processors take for Japanese text. rtf::read() of the result gives back the
/// same text and formatting.
QByteArray write(const QTextDocument& doc);

/// The selected part of the cursor's document as RTF, as write() does for a whole document;
/// rtf::insert() of the result reproduces the selection (a selected paragraph end included).
/// An empty selection gives a document without text.
QByteArray writeSelection(const QTextCursor& cursor);

} // namespace pukana::rtf

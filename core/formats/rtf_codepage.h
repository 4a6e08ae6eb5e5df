// Code pages of Rich Text Format text: which one a font's character set selects, and
// decoding of the bytes written in it.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <array>
#include <map>

namespace pukana::rtf {

/// The Windows code page that a `\fcharsetN` value selects, or 0 when the value names no
/// particular code page (DEFAULT_CHARSET and unknown values): the document's default applies.
int codePageOfCharset(int charset);

/// True when `codePage` is a double-byte code page and `byte` starts a two-byte character in it.
bool isLeadByte(int codePage, unsigned char byte);

/// Decodes bytes of one code page into text. Keeps one converter per code page, so reuse one
/// object for a whole document. Code page 932 goes through the program's own codec; a code
/// page that this system cannot convert is read as Windows-1252.
class CodePageDecoder {
public:
    /// Appends the decoded `bytes` to `out`. Bytes that form no character become U+FFFD (or
    /// U+30FB for a bad Shift_JIS pair); never fails.
    void decodeAppend(QByteArrayView bytes, int codePage, QString& out);

private:
    QStringDecoder* decoderFor(int codePage);
    std::map<int, QStringDecoder> decoders_;
};

} // namespace pukana::rtf

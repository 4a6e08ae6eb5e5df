// Microsoft code page 932 (Shift_JIS with the NEC and IBM extensions), exactly as Windows
// decodes and encodes it. Every text file the program reads or writes goes through here.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace pukana::cp932 {

/// True when the converter this codec is built on is present (checked once at start-up).
bool available();

/// Decodes bytes as Windows does; bytes that form no character become U+30FB ("・") for a
/// bad double-byte pair or U+FFFD, never an error.
QString decode(QByteArrayView bytes);

/// Encodes text; characters code page 932 cannot hold become '?'.
QByteArray encode(QStringView text);

/// True when `ch` (a whole code point) has a code page 932 encoding.
bool canEncode(char32_t ch);

/// Counts the code points of `text` that code page 932 cannot hold, and collects up to
/// `maxSamples` of them (each whole, surrogate pairs kept together) into `samples`.
int countUnencodable(QStringView text, QString* samples = nullptr, int maxSamples = 5);

} // namespace pukana::cp932

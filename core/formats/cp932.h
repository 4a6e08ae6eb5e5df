// Microsoft code page 932 (Shift_JIS with the NEC and IBM extensions), exactly as Windows
// decodes and encodes it. Every text file the program reads or writes goes through here.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace pukana::cp932 {

/// True when the converter this codec is built on (ICU's "windows-31j") is present; check
/// once at start-up. Without it only single-byte codes decode and encode.
bool available();

/// Decodes bytes as Windows does, never failing: a byte pair that is no character becomes
/// U+30FB ("・", Windows' default character for this code page). A lead byte at the end or
/// before a byte that cannot be a trail byte also becomes U+30FB, and that next byte is
/// decoded on its own, so a line end or a quote after a stray lead byte is never lost.
/// The user-defined rows 0xF040-0xF9FC decode to U+E000-U+E757.
QString decode(QByteArrayView bytes);

/// Decodes like decode() into `out`, which must have room for `bytes.size()` units, and
/// returns the end of what was written.
char16_t* decodeInto(QByteArrayView bytes, char16_t* out);

/// Decodes like decodeInto() up to the first single byte below 0x40 whose bit is set in
/// `stopMask` (bit n for byte n; such a byte is never a trail byte), which is not decoded.
/// Returns the number of bytes decoded; `*outEnd` gets the end of what was written.
qsizetype decodeUntil(QByteArrayView bytes, quint64 stopMask, char16_t* out, char16_t** outEnd);

/// Counts the bytes that form no character: a lead byte without a trail byte counts one,
/// a pair that is no character two.
qsizetype countUndecodableBytes(QByteArrayView bytes);

/// Encodes text as Windows does: one '?' for each code point code page 932 cannot hold
/// (a surrogate pair gives one '?'). A character with several codes gets the one Windows
/// writes (for the IBM extensions the 0xFA40-0xFC4B code, not the NEC-selected one).
/// Besides, the look-alikes that other systems' Japanese text uses are written under the
/// code of the glyph they stand for: U+301C as 0x8160, U+2212 as 0x817C, U+2016 as 0x8161,
/// U+00A2 as 0x8191, U+00A3 as 0x8192, U+00AC as 0x81CA, U+2014 as 0x815C. decode() gives
/// Windows' characters for those codes.
QByteArray encode(QStringView text);

/// True for the look-alikes that encode() writes under another character's code.
bool isLookAlike(char16_t ch);

/// True when `ch` (a whole code point) has a code page 932 encoding (look-alikes included).
bool canEncode(char32_t ch);

/// Counts the code points of `text` that code page 932 cannot hold, and collects up to
/// `maxSamples` of them (each whole, surrogate pairs kept together) into `samples`.
int countUnencodable(QStringView text, QString* samples = nullptr, int maxSamples = 5);

} // namespace pukana::cp932

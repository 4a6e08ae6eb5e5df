// The encoding and line ends of a plain-text file, found when it is opened and kept with the
// document so that saving writes the file the way it was.
#pragma once

#include <QByteArrayView>
#include <cstdint>

namespace pukana {

enum class TextEncoding : std::uint8_t { Cp932, Utf8 };
enum class LineEnd : std::uint8_t { CrLf, Lf };

/// How a plain-text file is written. The default is what new documents and code page 932
/// files with CR LF line ends get.
struct TextFileFormat {
    TextEncoding encoding = TextEncoding::Cp932;
    bool byteOrderMark = false; ///< UTF-8 only: the file starts with EF BB BF
    LineEnd lineEnd = LineEnd::CrLf;

    /// Code page 932 CR LF files end every line with a line end when read; other files keep
    /// their last line as it was.
    bool completesLastLine() const {
        return encoding == TextEncoding::Cp932 && lineEnd == LineEnd::CrLf;
    }
    bool operator==(const TextFileFormat&) const = default;
};

/// The format of a file's bytes: UTF-8 when it starts with a UTF-8 byte order mark, or when
/// it is valid UTF-8 with at least one character outside ASCII; code page 932 otherwise.
/// LF line ends when the first line end is a LF without a CR before it; CR LF otherwise
/// (also for a file without any LF).
TextFileFormat detectTextFileFormat(QByteArrayView bytes);

/// True when `bytes` is well-formed UTF-8: no overlong forms, no surrogates, nothing above
/// U+10FFFF, no sequence cut off at the end.
bool isValidUtf8(QByteArrayView bytes);

} // namespace pukana

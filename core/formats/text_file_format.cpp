#include "core/formats/text_file_format.h"

#include <cstring>

namespace pukana {

namespace {

constexpr unsigned char kBom[] = {0xEF, 0xBB, 0xBF};

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The length of the well-formed sequence that starts at p[0] (a byte >= 0x80), or 0.
int sequenceLength(const unsigned char* p, const unsigned char* end) {
    const unsigned char b = p[0];
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0)
            low = 0xA0; // overlong
        else if (b == 0xED)
            high = 0x9F; // surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0)
            low = 0x90; // overlong
        else if (b == 0xF4)
            high = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (end - p < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if (!isContinuation(p[i]))
            return 0;
    return length;
}

// Validates and tells whether any byte was outside ASCII.
bool scanUtf8(QByteArrayView bytes, bool& multiByte) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* const end = p + bytes.size();
    multiByte = false;
    while (p < end) {
        // Most text is ASCII: step over eight bytes at a time.
        if (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int length = sequenceLength(p, end);
        if (length == 0)
            return false;
        multiByte = true;
        p += length;
    }
    return true;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes) {
    bool multiByte = false;
    return scanUtf8(bytes, multiByte);
}

TextFileFormat detectTextFileFormat(QByteArrayView bytes) {
    TextFileFormat format;
    if (bytes.size() >= 3 && std::memcmp(bytes.data(), kBom, 3) == 0) {
        format.encoding = TextEncoding::Utf8;
        format.byteOrderMark = true;
    } else {
        bool multiByte = false;
        if (scanUtf8(bytes, multiByte) && multiByte)
            format.encoding = TextEncoding::Utf8;
    }
    const qsizetype lf = bytes.indexOf('\n');
    if (lf >= 0 && (lf == 0 || bytes[lf - 1] != '\r'))
        format.lineEnd = LineEnd::Lf;
    return format;
}

} // namespace pukana

#include "core/formats/cp932.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace pukana::cp932 {

namespace {

// Windows' default character for code page 932: what a byte pair that is no character
// (or a lead byte without its trail) decodes to.
constexpr char16_t DefaultChar = 0x30FB;

bool isLeadByte(uchar b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(uchar b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Both directions as plain lookup tables, filled once from ICU's "windows-31j" double-byte
// table. The single bytes are fixed here: ICU swaps 0x1A/0x1C/0x7F and lacks Windows'
// 0x80, 0xA0 and 0xFD-0xFF.
struct Tables {
    bool valid = false;
    std::array<char16_t, 256> single{};  // decode of a non-lead byte; 0 marks a lead byte
    std::array<char16_t, 65536> pair{};  // decode of lead << 8 | trail; 0 = no character
    std::array<quint16, 65536> encode{}; // code of a BMP character; 0 = none (except U+0000)
};

void fillSingles(Tables& t) {
    for (int b = 0; b < 0x80; ++b)
        t.single[b] = char16_t(b);
    t.single[0x80] = 0x0080;
    t.single[0xA0] = 0xF8F0;
    for (int b = 0xA1; b <= 0xDF; ++b)
        t.single[b] = char16_t(0xFF61 + (b - 0xA1)); // half-width katakana
    t.single[0xFD] = 0xF8F1;
    t.single[0xFE] = 0xF8F2;
    t.single[0xFF] = 0xF8F3;
}

void fillPairs(Tables& t) {
    QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
    t.valid = decoder.isValid();
    if (!t.valid)
        return;
    // Every pair followed by a line end, decoded in one call: a line end is never a trail
    // byte, so what each pair decodes to stands between two line ends.
    QByteArray all;
    std::vector<int> codes;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(uchar(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(uchar(trail)))
                continue;
            all += char(lead);
            all += char(trail);
            all += '\n';
            codes.push_back((lead << 8) | trail);
        }
    }
    const QString decoded = decoder.decode(all);
    qsizetype at = 0;
    for (const int code : codes) {
        const qsizetype end = decoded.indexOf(u'\n', at);
        if (end < 0)
            break;
        const QStringView one = QStringView(decoded).sliced(at, end - at);
        // ICU marks a pair it does not know with U+FFFD or its substitute U+001A.
        if (one.size() == 1 && one[0].unicode() != 0xFFFD && one[0].unicode() != 0x001A)
            t.pair[code] = one[0].unicode();
        at = end + 1;
    }
}

void assignCodes(Tables& t, int firstLead, int lastLead) {
    for (int lead = firstLead; lead <= lastLead; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const int code = (lead << 8) | trail;
            const char16_t ch = t.pair[code];
            if (ch != 0 && t.encode[ch] == 0)
                t.encode[ch] = quint16(code);
        }
}

// Characters that other systems' Japanese text uses for glyphs code page 932 holds under
// another code point (JIS X 0208 as mapped by ICU and glibc's Shift_JIS, and the full-width
// wave dash of Mac text). Only written: reading stays exactly Windows' table.
constexpr std::pair<char16_t, quint16> kLookAlikes[] = {
    {0x301C, 0x8160}, // WAVE DASH, shown as Windows' U+FF5E
    {0x2212, 0x817C}, // MINUS SIGN, shown as Windows' U+FF0D
    {0x2016, 0x8161}, // DOUBLE VERTICAL LINE, shown as Windows' U+2225
    {0x00A2, 0x8191}, // CENT SIGN, shown as Windows' U+FFE0
    {0x00A3, 0x8192}, // POUND SIGN, shown as Windows' U+FFE1
    {0x00AC, 0x81CA}, // NOT SIGN, shown as Windows' U+FFE2
    {0x2014, 0x815C}, // EM DASH, shown as Windows' U+2015
};

void fillLookAlikes(Tables& t) {
    if (!t.valid)
        return;
    for (const auto& [ch, code] : kLookAlikes)
        if (t.encode[ch] == 0)
            t.encode[ch] = code;
}

// Where a character has several codes, Windows writes the first of: single byte, JIS X 0208
// rows, NEC row 13 (0x87), IBM extensions (0xFA-0xFC), NEC-selected IBM extensions
// (0xED-0xEE); the user-defined rows (0xF0-0xF9) have one code each.
void fillEncode(Tables& t) {
    for (int b = 0x80; b < 0x100; ++b)
        if (t.single[b] != 0)
            t.encode[t.single[b]] = quint16(b);
    assignCodes(t, 0x81, 0x84);
    assignCodes(t, 0x88, 0x9F);
    assignCodes(t, 0xE0, 0xEA);
    assignCodes(t, 0x87, 0x87);
    assignCodes(t, 0xFA, 0xFC);
    assignCodes(t, 0xED, 0xEE);
    assignCodes(t, 0x85, 0x86);
    assignCodes(t, 0xEB, 0xEC);
    assignCodes(t, 0xEF, 0xF9);
    fillLookAlikes(t);
}

const Tables& tables() {
    static const std::unique_ptr<Tables> t = [] {
        auto built = std::make_unique<Tables>();
        fillSingles(*built);
        fillPairs(*built);
        fillEncode(*built);
        return built;
    }();
    return *t;
}

// The code of one BMP character, or 0 when it has none (U+0000 is code 0 but handled apart).
quint16 codeOf(const Tables& t, char16_t ch) {
    return ch < 0x80 ? ch : t.encode[ch];
}

} // namespace

bool available() {
    return tables().valid;
}

char16_t* decodeInto(QByteArrayView bytes, char16_t* dst) {
    char16_t* end = dst;
    decodeUntil(bytes, 0, dst, &end);
    return end;
}

qsizetype decodeUntil(QByteArrayView bytes, quint64 stopMask, char16_t* dst, char16_t** outEnd) {
    const Tables& t = tables();
    const auto* const begin = reinterpret_cast<const uchar*>(bytes.data());
    const uchar* p = begin;
    const uchar* const end = p + bytes.size();
    while (p < end) {
        const uchar b = *p;
        if (b < 0x80) {
            if (b < 0x40 && (stopMask >> b & 1) != 0)
                break;
            *dst++ = b;
            ++p;
        } else if (t.single[b] != 0) {
            *dst++ = t.single[b];
            ++p;
        } else if (p + 1 < end && isTrailByte(p[1])) {
            const char16_t ch = t.pair[(b << 8) | p[1]];
            *dst++ = ch != 0 ? ch : DefaultChar;
            p += 2;
        } else {
            // A lead byte without a trail: the next byte (often a line end or a quote) is
            // left to stand on its own so lines and fields keep their shape.
            *dst++ = DefaultChar;
            ++p;
        }
    }
    *outEnd = dst;
    return p - begin;
}

QString decode(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized); // never more characters than bytes
    char16_t* begin = reinterpret_cast<char16_t*>(out.data());
    out.truncate(decodeInto(bytes, begin) - begin);
    return out;
}

qsizetype countUndecodableBytes(QByteArrayView bytes) {
    const Tables& t = tables();
    qsizetype bad = 0;
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const uchar* const end = p + bytes.size();
    while (p < end) {
        const uchar b = *p;
        if (b < 0x80 || t.single[b] != 0) {
            ++p;
        } else if (p + 1 < end && isTrailByte(p[1])) {
            if (t.pair[(b << 8) | p[1]] == 0)
                bad += 2;
            p += 2;
        } else {
            ++bad;
            ++p;
        }
    }
    return bad;
}

QByteArray encode(QStringView text) {
    const Tables& t = tables();
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    auto* dst = reinterpret_cast<uchar*>(out.data());
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    while (p < end) {
        const char16_t ch = *p++;
        if (ch < 0x80) {
            *dst++ = uchar(ch);
            continue;
        }
        if (QChar::isHighSurrogate(ch)) {
            if (p < end && QChar::isLowSurrogate(*p))
                ++p; // one '?' for the whole code point
            *dst++ = '?';
            continue;
        }
        const quint16 code = t.encode[ch];
        if (code == 0) {
            *dst++ = '?';
        } else if (code < 0x100) {
            *dst++ = uchar(code);
        } else {
            *dst++ = uchar(code >> 8);
            *dst++ = uchar(code);
        }
    }
    out.truncate(dst - reinterpret_cast<uchar*>(out.data()));
    return out;
}

bool isLookAlike(char16_t ch) {
    return std::any_of(std::begin(kLookAlikes), std::end(kLookAlikes),
                       [ch](const auto& entry) { return entry.first == ch; });
}

bool canEncode(char32_t ch) {
    if (ch > 0xFFFF)
        return false;
    return ch == 0 || codeOf(tables(), char16_t(ch)) != 0;
}

int countUnencodable(QStringView text, QString* samples, int maxSamples) {
    const Tables& t = tables();
    int count = 0;
    int sampled = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        qsizetype len = 1;
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            len = 2;
        else if (ch == 0 || codeOf(t, ch) != 0)
            continue;
        ++count;
        if (samples && sampled < maxSamples) {
            samples->append(text.mid(i, len));
            ++sampled;
        }
        i += len - 1;
    }
    return count;
}

} // namespace pukana::cp932

#include "core/formats/rtf_codepage.h"

#include "core/formats/cp932.h"

namespace pukana::rtf {

int codePageOfCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252; // ANSI
    case 2:
        return 1252; // Symbol fonts: their bytes read best as Latin text
    case 77:
        return 10000; // Mac Roman
    case 128:
        return 932; // Shift_JIS
    case 129:
        return 949; // Hangul
    case 130:
        return 1361; // Johab
    case 134:
        return 936; // GB2312
    case 136:
        return 950; // Big5
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437; // OEM
    default:
        return 0;
    }
}

bool isLeadByte(int codePage, unsigned char byte) {
    switch (codePage) {
    case 932:
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
    case 1361:
        return byte >= 0x81 && byte <= 0xFE;
    default:
        return false;
    }
}

namespace {

const char* converterName(int codePage) {
    switch (codePage) {
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "windows-950";
    case 1361:
        return "ibm-1361";
    case 874:
        return "windows-874";
    case 1250:
        return "windows-1250";
    case 1251:
        return "windows-1251";
    case 1253:
        return "windows-1253";
    case 1254:
        return "windows-1254";
    case 1255:
        return "windows-1255";
    case 1256:
        return "windows-1256";
    case 1257:
        return "windows-1257";
    case 1258:
        return "windows-1258";
    case 10000:
        return "macintosh";
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    default:
        return "windows-1252";
    }
}

bool isAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

QStringDecoder* CodePageDecoder::decoderFor(int codePage) {
    auto it = decoders_.find(codePage);
    if (it == decoders_.end()) {
        // Stateless: every call decodes a complete piece; a lead byte left at its end is an
        // error of that piece, not a prefix of the next.
        QStringDecoder decoder(converterName(codePage), QStringConverter::Flag::Stateless);
        if (!decoder.isValid())
            decoder = QStringDecoder("windows-1252", QStringConverter::Flag::Stateless);
        it = decoders_.emplace(codePage, std::move(decoder)).first;
    }
    return it->second.isValid() ? &it->second : nullptr;
}

void CodePageDecoder::decodeAppend(QByteArrayView bytes, int codePage, QString& out) {
    if (bytes.isEmpty())
        return;
    if (isAscii(bytes)) {
        out += QLatin1StringView(bytes.data(), bytes.size());
        return;
    }
    if (codePage == 932) {
        out += cp932::decode(bytes);
        return;
    }
    if (QStringDecoder* decoder = decoderFor(codePage)) {
        out += decoder->decode(bytes);
        decoder->resetState();
        return;
    }
    out += QString::fromLatin1(bytes.data(), bytes.size());
}

} // namespace pukana::rtf

#include "core/formats/rtf_tables.h"

#include <algorithm>

namespace pukana::rtf {

void FontTableReader::start(int index, FormatTables& tables, int docCodePage) {
    finish(tables, docCodePage);
    index_ = index;
}

void FontTableReader::setCharset(int charset) {
    if (!reading())
        return;
    if (const int cp = codePageOfCharset(charset))
        font_.codePage = cp;
}

void FontTableReader::setCodePage(int codePage) {
    if (reading() && codePage > 0)
        font_.codePage = codePage;
}

void FontTableReader::text(QByteArrayView bytes, FormatTables& tables, int docCodePage) {
    // A ';' ends the name; entries without their own group follow each other.
    while (!bytes.isEmpty()) {
        const qsizetype semi = bytes.indexOf(';');
        if (semi < 0) {
            nameBytes(bytes);
            break;
        }
        nameBytes(bytes.first(semi));
        finish(tables, docCodePage);
        bytes = bytes.sliced(semi + 1);
    }
}

void FontTableReader::nameBytes(QByteArrayView bytes) {
    if (reading())
        bytes_.append(bytes);
}

void FontTableReader::nameChar(char16_t c, int docCodePage) {
    if (!reading())
        return;
    // The name's bytes so far come before this character.
    decoders_.decodeAppend(bytes_, codePage(docCodePage), font_.name);
    bytes_.clear();
    font_.name += QChar(c);
}

void FontTableReader::finish(FormatTables& tables, int docCodePage) {
    if (!reading())
        return;
    decoders_.decodeAppend(bytes_, codePage(docCodePage), font_.name);
    sanitize(font_.name);
    font_.name = font_.name.trimmed();
    tables.fonts[index_] = std::move(font_);
    index_ = -1;
    font_ = FontEntry{};
    bytes_.clear();
}

void ColorTableReader::start(FormatTables& tables) {
    tables.colors.clear();
    red_ = green_ = blue_ = -1;
}

void ColorTableReader::component(std::string_view name, int value) {
    value = std::clamp(value, 0, 255);
    if (name == "red")
        red_ = value;
    else if (name == "green")
        green_ = value;
    else if (name == "blue")
        blue_ = value;
}

void ColorTableReader::text(QByteArrayView bytes, FormatTables& tables) {
    for (char c : bytes) {
        if (c != ';')
            continue;
        if (red_ < 0 && green_ < 0 && blue_ < 0)
            tables.colors.emplace_back();
        else
            tables.colors.emplace_back(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0));
        red_ = green_ = blue_ = -1;
    }
}

} // namespace pukana::rtf

// Reading the font table and the colour table of an RTF document.
#pragma once

#include "core/formats/rtf_run_builder.h"

#include <QByteArray>
#include <QByteArrayView>

namespace pukana::rtf {

/// Collects font-table entries: "\fN \fcharsetN name;" each, with or without a group.
class FontTableReader {
public:
    explicit FontTableReader(CodePageDecoder& decoders) : decoders_(decoders) {}

    /// True while an entry is being read.
    bool reading() const { return index_ >= 0; }
    /// \fN: a new entry (the one being read, if any, is finished first).
    void start(int index, FormatTables& tables, int docCodePage);
    /// \fcharsetN and \cpgN of the entry being read.
    void setCharset(int charset);
    void setCodePage(int codePage);
    /// Text inside the table: bytes of the name; ';' ends the entry.
    void text(QByteArrayView bytes, FormatTables& tables, int docCodePage);
    /// A \'hh byte or an escaped character of the name.
    void nameBytes(QByteArrayView bytes);
    /// A \uN character of the name.
    void nameChar(char16_t c, int docCodePage);
    /// Ends the entry being read and enters it into `tables`.
    void finish(FormatTables& tables, int docCodePage);
    /// The code page of the name being read.
    int codePage(int docCodePage) const {
        return font_.codePage != 0 ? font_.codePage : docCodePage;
    }

private:
    CodePageDecoder& decoders_;
    int index_ = -1;
    FontEntry font_;
    QByteArray bytes_;
};

/// Collects colour-table entries "\redN\greenN\blueN;"; an entry without any component is
/// the viewer's text colour.
class ColorTableReader {
public:
    void start(FormatTables& tables);
    void component(std::string_view name, int value);
    void text(QByteArrayView bytes, FormatTables& tables);

private:
    int red_ = -1, green_ = -1, blue_ = -1;
};

} // namespace pukana::rtf

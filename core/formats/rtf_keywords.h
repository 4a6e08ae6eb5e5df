// The control words the RTF reader acts on, looked up by name.
#pragma once

#include <cstdint>
#include <string_view>

namespace pukana::rtf {

enum class Cmd : std::uint8_t {
    Unknown, // a word the reader ignores
    // character formatting
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Font,
    Color,
    Plain,
    Hidden,
    // associated character formatting: of the script \loch, \hich or \dbch selects
    AssocFont,
    AssocSize,
    AssocBold,
    AssocItalic,
    LowAnsi,
    HighAnsi,
    DoubleByte,
    RightToLeft,
    LeftToRight,
    // paragraph formatting
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    // tables
    FontTable,
    ColorTable,
    Charset,
    CodePage,
    Red,
    Green,
    Blue,
    // content
    Par,
    Line,
    Tab,
    Char, // a special character, see specialChar()
    SkipDest,
};

/// What the control word `name` does; Cmd::Unknown for words the reader ignores.
Cmd keyword(std::string_view name);

/// The character of a Cmd::Char word (\bullet, \emdash, ...); 0 for any other name.
char16_t specialChar(std::string_view name);

} // namespace pukana::rtf

// Splits Rich Text Format source into groups, control words, control symbols, hex bytes and
// runs of literal text. Never fails: whatever the bytes, it moves forward and ends.
#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <string>
#include <string_view>

namespace pukana::rtf {

struct Token {
    enum Kind : std::uint8_t {
        End,        ///< no more input
        GroupStart, ///< '{'
        GroupEnd,   ///< '}'
        Word,       ///< control word: `name`, `hasParam`, `param`
        Symbol,     ///< control symbol: `symbol` (a newline after a backslash gives '\n')
        HexByte,    ///< \'hh: `byte`
        Text,       ///< literal bytes: `text` (no CR or LF)
        Binary,     ///< the data of \binN: `text`
    };
    Token() = default;
    explicit Token(Kind k) : kind(k) {}

    Kind kind = End;
    bool hasParam = false;
    char symbol = 0;
    unsigned char byte = 0;
    int param = 0;
    std::string_view name;
    QByteArrayView text;
};

class Tokenizer {
public:
    explicit Tokenizer(QByteArrayView source) : src_(source) {}

    /// The next token; `End` once the input is used up (and on every later call).
    Token next();

    /// The code page of the text being read. In a double-byte code page a raw lead byte takes
    /// the following byte with it even when that byte is '\', '{' or '}', as Shift_JIS
    /// writers that emit raw bytes expect.
    void setCodePage(int codePage) { codePage_ = codePage; }

    /// Appends the bytes of the \'hh escapes that come next (line ends between them are
    /// skipped) to `out`, so that runs of them need not go token by token.
    void takeHexBytes(std::string& out);

    /// Byte offset of the next token.
    qsizetype position() const { return pos_; }

private:
    Token controlWord();
    Token controlSymbol();
    bool hexByte(); // true when a valid \'hh is at pos_; else steps over the quote

    Token text();

    QByteArrayView src_;
    qsizetype pos_ = 0;
    int codePage_ = 0;
};

} // namespace pukana::rtf

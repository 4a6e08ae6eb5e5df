#include "core/formats/rtf_tokenizer.h"

#include "core/formats/rtf_codepage.h"

#include <limits>

namespace pukana::rtf {

namespace {

// Names longer than any real control word are cut; the extra letters are still consumed.
constexpr qsizetype kMaxNameLength = 32;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Token Tokenizer::next() {
    const qsizetype size = src_.size();
    while (pos_ < size) {
        const char c = src_[pos_];
        switch (c) {
        case '{':
            ++pos_;
            return Token{Token::GroupStart};
        case '}':
            ++pos_;
            return Token{Token::GroupEnd};
        case '\\':
            ++pos_;
            if (pos_ >= size)
                return Token{Token::End};
            if (isLetter(src_[pos_]))
                return controlWord();
            if (src_[pos_] == '\'' && !hexByte())
                continue; // a broken \'hh is dropped; what follows it is read as usual
            return controlSymbol();
        case '\r':
        case '\n':
            ++pos_; // line ends in the source are not text
            continue;
        default:
            return text();
        }
    }
    return Token{Token::End};
}

Token Tokenizer::controlWord() {
    const qsizetype size = src_.size();
    const qsizetype start = pos_;
    while (pos_ < size && isLetter(src_[pos_]))
        ++pos_;
    Token token{Token::Word};
    token.name = std::string_view(src_.data() + start,
                                  static_cast<size_t>(std::min(pos_ - start, kMaxNameLength)));

    bool negative = false;
    if (pos_ + 1 < size && src_[pos_] == '-' && isDigit(src_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < size && isDigit(src_[pos_])) {
        // Clamp instead of overflowing: the value is only ever a size, index or count.
        constexpr long long kLimit = std::numeric_limits<int>::max();
        long long value = 0;
        while (pos_ < size && isDigit(src_[pos_])) {
            if (value <= kLimit)
                value = value * 10 + (src_[pos_] - '0');
            ++pos_;
        }
        if (value > kLimit)
            value = kLimit;
        token.hasParam = true;
        token.param = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < size && src_[pos_] == ' ')
        ++pos_; // the delimiting space belongs to the control word

    if (token.name == "bin") {
        // \binN: N raw bytes follow, which may contain braces and backslashes.
        const qsizetype length = token.hasParam && token.param > 0 ? token.param : 0;
        const qsizetype available = std::min(length, size - pos_);
        Token data{Token::Binary};
        data.text = src_.sliced(pos_, available);
        pos_ += available;
        return data;
    }
    return token;
}

bool Tokenizer::hexByte() {
    // pos_ is at the quote of \'hh
    const qsizetype size = src_.size();
    if (pos_ + 2 < size && hexValue(src_[pos_ + 1]) >= 0 && hexValue(src_[pos_ + 2]) >= 0)
        return true;
    ++pos_;
    // Input that ends after one hex digit ends inside the escape: the half-read byte is no
    // character.
    if (pos_ + 1 == size && hexValue(src_[pos_]) >= 0)
        ++pos_;
    return false;
}

void Tokenizer::takeHexBytes(std::string& out) {
    const qsizetype size = src_.size();
    const char* data = src_.data();
    qsizetype p = pos_;
    for (;;) {
        while (p < size && (data[p] == '\r' || data[p] == '\n'))
            ++p;
        if (p + 3 >= size || data[p] != '\\' || data[p + 1] != '\'')
            break;
        const int high = hexValue(data[p + 2]);
        const int low = hexValue(data[p + 3]);
        if (high < 0 || low < 0)
            break;
        out.push_back(static_cast<char>(high * 16 + low));
        p += 4;
        pos_ = p;
    }
}

Token Tokenizer::controlSymbol() {
    const char c = src_[pos_++];
    if (c == '\'') {
        Token token{Token::HexByte};
        token.byte =
            static_cast<unsigned char>(hexValue(src_[pos_]) * 16 + hexValue(src_[pos_ + 1]));
        pos_ += 2;
        return token;
    }
    Token token{Token::Symbol};
    token.symbol = c == '\r' ? '\n' : c;
    return token;
}

Token Tokenizer::text() {
    const qsizetype size = src_.size();
    const qsizetype start = pos_;
    const bool doubleByte = codePage_ == 932 || codePage_ == 936 || codePage_ == 949 ||
                            codePage_ == 950 || codePage_ == 1361;
    while (pos_ < size) {
        const char c = src_[pos_];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
            break;
        if (doubleByte && isLeadByte(codePage_, static_cast<unsigned char>(c)) && pos_ + 1 < size &&
            src_[pos_ + 1] != '\r' && src_[pos_ + 1] != '\n')
            ++pos_;
        ++pos_;
    }
    Token token{Token::Text};
    token.text = src_.sliced(start, pos_ - start);
    return token;
}

} // namespace pukana::rtf

#include "core/formats/rtf_writer.h"

#include "core/formats/cp932.h"
#include "core/formats/font_family_format.h"
#include "core/formats/rtf_char_format.h"
#include "core/formats/rtf_codepage.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

namespace pukana::rtf {

namespace {

constexpr int kDefaultHalfPoints = 24;
const char kHex[] = "0123456789abcdef";

// Character formatting as RTF expresses it, with indexes into the font and colour tables.
struct Style {
    int font = 0;
    int halfPoints = kDefaultHalfPoints;
    int color = 0; // 0: automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
};

class Writer {
public:
    explicit Writer(const QTextDocument& doc) : doc_(doc) {
        const QFont base = doc.defaultFont();
        baseFamily_ = base.families().value(0, base.family());
        if (baseFamily_.isEmpty())
            baseFamily_ = QStringLiteral("ＭＳ ゴシック");
        basePoints_ = base.pointSizeF() > 0 ? base.pointSizeF() : 12.0;
        baseBold_ = base.bold();
        baseItalic_ = base.italic();
        baseUnderline_ = base.underline();
        baseStrike_ = base.strikeOut();
        fontIndex(baseFamily_); // the default font, \f0
    }

    /// The RTF of the document range [start, end).
    QByteArray write(int start, int end);

private:
    Style styleOf(const QTextCharFormat& format, int formatIndex);
    int fontIndex(const QString& family);
    void body(int start, int end);
    void paragraphEnd();
    void fontTable();
    void colorTable();
    void changeStyle(const Style& s);
    void fragmentText(QStringView text, const Style& style);
    void text(QStringView text, bool japanese);
    void ascii(char16_t c);
    bool special(char16_t c);
    void japaneseText(QStringView text);
    void word(const char* name);
    void word(const char* name, int param);
    void number(int value);
    void literal(char c);
    void hexByte(unsigned char b);
    void unicode(char16_t c);

    const QTextDocument& doc_;
    QString baseFamily_;
    qreal basePoints_ = 12;
    bool baseBold_ = false, baseItalic_ = false, baseUnderline_ = false, baseStrike_ = false;

    QStringList fonts_;
    std::vector<bool> japanese_;
    QHash<QString, int> fontIndexes_;
    std::vector<QRgb> colors_;
    std::unordered_map<QRgb, int> colorIndexes_;
    std::unordered_map<int, Style> styles_; // by the document's format index

    // The body is written first, while the fonts and colours it uses are collected; the
    // header with their tables goes in front of it at the end.
    std::string out_;
    bool needSpace_ = false; // the last control word wants a delimiter before literal text
    Style current_;
};

int Writer::fontIndex(const QString& family) {
    const QString name = family.isEmpty() ? baseFamily_ : family;
    auto it = fontIndexes_.constFind(name);
    if (it != fontIndexes_.cend())
        return *it;
    const int index = static_cast<int>(fonts_.size());
    fonts_.append(name);
    japanese_.push_back(isJapaneseFontName(name));
    fontIndexes_.insert(name, index);
    return index;
}

Style Writer::styleOf(const QTextCharFormat& f, int formatIndex) {
    if (formatIndex >= 0) {
        auto it = styles_.find(formatIndex);
        if (it != styles_.end())
            return it->second;
    }
    Style s;
    QString family;
    family = fontFamilyOf(f);
    if (family.isEmpty() && f.hasProperty(QTextFormat::FontFamily))
        family = f.property(QTextFormat::FontFamily).toString();
    s.font = fontIndex(family);

    const qreal points = f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0
                             ? f.fontPointSize()
                             : basePoints_;
    s.halfPoints = std::clamp(static_cast<int>(std::lround(points * 2)), 1, 3276);
    s.bold = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() > QFont::Medium : baseBold_;
    s.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : baseItalic_;
    if (f.hasProperty(QTextFormat::TextUnderlineStyle))
        s.underline = f.underlineStyle() != QTextCharFormat::NoUnderline;
    else if (f.hasProperty(QTextFormat::FontUnderline))
        s.underline = f.boolProperty(QTextFormat::FontUnderline);
    else
        s.underline = baseUnderline_;
    s.strike = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : baseStrike_;

    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush) {
        const QRgb rgb = f.foreground().color().rgb() & 0xFFFFFF;
        auto it = colorIndexes_.find(rgb);
        if (it == colorIndexes_.end()) {
            colors_.push_back(rgb);
            it = colorIndexes_.emplace(rgb, static_cast<int>(colors_.size())).first;
        }
        s.color = it->second;
    }
    if (formatIndex >= 0)
        styles_.emplace(formatIndex, s);
    return s;
}

void Writer::body(int start, int end) {
    out_ += "\\pard\\plain";
    needSpace_ = true;
    current_ = Style{};
    const char* align = nullptr; // \ql, the default after \pard
    bool first = true;
    for (QTextBlock block = doc_.findBlock(start); block.isValid() && block.position() <= end;
         block = block.next()) {
        if (!first)
            paragraphEnd();
        const int blockStart = block.position();
        const int blockEnd = blockStart + block.length() - 1; // before the paragraph end
        const int segStart = std::max(start, blockStart);
        const int segEnd = std::min(end, blockEnd);

        const Qt::Alignment a = block.blockFormat().alignment();
        const char* want = nullptr;
        if (a & Qt::AlignHCenter)
            want = "qc";
        else if (a & Qt::AlignRight)
            want = "qr";
        else if (a & Qt::AlignJustify)
            want = "qj";
        if (want != align) {
            if (!first) // the \pard of the start stands here already
                word("pard");
            if (want)
                word(want);
            align = want;
        }
        first = false;

        const bool whole = segStart == blockStart && segEnd == blockEnd;
        bool empty = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QString t = fragment.text();
            if (!whole) {
                const int position = fragment.position();
                const int from = std::max(segStart, position);
                const int to = std::min(segEnd, position + fragment.length());
                if (from >= to)
                    continue;
                if (from != position || to != position + fragment.length())
                    t = t.mid(from - position, to - from);
            }
            const Style style = styleOf(fragment.charFormat(), fragment.charFormatIndex());
            changeStyle(style);
            fragmentText(t, style);
            empty = false;
        }
        if (empty) {
            changeStyle(styleOf(block.charFormat(), -1)); // what the empty line is typed in
            // A reader drops the empty line after a final \par: an empty last paragraph
            // needs a \par of its own.
            if (block.next().isValid() == false || block.next().position() > end)
                paragraphEnd();
        }
    }
}

void Writer::paragraphEnd() {
    out_ += "\\par\r\n";
    needSpace_ = false;
}

QByteArray Writer::write(int start, int end) {
    if (start < end)
        body(start, end);
    else
        out_ += "\\pard\\plain ";
    std::string bodyText;
    bodyText.swap(out_);
    out_.reserve(bodyText.size() + 512);
    out_ += "{\\rtf1\\ansi\\ansicpg932\\deff0\\uc1";
    fontTable();
    colorTable();
    out_ += bodyText;
    out_ += '}';
    return QByteArray(out_.data(), static_cast<qsizetype>(out_.size()));
}

void Writer::fontTable() {
    out_ += "{\\fonttbl";
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        const bool japanese = japanese_[static_cast<std::size_t>(i)];
        out_ += "{";
        word("f", static_cast<int>(i));
        word("fnil");
        word("fcharset", japanese ? 128 : 0);
        out_ += ' ';
        needSpace_ = false;
        QString name = fonts_[i];
        name.remove(u';'); // the entry's terminator cannot be escaped
        text(name, japanese);
        out_ += ";}";
        needSpace_ = false;
    }
    out_ += "}\r\n";
}

void Writer::colorTable() {
    if (colors_.empty())
        return;
    out_ += "{\\colortbl ;";
    for (QRgb rgb : colors_) {
        word("red", qRed(rgb));
        word("green", qGreen(rgb));
        word("blue", qBlue(rgb));
        out_ += ';';
        needSpace_ = false;
    }
    out_ += "}\r\n";
}

void Writer::changeStyle(const Style& s) {
    if (s.font != current_.font)
        word("f", s.font);
    if (s.halfPoints != current_.halfPoints)
        word("fs", s.halfPoints);
    if (s.bold != current_.bold)
        word(s.bold ? "b" : "b0");
    if (s.italic != current_.italic)
        word(s.italic ? "i" : "i0");
    if (s.underline != current_.underline)
        word(s.underline ? "ul" : "ulnone");
    if (s.strike != current_.strike)
        word(s.strike ? "strike" : "strike0");
    if (s.color != current_.color)
        word("cf", s.color);
    current_ = s;
}

void Writer::ascii(char16_t c) {
    switch (c) {
    case '\\':
    case '{':
    case '}':
        out_ += '\\';
        out_ += static_cast<char>(c);
        needSpace_ = false;
        break;
    case '\t':
        word("tab");
        break;
    default:
        if (c >= 0x20)
            literal(static_cast<char>(c));
        break; // other control characters have no place in the text
    }
}

bool Writer::special(char16_t c) {
    if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
        word("line");
        return true;
    }
    if (c == 0x00A0) {
        out_ += "\\~";
        needSpace_ = false;
        return true;
    }
    return false;
}

bool hasAsianText(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x1100 && scriptClassOf(c.unicode()) == 1;
    });
}

void Writer::fragmentText(QStringView t, const Style& style) {
    const bool japaneseFont = japanese_[static_cast<std::size_t>(style.font)];
    if (!hasAsianText(t)) {
        text(t, japaneseFont);
        return;
    }
    // Word processors take the font, size, bold and italic of Japanese text from the
    // double-byte script's associated properties; in a group of its own, a reader that
    // sets them to the same values as \f, \fs, \b and \i ends where it started.
    out_ += '{';
    word("dbch");
    word("af", style.font);
    word("afs", style.halfPoints);
    if (style.bold)
        word("ab");
    if (style.italic)
        word("ai");
    text(t, japaneseFont);
    out_ += '}';
    needSpace_ = false;
}

void Writer::text(QStringView text, bool japanese) {
    const qsizetype n = text.size();
    if (!japanese) {
        for (QChar ch : text) {
            const char16_t c = ch.unicode();
            if (c < 0x80)
                ascii(c);
            else if (!special(c))
                unicode(c);
        }
        return;
    }
    // Surrogates never go to the codec, so that it sees only whole characters.
    qsizetype i = 0;
    while (i < n) {
        qsizetype j = i;
        while (j < n && !text[j].isSurrogate())
            ++j;
        if (j > i)
            japaneseText(text.sliced(i, j - i));
        for (i = j; i < n && text[i].isSurrogate(); ++i)
            unicode(text[i].unicode());
    }
}

// Text of a Japanese font, without surrogates: Shift_JIS bytes for what code page 932
// holds, \uN for the rest. ASCII is one byte each way, and the codec turns each other
// character it cannot hold into one '?', which keeps the bytes in step with the text.
void Writer::japaneseText(QStringView text) {
    const QByteArray bytes = cp932::encode(text);
    const qsizetype size = bytes.size();
    qsizetype b = 0;
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80) {
            ascii(c);
            ++b;
            continue;
        }
        if (b >= size) {
            if (!special(c))
                unicode(c);
            continue;
        }
        const auto first = static_cast<unsigned char>(bytes[b]);
        const bool pair = isLeadByte(932, first) && b + 1 < size;
        if (special(c)) {
            // written the same in every font
        } else if (first < 0x80) { // '?' for "cannot hold"; any other ASCII is a stand-in
            unicode(c);
        } else if (pair && cp932::isLookAlike(c)) {
            // Written under the code of the glyph it stands for; readers that know Unicode
            // take the character itself.
            out_ += "{\\uc2\\u";
            number(static_cast<int>(c));
            hexByte(first);
            hexByte(static_cast<unsigned char>(bytes[b + 1]));
            out_ += '}';
        } else if (pair) {
            hexByte(first);
            hexByte(static_cast<unsigned char>(bytes[b + 1]));
        } else {
            hexByte(first);
        }
        b += pair ? 2 : 1;
    }
}

void Writer::word(const char* name) {
    out_ += '\\';
    out_ += name;
    needSpace_ = true;
}

void Writer::word(const char* name, int param) {
    out_ += '\\';
    out_ += name;
    number(param);
    needSpace_ = true;
}

void Writer::number(int value) {
    char buffer[16];
    char* end = buffer + sizeof buffer;
    char* p = end;
    const bool negative = value < 0;
    unsigned int v = negative ? 0u - static_cast<unsigned int>(value) : value;
    do {
        *--p = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative)
        *--p = '-';
    out_.append(p, end - p);
}

void Writer::literal(char c) {
    if (needSpace_) {
        out_ += ' ';
        needSpace_ = false;
    }
    out_ += c;
}

void Writer::hexByte(unsigned char b) {
    const char hex[4] = {'\\', '\'', kHex[b >> 4], kHex[b & 0xF]};
    out_.append(hex, 4);
    needSpace_ = false;
}

void Writer::unicode(char16_t c) {
    // \uN takes a signed 16-bit number; '?' is what readers without Unicode show.
    out_ += "\\u";
    number(c >= 0x8000 ? static_cast<int>(c) - 0x10000 : static_cast<int>(c));
    out_ += '?';
    needSpace_ = false;
}

} // namespace

QByteArray write(const QTextDocument& doc) {
    return Writer(doc).write(0, doc.characterCount() - 1);
}

QByteArray writeSelection(const QTextCursor& cursor) {
    return Writer(*cursor.document()).write(cursor.selectionStart(), cursor.selectionEnd());
}

} // namespace pukana::rtf

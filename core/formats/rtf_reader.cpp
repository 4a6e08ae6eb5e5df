#include "core/formats/rtf_reader.h"

#include "core/error.h"
#include "core/formats/rtf_codepage.h"
#include "core/formats/rtf_tokenizer.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pukana::rtf {

namespace {

// Groups nested deeper than this share the state of the deepest one: the text inside is
// still read, but the stack cannot grow without bound.
constexpr std::size_t kMaxDepth = 1024;
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276; // 1638 points, the largest size word processors offer
constexpr int kMaxFallbackSkip = 64;
// Without \ansicpg the text is in the system's ANSI code page, Shift_JIS on the desktops
// this editor is made for.
constexpr int kSystemCodePage = 932;

enum class Dest : std::uint8_t { Text, FontTable, ColorTable, Skip };

struct CharState {
    int font = -1; // -1: the default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool operator==(const CharState&) const = default;
};

struct GroupState {
    CharState ch;
    Qt::Alignment align = Qt::AlignLeft;
    int uc = 1;
    Dest dest = Dest::Text;
    bool hidden = false;
};

struct FontEntry {
    QString name;
    int codePage = 0; // 0: the document's code page
};

enum class Cmd : std::uint8_t {
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

const std::unordered_map<std::string_view, Cmd>& commands() {
    static const std::unordered_map<std::string_view, Cmd> table = [] {
        std::unordered_map<std::string_view, Cmd> t{
            {"b", Cmd::Bold},
            {"i", Cmd::Italic},
            {"ul", Cmd::Underline},
            {"ulnone", Cmd::UnderlineNone},
            {"strike", Cmd::Strike},
            {"striked", Cmd::Strike},
            {"fs", Cmd::FontSize},
            {"f", Cmd::Font},
            {"cf", Cmd::Color},
            {"plain", Cmd::Plain},
            {"v", Cmd::Hidden},
            {"pard", Cmd::Pard},
            {"ql", Cmd::AlignLeft},
            {"qc", Cmd::AlignCenter},
            {"qr", Cmd::AlignRight},
            {"qj", Cmd::AlignJustify},
            {"qd", Cmd::AlignJustify},
            {"ansi", Cmd::Ansi},
            {"mac", Cmd::Mac},
            {"pc", Cmd::Pc},
            {"pca", Cmd::Pca},
            {"ansicpg", Cmd::AnsiCodePage},
            {"deff", Cmd::DefaultFont},
            {"uc", Cmd::UnicodeSkip},
            {"u", Cmd::Unicode},
            {"fonttbl", Cmd::FontTable},
            {"colortbl", Cmd::ColorTable},
            {"fcharset", Cmd::Charset},
            {"cpg", Cmd::CodePage},
            {"red", Cmd::Red},
            {"green", Cmd::Green},
            {"blue", Cmd::Blue},
            {"par", Cmd::Par},
            {"sect", Cmd::Par},
            {"row", Cmd::Par},
            {"nestrow", Cmd::Par},
            {"line", Cmd::Line},
            {"tab", Cmd::Tab},
            {"cell", Cmd::Tab},
            {"nestcell", Cmd::Tab},
        };
        // Every kind of underline is shown as underline.
        for (std::string_view name :
             {"uld", "uldb", "uldash", "uldashd", "uldashdd", "ulhwave", "ulldash", "ulth", "ulthd",
              "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t.emplace(name, Cmd::Underline);
        for (std::string_view name :
             {"bullet", "lquote", "rquote", "ldblquote", "rdblquote", "emdash", "endash", "emspace",
              "enspace", "qmspace", "zwj", "zwnj", "ltrmark", "rtlmark"})
            t.emplace(name, Cmd::Char);
        // Destinations whose content is not document text.
        static constexpr std::string_view skipped =
            "stylesheet info pict objdata header headerl headerr headerf footer footerl "
            "footerr footerf footnote annotation atnid atnauthor private xe tc txe rxe "
            "bkmkstart bkmkend listtable listoverridetable revtbl rsidtbl generator "
            "themedata colorschememapping latentstyles datastore xmlnstbl filetbl pn pntxta "
            "pntxtb nonshppict shppict shp shpinst sp sn sv do datafield template author "
            "operator title subject keywords comment doccomm company buptim creatim revtim "
            "printim userprops docvar ftnsep ftnsepc ftncn aftnsep aftnsepc aftncn panose "
            "falt fontemb fontfile mmathPr pgdsctbl listpicture fldinst ud expandedcolortbl "
            "pgptbl protusertbl wgrffmtfilter fchars lchars background";
        for (std::size_t at = 0; at < skipped.size();) {
            const std::size_t space = std::min(skipped.find(' ', at), skipped.size());
            t.emplace(skipped.substr(at, space - at), Cmd::SkipDest);
            at = space + 1;
        }
        return t;
    }();
    return table;
}

char16_t specialChar(std::string_view name) {
    static const std::unordered_map<std::string_view, char16_t> chars{
        {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019}, {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"emdash", 0x2014},  {"endash", 0x2013}, {"emspace", 0x2003},
        {"enspace", 0x2002},   {"qmspace", 0x2005}, {"zwj", 0x200D},    {"zwnj", 0x200C},
        {"ltrmark", 0x200E},   {"rtlmark", 0x200F},
    };
    auto it = chars.find(name);
    return it == chars.end() ? char16_t(0) : it->second;
}

// Leaves only characters that the document holds as plain characters: QTextCursor would
// turn CR, LF and U+2029 into paragraphs, and a lone surrogate is no character at all.
void sanitize(QString& text) {
    QChar* p = text.data();
    const qsizetype n = text.size();
    qsizetype out = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = p[i].unicode();
        if (c < 0x20 && c != '\t')
            continue;
        if (c == 0x2029)
            c = 0x2028;
        else if (c == 0xFDD0 || c == 0xFDD1)
            c = 0xFFFD;
        else if (QChar::isHighSurrogate(c)) {
            if (i + 1 < n && QChar::isLowSurrogate(p[i + 1].unicode())) {
                p[out++] = QChar(c);
                c = p[++i].unicode();
            } else {
                c = 0xFFFD;
            }
        } else if (QChar::isLowSurrogate(c)) {
            c = 0xFFFD;
        }
        p[out++] = QChar(c);
    }
    text.truncate(out);
}

class Reader {
public:
    Reader(QByteArrayView source, QTextCursor& cursor, bool wholeDocument)
        : tokenizer_(source), cursor_(cursor), wholeDocument_(wholeDocument) {
        stack_.reserve(64);
        stack_.emplace_back();
        if (!wholeDocument_) {
            continuationFormat_ = cursor_.blockFormat();
            blockAlign_ = continuationFormat_.alignment() & Qt::AlignHorizontal_Mask;
            blockHasText_ = !cursor_.block().text().isEmpty();
        }
    }

    void run();

private:
    GroupState& top() { return stack_.back(); }

    void groupStart();
    void groupEnd();
    void textToken(const Token& t);
    void fontTableToken(const Token& t);
    void colorTableToken(const Token& t);
    void textWord(const Token& t);

    int codePage();
    void appendBytes(QByteArrayView bytes);
    void appendChar(char32_t c);
    void beginContent();
    void decodePending();
    void flushRun();
    void paragraphEnd();
    void makePendingParagraph();
    void setAlignment(Qt::Alignment align);
    void finish();
    const QTextCharFormat& formatFor(const CharState& ch);

    void startFont(int index);
    void finishFont();
    void fontNameBytes(QByteArrayView bytes);
    int fontCodePage() const { return font_.codePage != 0 ? font_.codePage : docCodePage_; }

    Tokenizer tokenizer_;
    CodePageDecoder decoders_;
    QTextCursor& cursor_;
    const bool wholeDocument_;
    std::vector<GroupState> stack_;
    std::size_t overflow_ = 0; // groups opened beyond kMaxDepth and not yet closed
    int skip_ = 0;             // fallback characters of \uN still to skip

    int docCodePage_ = kSystemCodePage;
    int defaultFont_ = 0;
    bool codePageDirty_ = true;
    int codePage_ = kSystemCodePage;

    std::unordered_map<int, FontEntry> fonts_;
    int fontIndex_ = -1; // font table entry being read
    FontEntry font_;
    QByteArray fontBytes_;

    std::vector<QColor> colors_;
    int red_ = -1, green_ = -1, blue_ = -1;

    // The run being collected: text of one character format, inserted in one call.
    QString run_;
    std::string pending_; // bytes of the run not yet decoded
    int pendingCodePage_ = 0;
    CharState runCh_;
    bool runOpen_ = false;
    std::vector<std::pair<CharState, QTextCharFormat>> formats_;

    bool blockHasText_ = false;
    bool pendingPar_ = false; // a \par whose new paragraph is made when content follows
    Qt::Alignment pendingAlign_ = Qt::AlignLeft;
    Qt::Alignment lastAlign_ = Qt::AlignLeft;  // of the last content
    QTextBlockFormat continuationFormat_;      // of paragraphs that \par makes
    Qt::Alignment blockAlign_ = Qt::AlignLeft; // of the paragraph being read
};

void Reader::run() {
    for (;;) {
        if (codePageDirty_)
            tokenizer_.setCodePage(codePage());
        const Token t = tokenizer_.next();
        switch (t.kind) {
        case Token::End:
            finish();
            return;
        case Token::GroupStart:
            groupStart();
            continue;
        case Token::GroupEnd:
            groupEnd();
            continue;
        default:
            break;
        }
        const Dest dest = top().dest;
        if (dest == Dest::Skip)
            continue;
        if (t.kind == Token::Binary) {
            // Binary data is never text, but it counts as one fallback character.
            if (skip_ > 0)
                --skip_;
            continue;
        }
        if (skip_ > 0 && t.kind != Token::Text) {
            --skip_;
            continue;
        }
        switch (dest) {
        case Dest::Text:
            textToken(t);
            break;
        case Dest::FontTable:
            fontTableToken(t);
            break;
        case Dest::ColorTable:
            colorTableToken(t);
            break;
        case Dest::Skip:
            break;
        }
    }
}

void Reader::groupStart() {
    skip_ = 0;
    if (stack_.size() < kMaxDepth)
        stack_.push_back(stack_.back());
    else
        ++overflow_;
}

void Reader::groupEnd() {
    skip_ = 0;
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    if (stack_.size() <= 1)
        return; // a stray '}': keep reading what follows
    const Dest closing = stack_.back().dest;
    stack_.pop_back();
    if (closing == Dest::FontTable && top().dest != Dest::FontTable) {
        finishFont();
        formats_.clear();
    }
    codePageDirty_ = true;
}

int Reader::codePage() {
    if (codePageDirty_) {
        int cp = 0;
        if (top().dest == Dest::FontTable && fontIndex_ >= 0) {
            cp = font_.codePage;
        } else {
            const int index = top().ch.font < 0 ? defaultFont_ : top().ch.font;
            auto it = fonts_.find(index);
            if (it != fonts_.end())
                cp = it->second.codePage;
        }
        codePage_ = cp != 0 ? cp : docCodePage_;
        codePageDirty_ = false;
    }
    return codePage_;
}

void Reader::textToken(const Token& t) {
    switch (t.kind) {
    case Token::Text: {
        QByteArrayView bytes = t.text;
        if (skip_ > 0) {
            const qsizetype n = std::min<qsizetype>(skip_, bytes.size());
            skip_ -= static_cast<int>(n);
            bytes = bytes.sliced(n);
        }
        appendBytes(bytes);
        break;
    }
    case Token::HexByte: {
        const char b = static_cast<char>(t.byte);
        appendBytes(QByteArrayView(&b, 1));
        // Text outside ASCII is mostly long runs of \'hh: take them in one go.
        if (!top().hidden)
            tokenizer_.takeHexBytes(pending_);
        break;
    }
    case Token::Symbol:
        switch (t.symbol) {
        case '\\':
        case '{':
        case '}':
            appendBytes(QByteArrayView(&t.symbol, 1));
            break;
        case '~':
            appendChar(0x00A0);
            break;
        case '_':
            appendChar(0x2011);
            break;
        case '\n':
            paragraphEnd();
            break;
        case '*':
            top().dest = Dest::Skip;
            break;
        default:
            break; // optional hyphen and index marks: nothing to show
        }
        break;
    case Token::Word:
        textWord(t);
        break;
    default:
        break;
    }
}

void Reader::textWord(const Token& t) {
    const auto& table = commands();
    const auto it = table.find(t.name);
    if (it == table.end())
        return;
    GroupState& g = top();
    const bool on = !t.hasParam || t.param != 0;
    switch (it->second) {
    case Cmd::Bold:
        g.ch.bold = on;
        break;
    case Cmd::Italic:
        g.ch.italic = on;
        break;
    case Cmd::Underline:
        g.ch.underline = on;
        break;
    case Cmd::UnderlineNone:
        g.ch.underline = false;
        break;
    case Cmd::Strike:
        g.ch.strike = on;
        break;
    case Cmd::FontSize:
        g.ch.halfPoints =
            !t.hasParam || t.param <= 0 ? kDefaultHalfPoints : std::min(t.param, kMaxHalfPoints);
        break;
    case Cmd::Font:
        g.ch.font = t.hasParam ? t.param : defaultFont_;
        codePageDirty_ = true;
        break;
    case Cmd::Color:
        g.ch.color = t.hasParam ? t.param : 0;
        break;
    case Cmd::Plain:
        g.ch = CharState{};
        g.hidden = false;
        codePageDirty_ = true;
        break;
    case Cmd::Hidden:
        g.hidden = on;
        break;
    case Cmd::Pard:
    case Cmd::AlignLeft:
        g.align = Qt::AlignLeft;
        break;
    case Cmd::AlignCenter:
        g.align = Qt::AlignHCenter;
        break;
    case Cmd::AlignRight:
        g.align = Qt::AlignRight;
        break;
    case Cmd::AlignJustify:
        g.align = Qt::AlignJustify;
        break;
    case Cmd::Ansi:
        break; // the system's ANSI code page, which is the default
    case Cmd::Mac:
    case Cmd::Pc:
    case Cmd::Pca:
        docCodePage_ = it->second == Cmd::Mac ? 10000 : it->second == Cmd::Pc ? 437 : 850;
        codePageDirty_ = true;
        break;
    case Cmd::AnsiCodePage:
        if (t.hasParam && t.param > 0) {
            docCodePage_ = t.param;
            codePageDirty_ = true;
        }
        break;
    case Cmd::DefaultFont:
        if (t.hasParam) {
            defaultFont_ = t.param;
            codePageDirty_ = true;
        }
        break;
    case Cmd::UnicodeSkip:
        g.uc = t.hasParam ? std::clamp(t.param, 0, kMaxFallbackSkip) : 1;
        break;
    case Cmd::Unicode: {
        if (!t.hasParam)
            break;
        const int value = t.param;
        if (value >= -32768 && value < 0)
            appendChar(static_cast<char32_t>(value + 65536));
        else if (value >= 0 && value <= 0x10FFFF)
            appendChar(static_cast<char32_t>(value)); // some writers put whole code points
        else
            appendChar(0xFFFD);
        skip_ = g.uc;
        break;
    }
    case Cmd::FontTable:
        g.dest = Dest::FontTable;
        fontIndex_ = -1;
        break;
    case Cmd::ColorTable:
        g.dest = Dest::ColorTable;
        colors_.clear();
        formats_.clear();
        red_ = green_ = blue_ = -1;
        break;
    case Cmd::Par:
        paragraphEnd();
        break;
    case Cmd::Line:
        appendChar(QChar::LineSeparator);
        break;
    case Cmd::Tab:
        appendChar('\t');
        break;
    case Cmd::Char:
        appendChar(specialChar(t.name));
        break;
    case Cmd::SkipDest:
        g.dest = Dest::Skip;
        break;
    case Cmd::Charset:
    case Cmd::CodePage:
    case Cmd::Red:
    case Cmd::Green:
    case Cmd::Blue:
        break; // table words outside their tables
    }
}

void Reader::fontTableToken(const Token& t) {
    switch (t.kind) {
    case Token::Text: {
        QByteArrayView bytes = t.text;
        if (skip_ > 0) {
            const qsizetype n = std::min<qsizetype>(skip_, bytes.size());
            skip_ -= static_cast<int>(n);
            bytes = bytes.sliced(n);
        }
        // A ';' ends the name; entries without their own group follow each other.
        while (!bytes.isEmpty()) {
            const qsizetype semi = bytes.indexOf(';');
            if (semi < 0) {
                fontNameBytes(bytes);
                break;
            }
            fontNameBytes(bytes.first(semi));
            finishFont();
            bytes = bytes.sliced(semi + 1);
        }
        break;
    }
    case Token::HexByte: {
        const char b = static_cast<char>(t.byte);
        fontNameBytes(QByteArrayView(&b, 1));
        break;
    }
    case Token::Symbol:
        if (t.symbol == '*')
            top().dest = Dest::Skip;
        else if (t.symbol == '\\' || t.symbol == '{' || t.symbol == '}')
            fontNameBytes(QByteArrayView(&t.symbol, 1));
        break;
    case Token::Word:
        if (t.name == "f") {
            startFont(t.hasParam ? t.param : 0);
        } else if (t.name == "fcharset" && t.hasParam && fontIndex_ >= 0) {
            if (const int cp = codePageOfCharset(t.param))
                font_.codePage = cp;
            codePageDirty_ = true;
        } else if (t.name == "cpg" && t.hasParam && t.param > 0 && fontIndex_ >= 0) {
            font_.codePage = t.param;
            codePageDirty_ = true;
        } else if (t.name == "uc") {
            top().uc = t.hasParam ? std::clamp(t.param, 0, kMaxFallbackSkip) : 1;
        } else if (t.name == "u" && t.hasParam && fontIndex_ >= 0) {
            const int value = t.param < 0 ? t.param + 65536 : t.param;
            if (value >= 0 && value <= 0xFFFF) {
                // The name's bytes so far come before this character.
                decoders_.decodeAppend(fontBytes_, fontCodePage(), font_.name);
                fontBytes_.clear();
                font_.name += QChar(static_cast<char16_t>(value));
            }
            skip_ = top().uc;
        } else {
            const auto it = commands().find(t.name);
            if (it != commands().end() && it->second == Cmd::SkipDest)
                top().dest = Dest::Skip;
        }
        break;
    default:
        break;
    }
}

void Reader::startFont(int index) {
    finishFont();
    fontIndex_ = index;
    font_ = FontEntry{};
    fontBytes_.clear();
    codePageDirty_ = true;
}

void Reader::fontNameBytes(QByteArrayView bytes) {
    if (fontIndex_ >= 0)
        fontBytes_.append(bytes);
}

void Reader::finishFont() {
    if (fontIndex_ < 0)
        return;
    decoders_.decodeAppend(fontBytes_, fontCodePage(), font_.name);
    sanitize(font_.name);
    font_.name = font_.name.trimmed();
    fonts_[fontIndex_] = font_;
    fontIndex_ = -1;
    font_ = FontEntry{};
    fontBytes_.clear();
    codePageDirty_ = true;
}

void Reader::colorTableToken(const Token& t) {
    if (t.kind == Token::Word) {
        const int value = t.hasParam ? std::clamp(t.param, 0, 255) : 0;
        if (t.name == "red")
            red_ = value;
        else if (t.name == "green")
            green_ = value;
        else if (t.name == "blue")
            blue_ = value;
        return;
    }
    if (t.kind != Token::Text)
        return;
    for (char c : t.text) {
        if (c != ';')
            continue;
        // An entry without any component is "auto", the text colour of the viewer.
        if (red_ < 0 && green_ < 0 && blue_ < 0)
            colors_.emplace_back();
        else
            colors_.emplace_back(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0));
        red_ = green_ = blue_ = -1;
    }
}

void Reader::beginContent() {
    makePendingParagraph();
    const CharState& ch = top().ch;
    if (!runOpen_ || !(runCh_ == ch)) {
        flushRun();
        runCh_ = ch;
        runOpen_ = true;
    }
    lastAlign_ = top().align;
}

void Reader::appendBytes(QByteArrayView bytes) {
    if (bytes.isEmpty() || top().hidden)
        return;
    beginContent();
    const int cp = codePage();
    if (cp != pendingCodePage_)
        decodePending();
    pendingCodePage_ = cp;
    pending_.append(bytes.data(), static_cast<std::size_t>(bytes.size()));
}

void Reader::appendChar(char32_t c) {
    if (c == 0 || top().hidden)
        return;
    beginContent();
    decodePending();
    if (c > 0xFFFF) {
        run_ += QChar(QChar::highSurrogate(c));
        run_ += QChar(QChar::lowSurrogate(c));
    } else {
        run_ += QChar(static_cast<char16_t>(c));
    }
}

void Reader::decodePending() {
    if (pending_.empty())
        return;
    decoders_.decodeAppend(QByteArrayView(pending_.data(), static_cast<qsizetype>(pending_.size())),
                           pendingCodePage_, run_);
    pending_.clear();
}

void Reader::flushRun() {
    decodePending();
    if (!run_.isEmpty()) {
        sanitize(run_);
        if (!run_.isEmpty()) {
            cursor_.insertText(run_, formatFor(runCh_));
            blockHasText_ = true;
        }
        run_.clear();
    }
    runOpen_ = false;
}

void Reader::paragraphEnd() {
    if (top().hidden)
        return;
    makePendingParagraph();
    flushRun();
    if (!blockHasText_)
        cursor_.setBlockCharFormat(formatFor(top().ch)); // what an empty line is typed in
    // The next paragraph is made only when content follows, so the \par that ends the last
    // paragraph adds no empty line. Its alignment waits too: pasted into a paragraph, a
    // last \par that is dropped must not change the alignment there.
    pendingAlign_ = top().align;
    pendingPar_ = true;
}

void Reader::makePendingParagraph() {
    if (!pendingPar_)
        return;
    pendingPar_ = false;
    setAlignment(pendingAlign_);
    cursor_.insertBlock(continuationFormat_);
    blockAlign_ = continuationFormat_.alignment() & Qt::AlignHorizontal_Mask;
    blockHasText_ = false;
}

void Reader::setAlignment(Qt::Alignment align) {
    if (align == blockAlign_)
        return;
    blockAlign_ = align;
    QTextBlockFormat format = cursor_.blockFormat();
    format.setAlignment(align);
    cursor_.setBlockFormat(format);
}

void Reader::finish() {
    flushRun();
    if (!wholeDocument_)
        return;
    if (pendingPar_)
        setAlignment(pendingAlign_);
    else if (blockHasText_)
        setAlignment(lastAlign_);
}

const QTextCharFormat& Reader::formatFor(const CharState& ch) {
    for (const auto& [state, format] : formats_)
        if (state == ch)
            return format;
    QTextCharFormat format;
    const auto font = fonts_.find(ch.font < 0 ? defaultFont_ : ch.font);
    if (font != fonts_.end() && !font->second.name.isEmpty())
        format.setFontFamilies(QStringList{font->second.name});
    format.setFontPointSize(ch.halfPoints / 2.0);
    format.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(ch.italic);
    format.setFontUnderline(ch.underline);
    format.setFontStrikeOut(ch.strike);
    if (ch.color >= 0 && static_cast<std::size_t>(ch.color) < colors_.size() &&
        colors_[ch.color].isValid())
        format.setForeground(colors_[ch.color]);
    if (formats_.size() >= 64)
        formats_.clear(); // documents with this many formats are rare; start over
    formats_.emplace_back(ch, std::move(format));
    return formats_.back().second;
}

// The source from its "{\rtf" on; empty when it is not RTF.
QByteArrayView rtfStart(QByteArrayView source) {
    qsizetype i = 0;
    while (i < source.size() &&
           (source[i] == ' ' || source[i] == '\t' || source[i] == '\r' || source[i] == '\n'))
        ++i;
    source = source.sliced(i);
    return source.startsWith("{\\rtf") ? source : QByteArrayView();
}

void throwIfNotRtf(QByteArrayView source) {
    if (rtfStart(source).isEmpty())
        throw PukanaError(err::InvalidFormat,
                          errorDescription(err::InvalidFormat) %
                              QStringLiteral("リッチテキスト形式（RTF）のデータは "
                                             "{\\rtf で始まりますが、このデータはちがいます。"));
}

} // namespace

bool looksLikeRtf(QByteArrayView source) {
    return !rtfStart(source).isEmpty();
}

void read(QByteArrayView source, QTextDocument& doc) {
    throwIfNotRtf(source);
    source = rtfStart(source);
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false); // loading is not an edit to undo
    struct RestoreUndo {
        QTextDocument& doc;
        bool undo;
        ~RestoreUndo() { doc.setUndoRedoEnabled(undo); }
    } restore{doc, undo};
    doc.clear();
    QTextCursor cursor(&doc);
    // One edit block: the layout (if any) is updated once, not after every run.
    cursor.beginEditBlock();
    Reader(source, cursor, true).run();
    cursor.endEditBlock();
}

void insert(QByteArrayView source, QTextCursor& cursor) {
    throwIfNotRtf(source);
    source = rtfStart(source);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    Reader(source, cursor, false).run();
    cursor.endEditBlock();
}

} // namespace pukana::rtf

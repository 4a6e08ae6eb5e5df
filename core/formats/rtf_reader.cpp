#include "core/formats/rtf_reader.h"

#include "core/error.h"
#include "core/formats/rtf_char_format.h"
#include "core/formats/rtf_codepage.h"
#include "core/formats/rtf_document_builder.h"
#include "core/formats/rtf_keywords.h"
#include "core/formats/rtf_tables.h"
#include "core/formats/rtf_tokenizer.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace pukana::rtf {

namespace {

// Groups nested deeper than this share the state of the deepest one: the text inside is
// still read, but the stack cannot grow without bound.
constexpr std::size_t kMaxDepth = 1024;
constexpr int kMaxFallbackSkip = 64;
// Without \ansicpg the text is in the system's ANSI code page, Shift_JIS on the desktops
// this editor is made for.
constexpr int kSystemCodePage = 932;

enum class Dest : std::uint8_t { Text, FontTable, ColorTable, Skip };

struct GroupState {
    CharState ch;
    Qt::Alignment align = Qt::AlignLeft;
    int uc = 1;
    Dest dest = Dest::Text;
    bool hidden = false;
};

class Reader {
public:
    Reader(QByteArrayView source, CodePageDecoder& decoders, FormatTables& tables,
           RunBuilder& builder)
        : tokenizer_(source), decoders_(decoders), tables_(tables), fontTable_(decoders),
          builder_(builder) {
        stack_.reserve(64);
        stack_.emplace_back();
    }

    void run();

private:
    GroupState& top() { return stack_.back(); }

    void groupStart();
    void groupEnd();
    void textToken(const Token& t);
    void textSymbol(char symbol);
    void textWord(const Token& t);
    void documentWord(Cmd cmd, const Token& t);
    void fontTableToken(const Token& t);
    void fontTableWord(const Token& t);
    void colorTableToken(const Token& t);

    int codePage();
    void appendBytes(QByteArrayView bytes);
    void appendChar(char32_t c);
    QByteArrayView afterFallback(QByteArrayView bytes);

    Tokenizer tokenizer_;
    CodePageDecoder& decoders_;
    FormatTables& tables_;
    FontTableReader fontTable_;
    ColorTableReader colorTable_;
    RunBuilder& builder_;
    std::vector<GroupState> stack_;
    std::size_t overflow_ = 0; // groups opened beyond kMaxDepth and not yet closed
    int skip_ = 0;             // fallback characters of \uN still to skip

    int docCodePage_ = kSystemCodePage;
    bool codePageDirty_ = true;
    int codePage_ = kSystemCodePage;
};

void Reader::run() {
    for (;;) {
        if (codePageDirty_)
            tokenizer_.setCodePage(codePage());
        const Token t = tokenizer_.next();
        switch (t.kind) {
        case Token::End:
            builder_.finish();
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
        fontTable_.finish(tables_, docCodePage_);
        builder_.forgetFormats();
    }
    codePageDirty_ = true;
}

int Reader::codePage() {
    if (codePageDirty_) {
        int cp = 0;
        if (top().dest == Dest::FontTable && fontTable_.reading()) {
            cp = fontTable_.codePage(0);
        } else {
            const int font = top().ch.byteFont();
            const auto it = tables_.fonts.find(font < 0 ? tables_.defaultFont : font);
            if (it != tables_.fonts.end())
                cp = it->second.codePage;
        }
        codePage_ = cp != 0 ? cp : docCodePage_;
        codePageDirty_ = false;
    }
    return codePage_;
}

QByteArrayView Reader::afterFallback(QByteArrayView bytes) {
    if (skip_ > 0) {
        const qsizetype n = std::min<qsizetype>(skip_, bytes.size());
        skip_ -= static_cast<int>(n);
        bytes = bytes.sliced(n);
    }
    return bytes;
}

void Reader::appendBytes(QByteArrayView bytes) {
    if (!top().hidden)
        builder_.appendBytes(bytes, codePage(), top().ch, top().align);
}

void Reader::appendChar(char32_t c) {
    if (c != 0 && !top().hidden)
        builder_.appendChar(c, top().ch, top().align);
}

void Reader::textToken(const Token& t) {
    switch (t.kind) {
    case Token::Text:
        appendBytes(afterFallback(t.text));
        break;
    case Token::HexByte: {
        const char b = static_cast<char>(t.byte);
        appendBytes(QByteArrayView(&b, 1));
        // Text outside ASCII is mostly long runs of \'hh: take them in one go.
        if (!top().hidden)
            tokenizer_.takeHexBytes(builder_.pendingBytes());
        break;
    }
    case Token::Symbol:
        textSymbol(t.symbol);
        break;
    case Token::Word:
        textWord(t);
        break;
    default:
        break;
    }
}

void Reader::textSymbol(char symbol) {
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        appendBytes(QByteArrayView(&symbol, 1));
        break;
    case '~':
        appendChar(0x00A0);
        break;
    case '_':
        appendChar(0x2011);
        break;
    case '\n':
        if (!top().hidden)
            builder_.paragraphEnd(top().ch, top().align);
        break;
    case '*':
        top().dest = Dest::Skip;
        break;
    default:
        break; // optional hyphen and index marks: nothing to show
    }
}

void Reader::textWord(const Token& t) {
    const Cmd cmd = keyword(t.name);
    if (cmd == Cmd::Unknown)
        return;
    GroupState& g = top();
    switch (applyCharacterWord(cmd, t, g.ch, tables_.defaultFont)) {
    case CharWordEffect::Font:
        codePageDirty_ = true;
        if (cmd == Cmd::Plain)
            g.hidden = false;
        return;
    case CharWordEffect::Format:
        return;
    case CharWordEffect::None:
        break;
    }
    switch (cmd) {
    case Cmd::Hidden:
        g.hidden = !t.hasParam || t.param != 0;
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
    case Cmd::Par:
        if (!g.hidden)
            builder_.paragraphEnd(g.ch, g.align);
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
    default:
        documentWord(cmd, t);
        break;
    }
}

void Reader::documentWord(Cmd cmd, const Token& t) {
    GroupState& g = top();
    switch (cmd) {
    case Cmd::Mac:
    case Cmd::Pc:
    case Cmd::Pca:
        docCodePage_ = cmd == Cmd::Mac ? 10000 : cmd == Cmd::Pc ? 437 : 850;
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
            tables_.defaultFont = t.param;
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
        break;
    case Cmd::ColorTable:
        g.dest = Dest::ColorTable;
        colorTable_.start(tables_);
        builder_.forgetFormats();
        break;
    default:
        break; // \ansi (the default) and table words outside their tables
    }
}

void Reader::fontTableToken(const Token& t) {
    switch (t.kind) {
    case Token::Text:
        fontTable_.text(afterFallback(t.text), tables_, docCodePage_);
        codePageDirty_ = true;
        break;
    case Token::HexByte: {
        const char b = static_cast<char>(t.byte);
        fontTable_.nameBytes(QByteArrayView(&b, 1));
        break;
    }
    case Token::Symbol:
        if (t.symbol == '*')
            top().dest = Dest::Skip;
        else if (t.symbol == '\\' || t.symbol == '{' || t.symbol == '}')
            fontTable_.nameBytes(QByteArrayView(&t.symbol, 1));
        break;
    case Token::Word:
        fontTableWord(t);
        break;
    default:
        break;
    }
}

void Reader::fontTableWord(const Token& t) {
    const Cmd cmd = keyword(t.name);
    switch (cmd) {
    case Cmd::Font:
        fontTable_.start(t.hasParam ? t.param : 0, tables_, docCodePage_);
        break;
    case Cmd::Charset:
        if (t.hasParam)
            fontTable_.setCharset(t.param);
        break;
    case Cmd::CodePage:
        if (t.hasParam)
            fontTable_.setCodePage(t.param);
        break;
    case Cmd::UnicodeSkip:
        top().uc = t.hasParam ? std::clamp(t.param, 0, kMaxFallbackSkip) : 1;
        return;
    case Cmd::Unicode:
        if (t.hasParam && fontTable_.reading()) {
            const int value = t.param < 0 ? t.param + 65536 : t.param;
            if (value >= 0 && value <= 0xFFFF)
                fontTable_.nameChar(static_cast<char16_t>(value), docCodePage_);
            skip_ = top().uc;
        }
        return;
    case Cmd::SkipDest:
        top().dest = Dest::Skip;
        return;
    default:
        return;
    }
    codePageDirty_ = true;
}

void Reader::colorTableToken(const Token& t) {
    if (t.kind == Token::Word)
        colorTable_.component(t.name, t.hasParam ? t.param : 0);
    else if (t.kind == Token::Text)
        colorTable_.text(t.text, tables_);
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

QString readText(QByteArrayView source) {
    throwIfNotRtf(source);
    CodePageDecoder decoders;
    FormatTables tables;
    PlainTextBuilder builder(decoders);
    Reader(rtfStart(source), decoders, tables, builder).run();
    return std::move(builder.text());
}

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
    CodePageDecoder decoders;
    FormatTables tables;
    DocumentBuilder builder(cursor, true, tables, decoders);
    Reader(source, decoders, tables, builder).run();
    cursor.endEditBlock();
}

void insert(QByteArrayView source, QTextCursor& cursor) {
    throwIfNotRtf(source);
    source = rtfStart(source);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    CodePageDecoder decoders;
    FormatTables tables;
    DocumentBuilder builder(cursor, false, tables, decoders);
    Reader(source, decoders, tables, builder).run();
    cursor.endEditBlock();
}

} // namespace pukana::rtf

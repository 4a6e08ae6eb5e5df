#include "core/formats/rtf_char_format.h"

#include <algorithm>

namespace pukana::rtf {

namespace {

int sizeFrom(const Token& t) {
    return !t.hasParam || t.param <= 0 ? kDefaultHalfPoints : std::min(t.param, kMaxHalfPoints);
}

// The formats a word selected by \loch, \hich or \dbch sets. Associated words before any
// script is selected, or after \rtlch, belong to right-to-left text: none.
template <typename Set> void setSelected(CharState& ch, bool associated, Set set) {
    if (associated && ch.rightToLeft)
        return;
    switch (ch.script) {
    case SelectedScript::Both:
        if (associated)
            return;
        set(ch.latin);
        set(ch.asian);
        break;
    case SelectedScript::Latin:
        set(ch.latin);
        break;
    case SelectedScript::Asian:
        set(ch.asian);
        break;
    }
}

template <typename Set> void setBoth(CharState& ch, Set set) {
    set(ch.latin);
    set(ch.asian);
}

} // namespace

CharWordEffect applyCharacterWord(Cmd cmd, const Token& t, CharState& ch, int defaultFont) {
    const bool on = !t.hasParam || t.param != 0;
    const int font = t.hasParam ? t.param : defaultFont;
    switch (cmd) {
    case Cmd::Bold:
        setBoth(ch, [&](ScriptFormat& f) { f.bold = on; });
        return CharWordEffect::Format;
    case Cmd::Italic:
        setBoth(ch, [&](ScriptFormat& f) { f.italic = on; });
        return CharWordEffect::Format;
    case Cmd::FontSize:
        setBoth(ch, [&](ScriptFormat& f) { f.halfPoints = sizeFrom(t); });
        return CharWordEffect::Format;
    case Cmd::Font:
        setSelected(ch, false, [&](ScriptFormat& f) { f.font = font; });
        return CharWordEffect::Font;
    case Cmd::AssocFont:
        setSelected(ch, true, [&](ScriptFormat& f) { f.font = font; });
        return CharWordEffect::Font;
    case Cmd::AssocSize:
        setSelected(ch, true, [&](ScriptFormat& f) { f.halfPoints = sizeFrom(t); });
        return CharWordEffect::Format;
    case Cmd::AssocBold:
        setSelected(ch, true, [&](ScriptFormat& f) { f.bold = on; });
        return CharWordEffect::Format;
    case Cmd::AssocItalic:
        setSelected(ch, true, [&](ScriptFormat& f) { f.italic = on; });
        return CharWordEffect::Format;
    case Cmd::LowAnsi:
    case Cmd::HighAnsi:
        ch.script = SelectedScript::Latin;
        return CharWordEffect::Font;
    case Cmd::DoubleByte:
        ch.script = SelectedScript::Asian;
        return CharWordEffect::Font;
    case Cmd::RightToLeft:
    case Cmd::LeftToRight:
        ch.rightToLeft = cmd == Cmd::RightToLeft;
        return CharWordEffect::Format;
    case Cmd::Underline:
        ch.underline = on;
        return CharWordEffect::Format;
    case Cmd::UnderlineNone:
        ch.underline = false;
        return CharWordEffect::Format;
    case Cmd::Strike:
        ch.strike = on;
        return CharWordEffect::Format;
    case Cmd::Color:
        ch.color = t.hasParam ? t.param : 0;
        return CharWordEffect::Format;
    case Cmd::Plain:
        ch = CharState{};
        return CharWordEffect::Font;
    default:
        return CharWordEffect::None;
    }
}

int scriptClassOf(char16_t c) {
    if (c < 0x80)
        return 0; // word processors show ASCII in the Latin font, blanks included
    if ((c >= 0x1100 && c <= 0x11FF) || // Hangul Jamo
        (c >= 0x2E80 && c <= 0xD7AF) || // CJK radicals to Hangul syllables
        (c >= 0xD840 && c <= 0xD8BF) || // ideographs of planes 2 and 3
        (c >= 0xF900 && c <= 0xFAFF) || // compatibility ideographs
        (c >= 0xFE30 && c <= 0xFE4F) || // compatibility forms
        (c >= 0xFF00 && c <= 0xFFEF))   // full- and half-width forms
        return 1;
    if ((c >= 0x00A0 && c <= 0x00BF) || c == 0x00D7 || c == 0x00F7 ||
        (c >= 0x2000 && c <= 0x2BFF) || // punctuation, symbols, arrows, shapes
        QChar::isSurrogate(c) || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF)
        return 2;
    return 0;
}

} // namespace pukana::rtf

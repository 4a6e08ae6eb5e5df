// Character formatting while RTF is read: the words that set it, including the associated
// properties word processors write for Japanese text, and which characters take which
// script's properties.
//
// Word processors keep two sets of font, size, bold and italic: one for Latin text (low and
// high ANSI) and one for double-byte text such as Japanese. \loch, \hich and \dbch select
// the script that \f and the associated words \af, \afs, \ab and \ai set; \rtlch sends the
// associated words to right-to-left text (not shown apart here) until \ltrch. \fs, \b and
// \i set both sets, as does \f before any script is selected.
#pragma once

#include "core/formats/rtf_keywords.h"
#include "core/formats/rtf_tokenizer.h"

#include <QStringView>
#include <cstdint>

namespace pukana::rtf {

inline constexpr int kDefaultHalfPoints = 24;
inline constexpr int kMaxHalfPoints = 3276; // 1638 points, the largest size word processors offer

/// Font, size, bold and italic of one script's text.
struct ScriptFormat {
    int font = -1; // -1: the default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool operator==(const ScriptFormat&) const = default;
};

/// The script that \f and the associated words apply to.
enum class SelectedScript : std::uint8_t { Both, Latin, Asian };

struct CharState {
    ScriptFormat latin;
    ScriptFormat asian;
    int color = 0;
    bool underline = false;
    bool strike = false;
    SelectedScript script = SelectedScript::Both;
    bool rightToLeft = false;

    /// True when text in both states looks the same (the word state aside).
    bool sameLook(const CharState& other) const {
        return latin == other.latin && asian == other.asian && color == other.color &&
               underline == other.underline && strike == other.strike;
    }
    /// The font whose code page the text's bytes are in.
    int byteFont() const { return script == SelectedScript::Asian ? asian.font : latin.font; }
};

/// What a word did to the character state.
enum class CharWordEffect : std::uint8_t {
    None,   ///< not a character-formatting word
    Format, ///< the look changed
    Font,   ///< a font or the selected script changed: the code page of bytes may differ
};

/// Applies a character-formatting word `cmd` (with the parameter of `t`) to `ch`.
/// `defaultFont` is what \f without a number selects.
CharWordEffect applyCharacterWord(Cmd cmd, const Token& t, CharState& ch, int defaultFont);

/// Calls `piece(start, length, asian)` for each stretch of `text` that takes one script's
/// properties: Japanese, Chinese and Korean characters and full-width forms take the
/// double-byte script's; ASCII and other letters the Latin ones; other punctuation and
/// symbols go with the characters before them (or after them, at the start). A text of only
/// such characters is one piece, double-byte when `asianByDefault`.
template <typename Piece>
void forEachScriptPiece(QStringView text, bool asianByDefault, Piece piece);

/// 0 Latin, 1 double-byte, 2 goes with its neighbours.
int scriptClassOf(char16_t c);

template <typename Piece>
void forEachScriptPiece(QStringView text, bool asianByDefault, Piece piece) {
    const qsizetype n = text.size();
    qsizetype start = 0;
    int current = 2; // not known yet
    for (qsizetype i = 0; i < n; ++i) {
        const int cls = scriptClassOf(text[i].unicode());
        if (cls == 2 || cls == current)
            continue;
        if (current != 2) {
            piece(start, i - start, current == 1);
            start = i;
        }
        current = cls;
    }
    if (n > start)
        piece(start, n - start, current == 2 ? asianByDefault : current == 1);
}

} // namespace pukana::rtf

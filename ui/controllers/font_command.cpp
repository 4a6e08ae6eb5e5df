#include "ui/controllers/font_command.h"

#include "core/bgr_color.h"
#include "core/error.h"
#include "core/formats/font_family_format.h"
#include "ui/widgets/rich_text_box.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace pukana {

namespace {

/// Runs one transfer step; a step that fails is skipped so the others still happen.
template <typename Step> void attempt(Step step) {
    try {
        step();
    } catch (const PukanaError&) {
    }
}

/// Every attribute of one character format, as the dialog shows it.
FontChoice choiceOf(const QTextCharFormat& format, const QFont& baseFont) {
    FontChoice choice;
    const QString family = fontFamilyOf(format);
    choice.name = family.isEmpty() ? baseFont.family() : family;
    const double size = format.fontPointSize();
    choice.size = size > 0 ? size : baseFont.pointSizeF();
    choice.bold = format.fontWeight() >= QFont::Bold;
    choice.italic = format.fontItalic();
    choice.strikethru = format.fontStrikeOut();
    choice.underline = format.fontUnderline();
    choice.color =
        format.hasProperty(QTextFormat::ForegroundBrush) ? toBgr(format.foreground().color()) : 0;
    return choice;
}

/// Empties each attribute of `choice` for which `drop(mine, theirs)` holds.
template <typename Drop> void dropWhere(FontChoice& choice, const FontChoice& other, Drop drop) {
    auto apply = [&](auto& mine, const auto& theirs) {
        if (drop(mine, theirs))
            mine.reset();
    };
    apply(choice.name, other.name);
    apply(choice.size, other.size);
    apply(choice.bold, other.bold);
    apply(choice.italic, other.italic);
    apply(choice.strikethru, other.strikethru);
    apply(choice.underline, other.underline);
    apply(choice.color, other.color);
}

void dropDifferences(FontChoice& seed, const FontChoice& other) {
    dropWhere(seed, other, [](const auto& a, const auto& b) { return a != b; });
}

void dropEqual(FontChoice& answer, const FontChoice& seed) {
    dropWhere(answer, seed, [](const auto& a, const auto& b) { return a == b; });
}

} // namespace

FontChoice seedFromSelection(const QTextCursor& selection, const QFont& baseFont) {
    if (!selection.hasSelection())
        return choiceOf(selection.charFormat(), baseFont);
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    std::optional<FontChoice> seed;
    for (QTextBlock block = selection.document()->findBlock(start);
         block.isValid() && block.position() < end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const FontChoice here = choiceOf(fragment.charFormat(), baseFont);
            if (!seed)
                seed = here;
            else
                dropDifferences(*seed, here);
        }
    }
    // A selection of paragraph breaks only has no fragment of its own.
    return seed ? *seed : choiceOf(selection.charFormat(), baseFont);
}

FontChoice seedFromSelection(const RichTextBox& box) {
    return seedFromSelection(box.textCursor(), box.baseFont());
}

FontChoice changesFrom(const FontChoice& seed, const FontChoice& answer) {
    FontChoice changes = answer;
    dropEqual(changes, seed);
    return changes;
}

void applyToSelection(RichTextBox& box, const FontChoice& choice) {
    // The 3-point reset only where a size follows it, and no reset of a name that stays
    // mixed: attributes the user left empty keep every character's own value.
    const bool sized = choice.size && *choice.size > 0;
    const RichTextBox::UndoStep step(box); // the whole dialog's change undoes at once
    if (sized)
        attempt([&] { box.setSelectionFontSize(3); });
    if (choice.name) {
        attempt([&] { box.setSelectionFontName(QString()); });
        attempt([&] { box.setSelectionFontName(*choice.name); });
    }
    if (sized)
        attempt([&] { box.setSelectionFontSize(*choice.size); });
    if (choice.bold)
        attempt([&] { box.setSelectionBold(*choice.bold); });
    if (choice.italic)
        attempt([&] { box.setSelectionItalic(*choice.italic); });
    if (choice.color)
        attempt([&] { box.setSelectionColour(*choice.color); });
    if (choice.strikethru)
        attempt([&] { box.setSelectionStrikeOut(*choice.strikethru); });
    if (choice.underline)
        attempt([&] { box.setSelectionUnderline(*choice.underline); });
}

} // namespace pukana

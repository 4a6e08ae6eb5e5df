#include "ui/controllers/font_command.h"

#include "core/error.h"
#include "ui/widgets/rich_text_box.h"

namespace pukana {

namespace {

/// Runs one transfer step; a step that fails is skipped so the others still happen.
template <typename Step> void attempt(Step step) {
    try {
        step();
    } catch (const PukanaError&) {
    }
}

void seedFlag(bool& target, const std::optional<bool>& value) {
    if (value)
        target = *value;
}

} // namespace

FontChoice seedFromSelection(const RichTextBox& box, const FontChoice& previous) {
    FontChoice seed = previous;
    attempt([&] { seed.name = box.selectionFontName(); });
    attempt([&] { seed.size = box.selectionFontSize(); });
    attempt([&] { seedFlag(seed.bold, box.selectionBold()); });
    attempt([&] { seedFlag(seed.italic, box.selectionItalic()); });
    attempt([&] { seed.color = box.selectionColour(); });
    attempt([&] { seedFlag(seed.strikethru, box.selectionStrikeOut()); });
    attempt([&] { seedFlag(seed.underline, box.selectionUnderline()); });
    return seed;
}

void applyToSelection(RichTextBox& box, const FontChoice& choice) {
    // A dialog that reports no usable size leaves the sizes alone rather than leaving
    // the selection at the 3-point reset size.
    const bool sized = choice.size > 0;
    if (sized)
        attempt([&] { box.setSelectionFontSize(3); });
    attempt([&] { box.setSelectionFontName(QString()); });
    attempt([&] { box.setSelectionFontName(choice.name); });
    if (sized)
        attempt([&] { box.setSelectionFontSize(choice.size); });
    attempt([&] { box.setSelectionBold(choice.bold); });
    attempt([&] { box.setSelectionItalic(choice.italic); });
    attempt([&] { box.setSelectionColour(choice.color); });
    attempt([&] { box.setSelectionStrikeOut(choice.strikethru); });
    attempt([&] { box.setSelectionUnderline(choice.underline); });
}

} // namespace pukana

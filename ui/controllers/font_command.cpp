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
    attempt([&] { seed.name = box.SelFontName(); });
    attempt([&] { seed.size = box.SelFontSize(); });
    attempt([&] { seedFlag(seed.bold, box.SelBold()); });
    attempt([&] { seedFlag(seed.italic, box.SelItalic()); });
    attempt([&] { seed.color = box.SelColor(); });
    attempt([&] { seedFlag(seed.strikethru, box.SelStrikeThru()); });
    attempt([&] { seedFlag(seed.underline, box.SelUnderline()); });
    return seed;
}

void applyToSelection(RichTextBox& box, const FontChoice& choice) {
    // A dialog that reports no usable size leaves the sizes alone rather than leaving
    // the selection at the 3-point reset size.
    const bool sized = choice.size > 0;
    const RichTextBox::UndoStep step(box); // the whole dialog's change undoes at once
    if (sized)
        attempt([&] { box.SetSelFontSize(3); });
    attempt([&] { box.SetSelFontName(QString()); });
    attempt([&] { box.SetSelFontName(choice.name); });
    if (sized)
        attempt([&] { box.SetSelFontSize(choice.size); });
    attempt([&] { box.SetSelBold(choice.bold); });
    attempt([&] { box.SetSelItalic(choice.italic); });
    attempt([&] { box.SetSelColor(choice.color); });
    attempt([&] { box.SetSelStrikeThru(choice.strikethru); });
    attempt([&] { box.SetSelUnderline(choice.underline); });
}

} // namespace pukana

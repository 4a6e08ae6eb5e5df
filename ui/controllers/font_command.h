// Moving character formatting between the document's selection and the font dialog.
#pragma once

#include "platform/platform.h"

namespace pukana {

class RichTextBox;

/// The dialog's values seeded from the selection, in the order name, size, bold, italic,
/// colour, strikethrough, underline. An attribute the selection mixes keeps the value the
/// dialog had (`previous`).
FontChoice seedFromSelection(const RichTextBox& box, const FontChoice& previous);

/// Sets the chosen font on the selection: size and name are first reset (size 3, empty name)
/// so every part of the selection takes the new values, then name, size, bold, italic,
/// colour, strikethrough and underline are set. An assignment that fails is skipped.
void applyToSelection(RichTextBox& box, const FontChoice& choice);

} // namespace pukana

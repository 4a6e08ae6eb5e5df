// Moving character formatting between the document's selection and the font dialog.
#pragma once

#include "platform/platform.h"

class QFont;
class QTextCursor;

namespace pukana {

class RichTextBox;

/// The dialog's values seeded from the selection's own characters: each attribute as the
/// first selected character has it (whichever way the selection was made), left empty when
/// another selected character differs. Without a selection, the format typed next.
/// `baseFont` answers for characters that name no face or size of their own.
FontChoice seedFromSelection(const QTextCursor& selection, const QFont& baseFont);
FontChoice seedFromSelection(const RichTextBox& box);

/// The attributes of `answer` that differ from `seed`; the others left empty. What the
/// selection already has is not set again, so its characters keep their formats exactly.
FontChoice changesFrom(const FontChoice& seed, const FontChoice& answer);

/// Sets the chosen font on the selection: size and name are first reset (size 3, empty name)
/// so every part of the selection takes the new values, then name, size, bold, italic,
/// colour, strikethrough and underline are set. An attribute the choice leaves empty is not
/// touched (nor is the reset done for it); an assignment that fails is skipped.
void applyToSelection(RichTextBox& box, const FontChoice& choice);

} // namespace pukana

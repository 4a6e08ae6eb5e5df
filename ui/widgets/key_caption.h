// The caption of a character key: what the key types, and what it shows for it.
#pragma once

#include <QString>

class QPushButton;

namespace pukana {

/// Makes `key` type `typed` and show it readably: a blank shows a visible mark, and "&" is
/// doubled so that the button shows it rather than taking it for an access-key mark.
void showKeyCaption(QPushButton& key, const QString& typed);

/// The text a key set by showKeyCaption types; a key never set types its caption.
QString typedText(const QPushButton& key);

} // namespace pukana

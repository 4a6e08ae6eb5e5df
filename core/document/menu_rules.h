// The enabling rules of the edit menu, the context menu and the file menu's new-document
// item, as pure functions of what the window shows.
#pragma once

#include <QStringView>
#include <optional>

namespace pukana {

/// True when the document is a rich-text one: the caption (the current path) ends in ".rtf"
/// in any letter case. Only the last four characters count.
bool isRichTextCaption(QStringView caption);

/// Enabled states the edit menu gets at an opening. An empty optional leaves that item as
/// the last opening set it.
struct EditMenuEnabling {
    bool cut = true;
    bool copy = true;
    bool paste = true;
    bool del = true;
    std::optional<bool> convert; ///< へんかん
    bool font = true;
};

/// Opening from the menu bar: paste stays enabled whatever the clipboard holds, and the
/// conversion item keeps its state.
EditMenuEnabling menuBarEnabling(int selLength, QStringView caption);

/// Opening as the document's context menu: paste needs rich text on the clipboard, and the
/// conversion item needs a selection.
EditMenuEnabling contextEnabling(int selLength, bool clipboardHasRtf, QStringView caption);

/// The file menu's new-document item: enabled when there is text or an unsaved change.
bool newDocumentEnabled(bool textEmpty, bool modified);

} // namespace pukana

#include "core/document/menu_rules.h"

#include <QString>

namespace pukana {

bool isRichTextCaption(QStringView caption) {
    return caption.right(4).compare(u".rtf", Qt::CaseInsensitive) == 0;
}

EditMenuEnabling menuBarEnabling(int selLength, QStringView caption) {
    EditMenuEnabling e;
    const bool selected = selLength != 0;
    e.cut = e.copy = e.del = selected;
    e.paste = true;
    e.font = isRichTextCaption(caption);
    return e;
}

EditMenuEnabling contextEnabling(int selLength, bool clipboardHasRtf, QStringView caption) {
    EditMenuEnabling e;
    const bool selected = selLength != 0;
    e.cut = e.copy = e.del = selected;
    e.convert = selected;
    e.paste = clipboardHasRtf;
    e.font = isRichTextCaption(caption);
    return e;
}

bool newDocumentEnabled(bool textEmpty, bool modified) {
    return !textEmpty || modified;
}

} // namespace pukana

// The program's pictures: the icon (the same SVG the desktop shows, built into the program)
// and the About picture, drawn.
#pragma once

#include <QIcon>
#include <QImage>

namespace pukana {

/// Resource path of the program icon's SVG.
inline constexpr char ProgramIconResource[] = ":/pukana/pukana.svg";

/// The program icon (a key cap with "ぷ") at `size` × `size` pixels.
QImage programIcon(int size = 32);

/// The window's icon: the program icon in the sizes title bars and task bars ask for, drawn
/// when first asked for.
QIcon programWindowIcon();

/// The About box's picture (322 × 429): an evening sky over hills with a key cap.
QImage aboutPicture();

} // namespace pukana

// The program's pictures, drawn rather than shipped: the 32 × 32 icon and the About picture.
#pragma once

#include <QImage>

namespace pukana {

/// The program icon: a rounded key cap with "ぷ".
QImage programIcon(int size = 32);

/// The About box's picture (322 × 429): an evening sky over hills with a key cap.
QImage aboutPicture();

} // namespace pukana

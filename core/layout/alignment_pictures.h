// The three 16 × 16 alignment pictures of the toolbar.
#pragma once

#include <QImage>

namespace pukana {

enum class AlignmentPicture { Left, Centre, Right };

/// Light grey (0xC0C0C0) with six black one-pixel lines on rows 3, 5, ... 13 (1-based):
/// left: 9 and 13 long from column 2; centre: 14 and 10 long centred on columns 1..14;
/// right: 14 and 10 long ending at column 14.
QImage alignmentPicture(AlignmentPicture kind);

} // namespace pukana

// Icons made when something first paints or measures them, not when they are handed out.
#pragma once

#include <QIcon>
#include <functional>

namespace pukana {

/// An icon whose pictures come from `make`, called once, the first time a size or a pixmap
/// is asked for; until then it costs nothing. It answers exactly as the made icon would.
QIcon deferredIcon(std::function<QIcon()> make);

} // namespace pukana

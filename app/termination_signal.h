// On Unix a session's end may arrive as SIGTERM: it takes the same road as a close request.
#pragma once

#include <QObject>
#include <functional>

namespace pukana {

/// Turns SIGTERM into a call of `onTerminate` on the user-interface thread. Install it as
/// early as possible; signals that arrive before the event loop runs wait for it.
void installTerminationHandler(QObject* context, std::function<void()> onTerminate);

} // namespace pukana

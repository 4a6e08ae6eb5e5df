#include "app/termination_signal.h"

#include <functional>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace pukana {

#ifdef Q_OS_UNIX
namespace {
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: wake the event loop.
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}
} // namespace

void installTerminationHandler(QObject* context, std::function<void()> onTerminate) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context,
                     [onTerminate = std::move(onTerminate)] {
                         char byte = 0;
                         [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
                         onTerminate();
                     });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
}
#else
void installTerminationHandler(QObject*, std::function<void()>) {}
#endif

} // namespace pukana

#include "windows/app/endsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace quotara {
namespace {

// A signal handler may do next to nothing: it writes a byte that the event loop reads.
int caughtPipe[2] = {-1, -1};

void caught(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds an ending.
    [[maybe_unused]] const ssize_t written = ::write(caughtPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void catchEndSignals() {
    // Without the pipe the signals keep their usual effect.
    if (caughtPipe[0] >= 0 || ::pipe2(caughtPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action {};
    action.sa_handler = caught;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART; // the autosave's writes go on undisturbed
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

void onEndSignal(QObject* context, const std::function<void()>& end) {
    if (caughtPipe[0] < 0) return;
    auto* notifier = new QSocketNotifier(caughtPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [end] {
        char bytes[16];
        while (::read(caughtPipe[0], bytes, sizeof bytes) > 0) {
        }
        end();
    });
}

} // namespace quotara

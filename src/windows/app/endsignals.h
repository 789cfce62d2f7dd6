#pragma once
// A logout, a shutdown or Ctrl+C in a terminal (SIGTERM, SIGHUP, SIGINT) must not end the
// program on the spot, losing the trades since the last End Day: a signal caught here is
// handed to the event loop, where the game ends as after File > Exit and Yes.

#include <QObject>

#include <functional>

namespace quotara {

// From now on the three signals are caught; one caught before the event loop can act on it
// waits for it.
void catchEndSignals();

// `end` runs in the event loop for each signal caught (also those caught before), while
// `context` lives.
void onEndSignal(QObject* context, const std::function<void()>& end);

} // namespace quotara

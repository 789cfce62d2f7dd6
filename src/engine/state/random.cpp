#include "state/random.h"

#include <QTime>

namespace quotara {

std::uint32_t SystemClock::msOfDay() {
    return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay());
}

QDate SystemClock::today() {
    return QDate::currentDate();
}

} // namespace quotara

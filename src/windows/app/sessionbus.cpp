#include "windows/app/sessionbus.h"

#include <QDBusConnection>

namespace quotara {

EarlySessionBus::EarlySessionBus(const QString& platformName, std::function<void()> connect) {
    if (bridgeUsesSessionBus(platformName)) thread_ = std::thread(std::move(connect));
}

EarlySessionBus::~EarlySessionBus() {
    if (thread_.joinable()) thread_.join();
}

bool EarlySessionBus::bridgeUsesSessionBus(const QString& platformName) {
    return platformName == QLatin1String("xcb") ||
           platformName.startsWith(QLatin1String("wayland"));
}

void EarlySessionBus::connectSessionBus() {
    // The connection is kept by Qt as the default session bus; the bridge gets this one.
    QDBusConnection::sessionBus();
}

} // namespace quotara

#pragma once

#include <QString>

#include <functional>
#include <thread>

namespace quotara {

// Connects to the desktop's session bus on a thread of its own while the first window is
// being built. The platform's accessibility bridge asks for that connection the first time a
// label gets its text and waits for it there, before the first frame; where no bus address is
// set, the connection even starts a helper program first. Begun early, the wait overlaps the
// rest of the start instead of following it. The thread is joined when this object goes.
class EarlySessionBus {
  public:
    // Nothing is started on a platform without such a bridge (offscreen, minimal).
    explicit EarlySessionBus(const QString& platformName,
                             std::function<void()> connect = connectSessionBus);
    ~EarlySessionBus();
    EarlySessionBus(const EarlySessionBus&) = delete;
    EarlySessionBus& operator=(const EarlySessionBus&) = delete;

    // Whether the platform's accessibility bridge talks to the session bus: X11 and Wayland.
    static bool bridgeUsesSessionBus(const QString& platformName);
    static void connectSessionBus();

  private:
    std::thread thread_;
};

} // namespace quotara

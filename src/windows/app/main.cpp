// Quotara: the application with the real message boxes, clock and data folder, then the game
// until the player leaves.

#include "shipped/news.h"
#include "state/folderlock.h"
#include "state/install.h"
#include "state/settings.h"
#include "windows/app/appidentity.h"
#include "windows/app/autoplay.h"
#include "windows/app/endsignals.h"
#include "windows/app/program.h"
#include "windows/app/qtmessages.h"
#include "windows/app/restart.h"
#include "windows/app/sessionbus.h"
#include "windows/app/zoom.h"
#include "windows/components/look.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    using namespace quotara;
    const DataFolder folder = DataFolder::standard();
    // One program per data folder, settled before anything in it is read or written: a second
    // one would write the same files. A program restarted by the one before it waits a little
    // for that one to end.
    const StartMode mode = startModeOf(argc, argv);
    const FolderLock lock(folder, mode.restarted ? kRestartWait : std::chrono::milliseconds{});
    const int autoplayDays = autoplayRequested();
    if (!lock.held()) {
        QApplication app(argc, argv);
        setApplicationIdentity();
        const bool taken = lock.state() == FolderLock::State::Taken;
        const QString text = taken ? QStringLiteral("Quotara is already running.")
                                   : lock.why() + QStringLiteral(" Quotara does not start.");
        const Messages::Kind kind = taken ? Messages::Kind::Information : Messages::Kind::Error;
        if (autoplayDays >= 0)
            AutoMessages().show(kind, text);
        else
            QtMessages().show(kind, text);
        return 1;
    }
    catchEndSignals();
    // The first start sets up the game's folder with the news file, as an installer would; a
    // missing news file is put back.
    const QString installReport = installDataFolder(folder, shippedNewsFile());

    // The settings are read before the application exists: the zoom must be set by then.
    Settings settings(Settings::standardPath());
    settings.tidy();
    const FileError settingsError = settings.load();
    int zoom = chosenZoom(settings);
    // Until the player chooses a zoom, it follows the screen the game starts on.
    if (!zoom) zoom = zoomSetByEnvironment() ? 100 : zoomForScreen(measureScreen(argc, argv));
    applyZoom(zoom);
    QApplication app(argc, argv);
    const EarlySessionBus bus(QGuiApplication::platformName());
    // The first window shows before the icon's six pictures are decoded.
    setApplicationIdentity(IconTiming::AfterFirstFrame);
    applyLook(app);

    std::unique_ptr<Messages> messages;
    if (autoplayDays >= 0)
        messages = std::make_unique<AutoMessages>();
    else
        messages = std::make_unique<QtMessages>();
    if (!installReport.isEmpty()) messages->show(Messages::Kind::Error, installReport);
    if (settingsError.isError())
        messages->show(Messages::Kind::Error,
                       QStringLiteral("The settings could not be read: ") +
                           settingsError.textFor(settings.path()) +
                           QStringLiteral(". Quotara starts with its usual settings."));

    SystemClock clock;
    return runGame(app, settings, *messages, clock, lock, {mode}, [autoplayDays](Shell& shell) {
        if (autoplayDays >= 0) startAutoplay(shell, autoplayDays);
    });
}

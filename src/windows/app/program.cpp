#include "windows/app/program.h"

#include "play/savefiles.h"
#include "state/game.h"
#include "windows/app/endsignals.h"
#include "windows/app/restart.h"
#include "windows/app/shell.h"
#include "windows/app/zoom.h"
#include "windows/components/ttipoftheday.h"

namespace quotara {

int runGame(QApplication& app, Settings& settings, Messages& messages, Clock& clock,
            const FolderLock& lock, const ProgramStart& start,
            const std::function<void(Shell&)>& running) {
    // The game ends only when the player says so (File > Exit, an Exit button, the exit
    // question, or the main window closed), never because the last visible window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    // What a run stopped in the middle of a write left behind.
    tidyDataFolder(lock);

    Game game(clock, messages, lock.folder());
    game.settings = std::move(settings);
    // No to the start-up question ends the program with no window shown.
    Shell shell(game);
    shell.session().autosaveInBackground();
    // A logout, a shutdown, Ctrl+C, or the desktop session's request to save before logout:
    // the game ends as after File > Exit and Yes, asking nothing. The loops are told to end
    // first, so that no message box can hold the ending up.
    bool ended = false;
    const auto endNow = [&shell, &ended] {
        ended = true;
        QCoreApplication::exit(0);
        shell.session().end();
    };
    onEndSignal(&shell, endNow);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &shell, endNow);
    // A restart belongs to the sitting the player began: the disclaimer and the tip were
    // already answered.
    const bool restarted = start.mode.restarted;
    if (!shell.startUp(!restarted) || ended) return 0;
    // exit() rather than quit(): quit() would first try to close every window, and those that
    // ask the quit question would ask it again.
    QObject::connect(
        &shell, &Shell::quitRequested, &app, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);

    // Whether a tip greets the player, and the zoom, are kept from run to run.
    shell.main().TipOfTheDay1->rememberIn(&game.settings);
    if (restarted) shell.main().TipOfTheDay1->skipStartupTip();
    shell.main().showZoom(zoomInForce());
    QObject::connect(&shell.main(), &Tmain_screen::zoomChosen, &app, [&](int percent) {
        const ZoomChange change{shell.session(),
                                zoomInForce(),
                                zoomSetByEnvironment(),
                                shell.main().pageInFront(),
                                shell.main().selectedShare(),
                                start.launch};
        // The next program is running: this one ends as after File > Exit, asking nothing.
        if (chooseZoom(change, percent)) emit shell.quitRequested();
    });

    shell.main().show();
    if (start.mode.resume)
        whenPlaced(shell.main(), [&shell, running, mode = start.mode] {
            shell.main().resumeWhereLeft(mode.page, mode.share);
            if (running) running(shell);
        });
    else if (running)
        running(shell);
    // An ending the loop was told of before it began would be forgotten by it.
    return ended ? 0 : QApplication::exec();
}

} // namespace quotara

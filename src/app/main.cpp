// Quotara: creates the game and its windows, asks the start-up question and runs the game
// until the main window closes.

#include "app/appidentity.h"
#include "app/qtmessages.h"
#include "app/shell.h"
#include "components/look.h"
#include "components/ttipoftheday.h"
#include "shipped/news.h"
#include "state/game.h"
#include "state/install.h"

#include <QApplication>
#include <QSettings>

#include "app/zoom.h"

int main(int argc, char* argv[]) {
    using namespace quotara;
    // The settings are read before the application exists: the zoom must be set by then.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("quotara"),
                       QStringLiteral("quotara"));
    applyZoom(zoomSetting(settings));
    QApplication app(argc, argv);
    // The game ends only when the player says so (File > Exit, an Exit button, the exit
    // question, or the main window closed), never because the last visible window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    setApplicationIdentity();
    applyLook(app);

    QtMessages messages;
    SystemClock clock;
    const DataFolder folder = DataFolder::standard();
    // The first start sets up the game's folder with the news file, as an installer would.
    const QString report = installDataFolder(folder, shippedNewsFile());
    if (!report.isEmpty()) messages.show(Messages::Kind::Error, report);

    Game game(clock, messages, folder);
    // No to the start-up question ends the program with no window shown.
    Shell shell(game);
    if (!shell.startUp()) return 0;
    QObject::connect(&shell, &Shell::quitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    // Whether a tip greets the player, and the zoom, are kept from run to run.
    shell.main().TipOfTheDay1->rememberIn(&settings);
    shell.main().showZoom(zoomSetting(settings));
    QObject::connect(&shell.main(), &Tmain_screen::zoomChosen, &app, [&](int percent) {
        saveZoom(settings, percent);
        messages.show(
            Messages::Kind::Information,
            QStringLiteral("Quotara opens at %1 % the next time it starts.").arg(percent));
    });

    shell.main().show();
    return app.exec();
}

// Quotara: creates the game and its windows, asks the start-up question and runs the game
// until the main window closes.

#include "app/look.h"
#include "app/otherwindows.h"
#include "app/qtmessages.h"
#include "app/tmain_screen.h"
#include "app/windows.h"
#include "shipped/news.h"
#include "state/game.h"
#include "state/install.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    using namespace quotara;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quotara"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    applyLook(app);

    QtMessages messages;
    SystemClock clock;
    const DataFolder folder = DataFolder::standard();
    // The first start sets up the game's folder with the news file, as an installer would.
    const QString report = installDataFolder(folder, shippedNewsFile());
    if (!report.isEmpty()) messages.show(Messages::Kind::Error, report);

    Game game(clock, messages, folder);
    Windows windows;

    // The main window's start-up runs before any other window exists; No to its question
    // ends the program with no window shown.
    Tmain_screen mainScreen(game, windows);
    windows.main = &mainScreen;
    if (!mainScreen.FormCreate()) return 0;

    OtherWindows others(game, windows);

    QObject::connect(&mainScreen, &Tmain_screen::quitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&others.endgame, &Tendgame::quitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    mainScreen.show();
    return app.exec();
}

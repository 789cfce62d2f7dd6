// Quotara: creates the game and its windows, asks the start-up question and runs the game
// until the main window closes.

#include "app/qtmessages.h"
#include "app/shell.h"
#include "components/look.h"
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
    // No to the start-up question ends the program with no window shown.
    Shell shell(game);
    if (!shell.startUp()) return 0;
    QObject::connect(&shell, &Shell::quitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    shell.main().show();
    return app.exec();
}

#pragma once
// The whole game for window tests: the shell's windows created in the game's order over a
// temporary data folder, with recorded message boxes (Yes unless scripted), or the real boxes
// when a test asks for them, and the main window's clocks stopped so they never rewrite a
// label mid-test.

#include "shipped/news.h"
#include "state/game.h"
#include "state/install.h"
#include "support/fakes.h"
#include "windows/app/qtmessages.h"
#include "windows/app/shell.h"
#include "windows/components/ttipoftheday.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace quotara::test {

class GameWindows {
  public:
    // Only the game over an empty data folder: the test prepares the folder and the answers,
    // then calls startUp.
    struct NotStarted {};
    explicit GameWindows(NotStarted) {
        QVERIFY(tmp.isValid());
        qputenv("XDG_DATA_HOME", tmp.path().toUtf8());
        game = std::make_unique<Game>(clock, boxes, DataFolder(tmp.path() + "/quotara"));
    }
    // The game as a player finds it: the shipped news file installed, start-up answered Yes
    // and the main window shown.
    GameWindows() : GameWindows(NotStarted{}) {
        installNews();
        started = startUp();
        main->show();
    }

    // The folder as the first start leaves it: the shipped news file in place.
    void installNews() { QCOMPARE(installDataFolder(game->folder, shippedNewsFile()), QString()); }
    // The main window's start-up first, then the other windows; false, and no other window,
    // after No to its question.
    bool startUp() {
        shell = std::make_unique<Shell>(*game);
        main = &shell->main();
        // The tip dialog is recorded instead of run, so no test waits on it.
        main->TipOfTheDay1->runModal = [this](QDialog&) { ++tipsShown; };
        for (const char* timer : {"Timer1", "Timer2"})
            find<QTimer>(main, timer)->stop();
        if (!shell->startUp()) return false;
        OtherWindows& w = *shell->others();
        newgame = &w.newgame;
        about = &w.about;
        buysell = &w.buysell;
        players = &w.players;
        datafiles = &w.datafiles;
        ticker = &w.ticker;
        endgame = &w.endgame;
        help = &w.help;
        graph = &w.graph;
        performance = &w.performance;
        hallOfFame = &w.hallOfFame;
        return true;
    }

    GameState& s() { return game->state; }
    // From here on the game shows the real boxes, which the test answers as a player does.
    void useRealBoxes() { boxes.to = &onScreen; }
    Session& session() { return shell->session(); }

    // A control of a window by its component name; fails the test when there is none.
    template <class T = QLabel> static T* find(QWidget* window, const char* name) {
        T* w = window->findChild<T*>(QLatin1String(name));
        if (!w) qFatal("no control %s in %s", name, qPrintable(window->objectName()));
        return w;
    }

    // A label of the main window's page as the player sees it: with the page in front, where
    // it shows today's figures.
    QLabel* onPage(const char* page, const char* label) {
        find<QTabWidget>(main, "PageControl1")->setCurrentWidget(find<QWidget>(main, page));
        return find(main, label);
    }

    // Types the name into the new-game window and presses Start, as a player does.
    void startGame(const QString& name = QStringLiteral("Ann")) {
        newgame->show();
        auto* field = find<QLineEdit>(newgame, "playername");
        field->clear();
        QTest::keyClicks(field, name);
        find<QPushButton>(newgame, "Button1")->click();
    }

    QTemporaryDir tmp;
    FakeClock clock{12'345'678};
    RecordingMessages messages;
    // Where the game's boxes go: the recording, or the real boxes.
    struct Boxes final : Messages {
        explicit Boxes(Messages* to) : to(to) {}
        void show(Kind kind, const QString& text) override { to->show(kind, text); }
        bool ask(Kind kind, const QString& text) override { return to->ask(kind, text); }
        Messages* to;
    } boxes{&messages};
    QtMessages onScreen;
    std::unique_ptr<Game> game;
    bool started = false;
    int tipsShown = 0; // times the tip of the day dialog opened
    std::unique_ptr<Shell> shell;
    // The windows the test drives; null until startUp has made them.
    Tmain_screen* main = nullptr;
    Tnewgame* newgame = nullptr;
    TAboutBox* about = nullptr;
    Tbuysell* buysell = nullptr;
    Tplayerdetails* players = nullptr;
    Tdatafiles* datafiles = nullptr;
    Tticker* ticker = nullptr;
    Tendgame* endgame = nullptr;
    HelpViewer* help = nullptr;
    Tgraph* graph = nullptr;
    Tperformance* performance = nullptr;
    Thalloffame* hallOfFame = nullptr;
};

} // namespace quotara::test

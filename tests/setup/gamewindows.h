#pragma once
// The whole game for window tests: every window created in the game's order over a temporary
// data folder holding the shipped news file, with recorded message boxes (Yes unless
// scripted) and the main window's clocks stopped so they never rewrite a label mid-test.

#include "app/helpviewer.h"
#include "app/taboutbox.h"
#include "app/tmain_screen.h"
#include "app/windows.h"
#include "components/tticker.h"
#include "setup/tendgame.h"
#include "setup/tnewgame.h"
#include "shipped/news.h"
#include "state/game.h"
#include "state/install.h"
#include "support/fakes.h"
#include "trading/tbuysell.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace quotara::test {

class GameWindows {
  public:
    GameWindows() {
        QVERIFY(tmp.isValid());
        qputenv("XDG_DATA_HOME", tmp.path().toUtf8());
        game = std::make_unique<Game>(clock, messages, DataFolder(tmp.path() + "/quotara"));
        QCOMPARE(installDataFolder(game->folder, shippedNewsFile()), QString());
        main = std::make_unique<Tmain_screen>(*game, windows);
        windows.main = main.get();
        for (const char* timer : {"Timer1", "Timer2"})
            main->findChild<QTimer*>(QLatin1String(timer))->stop();
        started = main->FormCreate();
        newgame = std::make_unique<Tnewgame>(*game, windows);
        windows.newgame = newgame.get();
        about = std::make_unique<TAboutBox>(*game, windows);
        windows.about = about.get();
        buysell = std::make_unique<Tbuysell>(*game, windows);
        windows.buysell = buysell.get();
        ticker = std::make_unique<Tticker>(*game, windows);
        windows.ticker = ticker.get();
        endgame = std::make_unique<Tendgame>(*game, windows);
        windows.endgame = endgame.get();
        help = std::make_unique<HelpViewer>(*game, windows);
        windows.help = help.get();
        main->show();
    }
    ~GameWindows() {
        help.reset();
        endgame.reset();
        ticker.reset();
        buysell.reset();
        about.reset();
        newgame.reset();
        main.reset();
    }

    GameState& s() { return game->state; }

    // A control of a window by its component name; fails the test when there is none.
    template <class T = QLabel> static T* find(QWidget* window, const char* name) {
        T* w = window->findChild<T*>(QLatin1String(name));
        if (!w) qFatal("no control %s in %s", name, qPrintable(window->objectName()));
        return w;
    }

    // Types the name into the new-game window and presses Start, as a player does.
    void startGame(const QString& name = QStringLiteral("Ann")) {
        newgame->show();
        auto* field = find<QLineEdit>(newgame.get(), "playername");
        field->clear();
        QTest::keyClicks(field, name);
        find<QPushButton>(newgame.get(), "Button1")->click();
    }

    QTemporaryDir tmp;
    FakeClock clock{12'345'678};
    RecordingMessages messages;
    std::unique_ptr<Game> game;
    Windows windows;
    bool started = false;
    std::unique_ptr<Tmain_screen> main;
    std::unique_ptr<Tnewgame> newgame;
    std::unique_ptr<TAboutBox> about;
    std::unique_ptr<Tbuysell> buysell;
    std::unique_ptr<Tticker> ticker;
    std::unique_ptr<Tendgame> endgame;
    std::unique_ptr<HelpViewer> help;
};

} // namespace quotara::test

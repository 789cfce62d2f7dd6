#pragma once
// What the main window's tests share: the game's windows, found by object name, and start-up
// and a started game as the player reaches them.

#include "market/calendar.h"
#include "play/newgamereset.h"
#include "shipped/tips.h"
#include "state/helptopics.h"
#include "state/money.h"
#include "state/settings.h"
#include "trading/portfolio.h"
#include "windows/app/zoom.h"
#include "windows/components/look.h"
#include "windows/support/gamewindows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace quotara::test {

inline QColor textColour(const QWidget* w) {
    return shownColour(w);
}

struct MainScreenFixture {
    std::unique_ptr<test::GameWindows> g;

    GameState& s() { return g->s(); }
    template <class T = QLabel> T* find(const char* name) {
        return test::GameWindows::find<T>(g->main, name);
    }
    QAction* action(const char* name) { return find<QAction>(name); }
    // The page in front, as a player brings it there: only that page shows today's figures.
    void front(const char* page) {
        find<QTabWidget>("PageControl1")->setCurrentWidget(find<QWidget>(page));
    }
    QAction* popupItem(const char* name) {
        return g->main->popupMenu()->findChild<QAction*>(QLatin1String(name));
    }
    void installNews() { g->installNews(); }
    bool startUp() { return g->startUp(); }
    // Start-up over the shipped news, answered Yes.
    bool opened() {
        installNews();
        return startUp();
    }
    // Opened, then a game started as Start leaves it.
    bool playing() {
        if (!opened()) return false;
        startGame();
        return true;
    }
    // Start for a named single player at the default level (£15,000 to reach £16,000 by
    // 1 February), as the new-game window runs it.
    void startGame() {
        QCOMPARE(g->session().start({QStringLiteral("Ann"), {}, {}}), StartOutcome::Started);
    }
};

// Whatever runs, the player's own data folder is never touched.
template <class Test> int runMainScreenTest(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    applyLook(app);
    Test t;
    return QTest::qExec(&t, argc, argv);
}

} // namespace quotara::test

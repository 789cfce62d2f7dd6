// The player-details window as the player uses it: both roles, Cancel and its messages.

#include "setup/tplayerdetails.h"
#include "state/game.h"
#include "support/fakes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace quotara;

class PlayerDetailsWindowTest : public QObject {
    Q_OBJECT

    test::FakeClock clock;
    test::RecordingMessages messages;
    std::unique_ptr<Game> game;
    std::unique_ptr<Tplayerdetails> w;

    template <class T = QLineEdit> T* find(const char* name) {
        T* c = w->findChild<T*>(QLatin1String(name));
        if (!c) qFatal("no control %s", name);
        return c;
    }
    void type(const char* field, const QString& text) {
        find(field)->clear();
        QTest::keyClicks(find(field), text);
    }
    void ok() { find<QPushButton>("BitBtn1")->click(); }

  private slots:
    void init() {
        game = std::make_unique<Game>(clock, messages, DataFolder(QString()));
        w = std::make_unique<Tplayerdetails>(*game);
        messages.log.clear();
    }
    void cleanup() { w.reset(); }

    void looksAsDesigned() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Player Details"));
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!w->isVisible());
        QCOMPARE(find("player1name")->maxLength(), 19);
        QCOMPARE(find<QLabel>("Label3")->text(), QStringLiteral("Player 2 Name"));
        QCOMPARE(find<QPushButton>("BitBtn1")->text(), QStringLiteral("OK"));
        QVERIFY(find<QPushButton>("BitBtn1")->isDefault());
        QCOMPARE(find<QPushButton>("BitBtn2")->text(), QStringLiteral("Cancel"));
    }

    // The player role renames the single player; the second name plays no part.
    void thePlayerRoleRenamesThePlayer() {
        QSignalSpy renamed(w.get(), &Tplayerdetails::playerRenamed);
        w->showRole(false);
        QVERIFY(w->isVisible());
        QVERIFY(find<QLabel>("Label3")->isVisible());
        QVERIFY(!find("player2name")->isEnabled()); // a single-player game
        type("player1name", QStringLiteral("A nineteen-char nam"));
        ok();
        QVERIFY(!w->isVisible());
        QCOMPARE(renamed.count(), 1);
        QCOMPARE(game->state.username.toQString(), QStringLiteral("A nineteen-char nam"));
        QVERIFY(messages.log.empty());

        // An empty name is a name too.
        w->showRole(false);
        type("player1name", QString());
        ok();
        QCOMPARE(game->state.username.toQString(), QString());
    }

    void theNamesRoleWantsBothNames() {
        game->state.twoplayer = 1;
        QSignalSpy entered(w.get(), &Tplayerdetails::namesEntered);
        w->showRole(true);
        QVERIFY(find("player2name")->isEnabled());
        type("player1name", QStringLiteral("Ann"));
        ok();
        QCOMPARE(messages.texts(),
                 QStringList{"Please enter a name for both player 1 and player 2!"});
        QVERIFY(w->isVisible());
        QCOMPARE(entered.count(), 0);

        type("player2name", QStringLiteral("Bob"));
        ok();
        QVERIFY(!w->isVisible());
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered[0][0].toString(), QStringLiteral("Ann"));
        QCOMPARE(entered[0][1].toString(), QStringLiteral("Bob"));
        QCOMPARE(game->state.p1name.toQString(), QStringLiteral("Ann"));
        QCOMPARE(game->state.p2name.toQString(), QStringLiteral("Bob"));
        QCOMPARE(game->state.username.toQString(), QString()); // not this role's
    }

    // Cancel and Escape only hide; the next opening by Options > Players is the player role.
    void cancelChangesNothing() {
        game->state.twoplayer = 1;
        w->showRole(true);
        type("player1name", QStringLiteral("Ann"));
        find<QPushButton>("BitBtn2")->click();
        QVERIFY(!w->isVisible());
        QVERIFY(game->state.p1name.empty());

        w->showRole(true);
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());

        w->showRole(false);
        QCOMPARE(find("player1name")->text(), QStringLiteral("Ann")); // kept between openings
        type("player2name", QString());
        ok(); // no second name needed
        QVERIFY(messages.log.empty());
        QCOMPARE(game->state.username.toQString(), QStringLiteral("Ann"));
    }
};

QTEST_MAIN(PlayerDetailsWindowTest)
#include "playerdetails_window_test.moc"

// The player-details window as the player uses it: both roles, Cancel and its messages.

#include "state/game.h"
#include "support/fakes.h"
#include "windows/play/tplayerdetails.h"

#include <QApplication>
#include <QKeyEvent>
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
    // Each letter as a key press, also those without a key of their own on this keyboard.
    void type(const char* field, const QString& text) {
        find(field)->clear();
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(find(field), &press);
        }
    }
    void ok() { find<QPushButton>("BitBtn1")->click(); }

  private slots:
    void init() {
        game = std::make_unique<Game>(clock, messages, DataFolder::none());
        w = std::make_unique<Tplayerdetails>(*game);
        messages.log.clear();
    }
    void cleanup() { w.reset(); }

    // Enter in a name confirms it, as OK does.
    void enterConfirmsTheName() {
        w->showRole(false);
        type("player1name", QStringLiteral("Bo"));
        QTest::keyClick(find("player1name"), Qt::Key_Return);
        QVERIFY(!w->isVisible());
        QCOMPARE(game->state.username.toQString(), QStringLiteral("Bo"));
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

    // A letter the saved files cannot hold is refused as it is typed, saying why; a name is
    // cut at 20 letters in the field, where the player sees it.
    void aNameKeepsOnlyWhatASaveCanHold() {
        w->showRole(false);
        type("player1name", QStringLiteral("İsmail Işık"));
        QCOMPARE(find("player1name")->text(), QStringLiteral("smail Ik"));
        QCOMPARE(messages.texts().size(), 3); // İ, ş and ı
        QCOMPARE(messages.texts()[0], QStringLiteral("A name can hold only Western European "
                                                     "letters, so \"İ\" cannot be kept in a "
                                                     "saved game. Please type the name without "
                                                     "it."));
        type("player1name", QStringLiteral("Zoë Ångström-Müller de la Peña"));
        QCOMPARE(find("player1name")->text(), QStringLiteral("Zoë Ångström-Müller "));
        QCOMPARE(messages.texts().size(), 3);
        ok();
        QCOMPARE(game->state.username.toQString(), QStringLiteral("Zoë Ångström-Müller "));
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
        // The names are the new-game window's until Start makes them the players'.
        QVERIFY(game->state.p1name.empty());
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

        // The player role starts from the name in use, not from the names role's text.
        game->state.username.assign(QStringLiteral("Petra"));
        w->showRole(false);
        QCOMPARE(find("player1name")->text(), QStringLiteral("Petra"));
        type("player1name", QStringLiteral("Ann"));
        type("player2name", QString());
        ok(); // no second name needed
        QVERIFY(messages.log.empty());
        QCOMPARE(game->state.username.toQString(), QStringLiteral("Ann"));
    }
};

QTEST_MAIN(PlayerDetailsWindowTest)
#include "playerdetails_window_test.moc"

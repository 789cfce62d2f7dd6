// A game played at random through the real windows: from a seed, each step picks one of the
// things a player can do in the windows on screen (menu commands but quitting, buttons, pages,
// lists, the price pages' right-click menu, typed texts, valid and junk quantities, closing a
// window) and answers every message box at random; after every step the game must be sound.
// The actions are found in the live widgets, so windows that come later are played as well.
//
// QUOTARA_SOAK_ACTIONS sets the number of steps and QUOTARA_SOAK_SEED the seed. A failure
// prints both and the steps that led to it; QUOTARA_SOAK_TRACE prints every step with the date
// as it goes. When the game asks to end (No to the disclaimer after a level), the program is
// started again, as the player would.

#include "market/calendar.h"
#include "windows/components/ttipoftheday.h"
#include "windows/support/gamewindows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QHashSeed>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>

using namespace quotara;

namespace {

struct Action {
    QString what;
    int weight;
    std::function<void()> run;
};

// Quitting ends the game for good; a player who does it is done playing.
bool quits(QString text) {
    return text.remove(QLatin1Char('&'))
               .trimmed()
               .compare(QStringLiteral("Exit"), Qt::CaseInsensitive) == 0;
}

QString nameOf(const QObject* o) {
    const QString name = o->objectName();
    return name.isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : name;
}

// Shown and enabled, and part of this window rather than of a dialog it owns.
bool usable(const QWidget* w, const QWidget* top) {
    return w->window() == top && w->isVisible() && w->isEnabled();
}

constexpr int kMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

class RandomActionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::GameWindows> g;
    std::mt19937 rng;
    QStringList steps;
    bool inAction = false;
    bool ended = false; // the program asked to end
    QString modalSeen;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    // What a player may type: quantities that fit, junk, and names with the pound sign.
    QString someText() {
        static const char* const kJunk[] = {"",    " ",   "12.0", "abc",      "-5",
                                            "+7",  "$FF", "$",    "0",        "99999999999",
                                            "1e3", " 42", "42 ",  "$7FFFFFFF"};
        switch (pick(4)) {
        case 0:
            return QString::number(1 + pick(50));
        case 1:
            return QString::number(pick(5000));
        case 2:
            return QString::fromLatin1(kJunk[pick(int(std::size(kJunk)))]);
        default:
            return QString::fromUtf8("Ann £%1").arg(pick(100));
        }
    }

    void addMenuActions(QMenu* menu, const QString& path, int weight, std::vector<Action>& out) {
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible() || !a->isEnabled() || quits(a->text()))
                continue;
            if (a->menu()) {
                addMenuActions(a->menu(), path + a->text() + " > ", weight, out);
                continue;
            }
            out.push_back({path + a->text(), weight, [a] { a->trigger(); }});
        }
    }

    std::vector<Action> discover() {
        std::vector<Action> out;
        // In a fixed order, so that a seed plays the same game every time.
        QWidgetList tops = QApplication::topLevelWidgets();
        std::stable_sort(tops.begin(), tops.end(), [](QWidget* a, QWidget* b) {
            return std::pair(nameOf(a), a->windowTitle()) < std::pair(nameOf(b), b->windowTitle());
        });
        for (QWidget* top : tops) {
            if (!top->isVisible()) continue;
            const QString window = nameOf(top);

            // A popup menu on screen (the price pages' right-click menu).
            if (auto* menu = qobject_cast<QMenu*>(top)) {
                addMenuActions(menu, window + ": ", 8, out);
                out.push_back({window + ": dismissed", 1, [menu] { menu->hide(); }});
                continue;
            }
            if (auto* main = qobject_cast<QMainWindow*>(top))
                for (QAction* a : main->menuBar()->actions())
                    if (a->menu() && a->isVisible() && a->isEnabled())
                        addMenuActions(a->menu(), window + ": " + a->text() + " > ", 1, out);

            for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
                if (!usable(b, top) || quits(b->text())) continue;
                // End Day moves the game on, to a level's deadline now and then; it comes up
                // more often than any one button.
                const int weight = b->objectName() == "Button1" && top == g->main ? 25 : 4;
                out.push_back(
                    {window + ": " + nameOf(b) + " clicked", weight, [b] { b->click(); }});
            }
            for (QTabWidget* tabs : top->findChildren<QTabWidget*>()) {
                if (!usable(tabs, top)) continue;
                for (int i = 0; i < tabs->count(); ++i)
                    if (tabs->isTabVisible(i) && tabs->isTabEnabled(i))
                        out.push_back({window + ": page " + tabs->tabText(i), 2,
                                       [tabs, i] { tabs->setCurrentIndex(i); }});
            }
            for (QComboBox* combo : top->findChildren<QComboBox*>()) {
                if (!usable(combo, top) || combo->count() == 0) continue;
                const int i = pick(combo->count());
                out.push_back(
                    {window + ": " + nameOf(combo) + " chose " + combo->itemText(i), 3, [combo, i] {
                         combo->setCurrentIndex(i);
                         emit combo->activated(i);
                     }});
            }
            for (QListWidget* list : top->findChildren<QListWidget*>()) {
                if (!usable(list, top) || list->count() == 0) continue;
                const int i = pick(list->count());
                out.push_back(
                    {window + ": " + nameOf(list) + " row " + QString::number(i), 3, [list, i] {
                         list->setCurrentRow(i);
                         emit list->itemClicked(list->item(i));
                     }});
            }
            for (QLineEdit* edit : top->findChildren<QLineEdit*>()) {
                if (!usable(edit, top) || edit->isReadOnly()) continue;
                const QString text = someText();
                out.push_back(
                    {window + ": typed '" + text + "' into " + nameOf(edit), 4, [edit, text] {
                         edit->selectAll();
                         QTest::keyClick(edit, Qt::Key_Backspace);
                         QTest::keyClicks(edit, text);
                     }});
            }
            for (QWidget* w : top->findChildren<QWidget*>()) {
                if (w->contextMenuPolicy() != Qt::CustomContextMenu || !usable(w, top)) continue;
                out.push_back({window + ": right-click on " + nameOf(w), 2, [w] {
                                   QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(2, 2),
                                                       w->mapToGlobal(QPoint(2, 2)));
                                   QApplication::sendEvent(w, &e);
                               }});
            }
            // Closing a window by its frame, but the main window (which ends the game), the
            // end-of-level window (which asks to quit) and the new-game window while it is the
            // only way on (after a level's Continue), which would leave no window at all.
            const bool onlyWayOn = top == g->newgame && !g->main->isVisible();
            if (top != g->main && top != g->endgame && !onlyWayOn)
                out.push_back({window + ": closed", 1, [top] { top->close(); }});
        }
        // The main window's clocks, stopped for the test, tick when the player waits.
        out.push_back({"one second passes", 1, [this] { g->main->time(); }});
        out.push_back({"two seconds pass", 1, [this] { g->main->pan(); }});
        return out;
    }

    // What must hold after every step; empty when all is well.
    QString unsound() {
        const GameState& s = g->s();
        if (!modalSeen.isEmpty()) return "a modal loop blocked the game: " + modalSeen;
        if (s.money < 0) return QStringLiteral("money %1").arg(s.money);
        if (s.twoplayer && (s.p1money < 0 || s.p2money < 0))
            return QStringLiteral("players' money %1 / %2").arg(s.p1money).arg(s.p2money);
        for (int i = 0; i < kShareCount; ++i) {
            const Tshare& t = s.shares[i];
            if (t.owned < 0 || t.cost < 0 || t.p1owned < 0 || t.p2owned < 0)
                return QStringLiteral("share %1 holding %2, cost %3")
                    .arg(i)
                    .arg(t.owned)
                    .arg(t.cost);
            // A purchase under 50p costs nothing, so only this direction holds.
            if (t.owned == 0 && t.cost != 0)
                return QStringLiteral("share %1 holds nothing but cost £%2").arg(i).arg(t.cost);
            if (t.price > t.high || t.price < t.low)
                return QStringLiteral("share %1 price %2 outside %3..%4")
                    .arg(i)
                    .arg(t.price)
                    .arg(t.low)
                    .arg(t.high);
        }
        if (s.month < 1 || s.month > 12 || s.day < 1 || s.day > kMonthDays[s.month])
            return QStringLiteral("date %1/%2/%3").arg(s.day).arg(s.month).arg(s.year);

        bool onScreen = false;
        for (QWidget* top : QApplication::topLevelWidgets())
            onScreen |=
                top->isVisible() && (top == g->main || top == g->endgame || top == g->newgame);
        if (!onScreen) return QStringLiteral("no window left to play on");

        auto* pages = test::GameWindows::find<QTabWidget>(g->main, "PageControl1");
        if (pages->isVisible() && g->main->statusPanel(1)->text() != dateText(s))
            return "date panel " + g->main->statusPanel(1)->text() + " for " + dateText(s);
        if (g->buysell && g->buysell->isVisible()) {
            if (!pages->isVisible()) return QStringLiteral("a trade dialog with no game on screen");
            const QString name = test::GameWindows::find<QLabel>(g->buysell, "name")->text();
            bool known = false;
            for (int i = 0; i < kShareCount; ++i)
                known |= s.shares[i].name.toQString() == name;
            if (!known) return "a trade dialog for '" + name + "', which is no share of the game";
        }
        for (const auto& e : g->messages.log)
            if (e.text.isEmpty()) return QStringLiteral("an empty message box");
        return {};
    }

  private slots:
    void playsWithoutFault() {
        const std::uint32_t seed =
            qEnvironmentVariableIsSet("QUOTARA_SOAK_SEED")
                ? std::uint32_t(qEnvironmentVariableIntValue("QUOTARA_SOAK_SEED"))
                : 20261207u;
        const int count = qEnvironmentVariableIsSet("QUOTARA_SOAK_ACTIONS")
                              ? qEnvironmentVariableIntValue("QUOTARA_SOAK_ACTIONS")
                              : 2000;
        rng.seed(seed);
        const auto startProgram = [this] {
            g.reset();
            g = std::make_unique<test::GameWindows>();
            // The autosave written on a thread of its own, as the program writes it.
            g->session().autosaveInBackground();
            ended = false;
            connect(g->shell.get(), &Shell::quitRequested, this, [this] { ended = true; });
            // The tip dialog opens without a loop of its own, so its buttons are played too;
            // it comes up once as the player would see it at start-up.
            g->main->TipOfTheDay1->runModal = [](QDialog& d) { d.show(); };
            g->main->TipOfTheDay1->showTips();
            // The export's file dialog answers at once: a file, or Cancel.
            g->performance->setChooseFile([this](QWidget*, const QString&) {
                return pick(2) == 0 ? QString() : g->tmp.path() + QStringLiteral("/record.csv");
            });
        };
        // The offscreen platform's complaints (no raise, no keyboard grab) would bury the
        // report.
        static QtMessageHandler passOn = nullptr;
        passOn = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (!text.startsWith(QLatin1String("This plugin does not support")))
                    passOn(type, context, text);
            });
        QHashSeed::setDeterministicGlobalSeed();
        startProgram();
        QVERIFY(g->started);

        // A modal loop inside a step would wait for a player; note it and let it go.
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, this, [this] {
            if (!inAction) return;
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalSeen = nameOf(modal);
                modal->close();
            }
        });
        watchdog.start(200);

        int endDays = 0, levelsEnded = 0, restarts = 0;
        for (int n = 1; n <= count; ++n) {
            // Every message box of this step is answered at random.
            g->messages.log.clear();
            g->messages.answers.clear();
            for (int k = 0; k < 6; ++k)
                g->messages.answers.push_back(pick(2) == 1);

            const std::vector<Action> actions = discover();
            int total = 0;
            for (const Action& a : actions)
                total += a.weight;
            QVERIFY2(total > 0, "no action left to a player");
            int at = pick(total);
            std::size_t chosen = 0;
            while (at >= actions[chosen].weight)
                at -= actions[chosen++].weight;
            const Action& action = actions[chosen];
            steps << QStringLiteral("%1. %2").arg(n).arg(action.what);
            endDays += action.what.endsWith(QLatin1String("Button1 clicked")) &&
                       action.what.startsWith(nameOf(g->main));

            const bool endShown = g->endgame->isVisible();
            inAction = true;
            action.run();
            inAction = false;
            QCoreApplication::processEvents();

            if (qEnvironmentVariableIsSet("QUOTARA_SOAK_TRACE"))
                qInfo("%d %s: day %d/%d daycount %d panel %s", n, qPrintable(action.what),
                      g->s().day, g->s().month, g->s().daycount,
                      qPrintable(g->main->statusPanel(1)->text()));
            // No to the disclaimer after a level's Continue ends the program; the player
            // starts it again.
            levelsEnded += !endShown && g->endgame->isVisible();
            if (ended) {
                ++restarts;
                steps << QStringLiteral("   the program ended and was started again");
                startProgram();
                if (!g->started) QFAIL("start-up refused after a restart");
            }
            const QString fault = unsound();
            if (!fault.isEmpty()) {
                const qsizetype shown = std::min<qsizetype>(steps.size(), 400);
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3\nthe last %4 steps:\n%5")
                                     .arg(seed)
                                     .arg(n)
                                     .arg(fault)
                                     .arg(shown)
                                     .arg(steps.mid(steps.size() - shown).join('\n'))));
            }
        }
        std::fprintf(
            stderr,
            "seed %u: %d actions without fault: %d End Days, %d levels ended, %d restarts\n", seed,
            count, endDays, levelsEnded, restarts);
    }

    void cleanup() {
        g.reset();
        qInstallMessageHandler(nullptr);
    }
};

QTEST_MAIN(RandomActionsTest)
#include "randomactions_test.moc"

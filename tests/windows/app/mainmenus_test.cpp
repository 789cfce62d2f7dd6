// The main window's commands as the player reaches them: the price pages' right-click menu,
// the menus and their keys, the About box, the help, the tip, a level's end and the exit.

#include "mainscreen.h"

using namespace quotara;
using test::textColour;

class MainMenusTest : public QObject, test::MainScreenFixture {
    Q_OBJECT

  private slots:
    void init() { g = std::make_unique<test::GameWindows>(test::GameWindows::NotStarted{}); }
    void cleanup() { g.reset(); }

    // Names of held shares are blue; the right-click "Sell" is enabled only over them, and
    // the menu's items act on the share of the row.
    void pricePageAndItsMenu() {
        QVERIFY(playing());
        s().shares[2].owned = 10;
        s().shares[2].cost = 87;
        s().shares[3].change = -12;
        g->main->dataload();
        auto* pages = find<QTabWidget>("PageControl1");
        pages->setCurrentWidget(find<QWidget>("TabSheet2"));

        QCOMPARE(find("pricesname3")->text(), QStringLiteral("Anglian"));
        QCOMPARE(textColour(find("pricesname3")), QColor(Qt::blue));
        QCOMPARE(textColour(find("Pricesname1")), QColor(Qt::black));
        QCOMPARE(find("prices1")->text(), QStringLiteral("1134"));
        QCOMPARE(find("priceschange4")->text(), QStringLiteral("-12"));
        QCOMPARE(textColour(find("priceschange4")), QColor(Qt::red));
        QCOMPARE(find("priceschange1")->text(), QStringLiteral("+0"));
        QCOMPARE(textColour(find("priceschange1")), QColor(Qt::blue));

        g->main->openPopup(find("Pricesname1"), QPoint(10, 10));
        QVERIFY(!popupItem("Sell1")->isEnabled());
        QVERIFY(popupItem("Buy1")->isEnabled());
        g->main->popupMenu()->hide();
        g->main->openPopup(find("pricesname3"), QPoint(10, 10));
        QVERIFY(popupItem("Sell1")->isEnabled());
        popupItem("Sell1")->trigger();
        g->main->popupMenu()->hide();
        QCOMPARE(g->main->selectedShare(), 2);
        QVERIFY(g->buysell->isVisible());
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        g->buysell->hide();

        g->main->openPopup(find("pricesname12"), QPoint(10, 10));
        popupItem("Buy1")->trigger();
        g->main->popupMenu()->hide();
        QCOMPARE(g->main->selectedShare(), 11);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        front("TabSheet1");
        QCOMPARE(find("Lookupprice")->text(), QStringLiteral("866p"));
        front("TabSheet2");
        g->buysell->hide();

        g->main->openPopup(find("pricesname3"), QPoint(10, 10));
        popupItem("Shareinfo1")->trigger();
        g->main->popupMenu()->hide();
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
        QCOMPARE(g->main->selectedShare(), 2);
        QCOMPARE(find("lookupowned")->text(), QStringLiteral("10 shares"));

        g->main->openPopup(find("pricesname3"), QPoint(10, 10));
        popupItem("Help2")->trigger();
        g->main->popupMenu()->hide();
        QVERIFY(g->help->isVisible());
        QCOMPARE(g->help->browser()->source(), helpUrlForContext(4));
    }

    // The arrows step through the seventeen pages, wrapping round; empty rows open no menu.
    void pricePageArrows() {
        QVERIFY(playing());
        auto* selector = find<QComboBox>("pricespage");
        QCOMPARE(selector->count(), 17);
        QCOMPARE(selector->currentText(), QStringLiteral("Popular Shares"));
        find<QToolButton>("pricesleft")->click();
        QCOMPARE(selector->currentText(), QStringLiteral("Water"));
        QCOMPARE(find("Pricesname1")->text(), QStringLiteral("Anglian"));
        QCOMPARE(find("pricesname2")->text(), QStringLiteral("Hyder"));
        QCOMPARE(find("pricesname3")->text(), QString());
        QCOMPARE(find("prices3")->text(), QString());

        g->main->openPopup(find("pricesname3"), QPoint(10, 10));
        QVERIFY(!g->main->popupMenu()->isVisible());
        g->main->openPopup(find("pricesname2"), QPoint(10, 10));
        popupItem("Shareinfo1")->trigger();
        g->main->popupMenu()->hide();
        QCOMPARE(g->main->selectedShare(), 11);

        find<QToolButton>("pricesright")->click();
        QCOMPARE(selector->currentText(), QStringLiteral("Popular Shares"));
        QCOMPARE(find("pricesname2")->text(), QStringLiteral("Alliance & Leicester"));
    }

    // The level's last day: the verdict window replaces the main window and the ticker.
    void levelEndOpensTheVerdict() {
        QVERIFY(playing());
        s().endday = 2;
        s().endmonth = 1;
        find<QPushButton>("Button1")->click();
        QVERIFY(g->messages.texts().contains(QStringLiteral("You made a profit of £0")));
        QVERIFY(g->endgame->isVisible());
        QVERIFY(!g->main->isVisible());
        QVERIFY(!g->ticker->isVisible());
    }

    void exitAsksFirst() {
        QVERIFY(opened());
        QSignalSpy quit(g->main, &Tmain_screen::quitRequested);
        g->messages.answers = {false};
        action("Exit1")->trigger();
        QCOMPARE(g->messages.log.back().text,
                 QStringLiteral("Are you sure you want to quit Quotara?"));
        QCOMPARE(g->messages.log.back().kind, Messages::Kind::Confirmation);
        QCOMPARE(quit.count(), 0);
        g->messages.answers = {true};
        action("Exit1")->trigger();
        QCOMPARE(quit.count(), 1);
        // Closing the window ends the game without a question.
        const auto asked = g->messages.log.size();
        g->main->close();
        QCOMPARE(quit.count(), 2);
        QCOMPARE(g->messages.log.size(), asked);
    }

    void aboutBoxIsOneWindow() {
        QVERIFY(opened());
        action("About1")->trigger();
        action("About1")->trigger();
        int shown = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TAboutBox*>(w) && w->isVisible()) ++shown;
        QCOMPARE(shown, 1);
        QCOMPARE(g->about->windowTitle(), QStringLiteral("About"));
        QVERIFY(g->about->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!g->about->isModal());
        QCOMPARE(g->about->findChild<QLabel*>("ProductName")->text(), QStringLiteral("Quotara"));
        QCOMPARE(g->about->findChild<QLabel*>("Version")->text(),
                 QStringLiteral("Version 2.0 for Windows 95/98"));
        QVERIFY(!g->about->findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
        g->about->findChild<QPushButton*>("OKButton")->click();
        QVERIFY(!g->about->isVisible());
    }

    // The first show of the main window, after the disclaimer and start-up, greets the
    // player with one of the eight tips; Help > Tip of the day opens the dialog again.
    void greetedByATip() {
        QVERIFY(opened());
        QCOMPARE(g->tipsShown, 0);
        g->main->show();
        QTest::qWait(0);
        QCOMPARE(g->tipsShown, 1);
        TTipOfTheDayForm* form = g->main->TipOfTheDay1->form();
        QCOMPARE(form->windowTitle(), QStringLiteral("Tip of the day"));
        QCOMPARE(form->HeaderLabel()->text(), QStringLiteral("Did you know..."));
        TTipList tips;
        tips.ReadTipList(shippedTipList());
        QVERIFY(std::any_of(tips.tips.begin(), tips.tips.end(),
                            [&](const TTip& t) { return t.Tip == form->TipLabel()->text(); }));
        g->main->hide();
        g->main->show();
        QTest::qWait(0);
        QCOMPARE(g->tipsShown, 1);
        action("Tipoftheday1")->trigger();
        QCOMPARE(g->tipsShown, 2);
        QVERIFY(g->messages.log.size() == 1); // the disclaimer only
    }

    // The empty window says what to do first; a page of a sector with no company says so.
    void hintsForTheEmptyWindowAndAnEmptyPricePage() {
        QVERIFY(opened());
        g->main->show();
        QVERIFY(find("starthint")->isVisible());
        QVERIFY(find("starthint")->text().contains(QStringLiteral("File > New Game")));
        startGame();
        QVERIFY(!find("starthint")->isVisible());
        auto* pages = find<QTabWidget>("PageControl1");
        pages->setCurrentWidget(find<QWidget>("TabSheet2"));
        auto* selector = find<QComboBox>("pricespage");
        QVERIFY(!find("pricesempty")->isVisible());
        selector->setCurrentIndex(10); // sector 6: no company
        g->main->dataload();
        QCOMPARE(find("Pricesname1")->text(), QString());
        QVERIFY(find("pricesempty")->isVisible());
        selector->setCurrentIndex(5); // banks
        g->main->dataload();
        QVERIFY(!find("pricesempty")->isVisible());
    }

    // Everything readable: the status bar's share entry and a 20-character name fit their
    // panels, and a long company name keeps a readable size on the Portfolio page.
    void longTextsFit() {
        installNews();
        QVERIFY(startUp());
        g->main->show();
        g->startGame(QStringLiteral("Annabel Longname-Smy"));
        const auto fits = [](QLabel* label) {
            return QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                   label->contentsRect().width();
        };
        for (int tick = 0; tick < kShareCount; ++tick) {
            g->main->time();
            QVERIFY2(fits(g->main->statusPanel(3)), qPrintable(g->main->statusPanel(3)->text()));
        }
        auto* bar = find<QStatusBar>("status");
        QVERIFY(g->main->statusPanel(3)->geometry().right() < bar->width());
        QCOMPARE(g->main->statusPanel(2)->text(), QStringLiteral("User - Annabel Longname-Smy"));
        QVERIFY(fits(g->main->statusPanel(2)));

        s().shares[1].owned = 10; // Alliance & Leicester
        s().shares[1].cost = 80;
        front("TabSheet6");
        QCOMPARE(find("name1")->text(), QStringLiteral("Alliance & Leicester"));
        QVERIFY(fits(find("name1")));
        QVERIFY(QFontInfo(find("name1")->font()).pixelSize() >= 11);
    }

    void helpContents() {
        QVERIFY(opened());
        action("Contents1")->trigger();
        QVERIFY(g->help->isVisible());
        QCOMPARE(g->help->browser()->source(), helpUrlForContext(1));
        QVERIFY(g->help->browser()->toPlainText().size() > 100);
        QCOMPARE(g->help->windowTitle(), QStringLiteral("Quotara Help - Contents"));
        g->help->showTopic(kHelpSharePrices);
        QCOMPARE(g->help->windowTitle(), QStringLiteral("Quotara Help - Share Prices"));
    }

    // The fault: the thumb was drawn lighter than its groove, so at the top of a page the
    // darker groove below it read as a thumb at the bottom. The darker part of the bar is
    // where the page is: at its top end at the top, at its bottom end at the bottom.
    void theHelpsScrollBarShowsWhereThePageIs() {
        QVERIFY(opened());
        action("Contents1")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(g->help));
        QScrollBar* bar = g->help->browser()->verticalScrollBar();
        QVERIFY(bar->isVisible() && bar->maximum() > 0);
        // Just inside the arrows, on the bar's middle line.
        const auto ends = [bar] {
            const QImage picture = bar->grab().toImage();
            const int x = picture.width() / 2, arrow = picture.width() + 2;
            return std::pair(qGray(picture.pixel(x, arrow)),
                             qGray(picture.pixel(x, picture.height() - 1 - arrow)));
        };
        const auto [top, bottom] = ends();
        QVERIFY2(top < bottom, qPrintable(QStringLiteral("%1 %2").arg(top).arg(bottom)));
        bar->setValue(bar->maximum());
        const auto [topThen, bottomThen] = ends();
        QVERIFY(bottomThen < topThen);
    }

    // Forget Gold Bars gives up what the player won: Enter alone answers No.
    void forgettingGoldBarsAsksWithNoAsTheDefault() {
        QVERIFY(opened());
        s().goldbarcount = 3;
        g->useRealBoxes();
        bool noByDefault = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            noByDefault = box->defaultButton() == box->button(QMessageBox::No);
            QTest::keyClick(box, Qt::Key_Return);
        });
        action("ForgetGoldBars1")->trigger();
        QVERIFY(noByDefault);
        QCOMPARE(s().goldbarcount, 3);
    }

    // The usual keys reach their commands wherever the focus is in the main window, beside
    // Ctrl+E and the page keys.
    void theUsualKeys() {
        QVERIFY(playing());
        QVERIFY(QTest::qWaitForWindowExposed(g->main));
        g->main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g->main));
        find<QComboBox>("name")->setFocus();
        const auto press = [](Qt::Key key, Qt::KeyboardModifiers with = Qt::ControlModifier) {
            QTest::keyClick(QApplication::focusWidget(), key, with);
        };
        press(Qt::Key_E);
        press(Qt::Key_S);
        QCOMPARE(g->messages.log.back().text, QStringLiteral("Game saved successfully."));
        press(Qt::Key_E);
        press(Qt::Key_O);
        QCOMPARE(g->messages.log.back().text, QStringLiteral("Game loaded successfully."));
        QCOMPARE(s().day, 2);
        press(Qt::Key_N);
        QVERIFY(g->newgame->isVisible());
        g->newgame->hide();
        g->main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g->main));
        press(Qt::Key_F1, Qt::NoModifier);
        QVERIFY(g->help->isVisible());
        g->help->hide();
        QVERIFY(QTest::qWaitForWindowActive(g->main));
        QSignalSpy quit(g->main, &Tmain_screen::quitRequested);
        press(Qt::Key_Q);
        QCOMPARE(g->messages.log.back().text,
                 QStringLiteral("Are you sure you want to quit Quotara?"));
        QCOMPARE(quit.count(), 1);
    }

    // Every item of every menu, down to Zoom's, has a key of its own in its menu.
    void everyItemHasAnAccessKeyOfItsOwn() {
        QVERIFY(opened());
        std::vector<QMenu*> menus;
        for (QAction* top : g->main->menuBar()->actions())
            menus.push_back(top->menu());
        for (std::size_t m = 0; m < menus.size(); ++m) {
            QSet<QChar> keys;
            for (QAction* a : menus[m]->actions()) {
                if (a->isSeparator()) continue;
                const qsizetype at = a->text().indexOf(QLatin1Char('&'));
                QVERIFY2(at >= 0 && at + 1 < a->text().size(), qPrintable(a->text()));
                QVERIFY2(!keys.contains(a->text()[at + 1].toLower()), qPrintable(a->text()));
                keys.insert(a->text()[at + 1].toLower());
                if (a->menu()) menus.push_back(a->menu());
            }
        }
        QVERIFY(menus.size() > 3); // Zoom's was walked
    }

    // Options > Status says where the level stands, as the money panel's tooltip does.
    void statusTellsTheLevel() {
        QVERIFY(opened());
        action("Status1")->trigger();
        QCOMPARE(g->messages.log.back().text, QStringLiteral("You must start a new game first!"));
        startGame();
        find<QPushButton>("Button1")->click();
        action("Status1")->trigger();
        QCOMPARE(g->messages.log.back().kind, Messages::Kind::Information);
        QCOMPARE(g->messages.log.back().text,
                 QStringLiteral("Level 1: target £16,000 by 1st February 1999, 30 days left"));
    }

    // The keyboard: Enter on a focused button presses it; the pictures that do nothing are
    // passed over by Tab.
    void keyboard() {
        QVERIFY(playing());
        auto* endDay = find<QPushButton>("Button1");
        endDay->setFocus();
        QTest::keyClick(endDay, Qt::Key_Return);
        QCOMPARE(g->main->statusPanel(1)->text(), QStringLiteral("Date - 2nd January 1999"));
        for (const char* picture : {"BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8", "BitBtn9"})
            QCOMPARE(find<QToolButton>(picture)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(find<QPushButton>("lookupbuy")->focusPolicy(), Qt::StrongFocus);
    }

    // Ctrl+E ends the day wherever the focus is in the window, and the button says so; not
    // while the editor has the pages.
    void endDayKey() {
        QVERIFY(playing());
        QVERIFY(QTest::qWaitForWindowExposed(g->main));
        g->main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g->main));
        QVERIFY(find<QPushButton>("Button1")->toolTip().endsWith(QStringLiteral("(Ctrl+E)")));
        find<QComboBox>("name")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(s().day, 2);
        action("GameEditor1")->trigger();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(s().day, 2);
    }

    // Ctrl+Tab and Ctrl+PgDn go round the pages shown, Ctrl+PgUp back; the focus goes into
    // the page so that Tab goes on from there.
    void pageKeys() {
        QVERIFY(playing());
        QVERIFY(QTest::qWaitForWindowExposed(g->main));
        g->main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g->main));
        auto* pages = find<QTabWidget>("PageControl1");
        pages->setCurrentIndex(0);
        find<QPushButton>("Button1")->setFocus();
        const auto press = [](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        };
        press(Qt::Key_Tab);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        QVERIFY(pages->currentWidget()->isAncestorOf(QApplication::focusWidget()));
        press(Qt::Key_PageDown);
        press(Qt::Key_PageDown);
        press(Qt::Key_PageDown);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet6"));
        press(Qt::Key_PageDown); // the Game Editor's tab is not shown: round to the first
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
        press(Qt::Key_PageUp);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet6"));
        QCOMPARE(find("portfoliototal")->text(), QStringLiteral("£15000")); // refreshed
    }
};

int main(int argc, char** argv) {
    return test::runMainScreenTest<MainMenusTest>(argc, argv);
}

#include "mainmenus_test.moc"

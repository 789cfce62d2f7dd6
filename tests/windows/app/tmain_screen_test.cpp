// The main window as the player sees it: start-up, the status bar, End Day's pages and their
// colours, the portfolio and the zoom.

#include "mainscreen.h"

using namespace quotara;
using test::textColour;

namespace {

// Pixels of the label's area, as drawn on its page, that are clearly of the given hue.
int pixelsOfHue(QWidget* page, QLabel* label, QColor hue) {
    QImage img(page->size(), QImage::Format_RGB32);
    page->render(&img);
    const QRect area(label->mapTo(page, QPoint(0, 0)), label->size());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            const bool red = c.red() > 180 && c.green() < 90 && c.blue() < 90;
            const bool blue = c.blue() > 180 && c.red() < 90 && c.green() < 90;
            if ((hue == Qt::red && red) || (hue == Qt::blue && blue)) ++count;
        }
    return count;
}

} // namespace

class MainScreenTest : public QObject, test::MainScreenFixture {
    Q_OBJECT

  private slots:
    void init() { g = std::make_unique<test::GameWindows>(test::GameWindows::NotStarted{}); }
    void cleanup() { g.reset(); }

    // Before any game nothing that needs one can be seen, and what the menus still offer is
    // refused with the design's message: no day ends, nothing is saved.
    void theWindowBeforeAnyGame() {
        QVERIFY(opened());
        QVERIFY(find<QTabWidget>("PageControl1")->isHidden());
        QVERIFY(find<QPushButton>("Button1")->isHidden());
        QVERIFY(find<QStatusBar>("status")->isHidden());
        QVERIFY(!find("starthint")->isHidden());
        for (const char* item : {"SaveGame1", "GameEditor1", "Players1"}) {
            g->messages.log.clear();
            action(item)->trigger();
            QCOMPARE(g->messages.texts(), QStringList{"You must start a new game first!"});
        }
        QVERIFY(!QFile::exists(g->game->folder.savedStateFile()));
        QCOMPARE(find<QTabWidget>("PageControl1")->isHidden(), true);
    }

    // Start-up shows the disclaimer first; a missing news file is reported with its standard
    // text and its name, and the market still gets its start values, so a game can be played
    // without news.
    void startUpWithoutNewsFile() {
        QVERIFY(QDir().mkpath(g->game->folder.path()));
        QVERIFY(startUp());
        QCOMPARE(g->messages.log.size(), std::size_t(2));
        QVERIFY(g->messages.log[0].asked);
        QCOMPARE(g->messages.log[0].kind, Messages::Kind::Information);
        QCOMPARE(g->messages.log[0].text,
                 QStringLiteral("DISCLAIMER : Neither TARNVALE software nor does the author "
                                "VENNER accepts any responsibility for any monetary loss. This "
                                "program is NOT a stockmarket predictor, it is a GAME. Continue?"));
        QCOMPARE(g->messages.log[1].kind, Messages::Kind::Error);
        // The file is named, so the player knows what is missing.
        QCOMPARE(g->messages.log[1].text, QStringLiteral("File not found\n\nFile: ") +
                                              QDir::toNativeSeparators(g->game->folder.newsFile()));

        auto* names = find<QComboBox>("name");
        QCOMPARE(names->count(), 20);
        QCOMPARE(names->currentText(), QStringLiteral("Abbey National"));
        QCOMPARE(names->itemText(19), QStringLiteral("Scottish Power"));
        QCOMPARE(find("Lookupprice")->text(), QStringLiteral("1134p"));
        QCOMPARE(find("lookupsector")->text(), QStringLiteral("Banks"));
        QCOMPARE(g->main->statusPanel(1)->text(), QStringLiteral("Date - 1st January 1999"));
        QCOMPARE(g->main->statusPanel(2)->text(), QStringLiteral("User - "));
        QCOMPARE(g->main->statusPanel(0)->text(), QStringLiteral("Money - £0"));

        startGame();
        QVERIFY(g->ticker->isVisible());
        // On a screen larger than the game was made for, the ticker goes under the window
        // rather than over the pages.
        QVERIFY(!g->ticker->frameGeometry().intersects(g->main->frameGeometry()));
        QVERIFY(g->ticker->frameGeometry().top() - g->main->frameGeometry().bottom() <= 24);
        QCOMPARE(g->ticker->frameGeometry().left(), g->main->frameGeometry().left());
        // The keys go to the game, not to the ticker shown after it.
        QTRY_COMPARE(QApplication::activeWindow(), g->main);
        find<QPushButton>("Button1")->click();
        QCOMPARE(g->main->statusPanel(1)->text(), QStringLiteral("Date - 2nd January 1999"));
        QVERIFY(s().ftse > 0);
        // A day without news says so on the page and the ticker.
        front("TabSheet3");
        QCOMPARE(find("headlines1")->text(), QStringLiteral("No news today"));
        QCOMPARE(g->ticker->text(), QStringLiteral("No news today"));
    }

    void startUpWithTheShippedNews() {
        QVERIFY(opened());
        QCOMPARE(g->messages.log.size(), std::size_t(1));
        QVERIFY(!s().newsitems[1].text.empty());
    }

    // No to the disclaimer: nothing is shown and the caller ends the program.
    void disclaimerNo() {
        installNews();
        g->messages.answers = {false};
        QVERIFY(!startUp());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    void clockAndUserPanels() {
        QVERIFY(playing());
        g->main->time();
        QCOMPARE(g->main->statusPanel(0)->text(), QStringLiteral("Money - £15000"));
        Random r = test::seeded(12'345'678);
        const Tshare& share = s().shares[r(19)];
        QCOMPARE(g->main->statusPanel(3)->text(), share.name.toQString() + QLatin1Char(' ') +
                                                      QString::number(share.price) +
                                                      QStringLiteral(" +0"));

        g->main->pan();
        QCOMPARE(g->main->statusPanel(2)->text(), QStringLiteral("Portfolio value - £15000"));
        g->main->pan();
        QCOMPARE(g->main->statusPanel(2)->text(), QStringLiteral("User - Ann"));
    }

    // End Day writes the Financial Info figures with their colours, the day's headlines and
    // the ticker; on the 15th the unemployment figures and the slot-4 headline.
    void endDayFillsTheInfoAndNewsPages() {
        QVERIFY(playing());
        for (int day = 2; day <= 15; ++day) {
            find<QPushButton>("Button1")->click();
            front("TabSheet4");
            const struct {
                const char* label;
                std::int32_t change;
            } moves[] = {{"infodowchange", s().dowchange},
                         {"infohangchange", s().hangchange},
                         {"infoftsechange", s().ftsechange}};
            for (const auto& m : moves) {
                QCOMPARE(find(m.label)->text(), changeText(m.change));
                QCOMPARE(textColour(find(m.label)),
                         m.change < 0 ? QColor(Qt::red) : QColor(Qt::blue));
            }
            QCOMPARE(find("infodowprice")->text(), QString::number(s().dow));
            QCOMPARE(find("infoftseprice")->text(), QString::number(s().ftse));
            QCOMPARE(find("infohangprice")->text(), QString::number(s().hangseng));
            front("TabSheet3");
            QCOMPARE(find("headlines1")->text(), s().headlines1.caption);
            QCOMPARE(find("headlines1no")->text(), s().headlines1.numberText());
            QCOMPARE(find("headlines2")->text(), s().headlines2.caption);
            QCOMPARE(find("headlines2no")->text(), s().headlines2.numberText());
            QCOMPARE(g->ticker->text(), s().tickerText);
        }
        QCOMPARE(find("infointerest")->text(), QStringLiteral("7.25%"));
        QCOMPARE(find("infoinflation")->text(), QStringLiteral("2.5%"));
        QCOMPARE(g->main->statusPanel(1)->text(), QStringLiteral("Date - 15th January 1999"));
        QVERIFY(!find("headlines1")->text().isEmpty());
        QVERIFY(g->ticker->text().startsWith(find("headlines1")->text()));

        QVERIFY(g->messages.texts().last().startsWith(
            QStringLiteral("Unemployment figures for the last month : ")));
        front("TabSheet4");
        QCOMPARE(find("infounemployed")->text(), QString::number(s().unemployed));
        QCOMPARE(find("infounemployedchange")->text(), changeText(s().unemployedchange));
        front("TabSheet3");
        QVERIFY(!find("headlines4")->text().isEmpty());
        const int slot4 = find("headlines4no")->text().toInt();
        QVERIFY(slot4 >= 42 && slot4 <= 45);
        QVERIFY(g->ticker->text().endsWith(find("headlines4")->text()));
    }

    // End Day redraws only the page in front; every other page shows the day's figures as soon
    // as it comes to the front, and the status bar's portfolio value is the day's meanwhile.
    void pagesBehindCatchUpWhenShown() {
        QVERIFY(playing());
        s().shares[8].owned = 10;
        s().shares[8].cost = 80;
        front("TabSheet3");
        for (int day = 0; day < 3; ++day)
            find<QPushButton>("Button1")->click();
        const PortfolioFigures today = portfolioFigures(s());
        g->main->pan();
        QCOMPARE(g->main->statusPanel(2)->text(), "Portfolio value - " + today.total);
        front("TabSheet6");
        QCOMPARE(find("price1")->text(), today.rows[0].price);
        QCOMPARE(find("portfoliototal")->text(), today.total);
        front("TabSheet1");
        QCOMPARE(find("Lookupprice")->text(), QString::number(s().shares[0].price) + "p");
        front("TabSheet2");
        QCOMPARE(find("prices1")->text(), QString::number(s().shares[0].price));
    }

    // A fall is drawn in red and a rise in blue, as the player sees them on the pages.
    void changesAreDrawnInTheirColours() {
        QVERIFY(playing());
        s().shares[0].change = -7;
        g->main->lookupsel();
        auto* page = find<QWidget>("TabSheet1");
        QCOMPARE(find("lookupchange")->text(), QStringLiteral("-7"));
        QVERIFY(pixelsOfHue(page, find("lookupchange"), Qt::red) > 5);
        QCOMPARE(pixelsOfHue(page, find("lookupchange"), Qt::blue), 0);

        s().shares[0].change = 12;
        g->main->lookupsel();
        QVERIFY(pixelsOfHue(page, find("lookupchange"), Qt::blue) > 5);
        QCOMPARE(pixelsOfHue(page, find("lookupchange"), Qt::red), 0);
        // Labels in black stay black.
        QCOMPARE(pixelsOfHue(page, find("Lookupprice"), Qt::blue), 0);
    }

    // The Forecasts frame's top line runs through its caption, above the column heads that
    // sit one line over the two rows, instead of striking through the heads.
    void forecastsFrameRunsAboveItsHeads() {
        QVERIFY(opened());
        auto* box = find<QGroupBox>("Forecasts");
        QCOMPARE(box->geometry(), QRect(8, 152, 481, box->height()));
        QCOMPARE(find("forecastinterestcap")->pos(), QPoint(144, 16));
        QCOMPARE(find("forecastinflationcap")->pos(), QPoint(256, 16));
        QCOMPARE(find("forecastunemployedcap")->pos(), QPoint(336, 16));
        QCOMPARE(find("merrilllynch")->y(), 32);
        QCOMPARE(find("goldmansachs")->y(), 48);
        QCOMPARE(find("Same")->pos(), QPoint(368, 200));

        // Down the gap between the caption and the first head, the first pixel that differs
        // from the page above the frame is the frame's line, and it lies above the heads.
        QImage img(box->size(), QImage::Format_RGB32);
        box->render(&img);
        const int x = 120;
        const QColor page = img.pixelColor(x, 0);
        int line = -1;
        for (int y = 1; y < box->height() && line < 0; ++y)
            if (img.pixelColor(x, y) != page) line = y;
        QVERIFY(line > 0);
        QVERIFY2(line < 16, qPrintable(QStringLiteral("frame line at y %1").arg(line)));
    }

    void portfolioAfterAPurchase() {
        QVERIFY(playing());
        Tshare& bt = s().shares[8];
        bt.owned = 10;
        bt.cost = 80;
        s().money -= 80;
        g->main->dataload();
        front("TabSheet6");
        QCOMPARE(find("name1")->text(), QStringLiteral("Br Telecom"));
        QCOMPARE(find("owned1")->text(), QStringLiteral("10"));
        QCOMPARE(find("price1")->text(), QStringLiteral("732p"));
        QCOMPARE(find("profit1")->text(), QStringLiteral("£-7"));
        QCOMPARE(textColour(find("profit1")), QColor(Qt::red));
        QCOMPARE(find("name2")->text(), QString());
        QCOMPARE(find("portfoliototal")->text(), QStringLiteral("£14993"));
        QCOMPARE(find("portfoliocost")->text(), QStringLiteral("£80"));
        QCOMPARE(textColour(find("portfolioprofit")), QColor(Qt::red));
    }

    // Ten holdings: the page keeps eight rows and scrolls to the ninth and tenth.
    void portfolioScrollsToEveryHolding() {
        QVERIFY(playing());
        for (int i = 0; i < 10; ++i) {
            s().shares[2 * i].owned = 1;
            s().shares[2 * i].cost = 1;
        }
        front("TabSheet6");
        g->main->dataload();
        auto* more = find<QScrollBar>("portfoliomore");
        QVERIFY(!more->isHidden());
        QCOMPARE(find("name1")->text(), QStringLiteral("Abbey National"));
        more->setValue(more->maximum());
        QCOMPARE(find("name1")->text(), s().shares[4].name.toQString());
        QCOMPARE(find("name8")->text(), s().shares[18].name.toQString()); // Scottish Hydro
        s().shares[16].owned = s().shares[18].owned = 0;                  // eight left
        g->main->dataload();
        QVERIFY(more->isHidden());
        QCOMPARE(find("name1")->text(), QStringLiteral("Abbey National"));
    }

    // Options > Zoom: the choice is told to whoever keeps it, and kept in the settings.
    void zoom() {
        QVERIFY(opened());
        QSignalSpy chosen(g->main, &Tmain_screen::zoomChosen);
        action("Zoom150")->trigger();
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), 150);
        QVERIFY(action("Zoom150")->isChecked() && !action("Zoom100")->isChecked());
        g->main->showZoom(200);
        QVERIFY(action("Zoom200")->isChecked());

        QTemporaryDir dir;
        Settings settings(dir.filePath("quotara.conf"));
        QCOMPARE(chosenZoom(settings), 0); // none chosen yet: the screen decides
        QCOMPARE(zoomSetting(settings), 100);
        QCOMPARE(saveZoom(settings, 150), QString());
        QCOMPARE(QSettings(dir.filePath("quotara.conf"), QSettings::IniFormat).value("zoom"), 150);
        QCOMPARE(zoomSetting(settings), 150);
        settings.set("zoom", "120"); // not a choice of the menu
        QCOMPARE(zoomSetting(settings), 100);
        // A setting that cannot be written says so, with the system's reason.
        QFile blocker(dir.filePath("notafolder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        Settings unwritable(dir.filePath("notafolder/quotara.conf"));
        const QString told = saveZoom(unwritable, 200);
        QVERIFY2(told.startsWith("The zoom of 200 % could not be kept.") &&
                     told.contains("Not a directory"),
                 qPrintable(told));
        // A scale set by the environment wins.
        applyZoom(200);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1"));
    }

    // Until the player chooses, the main window takes about a third of the screen's width.
    void zoomForTheScreen() {
        QCOMPARE(zoomForScreen({1280, 1024}), 100);
        QCOMPARE(zoomForScreen({1920, 1080}), 150);
        QCOMPARE(zoomForScreen({3840, 2160}), 200);
        QCOMPARE(zoomForScreen({1024, 768}), 100); // too small for any: the design's size
        QCOMPARE(zoomForScreen({3440, 700}), 150); // wide but low: the ticker must fit too
        QCOMPARE(zoomForScreen({}), 100);          // no screen found
    }
};

int main(int argc, char** argv) {
    return test::runMainScreenTest<MainScreenTest>(argc, argv);
}

#include "tmain_screen_test.moc"

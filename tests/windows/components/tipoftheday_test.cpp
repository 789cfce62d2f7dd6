// The tip of the day as the player meets it: the dialog at the first show of the main
// window, "Next tip" through all eight tips, the failures in the error box, the Help button
// and the remembered check box.

#include "shipped/tips.h"
#include "state/settings.h"
#include "support/fakes.h"
#include "windows/components/look.h"
#include "windows/components/ttipoftheday.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quotara;

namespace {

QStringList shippedTexts() {
    TTipList list;
    list.ReadTipList(shippedTipList());
    QStringList out;
    for (const TTip& t : list.tips)
        out << t.Tip;
    return out;
}

// A main window with its tip component as the game sets it up.
struct Owner {
    Owner() : settings(dir.filePath("quotara.conf")) {
        tip.loadTips(shippedTipList());
        tip.rememberIn(&settings);
        tip.runModal = [this](QDialog& d) {
            ++opened;
            if (player) player(d);
        };
        tip.loaded();
    }
    QString tipShown() const { return tip.form()->TipLabel()->text(); }

    QTemporaryDir dir;
    Settings settings;
    Random random;
    test::FakeClock clock{45'296'789};
    test::RecordingMessages messages;
    QWidget window;
    TTipOfTheDay tip{&window, random, clock, messages};
    int opened = 0;
    std::function<void(QDialog&)> player; // what the player does while the dialog is open
};

} // namespace

class TipOfTheDayTest : public QObject {
    Q_OBJECT

  private slots:
    // The first show of the window opens the dialog once with one of the eight tips.
    void greetsWithATipOnTheFirstShow() {
        Owner o;
        QString caption, header, text;
        bool helpVisible = true;
        o.player = [&](QDialog& d) {
            caption = d.windowTitle();
            header = o.tip.form()->HeaderLabel()->text();
            text = o.tipShown();
            helpVisible = !o.tip.form()->HelpBtn()->isHidden();
        };
        QCOMPARE(o.opened, 0);
        QCOMPARE(o.random.seed(), 45'296'789u); // reseeded from the clock when created
        o.window.show();
        QTest::qWait(0);
        QCOMPARE(o.opened, 1);
        QCOMPARE(caption, QStringLiteral("Tip of the day"));
        QCOMPARE(header, QStringLiteral("Did you know..."));
        QVERIFY(shippedTexts().contains(text));
        QVERIFY(helpVisible);
        QVERIFY(o.tip.ShowTipsAtStartup);
        o.window.hide();
        o.window.show();
        QTest::qWait(0);
        QCOMPARE(o.opened, 1); // once per run
        QVERIFY(o.messages.log.empty());
    }

    // "Next tip" seven times shows eight different tips; the eighth press reports that all
    // have been shown and leaves the last tip on screen.
    void nextTipRunsThroughAllEight() {
        Owner o;
        QStringList seen;
        QSignalSpy next(&o.tip, &TCustomTipOfTheDay::OnNextTip);
        QSignalSpy shown(&o.tip, &TCustomTipOfTheDay::OnShowForm);
        o.player = [&](QDialog&) {
            seen << o.tipShown();
            for (int i = 0; i < 7; ++i) {
                o.tip.form()->NextBtn()->click();
                seen << o.tipShown();
            }
            o.tip.form()->NextBtn()->click();
        };
        o.tip.showTips();
        QCOMPARE(seen.size(), 8);
        QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), 8);
        QCOMPARE(o.messages.texts(), QStringList{"All tips have been shown already"});
        QCOMPARE(o.messages.log[0].kind, Messages::Kind::Error);
        QCOMPARE(o.tipShown(), seen.last());
        QCOMPARE(next.count(), 7);
        QCOMPARE(shown.count(), 1);
    }

    // Cleared and closed, the choice is kept: the next start shows no tip, and Help > Tip of
    // the day brings the dialog back, where ticking the box turns tips on again. While the
    // dialog is open "Next tip" leaves the box as the player set it.
    void clearedCheckBoxIsRemembered() {
        QTemporaryDir dir;
        const QString conf = dir.filePath("quotara.conf");
        {
            Owner o;
            Settings settings(conf);
            o.tip.rememberIn(&settings);
            o.player = [&](QDialog&) {
                QCOMPARE(o.tip.form()->ShowTipsCheck()->text(),
                         QStringLiteral("&Show tip of the day at startup"));
                QVERIFY(o.tip.form()->ShowTipsCheck()->isChecked());
                o.tip.form()->ShowTipsCheck()->setChecked(false);
                o.tip.form()->NextBtn()->click();
                QVERIFY(!o.tip.form()->ShowTipsCheck()->isChecked());
            };
            o.window.show();
            QTest::qWait(0);
            QVERIFY(!o.tip.ShowTipsAtStartup);
        }
        Settings settings(conf);
        QVERIFY(!settings.load().isError());
        Random random;
        test::FakeClock clock;
        test::RecordingMessages messages;
        QWidget window;
        TTipOfTheDay later(&window, random, clock, messages);
        later.rememberIn(&settings);
        QVERIFY(!later.ShowTipsAtStartup);
        later.loadTips(shippedTipList());
        int opened = 0;
        later.runModal = [&](QDialog&) {
            ++opened;
            QVERIFY(!later.form()->ShowTipsCheck()->isChecked());
            later.form()->ShowTipsCheck()->setChecked(true);
        };
        later.loaded();
        window.show();
        QTest::qWait(0);
        QCOMPARE(opened, 0);
        later.showTips();
        QCOMPARE(opened, 1);
        QVERIFY(later.ShowTipsAtStartup);
        QVERIFY(settings.boolValue("Tips/ShowAtStartup", false));
        Settings reread(conf);
        QVERIFY(!reread.load().isError());
        QVERIFY(reread.boolValue("Tips/ShowAtStartup", false));
    }

    // Each failure goes to the error box; none opens the dialog.
    void failuresGoToTheErrorBox() {
        {
            Owner o;
            o.tip.Tips.clear();
            o.tip.showTips();
            QCOMPARE(o.messages.texts(),
                     QStringList{"No tips have been loaded into the Tips property"});
            QCOMPARE(o.opened, 0);
        }
        {
            Owner o;
            o.tip.Tips.types[0].setName(QStringLiteral("other"));
            o.tip.showTips();
            QCOMPARE(o.messages.texts(), QStringList{"ShowNextTip: Unknown tip type in tip list"});
            QCOMPARE(o.opened, 0);
        }
        {
            Owner o;
            const std::vector<std::uint8_t> cut(shippedTipList().begin(),
                                                shippedTipList().begin() + 20);
            o.tip.loadTips(cut);
            QCOMPARE(o.messages.log.size(), 1u);
            QVERIFY(o.messages.log[0].text.startsWith("The tip list is damaged"));
            QVERIFY(o.tip.Tips.isEmpty());
        }
    }

    // Help opens a topic only when the tip has one; ShowHelpButton hides the button.
    void helpButton() {
        Owner o;
        QSignalSpy help(o.tip.form(), &TTipOfTheDayForm::helpRequested);
        o.player = [&](QDialog&) { o.tip.form()->HelpBtn()->click(); };
        o.tip.showTips();
        QCOMPARE(help.count(), 0);
        for (TTip& t : o.tip.Tips.tips)
            t.HelpContext = 4;
        o.tip.showTips();
        QCOMPARE(help.count(), 1);
        QCOMPARE(help[0][0].toInt(), 4);
        o.tip.ShowHelpButton = false;
        bool hidden = false;
        o.player = [&](QDialog&) { hidden = o.tip.form()->HelpBtn()->isHidden(); };
        o.tip.showTips();
        QVERIFY(hidden);
    }

    // What the dialog draws and loads itself: its picture, the Next icon, the white panel
    // with its light yellow header strip.
    void dialogLayout() {
        Owner o;
        TTipOfTheDayForm* f = o.tip.form();
        QCOMPARE(f->findChild<QLabel*>("Image1")->pixmap().size(), QSize(33, 33));
        QVERIFY(!f->NextBtn()->icon().isNull());
        f->show();
        QImage shot(f->size(), QImage::Format_RGB32);
        f->render(&shot);
        QCOMPARE(shot.pixelColor(60, 100), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(280, 20), QColor(255, 255, 225));
        f->hide();
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    applyLook(app);
    TipOfTheDayTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tipoftheday_test.moc"

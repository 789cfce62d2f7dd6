#pragma once
// The tip of the day: when its owner window is first shown it opens the "Did you know..."
// dialog with a tip drawn at random; "Next tip" shows another not yet shown in this run.
// Its failures (no tips, all shown, a tip of an unknown type) go to the standard error box
// and leave the dialog on the tip it showed.
//
// Clearing "Show tip of the day at startup" is remembered in the settings given, so later
// starts show no tip until the player ticks it again in the dialog (Help > Tip of the day).

#include "components/tiplist.h"
#include "windows/components/ttipofthedayform.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <span>

class QDialog;
class QWidget;

namespace quotara {

class Messages;
class Settings;

class TCustomTipOfTheDay : public QObject {
    Q_OBJECT

  public:
    // The owner is the window whose first show brings up a tip. Picks draw from `random`,
    // which the component's start reseeds from `clock`; failures are shown through
    // `messages`.
    TCustomTipOfTheDay(QWidget* owner, Random& random, Clock& clock, Messages& messages);
    ~TCustomTipOfTheDay() override;

    TTipList Tips;
    bool ShowTipsAtStartup = true;

    // Reads the tip list from its stream; a damaged one is reported and leaves no tips.
    void loadTips(std::span<const std::uint8_t> stream);
    // Takes ShowTipsAtStartup from the settings and stores it there whenever the dialog
    // closes; a choice that cannot be written is told. Without settings the choice lasts for
    // this run only.
    void rememberIn(Settings* settings);
    // The step after the owner is loaded: with ShowTipsAtStartup, the owner's first show
    // will open the dialog once. Later shows do nothing.
    void loaded();
    // The owner's first show opens no tip this time (a restart in the same sitting);
    // ShowTipsAtStartup, and the settings, stay as they are.
    void skipStartupTip();

    // Returns the index of the next tip to show and marks it shown; throws ETipOfTheDay.
    virtual std::size_t PickTip();
    // Picks a tip and shows it: opens the dialog modally when it is closed, otherwise
    // shows the tip in it. Throws ETipOfTheDay, leaving the dialog on the previous tip.
    void ShowNextTip();

    TTipOfTheDayForm* form() const { return form_; }
    // The tip shown last, or -1.
    int currentTip() const { return currentTip_; }

    // How the dialog is run modally; tests replace it so nothing ever blocks.
    std::function<void(QDialog&)> runModal;

  public slots:
    // Opens the dialog now, as at start-up; once every tip has been shown they all come
    // round again (Help > Tip of the day).
    void showTips();

  signals:
    void OnShowForm(TCustomTipOfTheDay* sender);
    void OnNextTip(TCustomTipOfTheDay* sender);

  protected:
    virtual void DoShowForm();
    virtual void DoNextTip();
    bool eventFilter(QObject* watched, QEvent* event) override;

    // ShowNextTip with its failure in the error box.
    void tryShowNextTip();

    QPointer<TTipOfTheDayForm> form_;

  private:
    void startupTip();

    QWidget* owner_;
    Random& random_;
    Messages& messages_;
    Settings* settings_ = nullptr;
    bool hooked_ = false;
    bool open_ = false;
    int currentTip_ = -1;
};

class TTipOfTheDay : public TCustomTipOfTheDay {
    Q_OBJECT

  public:
    // Creates its dialog, which lives as long as the component.
    TTipOfTheDay(QWidget* owner, Random& random, Clock& clock, Messages& messages);
    ~TTipOfTheDay() override;

    bool ShowHelpButton = true;

  protected:
    // Fires OnShowForm, then shows Help exactly when ShowHelpButton is set.
    void DoShowForm() override;
};

} // namespace quotara

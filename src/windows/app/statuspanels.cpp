#include "windows/app/statuspanels.h"

#include "market/calendar.h"
#include "play/levels.h"
#include "state/game.h"
#include "windows/components/figurelabel.h"
#include "windows/components/look.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

#include <functional>

namespace quotara {

namespace {

// Fills a widget's tooltip just before it shows.
class ToolTipSource final : public QObject {
  public:
    ToolTipSource(QWidget* widget, std::function<QString()> text)
        : QObject(widget), text_(std::move(text)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) static_cast<QWidget*>(watched)->setToolTip(text_());
        return false;
    }

  private:
    std::function<QString()> text_;
};

} // namespace

StatusPanels::StatusPanels(QStatusBar* bar, Game& game) : bar_(bar), game_(game) {
    const int widths[] = {90, 140, 130, 200};
    const char* texts[] = {"Money", "Date", "User", "Prices"};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new FigureLabel(QLatin1String(texts[i]), bar);
        panel->setObjectName(QStringLiteral("statuspanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i < 3) {
            panel->setFixedWidth(widths[i]);
            bar->addWidget(panel);
        } else {
            // The bar is narrower than the four panels' 560 pixels together: the last one
            // takes the room that is left, and its text is drawn to fit it.
            panel->setMinimumWidth(0);
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            bar->addWidget(panel, 1);
        }
        panels_[i] = panel;
    }
    // Resting the mouse on the money tells where the level stands, worked out at that moment.
    panels_[0]->installEventFilter(
        new ToolTipSource(panels_[0], [this] { return levelProgressText(game_.state); }));
}

void StatusPanels::holdSizes() {
    if (held_ || !bar_->isVisible()) return;
    held_ = true;
    for (QLabel* panel : panels_)
        panel->setFixedSize(panel->size());
}

QLabel* StatusPanels::panel(int panel) const {
    return panel >= 0 && panel < 4 ? panels_[panel] : nullptr;
}

void StatusPanels::showTexts() {
    showMoney();
    setUserPanel(userPanelText(game_.state));
    showDate();
}

void StatusPanels::setUserPanel(const QString& text) {
    setFittedText(panels_[2], text);
}

void StatusPanels::showMoney() {
    setFittedText(panels_[0], moneyPanelText(game_.state.money));
}

void StatusPanels::showDate() {
    setFittedText(panels_[1], dateText(game_.state));
}

void StatusPanels::time() {
    const ClockTick tick = timeTick(game_);
    setFittedText(panels_[0], tick.moneyPanel);
    setFittedText(panels_[3], tick.pricesPanel);
}

void StatusPanels::pan(const QString& portfolioTotalText) {
    userpanelflag_ = 1 - userpanelflag_;
    setUserPanel(userpanelflag_ == 1 ? QStringLiteral("Portfolio value - ") + portfolioTotalText
                                     : userPanelText(game_.state));
}

} // namespace quotara

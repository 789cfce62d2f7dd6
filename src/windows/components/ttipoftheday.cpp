#include "windows/components/ttipoftheday.h"

#include "state/messages.h"
#include "state/settings.h"
#include "windows/components/look.h"
#include "windows/components/ttipofthedayform.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace quotara {

namespace {
const QString kShowAtStartup = QStringLiteral("Tips/ShowAtStartup");
} // namespace

TCustomTipOfTheDay::TCustomTipOfTheDay(QWidget* owner, Random& random, Clock& clock,
                                       Messages& messages)
    : QObject(owner), runModal([](QDialog& d) { d.exec(); }), owner_(owner), random_(random),
      messages_(messages) {
    random_.reseed(clock);
}

TCustomTipOfTheDay::~TCustomTipOfTheDay() = default;

void TCustomTipOfTheDay::loadTips(std::span<const std::uint8_t> stream) {
    try {
        Tips.ReadTipList(stream);
    } catch (const ETipListRead& e) {
        Tips.clear();
        messages_.show(Messages::Kind::Error, e.message());
    }
}

void TCustomTipOfTheDay::rememberIn(Settings* settings) {
    settings_ = settings;
    if (settings_) ShowTipsAtStartup = settings_->boolValue(kShowAtStartup, true);
}

void TCustomTipOfTheDay::loaded() {
    if (!ShowTipsAtStartup || hooked_ || !owner_) return;
    hooked_ = true;
    owner_->window()->installEventFilter(this);
}

void TCustomTipOfTheDay::skipStartupTip() {
    hooked_ = true;
    if (owner_) owner_->window()->removeEventFilter(this);
}

bool TCustomTipOfTheDay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched == owner_->window()) {
        watched->removeEventFilter(this);
        // After the window's own show has run, so the dialog opens over a painted window.
        QMetaObject::invokeMethod(this, &TCustomTipOfTheDay::startupTip, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void TCustomTipOfTheDay::startupTip() {
    if (ShowTipsAtStartup) tryShowNextTip();
}

void TCustomTipOfTheDay::showTips() {
    if (open_) return;
    bool allShown = !Tips.tips.empty();
    for (const TTip& t : Tips.tips)
        allShown = allShown && t.shown;
    if (allShown)
        for (TTip& t : Tips.tips)
            t.shown = false;
    tryShowNextTip();
}

std::size_t TCustomTipOfTheDay::PickTip() {
    return Tips.PickTip(random_);
}

void TCustomTipOfTheDay::tryShowNextTip() {
    try {
        ShowNextTip();
    } catch (const ETipOfTheDay& e) {
        messages_.show(Messages::Kind::Error, e.message());
    }
}

void TCustomTipOfTheDay::ShowNextTip() {
    currentTip_ = static_cast<int>(PickTip());
    const TTip& tip = Tips.tips[std::size_t(currentTip_)];
    const TTipType& type = Tips.typeOf(tip);
    form_->HeaderLabel()->setText(type.Header);
    form_->TipLabel()->setText(tip.Tip);
    form_->setWindowTitle(type.Caption);
    form_->helpContext = tip.HelpContext;
    if (open_) {
        // The player's tick stays as it is while the dialog is open.
        DoNextTip();
        return;
    }
    form_->ShowTipsCheck()->setChecked(ShowTipsAtStartup);
    DoShowForm();
    centreOnScreen(form_);
    open_ = true;
    runModal(*form_);
    open_ = false;
    ShowTipsAtStartup = form_->ShowTipsCheck()->isChecked();
    // Written only when it changed, so a folder that cannot be written is told once.
    if (settings_ && settings_->boolValue(kShowAtStartup, true) != ShowTipsAtStartup) {
        const QString failure = settings_->set(
            kShowAtStartup, ShowTipsAtStartup ? QStringLiteral("true") : QStringLiteral("false"));
        if (!failure.isEmpty())
            messages_.show(Messages::Kind::Error,
                           QStringLiteral("Whether a tip shows at the start was not kept. ") +
                               failure);
    }
}

void TCustomTipOfTheDay::DoShowForm() {
    emit OnShowForm(this);
}

void TCustomTipOfTheDay::DoNextTip() {
    emit OnNextTip(this);
}

TTipOfTheDay::TTipOfTheDay(QWidget* owner, Random& random, Clock& clock, Messages& messages)
    : TCustomTipOfTheDay(owner, random, clock, messages) {
    form_ = new TTipOfTheDayForm(owner);
    connect(form_->NextBtn(), &QPushButton::clicked, this, &TTipOfTheDay::tryShowNextTip);
}

TTipOfTheDay::~TTipOfTheDay() {
    delete form_;
}

void TTipOfTheDay::DoShowForm() {
    TCustomTipOfTheDay::DoShowForm();
    form_->HelpBtn()->setVisible(ShowHelpButton);
}

} // namespace quotara

#pragma once
// A recording SessionViews for the order tests of the game's sequences: each step appends its
// name, with what the player would see of the game state at that moment where it matters, to
// one log that the message boxes write to as well.

#include "setup/session.h"
#include "support/fakes.h"

#include <QStringList>

namespace quotara::test {

// Message boxes that log into the same list as the views, so their place in a sequence shows.
class StepMessages final : public Messages {
  public:
    explicit StepMessages(QStringList& steps) : steps_(steps) {}
    void show(Kind, const QString& text) override { steps_ << QStringLiteral("show ") + text; }
    bool ask(Kind, const QString& text) override {
        steps_ << QStringLiteral("ask ") + text.left(10);
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<bool> answers; // Yes when empty

  private:
    QStringList& steps_;
};

class RecordingSessionViews final : public SessionViews {
  public:
    RecordingSessionViews(QStringList& steps, const GameState& state) : steps_(steps), s_(state) {}

    void hideGame() override { steps_ << "hideGame"; }
    void clearPortfolio() override { steps_ << "clearPortfolio"; }
    void selectFirstPricePage() override { steps_ << "selectFirstPricePage"; }
    // The list is filled from the share table, so the table must be written by now.
    void listShares() override { steps_ << "listShares " + s_.shares[0].name.toQString(); }
    void showStatusTexts() override {
        steps_ << QStringLiteral("showStatusTexts %1/%2").arg(s_.day).arg(s_.month);
    }
    void closeNewGame() override { steps_ << "closeNewGame"; }
    void openNewGame() override { steps_ << "openNewGame"; }
    void showGame() override { steps_ << "showGame"; }
    void showUser() override { steps_ << "showUser " + s_.username.toQString(); }
    // The views show the reset market: daycount 1 and no holdings.
    void resetViews() override {
        steps_ << QStringLiteral("resetViews day %1 owned %2")
                      .arg(s_.daycount)
                      .arg(s_.shares[0].owned);
    }
    void selectLookupPage() override { steps_ << "selectLookupPage"; }
    void refreshPages() override { steps_ << "refreshPages"; }
    void hideTicker() override { steps_ << "hideTicker"; }
    void closeEndOfLevel() override { steps_ << "closeEndOfLevel"; }
    // What a load shows: the date and cash that came back, and the first headline.
    void showLoaded() override {
        steps_ << QStringLiteral("showLoaded %1/%2 £%3 %4")
                      .arg(s_.day)
                      .arg(s_.month)
                      .arg(s_.money)
                      .arg(s_.headlines1.caption);
    }
    void closePlayerDetails() override { steps_ << "closePlayerDetails"; }

  private:
    QStringList& steps_;
    const GameState& s_;
};

} // namespace quotara::test

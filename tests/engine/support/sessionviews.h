#pragma once
// A recording SessionViews for the order tests of the game's sequences: each step appends its
// name, with what the player would see of the game state at that moment where it matters, to
// one log that the message boxes write to as well.

#include "fakes.h"
#include "market/calendar.h"
#include "play/session.h"

#include <QStringList>

namespace quotara::test {

// Message boxes that log into the same list as the views, so their place in a sequence shows.
class StepMessages final : public Messages {
  public:
    explicit StepMessages(QStringList& steps) : steps_(steps) {}
    void show(Kind, const QString& text) override { steps_ << QStringLiteral("show ") + text; }
    bool ask(Kind kind, const QString& text) override {
        // A question that gives something up has No as its default.
        steps_ << (kind == Kind::Caution ? QStringLiteral("ask (No) ") : QStringLiteral("ask ")) +
                      text.left(10);
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

    void showNoGame() override { steps_ << "showNoGame"; }
    // The share list is filled from the share table, so the table must be written by now.
    void showStartValues() override {
        steps_ << QStringLiteral("showStartValues %1 %2/%3")
                      .arg(s_.shares[0].name.toQString())
                      .arg(s_.day)
                      .arg(s_.month);
    }
    void showNewGameChoices() override { steps_ << "showNewGameChoices"; }
    void closeNewGameChoices() override { steps_ << "closeNewGameChoices"; }
    // The player's name (in a two-player game the first player's) shows with the game.
    void showGame() override { steps_ << "showGame " + userPanelText(s_).mid(7); }
    // The views show the reset market: daycount 1 and no holdings.
    void showNewMarket() override {
        steps_ << QStringLiteral("showNewMarket day %1 owned %2")
                      .arg(s_.daycount)
                      .arg(s_.shares[0].owned);
    }
    // What a load shows: the date and cash that came back, and the first headline.
    void showLoadedGame() override {
        steps_ << QStringLiteral("showLoadedGame %1/%2 £%3 %4")
                      .arg(s_.day)
                      .arg(s_.month)
                      .arg(s_.money)
                      .arg(s_.headlines1.caption);
    }
    void showEditor() override { steps_ << "showEditor"; }
    void closeEditor() override { steps_ << "closeEditor"; }
    void showLevelEnd(const LevelVerdict& v) override {
        steps_ << "showLevelEnd " + v.endtext.left(7);
    }
    void closeLevelEnd() override { steps_ << "closeLevelEnd"; }

  private:
    QStringList& steps_;
    const GameState& s_;
};

// A game on a data folder with a recording Session over it: the programs that the file tests
// start, stop and start again on one folder.
struct SessionOnFolder {
    explicit SessionOnFolder(const QString& folder) : game(clock, messages, DataFolder(folder)) {}

    FakeClock clock{1234, 777};
    RecordingMessages messages;
    Game game;
    QStringList steps;
    RecordingSessionViews views{steps, game.state};
    Session session{game, views};
};

} // namespace quotara::test

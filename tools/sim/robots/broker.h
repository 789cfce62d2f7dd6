#pragma once
// A robot's seat at the trade dialog. It presses the dialog's own OK (tradeOk) with the quantity
// typed as text, so the spread, the whole pounds and every refusal are exactly a player's.

#include "state/game.h"
#include "state/messages.h"

#include <QString>

#include <cstdint>
#include <span>

namespace quotara {

// The message boxes of a robot's game: nobody reads them, but each is counted, so a refusal
// that showed nothing can be told apart.
class RobotMessages final : public Messages {
  public:
    void show(Kind, const QString& text) override {
        ++shown;
        last = text;
    }
    bool ask(Kind, const QString& text) override {
        show(Kind::Confirmation, text);
        return true;
    }
    int shown = 0;
    QString last;
};

class Broker {
  public:
    Broker(Game& game, RobotMessages& messages) : game_(game), messages_(messages) {}

    const GameState& state() const { return game_.state; }
    // The game's own generator: a robot that draws from it moves the market's later draws too.
    Random& random() { return game_.random; }

    // What the dialog offers in buy mode ("You can afford : N shares"). share 0..19.
    std::int64_t affordable(int share) const;
    // The OK press in buy or sell mode with n typed. True when the trade took place.
    bool buy(int share, std::int64_t n);
    bool sell(int share, std::int64_t n);
    // Sells the whole holding of share 0..19; nothing when none is held.
    void sellAll(int share);
    // Spends the cash over the given shares, about the same in pounds on each, in their order.
    void buyEvenly(std::span<const int> shares);

    int trades() const { return trades_; }
    // OK presses the game refused; each showed its message, the last is kept.
    int refusals() const { return refusals_; }
    // Refusals that showed no message: a fault of the game if ever more than 0.
    int silentRefusals() const { return silentRefusals_; }
    const QString& lastRefusal() const { return lastRefusal_; }
    void resetCounts();

  private:
    bool press(const QString& caption, int share, std::int64_t n);

    Game& game_;
    RobotMessages& messages_;
    int trades_ = 0, refusals_ = 0, silentRefusals_ = 0;
    QString lastRefusal_;
};

} // namespace quotara

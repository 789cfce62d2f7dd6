#pragma once
// A whole game played by a robot, headless: the level chosen and started through the game's own
// Session, then each day the robot's trading and End Day, up to the level's end.

#include "play/endofday.h"
#include "play/session.h"
#include "robots/broker.h"
#include "robots/strategies.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace quotara {

// A level as a robot plays it, or free play for a number of days.
struct LevelPlan {
    QString name;                          // "Level 1", "Free play"
    std::int32_t money = 15000;            // pounds: the starting money
    std::int32_t target = 0;               // pounds: the worth that wins
    std::uint8_t endday = 0, endmonth = 0; // the deadline; 0 and 0: free play, no goal check
    int days = 365; // End Days of free play; with a deadline, the most before giving up
    int row = 0;    // the level table's row 0..14 it stands for (the gold-bar bookkeeping)
};

// The 15 rows of the level table, "Level 1" .. "Level 14", "Bonus Level".
std::vector<LevelPlan> levelPlans();
LevelPlan freePlayPlan(int days);

struct RunResult {
    std::int64_t worth = 0;  // pounds at the last close: cash and holdings at their prices
    std::int64_t profit = 0; // pounds: worth - the starting money
    bool won = false;        // the goal check awarded the level
    int days = 0;            // End Days played
    int trades = 0, refusals = 0, silentRefusals = 0;
};

// A two-player game played by two robots: each player's result, and the deadline's verdict.
struct DuelResult {
    std::array<RunResult, 2> players;    // player 1, player 2; days are the game's End Days
    std::optional<LevelVerdict> verdict; // none when the deadline never came
};

// Sees a game day by day, for pictures: the start, then after each End Day.
class RunObserver {
  public:
    virtual ~RunObserver() = default;
    virtual void started(const GameState& state) = 0;
    virtual void dayEnded(const GameState& state) = 0;
};

// The clock of a player who ends a day every 5 to 25 seconds, at an irregular pace drawn from
// its own small generator (never the game's). A steady pace would reseed the game's generator in
// an arithmetic progression, and the market would rise and fall in regular waves.
class PlayerClock final : public Clock {
  public:
    explicit PlayerClock(std::uint32_t start = 0)
        : next_(start % SteppingClock::kMsPerDay), pace_(start) {}
    std::uint32_t msOfDay() override;

  private:
    std::uint32_t next_;
    std::uint64_t pace_;
};

// One game with its clock and message boxes, replayed as often as wanted. Load the news table
// into state() first; every play starts from the new-game reset and keeps it.
class RobotGame {
  public:
    RobotGame();
    GameState& state() { return game_.state; }

    // The player's clock first reads clockStart (ms of the day).
    RunResult play(const LevelPlan& plan, Robot& robot, std::uint32_t clockStart,
                   RunObserver* observer = nullptr);

    // A two-player game to the plan's deadline: each day player 1's robot trades and ends
    // the turn, then player 2's robot trades and ends the day, through the game's own
    // hand-over. The names are the players' (at most 20 characters).
    DuelResult playTwo(const LevelPlan& plan, std::array<Robot*, 2> robots,
                       std::array<QString, 2> names, std::uint32_t clockStart);

  private:
    // The windows of a robot's game: none, but the level's end is kept.
    class Views final : public NoSessionViews {
      public:
        void showLevelEnd(const LevelVerdict& v) override { verdict = v; }
        std::optional<LevelVerdict> verdict;
    };

    void choose(const LevelPlan& plan, bool twoPlayer = false);
    void begin(std::uint32_t clockStart);

    PlayerClock clock_;
    RobotMessages messages_;
    Game game_;
    Views views_;
    Session session_;
    Broker broker_;
};

} // namespace quotara

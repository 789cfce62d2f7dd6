#include "robots/robotgame.h"

#include "play/levels.h"
#include "play/startup.h"
#include "play/twoplayer.h"
#include "trading/portfolio.h"

#include <optional>

namespace quotara {
namespace {

// A deadline is reached within a year; a plan whose date never comes stops there.
constexpr int kMostLevelDays = 366;

} // namespace

std::vector<LevelPlan> levelPlans() {
    std::vector<LevelPlan> plans;
    for (const LevelRow& row : levelTable()) {
        LevelPlan& p = plans.emplace_back();
        p.name = row.entry.left(row.entry.indexOf(QLatin1String(" (")));
        p.money = row.money;
        p.target = row.target;
        p.endday = row.endday;
        p.endmonth = row.endmonth;
        p.days = kMostLevelDays;
        p.row = int(plans.size()) - 1;
    }
    return plans;
}

LevelPlan freePlayPlan(int days) {
    LevelPlan p;
    p.name = QStringLiteral("Free play");
    p.days = days;
    return p;
}

RobotGame::RobotGame()
    : game_(clock_, messages_, DataFolder::none()), session_(game_, views_),
      broker_(game_, messages_) {}

std::uint32_t PlayerClock::msOfDay() {
    const std::uint32_t now = next_;
    pace_ = pace_ * 6364136223846793005u + 1442695040888963407u;
    const auto step = static_cast<std::uint32_t>(5'000 + (pace_ >> 33) % 20'001);
    next_ = (now + step) % SteppingClock::kMsPerDay;
    return now;
}

void RobotGame::choose(const LevelPlan& plan, bool twoPlayer) {
    NewGame& ng = session_.newGame();
    if (twoPlayer) {
        // The deadline as "Play until" sets one, on any day.
        session_.choose([&](GameState& s) {
            multiplayer(ng, s);
            s.endday = plan.endday;
            s.endmonth = plan.endmonth;
            ng.startValues = levelValues(s);
        });
        return;
    }
    if (plan.endday == 0) {
        session_.choose([&](GameState& s) { freeplay(ng, s); });
        return;
    }
    LevelRow row;
    row.entry = plan.name;
    row.money = plan.money;
    row.target = plan.target;
    row.endday = plan.endday;
    row.endmonth = plan.endmonth;
    session_.choose([&](GameState& s) {
        singleplay(ng, s);
        applyLevel(ng, s, row, plan.row);
    });
}

void RobotGame::begin(std::uint32_t clockStart) {
    clock_ = PlayerClock(clockStart);
    game_.random.reseed(clock_);
    broker_.resetCounts();
    views_.verdict.reset();
}

RunResult RobotGame::play(const LevelPlan& plan, Robot& robot, std::uint32_t clockStart,
                          RunObserver* observer) {
    GameState& s = game_.state;
    // The market as start-up leaves it (the news table is the lab's), then the level chosen in
    // the new-game window and the game's own Start.
    loadStartValues(s);
    choose(plan);
    session_.start({QStringLiteral("Robot"), {}, {}});
    begin(clockStart);
    if (observer) observer->started(s);

    NoDayViews none;
    RunResult r;
    while (session_.phase() == Phase::Playing && r.days < plan.days) {
        robot.trade(broker_);
        session_.endDay(none);
        ++r.days;
        if (observer) observer->dayEnded(s);
    }
    r.worth = totalWorth(s);
    r.profit = r.worth - plan.money;
    r.won = views_.verdict && views_.verdict->won;
    r.trades = broker_.trades();
    r.refusals = broker_.refusals();
    r.silentRefusals = broker_.silentRefusals();
    return r;
}

DuelResult RobotGame::playTwo(const LevelPlan& plan, std::array<Robot*, 2> robots,
                              std::array<QString, 2> names, std::uint32_t clockStart) {
    GameState& s = game_.state;
    loadStartValues(s);
    choose(plan, true);
    session_.start({QStringLiteral("Robot"), names[0], names[1]});
    begin(clockStart);

    NoDayViews none;
    DuelResult r;
    int days = 0;
    while (session_.phase() == Phase::Playing && days < plan.days) {
        RunResult& p = r.players[s.player == 2 ? 1 : 0];
        const int trades = broker_.trades(), refusals = broker_.refusals(),
                  silent = broker_.silentRefusals();
        robots[s.player == 2 ? 1 : 0]->trade(broker_);
        p.trades += broker_.trades() - trades;
        p.refusals += broker_.refusals() - refusals;
        p.silentRefusals += broker_.silentRefusals() - silent;
        if (session_.endDay(none) == DayResult::DayEnded) ++days;
    }
    r.verdict = views_.verdict;
    for (int i : {0, 1}) {
        RunResult& p = r.players[std::size_t(i)];
        p.days = days;
        p.worth = playerWorth(s, i + 1);
        p.profit = p.worth - plan.money;
        p.won = r.verdict && r.verdict->winner == i + 1;
    }
    return r;
}

} // namespace quotara

#include "trading/robots/robotgame.h"

#include "setup/levels.h"
#include "setup/startup.h"
#include "trading/portfolio.h"

#include <optional>

namespace quotara {
namespace {

// The last day of the game ends here instead of in the end-of-level window.
class LevelEnd final : public DayViews {
  public:
    void refresh() override {}
    void newsDrawn() override {}
    void levelEnded(const LevelVerdict& v) override { verdict = v; }
    std::optional<LevelVerdict> verdict;
};

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
    : game_(clock_, messages_, DataFolder(QString())), broker_(game_, messages_) {}

std::uint32_t PlayerClock::msOfDay() {
    const std::uint32_t now = next_;
    pace_ = pace_ * 6364136223846793005u + 1442695040888963407u;
    const auto step = static_cast<std::uint32_t>(5'000 + (pace_ >> 33) % 20'001);
    next_ = (now + step) % SteppingClock::kMsPerDay;
    return now;
}

RunResult RobotGame::play(const LevelPlan& plan, Robot& robot, std::uint32_t clockStart,
                          RunObserver* observer) {
    GameState& s = game_.state;
    // As the new-game window leaves it: the level's values, then Start's reset.
    startFreePlay(s);
    s.money = plan.money;
    s.startmoney = plan.endday != 0 ? plan.money : 0;
    s.target = plan.target;
    s.endday = plan.endday;
    s.endmonth = plan.endmonth;
    s.goldwon = 0;
    clock_ = PlayerClock(clockStart);
    game_.random.reseed(clock_);
    broker_.resetCounts();
    if (observer) observer->started(s);

    LevelEnd views;
    RunResult r;
    while (!views.verdict && r.days < plan.days) {
        robot.trade(broker_);
        endofday(game_, views);
        ++r.days;
        if (observer) observer->dayEnded(s);
    }
    r.worth = totalWorth(s);
    r.profit = r.worth - plan.money;
    r.won = views.verdict && views.verdict->won;
    r.trades = broker_.trades();
    r.refusals = broker_.refusals();
    r.silentRefusals = broker_.silentRefusals();
    return r;
}

} // namespace quotara

#pragma once
// Robot players: each plays a game the way one kind of player would, trading through a Broker
// once per trading day, before End Day. They see what a player sees and nothing more.

#include "robots/broker.h"

#include <array>
#include <memory>
#include <string_view>

namespace quotara {

class Robot {
  public:
    virtual ~Robot() = default;
    // One trading day's buying and selling, before End Day.
    virtual void trade(Broker& broker) = 0;
};

// Never trades: what the starting money is worth at the deadline.
class IdleRobot final : public Robot {
  public:
    void trade(Broker&) override {}
};

// On the first day of the game puts the cash evenly into all 20 shares and holds them for good.
class HoldRobot final : public Robot {
  public:
    void trade(Broker& broker) override;
};

// Each day, from the game's generator: nothing, a buy of one share with up to half of what the
// cash affords, or a sale of part of one holding.
class RandomRobot final : public Robot {
  public:
    void trade(Broker& broker) override;
};

// Sells every share that fell at the last close and buys the three that rose most.
class MomentumRobot final : public Robot {
  public:
    static constexpr int kPicks = 3;
    void trade(Broker& broker) override;
};

// Reads the headlines in force on the World News page and their effects on each sector: sells
// what the news works against and buys the shares the news favours most (by at least +1 %).
class NewsRobot final : public Robot {
  public:
    static constexpr int kFavoured = 2; // news score that moves a price by +1 % or more
    void trade(Broker& broker) override;
};

// The strategies by name, in the order tables show them.
inline constexpr std::array<std::string_view, 5> kRobotNames = {"idle", "hold", "random",
                                                                "momentum", "news"};

// The strategy of that name, or none.
std::unique_ptr<Robot> makeRobot(std::string_view name);

} // namespace quotara

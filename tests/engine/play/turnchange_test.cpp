#include "play/turnchange.h"
#include "state/game.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace quotara;

namespace {

struct HandOver : ::testing::Test {
    test::FakeClock clock;
    test::RecordingMessages messages;
    Game game{clock, messages, DataFolder::none()};
    GameState& s = game.state;
    void SetUp() override {
        s.twoplayer = 1;
        s.p1name.assign(std::string_view("Ann"));
        s.p2name.assign(std::string_view("Bartholomew Fielding")); // 20 characters
        s.money = 1000;
        s.p1money = 111;
        s.p2money = 222;
        for (int i = 0; i < kShareCapacity; ++i) {
            Tshare& share = s.shares[i];
            share.owned = i;
            share.cost = 10 * i;
            share.p1owned = 100 + i;
            share.p1cost = 1000 + i;
            share.p2owned = 200 + i;
            share.p2cost = 2000 + i;
        }
    }
};

} // namespace

TEST_F(HandOver, afterPlayer1EndDayStopsWithPlayer2sHoldingsOut) {
    s.player = 1;
    EXPECT_TRUE(turnchange(game));
    EXPECT_EQ(s.player, 2);
    ASSERT_EQ(messages.log.size(), 1u);
    EXPECT_EQ(messages.log[0].kind, Messages::Kind::Information);
    EXPECT_EQ(messages.log[0].text, "End of Ann's turn and today's trading.");
    EXPECT_EQ(s.p1money, 1000);
    EXPECT_EQ(s.money, 222);
    for (int i = 0; i < kShareCount; ++i) {
        const Tshare& sh = s.shares[i];
        EXPECT_EQ(std::tuple(sh.p1owned, sh.p1cost, sh.owned, sh.cost),
                  std::tuple(i, 10 * i, 200 + i, 2000 + i));
    }
    EXPECT_EQ(s.shares[20].owned, 20); // only the game's 20 shares change hands
}

TEST_F(HandOver, afterPlayer2TheDayGoesOnWithPlayer1sHoldingsOut) {
    s.player = 2;
    EXPECT_FALSE(turnchange(game));
    EXPECT_EQ(s.player, 1);
    EXPECT_EQ(messages.texts(),
              QStringList{"End of Bartholomew Fielding's turn and today's trading."});
    EXPECT_EQ(messages.texts()[0].size(), 55);
    EXPECT_EQ(s.p2money, 1000);
    EXPECT_EQ(s.money, 111);
    for (int i = 0; i < kShareCount; ++i) {
        const Tshare& sh = s.shares[i];
        EXPECT_EQ(std::tuple(sh.p2owned, sh.p2cost, sh.owned, sh.cost),
                  std::tuple(i, 10 * i, 100 + i, 1000 + i));
    }
}

TEST_F(HandOver, nothingHappensOutsideATwoPlayerTurn) {
    for (auto [twoplayer, player] : {std::pair{1, 0}, {1, 3}, {0, 1}, {0, 2}}) {
        s.twoplayer = static_cast<std::uint8_t>(twoplayer);
        s.player = static_cast<std::uint8_t>(player);
        EXPECT_FALSE(turnchange(game));
        EXPECT_EQ(s.player, player);
        EXPECT_EQ(s.money, 1000);
        EXPECT_EQ(s.shares[5].owned, 5);
    }
    EXPECT_TRUE(messages.log.empty());
}

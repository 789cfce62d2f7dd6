#pragma once
// A headless game for the market tests: fake clock, recorded message boxes, a news table whose
// items can all have text.

#include "fakes.h"
#include "play/endofday.h"
#include "play/startup.h"

#include <QString>

namespace quotara::test {

struct MarketGame {
    explicit MarketGame(std::uint32_t clockStart = 0, std::uint32_t clockStep = 0)
        : clock(clockStart, clockStep) {}
    FakeClock clock;
    RecordingMessages messages;
    Game game{clock, messages, DataFolder(QStringLiteral("unused"))};
    GameState& s = game.state;

    // A free-play game just started, as New Game and Start leave it.
    void startFreePlay() { quotara::startFreePlay(s); }
    // Every item gets a text "Item n"; effects stay 0.
    void fillNewsTexts() {
        for (int n = 1; n <= kNewsCount; ++n)
            s.newsitems[n].text.assign(QStringLiteral("Item %1").arg(n));
    }
};

} // namespace quotara::test

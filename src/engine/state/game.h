#pragma once
// The engine's context: the game state with the generator, the clock that reseeds it, the
// message boxes and the data folder. Windows and the simulator own one; tests build one
// with fakes.

#include "state/datafolder.h"
#include "state/gamestate.h"
#include "state/messages.h"
#include "state/random.h"
#include "state/settings.h"

#include <memory>

namespace quotara {

struct Game {
    Game(Clock& clock, Messages& messages, DataFolder folder)
        : clock(clock), messages(messages), folder(std::move(folder)) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Large (the share table is 200 KB); kept on the heap.
    std::unique_ptr<GameState> statePtr = std::make_unique<GameState>();
    GameState& state = *statePtr;
    Random random;
    // The last daily draw that found no headline: the seed it started from and the drawable
    // items then unused (bit k - 1 for item k, k - 10 past item 50). From the same seed over
    // the same items the draw finds none again; the simulator's clock stands still all game.
    struct EmptyDraw {
        std::uint32_t seed = 0;
        std::uint64_t unused = 0;
        bool valid = false;
    } emptyDraw;
    Clock& clock;
    Messages& messages;
    DataFolder folder;
    Settings settings; // none kept unless given a file
};

} // namespace quotara

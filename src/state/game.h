#pragma once
// The engine's context: the game state with the generator, the clock that reseeds it, the
// message boxes and the data folder. Windows and the simulator own one; tests build one
// with fakes.

#include "state/datafolder.h"
#include "state/gamestate.h"
#include "state/messages.h"
#include "state/random.h"

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
    Clock& clock;
    Messages& messages;
    DataFolder folder;
};

} // namespace quotara

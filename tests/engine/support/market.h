#pragma once
// A share table as the game starts it: built-in names, sectors and prices, nothing held.

#include "state/gamestate.h"
#include "state/sharetable.h"

namespace quotara::test {

inline void fillBuiltinShares(GameState& state) {
    for (int i = 0; i < kShareCount; ++i) {
        Tshare& s = state.shares[i];
        s.name.assign(kBuiltinShares[i].name);
        s.sector = kBuiltinShares[i].sector;
        s.price = s.high = s.low = kBuiltinShares[i].price;
    }
}

inline void hold(Tshare& s, int owned, int cost) {
    s.owned = owned;
    s.cost = cost;
}

} // namespace quotara::test

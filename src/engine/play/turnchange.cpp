#include "play/turnchange.h"

namespace quotara {
namespace {

QString endOfTurnText(const PString<20>& name) {
    return QStringLiteral("End of ") + name.toQString() +
           QStringLiteral("'s turn and today's trading.");
}

} // namespace

bool turnchange(Game& game) {
    GameState& s = game.state;
    if (s.twoplayer != 1 || (s.player != 1 && s.player != 2)) return false;
    const bool first = s.player == 1;
    s.player = first ? 2 : 1;
    game.messages.show(Messages::Kind::Information, endOfTurnText(first ? s.p1name : s.p2name));
    // The finished player's cash and holdings go into their slots, the other's come out.
    struct Slots {
        std::int32_t Tshare::*owned;
        std::int32_t Tshare::*cost;
        std::int32_t GameState::*money;
    };
    constexpr Slots p1{&Tshare::p1owned, &Tshare::p1cost, &GameState::p1money};
    constexpr Slots p2{&Tshare::p2owned, &Tshare::p2cost, &GameState::p2money};
    const Slots& park = first ? p1 : p2;
    const Slots& out = first ? p2 : p1;
    for (int i = 0; i < kShareCount; ++i) {
        Tshare& share = s.shares[i];
        share.*park.owned = share.owned;
        share.*park.cost = share.cost;
        share.owned = share.*out.owned;
        share.cost = share.*out.cost;
    }
    s.*park.money = s.money;
    s.money = s.*out.money;
    return first;
}

} // namespace quotara

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
    if (s.twoplayer != 1) return false;
    if (s.player == 1) {
        s.player = 2;
        game.messages.show(Messages::Kind::Information, endOfTurnText(s.p1name));
        for (int i = 0; i < kShareCount; ++i) {
            Tshare& share = s.shares[i];
            share.p1owned = share.owned;
            share.p1cost = share.cost;
        }
        s.p1money = s.money;
        for (int i = 0; i < kShareCount; ++i) {
            Tshare& share = s.shares[i];
            share.owned = share.p2owned;
            share.cost = share.p2cost;
        }
        s.money = s.p2money;
        return true;
    }
    if (s.player == 2) {
        s.player = 1;
        game.messages.show(Messages::Kind::Information, endOfTurnText(s.p2name));
        for (int i = 0; i < kShareCount; ++i) {
            Tshare& share = s.shares[i];
            share.p2owned = share.owned;
            share.p2cost = share.cost;
        }
        s.p2money = s.money;
        for (int i = 0; i < kShareCount; ++i) {
            Tshare& share = s.shares[i];
            share.owned = share.p1owned;
            share.cost = share.p1cost;
        }
        s.money = s.p1money;
    }
    return false;
}

} // namespace quotara

#include "play/startup.h"

#include "play/levels.h"
#include "play/newgamereset.h"
#include "state/sharetable.h"

namespace quotara {

void loadStartPrices(GameState& s) {
    for (int i = 0; i < kShareCount; ++i) {
        Tshare& share = s.shares[i];
        share.price = kBuiltinShares[i].price;
        share.high = share.price;
        share.low = share.price;
    }
}

void loadStartEconomy(GameState& s) {
    s.month = 1;
    s.day = 1;
    s.year = 1999;
    s.dow = kStartDow;
    s.ftse = kStartFtse;
    s.hangseng = kStartHangseng;
    s.interest = kStartInterest;
    s.inflation = kStartInflation;
    s.unemployed = kStartUnemployed;
}

void loadStartValues(GameState& s) {
    loadStartEconomy(s);

    for (int i = 0; i <= kShareCount; ++i)
        s.shares[i].name.assign(kBuiltinShares[i].name);
    loadStartPrices(s);
    if (s.daycount >= 1 && s.daycount <= Tshare::kHistoryDays)
        for (int i = 0; i < kShareCount; ++i)
            s.shares[i].history[s.daycount] = s.shares[i].price;

    for (int i = 0; i <= kShareCount; ++i)
        s.shares[i].sector = kBuiltinShares[i].sector;
}

void startFreePlay(GameState& s) {
    loadStartValues(s);
    newgamereset(s);
    s.twoplayer = 0;
    freePlayValues(s);
}

} // namespace quotara

#include "play/newgamereset.h"

#include "market/headlines.h"
#include "play/record.h"
#include "play/startup.h"

#include <algorithm>

namespace quotara {

void newgamereset(GameState& s) {
    // No headline of the previous game acts on the first End Day.
    s.headlines4.clear();
    s.headlines1.clear();
    s.headlines2.clear();

    loadStartEconomy(s);
    s.daycount = 1;
    s.dowchange = 0;
    s.ftsechange = 0;
    s.hangchange = 0;
    s.unemployedchange = 0;

    loadStartPrices(s);
    for (int i = 0; i < kShareCount; ++i) {
        Tshare& share = s.shares[i];
        share.change = 0;
        share.cost = 0;
        share.owned = 0;
        // Entries 366..1000 are left as they are.
        std::fill(share.history.begin() + 1, share.history.begin() + 1 + kYearDays, 0);
        share.history[s.daycount] = share.price;
    }

    for (int n = 1; n <= kNewsCount; ++n)
        s.newsitems[n].used = 0;
    // The ticker says what the World News page says, not the last game's headlines.
    s.tickerText = tickerText(s);

    // A new game, or the next after a level: its record starts today.
    startRecord(s);
}

} // namespace quotara

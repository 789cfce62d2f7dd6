#include "market/headlines.h"

#include <limits>

namespace quotara {
namespace {

constexpr int kAttempts = 40;

// The loop tests the caption, not the pick: an unused item without text is still marked used
// and its number written, and the search goes on.
void drawSlot(Game& game, HeadlineSlot& slot, std::uint8_t& itembyte) {
    GameState& s = game.state;
    int attempts = 0;
    do {
        ++attempts;
        int n = static_cast<int>(game.random(kDrawableItems)) + 1;
        if (n > 40) n += 10;
        Tnewsitem& item = s.newsitems[n];
        if (item.used == 0) {
            itembyte = static_cast<std::uint8_t>(n);
            slot.caption = item.text.toQString();
            slot.number = n;
            item.used = 1;
        }
    } while (slot.caption.isEmpty() && attempts != kAttempts);
}

} // namespace

void headlineload(Game& game) {
    GameState& s = game.state;
    s.headlines1.clear();
    s.headlines2.clear();
    game.random.reseed(game.clock);
    drawSlot(game, s.headlines1, s.headline1item);
    drawSlot(game, s.headlines2, s.headline2item);
    s.tickerText = tickerText(s);
}

void headline4countdown(GameState& s) {
    // Below 0 the count only keeps going down; a saved game may bring the lowest value, which
    // must not wrap round to a headline in force for ever.
    if (s.headline4days > std::numeric_limits<std::int32_t>::min()) s.headline4days -= 1;
    if (s.headline4days == 0) s.headlines4.caption.clear();
}

int unemploymentItem(std::int32_t change) {
    if (change >= 15000) return 45;
    if (change >= 0) return 44;
    if (change >= -14999) return 43;
    return 42;
}

void headline4setup(GameState& s) {
    const int n = unemploymentItem(s.unemployedchange);
    s.headlines4.caption = s.newsitems[n].text.toQString();
    s.headlines4.number = n;
    s.headline4item = static_cast<std::uint8_t>(n);
    s.headline4days = 3;
}

QString tickerText(const GameState& s) {
    static const QString kGap = QStringLiteral("     ");
    return s.headlines1.caption + kGap + s.headlines2.caption + kGap + s.headlines4.caption;
}

} // namespace quotara

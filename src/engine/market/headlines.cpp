#include "market/headlines.h"

#include <limits>

namespace quotara {
namespace {

constexpr int kAttempts = 40;

// The drawable items (1..40 and 51..68) not shown yet, one bit each.
std::uint64_t unusedItems(const GameState& s) {
    std::uint64_t unused = 0;
    for (int k = 1; k <= kDrawableItems; ++k)
        unused |= std::uint64_t{s.newsitems[k > 40 ? k + 10 : k].used == 0} << (k - 1);
    return unused;
}

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

const QString kGap = QStringLiteral("     ");

// The ticker text already reads caption 1, gap, caption 2, gap, caption 4.
bool sameTicker(const GameState& s) {
    const QStringView t = s.tickerText;
    const QString& one = s.headlines1.caption;
    const QString& two = s.headlines2.caption;
    const QString& four = s.headlines4.caption;
    qsizetype at = 0;
    const auto next = [&](QStringView part) {
        const bool same = t.mid(at, part.size()) == part;
        at += part.size();
        return same;
    };
    return t.size() == one.size() + two.size() + four.size() + 2 * kGap.size() && next(one) &&
           next(kGap) && next(two) && next(kGap) && next(four);
}

} // namespace

void headlineload(Game& game) {
    GameState& s = game.state;
    s.headlines1.clear();
    s.headlines2.clear();
    game.random.reseed(game.clock);
    const std::uint32_t seed = game.random.seed();
    const std::uint64_t unused = unusedItems(s);
    Game::EmptyDraw& empty = game.emptyDraw;
    if (unused == 0 || (empty.valid && empty.seed == seed && empty.unused == unused)) {
        // Both slots' attempts would find nothing: only their draws remain, by which the
        // generator moves on.
        game.random.skip(2 * kAttempts);
    } else {
        drawSlot(game, s.headlines1, s.headline1item);
        drawSlot(game, s.headlines2, s.headline2item);
        // No item marked used: every attempt of both slots missed.
        if (unusedItems(s) == unused) empty = {seed, unused, true};
    }
    // Most days after the first month bring no headline: the text stays as it was.
    if (!sameTicker(s)) s.tickerText = tickerText(s);
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

bool noHeadlines(const GameState& s) {
    return s.headlines1.caption.isEmpty() && s.headlines2.caption.isEmpty() &&
           s.headlines4.caption.isEmpty();
}

QString tickerText(const GameState& s) {
    if (noHeadlines(s)) return kNoNewsToday;
    return s.headlines1.caption + kGap + s.headlines2.caption + kGap + s.headlines4.caption;
}

} // namespace quotara

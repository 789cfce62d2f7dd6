#include "play/savestate.h"

// The saved-state file's fields: one table, which the writer, the reader, the checks and the
// load walk alike.

#include "market/calendar.h"
#include "state/versionedfile.h"

#include <limits>

namespace quotara {
namespace {

constexpr FileFormat kFormat = {{'Q', 'S', 'T', 'A'}, kStateFileVersion};

using StateField = Field<SavedState, GameState>;

template <auto Member> constexpr StateField entry() {
    return field<Member, SavedState, GameState>();
}
template <auto Member, std::size_t Index> constexpr StateField slot() {
    return element<Member, Index, SavedState, GameState>();
}
// A counted list of the game's fixed-size records, each described by the table Items.
template <auto Member, const auto& Items, std::size_t Max> constexpr StateField counted() {
    return list<Member, Items, Max, SavedState, GameState>();
}

// The ranges play reaches, found in the engine's code.
constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();
// From 1 January 1999, up to the last year whose new year still fits in 16 bits.
constexpr double kFirstYear = 1999, kLastYear = 65534;
// The widest band of a day's Dow and Hang Seng moves (market/indices.cpp); a move stopped
// at 0 is smaller.
constexpr double kDowMoveLow = -200, kDowMoveHigh = 249;
constexpr double kHangMoveLow = -400, kHangMoveHigh = 499;
// The monthly move is at most 2 % either way, at random: this is far beyond any game, and low
// enough that the next move (then at most 40,000,000) cannot overflow.
constexpr double kMostUnemployed = 2'000'000'000, kMostUnemployedChange = 40'000'000;

bool dayExists(const SavedState& s) {
    return s.day <= monthLength(s.month);
}
// No deadline (0 and 0), or a day that exists.
bool deadlineExists(const SavedState& s) {
    return s.endday == 0 ? s.endmonth == 0 : s.endday <= monthLength(s.endmonth);
}
// Player details sets both names at once; a game never has only one.
bool namesInPairs(const SavedState& s) {
    return s.p1name.empty() == s.p2name.empty();
}
// Slot 4 only ever holds an unemployment item.
bool unemploymentItem(const SavedState& s) {
    return s.headline4item == 0 || s.headline4item >= 42;
}
template <std::size_t Index> bool shownWithNumber(const SavedState& s) {
    return s.slotShown[Index] == 0 || s.slotNumber[Index] >= 1;
}

// The news items' used flags 1..200, one byte each, kept as the news file gave them.
constexpr StateField usedFlags() {
    StateField f;
    f.size = kNewsCount;
    f.write = [](const SavedState& s, ByteWriter& w, std::uint16_t) {
        for (int n = 1; n <= kNewsCount; ++n)
            w.put(s.newsitems[n].used);
    };
    f.read = [](SavedState& s, ByteReader& in, std::uint16_t) {
        for (int n = 1; n <= kNewsCount; ++n)
            s.newsitems[n].used = in.get<std::uint8_t>();
    };
    f.apply = [](const SavedState& from, GameState& to) {
        for (int n = 1; n <= kNewsCount; ++n)
            to.newsitems[n].used = from.newsitems[n].used;
    };
    return f;
}

// The record's dates are days of the calendar.
template <class Item> constexpr Field<Item> dateOf() {
    Field<Item> f;
    f.size = 4;
    f.write = [](const Item& r, ByteWriter& w, std::uint16_t) {
        w.put(r.date.day);
        w.put(r.date.month);
        w.put(r.date.year);
    };
    f.read = [](Item& r, ByteReader& in, std::uint16_t) {
        in.get(r.date.day);
        in.get(r.date.month);
        in.get(r.date.year);
    };
    f.rule = [](const Item& r) {
        const GameDate& d = r.date;
        return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= monthLength(d.month) &&
               d.year >= kFirstYear && d.year <= kLastYear;
    };
    return f;
}

constexpr Field<TradeEntry> sideOf() {
    Field<TradeEntry> f;
    f.size = 1;
    f.write = [](const TradeEntry& t, ByteWriter& w, std::uint16_t) {
        w.put(static_cast<std::uint8_t>(t.side));
    };
    f.read = [](TradeEntry& t, ByteReader& in, std::uint16_t) {
        t.side = static_cast<TradeSide>(in.get<std::uint8_t>());
    };
    f.rule = [](const TradeEntry& t) {
        return t.side == TradeSide::Buy || t.side == TradeSide::Sell;
    };
    return f;
}

// Holdings at most 20 shares of 2^31 at 65535p each.
constexpr double kMostHoldings = 3e13;
// The dearest purchase: 65535p and its spread.
constexpr double kDearestPrice = 65535 + 655;

constexpr std::array kDayFields = {
    dateOf<DayClose>(),
    field<&DayClose::cash>().in(0, kInt32Max),
    field<&DayClose::holdings>().in(0, kMostHoldings),
    field<&DayClose::worth>().in(0, kInt32Max + kMostHoldings).with([](const DayClose& d) {
        return d.worth == d.cash + d.holdings;
    }),
};

constexpr std::array kTradeFields = {
    dateOf<TradeEntry>(),
    field<&TradeEntry::share>().in(0, kShareCount - 1),
    field<&TradeEntry::name>().in(0, 40),
    sideOf(),
    field<&TradeEntry::quantity>().in(1, kInt32Max),
    field<&TradeEntry::price>().in(0, kDearestPrice),
    field<&TradeEntry::total>().in(0, kInt32Max),
    field<&TradeEntry::cashAfter>().in(0, kInt32Max),
    field<&TradeEntry::player>().in(0, 2).addedIn(3),
};

// A game saved before the record was kept brings none: its record starts at the load.
constexpr StateField recordDays() {
    StateField f =
        counted<&SavedState::recordDays, kDayFields, kMostRecordedDays>().addedIn(2).whenAbsent(
            [](GameState& to) { to.record.days.clear(); });
    f.apply = [](const SavedState& from, GameState& to) { to.record.days = from.recordDays; };
    return f;
}
constexpr StateField recordTrades() {
    StateField f = counted<&SavedState::recordTrades, kTradeFields, kMostRecordedTrades>()
                       .addedIn(2)
                       .whenAbsent([](GameState& to) { to.record.trades.clear(); });
    f.apply = [](const SavedState& from, GameState& to) { to.record.trades = from.recordTrades; };
    return f;
}

// A record kept by version 2 noted no start: it shows the start as that version did.
constexpr StateField recordStart() {
    StateField f = counted<&SavedState::recordStart, kDayFields, 1>().addedIn(3).whenAbsent(
        [](GameState& to) { to.record.start.reset(); });
    f.apply = [](const SavedState& from, GameState& to) {
        to.record.start =
            from.recordStart.empty() ? std::nullopt : std::optional(from.recordStart.front());
    };
    return f;
}

// A two-player game saved before each player's record was kept shows player 1's alone.
constexpr StateField recordSecondDays() {
    StateField f = counted<&SavedState::recordSecondDays, kDayFields, kMostRecordedDays>()
                       .addedIn(3)
                       .whenAbsent([](GameState& to) { to.record.secondDays.clear(); });
    f.apply = [](const SavedState& from, GameState& to) {
        to.record.secondDays = from.recordSecondDays;
    };
    return f;
}

// Version 1, then the fields of each later version at the end, each tagged .addedIn(its
// version), so that the bytes of the earlier versions stay where they were.
constexpr std::array kFields = {
    entry<&SavedState::sharesDigest>(), // first, at byte 10, where a partial save is told
    entry<&SavedState::levelRow>().in(kFreePlayLevel, kLevelCount - 1),
    entry<&SavedState::mode>().in(1, 3),
    entry<&GameState::day>().in(1, 31).with(dayExists),
    entry<&GameState::month>().in(1, 12),
    entry<&GameState::year>().in(kFirstYear, kLastYear),
    entry<&GameState::daycount>().in(0, kYearDays), // 0 until the first game begins
    entry<&GameState::money>().in(0, kInt32Max),    // a trade never spends more than there is
    entry<&GameState::startmoney>().in(0, kInt32Max),
    entry<&GameState::target>().in(0, kInt32Max),
    entry<&GameState::endday>().in(0, 31).with(deadlineExists),
    entry<&GameState::endmonth>().in(0, 12),
    entry<&GameState::username>().in(0, 20), // a text's figure is its length
    entry<&GameState::twoplayer>().in(0, 1),
    entry<&GameState::player>().in(0, 2),
    entry<&GameState::p1name>().in(0, 20),
    entry<&GameState::p2name>().in(0, 20).with(namesInPairs),
    entry<&GameState::p1money>().in(0, kInt32Max),
    entry<&GameState::p2money>().in(0, kInt32Max),
    entry<&GameState::dow>().in(0, kInt32Max), // the indices stop at 0 and at the top
    entry<&GameState::ftse>().in(0, kInt32Max),
    entry<&GameState::hangseng>().in(0, kInt32Max),
    entry<&GameState::dowchange>().in(kDowMoveLow, kDowMoveHigh),
    entry<&GameState::ftsechange>().in(-kInt32Max, kInt32Max),
    entry<&GameState::hangchange>().in(kHangMoveLow, kHangMoveHigh),
    entry<&GameState::interest>().in(0, 100), // percent, set at the start
    entry<&GameState::inflation>().in(0, 100),
    entry<&GameState::unemployed>().in(0, kMostUnemployed),
    entry<&GameState::unemployedchange>().in(-kMostUnemployedChange, kMostUnemployedChange),
    entry<&GameState::headline1item>().in(0, kNewsCount),
    entry<&GameState::headline2item>().in(0, kNewsCount),
    entry<&GameState::headline4item>().in(0, 45).with(unemploymentItem),
    entry<&GameState::headline4days>().in(kInt32Min, 3), // counts down from 3
    slot<&SavedState::slotNumber, 0>().in(-1, kNewsCount),
    slot<&SavedState::slotShown, 0>().in(0, 1).with(shownWithNumber<0>),
    slot<&SavedState::slotNumber, 1>().in(-1, kNewsCount),
    slot<&SavedState::slotShown, 1>().in(0, 1).with(shownWithNumber<1>),
    slot<&SavedState::slotNumber, 2>().in(-1, kNewsCount),
    slot<&SavedState::slotShown, 2>().in(0, 1).with(shownWithNumber<2>),
    usedFlags(),
    recordDays(),
    recordTrades(),
    entry<&GameState::goldbarcount>().in(0, 255).addedIn(2), // a load never lowers it
    recordStart(),
    // A load never forgets a level won, nor lets it pay again.
    entry<&GameState::levelswon>().in(0, (1 << kLevelCount) - 1).addedIn(3),
    recordSecondDays(),
};
// Version 1's layout, which every game saved so far has: 385 bytes in all.
static_assert(fields::fixedSize(kFields, 1) + versioned::kFieldsAt + versioned::kChecksumSize ==
              385);

HeadlineSlot GameState::*const kSlots[3] = {&GameState::headlines1, &GameState::headlines2,
                                            &GameState::headlines4};

} // namespace

std::vector<std::uint8_t> encodeStateFile(const GameState& state, const SavedLevel& level,
                                          std::span<const std::uint8_t> shareImage) {
    auto saved = std::make_unique<SavedState>();
    static_cast<GameState&>(*saved) = state;
    saved->sharesDigest = fnv1a(shareImage);
    saved->levelRow = static_cast<std::int8_t>(level.level);
    saved->mode = static_cast<std::uint8_t>(level.mode);
    saved->recordDays = state.record.days;
    saved->recordTrades = state.record.trades;
    if (state.record.start) saved->recordStart.push_back(*state.record.start);
    saved->recordSecondDays = state.record.secondDays;
    for (std::size_t k = 0; k < 3; ++k) {
        const HeadlineSlot& slot = state.*kSlots[k];
        saved->slotNumber[k] = static_cast<std::int16_t>(slot.number);
        saved->slotShown[k] = slot.caption.isEmpty() ? 0 : 1;
    }
    return writeVersioned(kFormat, kFields, *saved, kStateFileVersion);
}

StateFileCheck checkStateFile(std::span<const std::uint8_t> bytes,
                              std::span<const std::uint8_t> shareImage) {
    StateFileCheck check;
    auto saved = std::make_shared<SavedState>();
    const VersionRead read = readVersioned(kFormat, kFields, bytes, *saved);
    if (read.result == VersionCheck::Newer) check.result = StateFileCheck::Result::Newer;
    if (read.result != VersionCheck::Valid) return check;
    if (saved->sharesDigest != fnv1a(shareImage)) {
        check.result = StateFileCheck::Result::OtherShares;
        return check;
    }
    check.result = StateFileCheck::Result::Valid;
    check.version = read.version;
    check.level = {saved->levelRow, saved->mode};
    check.saved = std::move(saved);
    return check;
}

void applyStateFile(const StateFileCheck& check, GameState& to) {
    const SavedState& from = *check.saved;
    fields::apply(kFields, from, to, check.version);
    // The captions come from the items' texts, as the draw put them there.
    for (std::size_t k = 0; k < 3; ++k) {
        HeadlineSlot& slot = to.*kSlots[k];
        slot.number = from.slotNumber[k];
        slot.caption = from.slotShown[k] ? to.newsitems[slot.number].text.toQString() : QString();
    }
}

void applyNoStateFile(GameState& to) {
    fields::applyAbsent(kFields, to);
}

} // namespace quotara

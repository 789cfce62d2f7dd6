#include "setup/savegame.h"

// The saved-state file savegame.sta: its layout, encoding, checks and how it is applied.

#include "market/calendar.h"
#include "market/headlines.h"
#include "state/sharefile.h"

#include <QFileInfo>

#include <cstring>
#include <variant>

namespace quotara {
namespace {

// ---- savegame.sta ------------------------------------------------------------------------
//
// Header: magic "QSTA", version, file size, the FNV-1a digest of the share image the save
// wrote, the level and the mode. Then the fields of the table below; the headline slots 1, 2
// and 4, each its number (signed 16-bit, -1 for none) and whether its caption shows (0 or 1);
// the news items' used flags 1..200; last the FNV-1a digest of every byte before it.

constexpr char kMagic[4] = {'Q', 'S', 'T', 'A'};
constexpr std::size_t kVersionAt = 4, kSizeAt = 6, kSharesDigestAt = 10, kLevelAt = 18,
                      kModeAt = 19, kFieldsAt = 20, kSlotsAt = 168, kUsedAt = 177,
                      kChecksumAt = 377;
static_assert(kSlotsAt + 3 * 3 == kUsedAt);
static_assert(kUsedAt + kNewsCount == kChecksumAt);
static_assert(kChecksumAt + 8 == kStateFileSize);

using Member =
    std::variant<std::uint8_t GameState::*, std::uint16_t GameState::*, std::int32_t GameState::*,
                 double GameState::*, PString<20> GameState::*>;

struct Field {
    std::size_t offset;
    Member member;
};

// Doubles are IEEE 754 binary64; names are a length byte and 20 characters.
constexpr std::size_t sizeOf(const Member& m) {
    switch (m.index()) {
    case 0:
        return 1;
    case 1:
        return 2;
    case 2:
        return 4;
    case 3:
        return 8;
    default:
        return 21;
    }
}

constexpr Field kFields[] = {
    {20, &GameState::day},
    {21, &GameState::month},
    {22, &GameState::year},
    {24, &GameState::daycount},
    {26, &GameState::money},
    {30, &GameState::startmoney},
    {34, &GameState::target},
    {38, &GameState::endday},
    {39, &GameState::endmonth},
    {40, &GameState::username},
    {61, &GameState::twoplayer},
    {62, &GameState::player},
    {63, &GameState::p1name},
    {84, &GameState::p2name},
    {105, &GameState::p1money},
    {109, &GameState::p2money},
    {113, &GameState::dow},
    {117, &GameState::ftse},
    {121, &GameState::hangseng},
    {125, &GameState::dowchange},
    {129, &GameState::ftsechange},
    {133, &GameState::hangchange},
    {137, &GameState::interest},
    {145, &GameState::inflation},
    {153, &GameState::unemployed},
    {157, &GameState::unemployedchange},
    {161, &GameState::headline1item},
    {162, &GameState::headline2item},
    {163, &GameState::headline4item},
    {164, &GameState::headline4days},
};

// The fields follow each other without gaps from kFieldsAt up to the slots.
constexpr bool packed() {
    std::size_t at = kFieldsAt;
    for (const Field& f : kFields) {
        if (f.offset != at) return false;
        at += sizeOf(f.member);
    }
    return at == kSlotsAt;
}
static_assert(packed());

void putLE(std::uint8_t* p, std::uint64_t v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
std::uint64_t getLE(const std::uint8_t* p, std::size_t n) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i)
        v |= std::uint64_t{p[i]} << (8 * i);
    return v;
}

template <typename T> std::uint64_t bitsOf(T v) {
    if constexpr (std::is_same_v<T, double>) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        return bits;
    } else {
        return static_cast<std::uint64_t>(static_cast<std::make_unsigned_t<T>>(v));
    }
}
template <typename T> T fromBits(std::uint64_t bits) {
    if constexpr (std::is_same_v<T, double>) {
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    } else {
        return static_cast<T>(static_cast<std::make_unsigned_t<T>>(bits));
    }
}

void encodeField(const GameState& s, const Field& f, std::uint8_t* out) {
    std::visit(
        [&](auto member) {
            const auto& value = s.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, PString<20>>) {
                out[0] = value.len;
                std::memcpy(out + 1, value.chars.data(), 20);
            } else {
                putLE(out, bitsOf(value), sizeof(T));
            }
        },
        f.member);
}

void decodeField(GameState& s, const Field& f, const std::uint8_t* in) {
    std::visit(
        [&](auto member) {
            auto& value = s.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, PString<20>>) {
                value.len = in[0];
                std::memcpy(value.chars.data(), in + 1, 20);
            } else {
                value = fromBits<T>(getLE(in, sizeof(T)));
            }
        },
        f.member);
}

HeadlineSlot GameState::*const kSlots[3] = {&GameState::headlines1, &GameState::headlines2,
                                            &GameState::headlines4};

void encodeSlots(const GameState& s, std::uint8_t* p) {
    for (HeadlineSlot GameState::*slot : kSlots) {
        putLE(p, static_cast<std::uint16_t>((s.*slot).number), 2);
        p[2] = (s.*slot).caption.isEmpty() ? 0 : 1;
        p += 3;
    }
}

// Slot numbers and whether each caption shows; false when out of range.
bool decodeSlots(const std::uint8_t* p, StateFileCheck& check) {
    for (std::size_t k = 0; k < 3; ++k, p += 3) {
        const int number = static_cast<std::int16_t>(getLE(p, 2));
        const int shown = p[2];
        if (number < -1 || number > kNewsCount || shown > 1 || (shown && number < 1)) return false;
        check.slotNumbers[k] = number;
        check.slotShown[k] = shown == 1;
    }
    return true;
}

std::uint64_t fnv1a(std::span<const std::uint8_t> bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (std::uint8_t b : bytes) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h;
}

// Everything a later step indexes with, or shows as a date or a name, in its range.
bool inRange(const GameState& s, const SavedLevel& level) {
    const auto item = [](int n) { return n >= 0 && n <= kNewsCount; };
    return s.day >= 1 && s.day <= 31 && s.month >= 1 && s.month <= 12 &&
           s.daycount <= Tshare::kHistoryDays && s.endday <= 31 && s.endmonth <= 12 &&
           s.username.len <= 20 && s.p1name.len <= 20 && s.p2name.len <= 20 && s.twoplayer <= 1 &&
           s.player <= 2 && item(s.headline1item) && item(s.headline2item) &&
           item(s.headline4item) && s.dow >= 0 && s.ftse >= 0 && s.hangseng >= 0 &&
           level.mode >= 1 && level.mode <= 3 && level.level >= kFreePlayLevel &&
           level.level < kLevelCount;
}
} // namespace

std::vector<std::uint8_t> encodeStateFile(const GameState& s, const SavedLevel& level,
                                          std::span<const std::uint8_t> shareImage) {
    std::vector<std::uint8_t> bytes(kStateFileSize);
    std::uint8_t* p = bytes.data();
    std::memcpy(p, kMagic, 4);
    putLE(p + kVersionAt, kStateFileVersion, 2);
    putLE(p + kSizeAt, kStateFileSize, 4);
    putLE(p + kSharesDigestAt, fnv1a(shareImage), 8);
    p[kLevelAt] = static_cast<std::uint8_t>(static_cast<std::int8_t>(level.level));
    p[kModeAt] = static_cast<std::uint8_t>(level.mode);
    for (const Field& f : kFields)
        encodeField(s, f, p + f.offset);
    encodeSlots(s, p + kSlotsAt);
    for (int n = 1; n <= kNewsCount; ++n)
        p[kUsedAt + n - 1] = s.newsitems[n].used;
    putLE(p + kChecksumAt, fnv1a(std::span(bytes).first(kChecksumAt)), 8);
    return bytes;
}

StateFileCheck checkStateFile(std::span<const std::uint8_t> bytes,
                              std::span<const std::uint8_t> shareImage) {
    StateFileCheck check;
    const std::uint8_t* p = bytes.data();
    if (bytes.size() != kStateFileSize || std::memcmp(p, kMagic, 4) != 0 ||
        getLE(p + kVersionAt, 2) != kStateFileVersion || getLE(p + kSizeAt, 4) != kStateFileSize ||
        getLE(p + kChecksumAt, 8) != fnv1a(bytes.first(kChecksumAt)))
        return check;

    auto fields = std::make_unique<GameState>();
    for (const Field& f : kFields)
        decodeField(*fields, f, p + f.offset);
    for (int n = 1; n <= kNewsCount; ++n)
        fields->newsitems[n].used = p[kUsedAt + n - 1];
    check.level = {static_cast<std::int8_t>(p[kLevelAt]), p[kModeAt]};
    if (!inRange(*fields, check.level) || !decodeSlots(p + kSlotsAt, check)) return check;

    if (getLE(p + kSharesDigestAt, 8) != fnv1a(shareImage)) {
        check.result = StateFileCheck::Result::OtherShares;
        return check;
    }
    check.result = StateFileCheck::Result::Valid;
    check.fields = std::move(fields);
    return check;
}

void applyStateFile(const StateFileCheck& check, GameState& to) {
    const GameState& from = *check.fields;
    for (const Field& f : kFields)
        std::visit([&](auto member) { to.*member = from.*member; }, f.member);
    for (int n = 1; n <= kNewsCount; ++n)
        to.newsitems[n].used = from.newsitems[n].used;
    // The captions come from the items' texts, as the draw put them there.
    for (std::size_t k = 0; k < 3; ++k) {
        HeadlineSlot& slot = to.*kSlots[k];
        slot.number = check.slotNumbers[k];
        slot.caption = check.slotShown[k] ? to.newsitems[slot.number].text.toQString() : QString();
    }
}

} // namespace quotara

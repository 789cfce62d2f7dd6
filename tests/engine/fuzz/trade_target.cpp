// The trade dialog's quantity field: any typed text, then OK.

#include "fuzz.h"
#include "targets.h"

#include "play/record.h"
#include "state/sharetable.h"
#include "support/fakes.h"
#include "support/market.h"
#include "trading/trade.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace quotara::fuzz {
namespace {

// The rule, written out independently: blanks, then an optional sign and decimal digits, or
// "$" and hexadecimal digits; nothing after; within 32 bits signed.
std::optional<std::int32_t> quantityRule(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    const QString rest = text.mid(i);
    const bool hex = rest.startsWith(QLatin1Char('$'));
    QString digits = hex ? rest.mid(1) : rest;
    QString sign;
    if (!hex && (digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))) {
        sign = digits.left(1);
        digits = digits.mid(1);
    }
    if (digits.isEmpty()) return std::nullopt;
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        const bool dec = u >= u'0' && u <= u'9';
        const bool hexLetter = (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        if (!(dec || (hex && hexLetter))) return std::nullopt;
    }
    const std::string ascii = (sign + digits).toStdString();
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(ascii.c_str(), &end, hex ? 16 : 10);
    if (errno == ERANGE || *end != '\0') return std::nullopt;
    if (hex && v > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

} // namespace

// Input: a mode byte, a share byte, four bytes of money, four of holding, then the typed text
// as Latin-1 (so digits and signs are common).
void tradeQuantity(Bytes input) {
    const Bytes head = take(input, 10);
    if (head.size() < 10) return;
    const QString typed =
        QString::fromLatin1(reinterpret_cast<const char*>(input.data()), qsizetype(input.size()));
    const auto parsed = parseQuantity(typed);
    FUZZ_CHECK(parsed == quantityRule(typed));

    // One game for all runs: a trade touches only the money and the share traded.
    static test::FakeClock clock;
    static test::RecordingMessages messages;
    static Game game(clock, messages, DataFolder::none());
    static const bool filled = (test::fillBuiltinShares(game.state), true);
    (void)filled;
    messages.log.clear();
    GameState& s = game.state;
    const int share = head[1] % kShareCount;
    Tshare& t = s.shares[share];
    t.price = kBuiltinShares[share].price;
    std::int32_t money = 0, owned = 0;
    std::memcpy(&money, head.data() + 2, 4);
    std::memcpy(&owned, head.data() + 6, 4);
    // Play keeps cash and holdings at 0 or more; the price is the built-in one or any 16 bits.
    s.money = money & 0x7fffffff;
    t.owned = owned & 0x7fffffff;
    t.cost = t.owned == 0 ? 0 : t.owned / 3 + 1;
    if (head[0] & 2) t.price = static_cast<std::uint16_t>(money >> 8);
    const std::int64_t worthBefore = std::int64_t{s.money} * 100 + std::int64_t{t.owned} * t.price;
    const auto snapshot = [&] {
        std::array<std::uint8_t, Tshare::kSize> record{};
        encodeShare(t, record);
        return std::pair(s.money, record);
    };
    const auto before = snapshot();

    const QString caption = head[0] & 1 ? kSellCaption : kBuyCaption;
    const TradeOutcome r = tradeOk(game, caption, share, typed);
    FUZZ_CHECK(r.converted == parsed.has_value());
    if (!r.converted) {
        FUZZ_CHECK(messages.texts() == QStringList{invalidIntegerText(typed)});
        FUZZ_CHECK(snapshot() == before);
        return;
    }
    FUZZ_CHECK(messages.log.size() == 1);
    if (!r.completed) {
        FUZZ_CHECK(snapshot() == before);
        return;
    }
    // An accepted trade: never below nothing, no book cost once nothing is held (a purchase
    // under 50p costs nothing, so a holding may have none), and the spread is all it loses.
    FUZZ_CHECK(s.money >= 0 && t.owned >= 0 && t.cost >= 0);
    FUZZ_CHECK(t.owned > 0 || t.cost == 0);
    const std::int64_t worthAfter = std::int64_t{s.money} * 100 + std::int64_t{t.owned} * t.price;
    FUZZ_CHECK(worthAfter <= worthBefore + 50);
    FUZZ_CHECK(t.owned - (owned & 0x7fffffff) == (caption == kBuyCaption ? *parsed : -*parsed));
}

} // namespace quotara::fuzz

#include "trading/trade.h"

#include "state/money.h"
#include "trading/spread.h"

#include <algorithm>
#include <limits>

namespace quotara {

namespace {

constexpr std::int64_t kTradeInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kTradeInt32Min = std::numeric_limits<std::int32_t>::min();

bool fits32(std::int64_t v) {
    return v >= kTradeInt32Min && v <= kTradeInt32Max;
}

QString sharesText(std::int64_t n) {
    return QString::number(n) + QStringLiteral(" shares");
}

using Kind = Messages::Kind;

bool buy(GameState& state, Messages& messages, Tshare& s, std::int64_t n, int share,
         TradeOutcome& out) {
    if (n <= 0) {
        messages.show(Kind::Plain,
                      QStringLiteral("It is necessary to buy a positive number of shares!"));
        return false;
    }
    const QString cannotAfford = QStringLiteral("You can't afford that many shares!");
    if (affordableShares(state, share) < n) {
        messages.show(Kind::Plain, cannotAfford);
        return false;
    }
    const std::int64_t amount = poundsRound(std::int64_t{s.price + spread(s.price)} * n);
    // A book cost that no longer fits is refused like any other purchase out of reach.
    if (!fits32(s.cost + amount) || !fits32(state.money - amount)) {
        messages.show(Kind::Plain, cannotAfford);
        return false;
    }
    s.owned = static_cast<std::int32_t>(s.owned + n);
    s.cost = static_cast<std::int32_t>(s.cost + amount);
    state.money = static_cast<std::int32_t>(state.money - amount);
    out.side = TradeSide::Buy;
    out.quantity = static_cast<std::int32_t>(n);
    out.price = s.price + spread(s.price);
    out.total = static_cast<std::int32_t>(amount);
    out.confirmation = QStringLiteral("The shares cost ") + poundsText(amount);
    return true;
}

bool sell(GameState& state, Messages& messages, Tshare& s, std::int64_t n, TradeOutcome& out) {
    if (n <= 0) {
        messages.show(Kind::Plain,
                      QStringLiteral("It is necessary to sell a positive number of shares!"));
        return false;
    }
    const QString tooMany = QStringLiteral("You don't have that many shares to sell!");
    if (s.owned < n) {
        messages.show(Kind::Plain, tooMany);
        return false;
    }
    // The sold fraction of the book cost: n * (cost * 100 / owned) / 100, exactly.
    const std::int64_t reduction = roundDiv(n * s.cost, s.owned);
    const std::int64_t proceeds = poundsRound(std::int64_t{s.price - spread(s.price)} * n);
    // Cash beyond 32 bits: selling fewer shares would fit, which this refusal points to.
    if (!fits32(state.money + proceeds) || !fits32(s.cost - reduction)) {
        messages.show(Kind::Plain, tooMany);
        return false;
    }
    // Formed in 64 bits and checked above: proceeds alone may pass 32 bits when money is negative.
    s.cost = static_cast<std::int32_t>(s.cost - reduction);
    s.owned = static_cast<std::int32_t>(s.owned - n);
    state.money = static_cast<std::int32_t>(state.money + proceeds);
    out.side = TradeSide::Sell;
    out.quantity = static_cast<std::int32_t>(n);
    out.price = s.price - spread(s.price);
    out.total = static_cast<std::int32_t>(proceeds);
    out.confirmation =
        QStringLiteral("You now have ") + poundsText(state.money) + QStringLiteral(" in the bank.");
    return true;
}

} // namespace

std::int64_t affordableShares(const GameState& state, int share) {
    const Tshare& s = state.shares.at(share);
    const std::int64_t buyPrice = s.price + spread(s.price);
    const std::int64_t cash = std::int64_t{state.money} * 100;
    const std::int64_t room = kTradeInt32Max - s.owned;
    // A share priced at 0p costs nothing, so only the holding limits it.
    const std::int64_t byCash = buyPrice > 0 ? cash / buyPrice : (cash >= 0 ? room : 0);
    return std::min(byCash, room);
}

TradeDialogFigures openTrade(const GameState& state, TradeMode mode, int share) {
    const Tshare& s = state.shares.at(share);
    const int sp = spread(s.price);
    TradeDialogFigures f;
    f.name = s.name.toQString();
    f.owned = sharesText(s.owned);
    f.money = poundsText(state.money);
    if (mode == TradeMode::Buy) {
        f.caption = kBuyCaption;
        f.price = penceText(s.price + sp);
        f.afford = sharesText(affordableShares(state, share));
        f.button1 = QStringLiteral("Buy");
        f.label5 = QStringLiteral("You can afford :");
        f.label4 = QStringLiteral("How many shares would you like to buy?");
    } else {
        f.caption = kSellCaption;
        f.price = penceText(s.price - sp);
        f.label5 = QStringLiteral("This will generate :");
        f.afford = poundsText(poundsTrunc(std::int64_t{s.owned} * (s.price - sp)));
        f.button1 = QStringLiteral("Sell");
        f.label4 = QStringLiteral("How many shares would you like to sell?");
    }
    // In a two-player game the question names whose money and shares these are.
    if (state.twoplayer == 1 && (state.player == 1 || state.player == 2)) {
        f.asker = (state.player == 1 ? state.p1name : state.p2name).toQString();
        f.label4 = f.asker + QStringLiteral(", h") + f.label4.mid(1);
    }
    return f;
}

QString sellProceedsText(const GameState& state, int share, const QString& quantityText) {
    const Tshare& s = state.shares.at(share);
    const std::int64_t sellPrice = s.price - spread(s.price);
    const std::optional<std::int32_t> n = parseQuantity(quantityText);
    // Rounded as the sale rounds it: the figure is the money the sale will bring.
    if (n && *n > 0 && *n <= s.owned) return poundsText(poundsRound(sellPrice * *n));
    return poundsText(poundsTrunc(std::int64_t{s.owned} * sellPrice));
}

std::optional<std::int32_t> parseQuantity(const QString& text) {
    const qsizetype len = text.size();
    qsizetype i = 0;
    while (i < len && text[i] == QLatin1Char(' '))
        ++i;
    if (i == len) return std::nullopt;

    if (text[i] == QLatin1Char('$')) {
        if (++i == len) return std::nullopt;
        std::int64_t v = 0;
        for (; i < len; ++i) {
            const char16_t c = text[i].unicode();
            int d;
            if (c >= u'0' && c <= u'9')
                d = c - u'0';
            else if (c >= u'a' && c <= u'f')
                d = c - u'a' + 10;
            else if (c >= u'A' && c <= u'F')
                d = c - u'A' + 10;
            else
                return std::nullopt;
            v = v * 16 + d;
            if (v > kTradeInt32Max) return std::nullopt;
        }
        return static_cast<std::int32_t>(v);
    }

    bool negative = false;
    if (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == len) return std::nullopt;
    std::int64_t v = 0;
    for (; i < len; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        v = v * 10 + (c - u'0');
        if (v > kTradeInt32Max + 1) return std::nullopt;
    }
    if (negative) v = -v;
    if (!fits32(v)) return std::nullopt;
    return static_cast<std::int32_t>(v);
}

QString invalidIntegerText(const QString& typed) {
    return QLatin1Char('\'') + typed + QStringLiteral("' is not a valid integer value");
}

TradeOutcome settleTrade(Game& game, const QString& dialogCaption, int share,
                         const QString& quantityText) {
    TradeOutcome out;
    const auto n = parseQuantity(quantityText);
    if (!n) {
        game.messages.show(Messages::Kind::Error, invalidIntegerText(quantityText));
        return out;
    }
    out.converted = true;
    if (share < 0 || share >= kShareCount) return out;
    GameState& state = game.state;
    Tshare& s = state.shares[share];
    if (dialogCaption == kBuyCaption) out.completed = buy(state, game.messages, s, *n, share, out);
    // Tested after the purchase step in every case; a purchase leaves the caption as it was.
    if (dialogCaption == kSellCaption) out.completed = sell(state, game.messages, s, *n, out);
    return out;
}

} // namespace quotara

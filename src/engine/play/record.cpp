#include "play/record.h"

#include "play/twoplayer.h"
#include "trading/portfolio.h"

namespace quotara {

namespace {

// The position of player 1 or 2 in a two-player game (the other's is parked), or with 0 the
// game's own.
DayClose position(const GameState& state, int player) {
    DayClose today;
    today.date = gameDate(state);
    const bool own = player == 0 || player == state.player;
    today.cash = own ? state.money : player == 2 ? state.p2money : state.p1money;
    today.worth = own ? totalWorth(state) : playerWorth(state, player);
    today.holdings = today.worth - today.cash;
    return today;
}

void keep(std::vector<DayClose>& days, const DayClose& today) {
    if (!days.empty() && days.back().date == today.date)
        days.back() = today;
    else
        days.push_back(today);
    // Full: the oldest tenth goes at once, so a long game does not move the whole record daily.
    if (days.size() > kMostRecordedDays)
        days.erase(days.begin(), days.begin() + kMostRecordedDays / 10);
}

} // namespace

void startRecord(GameState& state) {
    state.record = PlayRecord{};
    recordDay(state);
    state.record.start = state.record.days.front();
}

void recordDay(GameState& state) {
    if (!twoPlayerTurns(state)) {
        keep(state.record.days, position(state, 0));
        return;
    }
    keep(state.record.days, position(state, 1));
    keep(state.record.secondDays, position(state, 2));
}

void recordTrade(GameState& state, int share, const TradeOutcome& trade) {
    std::vector<TradeEntry>& trades = state.record.trades;
    if (trades.size() >= kMostRecordedTrades)
        trades.erase(trades.begin(), trades.begin() + kMostRecordedTrades / 10);
    TradeEntry& t = trades.emplace_back();
    t.date = gameDate(state);
    t.share = static_cast<std::uint8_t>(share);
    t.name = state.shares[share].name;
    t.side = trade.side;
    t.quantity = trade.quantity;
    t.price = trade.price;
    t.total = trade.total;
    t.cashAfter = state.money;
    // A trade is always the turn's player's.
    if (state.twoplayer == 1 && (state.player == 1 || state.player == 2)) t.player = state.player;
    recordDay(state);
}

TradeOutcome tradeOk(Game& game, const QString& dialogCaption, int share,
                     const QString& quantityText, const std::function<void()>& kept) {
    const TradeOutcome outcome = settleTrade(game, dialogCaption, share, quantityText);
    if (outcome.completed) {
        recordTrade(game.state, share, outcome);
        if (kept) kept();
        game.messages.show(Messages::Kind::Plain, outcome.confirmation);
    }
    return outcome;
}

} // namespace quotara

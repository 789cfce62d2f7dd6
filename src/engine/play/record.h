#pragma once
// The record of the game being played (state/playrecord.h) as the game keeps it: started with
// the game, a day at each End Day, and every trade the dialog completes.

#include "state/game.h"
#include "state/gamestate.h"
#include "trading/trade.h"

#include <functional>

namespace quotara {

// A new record: today's position is its start and its first day. The start stays when the
// day's trades move the first day.
void startRecord(GameState& state);
// Today's position at today's prices: replaces the newest day when it is today's, otherwise
// becomes the next day. With two players, each player's, whoever's turn it is.
void recordDay(GameState& state);
// A completed trade of share 0..19 (settleTrade's outcome), with the cash it left; then
// today's position.
void recordTrade(GameState& state, int share, const TradeOutcome& trade);

// The trade dialog's OK press: the trade settled (settleTrade), kept in the record, then
// `kept` (Session::trade hands the game to the autosave there, so that a crash after the
// confirmation keeps the trade), then confirmed to the player.
TradeOutcome tradeOk(Game& game, const QString& dialogCaption, int share,
                     const QString& quantityText, const std::function<void()>& kept = {});

} // namespace quotara

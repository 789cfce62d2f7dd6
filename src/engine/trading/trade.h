#pragma once
// Engine tree, trading/: the rules and figures of trading and of what the pages show of it.
// Engine, so a window only copies texts; it builds on state/ and market/.
//
// The trade dialog's rules: what it shows when opened, the typed quantity and the OK press.
// Trades settle in whole pounds against the current player's money, owned and cost.

#include "state/game.h"
#include "state/gamestate.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace quotara {

enum class TradeMode { Buy, Sell };

// The dialog's caption is its mode; the OK press reads nothing else to find it.
inline const QString kBuyCaption = QStringLiteral("Buy shares");
inline const QString kSellCaption = QStringLiteral("Sell shares");

struct TradeDialogFigures {
    QString caption; // window caption: "Buy shares" or "Sell shares"
    QString name;    // the share's name (the dialog's title label)
    QString owned;   // "12 shares"
    QString price;   // buy or sell price, "252p"
    QString money;   // playermoney: "£1000"
    QString label5;  // "You can afford :" or "This will generate :"
    QString afford;  // "396 shares" or "£248"
    QString button1; // "Buy" or "Sell"
    QString label4;  // the question above the quantity field; in a two-player game it names
                     // the player: "Ann, how many shares would you like to buy?"
    QString asker;   // that player's name, which begins label4; empty in single play
};

// share: 0..19. The quantity field is not part of this; it keeps the text last typed.
TradeDialogFigures openTrade(const GameState& state, TradeMode mode, int share);

// The sell mode's "This will generate :" figure while a quantity is typed: what selling that
// many shares of share 0..19 pays into the bank, "£248". A quantity that is not a number, not
// positive or more than is held gives the figure of the whole holding, as on opening.
QString sellProceedsText(const GameState& state, int share, const QString& quantityText);

// The most shares of share 0..19 the current player can buy: what the cash pays for at the buy
// price, and never more than keeps the holding within 32 bits. May be negative when money is.
std::int64_t affordableShares(const GameState& state, int share);

// A typed quantity: leading blanks, an optional "+" or "-" and decimal digits, or "$" and
// hexadecimal digits; nothing after; within a signed 32-bit value. Anything else: nullopt.
std::optional<std::int32_t> parseQuantity(const QString& text);

// "'12.0' is not a valid integer value"
QString invalidIntegerText(const QString& typed);

struct TradeOutcome {
    bool converted = false; // false: the quantity was not a number; error shown, nothing else ran
    bool completed = false; // a trade took place: hide the dialog and run lookupsel
    // A completed trade: what was settled, and the confirmation the player is shown once the
    // game has kept it ("The shares cost £252", "You now have £22173 in the bank.").
    TradeSide side = TradeSide::Buy;
    std::int32_t quantity = 0; // shares
    std::int32_t price = 0;    // pence per share, spread included
    std::int32_t total = 0;    // pounds paid or received
    QString confirmation;
};

// The rules of the OK press for share 0..19 (the share the dialog was opened for): a refusal
// is shown through game.messages and changes nothing; a completed trade is settled in the
// state and its confirmation returned, not yet shown. The game's own press is tradeOk
// (play/record.h) or Session::trade, which keep the trade before confirming it. Whenever
// converted, the caller refreshes all pages (dataload) afterwards, refusals included.
TradeOutcome settleTrade(Game& game, const QString& dialogCaption, int share,
                         const QString& quantityText);

} // namespace quotara

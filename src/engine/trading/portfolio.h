#pragma once
// The Portfolio page: up to eight rows of held shares and the totals strip. Figures here are
// rounded, while the Share Lookup page truncates the same ones.

#include "state/gamestate.h"
#include "state/money.h"

#include <QString>

#include <vector>

namespace quotara {

struct PortfolioRow {
    QString name;
    QString owned;  // plain number of shares
    QString cost;   // Round(cost * 100 / owned), plain pence without unit
    QString value;  // "£" + Round(owned * price / 100)
    QString price;  // "155p"
    QString profit; // "£" + (value - cost), "£-1" when negative
    Tone profitTone = Tone::Blue;
};

struct PortfolioFigures {
    // Every held share (owned > 0) in table order; the page shows eight rows at a time.
    std::vector<PortfolioRow> rows;
    QString total;  // portfoliototal: "£" + money + the value of every holding
    QString cost;   // portfoliocost: "£" + the book cost over all 20 shares
    QString profit; // portfolioprofit: "£" + the gain over the held shares
    Tone profitTone = Tone::Blue;
};

constexpr int kPortfolioRows = 8; // rows on the page

PortfolioFigures portfolioFigures(const GameState& state);

// Round(owned * price / 100) in pounds; 0 for a share not held.
std::int64_t holdingValue(const Tshare& share);

// Pounds: money plus every holding of shares 0..19 at its price, each rounded on its own (the
// worth the goal check counts). 64-bit, so no holding can wrap.
std::int64_t totalWorth(const GameState& state);

} // namespace quotara

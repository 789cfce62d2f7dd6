#pragma once
// The Share Prices page: the seventeen pages of its selector, the twenty rows of a page and
// the right-click menu's "Sell" state.
//
// Page 0 "Popular Shares" shows share K - 1 in row K. Pages 1..4 list the shares whose names
// begin with the letters named (case-insensitive), pages 5..16 the shares of sectors 1..12;
// both in table order from row 1, the remaining rows empty.

#include "state/gamestate.h"
#include "state/money.h"

#include <QString>
#include <QStringList>

#include <array>

namespace quotara {

constexpr int kPricePageCount = 17;
constexpr int kPriceRows = 20;

// The selector's entries, "Popular Shares" first; index = page number 0..16.
QStringList pricePageNames();

// The page delta steps away from page, wrapping round (0 - 1 -> 16, 16 + 1 -> 0).
int stepPricePage(int page, int delta);

struct PriceRow {
    int share = -1; // 0-based share index; -1: the row is empty and opens no menu
    QString name;
    QString price;               // plain pence, no unit
    QString change;              // "+12", "+0", "-12"
    Tone nameTone = Tone::Black; // blue while the share is held
    bool held = false;           // told by more than the colour
    Tone changeTone = Tone::Black;
};

// Rows 1..20 of page 0..16 (index 0 is row 1); a page outside 0..16 gives empty rows.
std::array<PriceRow, kPriceRows> priceRows(const GameState& state, int page);

// Whether the right-click "Sell" is enabled for a share (0..19): while any is held.
bool sellEnabledFor(const GameState& state, int share);

} // namespace quotara

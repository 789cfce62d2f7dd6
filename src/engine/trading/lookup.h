#pragma once
// The Share Lookup page's figures for one share. Cost per share and value are truncated here,
// while the Portfolio page rounds the same figures.

#include "state/gamestate.h"
#include "state/money.h"

#include <QString>

#include <optional>

namespace quotara {

struct LookupFigures {
    QString low, high; // plain pence, no unit
    QString price;     // "1134p"
    QString change;    // "+0", "-7"
    Tone changeTone = Tone::Blue;
    QString owned; // "12 shares"
    bool sellEnabled = false;
    QString cost;  // Trunc(cost * 100 / owned) + "p", or "N/A" when nothing is held
    QString value; // "£" + Trunc(price * owned / 100), or "N/A" when nothing is held
    // The sector's name; empty optional for a sector outside 1..12 (the label keeps its text).
    std::optional<QString> sector;
    QString buyprice, sellprice; // "252p", "248p"
};

// share: 0-based index into the share table, 0..19.
LookupFigures lookupFigures(const GameState& state, int share);

} // namespace quotara

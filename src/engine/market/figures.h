#pragma once
// The figures of the Financial Info page, as texts and colours.

#include "state/gamestate.h"
#include "state/money.h"

#include <QString>

namespace quotara {

struct FinancialFigures {
    QString ftse, ftsechange;   // "5217", "+12"
    QString dow, dowchange;     // "8452", "-40"
    QString hang, hangchange;   // "15444", "+0"
    QString interest;           // "7.25%"
    QString inflation;          // "2.5%"
    QString unemployed;         // "1925000"
    QString unemployedchange;   // "+3000", "-5000"; always black
    Tone ftseTone = Tone::Blue; // of the change: red below 0, blue otherwise
    Tone dowTone = Tone::Blue;
    Tone hangTone = Tone::Blue;
};

FinancialFigures financialFigures(const GameState& state);

} // namespace quotara

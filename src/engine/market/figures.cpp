#include "market/figures.h"

namespace quotara {

FinancialFigures financialFigures(const GameState& s) {
    FinancialFigures f;
    f.ftse = QString::number(s.ftse);
    f.ftsechange = changeText(s.ftsechange);
    f.ftseTone = toneOf(s.ftsechange);
    f.dow = QString::number(s.dow);
    f.dowchange = changeText(s.dowchange);
    f.dowTone = toneOf(s.dowchange);
    f.hang = QString::number(s.hangseng);
    f.hangchange = changeText(s.hangchange);
    f.hangTone = toneOf(s.hangchange);
    // Two decimals at least three wide, one decimal at least two wide.
    f.interest = QString::asprintf("%3.2f%%", s.interest);
    f.inflation = QString::asprintf("%2.1f%%", s.inflation);
    f.unemployed = QString::number(s.unemployed);
    f.unemployedchange = changeText(s.unemployedchange);
    return f;
}

} // namespace quotara

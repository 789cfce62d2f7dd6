// The fifteen levels' figures, and the texts made from them alone: the list's entries, the
// headings and the tooltips.
#include "play/levels.h"

#include "market/calendar.h"

#include <QLocale>

namespace quotara {

const std::array<LevelRow, kLevelCount>& levelTable() {
    static const std::array<LevelRow, kLevelCount> table = {{
        {QStringLiteral("Level 1 (0 bars)"), 0, QStringLiteral("Make a profit within 1 month."),
         QStringLiteral("£15,000"), 15000, 1, 2, 15001},
        {QStringLiteral("Level 2 (1 bar)"), 1, QStringLiteral("Make £55,000 within 2 weeks."),
         QStringLiteral("£54,000"), 54000, 15, 1, 55000},
        {QStringLiteral("Level 3 (1 bar)"), 1,
         QStringLiteral("Make a profit of £3,000 within 3 months."), QStringLiteral("£15,000"),
         15000, 1, 4, 18000},
        {QStringLiteral("Level 4 (2 bars)"), 2,
         QStringLiteral("Make a profit of £10,000 within 5 months."), QStringLiteral("£50,000"),
         50000, 1, 6, 60000},
        {QStringLiteral("Level 5 (2 bars)"), 2,
         QStringLiteral("Make a profit of £500 within 1 week."), QStringLiteral("£15,000"), 15000,
         8, 1, 15500},
        {QStringLiteral("Level 6 (4 bars)"), 4,
         QStringLiteral("Make a profit of £1,000 within 1 month."), QStringLiteral("£10,000"),
         10000, 1, 2, 11000},
        {QStringLiteral("Level 7 (5 bars)"), 5,
         QStringLiteral("Make a profit of £20,000 within 11 months."), QStringLiteral("£50,000"),
         50000, 1, 12, 70000},
        {QStringLiteral("Level 8 (6 bars)"), 6,
         QStringLiteral("Make a profit of £2,000 within 1 month."), QStringLiteral("£15,000"),
         15000, 1, 2, 17000},
        {QStringLiteral("Level 9 (7 bars)"), 7,
         QStringLiteral("Make a profit of £3,000 within 2 months."), QStringLiteral("£15,000"),
         15000, 1, 3, 18000},
        {QStringLiteral("Level 10 (9 bars)"), 9,
         QStringLiteral("Make a profit of £5,000 within 4 months."), QStringLiteral("£15,000"),
         15000, 1, 5, 20000},
        {QStringLiteral("Level 11 (10 bars)"), 10,
         QStringLiteral("You have three months to finish with £25,000"), QStringLiteral("£20,000"),
         20000, 1, 4, 25000},
        {QStringLiteral("Level 12 (10 bars)"), 10,
         QStringLiteral("Make a profit of £10,000 within 1 month."), QStringLiteral("£100,000"),
         100000, 1, 2, 110000},
        {QStringLiteral("Level 13 (10 bars)"), 10,
         QStringLiteral("Make a profit of £8,000 within 3 months."), QStringLiteral("£25,000"),
         25000, 1, 4, 33000},
        {QStringLiteral("Level 14 (10 bars)"), 10,
         QStringLiteral("Make a profit of £500 within 5 months."), QStringLiteral("£1,500"), 1500,
         1, 6, 2000},
        {QStringLiteral("Bonus Level (14 bars)"), 14,
         QStringLiteral("You have until 23 August to pay a ransom of £35,000."),
         QStringLiteral("£20,000"), 20000, 23, 8, 35000},
    }};
    return table;
}

QString levelHeading(int row) {
    if (row < 0 || row >= kLevelCount) return {};
    return levelTable()[row].entry.section(QStringLiteral(" ("), 0, 0);
}

QStringList levelEntries() {
    QStringList out;
    for (const LevelRow& row : levelTable())
        out << row.entry;
    return out;
}

QString levelHint(const LevelRow& row, int goldbarcount) {
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    QString hint = QStringLiteral("Start with %1; worth £%2 by %3 %4 wins.")
                       .arg(row.moneyText, english.toString(row.target))
                       .arg(row.endday)
                       .arg(monthname(row.endmonth));
    if (levelLocked(row, goldbarcount))
        hint += QStringLiteral("\nLocked: needs %1 gold bar%2.")
                    .arg(row.barsNeeded)
                    .arg(row.barsNeeded == 1 ? QString() : QStringLiteral("s"));
    return hint;
}

} // namespace quotara

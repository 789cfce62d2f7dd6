#include "play/levels.h"

#include "market/calendar.h"

#include <QLocale>

namespace quotara {

namespace {

using Kind = Messages::Kind;

// Keeps goldwon tied to the level that earned it. goldLevel is caught here, at the first
// change after the win, since the settings cannot change in between.
void settle(NewGame& ng, GameState& state, int level, bool levelRow) {
    if (state.goldwon == 0)
        ng.goldLevel = kNoLevel;
    else if (ng.goldLevel == kNoLevel)
        ng.goldLevel = ng.appliedLevel;
    if (levelRow && state.goldwon != 0 && level != ng.goldLevel) {
        state.goldwon = 0;
        ng.goldLevel = kNoLevel;
    }
    ng.appliedLevel = level;
}

void applyValues(NewGame& ng, GameState& state, const LevelRow& row, int level) {
    settle(ng, state, level, true);
    state.money = row.money;
    state.startmoney = row.money;
    state.target = row.target;
    state.endday = row.endday;
    state.endmonth = row.endmonth;
    ng.startValues = levelValues(state);
}

void applyDefault(NewGame& ng, GameState& state) {
    const LevelRow& d = defaultLevel();
    ng.view.listRow = 0;
    ng.view.targetText = d.targetText;
    ng.view.moneyText = d.moneyText;
    applyValues(ng, state, d, kDefaultLevel);
}

void applyFreePlay(NewGame& ng, GameState& state, const QString& targetText) {
    ng.view.levelsVisible = false;
    ng.view.targetText = targetText;
    ng.view.moneyText = QStringLiteral("£15,000");
    settle(ng, state, kFreePlayLevel, false);
    freePlayValues(state);
    ng.startValues = levelValues(state);
}

void showMarker(NewGameView& v, int mode) {
    v.sel1 = mode == 1;
    v.sel2 = mode == 2;
    v.sel3 = mode == 3;
}

// Day of the game's 365-day year, 1 on 1 January; 0 for a date outside the calendar.
int dayOfYear(int day, int month) {
    static constexpr std::array<int, 12> kLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > kLengths[month - 1]) return 0;
    int days = day;
    for (int m = 1; m < month; ++m)
        days += kLengths[m - 1];
    return days;
}

} // namespace

int levelOf(const GameState& s) {
    const auto is = [&s](const LevelRow& r) {
        return r.target == s.target && r.endday == s.endday && r.endmonth == s.endmonth;
    };
    if (s.twoplayer == 1 && s.target == 0) return kNoLevel;
    for (int row = 0; row < kLevelCount; ++row)
        if (is(levelTable()[row])) return row;
    return is(defaultLevel()) ? kDefaultLevel : kNoLevel;
}

QString levelProgressText(const GameState& s) {
    if (s.endday == 0 && s.endmonth == 0)
        return s.twoplayer == 1 ? QStringLiteral("Two-player game: no target and no deadline")
                                : QStringLiteral("Free play: no target and no deadline");
    const int row = levelOf(s);
    // The default configuration is what the window shows as Level 1.
    const QString level = row == kDefaultLevel ? levelHeading(0)
                          : row >= 0           ? levelHeading(row)
                                               : QStringLiteral("This game");
    // A game that ends a year after it began ends in the next year.
    const int endYear =
        s.endmonth < s.month || (s.endmonth == s.month && s.endday < s.day) ? s.year + 1 : s.year;
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    QString text = s.twoplayer == 1 && s.target == 0
                       ? QStringLiteral("Two-player game: until %1%2 %3 %4")
                             .arg(s.endday)
                             .arg(ordinalSuffix(s.endday), monthname(s.endmonth))
                             .arg(endYear)
                       : QStringLiteral("%1: target £%2 by %3%4 %5 %6")
                             .arg(level, english.toString(s.target))
                             .arg(s.endday)
                             .arg(ordinalSuffix(s.endday), monthname(s.endmonth))
                             .arg(endYear);
    const int end = dayOfYear(s.endday, s.endmonth), now = dayOfYear(s.day, s.month);
    if (end == 0 || now == 0) return text;
    const int left = end - now + (endYear > s.year ? kYearDays : 0);
    if (left <= 0) return text + QStringLiteral(", the deadline is reached");
    return text + (left == 1 ? QStringLiteral(", 1 day left")
                             : QStringLiteral(", %1 days left").arg(left));
}

int levelInForce(const GameState& s) {
    const int level = levelOf(s);
    return level == kDefaultLevel ? 0 : level >= 0 ? level : -1;
}

const LevelRow& defaultLevel() {
    static const LevelRow level{QString(),
                                0,
                                QStringLiteral("Make a profit of £1,000 within 1 month."),
                                QStringLiteral("£15,000"),
                                15000,
                                1,
                                2,
                                16000};
    return level;
}

LevelValues levelValues(const GameState& s) {
    return {s.money, s.startmoney, s.target, s.endday, s.endmonth, s.goldwon};
}

void applyLevelValues(GameState& s, const LevelValues& v) {
    s.money = v.money;
    s.startmoney = v.startmoney;
    s.target = v.target;
    s.endday = v.endday;
    s.endmonth = v.endmonth;
    s.goldwon = v.goldwon;
}

void freePlayValues(GameState& state) {
    state.money = 15000;
    state.startmoney = 0;
    state.target = 0;
    state.endday = 0;
    state.endmonth = 0;
}

void applyStartValues(const NewGame& ng, GameState& state) {
    if (!ng.startValues) return;
    LevelValues values = *ng.startValues;
    values.goldwon = state.goldwon;
    applyLevelValues(state, values);
}

QString goldbarsText(int count) {
    return QString::number(count) + QStringLiteral(" goldbars");
}

void goldbars(NewGame& ng, GameState& state) {
    refreshGoldbars(ng, state);
    applyDefault(ng, state);
}

void refreshGoldbars(NewGame& ng, const GameState& state) {
    ng.view.goldbarsLabel = goldbarsText(state.goldbarcount);
}

void levelload(NewGame& ng, GameState& state, Messages& messages, int row) {
    if (row < 0 || row >= kLevelCount) return; // no selection
    const LevelRow& level = levelTable()[row];
    if (state.goldbarcount < level.barsNeeded) {
        loadfirst(ng, state, messages);
        return;
    }
    applyLevel(ng, state, level, row);
}

void applyLevel(NewGame& ng, GameState& state, const LevelRow& level, int row) {
    ng.view.listRow = row;
    ng.view.targetText = level.targetText;
    ng.view.moneyText = level.moneyText;
    applyValues(ng, state, level, row);
}

void loadfirst(NewGame& ng, GameState& state, Messages& messages) {
    messages.show(Kind::Information,
                  QStringLiteral("You do not have enough gold bars for this level"));
    applyDefault(ng, state);
}

void cheat(NewGame& ng, GameState& state, const QString& text) {
    if (text != QStringLiteral("Petra Lund")) return;
    state.goldbarcount = 15;
    ng.view.goldbarsLabel = QStringLiteral("15 goldbars");
}

void singleplay(NewGame& ng, GameState& state) {
    NewGameView& v = ng.view;
    // The two-player mode's values are free play's but for the deadline of its Play until,
    // which is that mode's own: kept, it ended a game of no target with a gold bar for any
    // result.
    if (v.sel3) applyFreePlay(ng, state, QStringLiteral("Play for as long as you like!"));
    v.nameEnabled = true;
    v.namesVisible = false;
    v.playUntilVisible = false;
    showMarker(v, 1);
    v.levelsVisible = true;
    state.twoplayer = 0;
}

void freeplay(NewGame& ng, GameState& state) {
    NewGameView& v = ng.view;
    v.nameEnabled = true;
    v.namesVisible = false;
    v.playUntilVisible = false;
    state.twoplayer = 0;
    showMarker(v, 2);
    applyFreePlay(ng, state, QStringLiteral("Play for as long as you like!"));
}

void multiplayer(NewGame& ng, GameState& state) {
    NewGameView& v = ng.view;
    v.nameEnabled = false;
    showMarker(v, 3);
    applyFreePlay(ng, state, QStringLiteral("Play a two player-game of Quotara!"));
    state.twoplayer = 1;
    v.namesVisible = true;
    v.playUntilVisible = true;
    playuntil(ng, state, v.playUntilRow);
}

void playuntil(NewGame& ng, GameState& state, int row) {
    if (row < 0 || row >= kPlayUntilCount) return;
    ng.view.playUntilRow = row;
    if (!ng.view.sel3) return;
    state.endday = playUntilChoices()[row].endday;
    state.endmonth = playUntilChoices()[row].endmonth;
    ng.startValues = levelValues(state);
}

void restoreLevel(NewGame& ng, GameState& state, int mode, int level) {
    if (mode == 3) {
        multiplayer(ng, state);
        return;
    }
    if (mode == 2) {
        freeplay(ng, state);
        return;
    }
    // Single play from the two-player mode starts free play; a loaded game keeps its own.
    showMarker(ng.view, 1);
    if (level >= 0 && level < kLevelCount) {
        applyLevel(ng, state, levelTable()[level], level);
    } else if (level == kFreePlayLevel) {
        applyFreePlay(ng, state, QStringLiteral("Play for as long as you like!"));
    } else {
        applyDefault(ng, state);
    }
    singleplay(ng, state);
}

void restorePlayUntil(NewGame& ng, const GameState& state) {
    const int row = playUntilRow(state);
    ng.view.playUntilRow = row;
    if (!ng.startValues) return;
    ng.startValues->endday = playUntilChoices()[row].endday;
    ng.startValues->endmonth = playUntilChoices()[row].endmonth;
}

int chosenMode(const NewGame& ng) {
    return ng.view.sel3 ? 3 : ng.view.sel2 ? 2 : 1;
}

QString headingOf(const NewGame& ng) {
    switch (chosenMode(ng)) {
    case 2:
        return QStringLiteral("Free play");
    case 3:
        // As its button says: a longer name would not fit the heading.
        return QStringLiteral("Two players");
    default:
        // Single play keeps the values of the mode before until a row is chosen: the heading
        // names what Start will play, not the row the list happens to show.
        return ng.appliedLevel == kFreePlayLevel ? QStringLiteral("Free play")
                                                 : levelHeading(ng.view.listRow);
    }
}

int nextLevel(const GameState& s, int won) {
    for (int step = 1; step < kLevelCount; ++step) {
        const int row = (won + step) % kLevelCount;
        if (!levelLocked(levelTable()[row], s.goldbarcount) && (s.levelswon >> row & 1) == 0)
            return row;
    }
    return -1;
}

StartOutcome startCheck(Game& game, const QString& playername, const QString& p1caption,
                        const QString& p2caption) {
    if (game.state.twoplayer == 1) {
        if (p1caption.isEmpty() || p2caption.isEmpty()) {
            game.messages.show(
                Kind::Plain,
                QStringLiteral("Please input names for player 1 and 2 by pressing 'Edit names.'"));
            return StartOutcome::Refused;
        }
        return StartOutcome::Started;
    }
    // A name of blanks would stand as nobody in the status bar and the hall of fame.
    if (playername.trimmed().isEmpty()) {
        game.messages.show(Kind::Information, QStringLiteral("Please type in a player name."));
        return StartOutcome::NameMissing;
    }
    return StartOutcome::Started;
}

QString levelName(int appliedLevel, const GameState& state) {
    if (state.twoplayer == 1 && (state.player == 1 || state.player == 2))
        return QStringLiteral("Two players");
    // The default configuration is what the new-game window shows as Level 1.
    if (appliedLevel == kDefaultLevel && state.endday != 0) appliedLevel = 0;
    if (appliedLevel >= 0 && appliedLevel < kLevelCount) {
        const QString entry = levelTable()[static_cast<std::size_t>(appliedLevel)].entry;
        // "Level 1 (0 bars)": the name without the bars it needs.
        const auto paren = entry.indexOf(QStringLiteral(" ("));
        return paren > 0 ? entry.left(paren) : entry;
    }
    return QStringLiteral("Free play");
}

} // namespace quotara

#pragma once
// The hall of fame: the ten best results of each level, and of two-player wins, kept in the
// settings from one start to the next beside the gold bars. The engine keeps and orders it;
// the Hall of Fame window only shows it.

#include "play/levels.h"
#include "state/settings.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace quotara {

// One result: a level won, or a two-player game won.
struct FameEntry {
    QString name;                       // the player; the winner of a two-player game
    QString opponent;                   // two-player: the player beaten; empty for a level
    std::int64_t worth = 0, profit = 0; // pounds at the deadline; profit against the start
    QDate won;                          // the day it was won, by the computer's calendar
    int days = 0;                       // trading days from the game's start to its deadline
    friend bool operator==(const FameEntry&, const FameEntry&) = default;
};

constexpr int kFameListSize = 10;           // the best ten of each list
constexpr int kTwoPlayerFame = kLevelCount; // the list after the 15 levels' rows 0..14
constexpr int kFameLists = kTwoPlayerFame + 1;
inline const QString kUnreadKey = QStringLiteral("HallOfFame/unread");

// "Level 1" .. "Level 14", "Bonus Level", "Two players".
QString fameListName(int list);

// The better of two results: the higher profit; at the same profit the one won in fewer
// days, then the one won first (a record is not taken by equalling it).
bool betterResult(const FameEntry& a, const FameEntry& b);

class HallOfFame {
  public:
    // list 0..kFameLists - 1, best first.
    const std::vector<FameEntry>& list(int list) const;
    bool empty() const;

    // The result in its place among the best of its list: 0 for the best, or -1 when it is
    // not among the ten best (it is then not kept).
    int add(int list, const FameEntry& entry);
    void clear();

    // The lists from the settings. A result that does not read is left out of the lists but
    // kept, as it was, under its own key (kUnreadKey), so a damaged file loses nothing; the
    // count of such results newly found in the lists is returned.
    int read(const Settings& settings);
    // The settings' values that hold the lists, one key each, and the results left out.
    std::vector<std::pair<QString, QString>> values() const;

  private:
    std::array<std::vector<FameEntry>, kFameLists> lists_;
    QStringList unread_;
};

// The list a finished game's result belongs to, and the result, or -1 when it has none: a level
// lost, a two-player draw, free play. A win of the default configuration counts as Level 1,
// the level the new-game window shows with it.
struct FameResult {
    int list = -1;
    FameEntry entry;
};
FameResult fameResult(const GameState& state, const LevelVerdict& verdict, const QDate& today);

// What the end-of-level window says of a result that is the best of its list: "A new best for
// Level 3!", "A new best for two players!".
QString newBestText(int list);

} // namespace quotara

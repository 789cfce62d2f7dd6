// The Session's part in what a player wins across games: the gold bars and the hall of fame,
// kept in the settings beside each other.
#include "play/session.h"

#include "play/goldbars.h"
#include "play/newgamereset.h"
#include "play/twoplayer.h"

#include <QDir>

#include <algorithm>

namespace quotara {

namespace {

const QString kForgetQuestion = QStringLiteral(
    "Forget all your gold bars? The levels they unlock will be locked again, also at the next "
    "start.");
const QString kClearHallQuestion = QStringLiteral(
    "Clear the hall of fame? The best results of every level and of two-player games will be "
    "forgotten, also at the next start. Your gold bars stay.");

} // namespace

void Session::restoreGoldBars() {
    GameState& s = game_.state;
    const GoldBars kept = readGoldBars(game_.settings);
    s.goldbarcount = static_cast<std::uint8_t>(std::max<int>(s.goldbarcount, kept.count));
    s.levelswon |= kept.levelsWon;
    keptGoldBars_ = kept;
    keepGoldBars();
}

void Session::keepGoldBars() {
    const GoldBars now{game_.state.goldbarcount, game_.state.levelswon};
    if (!keptGoldBars_ || now == *keptGoldBars_) return;
    keptGoldBars_ = now;
    const QString failure = writeGoldBars(game_.settings, now);
    if (!failure.isEmpty())
        game_.messages.show(Messages::Kind::Error,
                            QStringLiteral("Your gold bars could not be kept for the next "
                                           "start. ") +
                                failure);
}

void Session::enterHallOfFame(LevelVerdict& verdict) {
    const FameResult result = fameResult(game_.state, verdict, game_.clock.today());
    if (result.list < 0) return;
    const int place = hall_.add(result.list, result.entry);
    if (place < 0) return;
    if (place == 0) verdict.best = newBestText(result.list);
    keepHallOfFame();
}

void Session::restoreHallOfFame() {
    const int unread = hall_.read(game_.settings);
    if (unread == 0) return;
    // Written back at once, so the damaged texts move out of the lists and are told only once.
    keepHallOfFame();
    const bool one = unread == 1;
    game_.messages.show(
        Messages::Kind::Information,
        QStringLiteral("%1 of the hall of fame could not be read and %2 left out. %3 kept as "
                       "%4 in %5, under [HallOfFame] unread.")
            .arg(one ? QStringLiteral("A result") : QStringLiteral("%1 results").arg(unread),
                 one ? QStringLiteral("is") : QStringLiteral("are"),
                 one ? QStringLiteral("It is") : QStringLiteral("They are"),
                 one ? QStringLiteral("it was") : QStringLiteral("they were"),
                 QDir::toNativeSeparators(game_.settings.path())));
}

void Session::keepHallOfFame() {
    const QString failure = game_.settings.set(hall_.values());
    if (!failure.isEmpty())
        game_.messages.show(Messages::Kind::Error,
                            QStringLiteral("Your hall of fame could not be kept for the next "
                                           "start. ") +
                                failure);
}

bool Session::clearHallOfFame() {
    if (!game_.messages.ask(Messages::Kind::Caution, kClearHallQuestion)) return false;
    hall_.clear();
    keepHallOfFame();
    return true;
}

bool Session::forgetGoldBars() {
    if (!game_.messages.ask(Messages::Kind::Caution, kForgetQuestion)) return false;
    GameState& s = game_.state;
    s.goldbarcount = 0;
    s.levelswon = 0;
    s.goldwon = 0;
    newGame_.goldLevel = kNoLevel;
    refreshGoldbars(newGame_, s);
    keepGoldBars();
    return true;
}

} // namespace quotara

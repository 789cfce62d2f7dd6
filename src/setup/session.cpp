#include "setup/session.h"

#include "editor/newsfile.h"
#include "setup/newgamereset.h"
#include "setup/savegame.h"
#include "setup/startup.h"

namespace quotara {

namespace {

const QString kDisclaimer = QStringLiteral(
    "DISCLAIMER : Neither TARNVALE software nor does the author VENNER accepts any "
    "responsibility for any monetary loss. This program is NOT a stockmarket predictor, it is "
    "a GAME. Continue?");

} // namespace

bool Session::startUp() {
    GameState& s = game_.state;
    if (s.twoplayer == 1) s.player = 1;

    if (!game_.messages.ask(Messages::Kind::Information, kDisclaimer)) return false;

    views_.hideGame();
    // A news file that cannot be read is reported, and the game goes on without news: the
    // market still gets its start values and stays playable.
    loadNews();
    views_.clearPortfolio();
    views_.selectFirstPricePage();
    loadStartValues(s);
    views_.listShares();
    views_.showStatusTexts();
    return true;
}

void Session::loadNews() {
    const FileError error = loadNewsFile(game_.state, game_.folder.newsFile());
    if (error.isError()) game_.messages.show(Messages::Kind::Error, error.text());
}

void Session::choose(const std::function<void(GameState&)>& choice) {
    GameState& s = game_.state;
    if (!running_) {
        choice(s);
        return;
    }
    const LevelValues inForce = levelValues(s);
    // The choice builds on the ones made before it, as the window shows them.
    if (pending_) applyLevelValues(s, *pending_);
    choice(s);
    pending_ = levelValues(s);
    applyLevelValues(s, inForce);
}

void Session::applyPendingChoices() {
    if (pending_) applyLevelValues(game_.state, *pending_);
    pending_.reset();
}

StartOutcome Session::start(const StartNames& names) {
    const StartOutcome outcome =
        startCheck(game_, names.playername, names.p1caption, names.p2caption);
    // A refused Start leaves the running game as it was.
    if (outcome != StartOutcome::Started) return outcome;
    applyPendingChoices();
    running_ = true;
    views_.closeNewGame();
    views_.showGame();
    views_.showUser();
    newgamereset(game_.state);
    views_.resetViews();
    views_.selectLookupPage();
    views_.refreshPages();
    return outcome;
}

bool Session::continueAfterLevel() {
    // The level is over: what the new-game window shows is in force from here.
    running_ = false;
    applyPendingChoices();
    newgamereset(game_.state);
    views_.resetViews();
    views_.refreshPages();
    views_.openNewGame();
    views_.hideTicker();
    views_.closeEndOfLevel();
    if (!startUp()) {
        views_.closeNewGame();
        return false;
    }
    return true;
}

bool Session::saveGame() {
    return savegame(game_, newGame_);
}

bool Session::loadGame() {
    // 1-4. Both share files and the state file, read and checked before anything changes.
    const SavedGameRead read = readSavedGame(game_.folder);
    if (read.outcome != SavedGameRead::Outcome::Ready) {
        reportRefusal(game_.messages, read);
        return false;
    }
    applySavedGame(read, game_.state, newGame_);
    pending_.reset();
    running_ = true;

    // 5. The refresh.
    loadRefresh(game_.state, read.hasState);
    views_.showLoaded();

    // 6. Playing state, also when no game had been started.
    views_.showUser();
    views_.closePlayerDetails();
    views_.showGame();

    // 7.
    game_.messages.show(Messages::Kind::Information, QStringLiteral("Game loaded successfully."));
    return true;
}

} // namespace quotara

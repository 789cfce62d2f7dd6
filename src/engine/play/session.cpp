#include "play/session.h"

#include "editor/newsfile.h"
#include "play/goldbars.h"
#include "play/newgamereset.h"
#include "play/record.h"
#include "play/savegame.h"
#include "play/startup.h"
#include "play/twoplayer.h"
#include "state/sharefile.h"

#include <QDir>

#include <algorithm>

namespace quotara {

namespace {

const QString kDisclaimer = QStringLiteral(
    "DISCLAIMER : Neither TARNVALE software nor does the author VENNER accepts any "
    "responsibility for any monetary loss. This program is NOT a stockmarket predictor, it is "
    "a GAME. Continue?");
const QString kQuitQuestion = QStringLiteral("Are you sure you want to quit Quotara?");
const QString kNoGame = QStringLiteral("You must start a new game first!");
const QString kLostAtExit =
    QStringLiteral("\n\nThe game you are playing could not be kept: File > Resume Game will not "
                   "bring it back. Quit all the same? (No goes back to the game.)");
const QString kAbandonQuestion = QStringLiteral(
    "Abandon the game you are playing?\n\nWhat you have done in it since you started, loaded "
    "or last saved it is lost.");
const QString kEditing = QStringLiteral(
    "The Game Editor is on. Choose Options > Game Editor to go back to the game first.");

// End Day's views, with the level's end kept for the Session: it comes last in End Day.
class DayEnd final : public DayViews {
  public:
    explicit DayEnd(DayViews& views) : views_(views) {}
    void refresh() override { views_.refresh(); }
    void newsDrawn() override { views_.newsDrawn(); }
    void levelEnded(const LevelVerdict& v) override { verdict = v; }
    void turnChanged() override { views_.turnChanged(); }
    std::optional<LevelVerdict> verdict;

  private:
    DayViews& views_;
};

} // namespace

bool Session::startUp(bool askDisclaimer) {
    GameState& s = game_.state;
    const bool first = !keptGoldBars_;
    if (first) restoreGoldBars();
    if (s.twoplayer == 1) s.player = 1;

    if (askDisclaimer && !game_.messages.ask(Messages::Kind::Information, kDisclaimer)) {
        phase_ = Phase::Ending;
        return false;
    }
    phase_ = Phase::NoGame;
    // The disclaimer comes first at every start, before a damaged result is told.
    if (first) restoreHallOfFame();

    views_.showNoGame();
    // A news file that cannot be read is reported, and the game goes on without news: the
    // market still gets its start values and stays playable.
    loadNews();
    loadStartValues(s);
    views_.showStartValues();
    return true;
}

void Session::loadNews() {
    const FileError error = loadNewsFile(game_.state, game_.folder.newsFile());
    if (error.isError())
        game_.messages.show(Messages::Kind::Error, fileErrorText(error, game_.folder.newsFile()));
}

void Session::choose(const std::function<void(GameState&)>& choice) {
    GameState& s = game_.state;
    if (phase_ != Phase::Playing && phase_ != Phase::Editing && phase_ != Phase::LevelEnded) {
        choice(s);
        keepGoldBars();
        return;
    }
    const LevelValues inForce = levelValues(s);
    // A game of one player never turns into one of two halfway, nor back.
    const std::uint8_t twoplayerInForce = s.twoplayer;
    // The choice builds on the ones made before it, as the window shows them.
    if (pending_) {
        applyLevelValues(s, *pending_);
        s.twoplayer = pendingTwoplayer_;
    }
    choice(s);
    pending_ = levelValues(s);
    pendingTwoplayer_ = s.twoplayer;
    applyLevelValues(s, inForce);
    s.twoplayer = twoplayerInForce;
    keepGoldBars();
}

void Session::applyPendingChoices() {
    if (pending_) {
        applyLevelValues(game_.state, *pending_);
        game_.state.twoplayer = pendingTwoplayer_;
    }
    pending_.reset();
}

StartOutcome Session::start(const StartNames& names) {
    if (phase_ == Phase::Ending) return StartOutcome::Refused;
    GameState& s = game_.state;
    // The checks are those of the mode the window shows.
    const std::uint8_t twoplayerInForce = s.twoplayer;
    if (pending_) s.twoplayer = pendingTwoplayer_;
    const StartOutcome outcome =
        startCheck(game_, names.playername, names.p1caption, names.p2caption);
    // A refused Start leaves the running game as it was.
    if (outcome != StartOutcome::Started || !mayReplaceGame()) {
        s.twoplayer = twoplayerInForce;
        return outcome == StartOutcome::Started ? StartOutcome::Kept : outcome;
    }
    if (s.twoplayer == 1) {
        s.p1name.assign(names.p1caption.left(20));
        s.p2name.assign(names.p2caption.left(20));
    } else {
        s.username.assign(names.playername.left(20));
    }
    applyPendingChoices();
    // Whatever the last game left in the bank, the new one has the level's money.
    applyStartValues(newGame_, s);
    if (s.twoplayer == 1) beginTwoPlayer(s);
    phase_ = Phase::Playing;
    unsaved_ = false;
    views_.closeNewGameChoices();
    views_.showGame();
    newgamereset(s);
    views_.showNewMarket();
    return outcome;
}

bool Session::continueAfterLevel() {
    if (phase_ != Phase::LevelEnded) return true;
    // The level is over: what the new-game window shows is in force from here. Unless the
    // player chose otherwise meanwhile, a won level leads on to the next one it left open.
    const bool chosen = pending_.has_value();
    applyPendingChoices();
    const int next = chosen || wonLevel_ < 0 ? -1 : nextLevel(game_.state, wonLevel_);
    if (next >= 0) applyLevel(newGame_, game_.state, levelTable()[next], next);
    newgamereset(game_.state);
    views_.showNewMarket();
    views_.showNewGameChoices();
    views_.closeLevelEnd();
    if (!startUp()) {
        views_.closeNewGameChoices();
        return false;
    }
    phase_ = Phase::Continued;
    return true;
}

QString Session::refusal() const {
    if (phase_ == Phase::Playing) return {};
    return phase_ == Phase::Editing ? kEditing : kNoGame;
}

bool Session::refuse() {
    const QString text = refusal();
    if (text.isEmpty()) return false;
    game_.messages.show(Messages::Kind::Plain, text);
    return true;
}

bool Session::saveGame() {
    // With no game there is nothing to save, and a save would overwrite the player's game.
    if (refuse()) return false;
    if (!savegame(game_, newGame_)) return false;
    unsaved_ = false;
    return true;
}

bool Session::mayReplaceGame() {
    // Nothing to lose: no game, a level that has ended, or a game as it was started, loaded,
    // resumed or saved.
    if (!gameOn() || !unsaved_) return true;
    return game_.messages.ask(Messages::Kind::Caution, kAbandonQuestion);
}

bool Session::loadGame() {
    return loadSet(false);
}

bool Session::resumeGame(bool quietly) {
    return loadSet(true, quietly);
}

bool Session::loadSet(bool resume, bool quietly) {
    if (phase_ == Phase::Ending) return false;
    // The autosave as the last End Day left it.
    if (resume && !finishAutosave()) return false;
    // 1-4. Both share files and the state file, read and checked before anything changes.
    const SavedGameRead read =
        readSaveSet(resume ? SaveSet::autosave(game_.folder) : SaveSet::savedGame(game_.folder));
    if (read.outcome != SavedGameRead::Outcome::Ready) {
        if (resume)
            reportResumeRefusal(game_.messages, read);
        else
            reportRefusal(game_.messages, read);
        return false;
    }
    // Only a load that can take place asks whether to give up the game being played.
    if (!mayReplaceGame()) return false;
    const int bars = game_.state.goldbarcount;
    const std::uint16_t levelsWon = game_.state.levelswon;
    applySavedGame(read, game_.state, newGame_);
    // A game saved without its record starts one here.
    if (game_.state.record.days.empty()) startRecord(game_.state);
    // Gold bars are never lost by a load: the game's own, or those won since if more; a
    // level won before or since stays won, so it never pays again.
    game_.state.goldbarcount = static_cast<std::uint8_t>(
        std::min<int>(kMostGoldBars, std::max<int>(bars, game_.state.goldbarcount)));
    game_.state.levelswon |= levelsWon;
    keepGoldBars();
    pending_.reset();
    phase_ = Phase::Playing;
    unsaved_ = false;

    // 5. The refresh.
    loadRefresh(game_.state, read.hasState);
    views_.showLoadedGame();

    // 6. Playing, also when no game had been started.
    views_.showGame();

    // 7.
    if (!quietly)
        game_.messages.show(Messages::Kind::Information,
                            resume ? QStringLiteral("Game resumed.")
                                   : QStringLiteral("Game loaded successfully."));
    return true;
}

DayResult Session::endDay(DayViews& views) {
    if (refuse()) return DayResult::Refused;
    DayEnd day(views);
    const DayResult result = endofday(game_, day);
    unsaved_ = true;
    if (day.verdict) {
        phase_ = Phase::LevelEnded;
        wonLevel_ = day.verdict->won ? levelInForce(game_.state) : -1;
        autosaveWanted_ = false;
        if (!game_.folder.isNone()) autosaver_.remove(SaveSet::autosave(game_.folder));
        tellAutosaveFailure(autosaver_.takeFailure());
        keepGoldBars();
        enterHallOfFame(*day.verdict);
        views_.showLevelEnd(*day.verdict);
    } else {
        autosave();
    }
    return result;
}

void Session::autosave() {
    handAutosave();
    // A failure in the background is known by the next day.
    tellAutosaveFailure(autosaver_.takeFailure());
}

void Session::handAutosave() {
    // Without a folder the autosave's names would be taken from the root of the file system.
    if (game_.folder.isNone()) return;
    autosaveWanted_ = true;
    autosaver_.write(SaveSet::autosave(game_.folder), game_.state, savedLevel(newGame_));
}

QString Session::keepForRestart() {
    if (phase_ != Phase::Playing) return {};
    // An earlier day's failure is told as ever; only this write decides the restart.
    tellAutosaveFailure(autosaver_.finish());
    handAutosave();
    if (const auto failure = autosaver_.finish()) return saveFailureText(*failure);
    return {};
}

bool Session::keepAtExit(bool mayStay) {
    if (!gameOn()) {
        finishAutosave();
        return true;
    }
    // Only this last write counts: it holds all that the earlier ones held.
    autosaver_.finish();
    handAutosave();
    const auto failure = autosaver_.finish();
    if (!failure) return true;
    // With nothing done since it was started, loaded, resumed or saved, nothing is lost.
    if (!mayStay || !unsaved_) {
        tellAutosaveFailure(failure);
        return true;
    }
    // Asked even when a failure was told before: this is the last chance to keep the game.
    return game_.messages.ask(Messages::Kind::Caution, saveFailureText(*failure) + kLostAtExit);
}

bool Session::finishAutosave() {
    const auto failure = autosaver_.finish();
    tellAutosaveFailure(failure);
    return !failure;
}

void Session::tellAutosaveFailure(const std::optional<SaveFailure>& failure) {
    // Told once: the player can still save by hand, and should not meet it every day.
    if (!failure || autosaveFailureTold_) return;
    autosaveFailureTold_ = true;
    game_.messages.show(Messages::Kind::Error,
                        saveFailureText(*failure) +
                            QStringLiteral("\n\nThe game could not be autosaved. Use File > Save "
                                           "Game to keep it. Quotara will not say this again "
                                           "until it is started again."));
}

bool Session::hasAutosave() const {
    if (autosaver_.busy()) return autosaveWanted_;
    return !game_.folder.isNone() && saveSetExists(SaveSet::autosave(game_.folder));
}

TradeOutcome Session::trade(const QString& dialogCaption, int share, const QString& quantityText) {
    // A dialog left open past the game's end must not trade into the next one.
    if (refuse()) return {};
    TradeOutcome outcome =
        tradeOk(game_, dialogCaption, share, quantityText, [this] { autosave(); });
    if (outcome.completed) unsaved_ = true;
    return outcome;
}

void Session::toggleEditor() {
    if (phase_ == Phase::Playing) {
        phase_ = Phase::Editing;
        views_.showEditor();
    } else if (phase_ == Phase::Editing) {
        phase_ = Phase::Playing;
        views_.closeEditor();
    } else {
        game_.messages.show(Messages::Kind::Plain, kNoGame);
    }
}

bool Session::playersAllowed() {
    if (gameOn()) return true;
    game_.messages.show(Messages::Kind::Plain, kNoGame);
    return false;
}

void Session::showStatus() {
    if (!gameOn()) {
        game_.messages.show(Messages::Kind::Plain, kNoGame);
        return;
    }
    game_.messages.show(Messages::Kind::Information, levelProgressText(game_.state));
}

bool Session::askToQuit() {
    if (phase_ == Phase::Ending) return true;
    if (!game_.messages.ask(Messages::Kind::Confirmation, kQuitQuestion)) return false;
    // The game on is kept, to be resumed at the next start.
    if (!keepAtExit(true)) return false;
    phase_ = Phase::Ending;
    return true;
}

bool Session::closeMain() {
    if (phase_ != Phase::Ending && !keepAtExit(true)) return false;
    phase_ = Phase::Ending;
    return true;
}

void Session::end() {
    if (phase_ != Phase::Ending) keepAtExit(false);
    phase_ = Phase::Ending;
}

Closing Session::closeLevelEnd() {
    if (phase_ == Phase::Ending) return Closing::Close;
    return askToQuit() ? Closing::Quit : Closing::Stay;
}

Closing Session::closeNewGameChoices() {
    if (phase_ != Phase::Continued) return Closing::Close;
    return askToQuit() ? Closing::Quit : Closing::Stay;
}

} // namespace quotara

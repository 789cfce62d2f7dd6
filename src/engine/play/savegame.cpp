#include "play/savegame.h"

#include "market/calendar.h"
#include "market/headlines.h"
#include "play/savefiles.h"
#include "state/sharefile.h"

#include <QDir>
#include <QFileInfo>

namespace quotara {
namespace {

using Kind = Messages::Kind;

const QString kNoSaveFile = QStringLiteral("There is no save game file to load!");
const QString kDamaged = QStringLiteral(
    "The saved game cannot be loaded: its file savegame.sta is damaged. Nothing was changed.");
const QString kOtherShares = QStringLiteral(
    "The saved game cannot be loaded: savegame.ply and savegame.sta are not from the same "
    "save (a save may have been interrupted). Nothing was changed.");
const QString kNewer = QStringLiteral("This saved game was made by a newer version of Quotara.");

// Reads savegame.sta whole: NotFound when there is none. One larger than any state file
// reads as more bytes than one may have, which the check finds damaged.
FileError readStateFile(const QString& path, std::vector<std::uint8_t>& bytes) {
    return readWholeFile(path, kStateFileMaxSize + 1, bytes);
}

} // namespace

SavedLevel savedLevel(const NewGame& ng) {
    return {ng.appliedLevel, chosenMode(ng)};
}

bool fileexists(const QString& name) {
    return fileExists(name);
}

void loadRefresh(GameState& s, bool slotsRestored) {
    dayeval(s);
    // The ticker scrolls the loaded game's headlines, never the game it replaces.
    if (slotsRestored) {
        s.tickerText = tickerText(s);
        return;
    }
    const auto put = [&s](HeadlineSlot& slot, std::uint8_t item) {
        if (item == 0 || item > kNewsCount) {
            slot.clear();
            return;
        }
        slot.caption = s.newsitems[item].text.toQString();
        slot.number = item;
    };
    put(s.headlines1, s.headline1item);
    put(s.headlines2, s.headline2item);
    put(s.headlines4, s.headline4item);
    s.tickerText = tickerText(s);
}

QString saveFailureText(const SaveFailure& failure) {
    return failure.error.textFor(failure.file);
}

bool savegame(Game& game, const NewGame& ng) {
    const SaveSet set = SaveSet::savedGame(game.folder);
    // A folder removed since start-up is made again; one that cannot be is said so.
    QDir().mkpath(QFileInfo(set.state).absolutePath());
    if (const auto failure = writeGameSet(set, game.state, savedLevel(ng))) {
        const bool noFolder = !QFileInfo(QFileInfo(set.state).absolutePath()).isDir();
        game.messages.show(
            Kind::Error,
            (noFolder ? fileErrorText(failure->error, set.state) : saveFailureText(*failure)) +
                QStringLiteral("\n\nThe game was not saved. The saved game you "
                               "had before is kept as it was."));
        return false;
    }
    game.messages.show(Kind::Information, QStringLiteral("Game saved successfully."));
    return true;
}

SavedGameRead readSavedGame(const DataFolder& folder) {
    return readSaveSet(SaveSet::savedGame(folder));
}

SavedGameRead readSaveSet(const SaveSet& set) {
    using Outcome = SavedGameRead::Outcome;
    SavedGameRead read;
    // Both share files present and whole. The .ply file is read last; its records are the
    // ones a load keeps.
    for (const QString& path : {set.shares, set.players}) {
        read.file = path;
        // A file that is there but cannot be opened is an error, not a missing save.
        if (!fileexists(path) && !QFileInfo(path).exists()) {
            read.outcome = Outcome::NoSaveFile;
            return read;
        }
        ShareFileContent content = readShareFile(path, EmptyShareFile::IsShort);
        if (content.error.isError()) {
            read.outcome = Outcome::FileError;
            read.error = content.error;
            return read;
        }
        if (path == set.shares) {
            read.sharesImage = std::move(content.image);
            continue;
        }
        read.shares = std::move(content.records);
        {
            // The rest of the game, when the save was ours.
            std::vector<std::uint8_t> staBytes;
            const FileError staError = readStateFile(set.state, staBytes);
            // A name that is there, even a link to nothing, is a state file that must be read.
            const QFileInfo sta(set.state);
            read.hasState = staError.kind() != FileError::Kind::NotFound || sta.isSymLink();
            if (set.stateRequired && (!read.hasState || staError.isError())) {
                read.file = set.state;
                read.outcome = Outcome::Damaged;
                return read;
            }
            if (read.hasState && staError.isError()) {
                read.file = set.state;
                read.outcome = Outcome::FileError;
                read.error = staError;
                return read;
            }
            if (read.hasState) {
                read.state = checkStateFile(staBytes, content.image);
                switch (read.state.result) {
                case StateFileCheck::Result::Valid:
                    break;
                case StateFileCheck::Result::Damaged:
                    read.outcome = Outcome::Damaged;
                    return read;
                case StateFileCheck::Result::OtherShares:
                    read.outcome = Outcome::OtherShares;
                    return read;
                case StateFileCheck::Result::Newer:
                    read.outcome = Outcome::Newer;
                    return read;
                }
            }
        }
    }
    read.outcome = Outcome::Ready;
    return read;
}

void reportRefusal(Messages& messages, const SavedGameRead& read) {
    using Outcome = SavedGameRead::Outcome;
    switch (read.outcome) {
    case Outcome::Ready:
        return;
    case Outcome::NoSaveFile:
        messages.show(Kind::Information, kNoSaveFile);
        return;
    case Outcome::FileError:
        messages.show(Kind::Error, QStringLiteral("The saved game cannot be read. Nothing was "
                                                  "changed.\n\n") +
                                       fileErrorText(read.error, read.file));
        return;
    case Outcome::Damaged:
        messages.show(Kind::Information, kDamaged);
        return;
    case Outcome::OtherShares:
        messages.show(Kind::Information, kOtherShares);
        return;
    case Outcome::Newer:
        messages.show(Kind::Information, kNewer);
        return;
    }
}

void reportResumeRefusal(Messages& messages, const SavedGameRead& read) {
    using Outcome = SavedGameRead::Outcome;
    QString why;
    switch (read.outcome) {
    case Outcome::Ready:
        return;
    case Outcome::NoSaveFile:
        messages.show(Kind::Information, QStringLiteral("There is no autosaved game to resume."));
        return;
    case Outcome::FileError:
        why = read.error.text();
        break;
    case Outcome::Damaged:
    case Outcome::OtherShares:
        why = QStringLiteral("its files autosave.shr, autosave.ply and autosave.sta are damaged "
                             "or do not belong together");
        break;
    case Outcome::Newer:
        why = QStringLiteral("it was made by a newer version of Quotara");
        break;
    }
    messages.show(Kind::Information,
                  QStringLiteral("The autosaved game cannot be resumed: %1. Its files were left "
                                 "as they are; nothing was changed.")
                      .arg(why));
}

void applySavedGame(const SavedGameRead& read, GameState& s, NewGame& ng) {
    applyShares(s, read.shares);
    if (!read.hasState) {
        applyNoStateFile(s);
        return;
    }
    restoreLevel(ng, s, read.state.level.mode, read.state.level.level);
    applyStateFile(read.state, s);
    if (read.state.level.mode == 3) restorePlayUntil(ng, s);
}

} // namespace quotara

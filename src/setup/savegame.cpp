#include "setup/savegame.h"

#include "market/calendar.h"
#include "market/headlines.h"
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

void showError(Game& game, const FileError& error, const QString& path) {
    game.messages.show(Kind::Error, fileErrorText(error, path));
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
}

bool savegame(Game& game, const NewGame& ng) {
    const DataFolder& folder = game.folder;
    const std::vector<std::uint8_t> image = shareFileImage(game.state.shares);
    const std::vector<std::uint8_t> state = encodeStateFile(game.state, savedLevel(ng), image);

    // A folder removed since start-up is made again; one that cannot be is said so below.
    QDir().mkpath(folder.path());
    // All three are written in full before any old one is replaced. The state file goes last:
    // should the game stop between two replacements, savegame.ply and savegame.sta differ in
    // the share digest and a load refuses the set instead of mixing two saves.
    StagedFile shr, ply, sta;
    for (const auto& [file, path, bytes] :
         {std::tuple{&shr, folder.savedSharesFile(), std::span<const std::uint8_t>(image)},
          std::tuple{&ply, folder.savedPlayersFile(), std::span<const std::uint8_t>(image)},
          std::tuple{&sta, folder.savedStateFile(), std::span<const std::uint8_t>(state)}}) {
        if (const FileError e = file->stage(path, bytes); e.isError()) {
            showError(game, e, path);
            return false;
        }
    }
    for (const auto& [file, path] :
         {std::pair{&shr, folder.savedSharesFile()}, std::pair{&ply, folder.savedPlayersFile()},
          std::pair{&sta, folder.savedStateFile()}}) {
        if (const FileError e = file->commit(); e.isError()) {
            showError(game, e, path);
            return false;
        }
    }
    game.messages.show(Kind::Information, QStringLiteral("Game saved successfully."));
    return true;
}

SavedGameRead readSavedGame(const DataFolder& folder) {
    using Outcome = SavedGameRead::Outcome;
    SavedGameRead read;
    // Both share files present and whole. savegame.ply is read last; its records are the ones
    // a load keeps.
    for (const QString& path : {folder.savedSharesFile(), folder.savedPlayersFile()}) {
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
        read.shares = std::move(content.records);
        if (path == folder.savedPlayersFile()) {
            // The rest of the game, when the save was ours.
            std::vector<std::uint8_t> staBytes;
            const FileError staError = readStateFile(folder.savedStateFile(), staBytes);
            read.hasState = staError.kind() != FileError::Kind::NotFound;
            if (read.hasState && staError.isError()) {
                read.file = folder.savedStateFile();
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

void applySavedGame(const SavedGameRead& read, GameState& s, NewGame& ng) {
    applyShares(s, read.shares);
    if (!read.hasState) {
        applyNoStateFile(s);
        return;
    }
    restoreLevel(ng, s, read.state.level.mode, read.state.level.level);
    applyStateFile(read.state, s);
}

} // namespace quotara

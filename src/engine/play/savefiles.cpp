#include "play/savefiles.h"

#include "state/sharefile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace quotara {
namespace {

QString pending(const QString& path) {
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".new");
}

// The state file's name while its set is being removed.
QString going(const QString& path) {
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".gone");
}

bool removeFile(const QString& path) {
    return ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT;
}

int renameFile(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
               ? 0
               : errno;
}

bool exists(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool isPlainFile(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QString folderOf(const SaveSet& set) {
    return QFileInfo(set.state).path();
}

SaveFailure failure(const QString& path, const FileError& error) {
    return {error, QFileInfo(path).fileName()};
}

void discardPending(const SaveSet& set) {
    for (const QString& path : {set.shares, set.players})
        removeFile(pending(path));
}

// Step 3. Each rename that already happened is simply not found again. The share files are
// in place and synced before the state file follows: until then its pending name keeps the
// set to be finished.
std::optional<SaveFailure> finish(const SaveSet& set) {
    for (const QString& path : {set.shares, set.players, set.state}) {
        if (path == set.state) syncFolder(folderOf(set));
        if (!exists(pending(path))) continue;
        if (const int number = renameFile(pending(path), path); number != 0)
            return failure(path, FileError::fromErrno(number));
    }
    syncFolder(folderOf(set));
    return std::nullopt;
}

// The rest of a removal: the state file is already under its going name, which goes last.
std::optional<SaveFailure> finishRemoval(const SaveSet& set) {
    std::optional<SaveFailure> first;
    for (const QString& path : {set.state, set.players, set.shares}) {
        if (!removeFile(path) && !first) first = failure(path, FileError::fromErrno(errno));
    }
    syncFolder(folderOf(set));
    if (!removeFile(going(set.state)) && !first)
        first = failure(set.state, FileError::fromErrno(errno));
    syncFolder(folderOf(set));
    return first;
}

void recover(const SaveSet& set) {
    if (exists(going(set.state)))
        finishRemoval(set);
    else if (exists(pending(set.state)))
        finish(set);
    else
        discardPending(set);
}

std::optional<SaveFailure> writeSaveSet(const SaveSet& set, std::span<const std::uint8_t> image,
                                        std::span<const std::uint8_t> state) {
    recover(set);
    for (const QString& path : {set.shares, set.players, set.state})
        if (const FileError e = writeRefusal(path); e.isError()) return failure(path, e);

    // 1.
    for (const QString& path : {set.shares, set.players}) {
        if (const FileError e = writeFileAtomically(pending(path), image); e.isError()) {
            discardPending(set);
            return failure(path, e);
        }
    }
    // 2. The commit point.
    if (const FileError e = writeFileAtomically(pending(set.state), state); e.isError()) {
        discardPending(set);
        return failure(set.state, e);
    }
    // 3. Should a rename fail here, the set stays pending and the next start finishes it.
    return finish(set);
}

} // namespace

SaveSet SaveSet::savedGame(const DataFolder& folder) {
    return {folder.savedSharesFile(), folder.savedPlayersFile(), folder.savedStateFile()};
}

SaveSet SaveSet::autosave(const DataFolder& folder) {
    return {folder.autosaveSharesFile(), folder.autosavePlayersFile(), folder.autosaveStateFile(),
            true};
}

std::optional<SaveFailure> writeGameSet(const SaveSet& set, const GameState& game,
                                        const SavedLevel& level) {
    const std::vector<std::uint8_t> image = shareFileImage(game.shares);
    return writeSaveSet(set, image, encodeStateFile(game, level, image));
}

std::optional<SaveFailure> removeSaveSet(const SaveSet& set) {
    recover(set);
    // Unlinks are not kept in their order by a power cut: the state file's new name, synced
    // first, marks the set as going, and the next start finishes the removal.
    if (isPlainFile(set.state)) {
        if (const int number = renameFile(set.state, going(set.state)); number != 0)
            return failure(set.state, FileError::fromErrno(number));
        syncFolder(folderOf(set));
    }
    return finishRemoval(set);
}

bool saveSetExists(const SaveSet& set) {
    return exists(set.state) || exists(pending(set.state)) || exists(set.players) ||
           exists(set.shares);
}

void tidyDataFolder(const FolderLock& lock) {
    if (!lock.held()) return;
    const DataFolder& folder = lock.folder();
    QStringList names = {QFileInfo(folder.newsFile()).fileName(),
                         QFileInfo(folder.sharesFile()).fileName()};
    const SaveSet sets[] = {SaveSet::savedGame(folder), SaveSet::autosave(folder)};
    for (const SaveSet& set : sets)
        for (const QString& path : {set.shares, set.players, set.state})
            names << QFileInfo(path).fileName() << QFileInfo(pending(path)).fileName();
    removeTemporaries(folder.path(), names);
    for (const SaveSet& set : sets)
        recover(set);
}

} // namespace quotara

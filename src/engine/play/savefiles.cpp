#include "play/savefiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace quotara {
namespace {

QString sibling(const QString& path, const char* suffix) {
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() + QLatin1String(suffix);
}
QString pending(const QString& path) {
    return sibling(path, ".new");
}
QString temporary(const QString& path) {
    return sibling(path, ".tmp");
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

// A file that would only refuse its rename after all the writing: one that may not be
// written, or a folder in its place.
FileError refusal(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) return {};
    if (S_ISDIR(st.st_mode)) return FileError::fromErrno(EISDIR);
    if (::access(name.constData(), W_OK) != 0) return FileError::fromErrno(errno);
    return {};
}

SaveFailure failure(const QString& path, const FileError& error) {
    return {error, QFileInfo(path).fileName()};
}

void discardPending(const SaveSet& set) {
    for (const QString& path : {set.shares, set.players})
        removeFile(pending(path));
    removeFile(temporary(set.state));
}

// Step 3. Each rename that already happened is simply not found again.
std::optional<SaveFailure> finish(const SaveSet& set) {
    for (const QString& path : {set.shares, set.players, set.state}) {
        if (!exists(pending(path))) continue;
        if (const int number = renameFile(pending(path), path); number != 0)
            return failure(path, FileError::fromErrno(number));
    }
    syncFolder(QFileInfo(set.state).path());
    return std::nullopt;
}

} // namespace

SaveSet SaveSet::savedGame(const DataFolder& folder) {
    return {folder.savedSharesFile(), folder.savedPlayersFile(), folder.savedStateFile()};
}

SaveSet SaveSet::autosave(const DataFolder& folder) {
    return {folder.autosaveSharesFile(), folder.autosavePlayersFile(), folder.autosaveStateFile()};
}

void recoverSaveSet(const SaveSet& set) {
    removeFile(temporary(set.state));
    if (exists(pending(set.state)))
        finish(set);
    else
        discardPending(set);
}

std::optional<SaveFailure> writeSaveSet(const SaveSet& set, std::span<const std::uint8_t> image,
                                        std::span<const std::uint8_t> state) {
    recoverSaveSet(set);
    for (const QString& path : {set.shares, set.players, set.state})
        if (const FileError e = refusal(path); e.isError()) return failure(path, e);

    // 1.
    for (const QString& path : {set.shares, set.players}) {
        if (const FileError e = writeFileInPlace(pending(path), image); e.isError()) {
            discardPending(set);
            return failure(path, e);
        }
    }
    // 2. The commit point.
    if (const FileError e = writeFileInPlace(temporary(set.state), state); e.isError()) {
        discardPending(set);
        return failure(set.state, e);
    }
    if (const int number = renameFile(temporary(set.state), pending(set.state)); number != 0) {
        discardPending(set);
        return failure(set.state, FileError::fromErrno(number));
    }
    // 3. Should a rename fail here, the set stays pending and the next start finishes it.
    return finish(set);
}

std::optional<SaveFailure> removeSaveSet(const SaveSet& set) {
    recoverSaveSet(set);
    std::optional<SaveFailure> first;
    for (const QString& path : {set.state, set.players, set.shares}) {
        if (!removeFile(path) && !first) first = failure(path, FileError::fromErrno(errno));
    }
    syncFolder(QFileInfo(set.state).path());
    return first;
}

bool saveSetExists(const SaveSet& set) {
    return exists(set.state) || exists(pending(set.state));
}

} // namespace quotara

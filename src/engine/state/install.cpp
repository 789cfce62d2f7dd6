#include "state/install.h"

#include "state/recordfile.h"

#include <QDir>
#include <QFileInfo>

namespace quotara {

QString installDataFolder(const DataFolder& folder, std::span<const std::uint8_t> newsFile) {
    const QFileInfo info(folder.path());
    if (info.exists() || info.isSymLink()) {
        if (!info.isDir())
            return QStringLiteral("The data folder %1 is not a folder.")
                .arg(QDir::toNativeSeparators(folder.path()));
        // The player's own news file, even a damaged one, stays; a missing one is put back,
        // or the game would run without any news.
        const QFileInfo news(folder.newsFile());
        if (news.exists() || news.isSymLink()) return {};
        const FileError error = writeFileAtomically(folder.newsFile(), newsFile);
        return error.isError() ? QStringLiteral("The news file could not be put back: %1")
                                     .arg(fileErrorText(error, folder.newsFile()))
                               : QString();
    }
    if (!QDir().mkpath(folder.path()))
        return QStringLiteral("The data folder %1 could not be created.")
            .arg(QDir::toNativeSeparators(folder.path()));

    const FileError error = writeFileAtomically(folder.newsFile(), newsFile);
    if (!error.isError()) return {};
    QDir().rmdir(folder.path());
    return QStringLiteral("The news file could not be written: %1")
        .arg(fileErrorText(error, folder.newsFile()));
}

} // namespace quotara

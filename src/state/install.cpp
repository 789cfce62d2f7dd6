#include "state/install.h"

#include "state/recordfile.h"

#include <QDir>
#include <QFileInfo>

namespace quotara {

QString installDataFolder(const DataFolder& folder, std::span<const std::uint8_t> newsFile) {
    const QFileInfo info(folder.path());
    if (info.exists() || info.isSymLink()) {
        if (info.isDir()) return {};
        return QStringLiteral("The data folder %1 is not a folder.")
            .arg(QDir::toNativeSeparators(folder.path()));
    }
    if (!QDir().mkpath(folder.path()))
        return QStringLiteral("The data folder %1 could not be created.")
            .arg(QDir::toNativeSeparators(folder.path()));

    const FileError error = writeFileAtomically(folder.newsFile(), newsFile);
    if (!error.isError()) return {};
    QDir().rmdir(folder.path());
    return QStringLiteral("The news file %1 could not be written: %2")
        .arg(QDir::toNativeSeparators(folder.newsFile()), error.text());
}

} // namespace quotara

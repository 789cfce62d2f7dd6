#include "state/datafolder.h"

#include <QDir>

namespace quotara {

DataFolder DataFolder::standard() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return DataFolder(base + QStringLiteral("/quotara"));
}

} // namespace quotara

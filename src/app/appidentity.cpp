#include "app/appidentity.h"

#include <QApplication>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initIconResource() {
    Q_INIT_RESOURCE(icons);
}

namespace quotara {

QString applicationVersion() {
    return QStringLiteral(QUOTARA_VERSION);
}

QIcon applicationIcon() {
    static const bool once = (initIconResource(), true);
    (void)once;
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quotara-%1.png").arg(size), QSize(size, size));
    return icon;
}

void setApplicationIdentity() {
    QApplication::setOrganizationName(QStringLiteral("Quotara"));
    QApplication::setApplicationName(QStringLiteral("Quotara"));
    QApplication::setApplicationVersion(applicationVersion());
    // Without the ".desktop" suffix; it lets the desktop match the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("quotara"));
    QApplication::setWindowIcon(applicationIcon());
}

} // namespace quotara

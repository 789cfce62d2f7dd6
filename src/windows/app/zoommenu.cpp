#include "windows/app/zoommenu.h"

#include "windows/app/zoom.h"

#include <QActionGroup>
#include <QMenu>

namespace quotara {

QMenu* addZoomMenu(QMenu* options, std::function<void(int)> chosen) {
    QMenu* zoom = options->addMenu(QStringLiteral("&Zoom"));
    zoom->setObjectName(QStringLiteral("ZoomMenu"));
    zoom->menuAction()->setObjectName(QStringLiteral("Zoom1"));
    auto* choices = new QActionGroup(zoom);
    for (int percent : kZooms) {
        QAction* a = zoom->addAction(QStringLiteral("%1 %").arg(percent));
        a->setObjectName(QStringLiteral("Zoom%1").arg(percent));
        a->setCheckable(true);
        a->setChecked(percent == 100);
        choices->addAction(a);
        QObject::connect(a, &QAction::triggered, zoom, [chosen, percent] { chosen(percent); });
    }
    return zoom;
}

void showZoom(QMenu* zoomMenu, int percent) {
    if (auto* a = zoomMenu->findChild<QAction*>(QStringLiteral("Zoom%1").arg(percent)))
        a->setChecked(true);
}

} // namespace quotara

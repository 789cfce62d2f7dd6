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
    QString keys;
    for (int percent : kZooms) {
        // Its key is the first digit no item above has taken: 1, 5 and 2.
        QString text = QStringLiteral("%1 %").arg(percent);
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i].isDigit() && !keys.contains(text[i])) {
                keys += text[i];
                text.insert(i, QLatin1Char('&'));
                break;
            }
        QAction* a = zoom->addAction(text);
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

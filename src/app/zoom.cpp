#include "app/zoom.h"

#include <QSettings>

#include <algorithm>
#include <iterator>

namespace quotara {

namespace {
const QString kKey = QStringLiteral("zoom");
} // namespace

int zoomSetting(const QSettings& settings) {
    const int percent = settings.value(kKey, 100).toInt();
    return std::find(std::begin(kZooms), std::end(kZooms), percent) != std::end(kZooms) ? percent
                                                                                        : 100;
}

void saveZoom(QSettings& settings, int percent) {
    settings.setValue(kKey, percent);
    settings.sync();
}

void applyZoom(int percent) {
    if (percent == 100 || qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
}

} // namespace quotara

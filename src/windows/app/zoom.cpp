#include "windows/app/zoom.h"

#include "state/settings.h"

#include <QGuiApplication>
#include <QScreen>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace quotara {

namespace {
const QString kKey = QStringLiteral("zoom");

// The design's pixels: the main window's client area is 511 wide; with the menu bar, the
// title bars and the 31-pixel ticker placed under it, the game needs about 370 high.
constexpr int kMainWidth = 511, kGameHeight = 370;

const char kScaleVariable[] = "QT_SCALE_FACTOR";
bool scaleSetHere = false; // applyZoom put the scale into the environment
} // namespace

int chosenZoom(const Settings& settings) {
    const int percent = settings.intValue(kKey, 0);
    return std::find(std::begin(kZooms), std::end(kZooms), percent) != std::end(kZooms) ? percent
                                                                                        : 0;
}

int zoomSetting(const Settings& settings) {
    const int percent = chosenZoom(settings);
    return percent ? percent : 100;
}

QString saveZoom(Settings& settings, int percent) {
    const QString failure = settings.set(kKey, QString::number(percent));
    if (failure.isEmpty()) return {};
    return QStringLiteral("The zoom of %1 % could not be kept. ").arg(percent) + failure;
}

int zoomForScreen(QSize screen) {
    int best = 100;
    for (int percent : kZooms) {
        const bool narrow = kMainWidth * percent * 5 <= screen.width() * 2 * 100;
        const bool low = kGameHeight * percent <= screen.height() * 100;
        if (narrow && low) best = std::max(best, percent);
    }
    return best;
}

QSize measureScreen(int argc, char* argv[]) {
    std::vector<char*> copy(argv, argv + argc);
    copy.push_back(nullptr);
    int count = argc;
    const QGuiApplication probe(count, copy.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    // The probe's font database, as it goes, destroys fontconfig's configuration, loading it
    // first (a third of the whole start-up) for nothing; the game's application then loads it
    // again. A reference of our own keeps the one configuration for both.
    FcConfigReference(nullptr);
    return screen ? screen->geometry().size() : QSize();
}

bool zoomSetByEnvironment() {
    return !scaleSetHere && qEnvironmentVariableIsSet(kScaleVariable);
}

QProcessEnvironment playerEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (scaleSetHere) environment.remove(QString::fromLatin1(kScaleVariable));
    return environment;
}

int zoomInForce() {
    const int percent = qRound(qEnvironmentVariable(kScaleVariable, "1").toDouble() * 100);
    return std::find(std::begin(kZooms), std::end(kZooms), percent) != std::end(kZooms) ? percent
                                                                                        : 100;
}

void applyZoom(int percent) {
    if (percent == 100 || zoomSetByEnvironment()) return;
    qputenv(kScaleVariable, QByteArray::number(percent / 100.0));
    scaleSetHere = true;
}

} // namespace quotara

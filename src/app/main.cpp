// Quotara: the application with the real message boxes, clock and data folder, then the game
// until the player leaves.

#include "app/appidentity.h"
#include "app/program.h"
#include "app/qtmessages.h"
#include "app/zoom.h"
#include "components/look.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char* argv[]) {
    using namespace quotara;
    // The settings are read before the application exists: the zoom must be set by then.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("quotara"),
                       QStringLiteral("quotara"));
    int zoom = chosenZoom(settings);
    // Until the player chooses a zoom, it follows the screen the game starts on.
    if (!zoom) zoom = zoomSetByEnvironment() ? 100 : zoomForScreen(measureScreen(argc, argv));
    applyZoom(zoom);
    QApplication app(argc, argv);
    // The first window shows before the icon's six pictures are decoded.
    setApplicationIdentity(IconTiming::AfterFirstFrame);
    applyLook(app);

    QtMessages messages;
    SystemClock clock;
    return runGame(app, settings, messages, clock, DataFolder::standard());
}

#include "windows/app/appidentity.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

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

namespace {

// Gives the windows the icon right after the first frame has been painted (every window open
// by then gets it too), then goes.
class IconAfterFirstFrame final : public QObject {
  public:
    IconAfterFirstFrame() : QObject(qApp) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && !armed_) {
            armed_ = true;
            qApp->removeEventFilter(this);
            // The paint in hand finishes the frame before the queued call runs; the call then
            // lets the event loop turn once more, so what else was waiting for the first frame
            // (a zero timer started while it was painted) comes before six pictures are decoded.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QTimer::singleShot(0, this, [this] {
                        QApplication::setWindowIcon(applicationIcon());
                        deleteLater();
                    });
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    bool armed_ = false;
};

} // namespace

void setApplicationIdentity(IconTiming icon) {
    QApplication::setOrganizationName(QStringLiteral("Quotara"));
    QApplication::setApplicationName(QStringLiteral("Quotara"));
    QApplication::setApplicationVersion(applicationVersion());
    // Without the ".desktop" suffix; it lets the desktop match the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("quotara"));
    if (icon == IconTiming::Now)
        QApplication::setWindowIcon(applicationIcon());
    else
        new IconAfterFirstFrame;
}

} // namespace quotara

#include "windows/app/qtmessages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>

namespace quotara {

namespace {

QMessageBox::Icon iconOf(Messages::Kind kind) {
    switch (kind) {
    case Messages::Kind::Plain:
        return QMessageBox::NoIcon;
    case Messages::Kind::Information:
        return QMessageBox::Information;
    case Messages::Kind::Confirmation:
        return QMessageBox::Question;
    case Messages::Kind::Error:
        return QMessageBox::Critical;
    case Messages::Kind::Caution:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(Messages::Kind kind) {
    switch (kind) {
    case Messages::Kind::Plain:
        return QStringLiteral("Quotara");
    case Messages::Kind::Information:
        return QStringLiteral("Information");
    case Messages::Kind::Confirmation:
    case Messages::Kind::Caution:
        return QStringLiteral("Confirm");
    case Messages::Kind::Error:
        return QStringLiteral("Error");
    }
    return {};
}

// The style's own pictures for the box and its buttons, drawn by the application's style. When
// the desktop names no icon theme, Qt would first look each picture up in its fallback theme,
// which holds none of them, and reading that theme's index is about a tenth of the game's
// start-up before the first question shows. A theme the desktop names is still asked first.
class OwnPictures final : public QProxyStyle {
  public:
    OwnPictures() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (!QGuiApplication::desktopSettingsAware() ||
            QIcon::themeName() != QIcon::fallbackThemeName())
            return QProxyStyle::standardIcon(which, option, widget);
        // Not aware of the desktop, the style goes straight to its built-in pictures.
        QGuiApplication::setDesktopSettingsAware(false);
        QIcon icon = QProxyStyle::standardIcon(which, option, widget);
        QGuiApplication::setDesktopSettingsAware(true);
        return icon;
    }
};

QStyle* ownPictures() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new OwnPictures;
        style->setParent(qApp);
    }
    return style;
}

int run(Messages::Kind kind, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton byDefault) {
    // Owned by the window in front so it opens over it; before any window shows it stands
    // alone in the middle of the screen.
    QMessageBox box(QMessageBox::NoIcon, titleOf(kind), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("message"));
    // The box's button box passes its style on to the buttons it makes.
    box.setStyle(ownPictures());
    if (auto* buttonBox = box.findChild<QDialogButtonBox*>()) buttonBox->setStyle(ownPictures());
    box.setIcon(iconOf(kind));
    box.setStandardButtons(buttons);
    box.setDefaultButton(byDefault);
    // Windows that stay on top (New Game, the trade dialog, the graph) would otherwise cover
    // a question asked while one of them is up, and the game would seem to hang.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    keepTitleWhole(box);
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    return box.exec();
}

} // namespace

void keepTitleWhole(QMessageBox& box) {
    // The title bar shows the caption in the title font beside the icon and the buttons of
    // the window manager; a box no wider than a short text would cut it to "Qu…ra".
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int room = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 160;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

void QtMessages::show(Kind kind, const QString& text) {
    run(kind, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessages::ask(Kind kind, const QString& text) {
    const auto byDefault = kind == Kind::Caution ? QMessageBox::No : QMessageBox::Yes;
    return run(kind, text, QMessageBox::Yes | QMessageBox::No, byDefault) == QMessageBox::Yes;
}

} // namespace quotara

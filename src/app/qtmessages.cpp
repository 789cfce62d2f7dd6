#include "app/qtmessages.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
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
        return QStringLiteral("Confirm");
    case Messages::Kind::Error:
        return QStringLiteral("Error");
    }
    return {};
}

int run(Messages::Kind kind, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton byDefault) {
    // Owned by the window in front so it opens over it; before any window shows it stands
    // alone in the middle of the screen.
    QMessageBox box(iconOf(kind), titleOf(kind), text, buttons, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("message"));
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
    return run(kind, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

} // namespace quotara

#include "app/qtmessages.h"

#include <QApplication>
#include <QMessageBox>

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
    box.setDefaultButton(byDefault);
    return box.exec();
}

} // namespace

void QtMessages::show(Kind kind, const QString& text) {
    run(kind, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessages::ask(Kind kind, const QString& text) {
    return run(kind, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

} // namespace quotara

#include "windows/app/restart.h"

#include "play/session.h"
#include "windows/app/zoom.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstring>

namespace quotara {

StartMode startModeOf(int argc, char* argv[]) {
    StartMode mode;
    for (int i = 1; i < argc; ++i) {
        mode.restarted = mode.restarted || std::strcmp(argv[i], kRestartedFlag) == 0;
        mode.resume = mode.resume || std::strcmp(argv[i], kResumeFlag) == 0;
        if (i + 1 < argc && std::strcmp(argv[i], kPageFlag) == 0)
            mode.page = QString::fromLocal8Bit(argv[++i]);
        else if (i + 1 < argc && std::strcmp(argv[i], kShareFlag) == 0)
            mode.share = QString::fromLocal8Bit(argv[++i]).toInt();
    }
    return mode;
}

QString launchAgain(const QStringList& arguments) {
    QProcess next;
    next.setProgram(QCoreApplication::applicationFilePath());
    next.setArguments(arguments);
    next.setProcessEnvironment(playerEnvironment());
    if (next.startDetached()) return {};
    return next.errorString();
}

void whenPlaced(QWidget& window, std::function<void()> then) {
    auto* poll = new QTimer(&window);
    QElapsedTimer shown;
    shown.start();
    QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, shown, then] {
        const QWindow* handle = window.windowHandle();
        const bool placed =
            handle && handle->isExposed() && window.frameGeometry() != window.geometry();
        if (!placed && !shown.hasExpired(1000)) return;
        poll->deleteLater();
        poll->stop();
        then();
    });
    poll->start(20);
}

namespace {

QString nextTime(int percent) {
    return QStringLiteral("Quotara opens at %1 % the next time it starts.").arg(percent);
}

// The zoom kept without a restart, and what that means for the player.
void keepForNextStart(const ZoomChange& change, int percent) {
    Game& game = change.session.game();
    if (const QString failure = saveZoom(game.settings, percent); !failure.isEmpty()) {
        game.messages.show(Messages::Kind::Error, failure);
        return;
    }
    QString text = nextTime(percent);
    if (change.setByEnvironment)
        text = QStringLiteral("The zoom of %1 % is kept, but while QT_SCALE_FACTOR is set in "
                              "the environment, its scale sizes Quotara's windows instead.")
                   .arg(percent);
    else if (change.session.phase() == Phase::Editing && percent != change.inForce)
        text += QStringLiteral(" To restart at it now, leave the Game Editor (Options > Game "
                               "Editor) and choose the zoom again.");
    game.messages.show(Messages::Kind::Information, text);
}

} // namespace

bool chooseZoom(const ZoomChange& change, int percent) {
    Session& session = change.session;
    Messages& messages = session.game().messages;
    const bool playing = session.phase() == Phase::Playing;
    // Not while editing (the editor's news items not yet saved would be lost), nor between
    // levels, where the verdict or the new-game window is what the player has to answer.
    const bool offered = percent != change.inForce && !change.setByEnvironment &&
                         (playing || session.phase() == Phase::NoGame);
    const QString question =
        playing ? QStringLiteral("Restart Quotara at %1 % now? Your game is kept and comes back "
                                 "just as it is.\n\nNo: %2")
                : QStringLiteral("Restart Quotara at %1 % now?\n\nNo: %2");
    if (!offered ||
        !messages.ask(Messages::Kind::Confirmation, question.arg(percent).arg(nextTime(percent)))) {
        keepForNextStart(change, percent);
        return false;
    }

    if (const QString failure = saveZoom(session.game().settings, percent); !failure.isEmpty()) {
        messages.show(Messages::Kind::Error,
                      failure + QStringLiteral("\n\nQuotara does not restart."));
        return false;
    }
    // The game is on disk, whole, before the next program can look for it.
    if (const QString failure = session.keepForRestart(); !failure.isEmpty()) {
        messages.show(Messages::Kind::Error,
                      failure +
                          QStringLiteral("\n\nThe game could not be autosaved, so Quotara "
                                         "does not restart and your game goes on. ") +
                          nextTime(percent));
        return false;
    }
    QStringList arguments{QString::fromLatin1(kRestartedFlag)};
    if (playing)
        arguments << QString::fromLatin1(kResumeFlag) << QString::fromLatin1(kPageFlag)
                  << change.page << QString::fromLatin1(kShareFlag)
                  << QString::number(change.share);
    if (const QString failure = change.launch(arguments); !failure.isEmpty()) {
        messages.show(Messages::Kind::Error,
                      QStringLiteral("Quotara could not be started again (%1), so it goes on "
                                     "as it is. ")
                              .arg(failure) +
                          nextTime(percent));
        return false;
    }
    session.endForRestart();
    return true;
}

} // namespace quotara

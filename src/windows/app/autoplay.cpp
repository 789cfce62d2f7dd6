#include "windows/app/autoplay.h"

#include "play/savegame.h"
#include "state/sharefile.h"
#include "trading/trade.h"
#include "windows/app/shell.h"
#include "windows/app/zoom.h"
#include "windows/components/ttipoftheday.h"

#include <QAction>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace quotara {
namespace {

std::uint64_t digest(std::uint64_t h, std::span<const std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h;
}
constexpr std::uint64_t kDigestStart = 14695981039346656037ull;

void say(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QString figures(int daycount, std::uint64_t h) {
    return QStringLiteral("%1 %2").arg(daycount).arg(h, 16, 16, QLatin1Char('0'));
}

// The game in memory as its files would hold it: .ply, then .sta.
QString gameFigures(Session& session) {
    const GameState& s = session.game().state;
    const std::vector<std::uint8_t> image = shareFileImage(s.shares);
    const std::vector<std::uint8_t> sta = encodeStateFile(s, savedLevel(session.newGame()), image);
    return figures(s.daycount, digest(digest(kDigestStart, image), sta));
}

// A set on disk: loadable, its two share files the same, and its digest.
QString setFigures(const SaveSet& set) {
    if (!saveSetExists(set)) return QStringLiteral("none");
    const SavedGameRead read = readSaveSet(set);
    if (read.outcome != SavedGameRead::Outcome::Ready || !read.hasState)
        return QStringLiteral("refused");
    const std::vector<std::uint8_t> image = shareFileImage(read.shares);
    if (read.sharesImage != image) return QStringLiteral("mixed");
    QFile sta(set.state);
    if (!sta.open(QIODevice::ReadOnly)) return QStringLiteral("refused");
    const QByteArray bytes = sta.readAll();
    return figures(read.state.saved->daycount,
                   digest(digest(kDigestStart, image),
                          std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    std::size_t(bytes.size()))));
}

} // namespace

int autoplayRequested() {
    if (!qEnvironmentVariableIsSet("QUOTARA_AUTOPLAY")) return -1;
    return std::max(0, qEnvironmentVariableIntValue("QUOTARA_AUTOPLAY"));
}

void AutoMessages::show(Kind, const QString& text) {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
}

bool AutoMessages::ask(Kind, const QString& text) {
    std::fprintf(stderr, "question: %s\n", qPrintable(text));
    return true;
}

void startAutoplay(Shell& shell, int days) {
    Session& session = shell.session();
    Tmain_screen& main = shell.main();
    main.TipOfTheDay1->ShowTipsAtStartup = false;
    say(QStringLiteral("goldbars %1").arg(session.game().state.goldbarcount));
    say(QStringLiteral("savedgame ") + setFigures(SaveSet::savedGame(session.game().folder)));
    say(QStringLiteral("autosave ") + setFigures(SaveSet::autosave(session.game().folder)));
    say(QStringLiteral("zoom %1").arg(zoomInForce()));
    // A restart has resumed the game already.
    if (session.phase() != Phase::Playing && session.hasAutosave()) main.ResumeGame1Click();
    if (session.phase() == Phase::Playing) {
        say(QStringLiteral("resumed ") + gameFigures(session));
    } else {
        // The name the new-game window rewards with 15 gold bars, so that the next run can
        // show them kept.
        const QString name = QStringLiteral("Petra Lund");
        session.choose([&session, &name](GameState& s) {
            freeplay(session.newGame(), s);
            cheat(session.newGame(), s, name);
        });
        session.start({name, {}, {}});
        say(QStringLiteral("new"));
    }

    auto* timer = new QTimer(&main);
    auto played = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, &main, [&session, &main, timer, played, days] {
        GameState& s = session.game().state;
        if (days > 0 && *played >= days) {
            timer->stop();
            session.trade(kBuyCaption, 0, QStringLiteral("1"));
            say(QStringLiteral("bought ") + gameFigures(session));
            // Left open after the trade, as a player may leave it, until told to end.
            if (qEnvironmentVariableIsSet("QUOTARA_AUTOPLAY_HOLD")) {
                say(QStringLiteral("holding"));
                return;
            }
            if (const int zoom = qEnvironmentVariableIntValue("QUOTARA_AUTOPLAY_ZOOM")) {
                // Once: the program it starts inherits the environment.
                qunsetenv("QUOTARA_AUTOPLAY_ZOOM");
                say(QStringLiteral("restart %1").arg(zoom));
                if (auto* item = main.findChild<QAction*>(QStringLiteral("Zoom%1").arg(zoom)))
                    item->trigger();
                return;
            }
            say(QStringLiteral("quit"));
            main.Exit1Click();
            return;
        }
        say(QStringLiteral("ending %1").arg(s.daycount + 1));
        main.endofday();
        session.finishAutosave();
        say(QStringLiteral("day ") + gameFigures(session));
        if (++*played % 3 == 0) {
            say(QStringLiteral("saving %1").arg(s.daycount));
            if (session.saveGame()) say(QStringLiteral("saved ") + gameFigures(session));
        }
    });
    timer->start(0);
}

} // namespace quotara

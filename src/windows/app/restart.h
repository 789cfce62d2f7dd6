#pragma once
// Options > Zoom during a run: the new zoom is kept and, when it asks for a new size now, the
// program offers to start again at it. A game being played is autosaved first and comes back
// at once in the new program, which waits for this one to let go of the data folder.

#include <QString>
#include <QStringList>

class QWidget;

#include <chrono>
#include <functional>

namespace quotara {

class Session;

// The arguments of a program started again by Options > Zoom.
inline constexpr char kRestartedFlag[] = "--restarted"; // no disclaimer, no tip: same sitting
inline constexpr char kResumeFlag[] = "--resume";       // the autosave resumed at once
// Where the player was, to come back to: the page in front and the share chosen.
inline constexpr char kPageFlag[] = "--page";   // followed by the page's name, "TabSheet2"
inline constexpr char kShareFlag[] = "--share"; // followed by the share, 0..19

// How long a restarted program waits for the one before it to end and free the data folder.
inline constexpr std::chrono::milliseconds kRestartWait{10'000};

struct StartMode {
    bool restarted = false;
    bool resume = false;
    QString page;   // empty: the page a load shows
    int share = -1; // -1: the share a load shows
};
StartMode startModeOf(int argc, char* argv[]);

// Starts this program again with arguments, detached, in the environment the player started
// it in. Empty when started; otherwise why not.
QString launchAgain(const QStringList& arguments);

// Calls then once the window manager has framed and placed window (at most a second after
// it is shown), so what is placed by the window's frame, such as the ticker, goes where it
// should.
void whenPlaced(QWidget& window, std::function<void()> then);

// What the choice of a zoom needs from the program.
struct ZoomChange {
    Session& session;
    int inForce = 100;             // the zoom the windows have now
    bool setByEnvironment = false; // the player's QT_SCALE_FACTOR sizes the windows
    QString page;                  // the page in front and the share chosen, for a game
    int share = -1;                // that comes back in the next program
    std::function<QString(const QStringList&)> launch = launchAgain;
};

// Options > Zoom chose percent: kept for the next start and, with a game being played or none
// begun, the question whether to restart at it now. True when the next program has been
// started: this one must end at once, without the quit question. Anything that fails on the
// way is told, and the program goes on as it was.
bool chooseZoom(const ZoomChange& change, int percent);

} // namespace quotara

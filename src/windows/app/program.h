#pragma once
// The program once its application exists and main has set up and locked the data folder: the
// game and its windows, start-up, and the event loop until the player leaves. main() gives it the
// real message boxes, clock and folder; the test of the ways out gives it fakes and runs it to its
// end.

#include "state/folderlock.h"
#include "state/messages.h"
#include "state/random.h"
#include "windows/app/restart.h"

#include <QApplication>

#include <functional>

namespace quotara {

class Settings;
class Shell;

// How the program was started, and how it starts the next one (Options > Zoom's restart).
struct ProgramStart {
    StartMode mode;
    std::function<QString(const QStringList&)> launch = launchAgain;
};

// The exit code of the event loop, or 0 after No to the start-up question. The lock is held. The
// game takes the settings over. running is called once the main window is shown, before the loop
// starts; on a restart with resume, from the loop, once the window is placed and the game resumed.
int runGame(QApplication& app, Settings& settings, Messages& messages, Clock& clock,
            const FolderLock& lock, const ProgramStart& start = {},
            const std::function<void(Shell&)>& running = {});

} // namespace quotara

#pragma once
// A hidden hook for the test that stops the program at random instants
// (tests/windows/app/killtest.py) and for anyone who wants to watch the autosave at work. With
// QUOTARA_AUTOPLAY=N in the environment the program answers its own message boxes Yes (printing
// them on standard error) and shows no tip; it reports the saved game and the autosave it finds,
// resumes the autosave (or starts a free-play game when there is none) and then ends days without
// pause, saving the game every third day, waiting for each autosave. Each step is a line on
// standard output:
//   goldbars N                      the gold bars kept from earlier runs
//   savedgame D H | autosave D H    what the folder held at the start ("none", "refused")
//   zoom P                          the zoom the windows have, per cent
//   resumed D H | new               how play began (a new game as "Petra Lund", whom the
//                                   new-game window gives 15 gold bars)
//   ending D                        End Day for day count D has begun
//   day D H                         it has ended and been autosaved
//   saving D, saved D H             File > Save Game begun and done
//   bought D H                      one share bought after the last day
//   quit                            File > Exit, answered Yes
//   restart P                       instead of quit with QUOTARA_AUTOPLAY_ZOOM=P: Options >
//                                   Zoom > P, answered Yes (the next program plays on)
// D is the day count, H the digest of the three files of the game as they are (or would be)
// written. After N days (0: never) it buys a share and quits through File > Exit. A game that
// a restart resumed is played on.

#include "state/messages.h"

namespace quotara {

class Shell;

// N from QUOTARA_AUTOPLAY, or -1 when it is not set.
int autoplayRequested();

// Prints what it would show and answers Yes.
class AutoMessages final : public Messages {
  public:
    void show(Kind kind, const QString& text) override;
    bool ask(Kind kind, const QString& text) override;
};

// Starts play from the event loop's first turn.
void startAutoplay(Shell& shell, int days);

} // namespace quotara

#pragma once
// The autosave written away from the windows' thread. End Day hands over a copy of the game
// and goes on at once; turning it into the files' bytes and writing them, with every sync the
// disk needs, follow in the background. A game handed over while an older one still waits
// replaces it: only the latest day counts. Without a background thread (tests, the
// simulator) each job runs at once.

#include "play/savefiles.h"
#include "play/savestate.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace quotara {

class Autosaver {
  public:
    Autosaver() = default;
    Autosaver(const Autosaver&) = delete;
    Autosaver& operator=(const Autosaver&) = delete;
    ~Autosaver(); // finishes the work in hand

    // From now on the jobs run on a thread of their own.
    void runInBackground();

    // Writes the set (savefiles.h) with the game as it is now, in the level and mode
    // `level`. Later changes to `game` are not part of it.
    void write(const SaveSet& set, const GameState& game, const SavedLevel& level);
    // Removes the set, after any write handed over before.
    void remove(const SaveSet& set);

    // Waits until everything handed over is done. Returns the first failure not yet
    // returned, if any.
    std::optional<SaveFailure> finish();
    // The same without waiting.
    std::optional<SaveFailure> takeFailure();
    // A job is waiting or running.
    bool busy() const;

  private:
    struct Job {
        SaveSet set;
        bool remove = false;
        std::unique_ptr<GameState> game; // when writing
        SavedLevel level;
    };
    void hand(Job job);
    void run(Job& job);
    void loop();

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> next_;
    bool running_ = false; // a job is being done
    bool stop_ = false;
    std::optional<SaveFailure> failure_;
    // A copy done with, kept for the next write: copying into it reuses its memory.
    std::unique_ptr<GameState> spare_;
    std::thread thread_;
};

} // namespace quotara

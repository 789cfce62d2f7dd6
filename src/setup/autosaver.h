#pragma once
// The autosave written away from the windows' thread. End Day hands over the game's bytes and
// goes on at once; the files, with every sync the disk needs, follow in the background. A
// game handed over while an older one still waits replaces it: only the latest day counts.
// Without a background thread (tests, the simulator) each job runs at once.

#include "setup/savefiles.h"

#include <condition_variable>
#include <cstdint>
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

    // Writes the set (savefiles.h) with both share files `image` and the state file `state`.
    void write(const SaveSet& set, std::vector<std::uint8_t> image,
               std::vector<std::uint8_t> state);
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
        std::vector<std::uint8_t> image, state;
    };
    void hand(Job job);
    void run(const Job& job);
    void loop();

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> next_;
    bool running_ = false; // a job is being done
    bool stop_ = false;
    std::optional<SaveFailure> failure_;
    std::thread thread_;
};

} // namespace quotara

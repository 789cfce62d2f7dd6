#include "play/autosaver.h"

#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

namespace quotara {

namespace {

// The writer gives way to the windows' thread: on a busy machine the autosave waits, not the
// player. It still runs when the windows' thread is idle or waits for it (finish()).
void giveWay() {
    ::pthread_setname_np(::pthread_self(), "autosave"); // so top and perf tell it apart
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
}

} // namespace

Autosaver::~Autosaver() {
    if (!thread_.joinable()) return;
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void Autosaver::runInBackground() {
    if (!thread_.joinable())
        thread_ = std::thread([this] {
            giveWay();
            loop();
        });
}

void Autosaver::write(const SaveSet& set, const GameState& game, const SavedLevel& level) {
    std::unique_ptr<GameState> copy;
    {
        const std::lock_guard lock(mutex_);
        copy = std::move(spare_);
        // A job still waiting is replaced by this one: its copy of the game is filled anew
        // rather than a new one made while the writer holds the other.
        if (!copy && next_ && next_->game) {
            copy = std::move(next_->game);
            next_.reset();
        }
    }
    if (copy)
        *copy = game;
    else
        copy = std::make_unique<GameState>(game);
    hand({set, false, std::move(copy), level});
}

void Autosaver::remove(const SaveSet& set) {
    hand({set, true, {}, {}});
}

void Autosaver::hand(Job job) {
    if (!thread_.joinable()) {
        run(job);
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        if (next_ && next_->game && !spare_) spare_ = std::move(next_->game);
        next_ = std::move(job);
    }
    changed_.notify_all();
}

void Autosaver::run(Job& job) {
    std::optional<SaveFailure> failure;
    if (job.remove) {
        failure = removeSaveSet(job.set);
    } else {
        failure = writeGameSet(job.set, *job.game, job.level);
    }
    const std::lock_guard lock(mutex_);
    if (failure && !failure_) failure_ = std::move(failure);
    if (job.game && !spare_) spare_ = std::move(job.game);
}

void Autosaver::loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stop_ || next_; });
        if (!next_) return; // stopped with nothing left to do
        Job job = std::move(*next_);
        next_.reset();
        running_ = true;
        lock.unlock();
        run(job);
        lock.lock();
        running_ = false;
        changed_.notify_all();
    }
}

std::optional<SaveFailure> Autosaver::finish() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !next_ && !running_; });
    return std::exchange(failure_, std::nullopt);
}

std::optional<SaveFailure> Autosaver::takeFailure() {
    const std::lock_guard lock(mutex_);
    return std::exchange(failure_, std::nullopt);
}

bool Autosaver::busy() const {
    const std::lock_guard lock(mutex_);
    return next_ || running_;
}

} // namespace quotara

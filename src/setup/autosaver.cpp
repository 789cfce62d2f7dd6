#include "setup/autosaver.h"

namespace quotara {

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
    if (!thread_.joinable()) thread_ = std::thread([this] { loop(); });
}

void Autosaver::write(const SaveSet& set, std::vector<std::uint8_t> image,
                      std::vector<std::uint8_t> state) {
    hand({set, false, std::move(image), std::move(state)});
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
        next_ = std::move(job);
    }
    changed_.notify_all();
}

void Autosaver::run(const Job& job) {
    std::optional<SaveFailure> failure;
    if (job.remove) {
        failure = removeSaveSet(job.set);
    } else {
        failure = writeSaveSet(job.set, job.image, job.state);
    }
    const std::lock_guard lock(mutex_);
    if (failure && !failure_) failure_ = std::move(failure);
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

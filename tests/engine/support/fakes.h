#pragma once
// Test doubles for the engine's interfaces: a clock that returns scripted times and message
// boxes that record their texts and answer from a script.

#include "state/messages.h"
#include "state/random.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

namespace quotara::test {

// A replica of the generator from a seed, to say what the engine's draws must be.
inline Random seeded(std::uint32_t seed) {
    Random r;
    r.setSeed(seed);
    return r;
}

// The engine's stepping clock, counting its reads.
class FakeClock final : public Clock {
  public:
    explicit FakeClock(std::uint32_t start = 0, std::uint32_t step = 0) : clock_(start, step) {}
    std::uint32_t msOfDay() override {
        ++reads;
        return clock_.msOfDay();
    }
    QDate today() override { return date; }
    int reads = 0;
    QDate date{2025, 3, 14};

  private:
    SteppingClock clock_;
};

class RecordingMessages final : public Messages {
  public:
    struct Entry {
        Kind kind;
        QString text;
        bool asked;
    };
    void show(Kind kind, const QString& text) override { log.push_back({kind, text, false}); }
    bool ask(Kind kind, const QString& text) override {
        log.push_back({kind, text, true});
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    QStringList texts() const {
        QStringList out;
        for (const auto& e : log)
            out << e.text;
        return out;
    }
    std::vector<Entry> log;
    std::deque<bool> answers; // Yes when empty
};

} // namespace quotara::test

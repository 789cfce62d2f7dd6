// Runs every fuzz target over its seeds and the inputs that once found a fault, in the normal
// build and without libFuzzer, so those faults stay fixed.

#include "fuzz.h"
#include "targets.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

#include <ostream>

using namespace quotara::fuzz;

namespace {

QStringList inputsOf(const char* target) {
    QStringList files;
    for (const char* kind : {"corpus", "regressions"}) {
        QDirIterator it(QStringLiteral(QUOTARA_FUZZ_DATA "/%1/%2").arg(kind, target), QDir::Files);
        while (it.hasNext())
            files << it.next();
    }
    files.sort();
    return files;
}

class Replay : public ::testing::TestWithParam<Target> {};

} // namespace

namespace quotara::fuzz {
// Names the target in test listings rather than its bytes.
void PrintTo(const Target& target, std::ostream* os) {
    *os << target.name;
}
} // namespace quotara::fuzz

TEST_P(Replay, seedsAndFoundFaultsPassTheChecks) {
    const QStringList files = inputsOf(GetParam().name);
    EXPECT_FALSE(files.isEmpty()) << "no seeds for " << GetParam().name;
    for (const QString& file : files) {
        // A failed check aborts; this names the input it failed on.
        setInputName(file);
        const std::vector<std::uint8_t> bytes = fileBytes(file);
        GetParam().run(bytes);
    }
    setInputName({});
}

INSTANTIATE_TEST_SUITE_P(Targets, Replay, ::testing::ValuesIn(targets().begin(), targets().end()),
                         [](const auto& info) { return std::string(info.param.name); });

// The saved-game target seals fuzzed state files as a save would; sealing a real one must
// therefore change nothing, or the fuzzer would never get past the digests.
TEST(SealStateFile, leavesASavedStateFileAsItWas) {
    const QString file = QStringLiteral(QUOTARA_FUZZ_DATA "/corpus/savegame/played40days.bin");
    const std::vector<std::uint8_t> save = fileBytes(file);
    constexpr std::size_t kVersion1Size = 385;
    ASSERT_GT(save.size(), 1 + kVersion1Size);
    const std::span<const std::uint8_t> all(save);
    std::vector<std::uint8_t> sta(all.begin() + 1, all.begin() + 1 + kVersion1Size);
    const std::vector<std::uint8_t> saved = sta;
    sealStateFile(sta, all.subspan(1 + kVersion1Size));
    EXPECT_EQ(sta, saved);
}

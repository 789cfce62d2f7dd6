// The game's files read from a folder anyone can write to: the news file, the share data file
// and the saved games. A load either takes the file as the game defines it or changes nothing.

#include "fuzz.h"
#include "targets.h"

#include "editor/newsfile.h"
#include "editor/sharedata.h"
#include "market/calendar.h"
#include "play/endofday.h"
#include "play/levels.h"
#include "play/savegame.h"
#include "play/session.h"
#include "play/startup.h"
#include "state/bytes.h"
#include "state/sharefile.h"
#include "support/fakes.h"
#include "support/sessionviews.h"

#include <QFile>

#include <algorithm>
#include <limits>
#include <map>
#include <memory>

namespace quotara::fuzz {
namespace {

// A game as the player may have it when loading: a free-play game with every item named.
// Made once; each run copies it rather than building a new one.
const GameState& freshState() {
    static const std::unique_ptr<GameState> fresh = [] {
        auto s = std::make_unique<GameState>();
        startFreePlay(*s);
        for (int n = 1; n <= kNewsCount; ++n)
            s->newsitems[n].text.assign(QStringLiteral("Item %1").arg(n));
        return s;
    }();
    return *fresh;
}

// What a fresh program's game is, as bytes; every run starts from it.
const std::vector<std::uint8_t>& freshSnapshot() {
    static const std::vector<std::uint8_t> bytes = snapshot(freshState());
    return bytes;
}

// Two programs for all runs (a save is loaded again in the second), each fresh per run.
struct Program {
    test::FakeClock clock;
    test::RecordingMessages messages;
    Game game{clock, messages, DataFolder(scratchFolder())};
    GameState& s = game.state;
    QStringList steps;
    test::RecordingSessionViews views{steps, s};
    Session session{game, views};
    static Program& fresh(int which) {
        static Program programs[2];
        Program& p = programs[which];
        p.s = freshState();
        p.messages.log.clear();
        p.steps.clear();
        p.session.newGame() = NewGame{};
        p.game.random.setSeed(0);
        return p;
    }
};

std::vector<std::uint8_t> newsBytes(const GameState& s) {
    return encodeNewsTable(s.newsitems);
}

void putLE64(std::uint8_t* p, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// What play can give a game, written out apart from the load's own table so that the two
// check each other: dates that exist, a year whose new year still fits, the figures End Day
// does arithmetic with where the next days cannot overflow them, and names in pairs.
bool playable(const GameState& s) {
    constexpr int kDays[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const auto exists = [&](int day, int month) {
        return month >= 1 && month <= 12 && day >= 1 && day <= kDays[month];
    };
    return exists(s.day, s.month) && s.year >= 1999 && s.year < 65535 && s.daycount <= 365 &&
           (s.endday == 0 ? s.endmonth == 0 : exists(s.endday, s.endmonth)) && s.money >= 0 &&
           s.unemployed >= 0 && s.unemployed <= 2'000'000'000 && s.dowchange >= -200 &&
           s.dowchange <= 249 && s.hangchange >= -400 && s.hangchange <= 499 && s.ftse >= 0 &&
           s.dow >= 0 && s.hangseng >= 0 && s.interest >= 0 && s.interest <= 100 &&
           s.inflation >= 0 && s.inflation <= 100 && s.headline4days <= 3 &&
           s.p1name.empty() == s.p2name.empty() && s.twoplayer <= 1 && s.player <= 2 &&
           std::all_of(s.record.trades.begin(), s.record.trades.end(),
                       [](const TradeEntry& t) { return t.player <= 2; }) &&
           s.goldbarcount <= 15 && s.levelswon < 1 << 15;
}

// The bytes of the state file at the head of the input: as many as its size field says when
// the input holds them, otherwise those of a version-1 file.
std::size_t stateFileLength(Bytes input) {
    constexpr std::size_t kVersion1Size = 385;
    std::size_t length = kVersion1Size;
    if (input.size() >= 10) {
        const std::size_t declared =
            input[6] | input[7] << 8 | input[8] << 16 | static_cast<std::size_t>(input[9]) << 24;
        if (declared >= 26 && declared <= input.size()) length = declared;
    }
    return std::min(length, input.size());
}

} // namespace

// Gives a state file the digests a save would have written, so that the fuzzer gets past them
// to the fields. The digest of the share image is the first field, at byte 10; the checksum of
// all before it ends the file.
void sealStateFile(std::vector<std::uint8_t>& sta, Bytes shareImage) {
    if (sta.size() < 26) return;
    putLE64(sta.data() + 10, fnv1a(shareImage.first(std::min(shareImage.size(), kShareFileSize))));
    putLE64(sta.data() + sta.size() - 8, fnv1a(Bytes(sta).first(sta.size() - 8)));
}

void newsFile(Bytes input) {
    Program& p = Program::fresh(0);
    const QString path = p.game.folder.newsFile();
    putFile(path, input);
    const std::size_t whole = std::min(input.size(), kNewsFileSize) / Tnewsitem::kSize;
    const auto before = newsBytes(p.s);

    // Start-up's load: the items read before an error stay.
    const FileError error = loadNewsFile(p.s, path);
    const auto after = newsBytes(p.s);
    if (input.empty()) {
        FUZZ_CHECK(!error.isError() && after == before);
    } else if (input.size() < kNewsFileSize) {
        FUZZ_CHECK(error == FileError::readBeyondEnd());
    } else {
        FUZZ_CHECK(!error.isError());
    }
    const std::size_t replaced = input.empty() ? 0 : whole * Tnewsitem::kSize;
    FUZZ_CHECK(std::equal(after.begin(), after.begin() + replaced, input.begin()));
    FUZZ_CHECK(std::equal(after.begin() + replaced, after.end(), before.begin() + replaced));

    // Saving right after loading gives the file's items back byte for byte.
    const QString copy = scratchFolder() + QStringLiteral("/copy.dat");
    FUZZ_CHECK(!saveNewsFile(p.s, copy).isError());
    FUZZ_CHECK(fileBytes(copy) == after);

    // The editor's load: all or nothing.
    Program& q = Program::fresh(1);
    const auto old = newsBytes(q.s);
    const FileError whole2 = loadWholeNewsFile(q.s, path);
    FUZZ_CHECK(whole2 == error);
    FUZZ_CHECK(newsBytes(q.s) == (error.isError() || input.empty() ? old : after));
}

void shareFile(Bytes input) {
    Program& p = Program::fresh(0);
    putFile(p.game.folder.sharesFile(), input);
    const auto& before = freshSnapshot();
    const bool loaded = loadgamedata(p.game);
    if (input.size() < kShareFileSize) {
        // Empty: nothing to load; short: an error; either way nothing changed.
        FUZZ_CHECK(!loaded && snapshot(p.s) == before);
        FUZZ_CHECK(p.messages.log.size() == (input.empty() ? 0u : 1u));
        return;
    }
    FUZZ_CHECK(loaded && p.messages.log.empty());
    // The records are the file's, an overlong name cut to 40 characters; money and the rest stay.
    const auto image = shareFileImage(p.s.shares);
    for (std::size_t i = 0; i < kShareFileSize; ++i)
        FUZZ_CHECK(image[i] ==
                   (i % Tshare::kSize == 0 ? std::min<std::uint8_t>(input[i], 40) : input[i]));
    const auto after = snapshot(p.s);
    FUZZ_CHECK(
        std::equal(after.begin() + kShareFileSize, after.end(), before.begin() + kShareFileSize));
    // Saving it again writes what was loaded.
    savegamedata(p.game);
    FUZZ_CHECK(p.messages.log.empty() && fileBytes(p.game.folder.sharesFile()) == image);

    // The loaded shares can be played.
    NoDayViews views;
    endofday(p.game, views);
}

// Writes the file unless it already holds these bytes from an earlier run; the share files
// stay the same for most runs and are the bulk of the bytes.
void putFileOnce(const QString& path, Bytes bytes, bool forget = false) {
    static std::map<QString, std::vector<std::uint8_t>> written;
    if (forget) {
        written.clear();
        return;
    }
    auto& last = written[path];
    if (std::equal(last.begin(), last.end(), bytes.begin(), bytes.end())) return;
    putFile(path, bytes);
    last.assign(bytes.begin(), bytes.end());
}

// Input: a flag byte, savegame.sta's bytes (as many as its size field says, or 385), then with
// flag 2 the bytes of savegame.ply and savegame.shr (otherwise a game's own shares). Flag 1
// seals the state file for the share image; flag 4 leaves out the state file.
void savedGame(Bytes input) {
    const Bytes flags = take(input, 1);
    if (flags.empty()) return;
    Program& p = Program::fresh(0);
    const DataFolder& folder = p.game.folder;
    static const std::vector<std::uint8_t> own = shareFileImage(freshState().shares);
    std::vector<std::uint8_t> sta(input.begin(), input.begin() + stateFileLength(input));
    input = input.subspan(sta.size());
    const Bytes ply = flags[0] & 2 ? input : Bytes(own);
    if (flags[0] & 1) sealStateFile(sta, ply);
    putFileOnce(folder.savedPlayersFile(), ply);
    putFileOnce(folder.savedSharesFile(), ply);
    if (flags[0] & 4)
        QFile::remove(folder.savedStateFile());
    else
        putFile(folder.savedStateFile(), sta);

    const auto& before = freshSnapshot();
    if (!p.session.loadGame()) {
        FUZZ_CHECK(snapshot(p.s) == before);
        FUZZ_CHECK(p.session.newGame().appliedLevel == NewGame{}.appliedLevel);
        FUZZ_CHECK(p.messages.log.size() == 1 && p.steps.isEmpty());
        return;
    }
    FUZZ_CHECK(playable(p.s));
    FUZZ_CHECK(p.messages.texts().back() == QStringLiteral("Game loaded successfully."));

    // Saved again and loaded in a fresh program, the game comes back as it was.
    FUZZ_CHECK(savegame(p.game, p.session.newGame()));
    putFileOnce({}, {}, true);
    Program& q = Program::fresh(1);
    FUZZ_CHECK(q.session.loadGame());
    FUZZ_CHECK(snapshot(q.s) == snapshot(p.s));
    FUZZ_CHECK(q.session.newGame().appliedLevel == p.session.newGame().appliedLevel);

    // And it can be played on. The slot-4 count only goes down, but to 3 when the day posts
    // the unemployment headline; a two-player hand-over stops End Day before it.
    const std::int64_t days4 = p.s.headline4days;
    NoDayViews days;
    const bool handedOver = endofday(p.game, days) == DayResult::HandedOver;
    const std::int64_t after4 = p.s.headline4days;
    FUZZ_CHECK(handedOver ? after4 == days4
                          : after4 == 3 || after4 == std::max<std::int64_t>(days4 - 1, INT32_MIN));

    // The monthly unemployment step and a new year, which a loaded figure must not overflow
    // (the sanitizers of the fuzz build stop on it).
    unemployment(p.game);
    p.s.day = 32, p.s.month = 12;
    dayeval(p.s);
    FUZZ_CHECK(p.s.year != 0 && p.s.month == 1);
}

} // namespace quotara::fuzz

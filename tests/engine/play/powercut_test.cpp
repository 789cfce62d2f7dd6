// A power cut in the middle of a save or an autosave. A kill leaves the system's cache to
// finish the writes; a power cut does not. The system calls the game makes are recorded as it
// saves (this program wraps them at link time), and every state of the data folder that POSIX
// lets a power cut leave is built from them: a write not yet synced lost or cut short, a
// create, rename or unlink not followed by a sync of its folder lost, any of them, nothing
// synced lost. Each must load the old game or the new one at the next start.

#include "play/savefiles.h"
#include "play/savegame.h"
#include "play/session.h"
#include "shipped/news.h"
#include "state/folderlock.h"
#include "state/install.h"
#include "support/fakes.h"
#include "support/files.h"
#include "support/sessionviews.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quotara;

namespace {

struct Op {
    enum class Kind { Create, Write, Sync, FolderSync, Rename, Unlink } kind;
    std::string name; // in the folder; the old name of a rename
    std::string to;   // the new name of a rename
    int file = -1;    // the file's number in the recording
    off_t offset = 0;
    std::string bytes;
};

// Records the calls on the files of one folder while it is on.
struct Recorder {
    std::mutex mutex;
    bool on = false;
    std::string folder;
    std::vector<Op> ops;
    std::map<std::pair<dev_t, ino_t>, int> files; // what is on disk -> its number
    std::map<int, std::string> before;            // content of the files there at the start
    std::map<int, int> open;                      // descriptor -> file number, -2 the folder

    // The name in the folder, or empty for a path elsewhere.
    std::string nameOf(const char* path) const {
        const std::string p(path);
        if (p.size() <= folder.size() + 1 || p.compare(0, folder.size(), folder) != 0 ||
            p[folder.size()] != '/' || p.find('/', folder.size() + 1) != std::string::npos)
            return {};
        return p.substr(folder.size() + 1);
    }
    int next = 0;
    // A file created anew gets a number of its own even where the system reuses the inode
    // number of one removed.
    int number(const struct stat& st, bool created = false) {
        const auto key = std::pair(st.st_dev, st.st_ino);
        if (created || !files.count(key)) files[key] = next++;
        return files[key];
    }
    int numberAt(const char* path) {
        struct stat st {};
        return ::lstat(path, &st) == 0 ? number(st) : -1;
    }
};

Recorder recorder;

} // namespace

// The game's own calls, as the linker hands them here (--wrap).
extern "C" {
int __real_open(const char* path, int flags, ...);
int __real_open64(const char* path, int flags, ...);
ssize_t __real_write(int fd, const void* buf, size_t n);
int __real_fsync(int fd);
int __real_fdatasync(int fd);
int __real_close(int fd);
int __real_rename(const char* from, const char* to);
int __real_unlink(const char* path);

static int recordedOpen(int (*real)(const char*, int, ...), const char* path, int flags,
                        mode_t mode) {
    const std::lock_guard lock(recorder.mutex);
    if (!recorder.on) return real(path, flags, mode);
    const std::string name = recorder.nameOf(path);
    const bool isFolder = path == recorder.folder;
    struct stat st {};
    const bool existed = ::lstat(path, &st) == 0;
    const int fd = real(path, flags, mode);
    if (fd < 0 || (name.empty() && !isFolder)) return fd;
    if (isFolder) {
        recorder.open[fd] = -2;
        return fd;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return fd;
    const int file = recorder.number(st, !existed);
    recorder.open[fd] = file;
    if (!existed) recorder.ops.push_back({Op::Kind::Create, name, {}, file, 0, {}});
    return fd;
}

int __wrap_open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & O_CREAT) ? va_arg(args, mode_t) : 0;
    va_end(args);
    return recordedOpen(__real_open, path, flags, mode);
}

int __wrap_open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & O_CREAT) ? va_arg(args, mode_t) : 0;
    va_end(args);
    return recordedOpen(__real_open64, path, flags, mode);
}

ssize_t __wrap_write(int fd, const void* buf, size_t n) {
    const std::lock_guard lock(recorder.mutex);
    const auto at = recorder.on ? recorder.open.find(fd) : recorder.open.end();
    if (at == recorder.open.end() || at->second < 0) return __real_write(fd, buf, n);
    const off_t offset = ::lseek(fd, 0, SEEK_CUR);
    const ssize_t r = __real_write(fd, buf, n);
    if (r > 0)
        recorder.ops.push_back({Op::Kind::Write,
                                {},
                                {},
                                at->second,
                                offset,
                                std::string(static_cast<const char*>(buf), size_t(r))});
    return r;
}

static int recordedSync(int (*real)(int), int fd) {
    const std::lock_guard lock(recorder.mutex);
    const int r = real(fd);
    const auto at = recorder.on ? recorder.open.find(fd) : recorder.open.end();
    if (r == 0 && at != recorder.open.end())
        recorder.ops.push_back(
            {at->second == -2 ? Op::Kind::FolderSync : Op::Kind::Sync, {}, {}, at->second, 0, {}});
    return r;
}

int __wrap_fsync(int fd) {
    return recordedSync(__real_fsync, fd);
}

int __wrap_fdatasync(int fd) {
    return recordedSync(__real_fdatasync, fd);
}

int __wrap_close(int fd) {
    const std::lock_guard lock(recorder.mutex);
    recorder.open.erase(fd);
    return __real_close(fd);
}

int __wrap_rename(const char* from, const char* to) {
    const std::lock_guard lock(recorder.mutex);
    const std::string a = recorder.on ? recorder.nameOf(from) : std::string();
    const std::string b = recorder.on ? recorder.nameOf(to) : std::string();
    const int file = a.empty() ? -1 : recorder.numberAt(from);
    const int r = __real_rename(from, to);
    if (r == 0 && !a.empty() && !b.empty())
        recorder.ops.push_back({Op::Kind::Rename, a, b, file, 0, {}});
    return r;
}

int __wrap_unlink(const char* path) {
    const std::lock_guard lock(recorder.mutex);
    const std::string name = recorder.on ? recorder.nameOf(path) : std::string();
    const int file = name.empty() ? -1 : recorder.numberAt(path);
    const int r = __real_unlink(path);
    if (r == 0 && !name.empty()) recorder.ops.push_back({Op::Kind::Unlink, name, {}, file, 0, {}});
    return r;
}
} // extern "C"

namespace {

using Names = std::map<std::string, int>;          // name -> file number
using Folder = std::map<std::string, std::string>; // name -> content

// Where a write not yet synced may be cut: nothing, every 512-byte step (a sector), one byte
// either side of the ends, and all of it.
std::vector<size_t> cutsOf(size_t n) {
    std::set<size_t> cuts{0, n};
    if (n > 0) cuts.insert({1, n - 1});
    for (size_t at = 512; at < n; at += 512)
        cuts.insert(at);
    return {cuts.begin(), cuts.end()};
}

void put(std::string& content, off_t offset, const std::string& bytes) {
    const auto at = size_t(offset);
    if (content.size() < at + bytes.size()) content.resize(at + bytes.size(), '\0');
    content.replace(at, bytes.size(), bytes);
}

// Every folder a power cut may leave after the recorded calls before `end`.
struct CrashStates {
    Names synced;                                  // the folder's names as last synced
    std::vector<const Op*> unsyncedNames;          // creates, renames, unlinks since then
    std::map<int, std::string> durable;            // each file's synced content
    std::map<int, std::vector<const Op*>> pending; // each file's writes since its last sync
    std::function<void(const Folder&)> check;      // called once for each different state
    size_t count = 0;                              // states built, counting repeats
    std::unordered_set<std::string> seen;          // the states' digests

    CrashStates(const Names& names, const std::map<int, std::string>& content,
                std::function<void(const Folder&)> each)
        : synced(names), durable(content), check(std::move(each)) {}

    void apply(const Op& op) {
        switch (op.kind) {
        case Op::Kind::Create:
        case Op::Kind::Rename:
        case Op::Kind::Unlink:
            unsyncedNames.push_back(&op);
            break;
        case Op::Kind::FolderSync:
            for (const Op* named : unsyncedNames)
                rename(synced, *named);
            unsyncedNames.clear();
            break;
        case Op::Kind::Write:
            pending[op.file].push_back(&op);
            break;
        case Op::Kind::Sync:
            for (const Op* w : pending[op.file])
                put(durable[op.file], w->offset, w->bytes);
            pending.erase(op.file);
            break;
        }
    }

    static void rename(Names& names, const Op& op) {
        if (op.kind == Op::Kind::Create) {
            names[op.name] = op.file;
        } else if (op.kind == Op::Kind::Unlink) {
            if (names.count(op.name) && names[op.name] == op.file) names.erase(op.name);
        } else {
            if (names.count(op.name) && names[op.name] == op.file) names.erase(op.name);
            names[op.to] = op.file;
        }
    }

    // The states of this instant: each subset of the unsynced names, each file's unsynced
    // writes each lost or cut.
    void collect() {
        const size_t n = unsyncedNames.size();
        ASSERT_LE(n, 12u) << "too many names left unsynced to try every subset";
        for (size_t mask = 0; mask < (size_t(1) << n); ++mask) {
            Names names = synced;
            for (size_t i = 0; i < n; ++i)
                if (mask & (size_t(1) << i)) rename(names, *unsyncedNames[i]);
            std::vector<std::pair<std::string, std::vector<std::string>>> choices;
            for (const auto& [name, file] : names)
                choices.emplace_back(name, contentsOf(file));
            addEach(choices, 0, {});
        }
    }

    std::vector<std::string> contentsOf(int file) {
        std::vector<std::string> contents{durable[file]};
        for (const Op* w : pending[file]) {
            std::vector<std::string> next;
            for (const std::string& c : contents)
                for (const size_t cut : cutsOf(w->bytes.size())) {
                    std::string with = c;
                    if (cut > 0) put(with, w->offset, w->bytes.substr(0, cut));
                    next.push_back(std::move(with));
                }
            contents = std::move(next);
        }
        return contents;
    }

    void addEach(const std::vector<std::pair<std::string, std::vector<std::string>>>& choices,
                 size_t i, Folder folder) {
        if (i == choices.size()) {
            ++count;
            QCryptographicHash digest(QCryptographicHash::Sha256);
            for (const auto& [name, content] : folder) {
                digest.addData(QByteArray::fromStdString(name + '\0'));
                digest.addData(QByteArray::number(qsizetype(content.size())) + '\0');
                digest.addData(QByteArray::fromStdString(content));
            }
            if (seen.insert(digest.result().toStdString()).second) check(folder);
            return;
        }
        for (const std::string& content : choices[i].second) {
            Folder with = folder;
            with[choices[i].first] = content;
            addEach(choices, i + 1, std::move(with));
        }
    }
};

struct CutProgram : test::SessionOnFolder {
    explicit CutProgram(const QString& folder) : SessionOnFolder(folder) {
        EXPECT_TRUE(session.startUp());
        session.autosaveInBackground();
    }
    // A data folder installed in dir.
    static QString install(const QTemporaryDir& dir) {
        const QString path = dir.filePath("quotara");
        installDataFolder(DataFolder(path), shippedNewsFile());
        return path;
    }
    void startFreePlay() {
        session.choose([this](GameState& s) { freeplay(session.newGame(), s); });
        ASSERT_EQ(session.start({"Petra", {}, {}}), StartOutcome::Started);
    }
    void play(int days) {
        for (int d = 0; d < days; ++d)
            session.endDay(none);
        EXPECT_TRUE(session.finishAutosave());
    }

    NoDayViews none;
};

Folder read(const QString& path) {
    Folder folder;
    for (const QString& name : QDir(path).entryList(QDir::Files | QDir::Hidden))
        folder[name.toStdString()] = test::contentOf(path + '/' + name).toStdString();
    return folder;
}

// The set's three files: what a load reads.
std::string setOf(const Folder& folder, const char* stem) {
    std::string set;
    for (const char* ext : {".shr", ".ply", ".sta"}) {
        const auto at = folder.find(stem + std::string(ext));
        set += at == folder.end() ? "<none>" : at->second;
        set += '\0';
    }
    return set;
}

struct Cuts {
    int different = 0, whole = 0;
};

// Records the calls act makes on the saved game's and the autosave's files in the folder at
// path, then builds every state a power cut during them may leave there and hands each to
// whole, in a folder of its own, after the start's clean-up.
Cuts everyCutOf(const QString& path, const std::function<void()>& act,
                const std::function<bool(const DataFolder&)>& whole) {
    Names names;
    {
        const std::lock_guard lock(recorder.mutex);
        recorder.ops.clear();
        recorder.files.clear();
        recorder.before.clear();
        recorder.open.clear();
        recorder.folder = QFile::encodeName(path).toStdString();
        for (const auto& [name, content] : read(path)) {
            if (name.rfind("savegame.", 0) != 0 && name.rfind("autosave.", 0) != 0) continue;
            const int file = recorder.numberAt((recorder.folder + '/' + name).c_str());
            names[name] = file;
            recorder.before[file] = content;
        }
        recorder.on = true;
    }
    act();
    {
        const std::lock_guard lock(recorder.mutex);
        recorder.on = false;
    }
    EXPECT_GT(recorder.ops.size(), 2u) << "the calls were recorded";

    Cuts cuts;
    size_t atCall = 0;
    const QString at = path + "-cut";
    const auto check = [&](const Folder& folder) {
        ++cuts.different;
        QDir(at).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(at));
        for (const auto& [name, content] : folder) {
            QFile f(at + '/' + QString::fromStdString(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(content.data(), qint64(content.size()));
        }
        const DataFolder data(at);
        tidyDataFolder(FolderLock(data));
        const bool ok = whole(data);
        EXPECT_TRUE(ok) << "state " << cuts.different << ", after call " << atCall;
        cuts.whole += ok;
    };
    CrashStates states(names, recorder.before, check);
    for (const Op& op : recorder.ops) {
        states.collect();
        states.apply(op);
        ++atCall;
    }
    states.collect();
    std::printf("%zu calls recorded; %zu crash states built, %d different, %d whole\n",
                recorder.ops.size(), states.count, cuts.different, cuts.whole);
    return cuts;
}

bool isReady(const SaveSet& set) {
    return readSaveSet(set).outcome == SavedGameRead::Outcome::Ready;
}

TEST(PowerCut, everyStateASaveOrAnAutosaveMayLeaveLoadsTheOldGameOrTheNew) {
    QTemporaryDir dir;
    const QString path = CutProgram::install(dir);
    CutProgram run(path);
    run.startFreePlay();
    run.play(2);
    ASSERT_TRUE(run.session.saveGame());
    run.play(1);
    const Folder old = read(path);
    Folder now;

    // Only the saved game's and the autosave's files take part; the rest of the folder is
    // read by neither load.
    const Cuts cuts = everyCutOf(
        path,
        [&] {
            ASSERT_TRUE(run.session.saveGame());
            run.play(1);
            now = read(path);
        },
        [&](const DataFolder& data) {
            const Folder after = read(data.path());
            return std::ranges::all_of(std::array{"savegame", "autosave"}, [&](const char* stem) {
                const std::string set = setOf(after, stem);
                return (set == setOf(old, stem) || set == setOf(now, stem)) &&
                       isReady(std::string(stem) == "savegame" ? SaveSet::savedGame(data)
                                                               : SaveSet::autosave(data));
            });
        });
    ASSERT_NE(setOf(old, "savegame"), setOf(now, "savegame"));
    ASSERT_NE(setOf(old, "autosave"), setOf(now, "autosave"));
    EXPECT_GT(cuts.different, 20);
    EXPECT_EQ(cuts.whole, cuts.different);
}

// A level's end removes the autosave: a cut in the middle once left half of it, which the next
// start offered to resume and then refused as damaged.
TEST(PowerCut, aRemovedAutosaveIsWholeOrGoneAfterACut) {
    QTemporaryDir dir;
    const QString path = CutProgram::install(dir);
    {
        CutProgram run(path);
        run.startFreePlay();
        run.play(2);
    }
    const std::string old = setOf(read(path), "autosave");
    const Cuts cuts = everyCutOf(
        path, [&] { EXPECT_FALSE(removeSaveSet(SaveSet::autosave(DataFolder(path)))); },
        [&](const DataFolder& data) {
            const SaveSet set = SaveSet::autosave(data);
            const Folder after = read(data.path());
            if (saveSetExists(set)) return setOf(after, "autosave") == old && isReady(set);
            return std::ranges::none_of(after, [](const auto& file) {
                return file.first.find("autosave.") != std::string::npos;
            });
        });
    EXPECT_FALSE(saveSetExists(SaveSet::autosave(DataFolder(path))));
    EXPECT_GT(cuts.different, 2);
    EXPECT_EQ(cuts.whole, cuts.different);
}

} // namespace

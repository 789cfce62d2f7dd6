#pragma once
// The game's files are flat sequences of fixed-size records. Every read and write of them goes
// through here, so the error texts the player sees come from one place; every file is written
// whole through writeFileAtomically(), so none is ever left half written.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace quotara {

// The outcome of a file operation: none, or one of the standard file errors.
class FileError {
  public:
    enum class Kind {
        None,
        NotFound,      // "File not found"
        AccessDenied,  // "File access denied"
        ReadBeyondEnd, // "Read beyond end of file"
        DiskFull,      // "Disk full"
        Other,         // "I/O error %d" with the system's error number
    };

    FileError() = default;
    // The standard error for a system error number (errno).
    static FileError fromErrno(int number);
    static FileError readBeyondEnd() { return FileError(Kind::ReadBeyondEnd, 0); }

    bool isError() const { return kind_ != Kind::None; }
    Kind kind() const { return kind_; }
    int number() const { return number_; } // the system's error number, 0 when none applies
    // The text of the standard error box; empty when there is no error.
    QString text() const;
    // The system's own words for the error number ("No space left on device"); empty when
    // there is none.
    QString reason() const;
    // The standard text with the file's name and the system's reason:
    // "Disk full (savegame.ply: No space left on device)".
    QString textFor(const QString& fileName) const;

    friend bool operator==(const FileError&, const FileError&) = default;

  private:
    FileError(Kind kind, int number) : kind_(kind), number_(number) {}
    Kind kind_ = Kind::None;
    int number_ = 0;
};

// Receives record `index` (0-based) of a read, recordSize bytes.
using RecordSink = std::function<void(std::size_t index, std::span<const std::uint8_t> record)>;

// Reads up to `count` records of `recordSize` bytes from the start of the file, handing each
// whole record to `take` as soon as it is read. An empty file reads nothing and is no error.
// A file with fewer records hands over those it holds, then fails with ReadBeyondEnd; bytes
// after the last record are ignored. Only a regular file is read: a pipe, a device or a folder
// is refused as AccessDenied, without waiting on it.
FileError readRecords(const QString& path, std::size_t recordSize, std::size_t count,
                      const RecordSink& take);

// Reads the first count x recordSize bytes of a regular file at once, so the caller can check
// everything before it changes anything. An empty file gives no bytes and no error; a shorter
// one gives no bytes and ReadBeyondEnd; bytes after them are ignored. Anything but a regular
// file (a folder, a pipe) is refused with AccessDenied without waiting for it.
FileError readWholeRecords(const QString& path, std::size_t recordSize, std::size_t count,
                           std::vector<std::uint8_t>& bytes);

// Reads a whole regular file of up to `most` bytes at once; of a longer file, its first `most`
// bytes. An empty file gives no bytes and no error. Anything but a regular file (a folder, a
// pipe) is refused with AccessDenied without waiting for it.
FileError readWholeFile(const QString& path, std::size_t most, std::vector<std::uint8_t>& bytes);

// The one way a file is written: `bytes` go to a temporary file beside it (".NAME.XXXXXX",
// ordinary permissions: 0644 less the umask), which is synced and then renamed over the file,
// and the folder is synced. The old file stays whole until the new one is complete, and the
// new one outlasts a power cut. On a failure the old file is left as it was and the temporary
// file is removed. A file writeRefusal() refuses is refused before anything is written.
FileError writeFileAtomically(const QString& path, std::span<const std::uint8_t> bytes);

// Why a write of the file would be refused, checked before any writing: an existing file that
// may not be written (replacing it by a rename would get round its protection) is
// AccessDenied, a folder in its place is refused as one. None when it may be written or does
// not exist yet.
FileError writeRefusal(const QString& path);

// Removes from the folder the temporary files that writes of the files named `names` (names
// in the folder, "qonews.dat") left when they were stopped midway. Only where no write of
// them can be running.
void removeTemporaries(const QString& folder, const QStringList& names);

// Tests only: from now on every write of a file may write `bytes` more in all, then fails as
// a full disk does (ENOSPC), so a test can stop a save after any byte. Negative: no limit.
void setWriteBudgetForTests(std::int64_t bytes);

// Makes completed renames and removals in the folder durable; a failure changes nothing and
// is not told.
void syncFolder(const QString& folder);

// True when the name is not empty and the file can be opened for reading.
bool fileExists(const QString& path);

// The error box's text for an error with the file at path: the standard text and the file,
// "File not found\n\nFile: /home/ann/.local/share/quotara/qonews.dat". When the file's folder
// is missing or is not a folder, that is what the text says instead.
QString fileErrorText(const FileError& error, const QString& path);

} // namespace quotara

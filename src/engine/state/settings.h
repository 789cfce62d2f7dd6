#pragma once
// The game's settings from one start to the next (the zoom, the tip at start-up, the gold
// bars): a small text file of "[group]" lines and "key=value" lines. It is read only when it
// is a regular file, so a pipe or a device in its place never holds up the start; it is
// written whole through a temporary file, so a write that fails keeps the old file and tells
// why.

#include "state/recordfile.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

#include <utility>
#include <vector>

namespace quotara {

class Settings {
  public:
    Settings() = default; // nothing kept beyond this run
    explicit Settings(QString path) : path_(std::move(path)) {}
    // $XDG_CONFIG_HOME/quotara/quotara.conf, normally ~/.config/quotara/quotara.conf.
    static QString standardPath();

    const QString& path() const { return path_; }

    // At the start: removes the temporary file that a program stopped while writing the
    // settings left beside them (".quotara.conf.XXXXXX").
    void tidy() const;

    // The file's values; a missing file holds none and is no error. On an error the values
    // stay as they were.
    FileError load();

    // key: "zoom", or "group/key" as "Tips/ShowAtStartup". A key given on several lines has
    // the value of the last one.
    QString value(const QString& key, const QString& fallback = {}) const;
    int intValue(const QString& key, int fallback) const;
    bool boolValue(const QString& key, bool fallback) const;
    // The last of the key's lines that is a whole number in low..high; a line that is not (a
    // value edited by hand, or left empty) is passed over as if it were not there.
    int intValue(const QString& key, int fallback, int low, int high) const;
    // The last of the key's values that usable accepts, or fallback.
    QString value(const QString& key, const std::function<bool(const QString&)>& usable,
                  const QString& fallback) const;

    // Sets the values and writes the file. They are in force for this run whatever happens;
    // a failure is returned as the text of a message box naming the system's reason. A file
    // that could not be read is never written over, for it may hold the gold bars and the hall
    // of fame: it is read again first, and once it reads, what it holds is kept, with these
    // values and those set meanwhile that it does not hold.
    QString set(const std::vector<std::pair<QString, QString>>& values);
    QString set(const QString& key, const QString& value) { return set({{key, value}}); }

  private:
    QString path_;
    QMap<QString, QStringList> values_; // each key's values in the order of its lines
    FileError unread_;                  // why the file last could not be read
    QMap<QString, QString> setUnread_;  // what was set while it could not
};

} // namespace quotara

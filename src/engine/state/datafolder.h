#pragma once
// The game's one fixed folder: $XDG_DATA_HOME/quotara, normally ~/.local/share/quotara.
// The player never chooses a path; tests hand in a temporary folder.

#include <QString>

namespace quotara {

class DataFolder {
  public:
    explicit DataFolder(QString path) : path_(std::move(path)) {}
    // The folder of this user's installation.
    static DataFolder standard();
    // No folder at all: a game played headless (the balance lab) that keeps nothing on disk.
    static DataFolder none() { return DataFolder(QString()); }
    bool isNone() const { return path_.isEmpty(); }

    const QString& path() const { return path_; }
    QString newsFile() const { return file(QStringLiteral("qonews.dat")); }
    QString sharesFile() const { return file(QStringLiteral("qoshares.dat")); }
    QString savedSharesFile() const { return file(QStringLiteral("savegame.shr")); }
    QString savedPlayersFile() const { return file(QStringLiteral("savegame.ply")); }
    QString savedStateFile() const { return file(QStringLiteral("savegame.sta")); }
    // The autosave: a saved game's three files under names of their own.
    QString autosaveSharesFile() const { return file(QStringLiteral("autosave.shr")); }
    QString autosavePlayersFile() const { return file(QStringLiteral("autosave.ply")); }
    QString autosaveStateFile() const { return file(QStringLiteral("autosave.sta")); }
    // Held locked by the one program that uses the folder.
    QString lockFile() const { return file(QStringLiteral("quotara.lock")); }

  private:
    QString file(const QString& name) const { return path_ + QLatin1Char('/') + name; }
    QString path_;
};

} // namespace quotara

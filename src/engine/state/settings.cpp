#include "state/settings.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace quotara {
namespace {

constexpr std::size_t kMaxBytes = 64 * 1024; // far more than the game ever writes
const QString kGeneral = QStringLiteral("General");

} // namespace

QString Settings::standardPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/quotara/quotara.conf");
}

void Settings::tidy() const {
    if (path_.isEmpty()) return;
    const QFileInfo info(path_);
    removeTemporaries(info.path(), {info.fileName()});
}

FileError Settings::load() {
    if (path_.isEmpty()) return {};
    QByteArray bytes;
    const FileError error =
        readRecords(path_, 1, kMaxBytes, [&bytes](std::size_t, std::span<const std::uint8_t> b) {
            bytes.append(char(b[0]));
        });
    unread_ = {};
    if (error.kind() == FileError::Kind::NotFound) return {};
    if (error.isError() && error != FileError::readBeyondEnd()) {
        unread_ = error;
        return error;
    }

    QMap<QString, QStringList> values;
    QString group;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2).trimmed();
            if (group == kGeneral) group.clear();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        const QString key = line.left(eq).trimmed();
        values[group.isEmpty() ? key : group + QLatin1Char('/') + key] << value;
    }
    values_ = std::move(values);
    return {};
}

QString Settings::value(const QString& key, const QString& fallback) const {
    const auto it = values_.constFind(key);
    return it == values_.cend() ? fallback : it->constLast();
}

QString Settings::value(const QString& key, const std::function<bool(const QString&)>& usable,
                        const QString& fallback) const {
    const QStringList lines = values_.value(key);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it)
        if (usable(*it)) return *it;
    return fallback;
}

int Settings::intValue(const QString& key, int fallback) const {
    bool ok = false;
    const int v = value(key).toInt(&ok);
    return ok ? v : fallback;
}

int Settings::intValue(const QString& key, int fallback, int low, int high) const {
    const auto inRange = [low, high](const QString& text) {
        bool ok = false;
        const int v = text.toInt(&ok);
        return ok && v >= low && v <= high;
    };
    const QString v = value(key, inRange, QString());
    return v.isNull() ? fallback : v.toInt();
}

bool Settings::boolValue(const QString& key, bool fallback) const {
    const QString v = value(key);
    if (v == QLatin1String("true")) return true;
    if (v == QLatin1String("false")) return false;
    return fallback;
}

QString Settings::set(const std::vector<std::pair<QString, QString>>& values) {
    const QFileInfo info(path_);
    if (unread_.isError()) {
        if (const FileError again = load(); again.isError()) {
            for (const auto& [key, value] : values) {
                values_.insert(key, {value});
                setUnread_.insert(key, value);
            }
            return QStringLiteral("Quotara could not keep this for its next start: ") +
                   again.textFor(info.fileName()) +
                   QStringLiteral(". The settings file is left as it was.");
        }
        // What was set while the file could not be read, and was said not to be kept, yields
        // to what the file holds: it may hold gold bars this run never saw.
        for (auto it = setUnread_.cbegin(); it != setUnread_.cend(); ++it)
            if (!values_.contains(it.key())) values_.insert(it.key(), {it.value()});
        setUnread_.clear();
    }
    for (const auto& [key, value] : values)
        values_.insert(key, {value});
    if (path_.isEmpty()) return {};

    // Grouped as they are read: the ungrouped keys under [General].
    QMap<QString, QStringList> groups;
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString group = slash < 0 ? kGeneral : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        // A key on several lines keeps them all, so what a reader passed over stays passed
        // over and the line it used stays in force.
        for (const QString& value : *it)
            groups[group] << key + QLatin1Char('=') + value;
    }
    QByteArray text;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        if (!text.isEmpty()) text += '\n';
        text +=
            '[' + it.key().toUtf8() + "]\n" + it.value().join(QLatin1Char('\n')).toUtf8() + '\n';
    }

    FileError error;
    errno = 0;
    if (!QDir().mkpath(info.path())) {
        // mkpath's own errno names the last step; a file in the way is the real reason.
        int number = errno ? errno : EACCES;
        for (QFileInfo up(info.path()); !up.isRoot(); up = QFileInfo(up.path()))
            if (up.exists() && !up.isDir()) number = ENOTDIR;
        error = FileError::fromErrno(number);
    }
    if (!error.isError())
        error = writeFileAtomically(
            path_, std::span(reinterpret_cast<const std::uint8_t*>(text.constData()),
                             std::size_t(text.size())));
    if (!error.isError()) return {};
    return QStringLiteral("Quotara could not keep this for its next start: ") +
           error.textFor(info.fileName()) + QLatin1Char('.');
}

} // namespace quotara

#include "play/goldbars.h"

#include "play/levels.h"

#include <QStringList>

namespace quotara {
namespace {

const QString kCountKey = QStringLiteral("GoldBars/count");
const QString kLevelsKey = QStringLiteral("GoldBars/levels");

} // namespace

GoldBars readGoldBars(const Settings& settings) {
    GoldBars bars;
    bars.count = settings.intValue(kCountKey, 0, 0, kMostGoldBars);
    const QString levels = settings.value(
        kLevelsKey, [](const QString& text) { return levelsWonOf(text).has_value(); }, QString());
    bars.levelsWon = levelsWonOf(levels).value_or(0);
    return bars;
}

QString writeGoldBars(Settings& settings, const GoldBars& bars) {
    return settings.set(
        {{kCountKey, QString::number(bars.count)}, {kLevelsKey, levelsWonText(bars.levelsWon)}});
}

QString levelsWonText(std::uint16_t levelsWon) {
    QStringList numbers;
    for (int row = 0; row < kLevelCount; ++row)
        if (levelsWon >> row & 1) numbers << QString::number(row + 1);
    return numbers.join(QLatin1Char(','));
}

std::optional<std::uint16_t> levelsWonOf(const QString& text) {
    std::uint16_t won = 0;
    if (text.trimmed().isEmpty()) return won;
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int level = part.trimmed().toInt(&ok);
        if (!ok || level < 1 || level > kLevelCount) return std::nullopt;
        won = static_cast<std::uint16_t>(won | 1u << (level - 1));
    }
    return won;
}

} // namespace quotara

#include "plot.h"

#include "state/recordfile.h"
#include "trading/portfolio.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace quotara::sim {

namespace {

// The picture module: beside the program in the build folder, and where the installation puts
// it, relative to the program (QUOTARA_PLOT_MODULE_DIR).
std::optional<DrawPlot> loadDrawPlot(QString& why) {
    const QString here = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    const QString name = QStringLiteral(QUOTARA_PLOT_MODULE);
    for (const QString& dir : {here, here + QStringLiteral("/" QUOTARA_PLOT_MODULE_DIR)}) {
        const QString file = dir + QLatin1Char('/') + name;
        if (!QFileInfo::exists(file)) continue;
        static QLibrary module; // loaded for the rest of the run
        module.setFileName(file);
        if (auto draw = reinterpret_cast<DrawPlot>(module.resolve(kDrawPlotName))) return draw;
        why = module.errorString();
        return std::nullopt;
    }
    why = QStringLiteral("%1 was not found beside the program or in %2")
              .arg(name, QDir::cleanPath(here + QStringLiteral("/" QUOTARA_PLOT_MODULE_DIR)));
    return std::nullopt;
}

} // namespace

void PlotRecorder::started(const GameState& s) {
    data.days.clear();
    for (int i = 0; i < kShareCount; ++i)
        data.names[std::size_t(i)] = s.shares[i].name.toQString();
    data.money = s.money;
    data.target = s.target;
    dayEnded(s);
    data.days.back().news = data.days.back().unemployment = false;
}

void PlotRecorder::dayEnded(const GameState& s) {
    PlotDay& d = data.days.emplace_back();
    d.day = s.day;
    d.month = s.month;
    d.year = s.year;
    d.dow = s.dow;
    d.ftse = s.ftse;
    d.hangseng = s.hangseng;
    for (int i = 0; i < kShareCount; ++i)
        d.prices[std::size_t(i)] = s.shares[i].price;
    d.worth = totalWorth(s);
    d.news = !s.headlines1.caption.isEmpty() || !s.headlines2.caption.isEmpty();
    d.unemployment = s.day == 15 && s.headline4days == 3;
}

std::optional<QString> writePlot(const PlotData& data, const QString& path) {
    if (data.days.empty()) return QStringLiteral("no days to draw");
    QString why;
    const std::optional<DrawPlot> draw = loadDrawPlot(why);
    if (!draw) return QStringLiteral("the pictures cannot be drawn: ") + why;
    QByteArray bytes;
    if (!(*draw)(&data, path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive), &bytes))
        return QStringLiteral("the picture could not be drawn");
    const FileError error = writeFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        std::size_t(bytes.size())));
    if (error.isError()) return error.text();
    return std::nullopt;
}

} // namespace quotara::sim

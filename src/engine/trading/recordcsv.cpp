#include "trading/recordcsv.h"

#include "state/recordfile.h"
#include "trading/performance.h"

namespace quotara {

namespace {

// A field as RFC 4180 wants it: quoted when it holds a comma, a quote or a line break. A share
// name from someone else's saved game could start like a formula, which a spreadsheet would
// run; the apostrophe makes it text there.
QByteArray field(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    if (!utf8.isEmpty() && QByteArrayView("=+-@\t\r").contains(utf8.front())) utf8.prepend('\'');
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r'))
        return utf8;
    utf8.replace("\"", "\"\"");
    return '"' + utf8 + '"';
}

QByteArray number(std::int64_t pounds) {
    return poundsAndPence(pounds * 100).toLatin1();
}

void appendTrade(QByteArray& out, const TradeEntry& t) {
    out += "trade," + isoDate(t.date).toLatin1() + ',' + field(t.name.toQString()) + ',' +
           (t.side == TradeSide::Buy ? "buy," : "sell,") + QByteArray::number(t.quantity) + ',' +
           poundsAndPence(t.price).toLatin1() + ',' + number(t.total) + ',' + number(t.cashAfter) +
           ",,\n";
}

void appendDay(QByteArray& out, const DayClose& d, const char* type = "day,") {
    out += type + isoDate(d.date).toLatin1() + ",,,,,," + number(d.cash) + ',' +
           number(d.holdings) + ',' + number(d.worth) + '\n';
}

} // namespace

QByteArray recordCsvHeader() {
    return QByteArrayLiteral("type,date,share,action,quantity,price,total,cash,holdings,worth");
}

QString poundsAndPence(std::int64_t pence) {
    const std::uint64_t magnitude =
        pence < 0 ? 0 - static_cast<std::uint64_t>(pence) : static_cast<std::uint64_t>(pence);
    return QStringLiteral("%1%2.%3")
        .arg(pence < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QByteArray recordCsv(const PlayRecord& record) {
    QByteArray out = recordCsvHeader() + '\n';
    out.reserve(static_cast<qsizetype>(64 * (record.days.size() + record.trades.size() + 1)));
    if (record.start) appendDay(out, *record.start, "start,");
    auto trade = record.trades.begin();
    for (const DayClose& d : record.days) {
        for (; trade != record.trades.end() && trade->date.key() <= d.date.key(); ++trade)
            appendTrade(out, *trade);
        appendDay(out, d);
    }
    for (; trade != record.trades.end(); ++trade)
        appendTrade(out, *trade);
    return out;
}

QString writeRecordCsv(const PlayRecord& record, const QString& path) {
    const QByteArray bytes = recordCsv(record);
    const FileError error = writeFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        std::size_t(bytes.size())));
    return error.isError() ? error.reason() : QString();
}

} // namespace quotara

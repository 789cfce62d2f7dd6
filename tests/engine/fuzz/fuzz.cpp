#include "fuzz.h"

#include "editor/newsfile.h"
#include "state/sharefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quotara::fuzz {

namespace {
QString& inputName() {
    static QString name;
    return name;
}
} // namespace

void setInputName(const QString& name) {
    inputName() = name;
}

void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "fuzz check failed: %s (%s:%d)%s%s\n", what, file, line,
                 inputName().isEmpty() ? "" : " on ", qPrintable(inputName()));
    std::abort();
}

const QString& scratchFolder() {
    // Millions of small files: keep them off the disk.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/quotara-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/quotara-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

void putFile(const QString& path, Bytes bytes) {
    QFile f(path);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
               qint64(bytes.size()));
}

std::vector<std::uint8_t> fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = f.readAll();
    return {all.begin(), all.end()};
}

std::vector<std::uint8_t> snapshot(const GameState& s) {
    std::vector<std::uint8_t> out = shareFileImage(s.shares);
    const auto news = encodeNewsTable(s.newsitems);
    out.insert(out.end(), news.begin(), news.end());
    const auto add = [&out](const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        out.insert(out.end(), b, b + n);
    };
    // The scalar fields, one by one (the struct has padding).
    add(&s.day, 1), add(&s.month, 1), add(&s.year, 2), add(&s.daycount, 2);
    add(&s.money, 4), add(&s.startmoney, 4), add(&s.target, 4), add(&s.endday, 1);
    add(&s.endmonth, 1), add(&s.goldbarcount, 1), add(&s.goldwon, 1), add(&s.twoplayer, 1);
    add(&s.player, 1), add(&s.p1money, 4), add(&s.p2money, 4), add(&s.dow, 4), add(&s.ftse, 4);
    add(&s.hangseng, 4), add(&s.dowchange, 4), add(&s.ftsechange, 4), add(&s.hangchange, 4);
    add(&s.interest, 8), add(&s.inflation, 8), add(&s.unemployed, 4);
    add(&s.unemployedchange, 4), add(&s.headline1item, 1), add(&s.headline2item, 1);
    add(&s.headline4item, 1), add(&s.headline4days, 4);
    for (const auto* name : {&s.username, &s.p1name, &s.p2name})
        add(name, sizeof *name);
    for (const HeadlineSlot* slot : {&s.headlines1, &s.headlines2, &s.headlines4}) {
        add(&slot->number, sizeof slot->number);
        const QByteArray caption = slot->caption.toUtf8();
        add(caption.constData(), std::size_t(caption.size()) + 1);
    }
    const QByteArray ticker = s.tickerText.toUtf8();
    add(ticker.constData(), std::size_t(ticker.size()));
    return out;
}

const Target* findTarget(const char* name) {
    for (const Target& t : targets())
        if (std::strcmp(t.name, name) == 0) return &t;
    return nullptr;
}

} // namespace quotara::fuzz

#include "targets.h"

namespace quotara::fuzz {

std::span<const Target> targets() {
    static constexpr Target kTargets[] = {
        {"newsrecord", newsRecord},  {"sharerecord", shareRecord}, {"cp1252", cp1252},
        {"quantity", tradeQuantity}, {"priceengine", priceEngine}, {"newsfile", newsFile},
        {"sharefile", shareFile},    {"savegame", savedGame},      {"tiplist", tipList},
    };
    return kTargets;
}

} // namespace quotara::fuzz

// The headless simulator, driven in-process through its library.

#include "play/endofday.h"
#include "sim.h"
#include "state/records.h"
#include "support/marketgame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

using namespace quotara;

namespace {

// Captures what the simulator writes to a stream.
class Capture {
  public:
    Capture() : file_(open_memstream(&buf_, &size_)) {}
    ~Capture() {
        std::fclose(file_);
        std::free(buf_);
    }
    std::FILE* file() const { return file_; }
    QString text() {
        std::fflush(file_);
        return QString::fromUtf8(buf_, static_cast<qsizetype>(size_));
    }

  private:
    char* buf_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* file_;
};

// A news table with every effect set from the item and sector numbers.
void fillNews(GameState& s) {
    for (int n = 1; n <= kNewsCount; ++n) {
        Tnewsitem& item = s.newsitems[n];
        if (n <= 68) item.text.assign(QStringLiteral("Item %1").arg(n));
        for (int e = 0; e <= Tnewsitem::kSectors; ++e)
            item.affect[e] = (n * 7 + e * 3) % 5 - 2;
    }
}

QByteArray newsFileBytes() {
    auto s = std::make_unique<GameState>();
    fillNews(*s);
    QByteArray bytes(kNewsCount * Tnewsitem::kSize, '\0');
    for (int n = 1; n <= kNewsCount; ++n)
        encodeNewsItem(s->newsitems[n],
                       std::span<std::uint8_t, Tnewsitem::kSize>(
                           reinterpret_cast<std::uint8_t*>(bytes.data()) + (n - 1) * 256, 256));
    return bytes;
}

struct Sim : ::testing::Test {
    QTemporaryDir dir;
    QString news = dir.filePath("qonews.dat");
    QString csv = dir.filePath("out.csv");
    Capture out, err;
    void SetUp() override { write(news, newsFileBytes()); }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    int run(QStringList args) { return sim::simMain(args, out.file(), err.file()); }
    QStringList csvLines() {
        QStringList lines = QString::fromUtf8(read(csv)).split('\n');
        if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
        return lines;
    }
};

} // namespace

TEST_F(Sim, pinsTheCsvForAFixedClock) {
    ASSERT_EQ(run({"--news", news, "--days", "16", "--clock-ms", "1000", "--clock-step-ms", "7",
                   "--csv", csv}),
              0)
        << err.text().toStdString();
    const QStringList lines = csvLines();
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines[0], sim::csvHeader());
    EXPECT_TRUE(lines[0].endsWith(",headline4days,price0,price1,price2,price3,price4,price5,"
                                  "price6,price7,price8,price9,price10,price11,price12,price13,"
                                  "price14,price15,price16,price17,price18,price19"));
    // Pinned: any change to the market's arithmetic or draw order shows here. Lines 14..16:
    // the 15th posts item 43 (-3000) for three days.
    EXPECT_EQ(lines[1], "2,1,1999,2,8486,34,5182,-35,15466,22,1925000,0,35,30,,-1,1148,815,877,660,"
                        "588,401,812,102,739,116,745,853,380,530,436,540,815,1563,613,543");
    EXPECT_EQ(lines[2], "3,1,1999,3,8421,-65,5039,-143,15397,-69,1925000,0,58,19,,-2,1136,809,860,"
                        "666,578,403,816,104,728,120,755,832,378,522,421,521,814,1578,601,532");
    EXPECT_EQ(lines[14], "15,1,1999,15,8305,71,4990,41,15458,14,1922000,-3000,27,61,43,3,1170,790,"
                         "913,694,608,414,781,96,710,127,779,822,351,555,385,505,867,1641,664,544");
    EXPECT_EQ(lines[15],
              "16,1,1999,16,8247,-58,4971,-19,15413,-45,1922000,-3000,40,38,43,2,1146,775,902,696,"
              "611,411,772,96,725,126,779,808,342,543,383,500,864,1604,662,548");
    EXPECT_EQ(lines[16],
              "17,1,1999,17,8313,66,4861,-110,15476,63,1922000,-3000,62,37,43,1,1191,787,910,704,"
              "619,423,779,97,717,127,789,810,338,534,371,498,858,1677,661,542");
}

// Ten years pinned by their last day: the news runs out within about a month, and from then
// on the daily draws find nothing, with the clock standing still or moving on.
TEST_F(Sim, pinsTenYearsWithTheClockStillAndMoving) {
    const struct {
        QStringList clock;
        const char* last;
    } runs[] = {
        {{"--clock-ms", "1000"},
         "1,1,2009,1,0,0,0,0,305053,80,1043000,11000,,,44,-14,0,28,151,0,151,151,28,152,160,151,"
         "1,3,21,65535,145,65535,65535,65535,32,29"},
        {{"--clock-ms", "1000", "--clock-step-ms", "7"},
         "1,1,2009,1,28463,67,538039,3661,56955,252,1893000,-23000,,,42,-14,65422,65535,63498,"
         "65535,65535,64104,64980,143,65144,142,65535,64472,64599,65535,63413,62381,65535,65535,"
         "62893,65535"}};
    for (const auto& r : runs) {
        ASSERT_EQ(run(QStringList{"--days", "3650", "--csv", csv} + r.clock), 0);
        EXPECT_EQ(csvLines().last(), r.last) << r.clock.join(' ').toStdString();
    }
}

TEST_F(Sim, playsTheEnginesEndDayFromTheResetAndOneClockSeed) {
    ASSERT_EQ(run({"--news", news, "--days", "40", "--clock-ms", "86399990", "--clock-step-ms", "3",
                   "--csv", csv}),
              0);
    const QStringList lines = csvLines();

    // The same game played here: reset, seeded once, then each draw reseeds from the clock,
    // which wraps at midnight.
    test::MarketGame g(86'399'990, 3);
    g.startFreePlay();
    fillNews(g.s);
    g.game.random.reseed(g.clock);
    NoDayViews views;
    ASSERT_EQ(lines.size(), 41);
    for (int d = 1; d <= 40; ++d) {
        endofday(g.game, views);
        const GameState& s = g.s;
        QStringList f;
        for (auto v : {std::int64_t{s.day}, std::int64_t{s.month}, std::int64_t{s.year},
                       std::int64_t{s.daycount}, std::int64_t{s.dow}, std::int64_t{s.dowchange},
                       std::int64_t{s.ftse}, std::int64_t{s.ftsechange}, std::int64_t{s.hangseng},
                       std::int64_t{s.hangchange}, std::int64_t{s.unemployed},
                       std::int64_t{s.unemployedchange}})
            f << QString::number(v);
        f << s.headlines1.numberText() << s.headlines2.numberText() << s.headlines4.numberText()
          << QString::number(s.headline4days);
        for (int i = 0; i < kShareCount; ++i)
            f << QString::number(s.shares[i].price);
        ASSERT_EQ(lines[d], f.join(',')) << "day " << d;
    }
    EXPECT_TRUE(lines[14].startsWith("15,1,1999,15,")); // the day the calendar reached
}

TEST_F(Sim, playsTheShippedNewsToStandardOutputByDefault) {
    ASSERT_EQ(run({"--days", "2", "--clock-ms", "0"}), 0);
    const QStringList lines = out.text().split('\n');
    ASSERT_EQ(lines.size(), 4); // header, two days, the last line end
    EXPECT_TRUE(lines[1].startsWith("2,1,1999,2,"));
    const QStringList day2 = lines[2].split(',');
    EXPECT_TRUE(day2[0] == "3" && !day2[12].isEmpty() && !day2[13].isEmpty()); // headlines
    EXPECT_TRUE(err.text().isEmpty());
}

TEST_F(Sim, savesAndLoadsTheShareDataFile) {
    const QString saved = dir.filePath("qoshares.dat");
    ASSERT_EQ(run({"--news", news, "--days", "30", "--clock-ms", "5", "--csv", csv, "--save-shares",
                   saved}),
              0);
    const QByteArray bytes = read(saved);
    ASSERT_EQ(bytes.size(), 20 * 2076);
    const QStringList direct = csvLines();
    const Tshare first = decodeShare(std::span<const std::uint8_t, Tshare::kSize>(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()), Tshare::kSize));
    EXPECT_EQ(first.name.toQString(), "Abbey National");
    EXPECT_EQ(QString::number(first.price), direct[30].split(',')[16]);
    EXPECT_EQ(first.history[31], first.price);
    EXPECT_TRUE(QDir(dir.path())
                    .entryList(QDir::Hidden | QDir::Files)
                    .filter("qoshares.dat.")
                    .isEmpty()); // no temporary file left

    // Loaded after the reset, the file's prices and history carry on.
    ASSERT_EQ(
        run({"--news", news, "--shares", saved, "--days", "1", "--clock-ms", "9", "--csv", csv}),
        0);
    EXPECT_EQ(csvLines()[1].split(',').mid(0, 4).join(','), "2,1,1999,2");
    EXPECT_NE(csvLines()[1].split(',')[16].toInt(), 1134);
}

TEST_F(Sim, fileErrorsExitWith1AndTheStandardText) {
    EXPECT_EQ(run({"--news", dir.filePath("missing.dat"), "--csv", csv}), 1);
    EXPECT_TRUE(err.text().contains("File not found"));

    const QString shortNews = dir.filePath("short.dat");
    write(shortNews, newsFileBytes().left(199 * 256));
    EXPECT_EQ(run({"--news", shortNews, "--csv", csv}), 1);
    EXPECT_TRUE(err.text().contains("Read beyond end of file"));

    const QString shortShares = dir.filePath("shortshares.dat");
    write(shortShares, QByteArray(2076 * 19 + 5, '\0'));
    EXPECT_EQ(run({"--news", news, "--shares", shortShares, "--csv", csv}), 1);
    EXPECT_EQ(err.text().count("Read beyond end of file"), 2);

    EXPECT_EQ(run({"--news", news, "--csv", dir.filePath("no/such/dir.csv")}), 1);
    EXPECT_EQ(run({"--news", news, "--days", "1", "--clock-ms", "0", "--csv", csv, "--save-shares",
                   dir.filePath("no/such/qoshares.dat")}),
              1);
    EXPECT_EQ(err.text().count("File not found"), 3);
}

TEST_F(Sim, badArgumentsExitWith2AndTheUsage) {
    const QStringList bad[] = {
        {"--news"},
        {"--news", news, "--days", "-1"},
        {"--news", news, "--days", "ten"},
        {"--news", news, "--clock-ms", "1.5"},
        {"--news", news, "--clock-step-ms", ""},
        {"--news", news, "--csv"},
        {"--news", news, "--frobnicate"},
        {"--news", news, "extra"},
        {"--two-player", "hold", "--until", "1999-04-01"},
        {"--two-player", "hold", "dice", "--until", "1999-04-01"},
        {"--two-player", "hold", "news"},
        {"--two-player", "hold", "news", "--until", "1999-01-01"},
        {"--two-player", "hold", "news", "--until", "2000-01-02"},
        {"--two-player", "hold", "news", "--until", "1999-04-01", "--runs", "3"},
        {"--until", "1999-04-01"}};
    for (const auto& args : bad) {
        EXPECT_EQ(run(args), 2) << args.join(' ').toStdString();
    }
    EXPECT_EQ(err.text().count("usage: quotara-sim"), qsizetype(std::size(bad)));
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_TRUE(out.text().startsWith("usage: quotara-sim"));
    EXPECT_EQ(run({"--news=" + news, "--days=0", "--clock-ms=3", "--csv=" + csv}), 0);
    EXPECT_EQ(csvLines(), QStringList{sim::csvHeader()});
}

// Each robot trades only on its own turn, with its own money: player 2 starts with the same
// £15000 (a robot that buys on its first turn would find no cash otherwise), and player 1's
// idle robot keeps exactly its money while the other buys.
TEST_F(Sim, twoRobotsPlayEachTheirOwnTurnsToTheDeadline) {
    ASSERT_EQ(run({"--two-player", "idle", "hold", "--until", "1999-02-01", "--seed-clock", "5000",
                   "--news", news}),
              0)
        << err.text().toStdString();
    const QStringList lines = out.text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << out.text().toStdString();
    EXPECT_EQ(lines[0], "Two players from 1 January 1999 to 1 February 1999, 31 End Days, "
                        "clock 5000");
    EXPECT_EQ(lines[2].simplified(), "1 idle £15000 £0 0");
    const QStringList hold = lines[3].simplified().split(' ');
    ASSERT_EQ(hold.size(), 5);
    EXPECT_EQ(hold[4], "20") << "all twenty shares bought on its first turn";
    const qint64 worth = hold[2].mid(1).toLongLong();
    const QString verdict = worth > 15000 ? "hold wins by £" + QString::number(worth - 15000) + "!"
                            : worth < 15000
                                ? "idle wins by £" + QString::number(15000 - worth) + "!"
                                : "A draw! You are both worth £15000.";
    EXPECT_EQ(lines[4], verdict);
}

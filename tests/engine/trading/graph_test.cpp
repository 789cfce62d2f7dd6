#include "support/market.h"
#include "trading/graph.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <utility>

using namespace quotara;

namespace {

std::vector<GraphLine> linesOf(const GraphDrawing& g, Tone ink) {
    std::vector<GraphLine> out;
    for (const GraphLine& l : g.lines)
        if (l.ink == ink) out.push_back(l);
    return out;
}

// The x-axis ticks: black lines from y 220 down to 230.
std::vector<int> tickXs(const GraphDrawing& g) {
    std::vector<int> xs;
    for (const GraphLine& l : g.lines)
        if (l.from.y() == 220 && l.to.y() == 230 && l.from.x() == l.to.x())
            xs.push_back(l.from.x());
    return xs;
}

// The x-axis labels as (text, x), all at y 240 in blue.
std::vector<std::pair<QString, int>> xLabels(const GraphDrawing& g) {
    std::vector<std::pair<QString, int>> out;
    for (const GraphText& t : g.texts)
        if (t.topLeft.y() == 240) {
            EXPECT_EQ(t.ink, Tone::Blue) << t.text.toStdString();
            out.emplace_back(t.text, t.topLeft.x());
        }
    return out;
}

std::vector<std::pair<QString, int>> labelsAt(std::initializer_list<const char*> texts, int x0,
                                              int step) {
    std::vector<std::pair<QString, int>> out;
    int x = x0;
    for (const char* t : texts) {
        out.emplace_back(QString::fromLatin1(t), x);
        x += step;
    }
    return out;
}

bool same(const GraphLine& l, QPoint from, QPoint to) {
    return l.from == from && l.to == to;
}

} // namespace

class Graph : public ::testing::Test {
  protected:
    // A share whose high is 180p, so the scale's top is 200p.
    Tshare share() const {
        Tshare s;
        s.name.assign(QStringLiteral("Abbey National"));
        s.high = 180;
        return s;
    }
    // Prices on days first..last (inclusive).
    static void record(Tshare& s, int first, int last, std::uint16_t price) {
        for (int d = first; d <= last; ++d)
            s.history[d] = price;
    }
};

TEST_F(Graph, scaleOfAShareWithHigh180) {
    const GraphDrawing g = graphDrawing(share(), GraphRange::OneYear, 1);
    EXPECT_EQ(g.top, 200);
    // The y-axis labels, blue, top-left corners at x 15.
    const std::pair<const char*, int> labels[] = {{"0", 215},  {"40", 175}, {"80", 135},
                                                  {"120", 95}, {"160", 55}, {"200", 15}};
    std::vector<GraphText> yLabels;
    for (const GraphText& t : g.texts)
        if (t.topLeft.x() == 15) yLabels.push_back(t);
    ASSERT_EQ(yLabels.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(yLabels[i].text, labels[i].first);
        EXPECT_EQ(yLabels[i].topLeft.y(), labels[i].second);
        EXPECT_EQ(yLabels[i].ink, Tone::Blue);
    }
    EXPECT_EQ(graphY(100, 200), 120);
    EXPECT_EQ(graphY(0, 200), 220);
    EXPECT_EQ(graphY(200, 200), 20);
}

TEST_F(Graph, yOfAPriceRoundsHalvesToEven) {
    // 1 x 200 / 400 = 0.5 and 3 x 200 / 400 = 1.5.
    EXPECT_EQ(graphY(1, 400), 220);
    EXPECT_EQ(graphY(3, 400), 218);
    // The smallest scale: a share with high 0 still has top 20.
    EXPECT_EQ(graphY(10, 20), 120);
    // Scale labels of a top that is not a multiple of five: 1 / 5 of 1021 is 204.2.
    Tshare s = share();
    s.high = 1001;
    const GraphDrawing g = graphDrawing(s, GraphRange::OneYear, 1);
    QStringList texts;
    for (const GraphText& t : g.texts)
        if (t.topLeft.x() == 15) texts << t.text;
    EXPECT_EQ(texts, QStringList({"0", "204", "408", "613", "817", "1021"}));
}

TEST_F(Graph, axesAndTicksOfEachRange) {
    for (GraphRange range : {GraphRange::OneYear, GraphRange::SixMonths, GraphRange::OneMonth}) {
        const GraphDrawing g = graphDrawing(share(), range, 5);
        ASSERT_GE(g.lines.size(), 2u);
        // The axes come first, so the curve is drawn over them.
        EXPECT_TRUE(same(g.lines[0], {50, 20}, {50, 220}));
        EXPECT_TRUE(same(g.lines[1], {50, 220}, {410, 220}));
        // The y-axis ticks come last.
        for (int i = 0; i <= 4; ++i) {
            const GraphLine& tick = g.lines[g.lines.size() - 5 + i];
            EXPECT_TRUE(same(tick, {40, 40 * i + 20}, {50, 40 * i + 20}));
        }
        EXPECT_TRUE(linesOf(g, Tone::Blue).empty());
        EXPECT_TRUE(linesOf(g, Tone::Red).empty()); // nothing recorded
    }
    EXPECT_EQ(tickXs(graphDrawing(share(), GraphRange::OneYear, 5)),
              std::vector<int>({80, 110, 140, 170, 200, 230, 260, 290, 320, 350, 380}));
    EXPECT_EQ(tickXs(graphDrawing(share(), GraphRange::SixMonths, 5)),
              std::vector<int>({110, 170, 230, 290, 350}));
    EXPECT_EQ(tickXs(graphDrawing(share(), GraphRange::OneMonth, 5)),
              std::vector<int>({110, 170, 230, 290, 350, 410}));
}

TEST_F(Graph, captionAndLabelsOfEachRange) {
    const GraphDrawing year = graphDrawing(share(), GraphRange::OneYear, 7);
    EXPECT_EQ(year.caption, "One year history");
    EXPECT_EQ(xLabels(year), labelsAt({"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug",
                                       "Sep", "Oct", "Nov", "Dec"},
                                      40, 30));

    const GraphDrawing six = graphDrawing(share(), GraphRange::SixMonths, 1);
    EXPECT_EQ(six.caption, "Six month history");
    EXPECT_EQ(xLabels(six), labelsAt({"Aug", "Sep", "Oct", "Nov", "Dec", "Jan"}, 40, 60));
    EXPECT_EQ(xLabels(graphDrawing(share(), GraphRange::SixMonths, 6)),
              labelsAt({"Jan", "Feb", "Mar", "Apr", "May", "Jun"}, 40, 60));
    EXPECT_EQ(xLabels(graphDrawing(share(), GraphRange::SixMonths, 12)),
              labelsAt({"Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}, 40, 60));

    const GraphDrawing month = graphDrawing(share(), GraphRange::OneMonth, 3);
    EXPECT_EQ(month.caption, "One month history");
    auto withEnd = labelsAt({"1", "6", "11", "16", "21", "26"}, 50, 60);
    withEnd.emplace_back("31", 410);
    EXPECT_EQ(xLabels(month), withEnd);
    // Every month but February has the "31", even those of 30 days.
    EXPECT_EQ(xLabels(graphDrawing(share(), GraphRange::OneMonth, 4)), withEnd);
    EXPECT_EQ(xLabels(graphDrawing(share(), GraphRange::OneMonth, 2)),
              labelsAt({"1", "6", "11", "16", "21", "26"}, 50, 60));
}

TEST_F(Graph, sixMonthWindowStarts) {
    const int starts[] = {-152, -121, -91, -60, -30, 1, 32, 60, 91, 121, 152, 182};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(sixMonthStart(m), starts[m - 1]) << m;
}

TEST_F(Graph, oneYearCurveIsOnePixelPerDay) {
    Tshare s = share();
    record(s, 1, 3, 100);
    s.history[4] = 180;
    const auto curve = linesOf(graphDrawing(s, GraphRange::OneYear, 1), Tone::Red);
    ASSERT_EQ(curve.size(), 3u);
    EXPECT_TRUE(same(curve[0], {51, 120}, {52, 120}));
    EXPECT_TRUE(same(curve[1], {52, 120}, {53, 120}));
    EXPECT_TRUE(same(curve[2], {53, 120}, {54, 220 - 180}));
    // A full year: 364 segments, the last reaching x 415; day 366 is never recorded.
    record(s, 1, 365, 100);
    const auto full = linesOf(graphDrawing(s, GraphRange::OneYear, 12), Tone::Red);
    ASSERT_EQ(full.size(), 364u);
    EXPECT_EQ(full.back().to.x(), 415);
    // Day 366 is read when present, as in a share data file that carries it.
    s.history[366] = 100;
    EXPECT_EQ(linesOf(graphDrawing(s, GraphRange::OneYear, 12), Tone::Red).back().to.x(), 416);
}

TEST_F(Graph, januaryInEachRange) {
    // Days 1..10 recorded: the one-year view draws them at the far left, the six-month view at
    // its right end, and the one-month view day by day from the axis.
    Tshare s = share();
    record(s, 1, 10, 100);
    const auto year = linesOf(graphDrawing(s, GraphRange::OneYear, 1), Tone::Red);
    ASSERT_EQ(year.size(), 9u);
    EXPECT_EQ(year.front().from.x(), 51);
    EXPECT_EQ(year.back().to.x(), 60);

    const auto six = linesOf(graphDrawing(s, GraphRange::SixMonths, 1), Tone::Red);
    ASSERT_EQ(six.size(), 9u);
    EXPECT_TRUE(same(six.front(), {50 + 2 * 153, 120}, {52 + 2 * 153, 120}));
    EXPECT_EQ(six.front().from.x(), 356);
    EXPECT_EQ(six.back().to.x(), 50 + 2 * (152 + 10));

    const auto month = linesOf(graphDrawing(s, GraphRange::OneMonth, 1), Tone::Red);
    ASSERT_EQ(month.size(), 9u);
    EXPECT_TRUE(same(month.front(), {50, 120}, {62, 120}));
    EXPECT_EQ(month.back().to.x(), 50 + 12 * 9);
}

TEST_F(Graph, windowsOfTheSixMonthAndOneMonthViews) {
    // Every day recorded at 100p but the window's first and last days at 180p (y 40).
    struct Case {
        GraphRange range;
        int month;
        int firstDay, segments;
        int lastX;
    };
    const Case cases[] = {
        {GraphRange::SixMonths, 6, 1, 181, 412},    // June: 1 January at the axis
        {GraphRange::SixMonths, 12, 182, 181, 412}, // December: 1 July to day 363
        {GraphRange::OneMonth, 3, 60, 28, 386},     // 1st to 29th March, never the 30th
        {GraphRange::OneMonth, 12, 335, 28, 386},
    };
    for (const Case& c : cases) {
        Tshare s = share();
        record(s, 1, 365, 100);
        s.history[c.firstDay] = s.history[c.firstDay + c.segments] = 180;
        const auto curve = linesOf(graphDrawing(s, c.range, c.month), Tone::Red);
        ASSERT_EQ(curve.size(), std::size_t(c.segments)) << c.month;
        EXPECT_EQ(curve.front().from, QPoint(50, 40)) << c.month;
        EXPECT_EQ(curve.back().to, QPoint(c.lastX, 40)) << c.month;
    }
}

TEST_F(Graph, aDayWithoutAPriceLeavesAGapOfTwoSegments) {
    Tshare s = share();
    record(s, 1, 40, 100);
    s.history[35] = 0; // 4 February
    const auto year = linesOf(graphDrawing(s, GraphRange::OneYear, 2), Tone::Red);
    ASSERT_EQ(year.size(), 37u);
    EXPECT_EQ(year[32].to.x(), 50 + 34);
    EXPECT_EQ(year[33].from.x(), 50 + 36);
    const auto month = linesOf(graphDrawing(s, GraphRange::OneMonth, 2), Tone::Red);
    ASSERT_EQ(month.size(), 6u); // 1st-3rd and 5th-9th of February
    EXPECT_EQ(month[1].to.x(), 50 + 12 * 2);
    EXPECT_EQ(month[2].from.x(), 50 + 12 * 4);
}

TEST_F(Graph, newYearWithOnlyDay1RecordedDrawsNoCurve) {
    Tshare s = share();
    s.history[1] = 100;
    for (GraphRange range : {GraphRange::OneYear, GraphRange::SixMonths, GraphRange::OneMonth})
        EXPECT_TRUE(linesOf(graphDrawing(s, range, 1), Tone::Red).empty());
}

TEST_F(Graph, theGraphsMonthWrapsAndNeverLeavesTheCalendar) {
    EXPECT_EQ(graphMonth(5, 0), 5);
    EXPECT_EQ(graphMonth(12, 1), 1);
    EXPECT_EQ(graphMonth(11, 3), 2);
    EXPECT_EQ(graphMonth(1, 11), 12);
    // A damaged saved game's month.
    EXPECT_EQ(graphMonth(13, 0), 1);
    EXPECT_EQ(graphMonth(0, 0), 12);
    // Month 14 draws as February: no "31".
    EXPECT_EQ(xLabels(graphDrawing(share(), GraphRange::OneMonth, 14)).size(), 6u);
}

TEST_F(Graph, aShareOutsideTheGameIsAnEmptyScale) {
    GameState state;
    test::fillBuiltinShares(state);
    state.year = 2001;
    state.shares[2].history[1] = state.shares[2].history[2] = 500;
    const GraphDrawing anglian = graphDrawing(state, 2, GraphRange::OneYear, 1);
    EXPECT_EQ(linesOf(anglian, Tone::Red).size(), 1u);
    EXPECT_EQ(anglian.name, "Anglian");
    EXPECT_EQ(anglian.year, 2001);
    for (int share : {-1, 20}) {
        const GraphDrawing g = graphDrawing(state, share, GraphRange::OneYear, 1);
        EXPECT_EQ(g.top, 20);
        EXPECT_EQ(g.name, "");
        EXPECT_TRUE(linesOf(g, Tone::Red).empty());
    }
}

TEST_F(Graph, pointingAtTheCurve) {
    Tshare s = share();
    record(s, 59, 62, 100);
    s.history[61] = 150;
    const GraphDrawing g = graphDrawing(s, GraphRange::OneMonth, 3);
    // Days 60, 61 and 62 of the year (1st-3rd March), each once.
    ASSERT_EQ(g.points.size(), 3u);
    EXPECT_EQ(g.points[1].at, QPoint(62, graphY(150, 200)));
    const auto p = graphPointNear(g, {64, graphY(150, 200) + 3});
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->day, 61);
    EXPECT_EQ(p->price, 150);
    EXPECT_FALSE(graphPointNear(g, {62, 200}).has_value());
    EXPECT_EQ(graphPointText("Abbey National", p->day, 1999, p->price),
              "Abbey National, 2nd March 1999: 150p");
    EXPECT_EQ(graphPointText("BP", 1, 2000, 97), "BP, 1st January 2000: 97p");
    EXPECT_EQ(graphPointText("BP", 365, 1999, 97), "BP, 31st December 1999: 97p");
    EXPECT_EQ(graphPointText("BP", 366, 1999, 97), "BP, Day 366 of 1999: 97p");
}

// A reader hears the range's first, last, highest and lowest price: the earliest day of a
// high or low reached twice, and nothing made up where no curve is drawn.
TEST_F(Graph, summaryForReaders) {
    Tshare s = share();
    record(s, 60, 64, 100);
    s.history[61] = 150;
    s.history[63] = 150;
    s.history[62] = 90;
    GraphDrawing g = graphDrawing(s, GraphRange::OneMonth, 3);
    g.name = QStringLiteral("BP");
    g.year = 1999;
    EXPECT_EQ(graphSummary(g), "BP, One month history: first 100p on 1st March 1999, last 100p on "
                               "5th March 1999, highest 150p on 2nd March 1999, lowest 90p on "
                               "3rd March 1999");
    g = graphDrawing(share(), GraphRange::SixMonths, 3);
    g.name = QStringLiteral("BP");
    EXPECT_EQ(graphSummary(g), "BP, Six month history: no prices drawn yet");
}

// The banner's scroll arithmetic: where the image is after each tick, the gap between passes,
// the tiled cycle, direction changes and the 16-bit offset.

#include "components/bannerscroll.h"

#include <gtest/gtest.h>

#include <QRect>

using namespace quotara::banner;

namespace {

const QSize kTicker(511, 31);

Scroll at(std::uint16_t pos, ScrollDirection d = sdRightToLeft) {
    Scroll s;
    s.pos = pos;
    s.direction = d;
    return s;
}

// Columns of the area covered by the copies drawn.
int coveredColumns(const Scroll& s, QSize image, QSize area) {
    int covered = 0;
    for (int x = 0; x < area.width(); ++x)
        for (const QPoint& c : s.copies(image, area))
            if (QRect(c, image).contains(x, 0)) {
                ++covered;
                break;
            }
    return covered;
}

} // namespace

// A 200-pixel text in the 511-pixel ticker runs through 0, 4, ..., 708, then starts again at
// 0; it enters at the right edge and the area is empty once it has passed.
TEST(BannerScroll, gappedPassRunsToImagePlusAreaThenRestarts) {
    const QSize text(200, 22);
    Scroll s;
    for (int p = 4; p <= 708; p += 4) {
        ASSERT_TRUE(s.step(text, kTicker));
        ASSERT_EQ(s.pos, p);
    }
    EXPECT_TRUE(s.step(text, kTicker)); // 712 > 200 + 511
    EXPECT_EQ(s.pos, 0);

    EXPECT_TRUE(at(0).copies(text, kTicker).empty()); // just outside the right edge
    EXPECT_EQ(at(4).copies(text, kTicker), std::vector<QPoint>{QPoint(507, 0)});
    EXPECT_EQ(coveredColumns(at(512), text, kTicker), 199); // part of the area empty again
    EXPECT_EQ(at(708).copies(text, kTicker), std::vector<QPoint>{QPoint(-197, 0)});
    EXPECT_TRUE(at(711).copies(text, kTicker).empty()); // wholly past the left edge
}

// A new, shorter text keeps the offset; one beyond its pass restarts at the next tick.
TEST(BannerScroll, offsetBeyondANewShorterTextRestartsAtTheNextTick) {
    Scroll s = at(600);
    EXPECT_TRUE(s.step(QSize(50, 22), kTicker)); // 604 > 561
    EXPECT_EQ(s.pos, 0);
}

TEST(BannerScroll, anchorsOfTheFourDirections) {
    const QSize image(200, 40), area(511, 31);
    EXPECT_EQ(at(10, sdRightToLeft).anchor(image, area), QPoint(501, 0));
    EXPECT_EQ(at(10, sdLeftToRight).anchor(image, area), QPoint(-190, 0));
    EXPECT_EQ(at(10, sdTopToBottom).anchor(image, area), QPoint(0, -30));
    EXPECT_EQ(at(10, sdBottomToTop).anchor(image, area), QPoint(0, 21));
}

// Turning round on the same axis keeps the image where it is on screen; changing axis starts
// the image at its own length.
TEST(BannerScroll, directionChangesKeepTheImageInPlace) {
    const QSize image(200, 40), area(511, 31);
    const struct {
        ScrollDirection from, to;
    } sameAxis[] = {{sdRightToLeft, sdLeftToRight},
                    {sdLeftToRight, sdRightToLeft},
                    {sdTopToBottom, sdBottomToTop},
                    {sdBottomToTop, sdTopToBottom}};
    for (const auto& c : sameAxis) {
        Scroll s = at(50, c.from); // within both passes: 50 <= 40 + 31
        const QPoint before = s.anchor(image, area);
        s.setDirection(c.to, image, area);
        EXPECT_EQ(s.anchor(image, area), before) << c.from << " -> " << c.to;
    }
    Scroll s = at(123, sdRightToLeft);
    s.setDirection(sdRightToLeft, image, area);
    EXPECT_EQ(s.pos, 123); // no change, no adjustment
    s.setDirection(sdLeftToRight, image, area);
    EXPECT_EQ(s.pos, 200 + 511 - 123);
    s.setDirection(sdTopToBottom, image, area);
    EXPECT_EQ(s.pos, 40); // bh
    s.setDirection(sdBottomToTop, image, area);
    EXPECT_EQ(s.pos, 40 + 31 - 40);
    s.setDirection(sdRightToLeft, image, area);
    EXPECT_EQ(s.pos, 200); // bw
}

// Without a gap p runs 4, 8, ..., 100, then 4 again, and the copies always cover the area.
TEST(BannerScroll, tiledCycleCoversTheWholeArea) {
    const QSize image(100, 22);
    Scroll s;
    s.noGap = true;
    for (int round = 0; round < 2; ++round)
        for (int p = 4; p <= 100; p += 4) {
            ASSERT_TRUE(s.step(image, kTicker));
            ASSERT_EQ(s.pos, p);
            ASSERT_EQ(coveredColumns(s, image, kTicker), 511) << "p = " << p;
        }
    // A vertical tile fills the height the same way.
    Scroll v = at(7, sdBottomToTop);
    v.noGap = true;
    const auto copies = v.copies(QSize(30, 10), QSize(30, 31));
    ASSERT_FALSE(copies.empty());
    EXPECT_LE(copies.front().y(), 0);
    EXPECT_GE(copies.back().y() + 10, 31);

    // A step larger than the image comes back within 1..bw.
    Scroll big;
    big.noGap = true;
    big.pixels = 250;
    EXPECT_TRUE(big.step(image, kTicker));
    EXPECT_EQ(big.pos, 50);
}

// With OnlyOnce the banner stops once the image has left, and p is not put back to 0.
TEST(BannerScroll, onlyOnceStopsAfterOnePass) {
    const QSize text(200, 22);
    Scroll s = at(708);
    s.onlyOnce = true;
    EXPECT_FALSE(s.step(text, kTicker));
    EXPECT_EQ(s.pos, 712);
    Scroll tiled = at(100);
    tiled.onlyOnce = tiled.noGap = true; // OnlyOnce means nothing without a gap
    EXPECT_TRUE(tiled.step(QSize(100, 22), kTicker));
}

// The offset is 16-bit: it wraps at 65536 instead of growing, even with an image so wide
// that its pass never ends; an empty image in the tiled mode cannot hang the tick.
TEST(BannerScroll, offsetWrapsAtSixteenBits) {
    Scroll s = at(65534);
    EXPECT_TRUE(s.step(QSize(70000, 22), kTicker));
    EXPECT_EQ(s.pos, 2);
    Scroll empty = at(10);
    empty.noGap = true;
    EXPECT_TRUE(empty.step(QSize(0, 0), kTicker));
    EXPECT_EQ(empty.pos, 14);
    EXPECT_TRUE(empty.copies(QSize(0, 0), kTicker).empty());
    Scroll turn = at(100);
    turn.setDirection(sdLeftToRight, QSize(65000, 22), kTicker);
    EXPECT_EQ(turn.pos, std::uint16_t(65000 + 511 - 100));
}

TEST(BannerScroll, linesArePlacedWithinTheWidestLine) {
    EXPECT_EQ(lineX(taCenter, 100, 61), 19);
    EXPECT_EQ(lineX(taCenter, 100, 100), 0);
    EXPECT_EQ(lineX(taLeftJustify, 100, 61), 0);
    EXPECT_EQ(lineX(taRightJustify, 100, 61), 39);
}

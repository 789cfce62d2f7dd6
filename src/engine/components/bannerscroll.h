#pragma once
// Engine tree, components/: the arithmetic of the reusable controls, apart from their painting
// (src/windows/components), so it is tested without a window; it builds on state/ alone.
//
// The scrolling banner's arithmetic, kept apart from painting so it is tested without a
// window: the 16-bit scroll offset, how a tick moves it, where the image is drawn and how
// many copies of it fill the area.
//
// Sizes are in pixels: the image is bw x bh, the banner's area W x H. The offset p is
// unsigned 16-bit; every addition and subtraction on it wraps modulo 65536.

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <vector>

namespace quotara::banner {

enum ScrollDirection : int { sdRightToLeft, sdLeftToRight, sdTopToBottom, sdBottomToTop };

// Placing of each rendered line within the width of the widest line.
enum Alignment : int { taLeftJustify, taRightJustify, taCenter };

constexpr bool isHorizontal(ScrollDirection d) {
    return d == sdRightToLeft || d == sdLeftToRight;
}

// x of a line w pixels wide among lines at most maxw wide (both 0 or more).
int lineX(Alignment align, int maxw, int w);

struct Scroll {
    std::uint16_t pos = 0;                     // p, 0 at creation
    ScrollDirection direction = sdRightToLeft; // direction of movement
    std::uint16_t pixels = 4;                  // pixels moved per tick
    bool noGap = false;                        // copies follow each other without a gap
    bool onlyOnce = false;                     // without noGap: stop after one pass

    // A new direction keeps the image where it is on screen.
    void setDirection(ScrollDirection d, QSize image, QSize area);

    // One tick. Returns false when the banner must stop (onlyOnce, image passed); p then
    // stays past the end instead of starting again at 0.
    bool step(QSize image, QSize area);

    // Top-left corner of the copy that moves with p.
    QPoint anchor(QSize image, QSize area) const;

    // Top-left corners of the copies to draw this tick: the anchor alone, or with noGap the
    // anchor and its neighbours every image length that reach into the area. Copies lying
    // wholly outside the area are left out.
    std::vector<QPoint> copies(QSize image, QSize area) const;
};

} // namespace quotara::banner

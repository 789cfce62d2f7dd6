#include "components/bannerscroll.h"

#include <QRect>

namespace quotara::banner {

int lineX(Alignment align, int maxw, int w) {
    switch (align) {
    case taLeftJustify:
        return 0;
    case taRightJustify:
        return maxw - w;
    case taCenter:
        break;
    }
    return (maxw - w) / 2;
}

namespace {
int along(ScrollDirection d, QSize s) {
    return isHorizontal(d) ? s.width() : s.height();
}
} // namespace

void Scroll::setDirection(ScrollDirection d, QSize image, QSize area) {
    if (d == direction) return;
    if (isHorizontal(d) == isHorizontal(direction))
        pos = static_cast<std::uint16_t>(along(d, image) + along(d, area) - pos);
    else
        pos = static_cast<std::uint16_t>(along(d, image));
    direction = d;
}

bool Scroll::step(QSize image, QSize area) {
    pos = static_cast<std::uint16_t>(pos + pixels);
    const int extent = along(direction, image);
    if (noGap) {
        // An empty image would never bring p back; it is not drawn either, so p may run on.
        if (extent > 0)
            while (pos > extent)
                pos = static_cast<std::uint16_t>(pos - extent);
        return true;
    }
    if (pos > extent + along(direction, area)) {
        if (onlyOnce) return false;
        pos = 0;
    }
    return true;
}

QPoint Scroll::anchor(QSize image, QSize area) const {
    const int p = pos;
    switch (direction) {
    case sdRightToLeft:
        return {area.width() - p, 0};
    case sdLeftToRight:
        return {p - image.width(), 0};
    case sdTopToBottom:
        return {0, p - image.height()};
    case sdBottomToTop:
        break;
    }
    return {0, area.height() - p};
}

std::vector<QPoint> Scroll::copies(QSize image, QSize area) const {
    std::vector<QPoint> out;
    if (image.isEmpty() || area.isEmpty()) return out;
    const QPoint a = anchor(image, area);
    const QRect inside(QPoint(0, 0), area);
    if (!noGap) {
        if (QRect(a, image).intersects(inside)) out.push_back(a);
        return out;
    }
    const bool across = isHorizontal(direction);
    const int extent = along(direction, image);
    const int length = along(direction, area);
    int first = across ? a.x() : a.y();
    // The first copy reaching into the area starts in (-extent, 0].
    first %= extent;
    if (first > 0) first -= extent;
    for (int at = first; at < length; at += extent)
        out.push_back(across ? QPoint(at, 0) : QPoint(0, at));
    return out;
}

} // namespace quotara::banner

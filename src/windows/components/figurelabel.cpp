#include "windows/components/figurelabel.h"

#include "windows/components/figureglyphs.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>

#include <cmath>

namespace quotara {

namespace {

bool oneLineOfPlainText(const QString& text, Qt::TextFormat format) {
    if (format == Qt::RichText || format == Qt::MarkdownText) return false;
    if (format == Qt::AutoText && Qt::mightBeRichText(text)) return false;
    if (text.isRightToLeft()) return false;
    // Line breaks, tabs and length variants are turned into something else when drawn.
    for (QChar c : text)
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator || c == QChar(0x9c))
            return false;
    return true;
}

// A position as QTextLine::draw takes it: in 1/64 of a pixel, the rest dropped.
qreal fixed(qreal v) {
    return std::trunc(v * 64) / 64;
}

} // namespace

bool FigureLabel::drawsPlainly(const QString& text) const {
    // Selectable text, a shortcut's underline, the disabled look and style sheets are drawn
    // in ways of their own.
    constexpr Qt::TextInteractionFlags selectable =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable;
    const QFont& f = font();
    return !text.isEmpty() && !wordWrap() && isEnabled() && !buddy() &&
           !(textInteractionFlags() & selectable) && !testAttribute(Qt::WA_StyleSheet) &&
           !(alignment() & Qt::AlignJustify) && !f.underline() && !f.strikeOut() && !f.overline();
}

void FigureLabel::layOut(const QString& text) {
    if (laidOut_ && !laidText_.isEmpty() && text != laidText_) changes_ = true;
    laidText_ = text;
    laidOut_ = true;
    line_.reset();
    figure_ = false;
    plainLine_ = oneLineOfPlainText(text, textFormat());
    if (!plainLine_) return;

    // Kept from one figure to the next: the run holds no copy of them. A label that keeps one
    // text learns nothing: what it shows is laid out once anyway.
    const FigureGlyphs* g = glyphs_;
    if (g && g->place(text, changes_, figureGlyphs_, figurePositions_, width_, advance_)) {
        ascent_ = g->ascent;
        descent_ = g->descent;
        figureRun_.setRawFont(g->font);
        figureRun_.setRawData(figureGlyphs_.data(), figurePositions_.data(),
                              int(figureGlyphs_.size()));
        figure_ = true;
        return;
    }
    line_.emplace(text, laidFont_);
    line_->setCacheEnabled(true);
    QTextOption option(Qt::AlignLeft);
    option.setTextDirection(Qt::LeftToRight);
    line_->setTextOption(option);
    line_->beginLayout();
    QTextLine line = line_->createLine();
    line.setLineWidth(0x01000000); // never wraps
    line.setPosition(QPointF(0, 0));
    line_->endLayout();
    ascent_ = line.ascent();
    descent_ = line.descent();
    width_ = line.naturalTextWidth();
    advance_ = line.horizontalAdvance();
}

bool FigureLabel::useFont(const QFont& font) {
    if (laidOut_ && laidFont_ == font) return false;
    laidFont_ = font;
    // A text fitted to its room is measured in a size or two more than it is drawn in, each
    // time it changes; those fonts' tables are kept at hand.
    const int dpi = logicalDpiY();
    const auto known =
        std::find_if(recentFonts_.begin(), recentFonts_.end(), [&font, dpi](const KnownFont& f) {
            return f.glyphs && f.dpi == dpi && f.font == font;
        });
    if (known != recentFonts_.end()) {
        glyphs_ = known->glyphs;
    } else {
        glyphs_ = figureGlyphs(font, this);
        std::rotate(recentFonts_.rbegin(), recentFonts_.rbegin() + 1, recentFonts_.rend());
        recentFonts_.front() = {font, dpi, glyphs_};
    }
    return true;
}

std::optional<int> FigureLabel::widthToFit(const QString& text, const QFont& font) {
    useFont(font);
    layOut(text);
    // Rounded as QFontMetrics rounds its 1/64 pixels; trailing spaces count.
    if (!plainLine_ || text.isEmpty()) return std::nullopt;
    return static_cast<int>(std::floor(advance_ + 0.5));
}

void FigureLabel::paintEvent(QPaintEvent* event) {
    // Copied before any pixel is written: the copy's atomic count waits for pending writes
    // (a seventh of the paint in a profile when it came after the ground's fill).
    const QString shown = text();
    // An opaque label had nothing painted beneath it this time: it paints its ground now,
    // and when a widget may be beneath it, leaves it to the next repaint to show.
    const std::optional<QColor> ground = ground_;
    if (ground_ && !stillAlone()) forgetGround();
    if (!drawsPlainly(shown)) {
        if (ground) QPainter(this).fillRect(rect(), *ground);
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (ground)
        painter.fillRect(rect(), *ground);
    else
        learnGround(painter, event);
    // Drawn at each paint: at a fractional scale the contents' repaint reaches into the frame.
    const bool framed = frameShape() != QFrame::NoFrame;
    if (framed) drawFrame(&painter);
    if (useFont(painter.font()) || laidText_ != shown) layOut(shown);
    if (!plainLine_) {
        painter.end();
        QLabel::paintEvent(event);
        return;
    }

    // Where QLabel puts its text: the contents less margin and indent.
    const int align = QStyle::visualAlignment(Qt::LeftToRight, alignment());
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int m = indent();
    if (m < 0 && frameWidth()) m = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (m > 0) {
        if (align & Qt::AlignLeft) room.setLeft(room.left() + m);
        if (align & Qt::AlignRight) room.setRight(room.right() - m);
        if (align & Qt::AlignTop) room.setTop(room.top() + m);
        if (align & Qt::AlignBottom) room.setBottom(room.bottom() - m);
    }

    // And there the line as QPainter::drawText places it: by its height unrounded, clipped
    // when it does not fit.
    const QRectF r(room);
    const qreal height = ascent_ + descent_;
    qreal yoff = 0, xoff = 0;
    if (align & Qt::AlignBottom)
        yoff = r.height() - height;
    else if (align & Qt::AlignVCenter)
        yoff = (r.height() - height) / 2;
    if (align & Qt::AlignRight)
        xoff = r.width() - width_;
    else if (align & Qt::AlignHCenter)
        xoff = (r.width() - width_) / 2;
    const bool clip = !r.contains(QRectF(r.x() + xoff, r.y() + yoff, width_, height));
    xoff = align & Qt::AlignRight     ? r.width() - advance_
           : align & Qt::AlignHCenter ? (r.width() - advance_) / 2
                                      : 0;
    // The widget's painter starts with the foreground pen QLabel draws with; a frame may leave
    // another.
    if (framed) painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
    if (clip) painter.setClipRect(r, Qt::IntersectClip);
    if (figure_)
        painter.drawGlyphRun(QPointF(fixed(r.x() + xoff), fixed(r.y() + yoff) + ascent_),
                             figureRun_);
    else
        line_->lineAt(0).draw(&painter, QPointF(r.x() + xoff, r.y() + yoff));
}

void pinFigureSizes(QWidget* page) {
    const QList<QLabel*> labels = page->findChildren<QLabel*>();
    for (QLabel* label : labels)
        if (dynamic_cast<FigureLabel*>(label)) label->setFixedSize(label->size());
}

} // namespace quotara
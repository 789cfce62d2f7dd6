#include "windows/components/figurelabel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>

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

void FigureLabel::layOut(const QString& text, const QFont& font) {
    laidText_ = text;
    laidFont_ = font;
    laidOut_ = true;
    line_.reset();
    if (!oneLineOfPlainText(text, textFormat())) return;
    line_.emplace(text, font);
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

void FigureLabel::layOutText() {
    const QString shown = text();
    if (drawsPlainly(shown) && (!laidOut_ || laidText_ != shown || laidFont_ != font()))
        layOut(shown, font());
}

std::optional<int> FigureLabel::widthToFit(const QString& text, const QFont& font) {
    if (!laidOut_ || laidText_ != text || laidFont_ != font) layOut(text, font);
    // Rounded as QFontMetrics rounds; trailing spaces count.
    if (!line_ || text.isEmpty()) return std::nullopt;
    return qRound(advance_);
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
    if (!laidOut_ || laidText_ != shown || laidFont_ != painter.font())
        layOut(shown, painter.font());
    if (!line_) {
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
    line_->lineAt(0).draw(&painter, QPointF(r.x() + xoff, r.y() + yoff));
}

void pinFigureSizes(QWidget* page) {
    for (FigureLabel* label : figureLabels(page))
        label->setFixedSize(label->size());
}

std::vector<FigureLabel*> figureLabels(QWidget* page) {
    std::vector<FigureLabel*> figures;
    for (QLabel* label : page->findChildren<QLabel*>())
        if (auto* figure = dynamic_cast<FigureLabel*>(label)) figures.push_back(figure);
    return figures;
}

void layOutNewTexts(const std::vector<FigureLabel*>& labels) {
    for (FigureLabel* label : labels)
        label->layOutText();
}

} // namespace quotara

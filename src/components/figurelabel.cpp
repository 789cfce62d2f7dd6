#include "components/figurelabel.h"

#include <QHash>
#include <QPaintDevice>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>

#include <array>
#include <cmath>
#include <memory>

namespace quotara {

namespace {

// The characters figures are written with; the space is not last, so that the check below
// never ends on a trailing space.
constexpr std::u16string_view kFigureChars = u" p%\u00a3,.-+0123456789";

constexpr std::size_t kFigures = kFigureChars.size();

} // namespace

// Each figure character's glyph and advance in one font, and the kerning of each pair, as
// Qt's layout shapes them.
struct FigureGlyphs {
    QRawFont font;
    std::array<quint32, kFigures> glyph{};
    std::array<qreal, kFigures> advance{};
    std::array<std::array<qreal, kFigures>, kFigures> kerning{}; // added to the first's advance
    qreal ascent = 0, descent = 0;
};

namespace {

int figureIndex(char16_t c) {
    static constexpr auto index = [] {
        std::array<signed char, 256> at{};
        at.fill(-1);
        for (std::size_t k = 0; k < kFigures; ++k)
            at[kFigureChars[k]] = static_cast<signed char>(k);
        return at;
    }();
    return c < index.size() ? index[c] : -1;
}

struct Shaped {
    QList<quint32> glyphs;
    QList<QPointF> positions;
    QRawFont font;
    qreal ascent = 0, descent = 0, advance = 0;
};

// One line as Qt lays it out; no font when it takes more than one font or run flags.
Shaped shape(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(0x01000000);
    layout.endLayout();
    Shaped s{{}, {}, {}, line.ascent(), line.descent(), line.horizontalAdvance()};
    const QList<QGlyphRun> runs = layout.glyphRuns();
    for (const QGlyphRun& run : runs) {
        if (run.rawFont() != runs[0].rawFont() || run.flags() != QGlyphRun::GlyphRunFlags())
            return {};
        s.glyphs += run.glyphIndexes();
        s.positions += run.positions();
    }
    if (!runs.isEmpty() && s.glyphs.size() == text.size() && s.positions.size() == text.size())
        s.font = runs[0].rawFont();
    return s;
}

// The glyphs and kerning of a font, or null when its layout does more than that with figures
// (ligatures, glyphs from another font, kerning that is not pair by pair): checked on every
// pair and on every triple round a kerned pair.
std::unique_ptr<FigureGlyphs> checkFigureGlyphs(const QFont& font) {
    auto g = std::make_unique<FigureGlyphs>();
    for (std::size_t k = 0; k < kFigures; ++k) {
        const Shaped one = shape(QString(QChar(kFigureChars[k])), font);
        if (one.font == QRawFont()) return nullptr;
        if (k == 0) {
            g->font = one.font;
            g->ascent = one.ascent;
            g->descent = one.descent;
        }
        if (one.font != g->font || one.ascent != g->ascent || one.descent != g->descent)
            return nullptr;
        g->glyph[k] = one.glyphs[0];
        g->advance[k] = one.advance;
    }
    QString sample;
    for (char16_t a : kFigureChars)
        for (char16_t b : kFigureChars)
            sample.append(QChar(a)).append(QChar(b));
    Shaped pairs = shape(sample, font);
    if (pairs.font != g->font) return nullptr;
    for (qsizetype i = 0; i < sample.size(); i += 2) {
        const int a = figureIndex(sample[i].unicode()), b = figureIndex(sample[i + 1].unicode());
        g->kerning[a][b] = pairs.positions[i + 1].x() - pairs.positions[i].x() - g->advance[a];
    }
    for (std::size_t a = 0; a < kFigures; ++a)
        for (std::size_t b = 0; b < kFigures; ++b) {
            if (g->kerning[a][b] == 0) continue;
            for (char16_t c : kFigureChars) {
                sample.append(QChar(kFigureChars[a])).append(QChar(kFigureChars[b])).append(c);
                sample.append(c).append(QChar(kFigureChars[a])).append(QChar(kFigureChars[b]));
            }
        }
    const Shaped all = shape(sample, font);
    if (all.font != g->font) return nullptr;
    qreal x = all.positions[0].x();
    for (qsizetype i = 0; i < sample.size(); ++i) {
        const int a = figureIndex(sample[i].unicode());
        if (all.glyphs[i] != g->glyph[a] || all.positions[i] != QPointF(x, g->ascent))
            return nullptr;
        x += g->advance[a];
        if (i + 1 < sample.size()) x += g->kerning[a][figureIndex(sample[i + 1].unicode())];
    }
    if (x != all.positions[0].x() + all.advance) return nullptr;
    return g;
}

const FigureGlyphs* figureGlyphs(const QFont& font, const QPaintDevice* device) {
    static QHash<QString, std::shared_ptr<const FigureGlyphs>> fonts;
    const QString key = font.key() + u'@' + QString::number(device->logicalDpiY());
    auto at = fonts.find(key);
    if (at == fonts.end()) at = fonts.insert(key, checkFigureGlyphs(font));
    return at->get();
}

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

bool FigureLabel::drawsPlainly() const {
    // Selectable text, a shortcut's underline, the disabled look and style sheets are drawn
    // in ways of their own.
    constexpr Qt::TextInteractionFlags selectable =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable;
    const QFont& f = font();
    return !text().isEmpty() && !wordWrap() && isEnabled() && !buddy() &&
           !(textInteractionFlags() & selectable) && !testAttribute(Qt::WA_StyleSheet) &&
           !(alignment() & Qt::AlignJustify) && !f.underline() && !f.strikeOut() && !f.overline();
}

void FigureLabel::layOut(const QString& text) {
    laidText_ = text;
    laidOut_ = true;
    line_.reset();
    figure_ = false;
    plainLine_ = oneLineOfPlainText(text, textFormat());
    if (!plainLine_) return;

    const FigureGlyphs* g = glyphs_;
    const bool figure = g && std::all_of(text.begin(), text.end(),
                                         [](QChar c) { return figureIndex(c.unicode()) >= 0; });
    if (figure) {
        // Kept from one figure to the next: the run holds no copy of them.
        std::vector<quint32>& glyphs = figureGlyphs_;
        std::vector<QPointF>& positions = figurePositions_;
        glyphs.resize(std::size_t(text.size()));
        positions.resize(std::size_t(text.size()));
        qreal x = 0;
        width_ = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const int k = figureIndex(text[i].unicode());
            glyphs[std::size_t(i)] = g->glyph[k];
            positions[std::size_t(i)] = QPointF(x, 0);
            x += g->advance[k];
            if (i + 1 < text.size()) x += g->kerning[k][figureIndex(text[i + 1].unicode())];
            if (text[i] != u' ') width_ = x; // trailing spaces take no room
        }
        advance_ = x;
        ascent_ = g->ascent;
        descent_ = g->descent;
        figure_ = true;
        figureRun_.setRawFont(g->font);
        figureRun_.setRawData(glyphs.data(), positions.data(), int(glyphs.size()));
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
    glyphs_ = figureGlyphs(font, this);
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
    // An opaque label had nothing painted beneath it this time: it paints its ground now,
    // and when a widget may be beneath it, leaves it to the next repaint to show.
    const std::optional<QColor> ground = ground_;
    if (ground_ && !stillAlone()) forgetGround();
    if (!drawsPlainly()) {
        if (ground) QPainter(this).fillRect(rect(), *ground);
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (ground)
        painter.fillRect(rect(), *ground);
    else
        learnGround(painter, event);
    if (frameShape() != QFrame::NoFrame) drawFrame(&painter);
    const QString& shown = text();
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
    painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
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

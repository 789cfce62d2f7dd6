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

struct Glyph {
    quint32 index = 0;
    qreal advance = 0;
};

} // namespace

// Each figure character's glyph and advance in one font, and the kerning of each pair, as
// Qt's layout shapes them. Other characters of a label that changes its text (the date, a
// name) are learnt as they come, each one, pair and triple round a kerned pair checked once
// against Qt's layout of it, so that a text made only of known ones is not shaped again.
struct FigureGlyphs {
    QFont qfont;
    QRawFont font;
    std::array<quint32, kFigures> glyph{};
    std::array<qreal, kFigures> advance{};
    std::array<std::array<qreal, kFigures>, kFigures> kerning{}; // added to the first's advance
    qreal ascent = 0, descent = 0;

    // Places the text's glyphs from the baseline's start; false when some character, pair or
    // triple is not known (and `learn` is false) or is not laid out pair by pair.
    bool place(const QString& text, bool learn, std::vector<quint32>& glyphs,
               std::vector<QPointF>& positions, qreal& width, qreal& advance) const;

  private:
    std::optional<Glyph> glyphFor(char16_t c, bool learn) const;
    std::optional<qreal> kerningFor(char16_t a, char16_t b, bool learn) const;
    bool tripleFits(char16_t a, char16_t b, char16_t c, bool learn) const;
    bool placeByPairs(const QString& text, bool learn, std::vector<quint32>& glyphs,
                      std::vector<QPointF>& positions, qreal& width, qreal& advance) const;

    // None where Qt's layout does more than the glyph, the pair's kerning or the triple's sum.
    mutable std::array<std::optional<Glyph>, 256> letters_{};
    mutable std::array<bool, 256> lettersSeen_{};
    mutable QHash<quint32, std::optional<qreal>> pairs_;
    mutable QHash<quint64, bool> triples_;
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
    g->qfont = font;
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

// Letters of the Latin-1 page that take a glyph of their own: no controls, no soft hyphen.
bool placeable(char16_t c) {
    return (c >= 0x20 && c < 0x7f) || (c >= 0xa0 && c <= 0xff && c != 0xad);
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

std::optional<Glyph> FigureGlyphs::glyphFor(char16_t c, bool learn) const {
    if (const int k = figureIndex(c); k >= 0) return Glyph{glyph[k], advance[k]};
    if (!placeable(c)) return std::nullopt;
    if (lettersSeen_[c]) return letters_[c];
    if (!learn) return std::nullopt;
    std::optional<Glyph> found;
    const Shaped one = shape(QString(QChar(c)), qfont);
    if (one.font == font && one.ascent == ascent && one.descent == descent &&
        one.positions[0] == QPointF(0, ascent))
        found = Glyph{one.glyphs[0], one.advance};
    letters_[c] = found;
    lettersSeen_[c] = true;
    return found;
}

std::optional<qreal> FigureGlyphs::kerningFor(char16_t a, char16_t b, bool learn) const {
    const int i = figureIndex(a), j = figureIndex(b);
    if (i >= 0 && j >= 0) return kerning[i][j];
    const quint32 key = quint32(a) << 16 | b;
    if (const auto at = pairs_.constFind(key); at != pairs_.cend()) return *at;
    if (!learn) return std::nullopt;
    std::optional<qreal> found;
    const auto first = glyphFor(a, true), second = glyphFor(b, true);
    if (first && second) {
        const Shaped two = shape(QString(QChar(a)) + QChar(b), qfont);
        if (two.font == font && two.glyphs == QList<quint32>{first->index, second->index} &&
            two.positions[0] == QPointF(0, ascent) && two.positions[1].y() == ascent &&
            two.positions[1].x() + second->advance == two.advance)
            found = two.positions[1].x() - first->advance;
    }
    pairs_.insert(key, found);
    return found;
}

bool FigureGlyphs::tripleFits(char16_t a, char16_t b, char16_t c, bool learn) const {
    if (figureIndex(a) >= 0 && figureIndex(b) >= 0 && figureIndex(c) >= 0)
        return true; // checked with the font
    const quint64 key = quint64(a) << 32 | quint64(b) << 16 | c;
    if (const auto at = triples_.constFind(key); at != triples_.cend()) return *at;
    if (!learn) return false;
    const QString text = QString(QChar(a)) + QChar(b) + QChar(c);
    std::vector<quint32> glyphs;
    std::vector<QPointF> positions;
    qreal width = 0, total = 0;
    bool fits = false;
    if (placeByPairs(text, true, glyphs, positions, width, total)) {
        const Shaped three = shape(text, qfont);
        fits = three.font == font && three.advance == total &&
               std::equal(glyphs.begin(), glyphs.end(), three.glyphs.begin(), three.glyphs.end());
        for (std::size_t k = 0; fits && k < 3; ++k)
            fits = three.positions[qsizetype(k)] == positions[k] + QPointF(0, ascent);
    }
    triples_.insert(key, fits);
    return fits;
}

bool FigureGlyphs::placeByPairs(const QString& text, bool learn, std::vector<quint32>& glyphs,
                                std::vector<QPointF>& positions, qreal& width, qreal& total) const {
    glyphs.resize(std::size_t(text.size()));
    positions.resize(std::size_t(text.size()));
    qreal x = 0;
    width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto g = glyphFor(text[i].unicode(), learn);
        if (!g) return false;
        glyphs[std::size_t(i)] = g->index;
        positions[std::size_t(i)] = QPointF(x, 0);
        x += g->advance;
        if (i + 1 < text.size()) {
            const auto k = kerningFor(text[i].unicode(), text[i + 1].unicode(), learn);
            if (!k) return false;
            x += *k;
        }
        if (text[i] != u' ') width = x; // trailing spaces take no room
    }
    total = x;
    return true;
}

bool FigureGlyphs::place(const QString& text, bool learn, std::vector<quint32>& glyphs,
                         std::vector<QPointF>& positions, qreal& width, qreal& total) const {
    const bool figure = std::all_of(text.begin(), text.end(),
                                    [](QChar c) { return figureIndex(c.unicode()) >= 0; });
    if (!figure &&
        !std::all_of(text.begin(), text.end(), [](QChar c) { return placeable(c.unicode()); }))
        return false;
    if (!placeByPairs(text, learn, glyphs, positions, width, total)) return false;
    if (figure) return true; // every triple checked with the font
    // A kerned pair is only known to be laid out so among the neighbours it was seen with.
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const char16_t a = text[i].unicode(), b = text[i + 1].unicode();
        if (*kerningFor(a, b, false) == 0) continue;
        if (i > 0 && !tripleFits(text[i - 1].unicode(), a, b, learn)) return false;
        if (i + 2 < text.size() && !tripleFits(a, b, text[i + 2].unicode(), learn)) return false;
    }
    return true;
}

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

#include "windows/components/figureglyphs.h"

#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace quotara {

namespace {

constexpr std::u16string_view kFigureChars = FigureGlyphs::kChars;
constexpr std::size_t kFigures = FigureGlyphs::kFigures;
using Glyph = FigureGlyphs::Glyph;

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

} // namespace

const FigureGlyphs* figureGlyphs(const QFont& font, const QPaintDevice* device) {
    static QHash<QString, std::shared_ptr<const FigureGlyphs>> fonts;
    const QString key = font.key() + u'@' + QString::number(device->logicalDpiY());
    auto at = fonts.find(key);
    if (at == fonts.end()) at = fonts.insert(key, checkFigureGlyphs(font));
    return at->get();
}

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

} // namespace quotara

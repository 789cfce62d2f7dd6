#pragma once
// The glyph tables figure labels (components/figurelabel.h) place their texts from.

#include <QFont>
#include <QHash>
#include <QPaintDevice>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace quotara {

// Each figure character's glyph and advance in one font, and the kerning of each pair, as
// Qt's layout shapes them. Other characters of a label that changes its text (the date, a
// name) are learnt as they come, each one, pair and triple round a kerned pair checked once
// against Qt's layout of it, so that a text made only of known ones is not shaped again.
struct FigureGlyphs {
    // The characters figures are written with; the space is not last, so that the check of a
    // font never ends on a trailing space.
    static constexpr std::u16string_view kChars = u" p%\u00a3,.-+0123456789";
    static constexpr std::size_t kFigures = kChars.size();
    struct Glyph {
        quint32 index = 0;
        qreal advance = 0;
    };

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

// The table of a font on a device, made at its first use; null when Qt's layout does more with
// figures in that font than the table can place.
const FigureGlyphs* figureGlyphs(const QFont& font, const QPaintDevice* device);

} // namespace quotara

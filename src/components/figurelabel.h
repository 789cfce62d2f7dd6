#pragma once
// A label for the figures a page changes while the player looks at it. QLabel lays out and
// shapes its text again at every paint, and a page repaints dozens of figures each End Day;
// this one lays out a new text once and draws it where and as QLabel would (same place, clip
// and colour role), so the page looks the same to the pixel. A figure (digits, signs, "£",
// "p", "%") is not shaped at all: its glyphs are those Qt's own layout gives each character
// in that font, put side by side, which is checked once per font. What is not a single line
// of plain text in an enabled label is left to QLabel.
//
// It has no meta-object of its own: to tests, the accessibility tree and findChild it is a
// QLabel.

#include <QGlyphRun>
#include <QLabel>
#include <QTextLayout>

#include <optional>

namespace quotara {

struct FigureGlyphs;

class FigureLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool drawsPlainly() const;
    void layOut(const QString& text);

    // The text as last laid out, in the painter's font.
    QString laidText_;
    QFont laidFont_;
    const FigureGlyphs* glyphs_ = nullptr; // of laidFont_, when its figures can be placed
    bool laidOut_ = false;
    bool plainLine_ = false;          // one line of plain text
    std::optional<QTextLayout> line_; // any such line
    std::optional<QGlyphRun> figure_; // or a figure, its glyphs from the baseline's start
    qreal ascent_ = 0, descent_ = 0, width_ = 0, advance_ = 0;
};

// Fixes each figure label under `page` at its present size. The pages place their labels by
// hand and never resize them; a fixed size spares the page a layout request at each new text.
void pinFigureSizes(QWidget* page);

} // namespace quotara

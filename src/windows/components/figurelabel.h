#pragma once
// A label for the figures a page changes while the player looks at it. QLabel lays out and
// shapes its text again at every paint, and a page repaints dozens of figures each End Day;
// this one keeps Qt's layout of its text until the text or font changes and draws that, where
// and as QLabel would (same place, clip and colour role), so the page looks the same to the
// pixel. What is not a single line of plain text in an enabled label is left to QLabel. Over a
// ground of one colour it paints that colour itself, once it has seen it there: a new figure
// then repaints the label alone, not the page beneath it.
//
// It has no meta-object of its own: to tests, the accessibility tree and findChild it is a
// QLabel.

#include <QLabel>
#include <QPointer>
#include <QTextLayout>

#include <optional>
#include <vector>

namespace quotara {

class FigureLabel : public QLabel {
  public:
    using QLabel::QLabel;

    // The width QFontMetrics gives the text in the font, found by laying it out as the label
    // draws it, and kept for drawing it in that font; none for what QLabel draws.
    std::optional<int> widthToFit(const QString& text, const QFont& font);
    // Lays out a new text now rather than at the next paint (see layOutNewTexts).
    void layOutText();
    int fittedRoom = -1;   // the room setFittedText last fitted its text to
    int formPixelSize = 0; // and the size its form gave the font, once known

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool drawsPlainly(const QString& text) const;
    void layOut(const QString& text, const QFont& font);
    void findBeneath();
    bool stillAlone() const; // nothing shown or put beneath it
    void learnGround(const QPainter& painter, const QPaintEvent* event);
    void forgetGround();

    // The text as last laid out, in the painter's font.
    QString laidText_;
    QFont laidFont_;
    bool laidOut_ = false;
    std::optional<QTextLayout> line_; // when it is one line of plain text
    qreal ascent_ = 0, descent_ = 0, width_ = 0, advance_ = 0;
    // The one colour beneath the label, once seen there: the label then paints it itself and is
    // repainted alone, without the page beneath it. Seen again after a move, a resize or a
    // new palette, style or state of the windows above, or when a widget may be beneath it.
    std::optional<QColor> ground_;
    qint64 groundKey_ = 0;                   // the windows' palettes when it was looked for
    qint64 groundPlace_ = 0;                 // where they stood among their siblings
    bool groundTried_ = false;               // looked for since
    bool groundBlocked_ = false;             // and a widget was shown beneath it then
    std::vector<QPointer<QWidget>> beneath_; // widgets under it, when looked for
};

// Fixes each figure label under `page` at its present size. The pages place their labels by
// hand and never resize them; a fixed size spares the page a layout request at each new text.
void pinFigureSizes(QWidget* page);

// The figure labels under `page`.
std::vector<FigureLabel*> figureLabels(QWidget* page);
// Lays out the labels' new texts now, one after the other. A page that has just set its figures
// calls it before they are painted: Qt lays out a row of texts faster than the same texts one
// at each label's paint, among the drawing of the page.
void layOutNewTexts(const std::vector<FigureLabel*>& labels);

} // namespace quotara

#pragma once
// The Performance window's worth graph: paints the engine's drawing of the record on a silver
// ground, as the share graph does, and names the day under the mouse. It takes the focus:
// Left, Right, Home and End step a marker from day to day, telling the day as the mouse does,
// and the day told is also the graph's accessible name.
//
// An End Day or a trade only adds to what is drawn: the graph is kept as a picture, and the
// newest lines of the curve (the last one still moves with today's trades) are drawn over it
// until they join it, a few dozen at a time. A day outside the scales, another record, new
// names or a new size draws it all again.

#include "trading/worthgraph.h"

#include <QPixmap>
#include <QStaticText>
#include <QWidget>

namespace quotara {

class WorthGraphView : public QWidget {
  public:
    explicit WorthGraphView(QWidget* parent = nullptr);

    // Draws the state's record now and after every resize, until the next call: the days
    // added or moved since the last call, when the record is the same one grown, else anew.
    void showRecord(const GameState& state);
    const WorthGraph& drawing() const { return graph_; }
    // What a tooltip at x says; empty away from the curve.
    QString textAt(int x) const;
    int markedDay() const { return marked_; } // index into the record's days; -1 for none

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    // What the graph was drawn from besides the days: a change of any draws it anew.
    struct Frame {
        std::int64_t start = 0, target = 0;
        std::uint8_t endday = 0, endmonth = 0;
        QString names[2]; // the legend's, with two players
        friend bool operator==(const Frame&, const Frame&) = default;
    };
    static Frame frameOf(const GameState& state);

    bool addDays(); // the days since the last drawing, onto the picture; false: draw anew
    void redraw();
    void paintPicture();
    // The curve from point `from` to point `to` (indices) where it crosses `within`, with
    // each day's dot while they show.
    void drawCurves(QPainter& p, std::size_t from, std::size_t to, const QRect& within) const;
    void drawCurve(QPainter& p, const std::vector<QPoint>& points, WorthInk ink, std::size_t from,
                   std::size_t to, const QRect& within) const;
    static QRect curveBounds(const std::vector<QPoint>& points, std::size_t from, std::size_t to);
    QString dayText(std::size_t day) const; // the tooltip of a recorded day

    const GameState* state_ = nullptr;
    WorthGraph graph_;
    QPixmap picture_;          // ground, axes, lines, and the curve up to point pictured_
    std::size_t pictured_ = 0; // the rest of the curve is drawn over it
    struct Label {
        QStaticText text;
        QRect box;
        QColor colour;
    };
    std::vector<Label> labels_; // the graph's texts, drawn over the curve
    // Each player's record drawn: its first day and its last settled day (the one before the
    // newest), by which a record grown is told from another one.
    struct Curve {
        DayClose first, settled;
        bool grown(const std::vector<DayClose>& days, std::size_t shown) const;
        void note(const std::vector<DayClose>& days);
    };
    Frame frame_;
    Curve curves_[2];
    int marked_ = -1;
};

} // namespace quotara

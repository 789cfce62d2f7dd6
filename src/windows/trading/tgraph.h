#pragma once
// The share graph window: draws the closing prices of the share chosen on the Share Lookup
// page over one year, six months or one month. The drawing is the engine's; the window keeps
// the one made at the last redraw and paints it whenever it is uncovered. The curve takes the
// focus: Left and Right step a marker along it from day to day (Home and End to either end),
// telling the day's price as pointing at it does, and readers hear the drawing's summary.

#include "trading/graph.h"

#include <QWidget>

#include <functional>
#include <memory>

class QTimer;

namespace quotara {
struct Game;
} // namespace quotara

namespace Ui {
class Tgraph;
}

namespace quotara {

class Tgraph : public QWidget {
    Q_OBJECT

  public:
    // The index (0..19) of the share chosen on the Share Lookup page at this moment.
    using SelectedShare = std::function<int()>;

    Tgraph(Game& game, SelectedShare selectedShare, QWidget* parent = nullptr);
    ~Tgraph() override;

    // The Graph button: shows the window (which draws it) or draws the chosen share again and
    // brings it back to the front; either way at the current month, "testing" undone.
    void open();

    // What the window paints: the drawing made at the last redraw.
    const GraphDrawing& drawing() const { return drawing_; }
    // The month (1..12) the six-month and one-month views end in.
    int lookedAtMonth() const;
    // The day of the year the keyboard's marker is on; 0 for none.
    int markedDay() const { return markedDay_; }
    QWidget* curve() const { return curve_; } // the focus's place on the drawing

  public slots:
    void Button1Click();  // Redraw: a new drawing of the share chosen now
    void Button2Click();  // "testing": look at the next month, December wrapping to January
    void loadup();        // activation: redraw at the next tick
    void needtodisplay(); // Timer1

  protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    GraphRange range() const;
    void showPointAt(QPoint pos, QPoint globalPos);
    void stepMarker(int key); // Qt::Key_Left, Key_Right, Key_Home or Key_End
    void showMarker();

    friend class GraphCurve;

    std::unique_ptr<Ui::Tgraph> ui;
    Game& game_;
    SelectedShare selectedShare_;
    QTimer* timer_;
    GraphDrawing drawing_;
    QWidget* curve_ = nullptr;
    int monthOffset_ = 0; // months "testing" has moved on from the calendar's, 0..11
    int markedDay_ = 0;
    bool needRedraw_ = false;
    bool placed_ = false;
};

} // namespace quotara

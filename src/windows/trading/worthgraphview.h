#pragma once
// The Performance window's worth graph: paints the engine's drawing of the record on a silver
// ground, as the share graph does, and names the day under the mouse. It takes the focus:
// Left, Right, Home and End step a marker from day to day, telling the day as the mouse does,
// and the day told is also the graph's accessible name.

#include "trading/worthgraph.h"

#include <QWidget>

namespace quotara {

class WorthGraphView : public QWidget {
  public:
    explicit WorthGraphView(QWidget* parent = nullptr);

    // Draws the state's record now and after every resize, until the next call.
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
    void redraw();
    const GameState* state_ = nullptr;
    WorthGraph graph_;
    int marked_ = -1;
};

} // namespace quotara

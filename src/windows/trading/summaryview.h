#pragma once
// The Performance window's summary line: its parts (the level, the days left, the profit so
// far, the best and the worst day) joined by " - ", wrapped between parts as the width needs
// (a part wider than the line within itself). Each part keeps its text laid out, and a new
// part repaints only where the line changed: an End Day, which changes the days left and the
// profit, lays out and draws those two, not the whole line.

#include <QStaticText>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace quotara {

class SummaryView : public QWidget {
  public:
    explicit SummaryView(QWidget* parent = nullptr);
    ~SummaryView() override;

    void setParts(const QStringList& parts);
    QString text() const; // the whole line, as a screen reader reads it

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    struct Part {
        QString text;
        QStaticText glyphs;
        bool laid = false;      // glyphs made for text
        int width = 0;          // pixels on one line
        int wrappedAt = -1;     // the width its lines were made for; -1: one line
        QRect box;              // where it is drawn
        bool separated = false; // " - " drawn before it
        bool fresh = true;      // a text not drawn yet
    };
    struct Place {
        QRect box;
        bool separated = false;
    };
    // Where the parts go at the width, and the height they take.
    std::vector<Place> place(int width, int* height) const;
    int heightAt(const Part& part, int width) const;
    void lay(Part& part, int width) const; // its lines at width, or one line for -1
    void layOut(); // places them at the widget's width; repaints where they changed

    std::vector<Part> parts_;
    QStaticText separator_;
    int separatorWidth_ = 0;
};

} // namespace quotara

#pragma once
// A one-line text that scrolls from right to left through the control, passing once and
// leaving the area empty before it comes round again. The text is drawn into an image once
// per change, so a step only moves pixels.

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace quotara {

class TextScroller : public QWidget {
    Q_OBJECT

  public:
    explicit TextScroller(QWidget* parent = nullptr);

    // A new text goes on from the current offset.
    void setScrollText(const QString& text);
    QString scrollText() const { return text_; }

    void setTextColor(const QColor& colour);
    void setScrollInterval(int ms) { timer_.setInterval(ms); } // default 200 ms
    int scrollInterval() const { return timer_.interval(); }
    void setScrollPixels(int pixels) { pixels_ = static_cast<std::uint16_t>(pixels); } // default 4

    // Pixels the text has moved in from the right edge; wraps like a 16-bit counter.
    std::uint16_t position() const { return pos_; }
    int textWidth() const { return image_.width(); }

  public slots:
    // One step: the text moves left by the step; once it has left the area it starts again
    // at the right edge.
    void tick();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void render();

    QString text_;
    QColor colour_ = Qt::black;
    QImage image_;
    QTimer timer_;
    std::uint16_t pos_ = 0;
    std::uint16_t pixels_ = 4;
};

} // namespace quotara

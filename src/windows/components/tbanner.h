#pragma once
// A display control that scrolls a picture continuously through its area: a picture given to
// it, one line of text (ScrollText) or several lines rendered into a picture (Lines).
//
// Text is rendered into an image once per change; a tick only moves the offset and copies
// that image into the widget's backing store, which reaches the screen in one flush, so the
// text neither flickers nor is laid out again while it scrolls. The control is opaque: it
// paints every pixel itself.
//
// Until its after-loading step has run (loaded(), called by the owner once a form has set
// the properties, or by itself when control first returns to the event loop) switching on
// is ignored, as while a form is being read.

#include "components/bannerscroll.h"

#include <QColor>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace quotara {

class Messages;

class TBanner : public QWidget {
    Q_OBJECT
    // Start scrolling whenever a new scroll image is made or assigned.
    Q_PROPERTY(bool AutoEnable READ autoEnable WRITE setAutoEnable)
    // The scroll image given directly. A form sets it only when it sets neither text nor
    // lines.
    Q_PROPERTY(QPixmap Bitmap READ bitmap WRITE setBitmap)
    // Scrolling on (timer running) or off; apart from QWidget's own enabled state.
    Q_PROPERTY(bool Enabled READ scrollingEnabled WRITE setScrollingEnabled STORED false)
    Q_PROPERTY(QStringList Lines READ lines WRITE setLines)
    Q_PROPERTY(TAlignment LinesAlign READ linesAlign WRITE setLinesAlign)
    Q_PROPERTY(bool NoGap READ noGap WRITE setNoGap)
    Q_PROPERTY(bool OnlyOnce READ onlyOnce WRITE setOnlyOnce)
    Q_PROPERTY(TScrollDirection ScrollDirection READ scrollDirection WRITE setScrollDirection)
    Q_PROPERTY(quint16 ScrollInterval READ scrollInterval WRITE setScrollInterval)
    Q_PROPERTY(quint16 ScrollPixels READ scrollPixels WRITE setScrollPixels)
    Q_PROPERTY(QString ScrollText READ scrollText WRITE setScrollText)
    // Background of the whole area and of rendered text; the parent's colour until set.
    Q_PROPERTY(QColor Color READ color WRITE setColor RESET unsetColor)
    // Font of rendered text, and its colour.
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)

  public:
    enum TAlignment {
        taLeftJustify = banner::taLeftJustify,
        taRightJustify = banner::taRightJustify,
        taCenter = banner::taCenter,
    };
    Q_ENUM(TAlignment)
    enum TScrollDirection {
        sdRightToLeft = banner::sdRightToLeft,
        sdLeftToRight = banner::sdLeftToRight,
        sdTopToBottom = banner::sdTopToBottom,
        sdBottomToTop = banner::sdBottomToTop,
    };
    Q_ENUM(TScrollDirection)

    // 100 x 100, off, interval 200 ms, 4 pixels a tick, right to left, lines centred.
    explicit TBanner(QWidget* parent = nullptr);
    ~TBanner() override;

    // Where "Assign a bitmap or text to banner before enabling" is reported (the standard
    // error box). Without one it goes to the debug log.
    void setMessages(Messages* messages) { messages_ = messages; }

    // The after-loading step: renders the stored text or lines and, with AutoEnable and an
    // image, switches scrolling on. Runs once; later calls do nothing.
    void loaded();

    bool autoEnable() const { return autoEnable_; }
    void setAutoEnable(bool on) { autoEnable_ = on; }

    QPixmap bitmap() const { return image_; }
    void setBitmap(const QPixmap& picture);

    bool scrollingEnabled() const { return enabled_; }
    // Switching on without a usable image, text or lines reports the error and stays off.
    // OnEnable / OnDisable fire on every write that is carried out, also without a change.
    void setScrollingEnabled(bool on);

    QStringList lines() const { return lines_; }
    void setLines(const QStringList& lines);
    TAlignment linesAlign() const { return linesAlign_; }
    void setLinesAlign(TAlignment align);

    bool noGap() const { return scroll_.noGap; }
    void setNoGap(bool on) { scroll_.noGap = on; }
    bool onlyOnce() const { return scroll_.onlyOnce; }
    void setOnlyOnce(bool on) { scroll_.onlyOnce = on; }

    TScrollDirection scrollDirection() const {
        return static_cast<TScrollDirection>(scroll_.direction);
    }
    // Keeps the image where it is on screen.
    void setScrollDirection(TScrollDirection direction);

    // Milliseconds between ticks; 0 stops the ticks while leaving scrolling on.
    quint16 scrollInterval() const { return interval_; }
    void setScrollInterval(quint16 ms);
    quint16 scrollPixels() const { return scroll_.pixels; }
    void setScrollPixels(quint16 pixels) { scroll_.pixels = pixels; }

    QString scrollText() const { return scrollText_; }
    // Renders the text anew; the offset is kept, so a new text goes on from where the old one
    // was.
    void setScrollText(const QString& text);

    QColor color() const;
    void setColor(const QColor& colour);
    void unsetColor();
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& colour);

    // The scroll offset in pixels (16-bit, wraps) and the scroll image's size.
    std::uint16_t scrollPos() const { return scroll_.pos; }
    void setScrollPos(std::uint16_t pos) { scroll_.pos = pos; }
    QSize imageSize() const;

  public slots:
    // One step of the timer: move, stop after one pass with OnlyOnce, repaint at once.
    void ScrollTick();
    // Renders Lines into the scroll image, each line placed by LinesAlign.
    void BuildLinesBitmap();

  signals:
    void OnScroll();
    void OnEnable();
    void OnDisable();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool imageMissing() const;
    bool imageRendered() const { return !scrollText_.isEmpty() || !lines_.isEmpty(); }
    // A new scroll image filled with Color; false (and no image) when the size is empty.
    bool newImage(QSize size);
    void renderText();
    void renderLines();
    void rerender();
    void updateTimer();
    void reportError(const QString& text);
    // The text as readers hear it: the banner's accessible name, the bus told of each change.
    void tellReaders(const QString& text);

    banner::Scroll scroll_;
    QPixmap image_;
    QStringList lines_;
    QString scrollText_;
    TAlignment linesAlign_ = taCenter;
    QColor color_;
    QColor fontColor_ = Qt::black;
    QTimer timer_;
    quint16 interval_ = 200;
    bool autoEnable_ = true;
    bool enabled_ = false;
    bool loading_ = true;
    Messages* messages_ = nullptr;
    QString formName_; // the accessible name the form gave, for when there is no text
};

} // namespace quotara

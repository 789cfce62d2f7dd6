#include "windows/components/look.h"

#include "windows/components/figurelabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace quotara {

namespace {

// Fusion draws a scroll bar's thumb a shade lighter than its groove, with a hairline edge; on
// its plain grey a player takes the darker groove for the thumb: at the top of a page the
// "thumb" seems to sit at the bottom, and in the middle there seem to be two. The thumb is
// drawn here as a solid darker bar, so it shows where the page is.
class ClearScrollBars final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar || !(bar->subControls & SC_ScrollBarSlider)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSlider rest = *bar;
        rest.subControls &= ~SC_ScrollBarSlider;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
        const QRect thumb = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
        if (thumb.isEmpty()) return;
        const bool on = bar->activeSubControls & SC_ScrollBarSlider;
        QColor fill = bar->palette.color(QPalette::Mid);
        if (on && (bar->state & State_Sunken))
            fill = fill.darker(130);
        else if (on && (bar->state & State_MouseOver))
            fill = fill.darker(115);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(bar->palette.color(QPalette::Dark));
        painter->setBrush(fill);
        painter->drawRoundedRect(QRectF(thumb).adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
        painter->restore();
    }
};

} // namespace

void applyLook(QApplication& app) {
    // A desktop's own style draws its scroll bars as its other programs do.
    if (app.style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
        app.setStyle(new ClearScrollBars(QStyleFactory::create(QStringLiteral("Fusion"))));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // The design's "MS Sans Serif" by the name of the face it maps to: the first window's text
    // then needs no search for a family the system does not have.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    app.setFont(font);
}

namespace {
void toPixels(QWidget* w) {
    if (!w->testAttribute(Qt::WA_SetFont)) return;
    QFont f = w->font();
    if (!(f.resolveMask() & QFont::SizeResolved) || f.pointSizeF() <= 0) return;
    f.setPixelSize(static_cast<int>(std::lround(f.pointSizeF() * 96.0 / 72.0)));
    w->setFont(f);
}
} // namespace

void usePixelFonts(QWidget* root) {
    toPixels(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        toPixels(w);
}

QColor colourOf(Tone tone) {
    switch (tone) {
    case Tone::Blue:
        return Qt::blue;
    case Tone::Red:
        return Qt::red;
    case Tone::Black:
        break;
    }
    return Qt::black;
}

namespace {
// The role a label draws a figure of each colour with. Its palette holds all three colours,
// so a figure that changes colour changes role: a new palette would re-polish the label and
// cost more than repainting it.
QPalette::ColorRole roleOf(Tone tone) {
    switch (tone) {
    case Tone::Blue:
        return QPalette::Link;
    case Tone::Red:
        return QPalette::BrightText;
    case Tone::Black:
        break;
    }
    return QPalette::WindowText;
}
} // namespace

void setTone(QWidget* widget, Tone tone) {
    const QColor colour = colourOf(tone);
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label) {
        if (widget->palette().color(QPalette::WindowText) == colour) return;
        QPalette pal = widget->palette();
        pal.setColor(QPalette::WindowText, colour);
        widget->setPalette(pal);
        return;
    }
    const QPalette& now = label->palette();
    if (label->foregroundRole() == roleOf(tone) && now.color(roleOf(tone)) == colour) return;
    const Tone tones[] = {Tone::Black, Tone::Blue, Tone::Red};
    if (!std::all_of(std::begin(tones), std::end(tones),
                     [&now](Tone t) { return now.color(roleOf(t)) == colourOf(t); })) {
        QPalette pal = now;
        for (Tone t : tones)
            pal.setColor(roleOf(t), colourOf(t));
        label->setPalette(pal);
    }
    if (label->foregroundRole() == roleOf(tone)) return;
    label->setForegroundRole(roleOf(tone));
    label->update();
}

QColor shownColour(const QWidget* widget) {
    return widget->palette().color(widget->foregroundRole());
}

void setToned(QLabel* label, const QString& text, Tone tone) {
    label->setText(text);
    setTone(label, tone);
}

void setFittedText(QLabel* label, const QString& text) {
    // Measuring is the costly part; the same text in the same room needs none. A figure label
    // keeps what it was fitted to (a page sets its names each day); others in properties.
    auto* figure = dynamic_cast<FigureLabel*>(label);
    const char* fitted = "fittedWidth";
    // The room inside the label's frame and margins.
    const int room = label->contentsRect().width();
    if (label->text() == text &&
        (figure ? figure->fittedRoom : label->property(fitted).toInt()) == room)
        return;
    if (figure)
        figure->fittedRoom = room;
    else
        label->setProperty(fitted, room);
    const char* key = "formPixelSize";
    QFont f = label->font();
    int px = figure ? figure->formPixelSize : label->property(key).toInt();
    if (px <= 0) { // not known yet
        px = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
        if (figure)
            figure->formPixelSize = px;
        else
            label->setProperty(key, px);
    }
    f.setPixelSize(px);
    // A figure label measures as it will draw, and keeps that for drawing it.
    const auto width = [&f, &text, figure] {
        const std::optional<int> w = figure ? figure->widthToFit(text, f) : std::nullopt;
        return w ? *w : QFontMetrics(f).horizontalAdvance(text);
    };
    while (px > 8 && width() > room)
        f.setPixelSize(--px);
    if (f != label->font()) label->setFont(f);
    label->setText(text);
}

namespace {
class CompactTabStyle final : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_TabBarTabHSpace:
            return 10;
        case PM_TabBarTabVSpace:
            return 6;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};
} // namespace

void useCompactTabs(QTabWidget* tabs) {
    auto* style = new CompactTabStyle;
    style->setParent(tabs); // a widget does not own the style it is given
    tabs->tabBar()->setStyle(style);
}

void useClassicFrame(QGroupBox* box) {
    QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"));
    if (!classic) return;
    classic->setParent(box); // a widget does not own the style it is given
    box->setStyle(classic);
}

namespace {

// Removes itself after the first show of the page it watches.
class FirstShow final : public QObject {
  public:
    FirstShow(QWidget* page, std::vector<ButtonIcon> icons, std::function<void()> more)
        : QObject(page), icons_(std::move(icons)), more_(std::move(more)) {
        page->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* page = static_cast<QWidget*>(watched);
            for (const auto& [button, pixmap] : icons_)
                button->setIcon(page->style()->standardIcon(pixmap));
            if (more_) more_();
            page->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

  private:
    std::vector<ButtonIcon> icons_;
    std::function<void()> more_;
};

} // namespace

void setIconsWhenShown(QWidget* page, std::initializer_list<ButtonIcon> icons,
                       std::function<void()> more) {
    new FirstShow(page, std::vector<ButtonIcon>(icons), std::move(more));
}

void pressWithEnter(QWidget* root) {
    for (auto* button : root->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

namespace {

class FocusReturn final : public QObject {
  public:
    FocusReturn(QWidget* window, std::function<QWidget*()> next)
        : QObject(window), next_(std::move(next)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && !event->spontaneous()) {
            QWidget* active = QApplication::activeWindow();
            if (active == watched || !active) {
                QWidget* next = next_();
                if (next && next->isVisible()) {
                    next->raise();
                    next->activateWindow();
                }
            }
        }
        return false;
    }

  private:
    std::function<QWidget*()> next_;
};

} // namespace

void returnFocusOnHide(QWidget* window, std::function<QWidget*()> next) {
    new FocusReturn(window, std::move(next));
}

QRect placeBeside(const QRect& screen, const QRect& keep, QSize preferred, QSize least,
                  const QMargins& frame) {
    constexpr int kGap = 4; // pixels between the two frames
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    // The client area's room on each side of keep.
    const int right = screen.right() - keep.right() - kGap - frameWidth;
    const int left = keep.left() - screen.left() - kGap - frameWidth;
    const int below = screen.bottom() - keep.bottom() - kGap - frameHeight;
    const int above = keep.top() - screen.top() - kGap - frameHeight;
    // Where a frame of `size` starts so that its middle is level with `middle`, on the screen.
    const auto along = [](int middle, int size, int low, int high) {
        return std::clamp(middle - size / 2, low, std::max(low, high - size + 1));
    };
    const int side = std::max(left, right), upDown = std::max(above, below);
    if (side >= least.width() || upDown < least.height()) {
        const int w = std::min(
            {preferred.width(), std::max(side, least.width()), screen.width() - frameWidth});
        const int h = std::min(preferred.height(), screen.height() - frameHeight);
        const int x = right >= left ? std::min(keep.right() + kGap + 1 + frame.left(),
                                               screen.right() - frame.right() - w + 1)
                                    : std::max(keep.left() - kGap - frame.right() - w,
                                               screen.left() + frame.left());
        const int y = along(keep.center().y(), h + frameHeight, screen.top(), screen.bottom());
        return {x, y + frame.top(), w, h};
    }
    const int w = std::min(preferred.width(), screen.width() - frameWidth);
    const int h = std::min(preferred.height(), upDown);
    const int y = below >= above ? keep.bottom() + kGap + 1 + frame.top()
                                 : keep.top() - kGap - frame.bottom() - h;
    const int x = along(keep.center().x(), w + frameWidth, screen.left(), screen.right());
    return {x + frame.left(), y, w, h};
}

void bringToFront(QWidget* window) {
    if (!window->isVisible()) centreOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace quotara

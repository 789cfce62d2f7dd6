// The picture module: draws a game with Qt's painter, headless. It is a library of its own,
// loaded by quotara-sim only for --plot, so the simulator itself starts with Qt Core alone.

#include "plotdata.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <functional>

namespace quotara::sim {
namespace {

constexpr int kWidth = 1240;
constexpr double kLeft = 70, kRight = 230, kTop = 56, kGap = 34;
constexpr double kIndexHeight = 220, kStripHeight = 26, kPriceHeight = 300, kWorthHeight = 190;

// Fonts need a GUI application; a headless one will do.
void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quotara-sim";
    static char* argv[] = {name, nullptr};
    // Its start-up complaints (no runtime folder and the like) are no concern of a picture.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication app(argc, argv);
    qInstallMessageHandler(previous);
}

// A step of 1, 2 or 5 times a power of ten giving about `ticks` lines over range.
double niceStep(double range, int ticks) {
    const double raw = std::max(range, 1e-9) / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= raw) return m * power;
    return 10 * power;
}

// One chart: days along, values up.
class Panel {
  public:
    // Values that grow more than fifty-fold (decades of free play) go on a log scale, where
    // everything at 1 or below sits on the floor.
    Panel(QPainter& p, QRectF area, std::size_t days, double lo, double hi)
        : p_(p), area_(area), days_(days), log_(lo >= 0 && hi > 50 * std::max(lo, 1.0)) {
        if (log_) {
            lo = std::log10(std::max(lo, 1.0));
            hi = std::log10(hi);
        }
        const double pad = std::max((hi - lo) * 0.05, 1e-6);
        lo_ = lo - pad;
        hi_ = hi + pad;
    }
    double x(std::size_t day) const {
        return area_.left() + (days_ > 1 ? area_.width() * double(day) / double(days_ - 1) : 0);
    }
    double y(double v) const {
        if (log_) v = std::log10(std::max(v, 1.0));
        return area_.bottom() - (v - lo_) / (hi_ - lo_) * area_.height();
    }

    void frame(const QString& caption, const QString& unit) {
        p_.setPen(QColor(0xDD, 0xDD, 0xDD));
        const double step = log_ ? 1 : niceStep(hi_ - lo_, 5);
        p_.setFont(small());
        for (double t = std::ceil(lo_ / step) * step; t <= hi_; t += step) {
            const double v = log_ ? std::pow(10.0, t) : t;
            p_.setPen(QColor(0xE4, 0xE4, 0xE4));
            p_.drawLine(QPointF(area_.left(), y(v)), QPointF(area_.right(), y(v)));
            p_.setPen(Qt::darkGray);
            p_.drawText(QRectF(0, y(v) - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                        QString::number(v, 'f', step < 1 ? 1 : 0));
        }
        p_.setPen(Qt::black);
        p_.setFont(bold());
        p_.drawText(QPointF(area_.left(), area_.top() - 8), caption);
        p_.setFont(small());
        p_.setPen(Qt::darkGray);
        p_.drawText(QPointF(area_.left() + 8 + QFontMetricsF(bold()).horizontalAdvance(caption),
                            area_.top() - 8),
                    log_ ? unit + QStringLiteral(", log scale") : unit);
        p_.setPen(Qt::gray);
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(area_);
    }

    // Every `stride`-th day: enough points for the pixels, whatever the length of the game.
    void line(const std::function<double(std::size_t)>& value, const QPen& pen) {
        const std::size_t stride = std::max<std::size_t>(1, days_ / (2 * kWidth));
        QPainterPath path;
        for (std::size_t d = 0; d < days_; d += stride) {
            const QPointF pt(x(d), y(value(d)));
            d == 0 ? path.moveTo(pt) : path.lineTo(pt);
        }
        if ((days_ - 1) % stride != 0) path.lineTo(x(days_ - 1), y(value(days_ - 1)));
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }

    void level(double v, const QPen& pen, const QString& label) {
        p_.setPen(pen);
        p_.drawLine(QPointF(area_.left(), y(v)), QPointF(area_.right(), y(v)));
        legend(y(v), pen.color(), label);
    }

    // A label in the right margin, at height atY.
    void legend(double atY, const QColor& colour, const QString& text) {
        p_.setPen(QPen(colour, 3));
        p_.drawLine(QPointF(area_.right() + 6, atY), QPointF(area_.right() + 20, atY));
        p_.setPen(Qt::black);
        p_.setFont(small());
        p_.drawText(QRectF(area_.right() + 24, atY - 8, kRight - 26, 16),
                    Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    const QRectF& area() const { return area_; }

    static QFont small() {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(12);
        return f;
    }
    static QFont bold() {
        QFont f = small();
        f.setPixelSize(14);
        f.setBold(true);
        return f;
    }

  private:
    QPainter& p_;
    QRectF area_;
    std::size_t days_;
    bool log_;
    double lo_, hi_;
};

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Month lines through every panel; labels under the last one, thinned out for long games.
void drawCalendar(QPainter& p, const PlotData& data, const Panel& axis, double top, double bottom) {
    const std::size_t n = data.days.size();
    const double years = double(n) / 365.0;
    const int everyYears = years <= 12 ? 1 : years <= 40 ? 5 : 10;
    p.setFont(Panel::small());
    for (std::size_t d = 1; d < n; ++d) {
        const PlotDay& day = data.days[d];
        const bool january = day.month == 1;
        if (day.day != 1 || (years > 4 && !(january && day.year % everyYears == 0))) continue;
        p.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 1, january ? Qt::SolidLine : Qt::DotLine));
        p.drawLine(QPointF(axis.x(d), top), QPointF(axis.x(d), bottom));
        if (years > 1.5 && !january) continue;
        p.setPen(Qt::darkGray);
        p.drawText(QRectF(axis.x(d) - 30, bottom + 2, 60, 16), Qt::AlignCenter,
                   january ? QString::number(day.year)
                           : QString::fromLatin1(kMonths[day.month - 1]));
    }
}

template <typename Get> std::pair<double, double> range(const PlotData& data, Get get) {
    double lo = get(data.days[0]), hi = lo;
    for (const PlotDay& d : data.days) {
        lo = std::min(lo, get(d));
        hi = std::max(hi, get(d));
    }
    return {lo, hi};
}

double percentOf(double v, double start) {
    return start > 0 ? 100.0 * v / start : 0;
}

int pictureHeight(const PlotData& data) {
    return int(kTop + kIndexHeight + kGap + kStripHeight + kGap + kPriceHeight +
               (data.showWorth ? kGap + kWorthHeight : 0) + 40);
}

void draw(QPainter& p, const PlotData& data) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, kWidth, pictureHeight(data)), Qt::white);
    p.setPen(Qt::black);
    QFont title = Panel::bold();
    title.setPixelSize(17);
    p.setFont(title);
    p.drawText(QRectF(kLeft, 8, kWidth - kLeft - kRight, 26), Qt::AlignLeft | Qt::AlignVCenter,
               data.title);
    const std::size_t n = data.days.size();
    const PlotDay& first = data.days.front();
    const PlotDay& last = data.days.back();
    const double plotWidth = kWidth - kLeft - kRight;
    double top = kTop;

    // The three indices against their values on the first day.
    struct Index {
        const char* name;
        std::int32_t PlotDay::*field;
        QColor colour;
    };
    const Index indices[] = {{"FTSE 100", &PlotDay::ftse, QColor(0x1F, 0x4E, 0xA8)},
                             {"Dow Jones", &PlotDay::dow, QColor(0xC0, 0x39, 0x2B)},
                             {"Hang Seng", &PlotDay::hangseng, QColor(0x1E, 0x8C, 0x45)}};
    double lo = 100, hi = 100;
    for (const Index& ix : indices) {
        const auto [a, b] =
            range(data, [&](const PlotDay& d) { return percentOf(d.*ix.field, first.*ix.field); });
        lo = std::min(lo, a);
        hi = std::max(hi, b);
    }
    Panel indexPanel(p, QRectF(kLeft, top, plotWidth, kIndexHeight), n, lo, hi);
    indexPanel.frame(QStringLiteral("Indices"), QStringLiteral("% of the first day"));
    double legendY = top + 14;
    for (const Index& ix : indices) {
        indexPanel.line(
            [&](std::size_t d) { return percentOf(data.days[d].*ix.field, first.*ix.field); },
            QPen(ix.colour, 1.6));
        indexPanel.legend(legendY, ix.colour,
                          QStringLiteral("%1 %2 to %3")
                              .arg(QString::fromLatin1(ix.name))
                              .arg(first.*ix.field)
                              .arg(last.*ix.field));
        legendY += 20;
    }
    top += kIndexHeight + kGap;

    // The days whose draw put up a headline, and the unemployment headlines.
    const QRectF strip(kLeft, top, plotWidth, kStripHeight);
    p.setPen(Qt::black);
    p.setFont(Panel::bold());
    p.drawText(QPointF(kLeft, top - 8), QStringLiteral("Headlines"));
    p.setPen(Qt::gray);
    p.drawRect(strip);
    const QColor newsColour(0x4A, 0x6F, 0xD0), unemploymentColour(0xE6, 0x7E, 0x22);
    int newsDays = 0;
    for (std::size_t d = 0; d < n; ++d) {
        const PlotDay& day = data.days[d];
        newsDays += day.news ? 1 : 0;
        if (!day.news && !day.unemployment) continue;
        const double x = indexPanel.x(d);
        p.setPen(QPen(day.unemployment ? unemploymentColour : newsColour, 1.2));
        if (day.news) p.drawLine(QPointF(x, strip.top() + 2), QPointF(x, strip.center().y()));
        if (day.unemployment)
            p.drawLine(QPointF(x, strip.center().y()), QPointF(x, strip.bottom() - 2));
    }
    indexPanel.legend(strip.top() + 6, newsColour, QStringLiteral("news on %1 days").arg(newsDays));
    indexPanel.legend(strip.bottom() - 6, unemploymentColour, QStringLiteral("unemployment"));
    top += kStripHeight + kGap;

    // Each share against its own start price, and their mean.
    const auto share = [&](std::size_t d, int i) {
        return percentOf(data.days[d].prices[std::size_t(i)], first.prices[std::size_t(i)]);
    };
    const auto mean = [&](std::size_t d) {
        double sum = 0;
        for (int i = 0; i < kShareCount; ++i)
            sum += share(d, i);
        return sum / kShareCount;
    };
    lo = hi = 100;
    for (std::size_t d = 0; d < n; ++d)
        for (int i = 0; i < kShareCount; ++i) {
            lo = std::min(lo, share(d, i));
            hi = std::max(hi, share(d, i));
        }
    Panel pricePanel(p, QRectF(kLeft, top, plotWidth, kPriceHeight), n, lo, hi);
    pricePanel.frame(QStringLiteral("Share prices"), QStringLiteral("% of the first day"));
    int best = 0, worst = 0;
    for (int i = 0; i < kShareCount; ++i) {
        QColor c = QColor::fromHsv((i * 360 / kShareCount) % 360, 150, 200);
        c.setAlpha(150);
        pricePanel.line([&](std::size_t d) { return share(d, i); }, QPen(c, 1));
        if (share(n - 1, i) > share(n - 1, best)) best = i;
        if (share(n - 1, i) < share(n - 1, worst)) worst = i;
    }
    pricePanel.line(mean, QPen(Qt::black, 2.4));
    pricePanel.legend(top + 14, Qt::black,
                      QStringLiteral("mean of 20: %1 %").arg(mean(n - 1), 0, 'f', 0));
    for (int i : {best, worst}) {
        const QColor c = QColor::fromHsv((i * 360 / kShareCount) % 360, 150, 200);
        pricePanel.legend(std::clamp(pricePanel.y(share(n - 1, i)), top + 34, top + kPriceHeight),
                          c,
                          QStringLiteral("%1 %2p")
                              .arg(data.names[std::size_t(i)])
                              .arg(data.days[n - 1].prices[std::size_t(i)]));
    }
    double bottom = top + kPriceHeight;

    if (data.showWorth) {
        top += kPriceHeight + kGap;
        auto [a, b] = range(data, [](const PlotDay& d) { return double(d.worth); });
        const double target = data.target > 0 ? double(data.target) : double(data.money);
        a = std::min({a, double(data.money), target});
        b = std::max({b, double(data.money), target});
        Panel worthPanel(p, QRectF(kLeft, top, plotWidth, kWorthHeight), n, a, b);
        worthPanel.frame(QStringLiteral("Worth"), QStringLiteral("pounds: cash and shares"));
        worthPanel.level(double(data.money), QPen(Qt::gray, 1.2, Qt::DotLine),
                         QStringLiteral("start £%1").arg(data.money));
        if (data.target > 0)
            worthPanel.level(target, QPen(QColor(0xC0, 0x39, 0x2B), 1.4, Qt::DashLine),
                             QStringLiteral("target £%1").arg(data.target));
        worthPanel.line([&](std::size_t d) { return double(data.days[d].worth); },
                        QPen(QColor(0x1E, 0x8C, 0x45), 2.2));
        worthPanel.legend(worthPanel.y(double(last.worth)), QColor(0x1E, 0x8C, 0x45),
                          QStringLiteral("worth £%1").arg(last.worth));
        bottom = top + kWorthHeight;
    }
    drawCalendar(p, data, indexPanel, kTop, bottom);
}

} // namespace

} // namespace quotara::sim

extern "C" Q_DECL_EXPORT bool quotaraDrawPlot(const quotara::sim::PlotData* data, bool svg,
                                              QByteArray* bytes) {
    using namespace quotara::sim;
    ensureGuiApplication();
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    const int height = pictureHeight(*data);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(kWidth, height));
        generator.setViewBox(QRect(0, 0, kWidth, height));
        generator.setTitle(data->title);
        QPainter p(&generator);
        draw(p, *data);
        return true;
    }
    QImage image(kWidth, height, QImage::Format_RGB32);
    QPainter p(&image);
    draw(p, *data);
    p.end();
    return image.save(&buffer, "PNG");
}

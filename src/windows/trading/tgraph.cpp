#include "windows/trading/tgraph.h"

#include "state/game.h"
#include "ui_tgraph.h"
#include "windows/components/look.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace quotara {

namespace {
const QColor kSilver(192, 192, 192);
// Round the axes, the curve and the scale's labels, clear of the buttons.
const QRect kCurveArea(QPoint(4, 10), QPoint(416, 256));
} // namespace

// Where the focus rests on the drawing; the window paints the marker and the focus.
class GraphCurve final : public QWidget {
  public:
    explicit GraphCurve(Tgraph* graph) : QWidget(graph), graph_(graph) {
        setObjectName(QStringLiteral("curve"));
        setFocusPolicy(Qt::StrongFocus);
        // The mouse's pointing is the window's, as is all painting.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(kCurveArea);
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
            graph_->stepMarker(e->key());
            return;
        default:
            QWidget::keyPressEvent(e);
        }
    }
    void focusInEvent(QFocusEvent* e) override {
        QWidget::focusInEvent(e);
        graph_->update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QWidget::focusOutEvent(e);
        graph_->update();
    }

  private:
    Tgraph* graph_;
};

Tgraph::Tgraph(Game& game, SelectedShare selectedShare, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::Tgraph>()), game_(game), selectedShare_(std::move(selectedShare)),
      timer_(new QTimer(this)) {
    ui->setupUi(this);
    usePixelFonts(this);
    setFixedSize(460, 312);
    // The buttons keep to the strip right of the curve, which ends at x 416.
    for (QPushButton* b : {ui->Button1, ui->Button2}) {
        QFont f = b->font();
        f.setPixelSize(10);
        b->setFont(f);
    }
    connect(ui->Button1, &QPushButton::clicked, this, &Tgraph::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &Tgraph::Button2Click);
    for (QRadioButton* r : {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3})
        connect(r, &QRadioButton::clicked, this, &Tgraph::Button1Click);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &Tgraph::needtodisplay);
    timer_->start();
    curve_ = new GraphCurve(this);
    setTabOrder(curve_, ui->Button1);
}

Tgraph::~Tgraph() = default;

void Tgraph::open() {
    // Opened for a share, it looks at this month again, whatever "testing" moved to before.
    const bool shown = isVisible();
    monthOffset_ = 0;
    if (shown) Button1Click();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

int Tgraph::lookedAtMonth() const {
    return graphMonth(game_.state.month, monthOffset_);
}

GraphRange Tgraph::range() const {
    if (ui->RadioButton1->isChecked()) return GraphRange::OneYear;
    if (ui->RadioButton2->isChecked()) return GraphRange::SixMonths;
    if (ui->RadioButton3->isChecked()) return GraphRange::OneMonth;
    return GraphRange::OneYear;
}

void Tgraph::Button1Click() {
    const int share = selectedShare_ ? selectedShare_() : -1;
    drawing_ = graphDrawing(game_.state, share, range(), lookedAtMonth());
    ui->Label1->setText(drawing_.caption);
    ui->graphTitle->setText(drawing_.title);
    const QString summary = graphSummary(drawing_);
    setAccessibleDescription(summary);
    curve_->setAccessibleDescription(summary);
    // The marker stays on its day while that day is drawn.
    const auto& points = drawing_.points;
    if (std::none_of(points.begin(), points.end(),
                     [this](const GraphPoint& p) { return p.day == markedDay_; }))
        markedDay_ = 0;
    curve_->setAccessibleName(markedDay_ ? curve_->accessibleName() : summary);
    update();
}

void Tgraph::stepMarker(int key) {
    const auto& points = drawing_.points;
    if (points.empty()) return;
    auto at = std::find_if(points.begin(), points.end(),
                           [this](const GraphPoint& p) { return p.day == markedDay_; });
    const bool none = at == points.end();
    if (key == Qt::Key_Home || (key == Qt::Key_Right && none))
        at = points.begin();
    else if (key == Qt::Key_End || (key == Qt::Key_Left && none))
        at = points.end() - 1;
    else if (key == Qt::Key_Right && at + 1 != points.end())
        ++at;
    else if (key == Qt::Key_Left && at != points.begin())
        --at;
    markedDay_ = at->day;
    showMarker();
}

void Tgraph::showMarker() {
    const auto& points = drawing_.points;
    const auto at = std::find_if(points.begin(), points.end(),
                                 [this](const GraphPoint& p) { return p.day == markedDay_; });
    if (at == points.end()) return;
    const QString text = graphPointText(drawing_.name, at->day, drawing_.year, at->price);
    curve_->setAccessibleName(text);
    QToolTip::showText(mapToGlobal(at->at), text, this, QRect(at->at - QPoint(3, 3), QSize(7, 7)));
    update();
}

void Tgraph::Button2Click() {
    monthOffset_ = (monthOffset_ + 1) % 12;
    Button1Click();
}

void Tgraph::loadup() {
    needRedraw_ = true;
}

void Tgraph::needtodisplay() {
    if (needRedraw_) Button1Click();
    needRedraw_ = false;
}

bool Tgraph::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::WindowActivate:
        loadup();
        break;
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(e);
        showPointAt(help->pos(), help->globalPos());
        return true;
    }
    default:
        break;
    }
    return QWidget::event(e);
}

void Tgraph::showPointAt(QPoint pos, QPoint globalPos) {
    const auto point = graphPointNear(drawing_, pos);
    if (!point) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPos,
                       graphPointText(drawing_.name, point->day, drawing_.year, point->price), this,
                       QRect(point->at - QPoint(3, 3), QSize(7, 7)));
}

void Tgraph::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return; // coming back from the task bar is not a new showing
    if (!placed_) {
        centreOnScreen(this);
        placed_ = true;
    }
    Button1Click();
}

void Tgraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(kSilver);
    p.setPen(QPen(Qt::black, 1));
    // Pixel centres: a one-pixel line at x covers exactly column x, at any scale.
    p.translate(0.5, 0.5);
    p.drawRect(QRect(0, 0, width() - 1, height() - 1));
    for (const GraphLine& l : drawing_.lines) {
        p.setPen(QPen(colourOf(l.ink), 1));
        p.drawLine(l.from, l.to);
    }
    const auto marked = std::find_if(drawing_.points.begin(), drawing_.points.end(),
                                     [this](const GraphPoint& q) { return q.day == markedDay_; });
    if (marked != drawing_.points.end()) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(marked->at - QPoint(3, 3), QSize(6, 6)));
    }
    p.resetTransform();
    if (curve_->hasFocus()) {
        // A dotted frame round the drawing: the curve has the arrow keys.
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(kCurveArea.adjusted(0, 0, -1, -1));
    }
    const QFontMetrics fm(font());
    for (const GraphText& t : drawing_.texts) {
        p.setPen(colourOf(t.ink));
        p.drawText(QRect(t.topLeft, QSize(fm.horizontalAdvance(t.text) + 1, fm.height())),
                   Qt::AlignLeft | Qt::AlignTop, t.text);
    }
}

} // namespace quotara

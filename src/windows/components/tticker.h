#pragma once
// The small "News headlines" window: Banner1 fills it and scrolls the day's headlines from
// right to left, 4 pixels every 50 ms, with a gap between passes.

#include <QWidget>

#include <memory>

namespace Ui {
class Tticker;
}

namespace quotara {

struct Game;
class TBanner;

class Tticker : public QWidget {
    Q_OBJECT

  public:
    // Created hidden; Banner1 scrolls its single space from the start.
    explicit Tticker(Game& game, QWidget* parent = nullptr);
    ~Tticker() override;

    // Banner1's ScrollText: rendered anew, going on from the current offset; the text that
    // is scrolling already goes on as it is, and an empty text changes nothing.
    void setText(const QString& text);
    QString text() const;
    TBanner* banner() const;

  signals:
    // The player closed the window (its close box, or the window manager's Close).
    void closedByPlayer();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<Ui::Tticker> ui;
};

} // namespace quotara

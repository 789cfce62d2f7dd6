#pragma once
// The small "News headlines" window that scrolls the day's headlines.

#include <QWidget>

#include <memory>

namespace Ui {
class Tticker;
}

namespace quotara {

struct Game;
struct Windows;
class TextScroller;

class Tticker : public QWidget {
    Q_OBJECT

  public:
    Tticker(Game& game, Windows& windows, QWidget* parent = nullptr);
    ~Tticker() override;

    // The text scrolled; a new text goes on from where the old one was.
    void setText(const QString& text);
    QString text() const;
    TextScroller* banner() const;

  private:
    std::unique_ptr<Ui::Tticker> ui;
};

} // namespace quotara

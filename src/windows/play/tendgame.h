#pragma once
// The end-of-level window: shows the verdict of the goal check and offers Continue (a new game
// from the new-game window) or Exit. While it is up the main window and the ticker are hidden.

#include <QWidget>

#include <memory>

namespace quotara {
class Session;
struct LevelVerdict;
} // namespace quotara

namespace Ui {
class Tendgame;
}

namespace quotara {

class Tendgame : public QWidget {
    Q_OBJECT

  public:
    explicit Tendgame(Session& session, QWidget* parent = nullptr);
    ~Tendgame() override;

    // Copies the verdict's texts into endtext and goldbars and shows the window.
    void showVerdict(const LevelVerdict& verdict);

  public slots:
    void button1Click(); // Continue
    void Button2Click(); // Exit, after confirmation

  signals:
    // Yes to the exit question, or No to the disclaimer after Continue: the program ends.
    void quitRequested();

  protected:
    // This is the only visible window, so closing it is the same question as Exit.
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<Ui::Tendgame> ui;
    Session& session_;
};

} // namespace quotara

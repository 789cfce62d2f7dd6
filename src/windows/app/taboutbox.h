#pragma once
// The About box: the program picture, name and version. Not modal and on top, so the game
// stays usable behind it.

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutBox;
}

namespace quotara {

class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    // Shows the box, or brings the one already shown to the front.
    void showBox();

  public slots:
    void OKButtonClick();

  private:
    std::unique_ptr<Ui::TAboutBox> ui;
};

} // namespace quotara

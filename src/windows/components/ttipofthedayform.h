#pragma once
// The "Did you know..." dialog of the tip of the day: a picture, a white panel with the
// header on a light yellow strip and the word-wrapped tip, the check box that keeps tips at
// start-up, and OK, "Next tip" and Help. 385 x 160, centred on the screen.

#include <QDialog>

#include <cstdint>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;

namespace Ui {
class TTipOfTheDayForm;
}

namespace quotara {

class TTipOfTheDayForm : public QDialog {
    Q_OBJECT

  public:
    explicit TTipOfTheDayForm(QWidget* parent = nullptr);
    ~TTipOfTheDayForm() override;

    QLabel* HeaderLabel() const;
    QLabel* TipLabel() const;
    QCheckBox* ShowTipsCheck() const;
    QPushButton* NextBtn() const;
    QPushButton* HelpBtn() const;

    // The help topic of the tip shown; 0 for none.
    std::int32_t helpContext = 0;

  signals:
    // Help was pressed with a topic on the button or the dialog (never 0).
    void helpRequested(int context);

  private:
    void HelpBtnClick();

    std::unique_ptr<Ui::TTipOfTheDayForm> ui;
};

} // namespace quotara

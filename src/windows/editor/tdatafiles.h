#pragma once
// The "Data files" window: names the game's data files and offers nothing but Cancel. It stays
// on top of the other windows without holding them up, and is only hidden when closed.

#include <QDialog>

#include <memory>

namespace Ui {
class Tdatafiles;
}

namespace quotara {

class Tdatafiles : public QDialog {
    Q_OBJECT

  public:
    explicit Tdatafiles(QWidget* parent = nullptr);
    ~Tdatafiles() override;

    // Options > Datafiles: shows the window where it was placed, in front.
    void showWindow();

  public slots:
    void BitBtn2Click(); // Cancel; Escape does the same

  private:
    std::unique_ptr<Ui::Tdatafiles> ui;
};

} // namespace quotara

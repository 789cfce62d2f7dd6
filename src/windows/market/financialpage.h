#pragma once
// The Financial Info page (`TabSheet4`): the three indices with their day's changes, interest,
// inflation and unemployment, and the forecasts frame.

#include <QWidget>

#include <memory>

namespace Ui {
class FinancialPage;
}

namespace quotara {

struct FinancialFigures;

class FinancialPage : public QWidget {
    Q_OBJECT

  public:
    explicit FinancialPage(QWidget* parent = nullptr);
    ~FinancialPage() override;

    void showIndexValues(const FinancialFigures& f); // the three index values
    // The refresh of all pages: index values, interest, inflation and unemployment.
    void showFigures(const FinancialFigures& f);
    // The day's index changes and the month's unemployment change.
    void showIndexChanges(const FinancialFigures& f);

  private:
    std::unique_ptr<Ui::FinancialPage> ui;
};

} // namespace quotara

#pragma once
// The refreshes of the main window's pages, each run only while its page is in front. A page
// the player does not see costs nothing to keep up to date: it is caught up when it comes to
// the front, or before anything reads or changes its figures directly.

#include <QObject>

#include <functional>
#include <vector>

class QTabWidget;

namespace quotara {

class FigureLabel;

class PageRefresh final : public QObject {
  public:
    explicit PageRefresh(QTabWidget* tabs);

    // A refresh of one page; a page's refreshes catch up in the order they were added.
    // Returns its number for request().
    int add(QWidget* page, std::function<void()> refresh);
    // Now when its page is in front, otherwise as soon as the page is.
    void request(int part);
    // The page's waiting refreshes, now.
    void settle(QWidget* page);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Part {
        QWidget* page;
        std::function<void()> refresh;
        bool waiting;
        std::vector<FigureLabel*> figures; // the page's
    };
    QTabWidget* tabs_;
    std::vector<Part> parts_;
};

} // namespace quotara

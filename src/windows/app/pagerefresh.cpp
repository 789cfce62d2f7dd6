#include "windows/app/pagerefresh.h"

#include "windows/components/figurelabel.h"

#include <QEvent>
#include <QTabWidget>

namespace quotara {

PageRefresh::PageRefresh(QTabWidget* tabs) : QObject(tabs), tabs_(tabs) {
    // A page brought to the front in code with the tab widget's signals blocked is caught up
    // by its Show; one in a window not shown yet by the change of tab.
    connect(tabs, &QTabWidget::currentChanged, this, [this] { settle(tabs_->currentWidget()); });
}

int PageRefresh::add(QWidget* page, std::function<void()> refresh) {
    parts_.push_back({page, std::move(refresh), false, figureLabels(page)});
    page->installEventFilter(this);
    return static_cast<int>(parts_.size()) - 1;
}

void PageRefresh::request(int part) {
    Part& p = parts_[static_cast<std::size_t>(part)];
    p.waiting = true;
    if (tabs_->currentWidget() == p.page) settle(p.page);
}

void PageRefresh::settle(QWidget* page) {
    const Part* done = nullptr;
    for (Part& p : parts_)
        if (p.page == page && p.waiting) {
            p.waiting = false;
            p.refresh();
            done = &p;
        }
    // The page's new figures laid out in a row, before the page is painted.
    if (done) layOutNewTexts(done->figures);
}

bool PageRefresh::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) settle(static_cast<QWidget*>(watched));
    return false;
}

} // namespace quotara

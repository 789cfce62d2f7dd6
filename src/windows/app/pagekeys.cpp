#include "windows/app/pagekeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

namespace quotara {

namespace {

void stepPage(QTabWidget* pages, int step) {
    const int count = pages->count();
    int i = pages->currentIndex();
    for (int tried = 0; tried < count; ++tried) {
        i = (i + step + count) % count;
        if (pages->isTabVisible(i) && pages->isTabEnabled(i)) break;
    }
    pages->setCurrentIndex(i);
    QWidget* page = pages->currentWidget();
    QWidget* first = page ? page->nextInFocusChain() : nullptr;
    // The page's first control that takes Tab, if the chain from the page reaches one inside it.
    while (first && first != page && page->isAncestorOf(first) &&
           !((first->focusPolicy() & Qt::TabFocus) && first->isVisible() && first->isEnabled()))
        first = first->nextInFocusChain();
    if (first && page->isAncestorOf(first))
        first->setFocus(Qt::ShortcutFocusReason);
    else
        pages->tabBar()->setFocus(Qt::ShortcutFocusReason);
}

void addKeys(QTabWidget* pages, const std::function<bool()>& gameOn,
             std::initializer_list<QKeySequence> keys, int step) {
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, pages->window());
        QObject::connect(shortcut, &QShortcut::activated, pages, [pages, gameOn, step] {
            if (gameOn()) stepPage(pages, step);
        });
    }
}

} // namespace

void addPageKeys(QTabWidget* pages, std::function<bool()> gameOn) {
    addKeys(pages, gameOn,
            {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, +1);
    addKeys(pages, gameOn,
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
             QKeySequence(Qt::CTRL | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
            -1);
}

} // namespace quotara

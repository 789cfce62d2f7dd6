#pragma once
// The game's help: a window that opens the help pages by context number and lets the player
// follow their links, go back and forward, and return to the contents.

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace quotara {

class HelpViewer : public QWidget {
    Q_OBJECT

  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Opens the page of a context number (1 contents, 2 game editor, 4 share prices) and
    // brings the window to the front.
    void showTopic(int context);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
};

} // namespace quotara

#pragma once
// Windows tree, market/: the pages that show the market. Their figures come from the engine's
// market/ and play/; the pages copy them.
//
// The World News page (`TabSheet3`): the captions of headline slots 1, 2 and 4 with their
// hidden item-number labels.

#include <QWidget>

#include <memory>

namespace Ui {
class NewsPage;
}

namespace quotara {

struct GameState;

class NewsPage : public QWidget {
    Q_OBJECT

  public:
    explicit NewsPage(QWidget* parent = nullptr);
    ~NewsPage() override;

    void clearCaptions(); // headlines4, headlines1 and headlines2 emptied
    void showHeadlines(const GameState& state);

  private:
    std::unique_ptr<Ui::NewsPage> ui;
};

} // namespace quotara

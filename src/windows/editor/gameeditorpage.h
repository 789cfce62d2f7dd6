#pragma once
// Windows tree, editor/: the Game Editor page and the Data files window, over the engine's
// editor/.
//
// The main window's "Game Editor" page (`TabSheet5`): the news editor and the four buttons that
// load and save the news file and the share data file. It copies what the engine's NewsEditor
// computes into its controls and hands every choice straight back to it.

#include "editor/newseditor.h"

#include <QWidget>

#include <memory>
#include <optional>

namespace Ui {
class GameEditorPage;
}

namespace quotara {

struct Game;

class GameEditorPage : public QWidget {
    Q_OBJECT

  public:
    explicit GameEditorPage(QWidget* parent = nullptr);
    ~GameEditorPage() override;

    // The game whose news and shares the page edits; set once, before anything is shown.
    void setGame(Game& game);

  public slots:
    void loadeditor(); // the editor switched on: item 1

    void Button2Click(); // "Save current shares data"
    void Button3Click(); // "Load shares data"
    void Button4Click(); // "Load news items"
    void Button5Click(); // "Save news items"

    void newsupdate();
    void updateftsetag();
    void sectorchange();
    void updatesectortag();
    void special();
    void specialeval();
    void BitBtn1Click(); // Next
    void BitBtn2Click(); // Last
    void BitBtn3Click(); // Help

  signals:
    // The share table was replaced from the share data file: the pages need a refresh.
    void sharesLoaded();
    // Help for a context number (2: this page).
    void helpRequested(int context);

  protected:
    // Enter anywhere on the page that no control takes is "Next", as for a default button.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showItem(const EditorView& view);
    void showSpecial(bool visible);

    std::unique_ptr<Ui::GameEditorPage> ui;
    Game* game_ = nullptr;
    std::optional<NewsEditor> editor_;
};

} // namespace quotara

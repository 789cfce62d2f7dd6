#pragma once
// Engine tree, editor/: the news and share data files and the editor's operations. Engine,
// because the files and their checks are tested headless; it builds on state/ alone.
//
// The Game Editor's news editor: browses and changes the live news table one item at a time.
// Every change reaches newsitems at once, so an item edited during a game can be drawn from
// the next End Day on; only "Save news items" takes the table to the news file.

#include <QString>

#include <optional>

namespace quotara {

struct Game;
struct Tnewsitem;

// The list index of an effect grade: -2..+2 is index 0..4; none for a grade outside them.
std::optional<int> effectIndex(int grade);
// The grade of a list index 0..4.
int effectOfIndex(int index);

// The `probability` list's entries: 0..4 are "1%".."5%", 5 is "Special".
constexpr int kSpecialIndex = 5;

// What the editor's controls show for one item. An empty optional leaves the control's
// selection as it was (a stored value the list has no entry for).
struct EditorView {
    int item = 1;                         // 1..200
    QString caption;                      // Label24, "News item number 1 :"
    QString text;                         // news
    std::optional<int> ftseIndex;         // ftseaffect, 0..4
    int sectorIndex = 0;                  // sector, 0..11 for sectors 1..12; always sector 1
    std::optional<int> sectorAffectIndex; // sectoraffect, 0..4
    std::optional<int> probabilityIndex;  // probability, 0..5
    std::optional<QString> specialNumber; // spec, only with "Special"
};

class NewsEditor {
  public:
    explicit NewsEditor(Game& game) : game_(game) {}

    int currentitem() const { return currentitem_; } // 1..200

    // Entering the editor: item 1.
    EditorView loadeditor();
    // The current item as the controls show it.
    EditorView editloadtoscreen() const;

    // The headline typed: the first 200 characters are stored.
    void newsupdate(const QString& text);
    // An FTSE effect chosen (index 0..4) is stored at once, as a sector effect is.
    void updateftsetag(int affectIndex);
    // A sector chosen (index 0..11): its stored effect's index; nothing is stored.
    std::optional<int> sectorchange(int sectorIndex) const;
    // A sector effect chosen: affect[sector index + 1] := the grade of the effect index.
    void updatesectortag(int sectorIndex, int affectIndex);
    // A probability chosen (index 0..5): "1%".."5%" store probcode 1..5, "Special" stores
    // nothing until a number is typed. True when the special number is to be shown.
    bool special(int probabilityIndex);
    // The special number typed while "Special" is selected: probcode := (n + 100) mod 256.
    // A text that is not a whole number is refused with the standard conversion message; an
    // emptied box keeps probcode.
    void specialeval(const QString& text);

    // Next and Last move one item, never past 200 or before 1, and show it.
    EditorView next();
    EditorView last();

    // "Load news items": the whole news file, or nothing when it is short or unreadable (the
    // file error is reported). The item shown again after a load; none after an error.
    std::optional<EditorView> Button4Click();
    // "Save news items": the table to the news file; a failure is reported and leaves the old
    // file as it was.
    void Button5Click();

  private:
    Tnewsitem& item() const;

    Game& game_;
    int currentitem_ = 1;
};

} // namespace quotara

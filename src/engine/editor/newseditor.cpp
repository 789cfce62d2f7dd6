#include "editor/newseditor.h"

#include "editor/newsfile.h"
#include "state/game.h"

#include <algorithm>

namespace quotara {
namespace {

constexpr int kTextLength = 200; // characters of a headline

// A whole number as the game accepts it: an optional sign and decimal digits, nothing else.
std::optional<int> wholeNumber(const QString& text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
    if (i == text.size()) return std::nullopt;
    for (qsizetype j = i; j < text.size(); ++j)
        if (text[j] < u'0' || text[j] > u'9') return std::nullopt;
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

} // namespace

std::optional<int> effectIndex(int grade) {
    if (grade < -2 || grade > 2) return std::nullopt;
    return grade + 2;
}

int effectOfIndex(int index) {
    return std::clamp(index, 0, 4) - 2;
}

Tnewsitem& NewsEditor::item() const {
    return game_.state.newsitems[currentitem_];
}

EditorView NewsEditor::loadeditor() {
    currentitem_ = 1;
    return editloadtoscreen();
}

EditorView NewsEditor::editloadtoscreen() const {
    const Tnewsitem& n = item();
    EditorView v;
    v.item = currentitem_;
    v.caption = QStringLiteral("News item number %1 :").arg(currentitem_);
    v.text = n.text.toQString();
    v.ftseIndex = effectIndex(n.affect[0]);
    v.sectorIndex = 0;
    v.sectorAffectIndex = effectIndex(n.affect[1]);
    if (n.probcode <= 1) {
        v.probabilityIndex = 0; // 0 is an item never set
    } else if (n.probcode <= 5) {
        v.probabilityIndex = n.probcode - 1;
    } else if (n.probcode >= 100) {
        v.probabilityIndex = kSpecialIndex;
        v.specialNumber = QString::number(n.probcode - 100);
    }
    return v;
}

void NewsEditor::newsupdate(const QString& text) {
    item().text.assign(text.left(kTextLength));
}

void NewsEditor::updateftsetag(int affectIndex) {
    item().affect[0] = effectOfIndex(affectIndex);
}

std::optional<int> NewsEditor::sectorchange(int sectorIndex) const {
    const int sector = std::clamp(sectorIndex + 1, 1, Tnewsitem::kSectors);
    return effectIndex(item().affect[sector]);
}

void NewsEditor::updatesectortag(int sectorIndex, int affectIndex) {
    const int sector = std::clamp(sectorIndex + 1, 1, Tnewsitem::kSectors);
    item().affect[sector] = effectOfIndex(affectIndex);
}

bool NewsEditor::special(int probabilityIndex) {
    if (probabilityIndex == kSpecialIndex) return true;
    if (probabilityIndex >= 0 && probabilityIndex < kSpecialIndex)
        item().probcode = static_cast<std::uint8_t>(probabilityIndex + 1);
    return false;
}

void NewsEditor::specialeval(const QString& text) {
    if (text.isEmpty()) return;
    const std::optional<int> n = wholeNumber(text);
    if (!n) {
        game_.messages.show(Messages::Kind::Error,
                            QStringLiteral("'%1' is not a valid integer value").arg(text));
        return;
    }
    item().probcode = static_cast<std::uint8_t>((*n + 100) & 0xFF);
}

EditorView NewsEditor::next() {
    currentitem_ = std::min(currentitem_ + 1, kNewsCount);
    return editloadtoscreen();
}

EditorView NewsEditor::last() {
    currentitem_ = std::max(currentitem_ - 1, 1);
    return editloadtoscreen();
}

std::optional<EditorView> NewsEditor::Button4Click() {
    const FileError error = loadWholeNewsFile(game_.state, game_.folder.newsFile());
    if (error.isError()) {
        game_.messages.show(Messages::Kind::Error, fileErrorText(error, game_.folder.newsFile()));
        return std::nullopt;
    }
    return editloadtoscreen();
}

void NewsEditor::Button5Click() {
    const FileError error = saveNewsFile(game_.state, game_.folder.newsFile());
    if (error.isError())
        game_.messages.show(Messages::Kind::Error, fileErrorText(error, game_.folder.newsFile()));
}

} // namespace quotara

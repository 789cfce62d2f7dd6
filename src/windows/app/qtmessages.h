#pragma once
// The game's message boxes on screen.

#include "state/messages.h"

class QMessageBox;

namespace quotara {

// Widens a box enough for its title to show whole in the title bar.
void keepTitleWhole(QMessageBox& box);

class QtMessages final : public Messages {
  public:
    void show(Kind kind, const QString& text) override;
    bool ask(Kind kind, const QString& text) override;
};

} // namespace quotara

#pragma once
// The game's message boxes on screen.

#include "state/messages.h"

namespace quotara {

class QtMessages final : public Messages {
  public:
    void show(Kind kind, const QString& text) override;
    bool ask(Kind kind, const QString& text) override;
};

} // namespace quotara

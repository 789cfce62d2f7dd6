#pragma once
// Every message box of the game goes through this, so the engine's sequences run headless in
// tests (which record the texts and script the answers) and never block.

#include <QString>

namespace quotara {

class Messages {
  public:
    enum class Kind {
        Plain,        // a plain box with OK
        Information,  // an information box
        Confirmation, // a confirmation box
        Error,        // the standard error box (file errors)
        Caution,      // a confirmation whose Yes gives up something the player has: No is the
                      // default, so Enter alone never loses it
    };
    virtual ~Messages() = default;
    // A box with an OK button.
    virtual void show(Kind kind, const QString& text) = 0;
    // A box with Yes and No; true for Yes.
    virtual bool ask(Kind kind, const QString& text) = 0;
};

// For a game run without anyone to answer (the simulator, benchmarks): shows nothing and
// answers Yes.
class SilentMessages final : public Messages {
  public:
    void show(Kind, const QString&) override {}
    bool ask(Kind, const QString&) override { return true; }
};

} // namespace quotara

#include "windows/app/tmain_screen.h"

// The main window's menu commands and its close box: each a one-line forward to the Session or
// a request to the window that answers it.

#include "play/session.h"
#include "state/gamestate.h"
#include "state/helptopics.h"
#include "windows/components/ttipoftheday.h"

#include <QCloseEvent>

namespace quotara {

void Tmain_screen::NewGame1Click() {
    emit newGameRequested();
}

void Tmain_screen::LoadGame1Click() {
    session_.loadGame();
}

void Tmain_screen::ResumeGame1Click() {
    session_.resumeGame();
    showResume();
}

void Tmain_screen::resumeWhereLeft(const QString& page, int share) {
    if (session_.resumeGame(true)) {
        bringPageToFront(page);
        if (share >= 0 && share < kShareCount) selectShare(share);
    }
    showResume();
}

void Tmain_screen::SaveGame1Click() {
    session_.saveGame();
}

void Tmain_screen::Datafiles1Click() {
    emit dataFilesRequested();
}

void Tmain_screen::Performance1Click() {
    emit performanceRequested();
}

void Tmain_screen::HallOfFame1Click() {
    emit hallOfFameRequested();
}

void Tmain_screen::Players1Click() {
    if (session_.playersAllowed()) emit playersRequested();
}

// The editor and the five game pages take turns; no day ends while editing.
void Tmain_screen::GameEditor1Click() {
    session_.toggleEditor();
}

void Tmain_screen::Status1Click() {
    session_.showStatus();
}

void Tmain_screen::ForgetGoldBars1Click() {
    if (session_.forgetGoldBars()) emit goldBarsForgotten();
}

void Tmain_screen::Exit1Click() {
    if (session_.askToQuit()) emit quitRequested();
}

void Tmain_screen::Contents1Click() {
    emit helpRequested(kHelpContents);
}

void Tmain_screen::Tipoftheday1Click() {
    TipOfTheDay1->showTips();
}

void Tmain_screen::About1Click() {
    emit aboutRequested();
}

void Tmain_screen::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the game at once, whatever other windows are open, unless
    // the game in play cannot be kept and the player stays with it.
    if (!session_.closeMain()) {
        event->ignore();
        return;
    }
    event->accept();
    emit quitRequested();
}

} // namespace quotara

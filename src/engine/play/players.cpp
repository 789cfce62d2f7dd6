#include "play/players.h"

#include "play/twoplayer.h"

namespace quotara {

QString unsavableNameText(const QString& letter) {
    return QStringLiteral("A name can hold only Western European letters, so \"%1\" cannot be "
                          "kept in a saved game. Please type the name without it.")
        .arg(letter);
}

bool secondNameEnabled(const GameState& state, bool namesrole) {
    return namesrole || twoPlayerTurns(state);
}

bool namesOk(Game& game, const QString& player1, const QString& player2) {
    // A name of blanks shows as none: in the hand-over, the verdict and the record.
    if (player1.trimmed().isEmpty() || player2.trimmed().isEmpty()) {
        game.messages.show(Messages::Kind::Plain,
                           QStringLiteral("Please enter a name for both player 1 and player 2!"));
        return false;
    }
    // Two players of one name could not be told apart in the hand-over, the verdict, the
    // record or its export.
    if (player1.trimmed()
            .left(kNameLength)
            .compare(player2.trimmed().left(kNameLength), Qt::CaseInsensitive) == 0) {
        game.messages.show(Messages::Kind::Plain,
                           QStringLiteral("Please give player 1 and player 2 different names!"));
        return false;
    }
    return true;
}

void playersOk(GameState& state, const QString& player1, const QString& player2) {
    state.p1name.assign(player1.left(kNameLength));
    state.p2name.assign(player2.left(kNameLength));
}

void playerOk(GameState& state, const QString& player1) {
    state.username.assign(player1.left(20));
}

} // namespace quotara

#pragma once
// The player-name fields of the new-game and player-details windows.

class QLineEdit;

namespace quotara {

class Messages;

// The field takes at most kNameLength letters, so a long name is cut where the player sees
// it, and refuses a letter the saved files cannot hold, saying why in a message box, rather
// than let the name come back from a save with "?" in its place.
void guardNameField(QLineEdit* field, Messages& messages);

} // namespace quotara

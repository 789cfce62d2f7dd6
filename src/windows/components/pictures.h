#pragma once
// The game's own pictures, drawn rather than loaded so nothing is shipped and none is ever
// blank. Sizes in pixels.

#include <QIcon>
#include <QPixmap>

namespace quotara {

// The night-blue band the title pictures are drawn on.
QPixmap titleBand(QSize size);
// The new-game window's title: the game's name over a rising price line.
QPixmap newGameTitle(QSize size);
// The new-game window's mode buttons: 1 single play, 2 free play, 3 two players.
QIcon modePicture(int mode, QSize size);
// The end-of-level window's title: three gold bars and the game's name.
QPixmap endOfLevelTitle(QSize size);

// The tip of the day's picture: a lit bulb, 33 x 33.
QPixmap tipPicture();
// The "Next tip" button's glyph: a green arrow pointing right, 16 x 16.
QIcon nextTipGlyph();

} // namespace quotara

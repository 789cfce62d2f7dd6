#pragma once
// How the game's windows look on this platform: the fonts its forms name, their sizes in
// pixels, and the program picture.

#include "state/money.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>

class QApplication;
class QGroupBox;
class QLabel;
class QTabWidget;
class QWidget;

namespace quotara {

// Font substitutions for the faces the forms name, and the default face of the windows.
void applyLook(QApplication& app);

// The forms give font sizes in points at 96 dpi (12 pt = 16 px); the game is laid out in
// pixels, so every size a form sets is turned into the same number of pixels on any screen.
void usePixelFonts(QWidget* root);

// The colour of a figure: Qt::black, Qt::blue or Qt::red.
QColor colourOf(Tone tone);
// Sets the text colour of a label (or any widget drawing with its window-text colour).
void setTone(QWidget* widget, Tone tone);

// Sets a label's text in the label's own face, made smaller only when the text would not fit
// the label's width (a long share or sector name next to another column).
void setFittedText(QLabel* label, const QString& text);

// Tabs as narrow and low as their captions allow, so the pages keep the room their layout
// needs and the End Day button fits beside the tabs.
void useCompactTabs(QTabWidget* tabs);

// A group frame whose etched line runs through the middle of its caption, as the forms
// expect: a control placed just under the caption is inside the frame, not on its line.
void useClassicFrame(QGroupBox* box);

// Places a top-level window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);
// Shows a top-level window in front and active; one that was hidden comes up centred.
void bringToFront(QWidget* window);

// The night-blue band the title pictures of the new-game and end-of-level windows are drawn
// on.
QPixmap titleBand(QSize size);

// The program picture (a rising price line), drawn rather than loaded so it is never blank.
QPixmap programPicture(int size);
QIcon programIcon();

} // namespace quotara

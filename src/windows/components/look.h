#pragma once
// Windows tree, components/: the controls and the look shared by every window. Their arithmetic
// that needs no painting is the engine's (src/engine/components).
//
// How the game's windows look on this platform: the fonts its forms name, their sizes in
// pixels, colours, fitted texts and window placement.

#include "state/money.h"

#include <QColor>
#include <QMargins>
#include <QRect>
#include <QStyle>

#include <functional>
#include <initializer_list>
#include <utility>

class QAbstractButton;
class QApplication;
class QGroupBox;
class QLabel;
class QTabWidget;
class QWidget;

namespace quotara {

// Font substitutions for the faces the forms name, the default face of the windows, and
// scroll bars whose thumb stands out from its groove.
void applyLook(QApplication& app);

// The forms give font sizes in points at 96 dpi (12 pt = 16 px); the game is laid out in
// pixels, so every size a form sets is turned into the same number of pixels on any screen.
void usePixelFonts(QWidget* root);

// The colour of a figure: Qt::black, Qt::blue or Qt::red.
QColor colourOf(Tone tone);
// Sets the text colour of a label (or any widget drawing with its window-text colour).
void setTone(QWidget* widget, Tone tone);
// The colour a widget draws its text in, as setTone left it.
QColor shownColour(const QWidget* widget);
// A figure and its colour.
void setToned(QLabel* label, const QString& text, Tone tone);

// Sets a label's text in the label's own face, made smaller only when the text would not fit
// the room inside the label's frame (a long share or sector name next to another column).
void setFittedText(QLabel* label, const QString& text);

// Tabs as narrow and low as their captions allow, so the pages keep the room their layout
// needs and the End Day button fits beside the tabs.
void useCompactTabs(QTabWidget* tabs);

// A group frame whose etched line runs through the middle of its caption, as the forms
// expect: a control placed just under the caption is inside the frame, not on its line.
void useClassicFrame(QGroupBox* box);

// Gives buttons the style's standard pictures when the page first comes into view, then runs
// `more` (measuring in the page's final fonts); pages the player never opens decode none.
using ButtonIcon = std::pair<QAbstractButton*, QStyle::StandardPixmap>;
void setIconsWhenShown(QWidget* page, std::initializer_list<ButtonIcon> icons,
                       std::function<void()> more = {});

// Enter on a focused push button presses it, as Space does, in windows that are not dialogs.
void pressWithEnter(QWidget* root);

// Places a top-level window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);
// Shows a top-level window in front and active; one that was hidden comes up centred.
void bringToFront(QWidget* window);
// The client area of a window placed so that another window's frame (keep) stays in view on
// the screen's free area: beside it on the side with more room, else under or over it, as
// large as preferred and that room allow but never under least; where no room holds least,
// beside it at the screen's edge, over as little of it as can be. frame: what the window
// manager adds around a client area.
QRect placeBeside(const QRect& screen, const QRect& keep, QSize preferred, QSize least,
                  const QMargins& frame);
// When window goes away while it has the keyboard, the window next() names (if shown) gets it:
// the game's windows have no owner for the window manager to hand the focus back to, and a
// player without a mouse would be left with no window to type into.
void returnFocusOnHide(QWidget* window, std::function<QWidget*()> next);

} // namespace quotara

#pragma once
// What a screen reader hears of the game's own figures and pictures. A figure's label is read
// with its caption ("Share Price: 1134p") while its text changes from day to day; the caption
// is also the figure's labelled-by relation. A picture that does nothing is not read.
// Nothing here changes a pixel.

class QLabel;
class QString;
class QWidget;

namespace quotara {

// value is read as caption's text, without a trailing " :", then ": " and value's own text,
// and is labelled by caption on the accessibility bus; the caption is read live, so a caption
// whose text changes (the trade dialog's) stays true.
void tieCaption(QLabel* caption, QLabel* value);
// The same for a caption that is not a label of its own (a column's head over eight rows).
void tieCaption(const QString& caption, QLabel* value);

// An input field named after its caption, as readers hear it ("News item number 1"); the
// caption is its buddy. Call again when the caption's text changes.
void nameAfterCaption(QLabel* caption, QWidget* field);

// Ties every label named NAMEcap in root to the label named NAME (letter case aside).
void tieCaptionsByName(QWidget* root);

// A picture button that does nothing: left out of what readers read, and never focused.
void hideFromReaders(QWidget* picture);

// What a reader hears for a label: its accessible name.
QString readerName(QWidget* widget);

} // namespace quotara

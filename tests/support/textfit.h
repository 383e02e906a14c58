#pragma once
// Checks, without pictures, that the texts a window shows fit their widgets: each text is laid
// out under its widget's font at its widget's width, as the widget lays it out, and compared with
// the widget's size.

#include <QString>
#include <QStringList>

class QFont;
class QLabel;
class QLineEdit;
class QWidget;

// The width in pixels that one line of a label's text takes as the label draws it: in its font, and
// scaled across where the label narrows its text to fit.
int drawnWidth(const QLabel *label, const QString &line);

// One line per widget of `window` (itself included) whose text does not fit: visible labels,
// buttons and text boxes holding text, and widgets reaching outside the window.
QStringList clippedTexts(const QWidget *window);

// The lines of `text` word-wrapped under `font` at `width` pixels.
QStringList wrappedLines(const QString &text, const QFont &font, int width);

// The characters of a one-line box's text that the box shows whole, as it paints itself now (a
// text wider than the box shows the part around its cursor).
QString shownText(QLineEdit *box);

#pragma once
// Numbers shown whole where their place is narrow: a text wider than its room shows in its font
// narrowed (condensed across, as tall as before) just enough to fit, never below half the font's
// own width; a text that fits shows in the font itself. The narrowing goes in steps of 5 percent,
// so that neighbouring numbers of one size look alike. A control that draws its text itself
// narrows it by drawing it scaled across (scaleToFit): no font of another width is made for it.
// Text boxes, which Qt draws, take a font of the width needed (stretchToFit).

#include <QFont>
#include <QString>
#include <QWidget>

namespace narrowfont {

inline constexpr int kNarrowest = 50;  // percent of the font's own width
inline constexpr int kStep = 5;

// The width of `text` in pixels in `font` at its own width.
int naturalWidth(QFont font, const QString &text);

// The stretch (percent of its own width) at which `font` shows `text` within `room` pixels: 0,
// the font's own width, where the text fits; else the widest step at which it fits with a pixel
// free on each side, or kNarrowest.
int stretchToFit(QFont font, const QString &text, int room);

// The share of its own width, in percent, at which `text` in `font` fits within `room` pixels drawn
// scaled across: 100 where it fits as it is; else the widest step at which it fits with a pixel
// free on each side, or kNarrowest.
int scaleToFit(const QFont &font, const QString &text, int room);

// Gives `widget` its font at the stretch at which it shows `text` within `room` pixels.
void fitWidget(QWidget &widget, const QString &text, int room);

}  // namespace narrowfont

#include "platform/ui/narrowfont.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace narrowfont {

namespace {

// Qt sets text in 64ths of a pixel and rounds a text's width to whole pixels, halves up.
constexpr int kUnits = 64;

// The width in whole pixels of `count` advances of `units` 64ths of a pixel each.
int roundedWidth(int units, qsizetype count)
{
    return static_cast<int>((units * count + kUnits / 2) / kUnits);
}

bool allDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The advance, in 64ths of a pixel, of every digit of `font` where its digits are all equally
// wide and set side by side unchanged (no pair of them kerned or shaped otherwise), so that a
// number of n digits is n times as wide; else 0. Each digit's own advance, and every pair of digits
// set once in one text.
int evenDigitAdvance(const QFont &font)
{
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('0')) * kUnits;
    if (advance <= 0 || advance != std::floor(advance) || advance > std::numeric_limits<int>::max() / 4096)
        return 0;
    QString pairs;
    for (char a = '0'; a <= '9'; ++a) {
        if (metrics.horizontalAdvance(QLatin1Char(a)) * kUnits != advance)
            return 0;
        for (char b = '0'; b <= '9'; ++b)
            pairs.append(QLatin1Char(a)).append(QLatin1Char(b));
    }
    return metrics.horizontalAdvance(pairs) * kUnits == advance * static_cast<qreal>(pairs.size()) ? static_cast<int>(advance) : 0;
}

// The numbers a board shows are measured many times over (every cell as it is made and filled), in
// a few fonts: their widths come from their digits' advance in the fonts measured so far, without
// shaping. The advance of a digit of `font`, in 64ths of a pixel, when `text` is a number and its
// digits are set side by side unchanged; else 0.
int digitAdvance(const QFont &font, const QString &text)
{
    if (!allDigits(text))
        return 0;
    struct Measured {
        QFont font;
        int advance;
    };
    static std::vector<Measured> fonts;  // the GUI thread's, as the fonts of widgets are
    constexpr size_t kMostFonts = 64;
    auto known = std::find_if(fonts.begin(), fonts.end(), [&](const Measured &m) { return m.font == font; });
    if (known == fonts.end()) {
        if (fonts.size() == kMostFonts)
            return 0;
        known = fonts.insert(fonts.end(), Measured{font, evenDigitAdvance(font)});
    }
    return known->advance;
}

QFont ownWidth(QFont font)
{
    if (font.stretch() != QFont::AnyStretch)
        font.setStretch(QFont::AnyStretch);
    return font;
}

}  // namespace

int naturalWidth(QFont font, const QString &text)
{
    font = ownWidth(font);
    if (const int advance = digitAdvance(font, text))
        return roundedWidth(advance, text.size());
    return QFontMetrics(font).horizontalAdvance(text);
}

int scaleToFit(const QFont &font, const QString &text, int room)
{
    const QFont own = ownWidth(font);
    if (naturalWidth(own, text) <= room)
        return 100;
    // Scaled across, the text is exactly that share of its width as set, fractions of a pixel
    // included.
    const int advance = digitAdvance(own, text);
    const qreal width = advance ? qreal(advance) * text.size() / kUnits : QFontMetricsF(own).horizontalAdvance(text);
    const qreal inside = room - 2;
    int scale = 100 - kStep;
    while (scale > kNarrowest && width * scale / 100 > inside)
        scale -= kStep;
    return scale;
}

int stretchToFit(QFont font, const QString &text, int room)
{
    const int natural = naturalWidth(font, text);
    if (natural <= room || natural == 0)
        return QFont::AnyStretch;
    // A narrowed text keeps a pixel free on each side: it fills its place and must not touch the
    // number beside it.
    const int inside = room - 2;
    // The step the proportion gives, then narrower steps while the text still does not fit (the
    // glyphs' widths are rounded to whole pixels).
    int stretch = std::clamp(100 * inside / natural / kStep * kStep, kNarrowest, 100 - kStep);
    for (; stretch > kNarrowest; stretch -= kStep) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= inside)
            break;
    }
    return stretch;
}

void fitWidget(QWidget &widget, const QString &text, int room)
{
    QFont narrowed = widget.font();
    narrowed.setStretch(stretchToFit(narrowed, text, room));
    if (narrowed != widget.font())
        widget.setFont(narrowed);
}

}  // namespace narrowfont

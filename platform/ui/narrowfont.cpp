#include "platform/ui/narrowfont.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
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
// number of n digits is n times as wide; else 0. Worked out by laying out every pair of digits
// once and reading where each glyph stands.
int evenDigitAdvance(const QFont &font)
{
    QString pairs;
    for (char a = '0'; a <= '9'; ++a)
        for (char b = '0'; b <= '9'; ++b)
            pairs.append(QLatin1Char(a)).append(QLatin1Char(b));
    QTextLayout layout(pairs, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs.front().positions().size() != pairs.size())
        return 0;
    const QList<QPointF> at = runs.front().positions();
    const qreal advance = (at[1].x() - at[0].x()) * kUnits;
    if (advance <= 0 || advance != std::floor(advance))
        return 0;
    for (qsizetype i = 0; i < at.size(); ++i)
        if ((at[i].x() - at[0].x()) * kUnits != advance * static_cast<qreal>(i))
            return 0;
    const int units = static_cast<int>(advance);
    return QFontMetrics(font).horizontalAdvance(pairs) == roundedWidth(units, pairs.size()) ? units : 0;
}

// The numbers a board shows are measured many times over (every cell as it is made and filled):
// their widths come from their digits' advance in the fonts measured so far, without shaping.
int digitsWidth(const QFont &font, const QString &text)
{
    struct Measured {
        QFont font;
        int advance;
    };
    static std::vector<Measured> fonts;  // the GUI thread's, as the fonts of widgets are
    auto known = std::find_if(fonts.begin(), fonts.end(), [&](const Measured &m) { return m.font == font; });
    if (known == fonts.end())
        known = fonts.insert(fonts.end(), Measured{font, evenDigitAdvance(font)});
    return known->advance > 0 ? roundedWidth(known->advance, text.size()) : -1;
}

int width(const QFont &font, const QString &text)
{
    if (allDigits(text))
        if (const int width = digitsWidth(font, text); width >= 0)
            return width;
    return QFontMetrics(font).horizontalAdvance(text);
}

}  // namespace

int naturalWidth(QFont font, const QString &text)
{
    if (font.stretch() != QFont::AnyStretch)
        font.setStretch(QFont::AnyStretch);
    return width(font, text);
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
        if (width(font, text) <= inside)
            break;
    }
    return stretch;
}

}  // namespace narrowfont

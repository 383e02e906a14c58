#include "platform/ui/narrowfont.h"

#include <QFontMetrics>
#include <algorithm>

namespace narrowfont {

int naturalWidth(QFont font, const QString &text)
{
    font.setStretch(QFont::AnyStretch);
    return QFontMetrics(font).horizontalAdvance(text);
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

}  // namespace narrowfont

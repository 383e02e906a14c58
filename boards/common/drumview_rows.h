#pragma once
// How the rows of a drum's power table and pool grid are made from their template rows.

#include "platform/ui/ctlarray.h"

#include <QString>
#include <cstdint>

namespace drumrows {

// Rows of the second table half start here (lotto boards).
inline constexpr int kSecondHalf = 29;
// The vertical space between two rows, beyond the height of a row.
inline constexpr int kRowGap = 25;

inline QString num(int64_t n) { return QString::number(static_cast<qint64>(n)); }

// Shows a control of the board when it exists.
template <class T>
void showElement(const CtlArray<T> &array, int index)
{
    if (T *ctl = array.at(index))
        ctl->setVisible(true);
}

// Creates element `index` of `array` from the template element, placed one row below
// element index - 1 (or on it, for the first row of a half).
template <class T>
T *createRow(CtlArray<T> &array, int index, int templateIndex, int left, int rowHeight, int topOf)
{
    T *ctl = array.load(index, templateIndex);
    ctl->Move(left, topOf + rowHeight);
    return ctl;
}

// Runs make(row, template, rowHeight) for every row of a table of the balls first..last that is made
// from a template row: the rows of a half from the half's template row (0, or 29 from ball 29 on
// when the table has a second half), each `rowHeight` below the row before it, the first over its
// template itself. With one half the template is the first ball's own row.
template <class Make>
void forEachMadeRow(int first, int last, bool oneHalf, bool secondHalf, int pitch, Make make)
{
    int tmpl = 0;
    int rowHeight = oneHalf ? pitch : 0;
    for (int b = first; b <= last; ++b) {
        if (!oneHalf && b == kSecondHalf && secondHalf)
            tmpl = kSecondHalf;
        else if (!(oneHalf && b == first) && b > 0)
            make(b, tmpl, rowHeight);
        rowHeight = pitch;
    }
}

}  // namespace drumrows

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

}  // namespace drumrows

#pragma once
// Puts a window above all others, or takes it back.

#include <QWidget>
#include <cstdint>

class clsWindowOnTop {
public:
    // -1 (True) keeps the window above the others; any other value takes that back. Set it before
    // the window is shown.
    void letOnTop(QWidget *frm, int16_t blnOnTop);
};

// Keeps `window` above the others; before the window shows.
void subPutOnTop(QWidget *window);

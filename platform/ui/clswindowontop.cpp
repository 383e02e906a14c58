#include "platform/ui/clswindowontop.h"


void clsWindowOnTop::letOnTop(QWidget *frm, int16_t blnOnTop)
{
    if (!frm)
        return;
    const bool wasVisible = frm->isVisible();
    frm->setWindowFlag(Qt::WindowStaysOnTopHint, blnOnTop == -1);
    // Changing a window flag hides a shown window; show it again, as the flag change alone would
    // not move it.
    if (wasVisible)
        frm->show();
}

void subPutOnTop(QWidget *window)
{
    clsWindowOnTop().letOnTop(window, -1);
}

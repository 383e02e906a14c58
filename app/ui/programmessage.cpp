#include "app/ui/programmessage.h"

#include "app/resstrings.h"

int fncProgramMessage(QWidget *owner, const QString &text, int style)
{
    return vbMsgBox(owner, text, style, res(10100));
}

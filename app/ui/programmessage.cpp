#include "app/ui/programmessage.h"

#include "app/resstrings.h"

int fncProgramMessage(const QString &text, int style) { return vbMsgBox(text, style, res(10100)); }

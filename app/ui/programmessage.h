#pragma once
// Messages of the program as a whole rather than of one dialog: titled with the program's name.

#include "platform/ui/msgbox.h"

#include <QString>

// Shows `text` in a message box of `style` titled with the program's name (string 10100) above the
// window of `owner`, and returns the answer.
int fncProgramMessage(QWidget *owner, const QString &text, int style = msgbox::kInformation);

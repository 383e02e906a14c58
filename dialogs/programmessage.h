#pragma once
// Messages of the program as a whole rather than of one dialog: titled with the program's name.

#include "platform/ui/msgbox.h"

#include <QString>

// Shows `text` in a message box of `style` titled with the program's name (string 10100) above the
// window of `owner`, and returns the answer.
int fncProgramMessage(QWidget *owner, const QString &text, int style = msgbox::kInformation);

// Writes the settings kept across runs (fncSaveSettings) and tells the user, above the window of
// `owner`, when they could not be written and why.
bool fncSaveSettingsOrTell(QWidget *owner);

// Writes the board settings of the lottery gstrLotteryDbFile from the board `parent` (or, when it is
// no board, from the board in front: Mode 1 of its "forConfigXYZfile") and tells the user, in a box
// above `parent`, when they could not be written and why. False when nothing was written (also
// without a record service).
bool fncSaveLotterySettings(QWidget *parent);

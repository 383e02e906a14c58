#include "dialogs/programmessage.h"

#include "app/clsrecordfile.h"
#include "app/faulttext.h"
#include "app/resstrings.h"
#include "app/application.h"
#include "app/settingsstore.h"
#include "dialogs/iboard.h"

int fncProgramMessage(QWidget *owner, const QString &text, int style)
{
    return vbMsgBox(owner, text, style, res(10100));
}

bool fncSaveSettingsOrTell(QWidget *owner)
{
    filewrite::Error error;
    if (fncSaveSettings(&error))
        return true;
    fncProgramMessage(owner, res(49010).arg(fncWriteFailureText(error.fault, error.detail)), msgbox::kOkOnly);
    return false;
}

bool fncSaveLotterySettings(QWidget *parent)
{
    if (!app().gobjRecordFile)
        return false;
    IBoard *board = dynamic_cast<IBoard *>(parent);
    if (!board)
        board = currentBoard();
    if (board) {
        app().gobjRecordFile->subSelectRecordFile(QStringLiteral("forConfigXYZfile"), board->lottery());
        if (app().gobjRecordFile->subSaveBoardSettings(board->lottery(), fncBoardControls(*board)))
            return true;
    }
    fncProgramMessage(parent, fncLotterySettingsNotSavedText(), msgbox::kOkOnly);
    return false;
}

// The option boxes that only store their state (read later by the generator and the comparison),
// and the wiring of the window's own handlers.

#include "boards/common/boardbase.h"

#include "analysis/openlottery.h"
#include "boards/common/clslanguage.h"

#include <QAction>

namespace {

// A power-interval box: the generator limits new columns of its drum while it is ticked.
void applyPowerInterval(DrumControls &drum, DrumState &state)
{
    state.gblnPowerInterval = drum.chkPowerInterval->value() != 0;
    subSetStateToolTip({drum.chkPowerInterval, drum.lblPowerInterval}, state.gblnPowerInterval, 8, 9);
}

}  // namespace

void BoardBase::wireWindowHandlers()
{
    chkGuaranteeNumbers->onClick = [this] { chkGuaranteeNumbers_Click(); };
    chkCompareWithGuess->onClick = [this] { chkCompareWithGuess_Click(); };
    for (Drum drum : boardDrums())
        this->drum(drum).chkPowerInterval->onClick = [this, drum] { chkPowerInterval_Click(drum); };

    connect(mnuLanguageEnglish, &QAction::triggered, this, [this] { mnuLanguageEnglish_Click(); });
    connect(mnuLanguageFrench, &QAction::triggered, this, [this] { mnuLanguageFrench_Click(); });
    connect(mnuLanguageTurkish, &QAction::triggered, this, [this] { mnuLanguageTurkish_Click(); });
}

void BoardBase::chkCompareWithGuess_Click()
{
    lottery().gblnCompareWithGuess = chkCompareWithGuess->value() != 0;
    subSetStateToolTip({chkCompareWithGuess}, lottery().gblnCompareWithGuess, 13, 14);
    subApplyCompareWithGuess();
}

void BoardBase::chkPowerInterval_Click(Drum drum)
{
    if (!this->drum(drum).chkPowerInterval)
        return;
    applyPowerInterval(this->drum(drum), lottery().drum(drum));
    subEnableIntervalControls(drum);
}

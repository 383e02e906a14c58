// The option boxes that only store their state (read later by the generator and the comparison),
// and the wiring of the window's own handlers.

#include "boards/common/boardbase.h"

#include "analysis/openlottery.h"
#include "boards/common/clslanguage.h"

#include <QAction>

void BoardBase::wireWindowHandlers()
{
    chkGuaranteeNumbers->onClick = [this] { chkGuaranteeNumbers_Click(); };
    chkCompareWithGuess->onClick = [this] { chkCompareWithGuess_Click(); };
    for (Drum drum : boardDrums())
        for (VbLabel *total : {this->drum(drum).lblDrawingPowerTotal, this->drum(drum).lblGuessPowerTotal,
                               this->drum(drum).lblColumnPowerTotal})
            total->onChange = [this] { subTotalChanged(); };

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

// The pool commands of the board: POPULATE over the pools of the game, Equal Chance, and the end of
// the "Pool n" view when the focus is parked. Each drum's pool grid is its view's.

#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"

using namespace boardanalysis;

void boardanalysis::wirePoolHandlers(BoardBase &board)
{
    board.cmdPopulate->onClick = [&board] { board.cmdPopulate_Click(); };
    board.chkEqualChance->onClick = [&board] { board.chkEqualChance_Click(); };
    board.cmdHiddenFocus->onGotFocus = [&board] { board.cmdHiddenFocus_GotFocus(); };
}

void BoardBase::cmdPopulate_Click()
{
    // The second pool first, so that the main pool's total is the one the status bar shows.
    const Drum secondFirst[] = {Drum::Second, Drum::Main};
    for (Drum d : kDrums)
        drum(d).subColourPoolCounts();
    for (Drum d : secondFirst) {
        if (lottery().gblnEqualChance)
            drum(d).subRefreshPool();
        else if (usesDrum(d))
            drum(d).subFillPoolGrid();
    }
}

void BoardBase::chkEqualChance_Click()
{
    if (!lottery().gblnBoardInitialised)
        return;
    lottery().gblnEqualChance = chkEqualChance->value() != 0;
    chkEqualChance->setToolTipText(message(lottery().gblnEqualChance ? 4 : 5));
}

void BoardBase::cmdHiddenFocus_GotFocus()
{
    // Only the pool in view: a count edit left open in the other pool ends when that pool is in
    // view again and the focus is parked.
    drum(lottery().gblnMainPoolView ? Drum::Main : Drum::Second).endPoolCountView();
}

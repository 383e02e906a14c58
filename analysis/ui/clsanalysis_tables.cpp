// The power table, its orders, the pool grid and the power interval of each drum on the board in
// front. The main drum's routines (clsAnalysis, with the digit names) and the second drum's
// (clsAnalysisBONUS) are entry points to the one implementation in drumview.

#include "analysis/ui/clsanalysis.h"
#include "analysis/ui/clsanalysisbonus.h"
#include "analysis/ui/drumview.h"
#include "boards/common/boardbase.h"

namespace {

// Runs `f` on the main drum of the board in front, when there is a board.
template <class F>
void onMainDrum(F &&f)
{
    if (BoardBase *board = boardInFront())
        f(DrumView::mainOf(*board));
}

// The same on the second drum, when the board has one.
template <class F>
void onSecondDrum(F &&f)
{
    BoardBase *board = boardInFront();
    if (board && board->hasSecondDrum() && glngMaxBallBONUS > 0)
        f(DrumView::secondOf(*board));
}

}  // namespace

// ---- clsAnalysis ----------------------------------------------------------------------------------

void clsAnalysis::subCalculatePowerTable() { onMainDrum(buildPowerTable); }
void clsAnalysis::subCalculatePowerTableFOR10() { onMainDrum(buildPowerTable); }
void clsAnalysis::subShowPowerTableRow(int32_t ball)
{
    onMainDrum([ball](const DrumView &d) { showPowerTableRow(d, ball); });
}
void clsAnalysis::subResetColorOfHighlightedBalls() { onMainDrum(resetHighlightedBalls); }

QString clsAnalysis::fncPoolOddsText(int64_t count) { return poolOddsText(count, gDrum.glngPoolTotal); }
void clsAnalysis::subFillPoolGrid() { onMainDrum(fillPoolGrid); }
void clsAnalysis::subFillPoolGridFOR10() { onMainDrum(fillPoolGrid); }

void clsAnalysis::subShowPowerInterval() { onMainDrum(showPowerInterval); }

void clsAnalysis::subRefreshPowerTableOrder() { onMainDrum(refreshPowerTableOrder); }
void clsAnalysis::subRankByLastPickedWeek() { onMainDrum(rankByLastPickedWeek); }
void clsAnalysis::subRankByPowerPercentage() { onMainDrum(rankByPowerPercentage); }
void clsAnalysis::subCALCULATEorderBYlastPICKEDWEEK() { onMainDrum(toggleLastPickedOrder); }
void clsAnalysis::subCALCULATEorderBYpowerPERCENTAGE() { onMainDrum(togglePowerPercentOrder); }
void clsAnalysis::subCalculateOrderByPickCount() { onMainDrum(showPickCountOrder); }
void clsAnalysis::subCalculateOrderByBallNumber() { onMainDrum(showBallNumberOrder); }

// ---- clsAnalysisBONUS -----------------------------------------------------------------------------

void clsAnalysisBONUS::subCalculatePowerTableBONUS() { onSecondDrum(buildPowerTable); }
void clsAnalysisBONUS::subShowPowerTableRowBONUS(int32_t ball)
{
    onSecondDrum([ball](const DrumView &d) { showPowerTableRow(d, ball); });
}
void clsAnalysisBONUS::subResetColorOfHighlightedBallsBONUS() { onSecondDrum(resetHighlightedBalls); }

QString clsAnalysisBONUS::fncPoolOddsTextBONUS(int64_t count) { return poolOddsText(count, gDrumBONUS.glngPoolTotal); }
void clsAnalysisBONUS::subFillPoolGridBONUS() { onSecondDrum(fillPoolGrid); }

void clsAnalysisBONUS::subShowPowerIntervalBONUS() { onSecondDrum(showPowerInterval); }

void clsAnalysisBONUS::subRefreshPowerTableOrderBONUS() { onSecondDrum(refreshPowerTableOrder); }
void clsAnalysisBONUS::subRankByLastPickedWeekBONUS() { onSecondDrum(rankByLastPickedWeek); }
void clsAnalysisBONUS::subRankByPowerPercentageBONUS() { onSecondDrum(rankByPowerPercentage); }
void clsAnalysisBONUS::subCALCULATEorderBYlastPICKEDWEEKBONUS() { onSecondDrum(toggleLastPickedOrder); }
void clsAnalysisBONUS::subCALCULATEorderBYpowerPERCENTAGEBONUS() { onSecondDrum(togglePowerPercentOrder); }
void clsAnalysisBONUS::subCalculateOrderByPickCountBONUS() { onSecondDrum(showPickCountOrder); }
void clsAnalysisBONUS::subCalculateOrderByBallNumberBONUS() { onSecondDrum(showBallNumberOrder); }

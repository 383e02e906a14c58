// A drum's exclusion boxes: a box takes its ball out of the pool at once and gives it back with
// the count it had; the header excludes or includes every ball whose box is not locked by a
// guaranteed number.

#include "boards/common/drumview.h"

#include "analysis/pool.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"
#include "platform/ui/vbcolor.h"

using boardanalysis::colourPoolCountBox;

namespace {

// The colours of an included ball's pool boxes: white for 0, light yellow for a count.
void colourIncludedBoxes(const DrumView &d, int32_t ball)
{
    VbTextBox *count = d.txtPoolCount.at(ball);
    if (VbTextBox *odds = d.txtPoolPercent.at(ball))
        odds->setBackColor(vbc::kWhite);
    if (count)
        colourPoolCountBox(count);
}

void colourExcludedBoxes(const DrumView &d, int32_t ball)
{
    for (VbTextBox *box : {d.txtPoolCount.at(ball), d.txtPoolPercent.at(ball)})
        if (box)
            box->setBackColor(static_cast<uint32_t>(app().gvarExcludedBackColor));
}

}  // namespace

VbCheck *DrumView::exclusionBox(int32_t ball) const { return inUse() ? chkExcludeBall.at(ball) : nullptr; }

void DrumView::chkExcludeBall_Click(int Index)
{
    if (!gblnExcludeAllRunning)
        subApplyExclusions(Index);
}

void DrumView::subApplyExclusions(int Index)
{
    if (!inUse())
        return;
    VbCheck *box = chkExcludeBall.at(Index);
    if (!box || !hasBall(Index))
        return;
    DrumState &s = state();
    fitToDrum(s.garrExcluded);
    fitToDrum(s.garrPoolWeightSaved);
    fitToDrum(s.garrPoolWeight);

    int32_t ticked = 0;
    for (int32_t b = first(); b <= last(); ++b)
        if (const VbCheck *other = chkExcludeBall.at(b); other && other->value() != 0)
            ++ticked;

    s.garrExcluded[Index] = box->value();
    if (box->value() != 0) {
        if (lottery().gblnBoardInitialised)
            s.garrPoolWeightSaved[Index] = poolCount(s.garrPoolWeight[Index]);
        colourExcludedBoxes(*this, Index);
    } else {
        if (lottery().gblnBoardInitialised)
            s.garrPoolWeight[Index] = static_cast<double>(s.garrPoolWeightSaved[Index]);
        const VbLabel *poolBall = lblPoolBall.at(Index);
        if (poolBall && poolBall->backColor() == vbc::kLightYellow) {
            if (VbTextBox *odds = txtPoolPercent.at(Index))
                odds->setBackColor(vbc::kLightYellow);
            if (VbTextBox *count = txtPoolCount.at(Index))
                colourPoolCountBox(count);
        } else {
            colourIncludedBoxes(*this, Index);
        }
    }
    subRefreshPool();
    s.gblnAllExcluded = ticked == shape().ballCount();
    board_.subUpdateDrawEnabled();
}

void DrumView::chkExcludeBall_MouseMove(int Index)
{
    if (VbCheck *box = exclusionBox(Index))
        box->setToolTipText(res(box->value() != 0 ? 30160 : 30150));
}

void DrumView::lblHdrExclude_Click(int)
{
    if (!inUse())
        return;
    DrumState &s = state();
    fitToDrum(s.garrExcluded);
    fitToDrum(s.garrPoolWeightSaved);
    fitToDrum(s.garrPoolWeight);
    const bool includeAll = s.gblnAllExcluded;
    gblnExcludeAllRunning = true;
    for (int32_t b = first(); b <= last(); ++b) {
        VbCheck *box = chkExcludeBall.at(b);
        // A box locked by a guaranteed number is left as it is.
        if (!box || !box->isEnabled())
            continue;
        if (!includeAll) {
            if (box->value() != 0)
                continue;  // an excluded ball keeps its saved count
            box->setValue(1);
            s.garrExcluded[b] = 1;
            s.garrPoolWeightSaved[b] = poolCount(s.garrPoolWeight[b]);
            colourExcludedBoxes(*this, b);
        } else {
            // Only a ball that is excluded has a saved count to get back.
            if (box->value() != 0 || s.garrExcluded[b] != 0)
                s.garrPoolWeight[b] = static_cast<double>(s.garrPoolWeightSaved[b]);
            box->setValue(0);
            s.garrExcluded[b] = 0;
            colourIncludedBoxes(*this, b);
        }
    }
    subRefreshPool();
    gblnExcludeAllRunning = false;
    s.gblnAllExcluded = !includeAll;
    board_.subUpdateDrawEnabled();
}

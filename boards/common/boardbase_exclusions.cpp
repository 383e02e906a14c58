// Ball exclusions, guaranteed numbers and whether DRAW can run. An exclusion box takes its ball out
// of the pool at once and gives it back with the count it had; a guaranteed ball is excluded from
// the pool (the generator places it itself) and its box locked while it is guaranteed. The box,
// the pool and the generator always agree, and DRAW is enabled exactly when every drum of the
// game has enough drawable balls for the positions it draws.

#include "boards/common/boardbase.h"

#include "analysis/generator.h"
#include "analysis/pool.h"
#include "analysis/openlottery.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "boards/common/boardbase_analysis.h"
#include "boards/common/drumview.h"
#include "boards/common/clslanguage.h"
#include "platform/ui/vbcolor.h"
#include "platform/vb.h"

using boardanalysis::colourPoolCountBox;

namespace {

// The colours of an included ball's pool boxes: white for 0, light yellow for a count.
void colourIncludedBoxes(const DrumView &d, int32_t ball)
{
    VbTextBox *count = d.ctl.txtPoolCount.at(ball);
    if (VbTextBox *odds = d.ctl.txtPoolPercent.at(ball))
        odds->setBackColor(vbc::kWhite);
    if (count)
        colourPoolCountBox(count);
}

void colourExcludedBoxes(const DrumView &d, int32_t ball)
{
    for (VbTextBox *box : {d.ctl.txtPoolCount.at(ball), d.ctl.txtPoolPercent.at(ball)})
        if (box)
            box->setBackColor(static_cast<uint32_t>(app().gvarExcludedBackColor));
}

// The exclusion box of a ball of a drum (none for a number outside the drum).
VbCheck *exclusionBox(BoardBase &board, Drum drum, int32_t ball)
{
    return board.usesDrum(drum) ? board.drum(drum).chkExcludeBall.at(ball) : nullptr;
}

void lockExclusion(BoardBase &board, Drum drum, int32_t ball)
{
    if (VbCheck *box = exclusionBox(board, drum, ball)) {
        box->setEnabled(false);
        if (box->value() == 0)
            box->setValue(1);
    }
}

void releaseExclusion(BoardBase &board, Drum drum, int32_t ball)
{
    if (VbCheck *box = exclusionBox(board, drum, ball)) {
        box->setEnabled(true);
        box->setValue(0);
    }
}

}  // namespace

void BoardBase::wireMarkingAndExclusionHandlers()
{
    for (Drum drum : boardDrums()) {
        DrumControls &c = this->drum(drum);
        c.picPowerBall.wire([this, drum](int i, VbPicture *p) { p->onClick = [this, drum, i] { picPowerBall_Click(i, drum); }; });
        c.picPoolBall.wire([this, drum](int i, VbPicture *p) { p->onClick = [this, drum, i] { picPoolBall_Click(i, drum); }; });
        c.chkExcludeBall.wire([this, drum](int i, VbCheck *box) {
            box->onClick = [this, drum, i] { chkExcludeBall_Click(i, drum); };
            box->onMouseMove = [this, drum, i] { chkExcludeBall_MouseMove(i, drum); };
        });
        c.lblHdrExclude.wire([this, drum](int i, VbLabel *l) { l->onClick = [this, drum, i] { lblHdrExclude_Click(i, drum); }; });
    }
    lblGuaranteeNumbers->onClick = [this] { lblGuaranteeNumbers_Click(); };
    txtGuaranteeNumber.wire([this](int i, VbTextBox *box) {
        box->onGotFocus = [this, i] { txtGuaranteeNumber_GotFocus(i); };
        box->onLostFocus = [this, i] { txtGuaranteeNumber_LostFocus(i); };
    });
}

// ---- Exclusions -------------------------------------------------------------------------------

void BoardBase::chkExcludeBall_Click(int Index, Drum drum)
{
    if (!gblnExcludeAllRunning)
        subApplyExclusions(Index, drum);
}

void BoardBase::subApplyExclusions(int Index, Drum drum)
{
    if (!usesDrum(drum))
        return;
    const DrumView d = DrumView::of(*this, drum);
    VbCheck *box = d.ctl.chkExcludeBall.at(Index);
    if (!box || !d.hasBall(Index))
        return;
    DrumState &s = d.state;
    d.fitToDrum(s.garrExcluded);
    d.fitToDrum(s.garrPoolWeightSaved);
    d.fitToDrum(s.garrPoolWeight);

    int32_t ticked = 0;
    for (int32_t b = d.first(); b <= d.last(); ++b)
        if (const VbCheck *other = d.ctl.chkExcludeBall.at(b); other && other->value() != 0)
            ++ticked;

    s.garrExcluded[Index] = box->value();
    if (box->value() != 0) {
        if (lottery().gblnBoardInitialised)
            s.garrPoolWeightSaved[Index] = static_cast<int32_t>(poolCount(s.garrPoolWeight[Index]));
        colourExcludedBoxes(d, Index);
    } else {
        if (lottery().gblnBoardInitialised)
            s.garrPoolWeight[Index] = s.garrPoolWeightSaved[Index];
        const VbLabel *poolBall = d.ctl.lblPoolBall.at(Index);
        if (poolBall && poolBall->backColor() == vbc::kLightYellow) {
            if (VbTextBox *odds = d.ctl.txtPoolPercent.at(Index))
                odds->setBackColor(vbc::kLightYellow);
            if (VbTextBox *count = d.ctl.txtPoolCount.at(Index))
                colourPoolCountBox(count);
        } else {
            colourIncludedBoxes(d, Index);
        }
    }
    subRefreshPool(drum);
    lottery().drum(drum).gblnAllExcluded = ticked == d.shape.ballCount();
    subUpdateDrawEnabled();
}

void BoardBase::chkExcludeBall_MouseMove(int Index, Drum drum)
{
    if (VbCheck *box = exclusionBox(*this, drum, Index))
        box->setToolTipText(res(box->value() != 0 ? 30160 : 30150));
}

void BoardBase::lblHdrExclude_Click(int, Drum drum)
{
    if (!usesDrum(drum))
        return;
    const DrumView d = DrumView::of(*this, drum);
    DrumState &s = d.state;
    d.fitToDrum(s.garrExcluded);
    d.fitToDrum(s.garrPoolWeightSaved);
    d.fitToDrum(s.garrPoolWeight);
    const bool includeAll = lottery().drum(drum).gblnAllExcluded;
    gblnExcludeAllRunning = true;
    for (int32_t b = d.first(); b <= d.last(); ++b) {
        VbCheck *box = d.ctl.chkExcludeBall.at(b);
        // A box locked by a guaranteed number is left as it is.
        if (!box || !box->isEnabled())
            continue;
        if (!includeAll) {
            if (box->value() != 0)
                continue;  // an excluded ball keeps its saved count
            box->setValue(1);
            s.garrExcluded[b] = 1;
            s.garrPoolWeightSaved[b] = static_cast<int32_t>(poolCount(s.garrPoolWeight[b]));
            colourExcludedBoxes(d, b);
        } else {
            // Only a ball that is excluded has a saved count to get back.
            if (box->value() != 0 || s.garrExcluded[b] != 0)
                s.garrPoolWeight[b] = s.garrPoolWeightSaved[b];
            box->setValue(0);
            s.garrExcluded[b] = 0;
            colourIncludedBoxes(d, b);
        }
    }
    subRefreshPool(drum);
    gblnExcludeAllRunning = false;
    lottery().drum(drum).gblnAllExcluded = !includeAll;
    subUpdateDrawEnabled();
}

// ---- Guaranteed numbers ---------------------------------------------------------------------------

int32_t BoardBase::guaranteedBall(int position) const
{
    const VbTextBox *box = txtGuaranteeNumber.at(position);
    if (!box)
        return 0;
    const auto n = vb::toLong(box->text().trimmed());
    // A text that names no ball of the position's drum (a settings file's) means no guarantee.
    if (!n || *n < lottery().gLayout.lowestAt(position) || *n > lottery().gLayout.highestAt(position))
        return 0;
    return *n;
}

void BoardBase::chkGuaranteeNumbers_Click()
{
    lottery().gblnGuaranteeNumbers = chkGuaranteeNumbers->value() != 0;
    subSetStateToolTip({chkGuaranteeNumbers, lblGuaranteeNumbers}, lottery().gblnGuaranteeNumbers, 6, 7);
    if (!lottery().gblnBoardInitialised)
        return;
    const int first = lottery().gLayout.firstPosition;
    const int last = lottery().gLayout.lastGuaranteePosition();
    for (int j = first; j <= last; ++j) {
        VbTextBox *box = txtGuaranteeNumber.at(j);
        if (!box)
            continue;
        box->setEnabled(lottery().gblnGuaranteeNumbers);
        if (!lottery().gblnGuaranteeNumbers)
            box->setBackColor(vbc::kWhite);
        else if (guaranteedBall(j) >= 1)
            box->setBackColor(vbc::kLightYellow);
    }
    // A guaranteed number takes its ball out of the pool (the digit board's guaranteed digits have
    // rules of their own).
    for (int j = first; j <= last; ++j) {
        const int32_t n = guaranteedBall(j);
        if (n < 1)
            continue;
        if (lottery().gblnGuaranteeNumbers)
            lockExclusion(*this, lottery().gLayout.drumOf(j), n);
        else
            releaseExclusion(*this, lottery().gLayout.drumOf(j), n);
    }
    subUpdateDrawEnabled();
}

void BoardBase::lblGuaranteeNumbers_Click()
{
    if (chkGuaranteeNumbers->value() == 0)
        chkGuaranteeNumbers->setValue(1);
    else if (chkGuaranteeNumbers->value() == 1)
        chkGuaranteeNumbers->setValue(0);
}

void BoardBase::txtGuaranteeNumber_GotFocus(int Index)
{
    VbTextBox *box = txtGuaranteeNumber.at(Index);
    if (!box)
        return;
    mlngGuaranteeBefore = guaranteedBall(Index);
    if (mlngGuaranteeBefore >= 1)
        box->setBackColor(vbc::kLightYellow);
    box->setText(QString());
}

void BoardBase::txtGuaranteeNumber_LostFocus(int Index)
{
    VbTextBox *box = txtGuaranteeNumber.at(Index);
    if (!lottery().gblnBoardInitialised || !box)
        return;
    const int32_t before = mlngGuaranteeBefore;
    const QString t = box->text().trimmed();
    const auto typed = vb::toLong(t);
    if (t.isEmpty() || !typed) {
        box->setText(QString::number(before));
        return;
    }
    const Drum drum = lottery().gLayout.drumOf(Index);
    int32_t n = *typed;
    bool duplicate = false;
    for (int k = lottery().gLayout.firstPositionOf(drum); k <= lottery().gLayout.lastPositionOf(drum); ++k)
        if (k != Index && n != 0 && guaranteedBall(k) == n)
            duplicate = true;
    if (n < 0 || n > lottery().gLayout.highestAt(Index) || duplicate) {
        box->setText(QString::number(before));
        n = before;
    }
    if (n == 0) {
        box->setBackColor(vbc::kWhite);
        if (before >= 1)
            releaseExclusion(*this, drum, before);
    } else {
        box->setBackColor(vbc::kLightYellow);
        // The new ball is locked before the old one is let go, so that the pool never holds both.
        if (VbCheck *excl = exclusionBox(*this, drum, n)) {
            excl->setValue(1);
            excl->setEnabled(false);
        }
        if (before >= 1 && before != n)
            releaseExclusion(*this, drum, before);
    }
    subUpdateDrawEnabled();
}

// ---- DRAW's enabled state ---------------------------------------------------------------------------

bool BoardBase::canDraw() const
{
    if (lottery().glngTotalWeeks < 1)
        return false;
    const GeneratorSetup setup = GeneratorSetup::fromLottery(lottery(), [this](int position) {
        const VbTextBox *box = txtGuaranteeNumber.at(position);
        return box ? box->text() : QString();
    });
    return canFillPositions(setup);
}

void BoardBase::subUpdateDrawEnabled()
{
    if (cmdDraw)
        cmdDraw->setEnabled(canDraw());
}

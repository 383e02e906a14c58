// Guaranteed numbers and whether DRAW can run. A guaranteed ball is excluded from the pool of its
// drum (the generator places it itself) and its exclusion box locked while it is guaranteed. The
// box, the pool and the generator always agree, and DRAW is enabled exactly when every drum of the
// game has enough drawable balls for the positions it draws.

#include "boards/common/boardbase.h"

#include "analysis/generator.h"
#include "analysis/openlottery.h"
#include "boards/common/clslanguage.h"
#include "platform/ui/vbcolor.h"
#include "platform/vb.h"

namespace {

void lockExclusion(DrumView &drum, int32_t ball)
{
    if (VbCheck *box = drum.exclusionBox(ball)) {
        box->setEnabled(false);
        if (box->value() == 0)
            box->setValue(1);
    }
}

void releaseExclusion(DrumView &drum, int32_t ball)
{
    if (VbCheck *box = drum.exclusionBox(ball)) {
        box->setEnabled(true);
        box->setValue(0);
    }
}

}  // namespace

void BoardBase::wireGuaranteeHandlers()
{
    lblGuaranteeNumbers->onClick = [this] { lblGuaranteeNumbers_Click(); };
    txtGuaranteeNumber.wire([this](int i, VbTextBox *box) {
        box->onGotFocus = [this, i] { txtGuaranteeNumber_GotFocus(i); };
        box->onLostFocus = [this, i] { txtGuaranteeNumber_LostFocus(i); };
    });
}

// ---- Guaranteed numbers ---------------------------------------------------------------------------

int32_t BoardBase::guaranteedBall(int position) const
{
    const VbTextBox *box = txtGuaranteeNumber.at(position);
    if (!box)
        return 0;
    const auto n = vb::plainDecimal(box->text());
    // A text that names no ball of the position's drum (a settings file's), or not as the ball's
    // own number ("07", "1e1"), means no guarantee.
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
            lockExclusion(drum(lottery().gLayout.drumOf(j)), n);
        else
            releaseExclusion(drum(lottery().gLayout.drumOf(j)), n);
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
    // Only a number written as itself is taken.
    const auto typed = vb::plainDecimal(box->text());
    if (!typed) {
        box->setText(QString::number(before));
        return;
    }
    const Drum d = lottery().gLayout.drumOf(Index);
    DrumView &view = drum(d);
    int32_t n = *typed;
    bool duplicate = false;
    for (int k = lottery().gLayout.firstPositionOf(d); k <= lottery().gLayout.lastPositionOf(d); ++k)
        if (k != Index && n != 0 && guaranteedBall(k) == n)
            duplicate = true;
    if (n < 0 || n > lottery().gLayout.highestAt(Index) || duplicate) {
        box->setText(QString::number(before));
        n = before;
    }
    if (n == 0) {
        box->setBackColor(vbc::kWhite);
        if (before >= 1)
            releaseExclusion(view, before);
    } else {
        box->setBackColor(vbc::kLightYellow);
        // The new ball is locked before the old one is let go, so that the pool never holds both.
        if (VbCheck *excl = view.exclusionBox(n)) {
            excl->setValue(1);
            excl->setEnabled(false);
        }
        if (before >= 1 && before != n)
            releaseExclusion(view, before);
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

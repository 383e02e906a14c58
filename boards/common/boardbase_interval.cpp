// The power-interval controls of a drum: the option with its caption, the width combo, the slider
// that shifts both limits and the two limit boxes, which keep garrIntervalLimits equal to what
// they show.

#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"

#include "analysis/interval.h"
#include "analysis/openlottery.h"
#include "platform/vb.h"

using namespace boardanalysis;

namespace {

// A width combo holds a width when an item is selected and the text is that item's.
bool holdsWidth(const VbCombo *combo)
{
    const int index = combo->listIndex();
    return index >= 0 && combo->text().trimmed() == combo->list(index);
}

// The number a limit box shows, or `fallback` when it shows none.
int32_t shownLimit(const VbTextBox *box, int32_t fallback)
{
    return box ? vb::toLong(box->text().trimmed()).value_or(fallback) : fallback;
}

// The generator's limits: the numbers the two boxes show (those in force where a box shows none).
void takeLimitsFromBoxes(const DrumControls &c, DrumState &s)
{
    s.garrIntervalLimits = {shownLimit(c.txtPowerInterval.at(0), s.garrIntervalLimits[0]),
                            shownLimit(c.txtPowerInterval.at(1), s.garrIntervalLimits[1])};
}

// True when a limit box holds a limit up to `cap`; otherwise the box gets its own last limit back
// (`inForce`, the limit the generator uses, when it never had one), which runs its check again.
bool holdsLimit(VbTextBox *box, const QString &remembered, int32_t inForce, int32_t cap)
{
    if (intervalLimitText(box->text(), cap))
        return true;
    box->setText(intervalLimitText(remembered, cap) ? remembered : QString::number(inForce));
    return false;
}

}  // namespace

int32_t BoardBase::intervalLimitCapOf(Drum drum) const
{
    const DrumState &s = lottery().drum(drum);
    const int columns = lottery().gLayout.lastPositionOf(drum) - lottery().gLayout.firstPositionOf(drum) + 1;
    const int32_t first = lottery().gLayout.lowestAt(lottery().gLayout.firstPositionOf(drum));
    const int32_t last = lottery().gLayout.highestAt(lottery().gLayout.firstPositionOf(drum));
    const int64_t reachable = largestReachableSum(s.garrPickCount, first, last, columns, lottery().gLayout.columnRepeatsBalls());
    return intervalLimitCap(reachable, s.gblnSumStatsValid ? s.garrSumStats[2] : 0);
}

void BoardBase::subEnableIntervalControls(Drum drum)
{
    DrumControls &c = this->drum(drum);
    const bool on = lottery().drum(drum).gblnPowerInterval;
    for (QWidget *control : std::initializer_list<QWidget *>{c.cboPowerIntervalPct, c.lblPowerLowest, c.lblPowerMiddle,
                                                             c.lblPowerHighest, c.txtPowerInterval.at(0),
                                                             c.txtPowerInterval.at(1), c.hsbPowerInterval})
        if (control)
            control->setEnabled(on);
}

void BoardBase::lblPowerInterval_Click(Drum drum)
{
    VbCheck *option = this->drum(drum).chkPowerInterval;
    const int value = option ? option->value() : 2;
    if (value == 0 || value == 1)
        option->setValue(1 - value);
}

// ---- Width combo ----------------------------------------------------------------------------------

void BoardBase::cboPowerIntervalPct_GotFocus(Drum drum)
{
    const VbCombo *combo = this->drum(drum).cboPowerIntervalPct;
    if (holdsWidth(combo))
        intervalEdit[drumIndex(drum)].percent = combo->text().trimmed();
}

void BoardBase::cboPowerIntervalPct_Change(Drum drum) { cboPowerIntervalPct_LostFocus(drum); }

void BoardBase::cboPowerIntervalPct_LostFocus(Drum drum)
{
    VbCombo *combo = this->drum(drum).cboPowerIntervalPct;
    if (!lottery().gblnBoardInitialised || !usesDrum(drum) || holdsWidth(combo) || combo->listCount() == 0)
        return;
    // The width remembered at focus, at its list position ("1" is item 0, "50" item 5); before the
    // combo ever had the focus, "10".
    const auto remembered = vb::toLong(intervalEdit[drumIndex(drum)].percent);
    int index = remembered ? vb::cLng(*remembered / 10.0).value_or(1) : 1;
    if (index < 0 || index >= combo->listCount())
        index = 1;
    selectEntry(combo, index);
}

// ---- Slider ---------------------------------------------------------------------------------------

void BoardBase::hsbPowerInterval_Change(Drum drum)
{
    if (!lottery().gblnBoardInitialised || !usesDrum(drum))
        return;
    DrumControls &c = this->drum(drum);
    DrumState &s = lottery().drum(drum);
    VbTextBox *lower = c.txtPowerInterval.at(0);
    VbTextBox *upper = c.txtPowerInterval.at(1);
    if (!lower || !upper)
        return;
    const int32_t value = c.hsbPowerInterval->value();
    const auto before = vb::toLong(c.lblPowerSliderPos->caption());
    const bool down = before && *before > value;
    const IntervalLimits now{shownLimit(lower, s.garrIntervalLimits[0]), shownLimit(upper, s.garrIntervalLimits[1])};
    const IntervalLimits next = slideIntervalLimits(now, down, intervalLimitCapOf(drum));
    lower->setText(QString::number(next.lower));
    upper->setText(QString::number(next.upper));
    c.lblPowerSliderPos->setCaption(QString::number(value));
    takeLimitsFromBoxes(c, s);
}

// ---- Limit boxes ----------------------------------------------------------------------------------

void BoardBase::txtPowerInterval_GotFocus(int Index, Drum drum)
{
    const VbTextBox *box = this->drum(drum).txtPowerInterval.at(Index);
    if (box && intervalLimitText(box->text(), intervalLimitCapOf(drum)))
        intervalEdit[drumIndex(drum)].limit[Index] = box->text().trimmed();
}

void BoardBase::txtPowerInterval_Change(int Index, Drum drum)
{
    if (!lottery().gblnBoardInitialised || !usesDrum(drum))
        return;
    DrumControls &c = this->drum(drum);
    DrumState &s = lottery().drum(drum);
    VbTextBox *box = c.txtPowerInterval.at(Index);
    if (!box)
        return;
    QString &remembered = intervalEdit[drumIndex(drum)].limit[Index];
    if (!holdsLimit(box, remembered, s.garrIntervalLimits[Index], intervalLimitCapOf(drum)))
        return;
    if (box->text() != box->text().trimmed()) {
        box->setText(box->text().trimmed());
        return;
    }
    // A limit set while the user is not typing in the box is the box's own from now on.
    if (!box->hasFocus())
        remembered = box->text();
    takeLimitsFromBoxes(c, s);
}

void BoardBase::txtPowerInterval_LostFocus(int Index, Drum drum)
{
    if (!lottery().gblnBoardInitialised || !usesDrum(drum))
        return;
    DrumControls &c = this->drum(drum);
    DrumState &s = lottery().drum(drum);
    VbTextBox *box = c.txtPowerInterval.at(Index);
    VbTextBox *lower = c.txtPowerInterval.at(0);
    VbTextBox *upper = c.txtPowerInterval.at(1);
    if (!box || !lower || !upper)
        return;
    QString &remembered = intervalEdit[drumIndex(drum)].limit[Index];
    if (!holdsLimit(box, remembered, s.garrIntervalLimits[Index], intervalLimitCapOf(drum)))
        return;
    // Crossed limits: the limit just edited wins and the other follows it.
    if (shownLimit(lower, 0) > shownLimit(upper, 0))
        (Index == 0 ? upper : lower)->setText(box->text());
    remembered = box->text();
    takeLimitsFromBoxes(c, s);
}

// A drum's power interval: the option with its caption, the width combo, the slider that shifts
// both limits and the two limit boxes, which keep garrIntervalLimits equal to what they show.

#include "boards/common/drumview.h"

#include "analysis/interval.h"
#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"
#include "boards/common/clslanguage.h"
#include "platform/vb.h"

#include <algorithm>

using namespace boardanalysis;

namespace {

QString num(int64_t n) { return QString::number(static_cast<qint64>(n)); }

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

// ---- What the interval shows ------------------------------------------------------------------------

void DrumView::selectIntervalPercent()
{
    VbCombo *combo = cboPowerIntervalPct;
    if (!combo)
        return;
    if (combo->listIndex() == -1 && combo->listCount() > 0) {
        // The settings record keeps the list position of the percentage in the combo's text; a
        // position outside the list selects the second item ("10"), as after a reset.
        int index = vb::toLong(combo->text()).value_or(1);
        if (index < 0 || index >= combo->listCount())
            index = std::min(1, combo->listCount() - 1);
        combo->setListIndex(index);
    }
    subShowPowerInterval();
}

void DrumView::subShowPowerInterval()
{
    DrumState &s = state();
    if (!s.gblnSumStatsValid) {
        // No drawing sums to show: the limits stay as they are.
        for (VbLabel *l : {lblPowerLowest, lblPowerMiddle, lblPowerHighest, lblPowerSliderPos})
            if (l)
                l->setCaption(QStringLiteral("\u2014"));
        return;
    }
    const int32_t percent = cboPowerIntervalPct ? vb::toLong(cboPowerIntervalPct->text()).value_or(0) : 0;
    const PowerIntervalView v =
        powerIntervalView({s.garrSumStats[0], s.garrSumStats[1], s.garrSumStats[2]}, percent);
    if (lblPowerLowest)
        lblPowerLowest->setCaption(num(v.lowest));
    if (lblPowerMiddle)
        lblPowerMiddle->setCaption(num(v.middle));
    if (lblPowerHighest)
        lblPowerHighest->setCaption(num(v.highest));
    int32_t sliderPos = v.sliderPos;
    if (VbScrollBar *slider = hsbPowerInterval) {
        slider->setMin(v.sliderMin);
        slider->setMax(v.sliderMax);
        slider->setValue(v.sliderValue);
        sliderPos = slider->value();
    }
    VbTextBox *lower = txtPowerInterval.at(0);
    VbTextBox *upper = txtPowerInterval.at(1);
    if (upper)
        upper->setText(num(v.upper));
    if (lower)
        lower->setText(num(v.lower));
    if (lblPowerSliderPos)
        lblPowerSliderPos->setCaption(num(sliderPos));
    // The generator's limits are the numbers the two boxes show.
    s.garrIntervalLimits[0] = lower ? vb::toLong(lower->text()).value_or(v.lower) : v.lower;
    s.garrIntervalLimits[1] = upper ? vb::toLong(upper->text()).value_or(v.upper) : v.upper;
}

int32_t DrumView::intervalLimitCapOf() const
{
    const DrumState &s = state();
    const GameLayout &layout = lottery().gLayout;
    const int columns = layout.lastPositionOf(drum_) - layout.firstPositionOf(drum_) + 1;
    const int32_t lowest = layout.lowestAt(layout.firstPositionOf(drum_));
    const int32_t highest = layout.highestAt(layout.firstPositionOf(drum_));
    const int64_t reachable = largestReachableSum(s.garrPickCount, lowest, highest, columns, layout.columnRepeatsBalls());
    return intervalLimitCap(reachable, s.gblnSumStatsValid ? s.garrSumStats[2] : 0);
}

// ---- The option ---------------------------------------------------------------------------------

void DrumView::chkPowerInterval_Click()
{
    if (!chkPowerInterval)
        return;
    // The generator limits new columns of the drum while the box is ticked.
    DrumState &s = state();
    s.gblnPowerInterval = chkPowerInterval->value() != 0;
    subSetStateToolTip({chkPowerInterval, lblPowerInterval}, s.gblnPowerInterval, 8, 9);
    subEnableIntervalControls();
}

void DrumView::subEnableIntervalControls()
{
    const bool on = state().gblnPowerInterval;
    for (QWidget *control : std::initializer_list<QWidget *>{cboPowerIntervalPct, lblPowerLowest, lblPowerMiddle,
                                                             lblPowerHighest, txtPowerInterval.at(0),
                                                             txtPowerInterval.at(1), hsbPowerInterval})
        if (control)
            control->setEnabled(on);
}

void DrumView::lblPowerInterval_Click()
{
    VbCheck *option = chkPowerInterval;
    const int value = option ? option->value() : 2;
    if (value == 0 || value == 1)
        option->setValue(1 - value);
}

// ---- Width combo ----------------------------------------------------------------------------------

void DrumView::cboPowerIntervalPct_Click()
{
    if (inUse())
        subShowPowerInterval();
}

void DrumView::cboPowerIntervalPct_GotFocus()
{
    const VbCombo *combo = cboPowerIntervalPct;
    if (holdsWidth(combo))
        intervalEdit.percent = combo->text().trimmed();
}

void DrumView::cboPowerIntervalPct_Change() { cboPowerIntervalPct_LostFocus(); }

void DrumView::cboPowerIntervalPct_LostFocus()
{
    VbCombo *combo = cboPowerIntervalPct;
    if (!lottery().gblnBoardInitialised || !inUse() || holdsWidth(combo) || combo->listCount() == 0)
        return;
    // The width remembered at focus, at its list position ("1" is item 0, "50" item 5); before the
    // combo ever had the focus, "10".
    const auto remembered = vb::toLong(intervalEdit.percent);
    int index = remembered ? vb::cLng(*remembered / 10.0).value_or(1) : 1;
    if (index < 0 || index >= combo->listCount())
        index = 1;
    selectEntry(combo, index);
}

// ---- Slider ---------------------------------------------------------------------------------------

void DrumView::hsbPowerInterval_Change()
{
    if (!lottery().gblnBoardInitialised || !inUse())
        return;
    DrumState &s = state();
    VbTextBox *lower = txtPowerInterval.at(0);
    VbTextBox *upper = txtPowerInterval.at(1);
    if (!lower || !upper)
        return;
    const int32_t value = hsbPowerInterval->value();
    const auto before = vb::toLong(lblPowerSliderPos->caption());
    const bool down = before && *before > value;
    const IntervalLimits now{shownLimit(lower, s.garrIntervalLimits[0]), shownLimit(upper, s.garrIntervalLimits[1])};
    const IntervalLimits next = slideIntervalLimits(now, down, intervalLimitCapOf());
    lower->setText(QString::number(next.lower));
    upper->setText(QString::number(next.upper));
    lblPowerSliderPos->setCaption(QString::number(value));
    takeLimitsFromBoxes(*this, s);
}

// ---- Limit boxes ----------------------------------------------------------------------------------

void DrumView::txtPowerInterval_GotFocus(int Index)
{
    const VbTextBox *box = txtPowerInterval.at(Index);
    if (box && intervalLimitText(box->text(), intervalLimitCapOf()))
        intervalEdit.limit[Index] = box->text().trimmed();
}

void DrumView::txtPowerInterval_Change(int Index)
{
    if (!lottery().gblnBoardInitialised || !inUse())
        return;
    DrumState &s = state();
    VbTextBox *box = txtPowerInterval.at(Index);
    if (!box)
        return;
    QString &remembered = intervalEdit.limit[Index];
    if (!holdsLimit(box, remembered, s.garrIntervalLimits[Index], intervalLimitCapOf()))
        return;
    if (box->text() != box->text().trimmed()) {
        box->setText(box->text().trimmed());
        return;
    }
    // A limit set while the user is not typing in the box is the box's own from now on.
    if (!box->hasFocus())
        remembered = box->text();
    takeLimitsFromBoxes(*this, s);
}

void DrumView::txtPowerInterval_LostFocus(int Index)
{
    if (!lottery().gblnBoardInitialised || !inUse())
        return;
    DrumState &s = state();
    VbTextBox *box = txtPowerInterval.at(Index);
    VbTextBox *lower = txtPowerInterval.at(0);
    VbTextBox *upper = txtPowerInterval.at(1);
    if (!box || !lower || !upper)
        return;
    QString &remembered = intervalEdit.limit[Index];
    if (!holdsLimit(box, remembered, s.garrIntervalLimits[Index], intervalLimitCapOf()))
        return;
    // Crossed limits: the limit just edited wins and the other follows it.
    if (shownLimit(lower, 0) > shownLimit(upper, 0))
        (Index == 0 ? upper : lower)->setText(box->text());
    remembered = box->text();
    takeLimitsFromBoxes(*this, s);
}

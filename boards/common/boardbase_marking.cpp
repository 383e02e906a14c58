// Ball marking: a click on a ball picture, in the power table or in the pool grid, marks every ball
// that shares the value of the column ordering the table, in both tables; the key ball clicked
// again removes the marking. Each handler works on the tables of the drum it is given.

#include "boards/common/boardbase.h"

#include "boards/common/drumview.h"
#include "platform/ui/vbcolor.h"
#include "platform/vb.h"

namespace {

QString num(int32_t n) { return QString::number(n); }

int32_t captionNumber(const VbLabel *label) { return label ? vb::toLong(label->caption().trimmed()).value_or(0) : 0; }

// The ball a power-table row shows.
int32_t rowBall(const DrumView &d, int row) { return captionNumber(d.ctl.lblPowerBall.at(row)); }

// The label of the column that groups a marking in the present order.
CtlArray<VbLabel> &groupingColumn(const DrumView &d)
{
    if (d.state.gblnSortedByPowerPercent)
        return d.ctl.lblPowerPercent;
    if (d.state.gblnSortedByLastPicked)
        return d.ctl.lblWeeksSincePick;
    return d.ctl.lblTotalPicks;
}

// The value a row is grouped by: its percentage or drawings since drawn as shown, else the pick
// count of its ball.
int32_t groupValue(const DrumView &d, int row)
{
    if (d.state.gblnSortedByPowerPercent || d.state.gblnSortedByLastPicked)
        return captionNumber(groupingColumn(d).at(row));
    return d.state.garrPickCount.value(rowBall(d, row), 0);
}

void markRow(const DrumView &d, int row, bool key)
{
    DrumControls &c = d.ctl;
    const int32_t ball = rowBall(d, row);
    const QString picture = (key ? QStringLiteral("R") : QStringLiteral("Y")) + num(ball);
    VbLabel *label = c.lblPowerBall.at(row);
    if (key)
        label->setForeColor(vbc::kDarkRed);
    showBallPicture(c.picPowerBall.at(row), picture);
    label->setBackColor(vbc::kLightYellow);
    if (VbLabel *group = groupingColumn(d).at(row))
        group->setBackColor(vbc::kLightYellow);
    for (auto *cells : {&c.lblTotalPicks, &c.lblStanding, &c.lblPowerPercent, &c.lblWeeksSincePick})
        if (VbLabel *cell = cells->at(row))
            cell->setFontBold(true);
    if (!d.hasBall(ball))
        return;
    showBallPicture(c.picPoolBall.at(ball), picture);
    if (VbLabel *poolBall = c.lblPoolBall.at(ball))
        poolBall->setBackColor(vbc::kLightYellow);
    if (VbTextBox *odds = c.txtPoolPercent.at(ball); odds && !d.excluded(ball)) {
        odds->setFontBold(true);
        odds->setBackColor(vbc::kLightYellow);
    }
}

void markBalls(BoardBase &board, Drum drum, int keyRow)
{
    if (!board.usesDrum(drum))
        return;
    const DrumView d = DrumView::of(board, drum);
    const VbLabel *key = d.ctl.lblPowerBall.at(keyRow);
    if (!key || !d.hasBall(keyRow))
        return;
    if (key->foreColor() == vbc::kDarkRed) {
        subResetColorOfHighlightedBalls(d);
        return;
    }
    subResetColorOfHighlightedBalls(d);
    d.state.gblnHighlight = true;
    const int32_t value = groupValue(d, keyRow);
    for (int row = d.first(); row <= d.last(); ++row)
        if (d.ctl.lblPowerBall.at(row) && groupValue(d, row) == value)
            markRow(d, row, row == keyRow);
}

// The power-table row that shows a ball.
int rowOfBall(BoardBase &board, Drum drum, int32_t ball)
{
    const DrumView d = DrumView::of(board, drum);
    if (!d.state.gblnSorted)
        return ball;
    for (int row = d.first(); row <= d.last(); ++row)
        if (d.ctl.lblPowerBall.at(row) && rowBall(d, row) == ball)
            return row;
    return ball;
}

}  // namespace

void BoardBase::picPowerBall_Click(int Index, Drum drum) { markBalls(*this, drum, Index); }

void BoardBase::picPoolBall_Click(int Index, Drum drum)
{
    if (usesDrum(drum))
        picPowerBall_Click(rowOfBall(*this, drum, Index), drum);
}

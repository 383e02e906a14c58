// A drum's power table: its rows, the orders chosen by the header clicks, and the marking of the
// balls that share a value with a ball picture clicked (in the power table or in the pool grid).

#include "boards/common/drumview.h"

#include "boards/common/boardbase.h"
#include "boards/common/drumview_rows.h"
#include "platform/ui/vbcolor.h"
#include "platform/vb.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

using namespace drumrows;

namespace {

int32_t captionNumber(const VbLabel *label) { return vb::toLong(label->caption()).value_or(0); }

int rowPitch(const CtlArray<VbLabel> &heightFrom)
{
    const VbLabel *tmpl = heightFrom.at(0);
    return (tmpl ? tmpl->Height() : 0) + kRowGap;
}

// The balls of the drum in the order of a key (stable: equal keys in ball order).
template <class Key>
std::vector<int32_t> ballsOrderedBy(const DrumView &d, Key key)
{
    std::vector<int32_t> balls(static_cast<size_t>(std::max(0, d.last() - d.first() + 1)));
    std::iota(balls.begin(), balls.end(), d.first());
    std::stable_sort(balls.begin(), balls.end(), [&](int32_t a, int32_t b) { return key(a) < key(b); });
    return balls;
}

// Row `row` of the power table shows ball `ball` with the standing given.
void showTableRow(DrumView &d, int row, int32_t ball, int64_t standing)
{
    if (!d.lblPowerBall.exists(row))
        return;
    d.lblPowerBall[row]->setCaption(num(ball));
    if (VbPicture *pic = d.picPowerBall.at(row))
        showBallPicture(pic, QStringLiteral("B") + num(ball));
    if (VbLabel *l = d.lblTotalPicks.at(row))
        l->setCaption(num(d.state().garrPickCount.value(ball, 0)));
    if (VbLabel *l = d.lblStanding.at(row))
        l->setCaption(num(standing));
    if (VbLabel *l = d.lblPowerPercent.at(row))
        l->setCaption(num(d.state().garrPowerPercent.value(ball, 0)));
    if (VbLabel *l = d.lblWeeksSincePick.at(row))
        l->setCaption(num(d.weeksSinceDrawn(ball)));
}

// Fills the rows in the order of a position array (standing = position).
void showPositionOrder(DrumView &d, const BallArray<int32_t> &positions)
{
    const auto balls = ballsOrderedBy(d, [&](int32_t b) { return positions.value(b, 0); });
    int row = d.first();
    for (int32_t b : balls)
        showTableRow(d, row++, b, positions.value(b, 0));
}

// Position of every ball: the first ball's index plus the number of other balls that come before
// it by `before` (equal values share a position).
template <class Value, class Before>
void rankBalls(const DrumView &d, BallArray<int32_t> &positions, Value value, Before before)
{
    d.fitToDrum(positions);
    const int32_t first = d.first(), last = d.last();
    for (int32_t i = first; i <= last; ++i) {
        const int32_t mine = value(i);
        int32_t ahead = 0;
        for (int32_t j = first; j <= last; ++j)
            if (j != i && before(value(j), mine))
                ++ahead;
        positions[i] = first + ahead;
    }
}

// Toggles between ball-number order and the order of a position array, whose flag is `own`.
void toggleOrder(DrumView &d, bool &own, bool &other, const BallArray<int32_t> &positions)
{
    d.subResetColorOfHighlightedBalls();
    if (own) {
        d.subCalculateOrderByBallNumber();
        return;
    }
    other = false;
    own = true;
    d.state().gblnSorted = true;
    showPositionOrder(d, positions);
}

constexpr uint32_t kActive = vbc::kDarkRed;
constexpr uint32_t kPlain = vbc::kWindowText;

// ---- Marking ------------------------------------------------------------------------------------

int32_t shownNumber(const VbLabel *label) { return label ? vb::toLong(label->caption().trimmed()).value_or(0) : 0; }

// The ball a power-table row shows.
int32_t rowBall(const DrumView &d, int row) { return shownNumber(d.lblPowerBall.at(row)); }

// The label of the column that groups a marking in the present order.
const CtlArray<VbLabel> &groupingColumn(const DrumView &d)
{
    if (d.state().gblnSortedByPowerPercent)
        return d.lblPowerPercent;
    if (d.state().gblnSortedByLastPicked)
        return d.lblWeeksSincePick;
    return d.lblTotalPicks;
}

// The value a row is grouped by: its percentage or drawings since drawn as shown, else the pick
// count of its ball.
int32_t groupValue(const DrumView &d, int row)
{
    if (d.state().gblnSortedByPowerPercent || d.state().gblnSortedByLastPicked)
        return shownNumber(groupingColumn(d).at(row));
    return d.state().garrPickCount.value(rowBall(d, row), 0);
}

void markRow(DrumView &d, int row, bool key)
{
    const int32_t ball = rowBall(d, row);
    const QString picture = (key ? QStringLiteral("R") : QStringLiteral("Y")) + num(ball);
    VbLabel *label = d.lblPowerBall.at(row);
    if (key)
        label->setForeColor(vbc::kDarkRed);
    showBallPicture(d.picPowerBall.at(row), picture);
    label->setBackColor(vbc::kLightYellow);
    if (VbLabel *group = groupingColumn(d).at(row))
        group->setBackColor(vbc::kLightYellow);
    for (auto *cells : {&d.lblTotalPicks, &d.lblStanding, &d.lblPowerPercent, &d.lblWeeksSincePick})
        if (VbLabel *cell = cells->at(row))
            cell->setFontBold(true);
    if (!d.hasBall(ball))
        return;
    showBallPicture(d.picPoolBall.at(ball), picture);
    if (VbLabel *poolBall = d.lblPoolBall.at(ball))
        poolBall->setBackColor(vbc::kLightYellow);
    if (VbTextBox *odds = d.txtPoolPercent.at(ball); odds && !d.excluded(ball)) {
        odds->setFontBold(true);
        odds->setBackColor(vbc::kLightYellow);
    }
}

// The power-table row that shows a ball.
int rowOfBall(const DrumView &d, int32_t ball)
{
    if (!d.state().gblnSorted)
        return ball;
    for (int row = d.first(); row <= d.last(); ++row)
        if (d.lblPowerBall.at(row) && rowBall(d, row) == ball)
            return row;
    return ball;
}

}  // namespace

// ---- Rows ---------------------------------------------------------------------------------------

int32_t DrumView::weeksSinceDrawn(int32_t ball) const
{
    const int32_t lastDrawn = state().garrLastPickedWeek.value(ball, 0);
    return lastDrawn < 1 ? lottery().glngReferenceWeek : lottery().glngReferenceWeek - lastDrawn;
}

void DrumView::subShowPowerTableRow(int32_t ball)
{
    const DrumState &s = state();
    if (VbLabel *l = lblTotalPicks.at(ball))
        l->setCaption(num(s.garrPickCount.value(ball, 0)));
    if (VbLabel *l = lblStanding.at(ball))
        l->setCaption(num(s.garrRankTable.value(ball, 0) + 1));
    const double power = s.garrPower.value(ball, 0.0);
    int32_t percent = 0;
    if (power != 0 && s.gvarMaxPower > 0)
        percent = vb::cInt(power / s.gvarMaxPower * 100).value_or(0);
    if (VbLabel *l = lblPowerPercent.at(ball))
        l->setCaption(num(percent));
}

void DrumView::makePowerRows()
{
    const auto make = [this](int b, int tmpl, int rowHeight) {
        if (!lblPowerBall.exists(tmpl))
            return;
        auto place = [&](auto &array) {
            return createRow(array, b, tmpl, array[tmpl]->Left(), rowHeight, array[b - 1]->Top());
        };
        place(lblPowerBall)->setCaption(num(b));
        place(picPowerBall);
        place(lblTotalPicks);
        place(lblStanding);
        place(lblPowerPercent);
        place(lblWeeksSincePick);
    };
    forEachMadeRow(first(), last(), oneHalf(), lblPowerBall.exists(kSecondHalf), rowPitch(lblTotalPicks), make);
}

void DrumView::subCalculatePowerTable()
{
    DrumState &s = state();
    s.gvarMaxPower = 0;
    for (int32_t b = first(); b <= last(); ++b)
        s.gvarMaxPower = std::max(s.gvarMaxPower, s.garrPower.value(b, 0.0));
    fitToDrum(s.garrPowerPercent);

    const bool create = !s.gblnPowerRowsCreated;
    const bool one = oneHalf();
    if (create)
        makePowerRows();
    // The left half of the table is in use whenever the drum has balls.
    if (create && last() >= first())
        showElement(shpBallColumn, 0);
    for (int32_t b = first(); b <= last(); ++b) {
        if (!one && b == kSecondHalf && lblPowerBall.exists(kSecondHalf)) {
            if (create) {
                showElement(picPowerBall, b);
                showElement(lblTotalPicks, b);
                showElement(lblStanding, b);
                showElement(lblPowerPercent, b);
                showElement(lblWeeksSincePick, b);
                lblPowerBall[b]->setCaption(num(b));
                showBallPicture(picPowerBall.at(b), QStringLiteral("B") + num(b));
                if (!second()) {
                    for (auto *headers : {&lblHdrTotal, &lblHdrStanding, &lblHdrPowerPercent, &lblHdrLastPicked})
                        showElement(*headers, 1);
                    showElement(shpBallColumn, 1);
                }
            }
        } else if (create && one && b == first()) {
            // The digit board's first row is the template row itself, shown now.
            for (auto *cells : {&lblTotalPicks, &lblStanding, &lblPowerPercent, &lblWeeksSincePick})
                showElement(*cells, b);
            showElement(picPowerBall, b);
            if (VbLabel *l = lblPowerBall.at(b))
                l->setCaption(num(b));
            showBallPicture(picPowerBall.at(b), QStringLiteral("B") + num(b));
        } else if (create && b > 0 && lblPowerBall.exists(b)) {
            // A row made from its template, shown now.
            showElement(picPowerBall, b);
            showBallPicture(picPowerBall.at(b), QStringLiteral("B") + num(b));
            for (auto *cells : {&lblTotalPicks, &lblStanding, &lblPowerPercent, &lblWeeksSincePick})
                showElement(*cells, b);
        }
        subShowPowerTableRow(b);
        if (const VbLabel *l = lblPowerPercent.at(b))
            s.garrPowerPercent[b] = captionNumber(l);
    }
    subRefreshPowerTableOrder();
    s.gblnPowerRowsCreated = true;
}

void DrumView::subResetColorOfHighlightedBalls()
{
    DrumState &s = state();
    if (!lottery().gblnBoardInitialised || !s.gblnHighlight)
        return;
    s.gblnHighlight = false;
    for (int32_t i = first(); i <= last(); ++i) {
        VbLabel *ball = lblPowerBall.at(i);
        if (ball && ball->backColor() == vbc::kLightYellow) {
            ball->setForeColor(vbc::kWindowText);
            for (auto *cells : {&lblTotalPicks, &lblStanding, &lblPowerPercent, &lblWeeksSincePick}) {
                if (VbLabel *l = cells->at(i)) {
                    l->setFontBold(false);
                    l->setBackColor(vbc::kWhite);
                }
            }
            ball->setBackColor(vbc::kWhite);
            showBallPicture(picPowerBall.at(i), QStringLiteral("B") + ball->caption());
        }
        VbLabel *poolBall = lblPoolBall.at(i);
        if (poolBall && poolBall->backColor() == vbc::kLightYellow) {
            poolBall->setBackColor(vbc::kWhite);
            showBallPicture(picPoolBall.at(i), QStringLiteral("G") + num(i));
            if (VbTextBox *odds = txtPoolPercent.at(i)) {
                odds->setFontBold(false);
                if (!excluded(i))
                    odds->setBackColor(vbc::kWhite);
            }
        }
    }
}

// ---- Orders -------------------------------------------------------------------------------------

void DrumView::subCalculateOrderByBallNumber()
{
    DrumState &s = state();
    s.gblnSorted = false;
    s.gblnSortedByLastPicked = false;
    s.gblnSortedByPowerPercent = false;
    for (int32_t b = first(); b <= last(); ++b)
        showTableRow(*this, b, b, s.garrRankTable.value(b, 0) + 1);
}

void DrumView::subCalculateOrderByPickCount()
{
    DrumState &s = state();
    s.gblnSorted = true;
    s.gblnSortedByLastPicked = false;
    s.gblnSortedByPowerPercent = false;
    fitToDrum(s.garrRowBall);
    // Rank 0 is the most drawn ball; equal counts share a rank and keep ball order.
    const auto balls = ballsOrderedBy(*this, [&](int32_t b) { return s.garrRankTable.value(b, 0); });
    int row = first();
    for (int32_t b : balls) {
        s.garrRowBall[row] = b;
        showTableRow(*this, row, b, row);
        ++row;
    }
}

void DrumView::subRankByLastPickedWeek()
{
    // Ascending: the ball drawn most recently first.
    rankBalls(*this, state().garrPosByLastPicked, [&](int32_t b) { return weeksSinceDrawn(b); }, std::less<>());
}

void DrumView::subRankByPowerPercentage()
{
    // Descending: the highest percent first.
    const DrumState &s = state();
    rankBalls(*this, state().garrPosByPowerPercent, [&](int32_t b) { return s.garrPowerPercent.value(b, 0); },
              std::greater<>());
}

void DrumView::subCALCULATEorderBYlastPICKEDWEEK()
{
    DrumState &s = state();
    toggleOrder(*this, s.gblnSortedByLastPicked, s.gblnSortedByPowerPercent, s.garrPosByLastPicked);
}

void DrumView::subCALCULATEorderBYpowerPERCENTAGE()
{
    DrumState &s = state();
    toggleOrder(*this, s.gblnSortedByPowerPercent, s.gblnSortedByLastPicked, s.garrPosByPowerPercent);
}

void DrumView::subRefreshPowerTableOrder()
{
    subResetColorOfHighlightedBalls();
    if (state().gblnSorted)
        subCalculateOrderByBallNumber();
    else
        subCalculateOrderByPickCount();
}

void DrumView::setHeaderColours(uint32_t total, uint32_t percent, uint32_t lastPicked)
{
    for (int h = 0; h <= 1; ++h) {
        if (VbLabel *l = lblHdrTotal.at(h))
            l->setForeColor(total);
        if (VbLabel *l = lblHdrPowerPercent.at(h))
            l->setForeColor(percent);
        if (VbLabel *l = lblHdrLastPicked.at(h))
            l->setForeColor(lastPicked);
    }
}

// ---- Header clicks --------------------------------------------------------------------------------

void DrumView::lblHdrTotal_Click(int)
{
    if (!inUse())
        return;
    setHeaderColours(kActive, kPlain, kPlain);
    subRefreshPowerTableOrder();
}

void DrumView::lblHdrPowerPercent_Click(int)
{
    if (!inUse())
        return;
    // A second click on the header of the order in use goes back to ball-number order.
    const bool leaving = state().gblnSortedByPowerPercent;
    setHeaderColours(leaving ? kActive : kPlain, leaving ? kPlain : kActive, kPlain);
    subCALCULATEorderBYpowerPERCENTAGE();
}

void DrumView::lblHdrLastPicked_Click(int)
{
    if (!inUse())
        return;
    const bool leaving = state().gblnSortedByLastPicked;
    setHeaderColours(leaving ? kActive : kPlain, kPlain, leaving ? kPlain : kActive);
    subCALCULATEorderBYlastPICKEDWEEK();
}

// ---- Marking --------------------------------------------------------------------------------------

void DrumView::picPowerBall_Click(int Index)
{
    if (!inUse())
        return;
    const VbLabel *key = lblPowerBall.at(Index);
    if (!key || !hasBall(Index))
        return;
    if (key->foreColor() == vbc::kDarkRed) {
        subResetColorOfHighlightedBalls();
        return;
    }
    subResetColorOfHighlightedBalls();
    state().gblnHighlight = true;
    const int32_t value = groupValue(*this, Index);
    for (int row = first(); row <= last(); ++row)
        if (lblPowerBall.at(row) && groupValue(*this, row) == value)
            markRow(*this, row, row == Index);
}

void DrumView::picPoolBall_Click(int Index)
{
    if (inUse())
        picPowerBall_Click(rowOfBall(*this, Index));
}

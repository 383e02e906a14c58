#include "boards/common/drumview.h"

#include "analysis/interval.h"
#include "analysis/pool.h"
#include "app/resstrings.h"
#include "platform/ui/respicture.h"
#include "boards/common/boardbase.h"
#include "platform/dates.h"
#include "platform/vb.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

namespace {

// Rows of the second table half start here (lotto boards).
constexpr int kSecondHalf = 29;
// The vertical space between two rows, beyond the height of a row.
constexpr int kRowGap = 25;

QString num(int64_t n) { return QString::number(static_cast<qint64>(n)); }

int32_t captionNumber(const VbLabel *label) { return vb::toLong(label->caption()).value_or(0); }

// Shows a control of the board when it exists.
template <class T>
void showElement(const CtlArray<T> &array, int index)
{
    if (T *ctl = array.at(index))
        ctl->setVisible(true);
}

// Creates element `index` of `array` from the template element, placed one row below
// element index - 1 (or on it, for the first row of a half).
template <class T>
T *createRow(CtlArray<T> &array, int index, int templateIndex, int left, int rowHeight, int topOf)
{
    T *ctl = array.load(index, templateIndex);
    ctl->Move(left, topOf + rowHeight);
    return ctl;
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
void showTableRow(const DrumView &d, int row, int32_t ball, int64_t standing)
{
    DrumControls &c = d.ctl;
    if (!c.lblPowerBall.exists(row))
        return;
    c.lblPowerBall[row]->setCaption(num(ball));
    if (VbPicture *pic = c.picPowerBall.at(row))
        showBallPicture(pic, QStringLiteral("B") + num(ball));
    if (VbLabel *l = c.lblTotalPicks.at(row))
        l->setCaption(num(d.state.garrPickCount.value(ball, 0)));
    if (VbLabel *l = c.lblStanding.at(row))
        l->setCaption(num(standing));
    if (VbLabel *l = c.lblPowerPercent.at(row))
        l->setCaption(num(d.state.garrPowerPercent.value(ball, 0)));
    if (VbLabel *l = c.lblWeeksSincePick.at(row))
        l->setCaption(num(weeksSinceDrawn(d, ball)));
}

// Fills the rows in the order of a position array (standing = position).
void showPositionOrder(const DrumView &d, const BallArray<int32_t> &positions)
{
    const auto balls = ballsOrderedBy(d, [&](int32_t b) { return positions.value(b, 0); });
    int row = d.first();
    for (int32_t b : balls)
        showTableRow(d, row++, b, positions.value(b, 0));
}

int rowPitch(const CtlArray<VbLabel> &heightFrom)
{
    const VbLabel *tmpl = heightFrom.at(0);
    return (tmpl ? tmpl->Height() : 0) + kRowGap;
}

}  // namespace

DrumView DrumView::of(BoardBase &board, Drum drum)
{
    OpenLottery &lottery = board.lottery();
    const GameLayout game = lottery.gLayout;
    const bool second = drum == Drum::Second;
    return DrumView{board,
                    board.drum(drum),
                    lottery.drum(drum),
                    second ? game.drum(Drum::Second) : game.drum(Drum::Main),
                    drum,
                    !second && board.design().tableHalves == 1};
}

std::vector<DrumView> DrumView::allOf(BoardBase &board)
{
    std::vector<DrumView> drums;
    for (Drum drum : board.gameDrums())
        drums.push_back(of(board, drum));
    return drums;
}

void showBallPicture(VbPicture *picture, const QString &name)
{
    if (!picture)
        return;
    picture->setPicture(fncLoadResPicture(name, QStringLiteral("GIF")));
    picture->setPictureName(name);
}

RecalcInputs recalcInputsFromBoard(BoardBase &board)
{
    const OpenLottery &lottery = board.lottery();
    const int32_t total = lottery.glngTotalWeeks;
    const auto week = [&](const VbCombo *combo, int32_t fallback) {
        const auto n = combo ? vb::toLong(combo->text().trimmed()) : std::nullopt;
        return n.value_or(fallback);
    };
    const int32_t start = week(board.cboStartDrawing, 1);
    const int32_t end = week(board.cboEndDrawing, total);

    QDate date;
    if (const VbCombo *dates = board.cboDrawingDate) {
        const int i = dates->listIndex();
        if (i >= 0 && dates->list(i) == dates->text())
            date = dates->itemData(i).toDate();
        if (!date.isValid())
            date = dates::fromShortText(dates->text());
    }
    // garrGameDates holds the newest drawing at 1, so drawing w stands at total - w + 1.
    if (!date.isValid() && end >= 1 && end <= total && static_cast<size_t>(total - end + 1) < lottery.garrGameDates.size())
        date = lottery.garrGameDates[static_cast<size_t>(total - end + 1)];

    RecalcInputs in;
    in.fromWeek = start;
    in.toWeek = end;
    in.upToDate = date;
    in.hotColdMode = lottery.gintHotColdMode;
    in.powerIncrease = lottery.gblnPowerIncrease;
    in.level = board.hsbPowerIncrease ? board.hsbPowerIncrease->value() : 2;
    in.totalWeeks = total;
    return in;
}

// ---- Power table ----------------------------------------------------------------------------------

int32_t weeksSinceDrawn(const DrumView &d, int32_t ball)
{
    const int32_t last = d.state.garrLastPickedWeek.value(ball, 0);
    return last < 1 ? d.board.lottery().glngReferenceWeek : d.board.lottery().glngReferenceWeek - last;
}

void subShowPowerTableRow(const DrumView &d, int32_t ball)
{
    DrumControls &c = d.ctl;
    const DrumState &s = d.state;
    if (VbLabel *l = c.lblTotalPicks.at(ball))
        l->setCaption(num(s.garrPickCount.value(ball, 0)));
    if (VbLabel *l = c.lblStanding.at(ball))
        l->setCaption(num(s.garrRankTable.value(ball, 0) + 1));
    const double power = s.garrPower.value(ball, 0.0);
    int32_t percent = 0;
    if (power != 0 && s.gvarMaxPower > 0)
        percent = vb::cInt(power / s.gvarMaxPower * 100).value_or(0);
    if (VbLabel *l = c.lblPowerPercent.at(ball))
        l->setCaption(num(percent));
}

void subCalculatePowerTable(const DrumView &d)
{
    DrumControls &c = d.ctl;
    DrumState &s = d.state;
    s.gvarMaxPower = 0;
    for (int32_t b = d.first(); b <= d.last(); ++b)
        s.gvarMaxPower = std::max(s.gvarMaxPower, s.garrPower.value(b, 0.0));
    d.fitToDrum(s.garrPowerPercent);

    const int pitch = rowPitch(c.lblTotalPicks);
    const bool create = !s.gblnPowerRowsCreated;
    // The left half of the table is in use whenever the drum has balls.
    if (create && d.last() >= d.first())
        showElement(c.shpBallColumn, 0);
    int tmpl = 0;
    int rowHeight = 0;
    for (int32_t b = d.first(); b <= d.last(); ++b) {
        if (!d.oneHalf && b == kSecondHalf && c.lblPowerBall.exists(kSecondHalf)) {
            tmpl = kSecondHalf;
            if (create) {
                showElement(c.picPowerBall, b);
                showElement(c.lblTotalPicks, b);
                showElement(c.lblStanding, b);
                showElement(c.lblPowerPercent, b);
                showElement(c.lblWeeksSincePick, b);
                c.lblPowerBall[b]->setCaption(num(b));
                showBallPicture(c.picPowerBall.at(b), QStringLiteral("B") + num(b));
                if (!d.second()) {
                    for (auto *headers : {&c.lblHdrTotal, &c.lblHdrStanding, &c.lblHdrPowerPercent, &c.lblHdrLastPicked})
                        showElement(*headers, 1);
                    showElement(c.shpBallColumn, 1);
                }
            }
        } else if (create && d.oneHalf && b == d.first()) {
            // The digit board's first row is the template row itself, shown now.
            for (auto *cells : {&c.lblTotalPicks, &c.lblStanding, &c.lblPowerPercent, &c.lblWeeksSincePick})
                showElement(*cells, b);
            showElement(c.picPowerBall, b);
            if (VbLabel *l = c.lblPowerBall.at(b))
                l->setCaption(num(b));
            showBallPicture(c.picPowerBall.at(b), QStringLiteral("B") + num(b));
        } else if (create && c.lblPowerBall.exists(tmpl) && b > 0) {
            if (d.oneHalf)
                rowHeight = pitch;
            auto place = [&](auto &array) {
                return createRow(array, b, tmpl, array[tmpl]->Left(), rowHeight, array[b - 1]->Top());
            };
            VbLabel *ball = place(c.lblPowerBall);
            VbPicture *pic = place(c.picPowerBall);
            VbLabel *total = place(c.lblTotalPicks);
            VbLabel *standing = place(c.lblStanding);
            VbLabel *percent = place(c.lblPowerPercent);
            VbLabel *weeks = place(c.lblWeeksSincePick);
            ball->setCaption(num(b));
            pic->setVisible(true);
            showBallPicture(pic, QStringLiteral("B") + num(b));
            for (VbLabel *l : {total, standing, percent, weeks})
                l->setVisible(true);
        }
        subShowPowerTableRow(d, b);
        if (!d.oneHalf)
            rowHeight = pitch;
        if (const VbLabel *l = c.lblPowerPercent.at(b))
            s.garrPowerPercent[b] = captionNumber(l);
    }
    subRefreshPowerTableOrder(d);
    s.gblnPowerRowsCreated = true;
}

void subResetColorOfHighlightedBalls(const DrumView &d)
{
    DrumState &s = d.state;
    if (!d.board.lottery().gblnBoardInitialised || !s.gblnHighlight)
        return;
    s.gblnHighlight = false;
    DrumControls &c = d.ctl;
    for (int32_t i = d.first(); i <= d.last(); ++i) {
        VbLabel *ball = c.lblPowerBall.at(i);
        if (ball && ball->backColor() == vbc::kLightYellow) {
            ball->setForeColor(vbc::kWindowText);
            for (auto *cells : {&c.lblTotalPicks, &c.lblStanding, &c.lblPowerPercent, &c.lblWeeksSincePick}) {
                if (VbLabel *l = cells->at(i)) {
                    l->setFontBold(false);
                    l->setBackColor(vbc::kWhite);
                }
            }
            ball->setBackColor(vbc::kWhite);
            showBallPicture(c.picPowerBall.at(i), QStringLiteral("B") + ball->caption());
        }
        VbLabel *poolBall = c.lblPoolBall.at(i);
        if (poolBall && poolBall->backColor() == vbc::kLightYellow) {
            poolBall->setBackColor(vbc::kWhite);
            showBallPicture(c.picPoolBall.at(i), QStringLiteral("G") + num(i));
            if (VbTextBox *odds = c.txtPoolPercent.at(i)) {
                odds->setFontBold(false);
                if (!d.excluded(i))
                    odds->setBackColor(vbc::kWhite);
            }
        }
    }
}

// ---- Table orders ---------------------------------------------------------------------------------

void subCalculateOrderByBallNumber(const DrumView &d)
{
    d.state.gblnSorted = false;
    d.state.gblnSortedByLastPicked = false;
    d.state.gblnSortedByPowerPercent = false;
    for (int32_t b = d.first(); b <= d.last(); ++b)
        showTableRow(d, b, b, d.state.garrRankTable.value(b, 0) + 1);
}

void subCalculateOrderByPickCount(const DrumView &d)
{
    DrumState &s = d.state;
    s.gblnSorted = true;
    s.gblnSortedByLastPicked = false;
    s.gblnSortedByPowerPercent = false;
    d.fitToDrum(s.garrRowBall);
    // Rank 0 is the most drawn ball; equal counts share a rank and keep ball order.
    const auto balls = ballsOrderedBy(d, [&](int32_t b) { return s.garrRankTable.value(b, 0); });
    int row = d.first();
    for (int32_t b : balls) {
        s.garrRowBall[row] = b;
        showTableRow(d, row, b, row);
        ++row;
    }
}

namespace {

// Position of every ball: the first ball's index plus the number of other balls that come before
// it by `before` (equal values share a position).
template <class Value, class Before>
void rankBalls(const DrumView &d, BallArray<int32_t> &positions, Value value, Before before)
{
    d.fitToDrum(positions);
    for (int32_t i = d.first(); i <= d.last(); ++i) {
        const int32_t mine = value(i);
        int32_t ahead = 0;
        for (int32_t j = d.first(); j <= d.last(); ++j)
            if (j != i && before(value(j), mine))
                ++ahead;
        positions[i] = d.first() + ahead;
    }
}

// Toggles between ball-number order and the order of a position array, whose flag is `own`.
void toggleOrder(const DrumView &d, bool &own, bool &other, const BallArray<int32_t> &positions)
{
    subResetColorOfHighlightedBalls(d);
    if (own) {
        subCalculateOrderByBallNumber(d);
        return;
    }
    other = false;
    own = true;
    d.state.gblnSorted = true;
    showPositionOrder(d, positions);
}

}  // namespace

void subRankByLastPickedWeek(const DrumView &d)
{
    // Ascending: the ball drawn most recently first.
    rankBalls(d, d.state.garrPosByLastPicked, [&](int32_t b) { return weeksSinceDrawn(d, b); }, std::less<>());
}

void subRankByPowerPercentage(const DrumView &d)
{
    // Descending: the highest percent first.
    rankBalls(d, d.state.garrPosByPowerPercent, [&](int32_t b) { return d.state.garrPowerPercent.value(b, 0); },
              std::greater<>());
}

void subCALCULATEorderBYlastPICKEDWEEK(const DrumView &d)
{
    DrumState &s = d.state;
    toggleOrder(d, s.gblnSortedByLastPicked, s.gblnSortedByPowerPercent, s.garrPosByLastPicked);
}

void subCALCULATEorderBYpowerPERCENTAGE(const DrumView &d)
{
    DrumState &s = d.state;
    toggleOrder(d, s.gblnSortedByPowerPercent, s.gblnSortedByLastPicked, s.garrPosByPowerPercent);
}

void subRefreshPowerTableOrder(const DrumView &d)
{
    subResetColorOfHighlightedBalls(d);
    if (d.state.gblnSorted)
        subCalculateOrderByBallNumber(d);
    else
        subCalculateOrderByPickCount(d);
}

// ---- Pool grid ------------------------------------------------------------------------------------

QString poolStatusText(Drum drum, int64_t size)
{
    return res(drum == Drum::Second ? 36050 : 36040) + QString::number(static_cast<qint64>(size));
}

QString fncPoolOddsText(const DrumView &d, int64_t count) { return ::poolOddsText(count, d.state.glngPoolTotal); }

void showPoolStatus(const DrumView &d, int64_t size)
{
    if (d.second() && d.board.lottery().gblnMainPoolView)
        return;
    if (d.board.staMain)
        d.board.staMain->setPanelText(2, poolStatusText(d.drum, size));
}

void showPoolBoxes(const DrumView &d, int32_t ball)
{
    // The two boxes of a ball lie on one another; the view shows exactly one of them.
    const bool countView = d.state.gblnPoolCountView;
    if (VbTextBox *count = d.ctl.txtPoolCount.at(ball)) {
        count->setVisible(countView);
        count->zOrder(countView ? 0 : 1);
    }
    if (VbTextBox *odds = d.ctl.txtPoolPercent.at(ball)) {
        odds->setVisible(!countView);
        odds->zOrder(countView ? 1 : 0);
    }
}

void subFillPoolGrid(const DrumView &d)
{
    DrumControls &c = d.ctl;
    DrumState &s = d.state;
    PoolFill fill = fillPoolFromPowers(s.garrPower, s.garrExcluded, d.shape, recalcInputsFromBoard(d.board));
    s.garrPoolWeight = std::move(fill.weights);
    s.garrPool = std::move(fill.pool);
    s.glngPoolTotal = s.garrPool.size();
    showPoolStatus(d, s.glngPoolTotal);

    const bool create = !s.gblnPoolRowsCreated;
    if (create && d.last() >= d.first())
        showElement(c.shpBallColumn, 2);
    const int pitch = (c.txtPoolCount.exists(0) ? c.txtPoolCount[0]->Height() : 0) + kRowGap;
    int tmpl = 0;
    int rowHeight = 0;
    for (int32_t b = d.first(); b <= d.last(); ++b) {
        if (!d.oneHalf && b == kSecondHalf && c.txtPoolCount.exists(kSecondHalf)) {
            tmpl = kSecondHalf;
            if (create) {
                if (VbLabel *l = c.lblPoolBall.at(b))
                    l->setCaption(num(b));
                showElement(c.picPoolBall, b);
                showPoolBoxes(d, b);
                showElement(c.chkExcludeBall, b);
                if (!d.second()) {
                    showElement(c.lblHdrPool, 1);
                    showElement(c.lblHdrExclude, 1);
                    showElement(c.shpBallColumn, 3);
                }
            }
            showBallPicture(c.picPoolBall.at(b), QStringLiteral("G") + num(b));
        } else if (create && d.oneHalf && b == d.first()) {
            // The digit board's first row is the template row itself, shown now.
            if (VbLabel *l = c.lblPoolBall.at(b))
                l->setCaption(num(b));
            showElement(c.picPoolBall, b);
            showPoolBoxes(d, b);
            showElement(c.chkExcludeBall, b);
            showBallPicture(c.picPoolBall.at(b), QStringLiteral("G") + num(b));
        } else if (create && c.txtPoolCount.exists(tmpl) && b > 0) {
            if (d.oneHalf)
                rowHeight = pitch;
            const int countLeft = c.txtPoolCount[tmpl]->Left();
            const int countTop = c.txtPoolCount[b - 1]->Top();
            VbLabel *label =
                createRow(c.lblPoolBall, b, tmpl, c.lblPoolBall[tmpl]->Left(), rowHeight, c.lblPoolBall[b - 1]->Top());
            createRow(c.txtPoolCount, b, tmpl, countLeft, rowHeight, countTop);
            VbPicture *pic =
                createRow(c.picPoolBall, b, tmpl, c.picPoolBall[tmpl]->Left(), rowHeight, c.picPoolBall[b - 1]->Top());
            createRow(c.txtPoolPercent, b, tmpl, countLeft, rowHeight, countTop);
            VbCheck *exclude = createRow(c.chkExcludeBall, b, tmpl, c.chkExcludeBall[tmpl]->Left(), rowHeight,
                                         c.chkExcludeBall[b - 1]->Top());
            label->setCaption(num(b));
            pic->setVisible(true);
            showBallPicture(pic, QStringLiteral("G") + num(b));
            showPoolBoxes(d, b);
            exclude->setVisible(true);
            if (d.second())
                exclude->zOrder(1);
        }
        if (VbTextBox *count = c.txtPoolCount.at(b))
            count->setText(num(static_cast<int64_t>(s.garrPoolWeight.value(b, 0.0))));
        if (!d.oneHalf)
            rowHeight = pitch;
    }

    // The first fill after a lottery or ticket opens shows the restored exclusions.
    if (!d.board.lottery().gblnBoardInitialised)
        for (int32_t b = d.first(); b <= d.last(); ++b)
            if (VbCheck *box = c.chkExcludeBall.at(b))
                box->setValue(d.excluded(b) ? 1 : 0);

    for (int32_t b = d.first(); b <= d.last(); ++b)
        if (VbTextBox *odds = c.txtPoolPercent.at(b))
            odds->setText(fncPoolOddsText(d, static_cast<int64_t>(s.garrPoolWeight.value(b, 0.0))));
    s.gblnPoolRowsCreated = true;
    d.board.subUpdateDrawEnabled();
}

// ---- Power interval -------------------------------------------------------------------------------

void selectIntervalPercent(const DrumView &d)
{
    VbCombo *combo = d.ctl.cboPowerIntervalPct;
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
    subShowPowerInterval(d);
}

void subShowPowerInterval(const DrumView &d)
{
    DrumControls &c = d.ctl;
    DrumState &s = d.state;
    if (!s.gblnSumStatsValid) {
        // No drawing sums to show: the limits stay as they are.
        for (VbLabel *l : {c.lblPowerLowest, c.lblPowerMiddle, c.lblPowerHighest, c.lblPowerSliderPos})
            if (l)
                l->setCaption(QStringLiteral("\u2014"));
        return;
    }
    const int32_t percent = c.cboPowerIntervalPct ? vb::toLong(c.cboPowerIntervalPct->text()).value_or(0) : 0;
    const PowerIntervalView v =
        powerIntervalView({s.garrSumStats[0], s.garrSumStats[1], s.garrSumStats[2]}, percent);
    if (c.lblPowerLowest)
        c.lblPowerLowest->setCaption(num(v.lowest));
    if (c.lblPowerMiddle)
        c.lblPowerMiddle->setCaption(num(v.middle));
    if (c.lblPowerHighest)
        c.lblPowerHighest->setCaption(num(v.highest));
    int32_t sliderPos = v.sliderPos;
    if (VbScrollBar *slider = c.hsbPowerInterval) {
        slider->setMin(v.sliderMin);
        slider->setMax(v.sliderMax);
        slider->setValue(v.sliderValue);
        sliderPos = slider->value();
    }
    VbTextBox *lower = c.txtPowerInterval.at(0);
    VbTextBox *upper = c.txtPowerInterval.at(1);
    if (upper)
        upper->setText(num(v.upper));
    if (lower)
        lower->setText(num(v.lower));
    if (c.lblPowerSliderPos)
        c.lblPowerSliderPos->setCaption(num(sliderPos));
    // The generator's limits are the numbers the two boxes show.
    s.garrIntervalLimits[0] = lower ? vb::toLong(lower->text()).value_or(v.lower) : v.lower;
    s.garrIntervalLimits[1] = upper ? vb::toLong(upper->text()).value_or(v.upper) : v.upper;
}

// A drum's pool grid: its rows filled from the powers, the recount from typed counts and Equal
// Chance, the "Pool %" and "Pool n" views, and the editing of a ball's count by hand.

#include "boards/common/drumview.h"

#include "analysis/pool.h"
#include "app/resstrings.h"
#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"
#include "boards/common/drumview_rows.h"
#include "platform/ui/vbcolor.h"
#include "platform/vb.h"

using namespace boardanalysis;
using namespace drumrows;

namespace {

// A count typed by hand is at most this.
constexpr int64_t kLargestTypedCount = 99999;
// garrPoolCountEdited: no count typed for the ball.
constexpr int32_t kNotTyped = -3;

int32_t typedCount(const DrumView &d, int32_t ball) { return d.state().garrPoolCountEdited.value(ball, kNotTyped); }

void setPoolHeaders(DrumView &d, bool countView)
{
    d.lblHdrPool.forEach([countView](int, VbLabel *header) {
        header->setForeColor(countView ? vbc::kDarkRed : vbc::kWindowText);
        header->setCaption(res(countView ? 25020 : 25010));
        header->setToolTipText(message(countView ? 19 : 18));
    });
}

// Switches the pool grid between its two views. Going to "Pool n" puts the focus into the count
// box of ball `index`; into an excluded ball's box only when `focusExcluded`.
void switchPoolView(DrumView &d, int index, bool focusExcluded)
{
    if (!d.inUse())
        return;
    DrumState &s = d.state();
    s.gblnPoolCountView = !s.gblnPoolCountView;
    setPoolHeaders(d, s.gblnPoolCountView);
    for (int32_t b = d.first(); b <= d.last(); ++b)
        d.showPoolBoxes(b);
    if (s.gblnPoolCountView && (focusExcluded || !d.excluded(index)))
        if (VbTextBox *box = d.txtPoolCount.at(index))
            box->setFocus(Qt::OtherFocusReason);
    for (int32_t b = d.first(); b <= d.last(); ++b) {
        VbTextBox *box = d.txtPoolCount.at(b);
        if (!box)
            continue;
        box->setForeColor(typedCount(d, b) == kNotTyped ? vbc::kWindowText : vbc::kDarkRed);
        if (!d.excluded(b))
            colourPoolCountBox(box);
    }
}

// Writes the odds of ball `ball` into its "Pool %" box. The box gives back, when the focus leaves
// it, the text it held as it took the focus; odds written while it holds the focus (a recount by a
// header click, which leaves the focus where it is) are that text from now on.
void showOdds(DrumView &d, int32_t ball, VbTextBox *odds, const QString &text)
{
    odds->setText(text);
    if (odds->hasFocus())
        d.poolEdit.oddsText[ball] = text;
}

}  // namespace

// ---- The grid ---------------------------------------------------------------------------------------

QString DrumView::fncPoolOddsText(int64_t count) const { return ::poolOddsText(count, state().glngPoolTotal); }

void DrumView::showPoolStatus(int64_t size)
{
    if (second() && lottery().gblnMainPoolView)
        return;
    if (board_.staMain)
        board_.staMain->setPanelText(2, poolStatusText(drum_, size));
}

void DrumView::showPoolBoxes(int32_t ball)
{
    // The two boxes of a ball lie on one another; the view shows exactly one of them.
    const bool countView = state().gblnPoolCountView;
    if (VbTextBox *count = txtPoolCount.at(ball)) {
        count->setVisible(countView);
        count->zOrder(countView ? 0 : 1);
    }
    if (VbTextBox *odds = txtPoolPercent.at(ball)) {
        odds->setVisible(!countView);
        odds->zOrder(countView ? 1 : 0);
    }
}

void DrumView::makePoolRows()
{
    const int pitch = (txtPoolCount.exists(0) ? txtPoolCount[0]->Height() : 0) + kRowGap;
    const auto make = [this](int b, int tmpl, int rowHeight) {
        if (!txtPoolCount.exists(tmpl))
            return;
        const int countLeft = txtPoolCount[tmpl]->Left();
        const int countTop = txtPoolCount[b - 1]->Top();
        VbLabel *label =
            createRow(lblPoolBall, b, tmpl, lblPoolBall[tmpl]->Left(), rowHeight, lblPoolBall[b - 1]->Top());
        createRow(txtPoolCount, b, tmpl, countLeft, rowHeight, countTop);
        createRow(picPoolBall, b, tmpl, picPoolBall[tmpl]->Left(), rowHeight, picPoolBall[b - 1]->Top());
        createRow(txtPoolPercent, b, tmpl, countLeft, rowHeight, countTop);
        createRow(chkExcludeBall, b, tmpl, chkExcludeBall[tmpl]->Left(), rowHeight, chkExcludeBall[b - 1]->Top());
        label->setCaption(num(b));
    };
    forEachMadeRow(first(), last(), oneHalf(), txtPoolCount.exists(kSecondHalf), pitch, make);
}

void DrumView::subFillPoolGrid()
{
    DrumState &s = state();
    PoolFill fill = fillPoolFromPowers(s.garrPower, s.garrExcluded, shape(), board_.analysisWindow());
    s.garrPoolWeight = std::move(fill.weights);
    s.garrPool = std::move(fill.pool);
    s.glngPoolTotal = s.garrPool.size();
    showPoolStatus(s.glngPoolTotal);

    const bool create = !s.gblnPoolRowsCreated;
    const bool one = oneHalf();
    if (create)
        makePoolRows();
    if (create && last() >= first())
        showElement(shpBallColumn, 2);
    for (int32_t b = first(); b <= last(); ++b) {
        if (!one && b == kSecondHalf && txtPoolCount.exists(kSecondHalf)) {
            if (create) {
                if (VbLabel *l = lblPoolBall.at(b))
                    l->setCaption(num(b));
                showElement(picPoolBall, b);
                showPoolBoxes(b);
                showElement(chkExcludeBall, b);
                if (!second()) {
                    showElement(lblHdrPool, 1);
                    showElement(lblHdrExclude, 1);
                    showElement(shpBallColumn, 3);
                }
            }
            showBallPicture(picPoolBall.at(b), QStringLiteral("G") + num(b));
        } else if (create && one && b == first()) {
            // The digit board's first row is the template row itself, shown now.
            if (VbLabel *l = lblPoolBall.at(b))
                l->setCaption(num(b));
            showElement(picPoolBall, b);
            showPoolBoxes(b);
            showElement(chkExcludeBall, b);
            showBallPicture(picPoolBall.at(b), QStringLiteral("G") + num(b));
        } else if (create && b > 0 && txtPoolCount.exists(b)) {
            // A row made from its template, shown now.
            showElement(picPoolBall, b);
            showBallPicture(picPoolBall.at(b), QStringLiteral("G") + num(b));
            showPoolBoxes(b);
            showElement(chkExcludeBall, b);
            if (second())
                chkExcludeBall[b]->zOrder(1);
        }
        if (VbTextBox *count = txtPoolCount.at(b))
            count->setText(num(static_cast<int64_t>(s.garrPoolWeight.value(b, 0.0))));
    }

    // The first fill after a lottery or ticket opens shows the restored exclusions.
    if (!lottery().gblnBoardInitialised)
        for (int32_t b = first(); b <= last(); ++b)
            if (VbCheck *box = chkExcludeBall.at(b))
                box->setValue(excluded(b) ? 1 : 0);

    for (int32_t b = first(); b <= last(); ++b)
        if (VbTextBox *odds = txtPoolPercent.at(b))
            showOdds(*this, b, odds, fncPoolOddsText(static_cast<int64_t>(s.garrPoolWeight.value(b, 0.0))));
    s.gblnPoolRowsCreated = true;
    board_.subUpdateDrawEnabled();
}

// ---- Recount --------------------------------------------------------------------------------------

void DrumView::subColourPoolCounts()
{
    if (!lottery().gblnBoardInitialised || !inUse())
        return;
    DrumState &s = state();
    fitToDrum(s.garrPoolCountEdited, kNotTyped);
    for (int32_t b = first(); b <= last(); ++b) {
        s.garrPoolCountEdited[b] = kNotTyped;
        if (VbTextBox *odds = txtPoolPercent.at(b))
            odds->setForeColor(vbc::kWindowText);
    }
}

void DrumView::subRefreshPool()
{
    if (!inUse())
        return;
    DrumState &s = state();
    fitToDrum(s.garrPoolWeight);

    s.glngPoolTotal = 0;
    s.glngPoolWeightSavedTotal = 0;
    for (int32_t b = first(); b <= last(); ++b) {
        const int32_t typed = typedCount(*this, b);
        if (excluded(b))
            s.garrPoolWeight[b] = 0;
        else if (lottery().gblnEqualChance)
            s.garrPoolWeight[b] = typed == kNotTyped ? 1 : typed;
        else if (typed != kNotTyped)
            s.garrPoolWeight[b] = typed;
        s.glngPoolTotal += poolCount(s.garrPoolWeight[b]);
        s.glngPoolWeightSavedTotal += s.garrPoolWeightSaved.value(b, 0);
    }

    for (int32_t b = first(); b <= last(); ++b) {
        const int64_t count = poolCount(s.garrPoolWeight[b]);
        const int64_t saved = s.garrPoolWeightSaved.value(b, 0);
        if (VbTextBox *box = txtPoolCount.at(b))
            box->setText(QString::number(static_cast<qint64>(excluded(b) ? saved : count)));
        VbTextBox *odds = txtPoolPercent.at(b);
        if (!odds)
            continue;
        if (excluded(b)) {
            // An excluded ball shows the share its saved count would have.
            if (saved > 0) {
                const QString share = poolOddsText(saved, s.glngPoolTotal);
                showOdds(*this, b, odds, share == QStringLiteral("1/0") ? QStringLiteral("0") : share);
            } else if (saved == 0 && board_.design().blankShareWithoutCount) {
                showOdds(*this, b, odds, QString());
            }
        } else {
            showOdds(*this, b, odds, poolOddsText(count, s.glngPoolTotal));
        }
        if (typedCount(*this, b) != kNotTyped)
            odds->setForeColor(vbc::kDarkRed);
    }
    // The counts shown make the pool.
    s.garrPool = fillPool(s.garrPoolWeight);
    showPoolStatus(s.garrPool.size());
    board_.subUpdateDrawEnabled();
}

// ---- Views ------------------------------------------------------------------------------------------

// A double click on an excluded ball's odds puts the cursor into its count on the lotto board only;
// the header click, for ball 1, never into an excluded ball's count.
void DrumView::txtPoolPercent_DblClick(int Index) { switchPoolView(*this, Index, board_.design().lottoPoolWays); }

void DrumView::lblHdrPool_Click(int) { switchPoolView(*this, 1, false); }

void DrumView::endPoolCountView()
{
    if (!inUse() || !state().gblnPoolCountView)
        return;
    state().gblnPoolCountView = false;
    setPoolHeaders(*this, false);
    for (int32_t b = first(); b <= last(); ++b)
        showPoolBoxes(b);
}

// ---- Editing a "Pool n" box -----------------------------------------------------------------------

void DrumView::txtPoolCount_GotFocus(int Index)
{
    VbTextBox *box = txtPoolCount.at(Index);
    if (!box || !hasBall(Index))
        return;
    poolEdit.countBefore[Index] = static_cast<int64_t>(poolBoxCount(box));
    poolEdit.editIndex = Index;
    if (!excluded(Index))
        box->setFontBold(true);
}

void DrumView::txtPoolCount_Change(int Index)
{
    VbTextBox *box = txtPoolCount.at(Index);
    if (!box || !hasBall(Index))
        return;
    // What the user types is checked; what the program writes is a count already.
    if (poolEdit.editIndex == Index && poolEdit.countBefore.count(Index)) {
        const auto value = vb::plainDecimal(box->text());
        if (!value || *value < 0 || *value > kLargestTypedCount) {
            box->setText(QString::number(static_cast<qint64>(poolEdit.countBefore[Index])));
            return;
        }
    }
    if (!excluded(Index))
        colourPoolCountBox(box);
}

void DrumView::txtPoolCount_LostFocus(int Index)
{
    VbTextBox *box = txtPoolCount.at(Index);
    if (!box || !hasBall(Index))
        return;
    box->setFontBold(false);
    const bool edited = poolEdit.editIndex == Index;
    poolEdit.editIndex = -1;
    const auto before = poolEdit.countBefore.find(Index);
    if (before == poolEdit.countBefore.end())
        return;
    const auto value = vb::plainDecimal(box->text());
    if (edited && value && *value != before->second && !excluded(Index)) {
        fitToDrum(state().garrPoolCountEdited, kNotTyped);
        state().garrPoolCountEdited[Index] = *value;
        box->setForeColor(vbc::kDarkRed);
        subRefreshPool();
    } else {
        box->setText(QString::number(static_cast<qint64>(before->second)));
    }
}

void DrumView::txtPoolCount_MouseMove(int Index)
{
    if (VbTextBox *box = txtPoolCount.at(Index))
        box->setToolTipText(poolOddsText(box->text().trimmed(), state().glngPoolTotal));
}

// ---- The "Pool %" boxes: read-only in effect ------------------------------------------------------

void DrumView::txtPoolPercent_GotFocus(int Index)
{
    if (VbTextBox *odds = txtPoolPercent.at(Index))
        poolEdit.oddsText[Index] = odds->text();
}

void DrumView::txtPoolPercent_LostFocus(int Index)
{
    const auto it = poolEdit.oddsText.find(Index);
    if (VbTextBox *odds = txtPoolPercent.at(Index); odds && it != poolEdit.oddsText.end())
        odds->setText(it->second);
}

void DrumView::txtPoolPercent_MouseMove(int Index)
{
    VbTextBox *odds = txtPoolPercent.at(Index);
    const VbTextBox *count = txtPoolCount.at(Index);
    if (odds && count)
        odds->setToolTipText(count->text());
}

// The pool grid of the board: POPULATE, the recount from typed counts and Equal Chance, the
// "Pool %" and "Pool n" views, and the editing of a ball's count by hand. Each handler works on the
// grid of the drum it is given; every drum's controls are wired to them by one loop.

#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"

#include "analysis/pool.h"
#include "boards/common/drumview.h"
#include "app/resstrings.h"
#include "platform/vb.h"

using namespace boardanalysis;

namespace {

// A count typed by hand is at most this.
constexpr int64_t kLargestTypedCount = 99999;
// garrPoolCountEdited: no count typed for the ball.
constexpr int32_t kNotTyped = -3;

bool hasDrum(const BoardBase &board, Drum drum) { return board.usesDrum(drum); }

DrumView drumOf(BoardBase &board, Drum drum) { return DrumView::of(board, drum); }

int32_t typedCount(const DrumView &d, int32_t ball) { return d.state.garrPoolCountEdited.value(ball, kNotTyped); }

void colourPoolCounts(BoardBase &board, Drum drum)
{
    if (!board.lottery().gblnBoardInitialised || !hasDrum(board, drum))
        return;
    const DrumView d = drumOf(board, drum);
    d.fitToDrum(d.state.garrPoolCountEdited, kNotTyped);
    for (int32_t b = d.first(); b <= d.last(); ++b) {
        d.state.garrPoolCountEdited[b] = kNotTyped;
        if (VbTextBox *odds = d.ctl.txtPoolPercent.at(b))
            odds->setForeColor(vbc::kWindowText);
    }
}

void refreshPool(BoardBase &board, Drum drum)
{
    if (!hasDrum(board, drum))
        return;
    const DrumView d = drumOf(board, drum);
    DrumState &s = d.state;
    d.fitToDrum(s.garrPoolWeight);

    s.glngPoolTotal = 0;
    s.glngPoolWeightSavedTotal = 0;
    for (int32_t b = d.first(); b <= d.last(); ++b) {
        const int32_t typed = typedCount(d, b);
        if (d.excluded(b))
            s.garrPoolWeight[b] = 0;
        else if (board.lottery().gblnEqualChance)
            s.garrPoolWeight[b] = typed == kNotTyped ? 1 : typed;
        else if (typed != kNotTyped)
            s.garrPoolWeight[b] = typed;
        s.glngPoolTotal += poolCount(s.garrPoolWeight[b]);
        s.glngPoolWeightSavedTotal += s.garrPoolWeightSaved.value(b, 0);
    }

    for (int32_t b = d.first(); b <= d.last(); ++b) {
        const int64_t count = poolCount(s.garrPoolWeight[b]);
        const int64_t saved = s.garrPoolWeightSaved.value(b, 0);
        if (VbTextBox *box = d.ctl.txtPoolCount.at(b))
            box->setText(QString::number(static_cast<qint64>(d.excluded(b) ? saved : count)));
        VbTextBox *odds = d.ctl.txtPoolPercent.at(b);
        if (!odds)
            continue;
        if (d.excluded(b)) {
            // An excluded ball shows the share its saved count would have.
            if (saved > 0) {
                const QString share = poolOddsText(saved, s.glngPoolTotal);
                odds->setText(share == QStringLiteral("1/0") ? QStringLiteral("0") : share);
            } else if (saved == 0 && d.board.design().blankShareWithoutCount) {
                odds->setText(QString());
            }
        } else {
            odds->setText(poolOddsText(count, s.glngPoolTotal));
        }
        if (typedCount(d, b) != kNotTyped)
            odds->setForeColor(vbc::kDarkRed);
    }
    // The counts shown make the pool.
    s.garrPool = fillPool(s.garrPoolWeight);
    showPoolStatus(d, s.garrPool.size());
    board.subUpdateDrawEnabled();
}

void setPoolHeaders(const DrumView &d, bool countView)
{
    d.ctl.lblHdrPool.forEach([countView](int, VbLabel *header) {
        header->setForeColor(countView ? vbc::kDarkRed : vbc::kWindowText);
        header->setCaption(res(countView ? 25020 : 25010));
        header->setToolTipText(message(countView ? 19 : 18));
    });
}

// Switches the pool grid of `drum` between its two views. Going to "Pool n" puts the focus into
// the count box of ball `index`; into an excluded ball's box only when `focusExcluded`.
void switchPoolView(BoardBase &board, Drum drum, int index, bool focusExcluded)
{
    if (!hasDrum(board, drum))
        return;
    const DrumView d = drumOf(board, drum);
    DrumState &s = d.state;
    s.gblnPoolCountView = !s.gblnPoolCountView;
    setPoolHeaders(d, s.gblnPoolCountView);
    for (int32_t b = d.first(); b <= d.last(); ++b)
        showPoolBoxes(d, b);
    if (s.gblnPoolCountView && (focusExcluded || !d.excluded(index)))
        if (VbTextBox *box = d.ctl.txtPoolCount.at(index))
            box->setFocus(Qt::OtherFocusReason);
    for (int32_t b = d.first(); b <= d.last(); ++b) {
        VbTextBox *box = d.ctl.txtPoolCount.at(b);
        if (!box)
            continue;
        box->setForeColor(typedCount(d, b) == kNotTyped ? vbc::kWindowText : vbc::kDarkRed);
        if (!d.excluded(b))
            colourPoolCountBox(box);
    }
}

void endPoolCountView(BoardBase &board, Drum drum)
{
    if (!hasDrum(board, drum))
        return;
    const DrumView d = drumOf(board, drum);
    if (!d.state.gblnPoolCountView)
        return;
    d.state.gblnPoolCountView = false;
    setPoolHeaders(d, false);
    for (int32_t b = d.first(); b <= d.last(); ++b)
        showPoolBoxes(d, b);
}

// ---- Editing a "Pool n" box -----------------------------------------------------------------------

void countGotFocus(BoardBase &board, Drum drum, int index)
{
    const DrumView d = drumOf(board, drum);
    VbTextBox *box = d.ctl.txtPoolCount.at(index);
    if (!box || !d.hasBall(index))
        return;
    BoardBase::PoolEditMemory &memory = board.poolEditOf(drum);
    memory.countBefore[index] = static_cast<int64_t>(poolBoxCount(box));
    memory.editIndex = index;
    if (!d.excluded(index))
        box->setFontBold(true);
}

void countChange(BoardBase &board, Drum drum, int index)
{
    const DrumView d = drumOf(board, drum);
    VbTextBox *box = d.ctl.txtPoolCount.at(index);
    if (!box || !d.hasBall(index))
        return;
    BoardBase::PoolEditMemory &memory = board.poolEditOf(drum);
    // What the user types is checked; what the program writes is a count already.
    if (memory.editIndex == index && memory.countBefore.count(index)) {
        const QString t = box->text().trimmed();
        const auto value = vb::toLong(t);
        if (!value || *value < 0 || *value > kLargestTypedCount || QString::number(*value).size() != t.size()) {
            box->setText(QString::number(static_cast<qint64>(memory.countBefore[index])));
            return;
        }
    }
    if (!d.excluded(index))
        colourPoolCountBox(box);
}

void countLostFocus(BoardBase &board, Drum drum, int index)
{
    const DrumView d = drumOf(board, drum);
    VbTextBox *box = d.ctl.txtPoolCount.at(index);
    if (!box || !d.hasBall(index))
        return;
    box->setFontBold(false);
    BoardBase::PoolEditMemory &memory = board.poolEditOf(drum);
    const bool edited = memory.editIndex == index;
    memory.editIndex = -1;
    const auto before = memory.countBefore.find(index);
    if (before == memory.countBefore.end())
        return;
    const auto value = vb::plainDecimal(box->text());
    if (edited && value && *value != before->second && !d.excluded(index)) {
        d.fitToDrum(d.state.garrPoolCountEdited, kNotTyped);
        d.state.garrPoolCountEdited[index] = *value;
        box->setForeColor(vbc::kDarkRed);
        refreshPool(board, drum);
    } else {
        box->setText(QString::number(static_cast<qint64>(before->second)));
    }
}

void countMouseMove(BoardBase &board, Drum drum, int index)
{
    const DrumView d = drumOf(board, drum);
    if (VbTextBox *box = d.ctl.txtPoolCount.at(index))
        box->setToolTipText(poolOddsText(box->text().trimmed(), d.state.glngPoolTotal));
}

// ---- The "Pool %" boxes: read-only in effect ------------------------------------------------------

void oddsGotFocus(BoardBase &board, Drum drum, int index)
{
    if (VbTextBox *odds = drumOf(board, drum).ctl.txtPoolPercent.at(index))
        board.poolEditOf(drum).oddsText[index] = odds->text();
}

void oddsLostFocus(BoardBase &board, Drum drum, int index)
{
    const auto &remembered = board.poolEditOf(drum).oddsText;
    const auto it = remembered.find(index);
    if (VbTextBox *odds = drumOf(board, drum).ctl.txtPoolPercent.at(index); odds && it != remembered.end())
        odds->setText(it->second);
}

void oddsMouseMove(BoardBase &board, Drum drum, int index)
{
    const DrumView d = drumOf(board, drum);
    VbTextBox *odds = d.ctl.txtPoolPercent.at(index);
    const VbTextBox *count = d.ctl.txtPoolCount.at(index);
    if (odds && count)
        odds->setToolTipText(count->text());
}

// Connects the pool grid of one drum to the handlers, which take the drum.
void wireDrum(BoardBase &board, Drum drum)
{
    BoardBase *b = &board;
    DrumControls &c = board.drum(drum);
    c.txtPoolCount.wire([b, drum](int i, VbTextBox *box) {
        box->onGotFocus = [b, drum, i] { b->txtPoolCount_GotFocus(i, drum); };
        box->onChange = [b, drum, i] { b->txtPoolCount_Change(i, drum); };
        box->onLostFocus = [b, drum, i] { b->txtPoolCount_LostFocus(i, drum); };
        box->onMouseMove = [b, drum, i] { b->txtPoolCount_MouseMove(i, drum); };
    });
    c.txtPoolPercent.wire([b, drum](int i, VbTextBox *box) {
        box->onDblClick = [b, drum, i] { b->txtPoolPercent_DblClick(i, drum); };
        box->onGotFocus = [b, drum, i] { b->txtPoolPercent_GotFocus(i, drum); };
        box->onLostFocus = [b, drum, i] { b->txtPoolPercent_LostFocus(i, drum); };
        box->onMouseMove = [b, drum, i] { b->txtPoolPercent_MouseMove(i, drum); };
    });
    c.lblHdrPool.wire([b, drum](int i, VbLabel *header) { header->onClick = [b, drum, i] { b->lblHdrPool_Click(i, drum); }; });
}

}  // namespace

void boardanalysis::wirePoolHandlers(BoardBase &board)
{
    for (Drum drum : board.boardDrums())
        wireDrum(board, drum);
    board.cmdPopulate->onClick = [&board] { board.cmdPopulate_Click(); };
    board.chkEqualChance->onClick = [&board] { board.chkEqualChance_Click(); };
    board.cmdHiddenFocus->onGotFocus = [&board] { board.cmdHiddenFocus_GotFocus(); };
}

void BoardBase::cmdPopulate_Click()
{
    // The second pool first, so that the main pool's total is the one the status bar shows.
    const Drum secondFirst[] = {Drum::Second, Drum::Main};
    for (Drum drum : kDrums)
        subColourPoolCounts(drum);
    for (Drum drum : secondFirst) {
        if (lottery().gblnEqualChance)
            subRefreshPool(drum);
        else if (hasDrum(*this, drum))
            subFillPoolGrid(DrumView::of(*this, drum));
    }
}

void BoardBase::subColourPoolCounts(Drum drum) { colourPoolCounts(*this, drum); }
void BoardBase::subRefreshPool(Drum drum) { refreshPool(*this, drum); }

void BoardBase::chkEqualChance_Click()
{
    if (!lottery().gblnBoardInitialised)
        return;
    lottery().gblnEqualChance = chkEqualChance->value() != 0;
    chkEqualChance->setToolTipText(message(lottery().gblnEqualChance ? 4 : 5));
}

// A double click on an excluded ball's odds puts the cursor into its count on the lotto board only;
// the header click, for ball 1, never into an excluded ball's count.
void BoardBase::txtPoolPercent_DblClick(int Index, Drum drum)
{
    switchPoolView(*this, drum, Index, design().lottoPoolWays);
}
void BoardBase::lblHdrPool_Click(int, Drum drum) { switchPoolView(*this, drum, 1, false); }
void BoardBase::txtPoolPercent_GotFocus(int Index, Drum drum) { oddsGotFocus(*this, drum, Index); }
void BoardBase::txtPoolPercent_LostFocus(int Index, Drum drum) { oddsLostFocus(*this, drum, Index); }
void BoardBase::txtPoolPercent_MouseMove(int Index, Drum drum) { oddsMouseMove(*this, drum, Index); }
void BoardBase::txtPoolCount_GotFocus(int Index, Drum drum) { countGotFocus(*this, drum, Index); }
void BoardBase::txtPoolCount_Change(int Index, Drum drum) { countChange(*this, drum, Index); }
void BoardBase::txtPoolCount_LostFocus(int Index, Drum drum) { countLostFocus(*this, drum, Index); }
void BoardBase::txtPoolCount_MouseMove(int Index, Drum drum) { countMouseMove(*this, drum, Index); }

void BoardBase::cmdHiddenFocus_GotFocus()
{
    // Only the pool in view: a count edit left open in the other pool ends when that pool is in
    // view again and the focus is parked.
    endPoolCountView(*this, lottery().gblnMainPoolView ? Drum::Main : Drum::Second);
}

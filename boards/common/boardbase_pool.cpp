// The pool grid of the board: POPULATE, the recount from typed counts and Equal Chance, the
// "Pool %" and "Pool n" views, and the editing of a ball's count by hand. Each routine works on
// one drum's grid; the main drum's and the second drum's handlers are entry points to it.

#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"

#include "analysis/pool.h"
#include "analysis/ui/drumview.h"
#include "app/resstrings.h"
#include "platform/vb.h"

using namespace boardanalysis;

namespace {

// A count typed by hand is at most this.
constexpr int64_t kLargestTypedCount = 99999;
// garrPoolCountEdited: no count typed for the ball.
constexpr int32_t kNotTyped = -3;

bool hasDrum(const BoardBase &board, bool second) { return !second || board.usesSecondDrum(); }

DrumView drumOf(BoardBase &board, bool second)
{
    return second ? DrumView::secondOf(board) : DrumView::mainOf(board);
}

QString message(int entry) { return garrMessages.value(entry); }

void ensureSized(BallArray<int32_t> &array, const DrumView &d, int32_t fill)
{
    if (array.lo() != d.first() || array.hi() != d.last())
        array.reset(d.first(), d.last(), fill);
}

int32_t typedCount(const DrumView &d, int32_t ball) { return d.state.garrPoolCountEdited.value(ball, kNotTyped); }

// The count a "Pool n" box shows, as a number (0 when it shows none).
double boxCount(const VbTextBox *box) { return vb::numericValue(box->text().trimmed()).value_or(0); }

void colourPoolCounts(BoardBase &board, bool second)
{
    if (!gblnBoardInitialised || !hasDrum(board, second))
        return;
    const DrumView d = drumOf(board, second);
    ensureSized(d.state.garrPoolCountEdited, d, kNotTyped);
    for (int32_t b = d.first(); b <= d.last(); ++b) {
        d.state.garrPoolCountEdited[b] = kNotTyped;
        if (VbTextBox *odds = d.ctl.txtPoolPercent.at(b))
            odds->setForeColor(vbc::kWindowText);
    }
}

void refreshPool(BoardBase &board, bool second)
{
    if (!hasDrum(board, second))
        return;
    const DrumView d = drumOf(board, second);
    DrumState &s = d.state;
    if (s.garrPoolWeight.lo() != d.first() || s.garrPoolWeight.hi() != d.last())
        s.garrPoolWeight.reset(d.first(), d.last(), 0.0);

    s.glngPoolTotal = 0;
    s.glngPoolWeightSavedTotal = 0;
    for (int32_t b = d.first(); b <= d.last(); ++b) {
        const int32_t typed = typedCount(d, b);
        if (d.excluded(b))
            s.garrPoolWeight[b] = 0;
        else if (gblnEqualChance)
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
            }
        } else {
            odds->setText(poolOddsText(count, s.glngPoolTotal));
        }
        if (typedCount(d, b) != kNotTyped)
            odds->setForeColor(vbc::kDarkRed);
    }
    showPoolStatus(d, subFillPool(s));
}

void setPoolHeaders(const DrumView &d, bool countView)
{
    d.ctl.lblHdrPool.forEach([countView](int, VbLabel *header) {
        header->setForeColor(countView ? vbc::kDarkRed : vbc::kWindowText);
        header->setCaption(res(countView ? 25020 : 25010));
        header->setToolTipText(message(countView ? 19 : 18));
    });
}

void switchPoolView(BoardBase &board, bool second, int index)
{
    if (!hasDrum(board, second))
        return;
    const DrumView d = drumOf(board, second);
    DrumState &s = d.state;
    s.gblnPoolCountView = !s.gblnPoolCountView;
    setPoolHeaders(d, s.gblnPoolCountView);
    for (int32_t b = d.first(); b <= d.last(); ++b)
        showPoolBoxes(d, b);
    if (s.gblnPoolCountView)
        if (VbTextBox *box = d.ctl.txtPoolCount.at(index))
            box->setFocus(Qt::OtherFocusReason);
    for (int32_t b = d.first(); b <= d.last(); ++b) {
        VbTextBox *box = d.ctl.txtPoolCount.at(b);
        if (!box)
            continue;
        box->setForeColor(typedCount(d, b) == kNotTyped ? vbc::kWindowText : vbc::kDarkRed);
        if (!d.excluded(b))
            box->setBackColor(boxCount(box) == 0 ? vbc::kWhite : vbc::kLightYellow);
    }
}

void endPoolCountView(BoardBase &board, bool second)
{
    if (!hasDrum(board, second))
        return;
    const DrumView d = drumOf(board, second);
    if (!d.state.gblnPoolCountView)
        return;
    d.state.gblnPoolCountView = false;
    setPoolHeaders(d, false);
    for (int32_t b = d.first(); b <= d.last(); ++b)
        showPoolBoxes(d, b);
}

// ---- Editing a "Pool n" box -----------------------------------------------------------------------

void countGotFocus(BoardBase &board, bool second, int index)
{
    const DrumView d = drumOf(board, second);
    VbTextBox *box = d.ctl.txtPoolCount.at(index);
    if (!box || !d.hasBall(index))
        return;
    BoardBase::PoolEditMemory &memory = board.poolEdit[second ? 1 : 0];
    memory.countBefore[index] = static_cast<int64_t>(boxCount(box));
    memory.editIndex = index;
    if (!d.excluded(index))
        box->setFontBold(true);
}

void countChange(BoardBase &board, bool second, int index)
{
    const DrumView d = drumOf(board, second);
    VbTextBox *box = d.ctl.txtPoolCount.at(index);
    if (!box || !d.hasBall(index))
        return;
    BoardBase::PoolEditMemory &memory = board.poolEdit[second ? 1 : 0];
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
        box->setBackColor(boxCount(box) == 0 ? vbc::kWhite : vbc::kLightYellow);
}

void countLostFocus(BoardBase &board, bool second, int index)
{
    const DrumView d = drumOf(board, second);
    VbTextBox *box = d.ctl.txtPoolCount.at(index);
    if (!box || !d.hasBall(index))
        return;
    box->setFontBold(false);
    BoardBase::PoolEditMemory &memory = board.poolEdit[second ? 1 : 0];
    const bool edited = memory.editIndex == index;
    memory.editIndex = -1;
    const auto before = memory.countBefore.find(index);
    if (before == memory.countBefore.end())
        return;
    const auto value = vb::plainDecimal(box->text());
    if (edited && value && *value != before->second && !d.excluded(index)) {
        ensureSized(d.state.garrPoolCountEdited, d, kNotTyped);
        d.state.garrPoolCountEdited[index] = *value;
        box->setForeColor(vbc::kDarkRed);
        refreshPool(board, second);
    } else {
        box->setText(QString::number(static_cast<qint64>(before->second)));
    }
}

void countMouseMove(BoardBase &board, bool second, int index)
{
    const DrumView d = drumOf(board, second);
    if (VbTextBox *box = d.ctl.txtPoolCount.at(index))
        box->setToolTipText(poolOddsText(box->text().trimmed(), d.state.glngPoolTotal));
}

// ---- The "Pool %" boxes: read-only in effect ------------------------------------------------------

void oddsGotFocus(BoardBase &board, bool second, int index)
{
    if (VbTextBox *odds = drumOf(board, second).ctl.txtPoolPercent.at(index))
        board.poolEdit[second ? 1 : 0].oddsText[index] = odds->text();
}

void oddsLostFocus(BoardBase &board, bool second, int index)
{
    const auto &remembered = board.poolEdit[second ? 1 : 0].oddsText;
    const auto it = remembered.find(index);
    if (VbTextBox *odds = drumOf(board, second).ctl.txtPoolPercent.at(index); odds && it != remembered.end())
        odds->setText(it->second);
}

void oddsMouseMove(BoardBase &board, bool second, int index)
{
    const DrumView d = drumOf(board, second);
    VbTextBox *odds = d.ctl.txtPoolPercent.at(index);
    const VbTextBox *count = d.ctl.txtPoolCount.at(index);
    if (odds && count)
        odds->setToolTipText(count->text());
}

// The handlers of one drum's pool grid, the main drum's or the second drum's twins.
struct PoolHandlers {
    void (BoardBase::*countGotFocus)(int);
    void (BoardBase::*countChange)(int);
    void (BoardBase::*countLostFocus)(int);
    void (BoardBase::*countMouseMove)(int);
    void (BoardBase::*oddsDblClick)(int);
    void (BoardBase::*oddsGotFocus)(int);
    void (BoardBase::*oddsLostFocus)(int);
    void (BoardBase::*oddsMouseMove)(int);
    void (BoardBase::*headerClick)(int);
};

void wireDrum(BoardBase &board, DrumControls &c, const PoolHandlers &h)
{
    BoardBase *b = &board;
    const auto call = [b](void (BoardBase::*handler)(int), int i) { return [b, handler, i] { (b->*handler)(i); }; };
    c.txtPoolCount.wire([h, call](int i, VbTextBox *box) {
        box->onGotFocus = call(h.countGotFocus, i);
        box->onChange = call(h.countChange, i);
        box->onLostFocus = call(h.countLostFocus, i);
        box->onMouseMove = call(h.countMouseMove, i);
    });
    c.txtPoolPercent.wire([h, call](int i, VbTextBox *box) {
        box->onDblClick = call(h.oddsDblClick, i);
        box->onGotFocus = call(h.oddsGotFocus, i);
        box->onLostFocus = call(h.oddsLostFocus, i);
        box->onMouseMove = call(h.oddsMouseMove, i);
    });
    c.lblHdrPool.wire([h, call](int i, VbLabel *header) { header->onClick = call(h.headerClick, i); });
}

}  // namespace

void boardanalysis::wirePoolHandlers(BoardBase &board)
{
    wireDrum(board, board.main,
             {&BoardBase::txtPoolCount_GotFocus, &BoardBase::txtPoolCount_Change, &BoardBase::txtPoolCount_LostFocus,
              &BoardBase::txtPoolCount_MouseMove, &BoardBase::txtPoolPercent_DblClick,
              &BoardBase::txtPoolPercent_GotFocus, &BoardBase::txtPoolPercent_LostFocus,
              &BoardBase::txtPoolPercent_MouseMove, &BoardBase::lblHdrPool_Click});
    if (board.hasSecondDrum())
        wireDrum(board, board.bonus,
                 {&BoardBase::txtPoolCountBONUS_GotFocus, &BoardBase::txtPoolCountBONUS_Change,
                  &BoardBase::txtPoolCountBONUS_LostFocus, &BoardBase::txtPoolCountBONUS_MouseMove,
                  &BoardBase::txtPoolPercentBONUS_DblClick, &BoardBase::txtPoolPercentBONUS_GotFocus,
                  &BoardBase::txtPoolPercentBONUS_LostFocus, &BoardBase::txtPoolPercentBONUS_MouseMove,
                  &BoardBase::lblHdrPoolBONUS_Click});
    board.cmdPopulate->onClick = [&board] { board.cmdPopulate_Click(); };
    board.chkEqualChance->onClick = [&board] { board.chkEqualChance_Click(); };
    board.cmdHiddenFocus->onGotFocus = [&board] { board.cmdHiddenFocus_GotFocus(); };
}

void BoardBase::cmdPopulate_Click()
{
    // The second pool first, so that the main pool's total is the one the status bar shows.
    subColourPoolCounts();
    subColourPoolCountsBONUS();
    if (gblnEqualChance) {
        subRefreshPoolBONUS();
        subRefreshPool();
    } else {
        if (hasDrum(*this, true))
            subFillPoolGrid(DrumView::secondOf(*this));
        subFillPoolGrid(DrumView::mainOf(*this));
    }
}

void BoardBase::subColourPoolCounts() { colourPoolCounts(*this, false); }
void BoardBase::subColourPoolCountsBONUS() { colourPoolCounts(*this, true); }
void BoardBase::subRefreshPool() { refreshPool(*this, false); }
void BoardBase::subRefreshPoolBONUS() { refreshPool(*this, true); }

void BoardBase::chkEqualChance_Click()
{
    if (!gblnBoardInitialised)
        return;
    gblnEqualChance = chkEqualChance->value() != 0;
    chkEqualChance->setToolTipText(message(gblnEqualChance ? 4 : 5));
}

void BoardBase::txtPoolPercent_DblClick(int Index) { switchPoolView(*this, false, Index); }
void BoardBase::lblHdrPool_Click(int) { switchPoolView(*this, false, 1); }
void BoardBase::txtPoolPercent_GotFocus(int Index) { oddsGotFocus(*this, false, Index); }
void BoardBase::txtPoolPercent_LostFocus(int Index) { oddsLostFocus(*this, false, Index); }
void BoardBase::txtPoolPercent_MouseMove(int Index) { oddsMouseMove(*this, false, Index); }
void BoardBase::txtPoolCount_GotFocus(int Index) { countGotFocus(*this, false, Index); }
void BoardBase::txtPoolCount_Change(int Index) { countChange(*this, false, Index); }
void BoardBase::txtPoolCount_LostFocus(int Index) { countLostFocus(*this, false, Index); }
void BoardBase::txtPoolCount_MouseMove(int Index) { countMouseMove(*this, false, Index); }
void BoardBase::txtPoolPercentBONUS_DblClick(int Index) { switchPoolView(*this, true, Index); }
void BoardBase::lblHdrPoolBONUS_Click(int) { switchPoolView(*this, true, 1); }
void BoardBase::txtPoolPercentBONUS_GotFocus(int Index) { oddsGotFocus(*this, true, Index); }
void BoardBase::txtPoolPercentBONUS_LostFocus(int Index) { oddsLostFocus(*this, true, Index); }
void BoardBase::txtPoolPercentBONUS_MouseMove(int Index) { oddsMouseMove(*this, true, Index); }
void BoardBase::txtPoolCountBONUS_GotFocus(int Index) { countGotFocus(*this, true, Index); }
void BoardBase::txtPoolCountBONUS_Change(int Index) { countChange(*this, true, Index); }
void BoardBase::txtPoolCountBONUS_LostFocus(int Index) { countLostFocus(*this, true, Index); }
void BoardBase::txtPoolCountBONUS_MouseMove(int Index) { countMouseMove(*this, true, Index); }

void BoardBase::cmdHiddenFocus_GotFocus()
{
    endPoolCountView(*this, false);
    endPoolCountView(*this, true);
}

// DRAW: new ticket columns through the column-generation dialog, afresh or added to the ticket, up
// to 32000 columns; then the comparison of every column with the end drawing or the guess.

#include "boards/common/boardbase.h"
#include "app/application.h"
#include "boards/common/boardbase_analysis.h"

#include "analysis/comparison.h"
#include "app/enginemessages.h"
#include "analysis/generator.h"
#include "app/resstrings.h"
#include "dialogs/programmessage.h"
#include "dialogs/frmcolumnprogress.h"
#include "platform/ui/forms.h"
#include "platform/ui/msgbox.h"
#include "platform/vb.h"

#include <utility>

using namespace boardanalysis;

namespace {

// A count of columns to draw: the plain decimal text of a number from 1 to 32000 (not "007", "+7",
// "7.0" nor "1e2").
std::optional<int32_t> columnsToDraw(const QString &text)
{
    const auto n = vb::plainDecimal(text);
    if (!n || *n < 1 || *n > kMaxTicketColumns)
        return std::nullopt;
    return n;
}

}  // namespace

void boardanalysis::wireDrawHandlers(BoardBase &board)
{
    BoardBase *b = &board;
    board.cmdDraw->onClick = [b] { b->cmdDraw_Click(); };
    board.chkIncrementalTicket->onClick = [b] { b->chkIncrementalTicket_Click(); };
    board.txtColumnsToDraw->onGotFocus = [b] { b->txtColumnsToDraw_GotFocus(); };
    board.txtColumnsToDraw->onChange = [b] { b->txtColumnsToDraw_Change(); };
    board.txtColumnsToDraw->onLostFocus = [b] { b->txtColumnsToDraw_LostFocus(); };
    board.cmdCompare->onClick = [b] { b->cmdCompare_Click(); };
}

void BoardBase::cmdDraw_Click()
{
    subResetColorOfDrawingNumbers();
    fncResetCOLORofSelectedWeekNumbers();
    subResetColumnLabels();
    OpenLottery &L = lottery();
    // Add and Delete ask for the resets only; the request is used up here whatever the pool.
    const bool skip = L.gblnSkipDraw;
    L.gblnSkipDraw = false;
    if (!canDraw() || skip)
        return;

    if (!columnsToDraw(txtColumnsToDraw->text()))
        txtColumnsToDraw->setText(mstrColumnsToDraw);
    const auto requested = columnsToDraw(txtColumnsToDraw->text());
    if (!requested)
        return;
    L.glngGridSize = *requested + 1;
    // The columns kept are those on the list (and in the grid: the two hold the same ticket).
    L.glngColumnsBefore = L.gblnIncrementalTicket ? std::min(lstTicket->listCount(), L.garrTicketGrid.rowCount()) : 0;
    L.glngColumnsMade = 0;
    L.glngColumnsTarget = cappedColumnsTarget(L.glngColumnsBefore, *requested);
    if (L.glngColumnsTarget != *requested && L.glngColumnsTarget > 0)
        txtColumnsToDraw->setText(QString::number(L.glngColumnsTarget));

    if (L.glngColumnsTarget > 0) {
        GeneratorSetup setup = GeneratorSetup::fromLottery(L, [this](int position) {
            const VbTextBox *box = txtGuaranteeNumber.at(position);
            return box ? box->text() : QString();
        });
        setup.seed = app().generatorSeed;
        const DrawCheck check = checkTicketDraw(setup, L.garrTicketGrid, L.glngColumnsBefore, L.glngColumnsTarget);
        if (check.refused()) {
            fncProgramMessage(this, drawCheckText(check));
            return;
        }
        if (check.code == DrawCode::FewerColumns) {
            L.glngColumnsTarget = check.target;
            fncProgramMessage(this, drawCheckText(check));
            txtColumnsToDraw->setText(QString::number(L.glngColumnsTarget));
        }
        TicketColumnGenerator generator(setup, ticket_.takeGrid(), L.glngColumnsBefore, L.glngColumnsTarget);
        const auto outcome = DefaultInstance<frmColumnProgress>::get()->Display(generator);
        // The ticket of the run holds exactly the complete columns, whatever ended it.
        L.glngColumnsMade = generator.columnsMade();
        L.glngGridRow = generator.gridRow();
        ticket_.setGrid(generator.takeTicket());
        if (outcome == frmColumnProgress::Outcome::GaveUp)
            fncProgramMessage(this, drawGaveUpText());
    }
    subCompareTicket();
}

void BoardBase::chkIncrementalTicket_Click()
{
    lottery().gblnIncrementalTicket = chkIncrementalTicket->value() != 0;
    chkIncrementalTicket->setToolTipText(app().garrMessages.value(lottery().gblnIncrementalTicket ? 15 : 16));
}

void BoardBase::txtColumnsToDraw_GotFocus()
{
    // Only a valid count is remembered: the box always has a count to fall back to.
    if (columnsToDraw(txtColumnsToDraw->text()))
        mstrColumnsToDraw = txtColumnsToDraw->text().trimmed();
}

void BoardBase::txtColumnsToDraw_Change() { txtColumnsToDraw_LostFocus(); }

void BoardBase::txtColumnsToDraw_LostFocus()
{
    if (!columnsToDraw(txtColumnsToDraw->text()))
        txtColumnsToDraw->setText(mstrColumnsToDraw);
}

// ---- Comparison -------------------------------------------------------------------------------------

void BoardBase::cmdCompare_Click()
{
    if (lstTicket->listCount() == 0)
        return;
    subResetColumnLabels();
    subResetColorOfDrawingNumbers();
    subCompareTicket();
}

void BoardBase::subResetColumnLabels()
{
    // The positions a ticket column fills: the main numbers (and the second drum's).
    for (int i = lottery().gLayout.firstPosition; i <= lottery().gLayout.lastGuaranteePosition(); ++i)
        if (VbLabel *label = lblColumnNumber.at(i))
            label->setCaption(QStringLiteral("0"));
    for (Drum drum : gameDrums())
        this->drum(drum).lblColumnPowerTotal->setCaption(QStringLiteral("0"));
}

void BoardBase::subCompareTicket()
{
    // The list is rebuilt without a selected line (the column display may have run on an empty
    // list).
    lottery().gblnTicketColumnSelected = false;
    const ComparisonLayout layout = ticketComparisonLayout();
    // The digit board writes its whole summary into the first box and leaves the second alone.
    VbTextArea *secondBox = design().summaryBoxes > 1 ? txtResults[1] : nullptr;
    const CompareNumbers numbers =
        lottery().gblnCompareWithGuess ? CompareNumbers::fromGuess(layout,
                                                         [this](int p) {
                                                             const VbTextBox *box = txtGuess.at(p);
                                                             return box ? box->text() : QString();
                                                         })
                             : CompareNumbers::fromDrawing(layout, lottery().garrReferenceDrawing);
    // The new lines take the room of the earlier ones; an empty ticket has no lines.
    const TicketComparison result = ticket_.compare(layout, numbers, res(31060));
    lottery().glngTicketCells = result.cells;
    if (result.columns < 1) {
        // An empty ticket has no summary either.
        txtResults[0]->setText(QString());
        if (secondBox)
            secondBox->setText(QString());
        return;
    }
    lottery().gstrTicketLine = lottery().garrTicketLines.last();
    lottery().glngZeroHitColumns = result.zeroHitColumns;
    txtResults[0]->setText(result.summaryLow);
    if (secondBox)
        secondBox->setText(result.summaryHigh);
}

// The ticket edited by hand: Add to Ticket appends the guess as a column, Delete removes the
// selected column, and a click on a ticket line shows the column: the powers of its numbers and
// its hits among the compare numbers (the end drawing or the guess). The grid and the lines hold
// the same columns in the same order, and the list shows the lines.

#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"

#include "analysis/comparison.h"
#include "analysis/gamelayout.h"
#include "analysis/openlottery.h"
#include "platform/ui/vbcolor.h"
#include "platform/vb.h"

using namespace boardanalysis;

namespace {

template <class T>
void markHit(T *control)
{
    control->setForeColor(vbc::kDarkRed);
    control->setFontBold(true);
}

}  // namespace

void BoardBase::wireTicketHandlers()
{
    cmdAdd->onClick = [this] { cmdAdd_Click(); };
    cmdDelete->onClick = [this] { cmdDelete_Click(); };
    lstTicket->onClick = [this] { lstTicket_Click(); };
}

ComparisonLayout BoardBase::ticketComparisonLayout() const
{
    if (lottery().gLayout.twoDrums())
        return ComparisonLayout::secondDrum(lottery().gLayout.lastMainPosition, lottery().gLayout.bonusPositions());
    return ComparisonLayout::sameDrum(lottery().gLayout.lastMainPosition, lottery().gLayout.bonusPositions());
}

void BoardBase::cmdAdd_Click()
{
    const int first = lottery().gLayout.firstPosition;
    const int last = lottery().gLayout.lastGuaranteePosition();
    if (last < first)
        return;
    // A ticket holds at most as many columns as DRAW can make.
    const int n = ticket_.rowCount();
    if (n >= kMaxTicketColumns)
        return;
    // Each box as the column takes it: the number it names, or 0 for a box that names none where 0
    // is no ball; where 0 is a ball (a digit), the column needs a number at every position.
    std::vector<int32_t> numbers;
    for (int j = first; j <= last; ++j) {
        const VbTextBox *box = txtGuess.at(j);
        const auto number = box ? guessBoxNumber(lottery().gLayout, j, box->text()) : std::nullopt;
        if (!number && lottery().gLayout.lowestAt(j) == 0)
            return;
        numbers.push_back(number.value_or(0));
    }

    lottery().gstrTicketLine = ticketLine(n + 1, numbers, {});
    ticket_.appendColumn(first, last, numbers, lottery().gstrTicketLine);
    lottery().glngGridSize = n + 1;

    lottery().gblnSkipDraw = true;
    cmdDraw_Click();
    lstTicket->setListIndex(n);
}

void BoardBase::cmdDelete_Click()
{
    // The selection flag outlives the selection (the compare option runs the column display with
    // no line selected): only a selected line is deleted.
    const int selected = lstTicket->listIndex();
    if (ticket_.rowCount() < 1 || !lottery().gblnTicketColumnSelected || selected < 0)
        return;
    txtResults[0]->setText(QString());
    if (design().summaryBoxes > 1)
        txtResults[1]->setText(QString());

    ticket_.removeColumn(selected);
    if (ticket_.rowCount() > 0) {
        lottery().gblnSkipDraw = true;
        cmdDraw_Click();
        lstTicket->setListIndex(std::max(selected - 1, 0));
    } else {
        lottery().gblnTicketColumnSelected = false;
    }
}

void BoardBase::lstTicket_Click()
{
    lottery().gblnTicketColumnSelected = true;
    const int index = lstTicket->listIndex();
    const QString line = index >= 0 ? lstTicket->list(index) : QString();
    if (line.isEmpty())
        return;
    lottery().gstrTicketLine = line;

    // The powers, from the line's text: number i stands after the i-th blank.
    const QStringList fields = line.split(u' ');
    const int first = lottery().gLayout.firstPosition;
    const int last = lottery().gLayout.lastGuaranteePosition();
    int64_t totals[2] = {0, 0};
    for (Drum drum : gameDrums())
        if (VbLabel *total = this->drum(drum).lblColumnPowerTotal)
            total->setCaption(QStringLiteral("0"));
    for (int p = first; p <= last; ++p) {
        const int field = p - first + 1;
        const int32_t number = field < fields.size() ? vb::toLong(fields[field]).value_or(0) : 0;
        // 0 names no number, and has no power, where 0 is no ball.
        const int32_t power = number != 0 || lottery().gLayout.lowestAt(p) == 0 ? powerOf(lottery(), p, number) : 0;
        if (VbLabel *label = lblColumnNumber.at(p))
            label->setCaption(QString::number(power));
        const Drum d = lottery().gLayout.drumOf(p);
        int64_t &total = totals[drumIndex(d)];
        total += power;
        if (VbLabel *label = drum(d).lblColumnPowerTotal)
            label->setCaption(QString::number(total));
    }

    // The hits, from the grid row of the line.
    const int row = index + 1;
    const ComparisonLayout layout = ticketComparisonLayout();
    if (row > lottery().garrTicketGrid.rowCount() || lottery().garrTicketGrid.firstPosition() > layout.first
        || lottery().garrTicketGrid.lastPosition() < layout.lastColumnPosition())
        return;
    const std::span<const int32_t> column(lottery().garrTicketGrid.row(row) + (layout.first - lottery().garrTicketGrid.firstPosition()),
                                          static_cast<size_t>(layout.columnPositions()));
    if (lottery().gblnCompareWithGuess) {
        subResetColorOfDrawingNumbers();
        const CompareNumbers numbers = CompareNumbers::fromGuess(layout, [this](int p) {
            const VbTextBox *box = txtGuess.at(p);
            return box ? box->text() : QString();
        });
        const std::vector<bool> hits = hitPositions(layout, numbers, column);
        for (int p = layout.first; p <= layout.last(); ++p)
            if (hits[static_cast<size_t>(p - layout.first)] && txtGuess.exists(p))
                markHit(txtGuess[p]);
    } else {
        fncResetCOLORofSelectedWeekNumbers();
        CompareNumbers numbers = CompareNumbers::fromDrawing(layout, lottery().garrReferenceDrawing);
        // A drawing label that reads 0 shows no number where 0 is no ball.
        for (int p = layout.first; p <= layout.last() && lottery().gLayout.lowestAt(p) > 0; ++p) {
            const VbLabel *label = lblDrawingNumber.at(p);
            if (!label || vb::toLong(label->caption().trimmed()).value_or(0) == 0)
                numbers.byPosition[static_cast<size_t>(p - layout.first)] = CompareNumbers::kNone;
        }
        const std::vector<bool> hits = hitPositions(layout, numbers, column);
        for (int p = layout.first; p <= layout.last(); ++p)
            if (hits[static_cast<size_t>(p - layout.first)] && lblDrawingNumber.exists(p))
                markHit(lblDrawingNumber[p]);
    }
}

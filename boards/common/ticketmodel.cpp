#include "boards/common/ticketmodel.h"

#include "analysis/openlottery.h"

#include <algorithm>
#include <utility>

TicketModel::TicketModel(OpenLottery &lottery, QObject *parent)
    : LineListModel(lottery.garrTicketLines, parent), lottery_(lottery)
{
}

void TicketModel::setTicket(TicketGrid grid, QStringList lines)
{
    lottery_.garrTicketGrid = std::move(grid);
    setLines(std::move(lines));
}

void TicketModel::appendColumn(int first, int last, const std::vector<int32_t> &numbers, const QString &line)
{
    TicketGrid &grid = lottery_.garrTicketGrid;
    const int rows = rowCount();
    if (rows == 0 || grid.firstPosition() != first || grid.lastPosition() != last)
        grid.reshape(first, last);
    grid.resizeRows(rows + 1);
    std::copy(numbers.begin(), numbers.end(), grid.row(rows + 1));
    appendLine(line);
}

void TicketModel::removeColumn(int row)
{
    lottery_.garrTicketGrid.removeRow(row + 1);
    removeLine(row);
}

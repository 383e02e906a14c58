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
    compared_.reset();
    lottery_.garrTicketGrid = std::move(grid);
    setLines(std::move(lines));
}

TicketGrid TicketModel::takeGrid()
{
    compared_.reset();
    return std::move(lottery_.garrTicketGrid);
}

void TicketModel::setGrid(TicketGrid grid)
{
    compared_.reset();
    lottery_.garrTicketGrid = std::move(grid);
}

void TicketModel::appendColumn(int first, int last, const std::vector<int32_t> &numbers, const QString &line)
{
    compared_.reset();
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
    compared_.reset();
    lottery_.garrTicketGrid.removeRow(row + 1);
    removeLine(row);
}

TicketComparison TicketModel::compare(const ComparisonLayout &layout, const CompareNumbers &numbers, const QString &catcher)
{
    const TicketGrid &grid = lottery_.garrTicketGrid;
    std::vector<ColumnHits> shown;
    if (compared_ && compared_->revision == revision() && compared_->layout == layout)
        shown = std::move(compared_->hits);
    compared_.reset();
    TicketComparison result;
    rewriteLines([&](QStringList earlier) {
        result = compareTicket(grid, layout, numbers, catcher, std::move(earlier), std::move(shown));
        return result.columns < 1 ? QStringList() : std::move(result.lines);
    });
    if (result.columns > 0)
        compared_ = Compared{layout, std::move(result.hits), revision()};
    return result;
}

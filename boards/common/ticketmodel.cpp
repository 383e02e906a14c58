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
    ++gridChanges_;
    return std::move(lottery_.garrTicketGrid);
}

void TicketModel::setGrid(TicketGrid grid)
{
    compared_.reset();
    ++gridChanges_;
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
        if (result.columns < 1)
            return QStringList();
        // Known before the views learn of the new lines (the rewrite counts as one change), so
        // that they see how far the lines reach.
        const ColumnHits widest = widestHits(layout);
        compared_ = Compared{layout, std::move(result.hits), revision() + 1, {}, hitsText(widest)};
        for (int b = 0; b <= widest.bonus; ++b)
            for (int m = 0; m <= widest.main; ++m)
                compared_->hitsTexts.push_back(hitsText({m, b}));
        return std::move(result.lines);
    });
    return result;
}

const QString &TicketModel::Compared::shown(int row) const
{
    const ColumnHits h = hits[static_cast<size_t>(row)];
    return hitsTexts[static_cast<size_t>(h.main + h.bonus * (layout.mainCount + 1))];
}

const TicketModel::Compared *TicketModel::linesCompared() const
{
    return compared_ && compared_->revision == revision() ? &*compared_ : nullptr;
}

LineListModel::Reach TicketModel::farthestReach() const
{
    const Compared *c = linesCompared();
    if (!c)
        return LineListModel::farthestReach();
    Reach farthest;
    const QStringList &all = lines();
    for (int row = 0, rows = static_cast<int>(all.size()); row < rows; ++row)
        if (const qsizetype length = all.at(row).size() + c->room(row); length > farthest.length)
            farthest = {row, length};
    return farthest;
}

qsizetype TicketModel::reachLength(int row) const
{
    const Compared *c = linesCompared();
    return c ? lines().at(row).size() + c->room(row) : LineListModel::reachLength(row);
}

QString TicketModel::reachText(int row) const
{
    const Compared *c = linesCompared();
    return c ? lines().at(row).chopped(c->shown(row).size()) + c->widest : LineListModel::reachText(row);
}

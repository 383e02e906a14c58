#pragma once
// The open lottery's ticket as the model its list shows: the rows are the ticket's lines
// (garrTicketLines), and the changes of the ticket, of its grid (garrTicketGrid) and its lines
// together, go through the model.

#include "analysis/comparison.h"
#include "analysis/ticketgrid.h"
#include "platform/ui/linelistmodel.h"

#include <cstdint>
#include <optional>
#include <vector>

struct OpenLottery;

class TicketModel : public LineListModel {
public:
    explicit TicketModel(OpenLottery &lottery, QObject *parent = nullptr);

    // Counts the changes of the ticket, of its grid or its lines: while it reads the same, so
    // does the ticket.
    quint64 ticketRevision() const { return revision() + gridChanges_; }
    // A ticket read whole: its grid and its lines, in one reset.
    void setTicket(TicketGrid grid, QStringList lines);
    // A column appended: its numbers (one for each position first..last) and its line. A grid of
    // other positions is begun anew.
    void appendColumn(int first, int last, const std::vector<int32_t> &numbers, const QString &line);
    // The column of line `row` (0 the first) taken out of the grid and the lines.
    void removeColumn(int row);
    // The grid given up to be drawn on, and the grid drawn given back; the lines stay until the
    // comparison of the grid drawn rewrites them.
    TicketGrid takeGrid();
    void setGrid(TicketGrid grid);
    // The ticket compared with `numbers` (compareTicket), its lines rewritten in their rows. While
    // the grid, the layout and the lines are those of the last comparison, the lines keep their
    // numbers and only the hits that change are written; the hits stay with the model.
    TicketComparison compare(const ComparisonLayout &layout, const CompareNumbers &numbers, const QString &catcher);

    // A line the last comparison made reaches as far as its numbers with the widest hits of the
    // layout: comparisons with other numbers rewrite its hits within that reach.
    Reach farthestReach() const override;
    qsizetype reachLength(int row) const override;
    QString reachText(int row) const override;

private:
    // The last comparison, while the grid is the one it compared and the lines are those it
    // made: its layout, the hits each line shows, and the texts of the hits by class.
    struct Compared {
        ComparisonLayout layout;
        std::vector<ColumnHits> hits;
        quint64 revision = 0;
        std::vector<QString> hitsTexts;  // class (m, b) at m + b * (K + 1)
        QString widest;                  // the widest hits of the layout

        const QString &shown(int row) const;
        // How much farther than it reads line `row` may reach.
        qsizetype room(int row) const { return widest.size() - shown(row).size(); }
    };
    // The last comparison, when the lines are still those it made.
    const Compared *linesCompared() const;

    OpenLottery &lottery_;
    quint64 gridChanges_ = 0;  // the changes of the grid alone (takeGrid, setGrid)
    std::optional<Compared> compared_;
};

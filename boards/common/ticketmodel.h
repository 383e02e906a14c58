#pragma once
// The open lottery's ticket as the model its list shows: the rows are the ticket's lines
// (garrTicketLines), and the changes of the ticket, of its grid (garrTicketGrid) and its lines
// together, go through the model.

#include "platform/ui/linelistmodel.h"

#include <cstdint>
#include <vector>

struct OpenLottery;
class TicketGrid;

class TicketModel : public LineListModel {
public:
    explicit TicketModel(OpenLottery &lottery, QObject *parent = nullptr);

    // A ticket read whole: its grid and its lines, in one reset.
    void setTicket(TicketGrid grid, QStringList lines);
    // A column appended: its numbers (one for each position first..last) and its line. A grid of
    // other positions is begun anew.
    void appendColumn(int first, int last, const std::vector<int32_t> &numbers, const QString &line);
    // The column of line `row` (0 the first) taken out of the grid and the lines.
    void removeColumn(int row);

private:
    OpenLottery &lottery_;
};

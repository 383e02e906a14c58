#pragma once
// The statistics, powers and drawing sums computed the way the results database has always
// computed them: one statement per ball, per column or per drawing, run on an SQLite copy of the
// history (TBLRESULTS with WeekDate as ISO text), the date literal rewritten as the connection
// layer does.

#include "analysis/ballarray.h"
#include "analysis/drum.h"
#include "analysis/history.h"
#include "analysis/interval.h"

#include <QDate>
#include <QString>
#include <optional>
#include <sqlite3.h>
#include <vector>

class SqlReference {
public:
    // The drawings of the history; columns past `filledColumns` are stored as NULL.
    SqlReference(const History &history, int filledColumns);
    ~SqlReference();
    SqlReference(const SqlReference &) = delete;
    SqlReference &operator=(const SqlReference &) = delete;

    // Runs a statement; every row as a list of fields (NULL as empty).
    std::vector<std::vector<std::optional<int64_t>>> rows(const QString &statement) const;
    // The field of the first row with that name (NULL or no row: empty).
    std::optional<int64_t> field(const QString &statement, const char *name) const;

    BallArray<int32_t> pickCounts(const DrumShape &drum, int32_t fromWeek, const QDate &upToDate) const;
    BallArray<int32_t> lastPickedWeeks(const DrumShape &drum, const QDate &upToDate) const;
    // Empty when a week of the window has no row.
    std::optional<BallArray<double>> powers(const DrumShape &drum, int32_t toWeek, int32_t coldMode,
                                            bool powerIncrease, int32_t fromWeek) const;
    std::optional<SumStats> sumStats(const DrumShape &drum, int32_t fromWeek, int32_t toWeek,
                                     const BallArray<int32_t> &pickCount) const;

    // "#m/d/yyyy#" literals become 'yyyy-mm-dd'.
    static QString rewriteDates(const QString &statement);

private:
    sqlite3 *db_ = nullptr;
};

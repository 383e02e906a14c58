#pragma once
// The statistics, power sums and drawing sums computed the way the results database has always
// computed them: one statement per ball, per column or per drawing, run on an in-memory SQLite copy
// of the history, the date literal rewritten as the connection layer does.

#include "analysis/ballarray.h"
#include "analysis/drum.h"
#include "analysis/history.h"
#include "analysis/interval.h"

#include <QDate>
#include <QStringList>
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

    BallArray<int32_t> pickCounts(const DrumShape &drum, int32_t fromWeek, const QDate &upToDate) const;
    BallArray<int32_t> lastPickedWeeks(const DrumShape &drum, const QDate &upToDate) const;
    // The powers before they are normalised.
    BallArray<double> powerSums(const DrumShape &drum, int32_t toWeek, int32_t coldMode, bool powerIncrease,
                                int32_t fromWeek) const;
    // Empty when a week of the window has no row.
    std::optional<SumStats> sumStats(const DrumShape &drum, int32_t fromWeek, int32_t toWeek,
                                     const BallArray<int32_t> &pickCount) const;

private:
    struct Result {
        QStringList columns;
        std::vector<std::vector<std::optional<int64_t>>> rows;  // NULL as empty
    };
    Result run(const QString &statement) const;
    // The field of the first row with that name (field 0 without a name); NULL or no row: 0.
    int32_t field(const QString &statement, const char *name) const;

    sqlite3 *db_ = nullptr;
};

#include "sqlreference.h"

#include "analysis/clslotterydb.h"
#include "analysis/statements.h"

#include <cmath>
#include <limits>
#include <stdexcept>

SqlReference::SqlReference(const History &history, int filledColumns)
{
    if (sqlite3_open(":memory:", &db_) != SQLITE_OK)
        throw std::runtime_error("cannot open an in-memory database");
    sqlite3_exec(db_, lotterydb::schemaSql().toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db_, "INSERT INTO TBLRESULTS VALUES (?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    for (const Drawing &d : history) {
        sqlite3_bind_int(insert, 1, d.weekNo);
        const QByteArray date = d.date.toString(Qt::ISODate).toUtf8();
        sqlite3_bind_text(insert, 2, date.constData(), -1, SQLITE_TRANSIENT);
        for (int c = 0; c < 8; ++c) {
            if (c < filledColumns)
                sqlite3_bind_int(insert, 3 + c, d.numbers[static_cast<size_t>(c)]);
            else
                sqlite3_bind_null(insert, 3 + c);
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
}

SqlReference::~SqlReference() { sqlite3_close(db_); }

SqlReference::Result SqlReference::run(const QString &statement) const
{
    const QByteArray sql = lotterydb::toEngineSql(statement).value_or(QString()).toUtf8();
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error("statement refused: " + statement.toStdString());
    Result out;
    for (int i = 0; i < sqlite3_column_count(st); ++i)
        out.columns << QString::fromUtf8(sqlite3_column_name(st, i));
    while (sqlite3_step(st) == SQLITE_ROW) {
        auto &row = out.rows.emplace_back();
        for (int i = 0; i < out.columns.size(); ++i)
            row.push_back(sqlite3_column_type(st, i) == SQLITE_NULL ? std::nullopt
                                                                    : std::optional(sqlite3_column_int64(st, i)));
    }
    sqlite3_finalize(st);
    return out;
}

int32_t SqlReference::field(const QString &statement, const char *name) const
{
    const Result r = run(statement);
    const qsizetype column = name ? r.columns.indexOf(QLatin1String(name)) : 0;
    return r.rows.empty() ? 0 : static_cast<int32_t>(r.rows[0][static_cast<size_t>(column)].value_or(0));
}

BallArray<int32_t> SqlReference::pickCounts(const DrumShape &drum, int32_t fromWeek, const QDate &upToDate) const
{
    BallArray<int32_t> counts(0, drum.maxBall, 0);
    const char *name = drum.drum == Drum::Second ? "BONUSnumber1" : nullptr;
    for (int b = drum.firstBall; b <= drum.maxBall; ++b)
        counts[b] = field(countPicksStatement(drum, b, fromWeek, upToDate), name);
    return counts;
}

BallArray<int32_t> SqlReference::lastPickedWeeks(const DrumShape &drum, const QDate &upToDate) const
{
    BallArray<int32_t> last(0, drum.maxBall, 0);
    for (int b = drum.firstBall; b <= drum.maxBall; ++b)
        last[b] = field(lastPickedWeekStatement(drum, b, upToDate), "maxWeekNo");
    return last;
}

BallArray<double> SqlReference::powerSums(const DrumShape &drum, int32_t toWeek, int32_t coldMode, bool powerIncrease,
                                          int32_t fromWeek) const
{
    BallArray<double> p(0, drum.maxBall, 0.0);
    for (int c = drum.firstColumn; c <= drum.lastColumn(); ++c) {
        for (const auto &row : run(powerColumnStatement(c, fromWeek, toWeek)).rows) {
            const double w = static_cast<double>(*row[0]);
            const double x = powerIncrease && coldMode ? toWeek - w : w;
            p[static_cast<int>(*row[1])] += powerIncrease ? x * x : x;
        }
    }
    return p;
}

std::optional<SumStats> SqlReference::sumStats(const DrumShape &drum, int32_t fromWeek, int32_t toWeek,
                                               const BallArray<int32_t> &pickCount) const
{
    int64_t total = 0, largest = 0;
    int64_t smallest = std::numeric_limits<int64_t>::max();
    for (int w = fromWeek; w <= toWeek; ++w) {
        const Result r = run(drawingSumStatement(drum, w));
        if (r.rows.empty())
            return std::nullopt;
        int64_t s = 0;
        for (const auto &f : r.rows[0])
            s += pickCount.value(static_cast<int>(f.value_or(0)), 0);
        total += s;
        largest = std::max(largest, s);
        smallest = std::min(smallest, s);
    }
    return SumStats{static_cast<int32_t>(smallest),
                    static_cast<int32_t>(std::nearbyint(double(total) / double(toWeek - fromWeek + 1))),
                    static_cast<int32_t>(largest)};
}

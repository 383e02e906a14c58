#include "sqlreference.h"

#include "analysis/statements.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <stdexcept>

SqlReference::SqlReference(const History &history, int filledColumns)
{
    if (sqlite3_open(":memory:", &db_) != SQLITE_OK)
        throw std::runtime_error("cannot open an in-memory database");
    sqlite3_exec(db_,
                 "CREATE TABLE TBLRESULTS (WeekNo INTEGER PRIMARY KEY, WeekDate TEXT, WinnerNumber1 INTEGER, "
                 "WinnerNumber2 INTEGER, WinnerNumber3 INTEGER, WinnerNumber4 INTEGER, WinnerNumber5 INTEGER, "
                 "WinnerNumber6 INTEGER, WinnerNumber7 INTEGER, WinnerNumber8 INTEGER)",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db_, "INSERT INTO TBLRESULTS VALUES (?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr);
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
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_finalize(insert);
}

SqlReference::~SqlReference() { sqlite3_close(db_); }

QString SqlReference::rewriteDates(const QString &statement)
{
    static const QRegularExpression literal(QStringLiteral("#(\\d{1,2})/(\\d{1,2})/(\\d{4})#"));
    QString out = statement;
    QRegularExpressionMatch m;
    while ((m = literal.match(out)).hasMatch()) {
        const QString iso = QStringLiteral("'%1-%2-%3'")
                                .arg(m.captured(3))
                                .arg(m.captured(1).toInt(), 2, 10, QLatin1Char('0'))
                                .arg(m.captured(2).toInt(), 2, 10, QLatin1Char('0'));
        out.replace(m.capturedStart(), m.capturedLength(), iso);
    }
    return out;
}

std::vector<std::vector<std::optional<int64_t>>> SqlReference::rows(const QString &statement) const
{
    const QByteArray sql = rewriteDates(statement).toUtf8();
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("statement refused: ") + sql.constData());
    std::vector<std::vector<std::optional<int64_t>>> out;
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::optional<int64_t>> row;
        for (int i = 0; i < sqlite3_column_count(st); ++i) {
            if (sqlite3_column_type(st, i) == SQLITE_NULL)
                row.emplace_back();
            else
                row.emplace_back(sqlite3_column_int64(st, i));
        }
        out.push_back(row);
    }
    sqlite3_finalize(st);
    return out;
}

std::optional<int64_t> SqlReference::field(const QString &statement, const char *name) const
{
    const QByteArray sql = rewriteDates(statement).toUtf8();
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("statement refused: ") + sql.constData());
    std::optional<int64_t> value;
    if (sqlite3_step(st) == SQLITE_ROW) {
        for (int i = 0; i < sqlite3_column_count(st); ++i) {
            const bool wanted = name ? std::string(sqlite3_column_name(st, i)) == name : i == 0;
            if (wanted && sqlite3_column_type(st, i) != SQLITE_NULL)
                value = sqlite3_column_int64(st, i);
            if (wanted)
                break;
        }
    }
    sqlite3_finalize(st);
    return value;
}

BallArray<int32_t> SqlReference::pickCounts(const DrumShape &drum, int32_t fromWeek, const QDate &upToDate) const
{
    BallArray<int32_t> counts(0, drum.maxBall, 0);
    const char *name = drum.kind == DrumKind::Second ? "BONUSnumber1" : nullptr;
    for (int b = drum.firstBall; b <= drum.maxBall; ++b)
        counts[b] = static_cast<int32_t>(field(countPicksStatement(drum, b, fromWeek, upToDate), name).value_or(0));
    return counts;
}

BallArray<int32_t> SqlReference::lastPickedWeeks(const DrumShape &drum, const QDate &upToDate) const
{
    BallArray<int32_t> last(0, drum.maxBall, 0);
    for (int b = drum.firstBall; b <= drum.maxBall; ++b)
        last[b] = static_cast<int32_t>(field(lastPickedWeekStatement(drum, b, upToDate), "maxWeekNo").value_or(0));
    return last;
}

std::optional<BallArray<double>> SqlReference::powers(const DrumShape &drum, int32_t toWeek, int32_t coldMode,
                                                      bool powerIncrease, int32_t fromWeek) const
{
    BallArray<double> p(0, drum.maxBall, 0.0);
    const int n = toWeek - fromWeek + 1;
    for (int c = drum.firstColumn; c <= drum.lastColumn(); ++c) {
        const auto rs = rows(powerColumnStatement(c, fromWeek, toWeek));
        // n rows are read, whatever the recordset holds.
        for (int i = 0; i < n; ++i) {
            if (i >= static_cast<int>(rs.size()) || !rs[static_cast<size_t>(i)][1])
                return std::nullopt;
            const int64_t w = *rs[static_cast<size_t>(i)][0];
            const int64_t b = *rs[static_cast<size_t>(i)][1];
            if (!p.contains(static_cast<int>(b)))
                return std::nullopt;
            double term = static_cast<double>(w);
            if (powerIncrease)
                term = coldMode ? double(toWeek - w) * double(toWeek - w) : double(w) * double(w);
            p[static_cast<int>(b)] += term;
        }
    }
    double m = 999999999;
    for (int b = drum.firstBall; b <= drum.maxBall; ++b)
        if (p[b] != 0 && p[b] < m)
            m = p[b];
    if (m > 2)
        for (int b = drum.firstBall; b <= drum.maxBall; ++b)
            p[b] /= m;
    double top = 0;
    for (int b = drum.firstBall; b <= drum.maxBall; ++b)
        if (p[b] != 0 && p[b] > top)
            top = p[b];
    const double cap = std::nearbyint(std::sqrt(99999.0));
    if (top - 1 > cap) {
        const double f = cap / top;
        for (int b = drum.firstBall; b <= drum.maxBall; ++b)
            p[b] *= f;
    }
    return p;
}

std::optional<SumStats> SqlReference::sumStats(const DrumShape &drum, int32_t fromWeek, int32_t toWeek,
                                               const BallArray<int32_t> &pickCount) const
{
    int64_t total = 0, largest = 0;
    int64_t smallest = std::numeric_limits<int64_t>::max();
    for (int w = fromWeek; w <= toWeek; ++w) {
        const auto rs = rows(drawingSumStatement(drum, w));
        if (rs.empty())
            return std::nullopt;
        int64_t s = 0;
        for (const auto &f : rs.front())
            s += pickCount.value(static_cast<int>(f.value_or(0)), 0);
        total += s;
        largest = std::max(largest, s);
        smallest = std::min(smallest, s);
    }
    SumStats stats;
    stats.smallest = static_cast<int32_t>(smallest);
    stats.largest = static_cast<int32_t>(largest);
    stats.mean = static_cast<int32_t>(std::nearbyint(double(total) / double(toWeek - fromWeek + 1)));
    return stats;
}

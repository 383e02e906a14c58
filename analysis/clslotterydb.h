#pragma once
// The results-database service: the connection to the open lottery's database and every
// statement run on it.
//
// Each lottery keeps its drawings in an SQLite file in the folder "LotteryDBs", in the table
// TBLRESULTS(WeekNo, WeekDate, WinnerNumber1..8), WeekDate stored as ISO text (YYYY-MM-DD).
// Statements are written with the date literal #m/d/yyyy#; the connection rewrites it to the
// ISO text just before a statement runs. No text typed by the user ever enters a statement.
//
// Failures: the query functions give an empty result (std::nullopt, or DbValue::Empty) and keep
// the reason in lastError(); nothing is shown to the user. The changes (insert, delete) return
// their status.

#include "analysis/ballarray.h"
#include "analysis/gamelayout.h"
#include "analysis/history.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <cstdint>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

struct sqlite3;
namespace lotterydb::detail {
class Statement;
struct AheadStop;
}

// A single value read from the database: Empty when the query failed, Null when the database
// holds no value (the maximum of an empty table), else the value.
template <class T>
class DbValue {
public:
    enum class State { Empty, Null, Value };

    static DbValue empty() { return DbValue(State::Empty, T{}); }
    static DbValue null() { return DbValue(State::Null, T{}); }
    static DbValue of(T value) { return DbValue(State::Value, std::move(value)); }

    State state() const { return state_; }
    bool isEmpty() const { return state_ == State::Empty; }
    bool isNull() const { return state_ == State::Null; }
    bool hasValue() const { return state_ == State::Value; }
    const T &value() const { return value_; }

private:
    DbValue(State s, T v) : state_(s), value_(std::move(v)) {}
    State state_;
    T value_;
};

// The rows of one query, read whole: column names as the statement gives them, then the
// values (qint64 for integers, double, QString for texts, a null QVariant for NULL).
struct QueryResult {
    QStringList columns;
    std::vector<std::vector<QVariant>> rows;

    int recordCount() const { return static_cast<int>(rows.size()); }
    // The position of a column by name, compared without regard to case; -1 when absent.
    int fieldIndex(QStringView name) const;
};

namespace lotterydb {

// ---- Statement texts, exactly as the program writes them ----------------------------------------
QString sqlAllGameDates();
// The first `count` numbers of one drawing (WinnerNumber1..3, and up to WinnerNumber8 for
// counts 4 to 8).
QString sqlDrawingNumbers(int32_t weekNo, int32_t count);
// The digits of a drawing of a game of picks + 1 positions.
QString sqlDrawingNumbersFOR10(int32_t weekNo, int32_t picks);
QString sqlMaxWeekNo();
QString sqlMaxWeekDate();
QString sqlDrawingCount();
// A new drawing with `count` numbers (3 to 8); nothing for any other count.
std::optional<QString> sqlInsertDrawing(int32_t weekNo, const QDate &drawDate,
                                        const std::array<int32_t, 8> &numbers, int32_t count);
QString sqlDeleteDrawing(int32_t weekNo);
QString sqlLoadHistory();

// The statement as the database engine runs it: every date literal #m/d/yyyy# becomes the
// quoted ISO text 'yyyy-MM-dd'. Nothing when a literal is not a real date.
std::optional<QString> toEngineSql(const QString &accessSql);

// A column value as a 32-bit integer (integers only), or as a date (ISO text only).
std::optional<int32_t> toInt32(const QVariant &value);
std::optional<QDate> toDate(const QVariant &value);

// The table every results database holds.
QString schemaSql();
// Creates a new results database at `path` holding `drawings`: the first `numbersPerDrawing`
// number columns of each, the columns after them NULL. Fails, and leaves nothing behind, when the
// file exists.
bool createResultsDatabase(const QString &path, const History &drawings, int numbersPerDrawing,
                           QString *error);
// Why a results database failed, in the terms the program tells the user.
enum class Fault {
    None,
    Missing,       // the file does not exist
    NoAccess,      // the file or its folder cannot be read for want of permission
    Locked,        // another program holds the database (it stayed busy for the short wait)
    NotADatabase,  // the file is no results database, or it is damaged
    ReadOnly,      // the file or its folder cannot be written to
    NoRoom,        // the disk is full
    Device,        // the disk could not be read or written
    Other,
};

// The fault an SQLite result code stands for.
Fault faultOfEngineCode(int code);

// How long a statement waits for a database another program holds before it gives up.
inline constexpr int kBusyWaitMs = 1500;

// True when `path` is a results database that can be opened for reading and writing (the file
// exists, is a database and holds TBLRESULTS with its columns). Never creates a file. On failure
// `error` says why in the engine's words and `fault` (when given) what kind of failure it was.
bool canOpenResultsDatabase(const QString &path, QString *error, Fault *fault = nullptr);
// Sets the engine up for the program, once, before its first use: without the memory statistics,
// which the program never reads and which make every connection wait for the others' memory (an
// opening checks a database while the drawings are read on another thread).
void configureEngine();

}  // namespace lotterydb

class clsLotteryDb {
public:
    clsLotteryDb() = default;
    ~clsLotteryDb();
    clsLotteryDb(const clsLotteryDb &) = delete;
    clsLotteryDb &operator=(const clsLotteryDb &) = delete;

    // Connects to the results database at `path` (the previous connection is released first). A
    // missing file is a failure: no file is ever created.
    bool subOpenConnection(const QString &path);
    void subCloseConnection();
    bool isConnected() const { return db_ != nullptr; }

    // Reads every drawing date on the connection: element 0 unused, elements 1..n the dates newest
    // first; the number of drawings n goes to `totalWeeks` (also when a date cannot be read, not
    // without a connection). Empty on failure. The dates are those of the drawings (fncHistory) in
    // reverse when they run in week order, as they do in nearly every database; only otherwise does
    // the statement of all dates sort them.
    std::optional<std::vector<QDate>> fncGetAllGameDates(int32_t *totalWeeks = nullptr);
    // The numbers of a drawing at the positions of the game: 1..K+B (lotto), or the digits 0..P-1.
    std::optional<BallArray<int32_t>> fncGetDrawingNumbers(int32_t weekNo, const GameLayout &layout);
    // The highest week number and the latest date; Null on an empty table.
    DbValue<int32_t> fncGetMaxWeekNo();
    DbValue<QDate> fncGetMaxWeekDate();
    // The number of drawings in the table.
    DbValue<int32_t> fncGetDrawingCount();
    // Adds a drawing; uses as many of the numbers as the game has (K + B, or the positions of a
    // digit game). False when nothing was added (a shape without a row layout, a refused
    // statement); lastError() says why.
    [[nodiscard]] bool subInsertDrawing(int32_t weekNo, const QDate &drawDate, const std::array<int32_t, 8> &numbers,
                                        const GameLayout &layout);
    // Deletes the drawing with that week number, then connects anew. False when no drawing was
    // deleted.
    [[nodiscard]] bool subDeleteDrawing(int32_t weekNo);

    // Every drawing in WeekNo order, a NULL number column as Drawing::kEmpty and a value that is
    // no whole 32-bit number as Drawing::kNotANumber (the computations leave both out), for the
    // computations that work on the whole history in memory.
    std::optional<History> fncLoadHistory();
    // The same drawings, kept while the connection lasts and read again only when the database
    // changed since the last read: a change made through this connection (fncExecute), or another
    // program's (the engine counts a change by another connection; across connections, the change
    // counter of the database header, or the file or its write-ahead log changed on disk). Nothing
    // on failure, as fncLoadHistory. The drawings stay valid until the next call or the next
    // opening.
    const History *fncHistory();
    // Starts reading the drawings of the results database `databaseFile` in `folder` on a thread
    // and a read-only connection of their own, so that an opening reads them while it makes the
    // board: the next fncHistory that must read takes them when they are of the file it is
    // connected to and no commit changed it since (else it reads them itself). A read of the same
    // file already under way goes on (start-up begins reading the last lottery before it opens
    // it). Only a file of the folder itself is read (a name with a folder in it, "..", is not),
    // and only a database in rollback-journal mode: nothing of a database in write-ahead-log mode
    // is read here, so that no log or index of another program's is made, checkpointed or removed.
    void subReadHistoryAhead(const QString &folder, const QString &databaseFile);
    // Stops the read started by subReadHistoryAhead wherever it is (between its statements, in one,
    // or waiting for a database another program holds), waits for its thread, and forgets what it
    // read: for an opening that stops before it connects, or a program that ends.
    void subForgetHistoryAhead();

    // Runs one read-only statement (a SELECT) on the connection and reads all its rows.
    std::optional<QueryResult> fncQuery(const QString &accessSql);
    // Runs one statement that changes the table; the number of rows it changed, or nothing.
    std::optional<int> fncExecute(const QString &accessSql);

    // Why the last operation failed (empty after a success): the engine's words and the
    // statement, for the event log.
    QString lastError() const { return error_; }
    // The kind of the last failure (None after a success).
    lotterydb::Fault lastFault() const { return fault_; }
    // The last statement built, in its stored form (with the #m/d/yyyy# literal).
    QString lastStatement() const { return statement_; }

private:
    bool fail(const QString &why, lotterydb::Fault fault = lotterydb::Fault::Other);
    // Fails with the engine's last error on the connection.
    bool failEngine(const QString &sql);
    // Notes the kind of a failure to prepare a statement (its text is in error_ already).
    void notePrepareFailure();
    // Prepares a read-only statement in its stored form, noting it as the last statement.
    bool prepareQuery(const QString &accessSql, lotterydb::detail::Statement &stmt);
    std::optional<BallArray<int32_t>> drawingNumbers(int32_t weekNo, int32_t first, int32_t count);
    // Every drawing in week order; `datesInOrder` tells whether their dates, all stored as
    // yyyy-MM-dd, never go back.
    std::optional<History> readHistory(bool *datesInOrder);
    // The database as it is now, looked at inside a read transaction, which the look begins when
    // none is open; nothing (the reason in lastError()) when the engine cannot say.
    std::optional<DatabaseStamp> stampNow();
    // The one value of a one-row query: Empty when it fails, Null for NULL.
    template <class T, class Convert>
    DbValue<T> singleValue(const QString &sql, QStringView field, Convert convert, const QString &what);

    // The drawings read ahead (subReadHistoryAhead), and the database as it was when they were read.
    struct AheadRead {
        DatabaseStamp stamp;
        std::optional<History> drawings;
        bool datesInOrder = false;
    };
    std::future<AheadRead> ahead_;
    QString aheadPath_;
    std::shared_ptr<lotterydb::detail::AheadStop> aheadStop_;
    std::thread aheadThread_;  // the thread that reads them
    // Reads the drawings of the database at `path` into `result`, then closes its connection.
    static void readAheadInto(const QString &path, lotterydb::detail::AheadStop &stop, std::promise<AheadRead> &result);
    sqlite3 *db_ = nullptr;
    // The drawings read last, and what the database looked like then.
    LoadedHistory loaded_;
    uint64_t connection_ = 0;  // the number of the connection
    uint64_t connectionsMade_ = 0;
    QString connectedPath_;
    QString statement_;
    QString error_;
    lotterydb::Fault fault_ = lotterydb::Fault::None;
};

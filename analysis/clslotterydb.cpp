#include "analysis/clslotterydb.h"

#include "platform/dates.h"

#include <QFile>
#include <QRegularExpression>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sqlite3.h>
#include <sys/stat.h>

namespace lotterydb::detail {

QString engineError(sqlite3 *db, const QString &sql = {})
{
    QString text = QStringLiteral("Error #%1   (Source: SQLite)   %2")
                       .arg(db ? sqlite3_extended_errcode(db) : SQLITE_CANTOPEN)
                       .arg(db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory"));
    if (!sql.isEmpty())
        text += QStringLiteral("   (Statement: %1)").arg(sql);
    return text;
}

// A prepared statement that is finalised when it goes out of scope.
class Statement {
public:
    ~Statement() { sqlite3_finalize(stmt_); }
    // Prepares exactly one statement; anything after it other than blanks is refused.
    bool prepare(sqlite3 *db, const QString &sql, QString *error)
    {
        const QByteArray utf8 = sql.toUtf8();
        const char *tail = nullptr;
        if (sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &stmt_, &tail) != SQLITE_OK) {
            *error = engineError(db, sql);
            return false;
        }
        if (!stmt_ || !QByteArray(tail).trimmed().isEmpty()) {
            *error = QStringLiteral("Not exactly one statement: %1").arg(sql);
            return false;
        }
        return true;
    }
    sqlite3_stmt *get() const { return stmt_; }
    // The statement as the engine runs it.
    QString sql() const { return QString::fromUtf8(sqlite3_sql(stmt_)); }

private:
    sqlite3_stmt *stmt_ = nullptr;
};

// How a read ahead is stopped wherever it is: between its statements (the flag), in one (the flag,
// which the engine's progress handler looks at, and an interrupt of the statement), and waiting for
// a database another program holds (woken at once).
struct AheadStop {
    std::atomic<bool> stopped = false;
    std::mutex lock;
    std::condition_variable wake;
    sqlite3 *db = nullptr;  // the connection while it reads
    std::chrono::steady_clock::time_point busySince;

    void stop()
    {
        std::lock_guard<std::mutex> hold(lock);
        stopped = true;
        if (db)
            sqlite3_interrupt(db);
        wake.notify_all();
    }
    // Makes `connection` the one a stop interrupts (nullptr for none); false once stopped.
    bool reading(sqlite3 *connection)
    {
        std::lock_guard<std::mutex> hold(lock);
        db = stopped ? nullptr : connection;
        return !stopped;
    }
};

}  // namespace lotterydb::detail

namespace {

using lotterydb::detail::AheadStop;
using lotterydb::detail::engineError;
using lotterydb::detail::Statement;

constexpr int kBusyTimeoutMs = 30000;

QString num(int64_t v) { return QString::number(v); }

QVariant columnValue(sqlite3_stmt *stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qint64>(sqlite3_column_int64(stmt, i));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, i);
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, i)),
                                 sqlite3_column_bytes(stmt, i));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, i)), sqlite3_column_bytes(stmt, i));
    default:
        return {};
    }
}

// A column of the current row, read once for its type and its value. The value is used at once
// on the thread that steps the statement (each connection has one).
sqlite3_value *cell(sqlite3_stmt *stmt, int i) { return sqlite3_column_value(stmt, i); }

// A column as a 32-bit integer: only an integer value in range is one (lotterydb::toInt32 on
// the column's value, without making the value).
std::optional<int32_t> cellInt32(sqlite3_value *v)
{
    if (sqlite3_value_type(v) != SQLITE_INTEGER)
        return std::nullopt;
    const sqlite3_int64 n = sqlite3_value_int64(v);
    if (n < INT32_MIN || n > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(n);
}

// A number column of a drawing: NULL is an empty column, a whole number that fits 32 bits is
// itself (negative ones too), and any other value (a fraction, a larger number, a text) is no
// number of any drum.
int32_t cellNumber(sqlite3_value *v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
        return Drawing::kEmpty;
    case SQLITE_INTEGER: {
        const sqlite3_int64 n = sqlite3_value_int64(v);
        return n > Drawing::kEmpty && n <= INT32_MAX ? static_cast<int32_t>(n) : Drawing::kNotANumber;
    }
    default:
        return Drawing::kNotANumber;
    }
}

int twoDigits(const unsigned char *p) { return (p[0] - '0') * 10 + (p[1] - '0'); }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The month of the date read last, as its first day and its number of days: the drawings of a
// month follow one another, and a date of the same month is its first day and the days after it.
struct MonthRead {
    int year = 0;
    int month = 0;
    QDate first;
    int days = 0;

    QDate date(int y, int m, int d)
    {
        if (y != year || m != month)
            *this = {y, m, QDate(y, m, 1), QDate(y, m, 1).daysInMonth()};
        return d >= 1 && d <= days ? first.addDays(d - 1) : QDate();
    }
};

// How the texts of a database are read: as stored, when they are stored as UTF-8 (the bytes in
// place, with no copy made to end them with a zero, which costs a memory allocation that every
// thread using the engine waits on), or converted to UTF-8.
enum class TextRead { AsStored, Converted };

TextRead textReadOf(sqlite3 *db)
{
    Statement encoding;
    QString error;
    const bool utf8 = encoding.prepare(db, QStringLiteral("PRAGMA encoding"), &error)
                      && sqlite3_step(encoding.get()) == SQLITE_ROW
                      && qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(encoding.get(), 0)), "UTF-8") == 0;
    return utf8 ? TextRead::AsStored : TextRead::Converted;
}

// A column as a date (lotterydb::toDate on the column's value). The stored form yyyy-MM-dd is
// read in place (and `storedForm` set, when given); any other text takes the general road.
// `month`, when given, keeps the month of a column for the next one.
std::optional<QDate> cellDate(sqlite3_value *v, TextRead read, bool *storedForm = nullptr, MonthRead *month = nullptr)
{
    if (sqlite3_value_type(v) != SQLITE_TEXT)
        return std::nullopt;
    const auto *p = static_cast<const unsigned char *>(read == TextRead::AsStored ? sqlite3_value_blob(v)
                                                                                 : sqlite3_value_text(v));
    const int size = sqlite3_value_bytes(v);
    if (size == 10 && p[4] == '-' && p[7] == '-' && isDigit(p[0]) && isDigit(p[1]) && isDigit(p[2])
        && isDigit(p[3]) && isDigit(p[5]) && isDigit(p[6]) && isDigit(p[8]) && isDigit(p[9])) {
        MonthRead once;
        const int year = twoDigits(p) * 100 + twoDigits(p + 2);
        const QDate date = (month ? *month : once).date(year, twoDigits(p + 5), twoDigits(p + 8));
        if (!date.isValid())
            return std::nullopt;
        if (storedForm)
            *storedForm = true;
        return date;
    }
    if (storedForm)
        *storedForm = false;
    return lotterydb::toDate(QString::fromUtf8(reinterpret_cast<const char *>(p), size));
}

// Device, inode, size, and the times of the last change to the content and to the file (in
// nanoseconds) of the file at `path`; all zero when there is none.
std::array<int64_t, 5> fileIdentity(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    const auto ns = [](const timespec &t) { return static_cast<int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec; };
    return {static_cast<int64_t>(st.st_dev), static_cast<int64_t>(st.st_ino), static_cast<int64_t>(st.st_size),
            ns(st.st_mtim), ns(st.st_ctim)};
}

// As many drawings as the table can hold, as a size to read them into; 0 when it cannot be told.
// Counting the rows would read the whole table once more before the drawings are read: the rows
// are at most as many as the row numbers between the lowest and the highest, each of which the
// engine finds at once, and at most one for every 5 bytes of the file (a row takes a 2-byte
// pointer and a cell of at least 3 bytes).
size_t drawingCountHint(sqlite3 *db)
{
    Statement bound;
    QString error;
    if (!bound.prepare(db,
                       QStringLiteral("SELECT (SELECT max(rowid) FROM TBLRESULTS) - (SELECT min(rowid) FROM TBLRESULTS) + 1, "
                                      "(SELECT page_count FROM pragma_page_count) * (SELECT page_size FROM pragma_page_size) / 5"),
                       &error)
        || sqlite3_step(bound.get()) != SQLITE_ROW)
        return 0;
    // A range past 64 bits comes as a fraction, read as the largest whole number.
    const sqlite3_int64 rows = std::min(sqlite3_column_int64(bound.get(), 0), sqlite3_column_int64(bound.get(), 1));
    return static_cast<size_t>(std::max<sqlite3_int64>(0, rows));
}

// Steps through the rows of the drawings statement `s` into `history` (room made at once for the
// `count` drawings the table can hold, so that they are not copied while they are read), their
// texts read as `text` says,
// noting whether their dates run in week order. SQLITE_DONE when every row was read,
// SQLITE_MISMATCH at a row without a valid week number or date, else the engine's result.
int readDrawings(sqlite3_stmt *s, History &history, bool &datesInOrder, size_t count, TextRead text)
{
    try {
        history.reserve(count);
    } catch (const std::exception &) {
        // More room than there is: the drawings make their own as they come.
    }
    datesInOrder = true;
    MonthRead month;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        bool storedForm = false;
        const auto week = cellInt32(cell(s, 0));
        const auto date = cellDate(cell(s, 1), text, &storedForm, &month);
        if (!week || !date)
            return SQLITE_MISMATCH;
        // Text of the stored form sorts as its date does; any other text could sort otherwise.
        if (!storedForm || (!history.empty() && *date < history.back().date))
            datesInOrder = false;
        Drawing &d = history.emplace_back();
        d.weekNo = *week;
        d.date = *date;
        for (int i = 0; i < 8; ++i)
            d.numbers[static_cast<size_t>(i)] = cellNumber(cell(s, i + 2));
    }
    return rc;
}

// A read transaction on a connection for as long as the object lives, so that all that is read
// under it (the drawings, the look at the file) is of one moment of the database. Nothing when the
// connection is in a transaction already.
class ReadTransaction {
public:
    explicit ReadTransaction(sqlite3 *db)
        : db_(db && sqlite3_get_autocommit(db) && sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK ? db
                                                                                                              : nullptr)
    {
    }
    ~ReadTransaction()
    {
        if (db_ && !sqlite3_get_autocommit(db_))
            sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    }
    ReadTransaction(const ReadTransaction &) = delete;
    ReadTransaction &operator=(const ReadTransaction &) = delete;

private:
    sqlite3 *db_;
};

// The header of the database (its first 100 bytes) on the connection `db`, read through the
// connection's own file: a descriptor of its own, once closed, would drop the locks the engine
// holds on the file for every connection of the program. Nothing when it cannot be read.
std::optional<std::array<unsigned char, 100>> databaseHeader(sqlite3 *db)
{
    sqlite3_file *file = nullptr;
    std::array<unsigned char, 100> header{};
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file || !file->pMethods
        || file->pMethods->xRead(file, header.data(), static_cast<int>(header.size()), 0) != SQLITE_OK)
        return std::nullopt;
    return header;
}

// Whether a database header is that of a database in write-ahead-log mode (its read or write
// version 2).
bool writeAheadLogged(const std::array<unsigned char, 100> &header) { return header[18] == 2 || header[19] == 2; }

// The results database at `path` as its connection `db` sees it, looked at inside a read
// transaction: the files as they are on disk, and the change counter of the header (big-endian, at
// offset 24) of a database in rollback-journal mode, which no commit can change while the
// transaction holds the database. Whether the connection's file is still the one at `path` is
// asked after the look at the path: a file renamed over it at any moment before is told.
DatabaseStamp stampOf(sqlite3 *db, const QString &path)
{
    DatabaseStamp stamp;
    stamp.path = path;
    stamp.file = fileIdentity(path);
    stamp.log = fileIdentity(path + QStringLiteral("-wal"));
    int moved = 0;
    stamp.moved = sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK || moved != 0;
    if (const auto header = databaseHeader(db); header && !writeAheadLogged(*header))
        stamp.changeCounter = static_cast<uint32_t>((*header)[24]) << 24 | static_cast<uint32_t>((*header)[25]) << 16
                              | static_cast<uint32_t>((*header)[26]) << 8 | static_cast<uint32_t>((*header)[27]);
    return stamp;
}

// A name that stands for a file of the folder it is looked for in: no folder in it, not "..".
bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(QChar(0));
}

// How many steps of the engine a statement of a read ahead runs between two looks at its stop.
constexpr int kStepsBetweenStopLooks = 1000;
// How often a read ahead tries again a database another program holds.
constexpr int kBusyRetryMs = 5;

// The engine's progress handler of a read ahead: a stopped read ends its statement.
int stopRequested(void *stop) { return static_cast<AheadStop *>(stop)->stopped.load(std::memory_order_relaxed) ? 1 : 0; }

// The engine's busy handler of a read ahead: a database another program holds is waited for as long
// as the program's statements wait for it (kBusyWaitMs), and not a moment longer once the read is
// stopped. Nonzero to try again.
int waitWhileBusy(void *context, int tries)
{
    using namespace std::chrono;
    auto &stop = *static_cast<AheadStop *>(context);
    std::unique_lock<std::mutex> hold(stop.lock);
    const auto now = steady_clock::now();
    if (tries == 0)
        stop.busySince = now;
    const auto giveUp = stop.busySince + milliseconds(lotterydb::kBusyWaitMs);
    if (stop.stopped || now >= giveUp)
        return 0;
    stop.wake.wait_until(hold, std::min(giveUp, now + milliseconds(kBusyRetryMs)), [&] { return stop.stopped.load(); });
    return stop.stopped ? 0 : 1;
}

// Why a file could not be opened or looked at, by the system's error number: only a file or
// folder that is not there is missing, not one the user may not read.
lotterydb::Fault faultOfSystemError(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return lotterydb::Fault::Missing;
    case EACCES:
    case EPERM: return lotterydb::Fault::NoAccess;
    case EIO: return lotterydb::Fault::Device;
    default: return lotterydb::Fault::Other;
    }
}

// The fault of the last failure on a connection being opened: a file the engine cannot open is
// told by the system's reason.
lotterydb::Fault faultOfOpening(sqlite3 *db)
{
    const int code = sqlite3_extended_errcode(db);
    return (code & 0xFF) == SQLITE_CANTOPEN ? faultOfSystemError(sqlite3_system_errno(db))
                                             : lotterydb::faultOfEngineCode(code);
}

// Opens an existing database for reading and writing, never creating it, and checks that it
// holds the results table with its columns.
sqlite3 *openResultsDatabase(const QString &path, QString *error, lotterydb::Fault *fault)
{
    const QByteArray file = QFile::encodeName(path);
    struct stat st {};
    if (::stat(file.constData(), &st) != 0) {
        const int why = errno;
        *fault = faultOfSystemError(why);
        *error = *fault == lotterydb::Fault::Missing
                     ? QStringLiteral("The database file %1 does not exist.").arg(path)
                     : QStringLiteral("The database file %1 cannot be looked at: %2").arg(path, qt_error_string(why));
        return nullptr;
    }
    // A file only: the open of a pipe or a device under the name could wait for good.
    if (!S_ISREG(st.st_mode)) {
        *fault = lotterydb::Fault::NotADatabase;
        *error = QStringLiteral("The database file %1 is no file.").arg(path);
        return nullptr;
    }
    sqlite3 *db = nullptr;
    // One thread uses the connection: no lock around every call.
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        *error = engineError(db);
        *fault = db ? faultOfOpening(db) : lotterydb::Fault::Other;
        sqlite3_close(db);
        return nullptr;
    }
    // A database another program holds is waited for briefly, never for long.
    sqlite3_busy_timeout(db, lotterydb::kBusyWaitMs);
    Statement probe;
    if (!probe.prepare(db, lotterydb::sqlLoadHistory() + QStringLiteral(" LIMIT 0"), error)) {
        const int code = sqlite3_extended_errcode(db);
        // A file the engine reads but whose results table is missing is no results database.
        *fault = code == SQLITE_ERROR ? lotterydb::Fault::NotADatabase : faultOfOpening(db);
        sqlite3_close(db);
        return nullptr;
    }
    *fault = lotterydb::Fault::None;
    return db;
}

}  // namespace

int QueryResult::fieldIndex(QStringView name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

namespace lotterydb {

QString sqlAllGameDates()
{
    return QStringLiteral("SELECT WeekDate AS GAMEDATE") + QStringLiteral(" FROM TBLRESULTS") +
           QStringLiteral(" ORDER BY WeekDate DESC");
}

QString sqlDrawingNumbers(int32_t weekNo, int32_t count)
{
    QString sql = QStringLiteral("SELECT WinnerNumber1, WinnerNumber2, WinnerNumber3");
    if (count >= 4 && count <= 8)
        for (int i = 4; i <= count; ++i)
            sql += QStringLiteral(", WinnerNumber") + num(i);
    return sql + QStringLiteral(" FROM TBLRESULTS") + QStringLiteral(" WHERE WeekNo = ") + num(weekNo);
}

QString sqlDrawingNumbersFOR10(int32_t weekNo, int32_t picks)
{
    // The column pieces follow the index of the last position: 3 reads up to WinnerNumber4.
    return sqlDrawingNumbers(weekNo, picks + 1);
}

QString sqlMaxWeekNo() { return QStringLiteral("SELECT max(WeekNo) AS maxWeekNo") + QStringLiteral(" FROM TBLRESULTS"); }

QString sqlMaxWeekDate()
{
    return QStringLiteral("SELECT max(WeekDate) AS maxWeekDate") + QStringLiteral(" FROM TBLRESULTS");
}

QString sqlDrawingCount() { return QStringLiteral("SELECT count(WeekNo) AS drawingCount FROM TBLRESULTS"); }

std::optional<QString> sqlInsertDrawing(int32_t weekNo, const QDate &drawDate, const std::array<int32_t, 8> &numbers,
                                        int32_t count)
{
    if (count < 3 || count > 8 || !drawDate.isValid())
        return std::nullopt;
    QString sql = QStringLiteral("INSERT INTO TBLRESULTS ") + QStringLiteral("(WeekNo, ") + QStringLiteral("WeekDate, ");
    for (int i = 1; i <= count; ++i)
        sql += QStringLiteral("WinnerNumber") + num(i) + (i < count ? QStringLiteral(", ") : QStringLiteral(") "));
    sql += QStringLiteral("VALUES ") + QStringLiteral("(") + num(weekNo) + QStringLiteral(", ") +
           dates::accessLiteral(drawDate) + QStringLiteral(", ") + num(numbers[0]);
    for (int i = 1; i < count; ++i)
        sql += QStringLiteral(", ") + num(numbers[static_cast<size_t>(i)]);
    return sql + QStringLiteral(")");
}

QString sqlDeleteDrawing(int32_t weekNo) { return QStringLiteral("DELETE FROM TBLRESULTS WHERE WeekNo = ") + num(weekNo); }

QString sqlLoadHistory()
{
    QString sql = QStringLiteral("SELECT WeekNo, WeekDate");
    for (int i = 1; i <= 8; ++i)
        sql += QStringLiteral(", WinnerNumber") + num(i);
    return sql + QStringLiteral(" FROM TBLRESULTS ORDER BY WeekNo ASC");
}

std::optional<QString> toEngineSql(const QString &accessSql)
{
    static const QRegularExpression literal(QStringLiteral("#(\\d{1,2})/(\\d{1,2})/(\\d{4})#"));
    QString out;
    qsizetype from = 0;
    for (auto it = literal.globalMatch(accessSql); it.hasNext();) {
        const auto m = it.next();
        const QDate date(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
        if (!date.isValid())
            return std::nullopt;
        out += accessSql.mid(from, m.capturedStart() - from);
        out += u'\'' + date.toString(Qt::ISODate) + u'\'';
        from = m.capturedEnd();
    }
    return out + accessSql.mid(from);
}

std::optional<int32_t> toInt32(const QVariant &value)
{
    if (value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    const qint64 v = value.toLongLong();
    if (v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(v);
}

std::optional<QDate> toDate(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid() || text.size() != 10)
        return std::nullopt;
    return date;
}

QString schemaSql()
{
    QString sql = QStringLiteral(
        "CREATE TABLE TBLRESULTS (WeekNo INTEGER PRIMARY KEY, "
        "WeekDate TEXT NOT NULL CHECK (WeekDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' "
        "AND date(WeekDate, '+0 days') IS WeekDate)");
    for (int i = 1; i <= 8; ++i)
        sql += QStringLiteral(", WinnerNumber") + num(i) + QStringLiteral(" INTEGER");
    return sql + u')';
}

bool createResultsDatabase(const QString &path, const History &drawings, int numbersPerDrawing, QString *error)
{
    if (QFile::exists(path)) {
        *error = QStringLiteral("%1 already exists").arg(path);
        return false;
    }
    // Built under a temporary name and renamed at the end, so that an interrupted run leaves no
    // half-filled database under the real name.
    const QString building = path + QStringLiteral(".building");
    QFile::remove(building);
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(building).constData(), &db,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
    auto exec = [&](const QString &sql) {
        if (ok && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            *error = engineError(db, sql);
            ok = false;
        }
    };
    exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    exec(schemaSql());
    exec(QStringLiteral("BEGIN"));
    if (ok) {
        Statement insert;
        ok = insert.prepare(db, QStringLiteral("INSERT INTO TBLRESULTS VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"), error);
        for (const Drawing &d : drawings) {
            if (!ok)
                break;
            sqlite3_stmt *s = insert.get();
            sqlite3_reset(s);
            sqlite3_bind_int(s, 1, d.weekNo);
            const QByteArray iso = d.date.toString(Qt::ISODate).toUtf8();
            sqlite3_bind_text(s, 2, iso.constData(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
            for (int i = 0; i < 8; ++i) {
                if (i < numbersPerDrawing)
                    sqlite3_bind_int(s, 3 + i, d.numbers[static_cast<size_t>(i)]);
                else
                    sqlite3_bind_null(s, 3 + i);
            }
            if (sqlite3_step(s) != SQLITE_DONE) {
                *error = engineError(db);
                ok = false;
            }
        }
    }
    exec(QStringLiteral("COMMIT"));
    sqlite3_close(db);
    if (ok && !QFile::rename(building, path)) {
        *error = QStringLiteral("%1 could not be renamed to %2").arg(building, path);
        ok = false;
    }
    if (!ok)
        QFile::remove(building);
    return ok;
}

Fault faultOfEngineCode(int code)
{
    switch (code & 0xFF) {
    case SQLITE_OK: return Fault::None;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Fault::Locked;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT: return Fault::NotADatabase;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH: return Fault::ReadOnly;
    case SQLITE_FULL: return Fault::NoRoom;
    case SQLITE_IOERR: return Fault::Device;
    case SQLITE_CANTOPEN: return Fault::Missing;
    default: return Fault::Other;
    }
}

bool canOpenResultsDatabase(const QString &path, QString *error, Fault *fault)
{
    Fault why = Fault::None;
    sqlite3 *db = openResultsDatabase(path, error, &why);
    if (fault)
        *fault = why;
    sqlite3_close(db);
    return db != nullptr;
}

void configureEngine() { sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0); }

}  // namespace lotterydb

// ---- clsLotteryDb -------------------------------------------------------------------------------

clsLotteryDb::~clsLotteryDb()
{
    subForgetHistoryAhead();
    subCloseConnection();
}

bool clsLotteryDb::fail(const QString &why, lotterydb::Fault fault)
{
    error_ = why;
    fault_ = fault;
    return false;
}

void clsLotteryDb::notePrepareFailure()
{
    const auto engine = db_ ? lotterydb::faultOfEngineCode(sqlite3_extended_errcode(db_)) : lotterydb::Fault::Other;
    fault_ = engine == lotterydb::Fault::None ? lotterydb::Fault::Other : engine;
}

bool clsLotteryDb::failEngine(const QString &sql)
{
    return fail(engineError(db_, sql),
                db_ ? lotterydb::faultOfEngineCode(sqlite3_extended_errcode(db_)) : lotterydb::Fault::Other);
}

bool clsLotteryDb::subOpenConnection(const QString &path)
{
    subCloseConnection();
    error_.clear();
    fault_ = lotterydb::Fault::None;
    if (path.isEmpty() || path.endsWith(u'/'))
        return fail(QStringLiteral("No lottery database is chosen."), lotterydb::Fault::Missing);
    db_ = openResultsDatabase(path, &error_, &fault_);
    if (!db_)
        return false;
    connection_ = ++connectionsMade_;
    connectedPath_ = path;
    return true;
}

void clsLotteryDb::subCloseConnection()
{
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

namespace {

// Prepares a statement in its stored form on a connection (the date literals rewritten, one
// statement only), after noting it as the last statement and clearing the last error.
bool prepareStored(sqlite3 *db, const QString &accessSql, Statement &stmt, QString &lastStatement, QString &error)
{
    lastStatement = accessSql;
    error.clear();
    if (!db) {
        error = QStringLiteral("No database connection.");
        return false;
    }
    const auto sql = lotterydb::toEngineSql(accessSql);
    if (!sql) {
        error = QStringLiteral("A date in the statement is not a real date: %1").arg(accessSql);
        return false;
    }
    return stmt.prepare(db, *sql, &error);
}

}  // namespace

bool clsLotteryDb::prepareQuery(const QString &accessSql, Statement &stmt)
{
    fault_ = lotterydb::Fault::None;
    if (!prepareStored(db_, accessSql, stmt, statement_, error_)) {
        notePrepareFailure();
        return false;
    }
    if (!sqlite3_stmt_readonly(stmt.get()))
        return fail(QStringLiteral("A query must not change the database: %1").arg(accessSql));
    return true;
}

std::optional<QueryResult> clsLotteryDb::fncQuery(const QString &accessSql)
{
    Statement stmt;
    if (!prepareQuery(accessSql, stmt))
        return std::nullopt;
    QueryResult result;
    const int columns = sqlite3_column_count(stmt.get());
    for (int i = 0; i < columns; ++i)
        result.columns << QString::fromUtf8(sqlite3_column_name(stmt.get(), i));
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        std::vector<QVariant> row;
        row.reserve(static_cast<size_t>(columns));
        for (int i = 0; i < columns; ++i)
            row.push_back(columnValue(stmt.get(), i));
        result.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        failEngine(stmt.sql());
        return std::nullopt;
    }
    return result;
}

std::optional<int> clsLotteryDb::fncExecute(const QString &accessSql)
{
    Statement stmt;
    fault_ = lotterydb::Fault::None;
    if (!prepareStored(db_, accessSql, stmt, statement_, error_)) {
        notePrepareFailure();
        return std::nullopt;
    }
    if (sqlite3_step(stmt.get()) != SQLITE_DONE) {
        failEngine(stmt.sql());
        return std::nullopt;
    }
    // The drawings read before are no longer the table's.
    loaded_ = {};
    return sqlite3_changes(db_);
}

std::optional<std::vector<QDate>> clsLotteryDb::fncGetAllGameDates(int32_t *totalWeeks)
{
    if (!db_) {
        fail(QStringLiteral("No results database is connected."), lotterydb::Fault::Missing);
        return std::nullopt;
    }
    if (const History *drawings = fncHistory(); drawings && loaded_.datesInOrder) {
        std::vector<QDate> dates;
        dates.reserve(drawings->size() + 1);
        dates.emplace_back();
        for (auto d = drawings->rbegin(); d != drawings->rend(); ++d)
            dates.push_back(d->date);
        if (totalWeeks)
            *totalWeeks = static_cast<int32_t>(drawings->size());
        return dates;
    }
    Statement stmt;
    if (!prepareQuery(lotterydb::sqlAllGameDates(), stmt))
        return std::nullopt;
    std::vector<QDate> dates(1);
    const TextRead text = textReadOf(db_);
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const auto date = cellDate(cell(stmt.get(), 0), text);
        if (!date) {
            // The count is known once every row has been stepped through.
            int32_t n = static_cast<int32_t>(dates.size());
            while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW)
                ++n;
            if (rc != SQLITE_DONE) {
                failEngine(stmt.sql());
                return std::nullopt;
            }
            if (totalWeeks)
                *totalWeeks = n;
            fail(QStringLiteral("Drawing %1 has no valid date.").arg(dates.size()));
            return std::nullopt;
        }
        dates.push_back(*date);
    }
    if (rc != SQLITE_DONE) {
        failEngine(stmt.sql());
        return std::nullopt;
    }
    if (totalWeeks)
        *totalWeeks = static_cast<int32_t>(dates.size() - 1);
    return dates;
}

std::optional<BallArray<int32_t>> clsLotteryDb::drawingNumbers(int32_t weekNo, int32_t first, int32_t count)
{
    const auto result = fncQuery(lotterydb::sqlDrawingNumbers(weekNo, count));
    if (!result)
        return std::nullopt;
    if (result->rows.empty()) {
        fail(QStringLiteral("There is no drawing %1.").arg(weekNo));
        return std::nullopt;
    }
    BallArray<int32_t> numbers(first, first + count - 1, 0);
    const auto &row = result->rows.front();
    for (int i = 0; i < count; ++i) {
        const auto value = i < static_cast<int>(row.size()) ? lotterydb::toInt32(row[static_cast<size_t>(i)]) : std::nullopt;
        if (!value) {
            fail(QStringLiteral("WinnerNumber%1 of drawing %2 is not a number.").arg(i + 1).arg(weekNo));
            return std::nullopt;
        }
        numbers[first + i] = *value;
    }
    return numbers;
}

std::optional<BallArray<int32_t>> clsLotteryDb::fncGetDrawingNumbers(int32_t weekNo, const GameLayout &layout)
{
    return drawingNumbers(weekNo, layout.firstPosition, layout.positionCount());
}

template <class T, class Convert>
DbValue<T> clsLotteryDb::singleValue(const QString &sql, QStringView field, Convert convert, const QString &what)
{
    const auto result = fncQuery(sql);
    if (!result || result->rows.empty())
        return DbValue<T>::empty();
    const QVariant &v = result->rows.front()[static_cast<size_t>(std::max(0, result->fieldIndex(field)))];
    if (v.isNull())
        return DbValue<T>::null();
    if (const std::optional<T> value = convert(v))
        return DbValue<T>::of(*value);
    fail(what);
    return DbValue<T>::empty();
}

DbValue<int32_t> clsLotteryDb::fncGetMaxWeekNo()
{
    return singleValue<int32_t>(lotterydb::sqlMaxWeekNo(), u"maxWeekNo", lotterydb::toInt32,
                                QStringLiteral("The highest week number is not a number."));
}

DbValue<QDate> clsLotteryDb::fncGetMaxWeekDate()
{
    return singleValue<QDate>(lotterydb::sqlMaxWeekDate(), u"maxWeekDate", lotterydb::toDate,
                              QStringLiteral("The latest drawing date is not a date."));
}

DbValue<int32_t> clsLotteryDb::fncGetDrawingCount()
{
    return singleValue<int32_t>(lotterydb::sqlDrawingCount(), u"drawingCount", lotterydb::toInt32,
                                QStringLiteral("The number of drawings is not a number."));
}

bool clsLotteryDb::subInsertDrawing(int32_t weekNo, const QDate &drawDate, const std::array<int32_t, 8> &numbers,
                                    const GameLayout &layout)
{
    const bool digit = layout.digits();
    const int32_t count = layout.positionCount();
    const bool supported = digit ? (count >= 3 && count <= 8) : (count >= 5 && count <= 8);
    if (!supported)
        return fail(QStringLiteral("A game of %1 numbers per drawing has no row layout.").arg(count));
    const auto sql = lotterydb::sqlInsertDrawing(weekNo, drawDate, numbers, count);
    if (!sql)
        return fail(QStringLiteral("The date of the new drawing is not valid."));
    const auto changed = fncExecute(*sql);
    if (!changed)
        return false;
    if (*changed != 1)
        return fail(QStringLiteral("Drawing %1 was not added.").arg(weekNo));
    return true;
}

bool clsLotteryDb::subDeleteDrawing(int32_t weekNo)
{
    const auto changed = fncExecute(lotterydb::sqlDeleteDrawing(weekNo));
    if (!changed)
        return false;
    // The next queries run on a new connection; a failure to make it stays in lastError() and
    // fails those queries, but the drawing is gone all the same.
    subOpenConnection(QString(connectedPath_));
    if (*changed == 0)
        return fail(QStringLiteral("There is no drawing %1.").arg(weekNo));
    return true;
}

std::optional<History> clsLotteryDb::fncLoadHistory()
{
    bool datesInOrder = false;
    return readHistory(&datesInOrder);
}

std::optional<History> clsLotteryDb::readHistory(bool *datesInOrder)
{
    Statement stmt;
    if (!prepareQuery(lotterydb::sqlLoadHistory(), stmt))
        return std::nullopt;
    History history;
    const int rc = readDrawings(stmt.get(), history, *datesInOrder, drawingCountHint(db_), textReadOf(db_));
    if (rc == SQLITE_MISMATCH) {
        fail(QStringLiteral("A drawing has no valid week number or date."));
        return std::nullopt;
    }
    if (rc != SQLITE_DONE) {
        failEngine(stmt.sql());
        return std::nullopt;
    }
    return history;
}

void clsLotteryDb::readAheadInto(const QString &path, AheadStop &stop, std::promise<AheadRead> &result)
{
    AheadRead read;
    // The drawings, with the look at the database they are of, in one read transaction; each
    // statement run only while the read is not stopped. Nothing is read of a database in
    // write-ahead-log mode: the first read transaction on it would make the log and its index beside
    // a database that has none, and leave them.
    const auto readOn = [&](sqlite3 *db) {
        if (const auto header = databaseHeader(db); !header || writeAheadLogged(*header))
            return;
        const ReadTransaction transaction(db);
        if (stop.stopped)
            return;
        // The count begins the transaction: the look at the file is of the drawings' moment.
        const size_t count = drawingCountHint(db);
        DatabaseStamp stamp = stampOf(db, path);
        if (!stamp.changeCounter || stop.stopped)
            return;
        const TextRead text = textReadOf(db);
        Statement stmt;
        QString error;
        History history;
        if (stop.stopped || !stmt.prepare(db, lotterydb::sqlLoadHistory(), &error)
            || readDrawings(stmt.get(), history, read.datesInOrder, count, text) != SQLITE_DONE)
            return;
        read.stamp = std::move(stamp);
        read.drawings = std::move(history);
    };
    const QByteArray file = QFile::encodeName(path);
    // A file only: the open of a pipe or a device under the name could wait for good.
    struct stat st {};
    if (::stat(file.constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        result.set_value(std::move(read));
        return;
    }
    sqlite3 *db = nullptr;
    // Read-only and never created; one thread uses the connection.
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK) {
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        sqlite3_busy_handler(db, waitWhileBusy, &stop);
        sqlite3_progress_handler(db, kStepsBetweenStopLooks, stopRequested, &stop);
        if (stop.reading(db))
            readOn(db);
        stop.reading(nullptr);
    }
    // The drawings are handed over before the connection gives its memory back.
    result.set_value(std::move(read));
    sqlite3_close(db);
}

void clsLotteryDb::subReadHistoryAhead(const QString &folder, const QString &databaseFile)
{
    const QString path = folder + databaseFile;
    if (ahead_.valid() && aheadPath_ == path)
        return;
    subForgetHistoryAhead();
    // A file of the folder only: a name with a folder in it could reach any database of the user's.
    if (!isPlainFileName(databaseFile))
        return;
    // The drawings are taken as soon as they are read: the thread's own end, some time later, is
    // waited for only by the next read ahead or the connection's end.
    std::promise<AheadRead> read;
    ahead_ = read.get_future();
    aheadPath_ = path;
    aheadStop_ = std::make_shared<AheadStop>();
    aheadThread_ = std::thread([path, stop = aheadStop_, read = std::move(read)]() mutable {
        readAheadInto(path, *stop, read);
    });
}

void clsLotteryDb::subForgetHistoryAhead()
{
    if (aheadStop_)
        aheadStop_->stop();
    if (aheadThread_.joinable())
        aheadThread_.join();
    ahead_ = {};
    aheadPath_.clear();
    aheadStop_.reset();
}

std::optional<DatabaseStamp> clsLotteryDb::stampNow()
{
    // The engine's count of the changes of other connections; its statement begins the read
    // transaction, if none is open, that the look at the file is taken in.
    const QString sql = QStringLiteral("PRAGMA data_version");
    Statement stmt;
    if (!stmt.prepare(db_, sql, &error_)) {
        notePrepareFailure();
        return std::nullopt;
    }
    if (sqlite3_step(stmt.get()) != SQLITE_ROW) {
        failEngine(sql);
        return std::nullopt;
    }
    DatabaseStamp stamp = stampOf(db_, connectedPath_);
    stamp.connection = connection_;
    stamp.dataVersion = sqlite3_column_int64(stmt.get(), 0);
    return stamp;
}

const History *clsLotteryDb::fncHistory()
{
    LoadedHistory &loaded = loaded_;
    error_.clear();
    fault_ = lotterydb::Fault::None;
    if (!db_) {
        loaded = {};
        fail(QStringLiteral("No database connection."));
        return nullptr;
    }
    // The drawings read ahead are waited for before this connection reads: it holds no lock
    // meanwhile that a writer the read ahead waits for would wait for in turn.
    std::optional<AheadRead> ahead;
    if (ahead_.valid())
        ahead = ahead_.get();
    // The look at the database and the drawings read after it are of one moment.
    const ReadTransaction transaction(db_);
    const std::optional<DatabaseStamp> now = stampNow();
    if (!now) {
        loaded = {};
        return nullptr;
    }
    if (loaded.read && now->unchangedSince(loaded.stamp)) {
        loaded.stamp = *now;
        return &loaded.drawings;
    }
    loaded = {};
    bool datesInOrder = false;
    std::optional<History> drawings;
    // Read on a connection of their own from the database as it still is: the same drawings.
    if (ahead && ahead->drawings && now->unchangedSince(ahead->stamp)) {
        drawings = std::move(ahead->drawings);
        datesInOrder = ahead->datesInOrder;
    }
    if (!drawings)
        drawings = readHistory(&datesInOrder);
    if (!drawings)
        return nullptr;
    loaded = LoadedHistory{true, std::move(*drawings), datesInOrder, *now};
    return &loaded.drawings;
}

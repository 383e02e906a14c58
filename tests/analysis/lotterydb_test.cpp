#include "analysis/clslotterydb.h"
#include "analysis/openlottery.h"
#include "app/application.h"
#include "support/faults.h"
#include "support/folderwatch.h"
#include "support/sandbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {
// A file system that keeps no times, as FAT and exFAT keep none finer than their coarse ticks:
// while it names a folder, the files in it show no time of change.
QByteArray timelessFolder;
}  // namespace

// The program's looks at a file (its identity, its times) pass here, so that a test can take the
// times away.
extern "C" int stat(const char *__restrict path, struct stat *__restrict st) noexcept
{
    const int result = fstatat(AT_FDCWD, path, st, 0);
    if (result == 0 && !timelessFolder.isEmpty() && QByteArray(path).startsWith(timelessFolder))
        st->st_atim = st->st_mtim = st->st_ctim = {};
    return result;
}

namespace {

// A lottery database in a sandboxed "LotteryDBs" folder, and the game shape of the open lottery.
class LotteryDbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app().gstrLotteryDbsFolder = sandbox.programFolder() + QStringLiteral("/LotteryDBs/");
        QDir().mkpath(app().gstrLotteryDbsFolder);
        app().gstrLotteryDbFile = QStringLiteral("Test.mdb");
        useGame(49, 6, 0);
    }

    void useGame(int32_t highestBall, int32_t k, int32_t b)
    {
        layout = highestBall == 10 ? GameLayout::digits(k) : GameLayout::lotto(highestBall, k, b);
    }

    void makeDatabase(const History &drawings, int numbers)
    {
        QString error;
        ASSERT_TRUE(lotterydb::createResultsDatabase(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile, drawings, numbers, &error))
            << error.toStdString();
    }

    // The drawing dates, as a board lists them: connected to the lottery's database first; the
    // number of drawings goes to totalWeeks.
    std::optional<std::vector<QDate>> listed(clsLotteryDb &db)
    {
        if (!db.subOpenConnection(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile))
            return std::nullopt;
        return db.fncGetAllGameDates(&totalWeeks);
    }

    // The row as the file holds it, NULL for an empty column.
    static QString rawRow(clsLotteryDb &db, int32_t week)
    {
        const auto result = db.fncQuery(QStringLiteral("SELECT * FROM TBLRESULTS WHERE WeekNo = %1").arg(week));
        QStringList cells;
        for (const QVariant &v : result->rows.at(0))
            cells << (v.isNull() ? QStringLiteral("NULL") : v.toString());
        return cells.join(u'|');
    }

    Sandbox sandbox;
    // The game of the lottery, and its number of drawings as the list found it (-1: not listed).
    GameLayout layout;
    int32_t totalWeeks = -1;
};

}  // namespace

TEST(LotteryDbStatements, TextsAreExactlyThoseOfTheProgram)
{
    using namespace lotterydb;
    EXPECT_EQ(sqlAllGameDates(), QStringLiteral("SELECT WeekDate AS GAMEDATE FROM TBLRESULTS ORDER BY WeekDate DESC"));
    EXPECT_EQ(sqlMaxWeekNo(), QStringLiteral("SELECT max(WeekNo) AS maxWeekNo FROM TBLRESULTS"));
    EXPECT_EQ(sqlMaxWeekDate(), QStringLiteral("SELECT max(WeekDate) AS maxWeekDate FROM TBLRESULTS"));
    EXPECT_EQ(sqlDeleteDrawing(1201), QStringLiteral("DELETE FROM TBLRESULTS WHERE WeekNo = 1201"));

    EXPECT_EQ(sqlDrawingNumbers(12, 3), QStringLiteral("SELECT WinnerNumber1, WinnerNumber2, WinnerNumber3 FROM TBLRESULTS WHERE WeekNo = 12"));
    EXPECT_EQ(sqlDrawingNumbers(12, 2), sqlDrawingNumbers(12, 3));
    EXPECT_EQ(sqlDrawingNumbers(12, 9), sqlDrawingNumbers(12, 3));
    EXPECT_EQ(sqlDrawingNumbers(7, 8),
              QStringLiteral("SELECT WinnerNumber1, WinnerNumber2, WinnerNumber3, WinnerNumber4, WinnerNumber5, "
                             "WinnerNumber6, WinnerNumber7, WinnerNumber8 FROM TBLRESULTS WHERE WeekNo = 7"));
    // Digit games choose the columns by the index of the last position: 3 reads four digits.
    EXPECT_EQ(sqlDrawingNumbersFOR10(9, 3),
              QStringLiteral("SELECT WinnerNumber1, WinnerNumber2, WinnerNumber3, WinnerNumber4 FROM TBLRESULTS WHERE WeekNo = 9"));
    EXPECT_EQ(sqlDrawingNumbersFOR10(9, 2),
              QStringLiteral("SELECT WinnerNumber1, WinnerNumber2, WinnerNumber3 FROM TBLRESULTS WHERE WeekNo = 9"));

    EXPECT_EQ(sqlInsertDrawing(1201, QDate(2026, 12, 5), {3, 11, 19, 27, 35, 0, 0, 0}, 5),
              QStringLiteral("INSERT INTO TBLRESULTS (WeekNo, WeekDate, WinnerNumber1, WinnerNumber2, WinnerNumber3, "
                             "WinnerNumber4, WinnerNumber5) VALUES (1201, #12/5/2026#, 3, 11, 19, 27, 35)"));
    EXPECT_EQ(sqlInsertDrawing(2, QDate(2009, 1, 31), {0, 9, 5, 1, 2, 3, 4, 5}, 3),
              QStringLiteral("INSERT INTO TBLRESULTS (WeekNo, WeekDate, WinnerNumber1, WinnerNumber2, WinnerNumber3) "
                             "VALUES (2, #1/31/2009#, 0, 9, 5)"));
    EXPECT_FALSE(sqlInsertDrawing(2, QDate(2009, 1, 31), {}, 2).has_value());
    EXPECT_FALSE(sqlInsertDrawing(2, QDate(2009, 1, 31), {}, 9).has_value());
    EXPECT_FALSE(sqlInsertDrawing(2, QDate(), {}, 5).has_value());
}

TEST(LotteryDbStatements, DateLiteralsBecomeIsoTextJustBeforeTheyRun)
{
    using lotterydb::toEngineSql;
    EXPECT_EQ(toEngineSql(QStringLiteral("SELECT 1 WHERE WeekDate <= #1/31/2009# AND WeekDate > #12/5/2026#")),
              QStringLiteral("SELECT 1 WHERE WeekDate <= '2009-01-31' AND WeekDate > '2026-12-05'"));
    EXPECT_EQ(toEngineSql(QStringLiteral("SELECT max(WeekNo) FROM TBLRESULTS")),
              QStringLiteral("SELECT max(WeekNo) FROM TBLRESULTS"));
    EXPECT_FALSE(toEngineSql(QStringLiteral("SELECT #2/30/2009#")).has_value());
    EXPECT_FALSE(toEngineSql(QStringLiteral("SELECT #13/1/2009#")).has_value());
}

TEST_F(LotteryDbTest, EmptyTable)
{
    makeDatabase({}, 6);
    clsLotteryDb db;
    const auto dates = listed(db);
    ASSERT_TRUE(dates.has_value()) << db.lastError().toStdString();
    EXPECT_EQ(dates->size(), 1u);
    EXPECT_EQ(totalWeeks, 0);
    EXPECT_TRUE(db.fncGetMaxWeekNo().isNull());
    EXPECT_TRUE(db.fncGetMaxWeekDate().isNull());
    EXPECT_FALSE(db.fncGetDrawingNumbers(1, layout).has_value());
    EXPECT_TRUE(db.fncLoadHistory()->empty());
}

TEST_F(LotteryDbTest, MissingFileIsAFailureAndNoFileIsCreated)
{
    clsLotteryDb db;
    EXPECT_FALSE(listed(db).has_value());
    EXPECT_FALSE(db.lastError().isEmpty());
    // Asked for all the same, the list fails and counts no drawing.
    EXPECT_FALSE(db.fncGetAllGameDates(&totalWeeks).has_value());
    EXPECT_EQ(totalWeeks, -1);
    EXPECT_FALSE(QFile::exists(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile));
    EXPECT_FALSE(db.isConnected());
    // Every later query fails until a connection is made.
    EXPECT_TRUE(db.fncGetMaxWeekNo().isEmpty());
    EXPECT_FALSE(db.subDeleteDrawing(1));
    QString why;
    EXPECT_FALSE(lotterydb::canOpenResultsDatabase(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile, &why));
    EXPECT_FALSE(QFile::exists(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile));

    // A file that is not a results database cannot be opened either.
    QFile junk(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is no database");
    junk.close();
    EXPECT_FALSE(db.subOpenConnection(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile));
    EXPECT_FALSE(lotterydb::canOpenResultsDatabase(junk.fileName(), &why));
}

// A database that may not be read, for its own permissions or its folder's, is told apart from a
// missing one (the superuser too is held by the permissions here).
TEST_F(LotteryDbTest, AFileThatMayNotBeReadIsNotTakenForAMissingOne)
{
    makeDatabase({}, 6);
    const QString &folder = app().gstrLotteryDbsFolder, path = folder + app().gstrLotteryDbFile;
    const auto faultOf = [](const QString &file) {
        QString why;
        lotterydb::Fault fault = lotterydb::Fault::None;
        EXPECT_FALSE(lotterydb::canOpenResultsDatabase(file, &why, &fault));
        return fault;
    };
    EXPECT_EQ(std::pair(faultOf(folder + "Gone.mdb"), faultOf(folder + "Gone/Test.mdb")),
              std::pair(lotterydb::Fault::Missing, lotterydb::Fault::Missing));
    for (const QString &unreadable : {path, folder}) {
        SCOPED_TRACE(unreadable.toStdString());
        const QFile::Permissions permissions = QFile::permissions(unreadable);
        ASSERT_TRUE(QFile::setPermissions(unreadable, {}));
        lotterydb::Fault fault;
        {
            const PermissionsHoldEveryone held;
            fault = faultOf(path);
        }
        QFile::setPermissions(unreadable, permissions);
        EXPECT_EQ(fault, lotterydb::Fault::NoAccess);
    }
}

TEST_F(LotteryDbTest, DatesNewestFirstAndTheDrawingsOfAGame)
{
    makeDatabase({Drawing{1, QDate(2024, 1, 3), {4, 9, 15, 22, 40, 41, 7, 0}},
                  Drawing{2, QDate(2024, 1, 6), {1, 2, 3, 4, 5, 6, 49, 0}},
                  Drawing{3, QDate(2024, 1, 10), {10, 20, 30, 40, 45, 46, 3, 0}}},
                 7);
    useGame(49, 6, 1);
    clsLotteryDb db;
    const auto dates = listed(db);
    ASSERT_TRUE(dates.has_value()) << db.lastError().toStdString();
    EXPECT_EQ(*dates, (std::vector<QDate>{QDate(), QDate(2024, 1, 10), QDate(2024, 1, 6), QDate(2024, 1, 3)}));
    EXPECT_EQ(totalWeeks, 3);
    EXPECT_EQ(db.fncGetMaxWeekNo().value(), 3);
    EXPECT_EQ(db.fncGetMaxWeekDate().value(), QDate(2024, 1, 10));

    const auto numbers = db.fncGetDrawingNumbers(2, layout);
    ASSERT_TRUE(numbers.has_value());
    EXPECT_EQ(numbers->lo(), 1);
    EXPECT_EQ(numbers->values(), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 49}));
    EXPECT_FALSE(db.fncGetDrawingNumbers(4, layout).has_value());

    // A number column left empty is no number; a digit game of 4 positions reads positions 0 to 3.
    useGame(49, 6, 2);
    EXPECT_FALSE(db.fncGetDrawingNumbers(2, layout).has_value());
    useGame(10, 4, 0);
    const auto digits = db.fncGetDrawingNumbers(1, layout);
    ASSERT_TRUE(digits.has_value());
    EXPECT_EQ(digits->lo(), 0);
    EXPECT_EQ(digits->values(), (std::vector<int32_t>{4, 9, 15, 22}));

    const auto history = db.fncLoadHistory();
    ASSERT_TRUE(history.has_value());
    ASSERT_EQ(history->size(), 3u);
    EXPECT_EQ((*history)[0].weekNo, 1);
    EXPECT_EQ((*history)[0].date, QDate(2024, 1, 3));
    EXPECT_EQ((*history)[2].numbers, (std::array<int32_t, 8>{10, 20, 30, 40, 45, 46, 3, Drawing::kEmpty}));

    // Only NULL is an empty number; a negative number stays itself, and a value that is no whole
    // 32-bit number (a fraction, a larger number, a text, bytes) is no number of any drum.
    ASSERT_TRUE(db.fncExecute(QStringLiteral("UPDATE TBLRESULTS SET WinnerNumber1 = -1, WinnerNumber2 = 7.5, "
                                             "WinnerNumber3 = 4294967296, WinnerNumber4 = 'seven', "
                                             "WinnerNumber5 = x'07', WinnerNumber6 = NULL WHERE WeekNo = 2")));
    const auto odd = db.fncLoadHistory();
    ASSERT_TRUE(odd.has_value()) << db.lastError().toStdString();
    const int32_t nan = Drawing::kNotANumber;
    EXPECT_EQ((*odd)[1].numbers, (std::array<int32_t, 8>{-1, nan, nan, nan, nan, Drawing::kEmpty, 49, Drawing::kEmpty}));
}

TEST_F(LotteryDbTest, InsertAndDeleteReportWhatHappened)
{
    makeDatabase({Drawing{1, QDate(2026, 11, 28), {1, 2, 3, 4, 5, 0, 0, 0}}}, 5);
    useGame(50, 5, 0);
    clsLotteryDb db;
    ASSERT_TRUE(db.subOpenConnection(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile));

    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const bool added = db.subInsertDrawing(2, QDate(2026, 12, 5), {3, 11, 19, 27, 35, 0, 0, 0}, layout);
    QLocale::setDefault(saved);
    ASSERT_TRUE(added) << db.lastError().toStdString();
    EXPECT_EQ(db.lastStatement(),
              QStringLiteral("INSERT INTO TBLRESULTS (WeekNo, WeekDate, WinnerNumber1, WinnerNumber2, WinnerNumber3, "
                             "WinnerNumber4, WinnerNumber5) VALUES (2, #12/5/2026#, 3, 11, 19, 27, 35)"));
    EXPECT_EQ(rawRow(db, 2), QStringLiteral("2|2026-12-05|3|11|19|27|35|NULL|NULL|NULL"));
    EXPECT_EQ(db.fncGetMaxWeekDate().value(), QDate(2026, 12, 5));

    // The same week again is refused, and said so.
    EXPECT_FALSE(db.subInsertDrawing(2, QDate(2026, 12, 9), {1, 2, 3, 4, 5, 0, 0, 0}, layout));
    EXPECT_FALSE(db.lastError().isEmpty());
    // A shape without a row layout inserts nothing.
    useGame(50, 4, 0);
    EXPECT_FALSE(db.subInsertDrawing(3, QDate(2026, 12, 9), {1, 2, 3, 4, 0, 0, 0, 0}, layout));
    useGame(10, 3, 0);
    ASSERT_TRUE(db.subInsertDrawing(3, QDate(2026, 12, 9), {0, 9, 0, 7, 7, 7, 7, 7}, layout));
    EXPECT_EQ(rawRow(db, 3), QStringLiteral("3|2026-12-09|0|9|0|NULL|NULL|NULL|NULL|NULL"));

    // Deleting: the row goes and a new connection serves the next queries.
    ASSERT_TRUE(db.subDeleteDrawing(3));
    EXPECT_TRUE(db.isConnected());
    EXPECT_EQ(db.fncGetMaxWeekNo().value(), 2);
    EXPECT_FALSE(db.subDeleteDrawing(3));
    EXPECT_EQ(db.lastStatement(), QStringLiteral("DELETE FROM TBLRESULTS WHERE WeekNo = 3"));
}

TEST_F(LotteryDbTest, TheTableRefusesDatesThatAreNotIsoDates)
{
    makeDatabase({}, 5);
    clsLotteryDb db;
    ASSERT_TRUE(db.subOpenConnection(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile));
    EXPECT_TRUE(db.fncExecute(QStringLiteral("INSERT INTO TBLRESULTS (WeekNo, WeekDate) VALUES (1, '2009-01-31')")));
    for (const char *bad : {"'31.01.2009'", "'2009-1-31'", "'2009-02-30'", "'2009-13-01'", "39844", "NULL"}) {
        EXPECT_FALSE(db.fncExecute(QStringLiteral("INSERT INTO TBLRESULTS (WeekNo, WeekDate) VALUES (2, %1)")
                                       .arg(QLatin1String(bad))))
            << bad;
    }
    // A query does not change the table; one statement at a time.
    EXPECT_FALSE(db.fncQuery(QStringLiteral("DELETE FROM TBLRESULTS")).has_value());
    EXPECT_FALSE(db.fncQuery(QStringLiteral("SELECT 1; DELETE FROM TBLRESULTS")).has_value());
    const auto rows = db.fncQuery(QStringLiteral("SELECT count(*) AS n FROM TBLRESULTS WHERE WeekDate <= #1/31/2009#"));
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->fieldIndex(u"N"), 0);
    EXPECT_EQ(lotterydb::toInt32(rows->rows[0][0]), 1);
}

namespace {

// Runs `sql` on the database at `path` as another program would.
void runElsewhere(const QString &path, const QString &sql)
{
    sqlite3 *other = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &other);
    EXPECT_EQ(sqlite3_exec(other, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK) << sql.toStdString();
    sqlite3_close(other);
}

}  // namespace

// The drawing lists take the dates from the drawings read in week order; they must be those the
// statement of all dates gives: every date, the latest first, the texts compared as stored (in a
// table made elsewhere, without the check on their form, its texts stored as UTF-8 or UTF-16).
TEST_F(LotteryDbTest, TheDrawingListIsTheStatementsWhateverTheOrderOfWeeksAndDates)
{
    for (const char *encoding : {"UTF-8", "UTF-16le"}) {
        SCOPED_TRACE(encoding);
        const std::vector<std::pair<int, const char *>> cases[] = {
            {{1, "2024-01-03"}, {4, "2024-01-06"}, {9, "2024-02-01"}},                     // gaps in the weeks
            {{1, "2024-01-03"}, {2, "2024-01-10"}, {3, "2024-01-06"}, {7, "2023-12-31"}},  // dates out of week order
            {{1, "2024-01-03"}, {2, "2024-01-03"}, {3, "2024-01-06"}, {4, "2024-01-06"}},  // two drawings a day
            {{1, "2024/01/03"}, {2, "2024-01-05"}, {3, "2024-01-06"}},                     // "/" sorts after "-"
            {{1, "2023-12-31"}, {2, "2024-01-31"}, {3, "2024-02-29"}, {4, "2024-03-01"}},  // months, a year, a leap day
            {{1, "2023-02-27"}, {2, "2023-02-28"}, {3, "2023-02-29"}},                     // a day the month does not have
        };
        for (const auto &rows : cases) {
            SCOPED_TRACE(rows.front().second);
            totalWeeks = -1;
            useGame(50, 5, 0);
            QFile::remove(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile);
            QString sql = QStringLiteral("PRAGMA encoding = '%1';").arg(QLatin1String(encoding))
                          + QStringLiteral("CREATE TABLE TBLRESULTS (WeekNo INTEGER PRIMARY KEY, WeekDate TEXT, WinnerNumber1, "
                                           "WinnerNumber2, WinnerNumber3, WinnerNumber4, WinnerNumber5, WinnerNumber6, "
                                           "WinnerNumber7, WinnerNumber8);");
            std::vector<QString> texts;
            for (const auto &[week, date] : rows) {
                sql += QStringLiteral("INSERT INTO TBLRESULTS VALUES (%1, '%2', 1, 2, 3, 4, 5, NULL, NULL, NULL);").arg(week).arg(date);
                texts.push_back(QString::fromLatin1(date));
            }
            runElsewhere(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile, sql);
            std::sort(texts.begin(), texts.end(), std::greater<>());
            std::vector<QDate> expected{QDate()};
            for (const QString &text : texts)
                expected.push_back(QDate::fromString(text, Qt::ISODate));
            clsLotteryDb db;
            // A date that does not exist lists nothing.
            if (std::any_of(expected.begin() + 1, expected.end(), [](const QDate &date) { return !date.isValid(); })) {
                EXPECT_EQ(listed(db), std::nullopt);
                continue;
            }
            EXPECT_EQ(listed(db), expected) << db.lastError().toStdString();
            EXPECT_EQ(totalWeeks, static_cast<int32_t>(rows.size()));
            ASSERT_NE(db.fncHistory(), nullptr);
            EXPECT_EQ(db.fncHistory()->back().weekNo, rows.back().first);
            // The drawings carry their own dates, in week order.
            std::vector<QDate> read, own;
            for (const Drawing &drawing : *db.fncHistory())
                read.push_back(drawing.date);
            for (const auto &row : rows)
                own.push_back(QDate::fromString(QString::fromLatin1(row.second), Qt::ISODate));
            EXPECT_EQ(read, own);
        }
    }
}

// POWER keeps the drawings it read; each change to the table, by the program or by another one,
// has them read again. A mark put on the kept drawings shows whether they were. After each change
// the board lists as many drawings as are kept. The same on a file system that keeps no times (a
// lottery folder on a FAT or exFAT stick, whose times do not tell commits made within a tick apart).
TEST_F(LotteryDbTest, DrawingsWhoseWeekNumbersLieFarApartAreReadWholeByEitherRead)
{
    // The week numbers are the row numbers: their span is no measure of the drawings' number.
    const QString file = app().gstrLotteryDbsFolder + app().gstrLotteryDbFile;
    const QString table = QStringLiteral("CREATE TABLE TBLRESULTS (WeekNo INTEGER PRIMARY KEY, WeekDate TEXT, WinnerNumber1, "
                                         "WinnerNumber2, WinnerNumber3, WinnerNumber4, WinnerNumber5, WinnerNumber6, "
                                         "WinnerNumber7, WinnerNumber8);");
    const std::vector<int64_t> spans[] = {{INT32_MIN, -1, 0, 7, INT32_MAX}, {INT64_MIN, 1, INT64_MAX}};
    for (const auto &weeks : spans) {
        SCOPED_TRACE(weeks.front());
        QFile::remove(file);
        QString sql = table;
        for (int64_t week : weeks)
            sql += QStringLiteral("INSERT INTO TBLRESULTS VALUES (%1, '2024-01-03', 1, 2, 3, 4, 5, NULL, NULL, NULL);").arg(week);
        runElsewhere(file, sql);
        const bool fitsWeeks = weeks.front() >= INT32_MIN && weeks.back() <= INT32_MAX;
        for (bool ahead : {false, true}) {
            clsLotteryDb db;
            ASSERT_TRUE(db.subOpenConnection(file));
            if (ahead)
                db.subReadHistoryAhead(app().gstrLotteryDbsFolder, app().gstrLotteryDbFile);
            const History *history = db.fncHistory();
            // Week numbers past 32 bits are no drawings' own: the read fails, and says so.
            if (!fitsWeeks) {
                EXPECT_EQ(history, nullptr);
                continue;
            }
            ASSERT_NE(history, nullptr) << db.lastError().toStdString();
            std::vector<int64_t> read;
            for (const Drawing &drawing : *history)
                read.push_back(drawing.weekNo);
            EXPECT_EQ(read, weeks) << "read ahead: " << ahead;
        }
    }
}

TEST_F(LotteryDbTest, TheDrawingsKeptAreReadAgainAfterEveryChangeAndOnlyThen)
{
    makeDatabase({Drawing{1, QDate(2026, 11, 21), {1, 2, 3, 4, 5, 0, 0, 0}},
                  Drawing{2, QDate(2026, 11, 28), {6, 7, 8, 9, 10, 0, 0, 0}}},
                 5);
    useGame(50, 5, 0);
    const QString path = app().gstrLotteryDbsFolder + app().gstrLotteryDbFile;
    clsLotteryDb db;
    ASSERT_TRUE(listed(db).has_value());
    const auto readAhead = [&] { db.subReadHistoryAhead(app().gstrLotteryDbsFolder, app().gstrLotteryDbFile); };
    const std::tuple<const char *, bool, std::function<void()>> changes[] = {
        {"nothing", false, [] {}},
        {"the board loads again", false, [&] { listed(db); }},
        {"the manager adds", true, [&] { EXPECT_TRUE(db.subInsertDrawing(3, QDate(2026, 12, 5), {11, 12, 13, 14, 15, 0, 0, 0}, layout)); }},
        {"the manager deletes", true, [&] { EXPECT_TRUE(db.subDeleteDrawing(3)); }},
        // An opening reads the drawings ahead on a thread of its own; when the file is as it was
        // then, the board takes them: no statement reads them on its connection.
        {"the manager adds, then the lottery reopens with its drawings read ahead", true, [&] {
             EXPECT_TRUE(db.subInsertDrawing(3, QDate(2026, 12, 5), {11, 12, 13, 14, 15, 0, 0, 0}, layout));
             readAhead();
             listed(db);
             EXPECT_NE(db.lastStatement(), lotterydb::sqlLoadHistory());
         }},
        {"another program changes a number", true, [&] { runElsewhere(path, "UPDATE TBLRESULTS SET WinnerNumber1 = 50 WHERE WeekNo = 2"); }},
        {"another program adds", true, [&] { runElsewhere(path, "INSERT INTO TBLRESULTS (WeekNo, WeekDate) VALUES (4, '2026-12-09')"); }},
        {"another program changes a number, then the board loads again", true, [&] {
             runElsewhere(path, "UPDATE TBLRESULTS SET WinnerNumber3 = 48 WHERE WeekNo = 2");
             listed(db);
         }},
        // An opening reads the drawings ahead on a thread of its own; they are not taken once the
        // file changed (whichever came first, the reading or the change, the file's drawings are).
        {"read ahead, changed by another program, then the board loads", true, [&] {
             readAhead();
             std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the reading done, most likely
             runElsewhere(path, "UPDATE TBLRESULTS SET WinnerNumber2 = 49 WHERE WeekNo = 1");
             db.fncGetAllGameDates();
         }},
        {"the file is replaced, then the board loads again", true, [&] {
             const QString other = app().gstrLotteryDbsFolder + QStringLiteral("Other.mdb");
             QString error;
             EXPECT_TRUE(lotterydb::createResultsDatabase(other, {Drawing{1, QDate(2027, 1, 2), {5, 4, 3, 2, 1, 0, 0, 0}}}, 5, &error));
             EXPECT_TRUE(QFile::remove(path) && QFile::rename(other, path));
             listed(db);
         }},
        {"read ahead, every drawing deleted by another program, then the board loads", true, [&] {
             readAhead();
             std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the reading done, most likely
             runElsewhere(path, "DELETE FROM TBLRESULTS");
             db.fncGetAllGameDates();
         }},
    };
    for (const bool timeless : {false, true}) {
        SCOPED_TRACE(timeless ? "no file times" : "file times");
        timelessFolder = timeless ? QFile::encodeName(app().gstrLotteryDbsFolder) : QByteArray();
        runElsewhere(path, "DELETE FROM TBLRESULTS; INSERT INTO TBLRESULTS VALUES (1, '2026-11-21', 1, 2, 3, 4, 5, NULL, NULL, NULL), "
                           "(2, '2026-11-28', 6, 7, 8, 9, 10, NULL, NULL, NULL)");
        for (const auto &[what, readAgain, change] : changes) {
            SCOPED_TRACE(what);
            ASSERT_NE(db.fncHistory(), nullptr) << db.lastError().toStdString();
            const_cast<History *>(db.fncHistory())->front().numbers[7] = 77;
            change();
            History *kept = const_cast<History *>(db.fncHistory());
            ASSERT_NE(kept, nullptr);
            EXPECT_EQ(kept->empty() || kept->front().numbers[7] != 77, readAgain);
            if (!kept->empty())
                kept->front().numbers[7] = Drawing::kEmpty;
            // What is kept is the table as it is now, and the board lists that many drawings.
            EXPECT_EQ(*db.fncHistory(), db.fncLoadHistory());
            totalWeeks = -1;
            ASSERT_TRUE(listed(db).has_value());
            EXPECT_EQ(totalWeeks, static_cast<int32_t>(db.fncHistory()->size()));
        }
    }
    timelessFolder.clear();
}

// A database replaced whole (another file renamed over it, as a restore of a backup or a file-sync
// tool does) is another database, though its header counts as many commits: the drawings of the
// file it replaced are never taken for its own, whether the board read them before (the open
// connection reads the file it opened, then the board connects anew) or the opening read them
// ahead from the old file while it was replaced.
TEST_F(LotteryDbTest, TheDrawingsOfAReplacedFileAreNeverTakenForThoseOfTheFileReplacingIt)
{
    constexpr int32_t none = Drawing::kEmpty;
    const History before{Drawing{1, QDate(2026, 11, 21), {1, 2, 3, 4, 5, 6, none, none}}};
    const History after{Drawing{1, QDate(2026, 11, 21), {7, 8, 9, 10, 11, 12, none, none}}};
    const QString &folder = app().gstrLotteryDbsFolder;
    const QString path = folder + app().gstrLotteryDbFile, copy = folder + QStringLiteral("Copy.mdb");
    const auto replace = [&] {
        QString error;
        ASSERT_TRUE(lotterydb::createResultsDatabase(copy, after, 6, &error)) << error.toStdString();
        QFile old(path), made(copy);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly) && made.open(QIODevice::ReadOnly));
        ASSERT_EQ(old.read(28).mid(24), made.read(28).mid(24));  // the same change counter
        ASSERT_EQ(::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path).constData()), 0);
    };
    for (const bool readAhead : {false, true}) {
        SCOPED_TRACE(readAhead ? "read ahead" : "read by the board");
        QFile::remove(path);
        makeDatabase(before, 6);
        clsLotteryDb db;
        if (readAhead) {
            // Another program holds the file: the read ahead opens it and waits.
            const DatabaseHolder other(path);
            ASSERT_TRUE(other.held());
            FolderWatch watch(folder);
            db.subReadHistoryAhead(folder, app().gstrLotteryDbFile);
            ASSERT_TRUE(watch.events(QStringLiteral("open Test.mdb"), 5000).contains(QStringLiteral("open Test.mdb")));
            replace();
        } else {
            ASSERT_TRUE(listed(db).has_value());
            ASSERT_NE(db.fncHistory(), nullptr);
            replace();
            ASSERT_NE(db.fncHistory(), nullptr);
            EXPECT_EQ(*db.fncHistory(), before);
        }
        ASSERT_TRUE(listed(db).has_value()) << db.lastError().toStdString();
        ASSERT_NE(db.fncHistory(), nullptr);
        EXPECT_EQ(*db.fncHistory(), after);
    }
}

// A read ahead reads a file of its folder only, read-only. A database in write-ahead-log mode
// another program uses stays as it was: its bytes, the log and index it keeps, and no log or index
// made beside one that has none.
TEST_F(LotteryDbTest, DrawingsAreReadAheadOnlyFromAFileOfTheFolderReadOnly)
{
    makeDatabase({Drawing{1, QDate(2026, 11, 21), {1, 2, 3, 4, 5, 0, 0, 0}}}, 5);
    const QString &folder = app().gstrLotteryDbsFolder;
    ASSERT_TRUE(QFile::copy(folder + app().gstrLotteryDbFile, sandbox.programFolder() + QStringLiteral("/Outside.mdb")));
    loggedCopy(folder + app().gstrLotteryDbFile, folder + QStringLiteral("Logged.mdb"), true);
    loggedCopy(folder + app().gstrLotteryDbFile, folder + QStringLiteral("Unlogged.mdb"), false);
    const auto logged = databaseFiles(folder + QStringLiteral("Logged.mdb"));
    const auto unlogged = databaseFiles(folder + QStringLiteral("Unlogged.mdb"));
    ASSERT_FALSE(logged[1].isEmpty());
    ASSERT_TRUE(unlogged[1].isEmpty() && unlogged[2].isEmpty());
    clsLotteryDb db;
    ASSERT_TRUE(listed(db).has_value());
    FolderWatch inFolder(folder), above(sandbox.programFolder());
    for (const char *name : {"../Outside.mdb", "Logged.mdb", "Unlogged.mdb", "Test.mdb"}) {
        db.subReadHistoryAhead(folder, QString::fromLatin1(name));
        ASSERT_NE(db.fncHistory(), nullptr);  // the drawings were taken
    }
    db.subForgetHistoryAhead();  // the last read ahead's connection closed
    EXPECT_EQ(above.events().join(u','), QString());
    EXPECT_EQ(inFolder.events().join(u','), QStringLiteral("open Logged.mdb,close Logged.mdb,open Unlogged.mdb,close Unlogged.mdb,"
                                                            "open Test.mdb,close Test.mdb"));
    EXPECT_EQ(databaseFiles(folder + QStringLiteral("Logged.mdb")), logged);
    EXPECT_EQ(databaseFiles(folder + QStringLiteral("Unlogged.mdb")), unlogged);
}

namespace {

// The rows read through a view that counts them (countedRowsDatabase), by every connection the test
// program opens while a RowCounting lives.
std::atomic<int> rowsRead = 0;
int addCountRow(sqlite3 *db, char **, const sqlite3_api_routines *)
{
    const auto count = [](sqlite3_context *context, int, sqlite3_value **values) {
        ++rowsRead;
        sqlite3_result_value(context, values[0]);
    };
    return sqlite3_create_function(db, "counted", 1, SQLITE_UTF8, nullptr, count, nullptr, nullptr);
}
struct RowCounting {
    RowCounting() { sqlite3_auto_extension(reinterpret_cast<void (*)()>(addCountRow)); }
    ~RowCounting() { sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(addCountRow)); }
};

// A results database at `path` whose table is a view of `rows` drawings that counts them as they
// are read.
void countedRowsDatabase(const QString &path, int rows)
{
    runElsewhere(path, QStringLiteral("CREATE TABLE Drawings (WeekNo INTEGER PRIMARY KEY, WeekDate TEXT, n INTEGER);"
                                      "WITH RECURSIVE w(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM w WHERE k < %1) "
                                      "INSERT INTO Drawings SELECT k, date('1000-01-01', '+' || k || ' days'), k % 49 + 1 FROM w;"
                                      "CREATE VIEW TBLRESULTS AS SELECT WeekNo, WeekDate, counted(n) AS WinnerNumber1, "
                                      "n AS WinnerNumber2, n AS WinnerNumber3, n AS WinnerNumber4, n AS WinnerNumber5, "
                                      "n AS WinnerNumber6, NULL AS WinnerNumber7, NULL AS WinnerNumber8 FROM Drawings")
                           .arg(rows));
}

}  // namespace

// An opening that stops forgets the drawings read ahead, whatever moment of their reading it stops
// at; a read of the same file asked for again while under way goes on. The drawings listed
// afterwards are the file's. A read stopped ends there, wherever it is: before its statements, in
// one, between two (counted on a long table, a forgotten read never reaches its last drawing), or
// waiting for a database another program holds.
TEST_F(LotteryDbTest, DrawingsReadAheadAreForgottenAtAnyMomentOfTheirReading)
{
    History drawings;
    for (int32_t week = 1; week <= 20000; ++week)
        drawings.push_back(Drawing{week, QDate(1990, 1, 6).addDays(7 * week), {1 + week % 40, 42, 43, 44, 45, 46, 0, 0}});
    makeDatabase(drawings, 6);
    const QString &folder = app().gstrLotteryDbsFolder;
    clsLotteryDb db;
    const auto readAhead = [&](const QString &file) { db.subReadHistoryAhead(folder, file); };
    for (const int ms : {0, 1, 2, 5, 10, 40}) {
        SCOPED_TRACE(ms);
        readAhead(app().gstrLotteryDbFile);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        db.subForgetHistoryAhead();
        readAhead(app().gstrLotteryDbFile);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        readAhead(app().gstrLotteryDbFile);
        ASSERT_TRUE(listed(db).has_value()) << db.lastError().toStdString();
        EXPECT_EQ(totalWeeks, 20000);
        EXPECT_TRUE(*db.fncHistory() == db.fncLoadHistory());
        // Another file read ahead, then this one: the other read stops.
        readAhead(QStringLiteral("Elsewhere.mdb"));
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        readAhead(app().gstrLotteryDbFile);
    }
    const RowCounting counting;
    constexpr int kRows = 200000;
    countedRowsDatabase(folder + QStringLiteral("Counted.mdb"), kRows);
    for (const int ms : {0, 1, 2, 5, 10}) {
        SCOPED_TRACE(ms);
        rowsRead = 0;
        readAhead(QStringLiteral("Counted.mdb"));
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        db.subForgetHistoryAhead();
        EXPECT_LT(rowsRead, kRows);
        const DatabaseHolder other(folder + app().gstrLotteryDbFile);
        ASSERT_TRUE(other.held());
        readAhead(app().gstrLotteryDbFile);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        QElapsedTimer forgetting;
        forgetting.start();
        db.subForgetHistoryAhead();
        // Far from the wait's end, which an unstopped read waits for.
        EXPECT_LT(forgetting.elapsed(), lotterydb::kBusyWaitMs / 2);
    }
}

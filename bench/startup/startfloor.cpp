// The floor of the program's start-up: a process doing only what any start to a painted board
// must do, each part as early as the program can do it. It sets up the results engine as the
// program does, starts Qt and, on threads of their own
// beside the making of its window (as the program reads them beside the making of its board),
// reads the font database and every drawing of a results database in one pass (the statement
// POWER runs, every value of every row kept in a plain array, nothing checked); meanwhile it makes
// a bare window of the board's size holding as many plain labels as the board has widgets, as
// many of them visible, and shows it once the drawings are read:
//   startfloor DATABASE WIDTH HEIGHT WIDGETS VISIBLE
// Its window is titled "TALVINOR floor"; startup/firstpaint.cpp times it to its painted window
// with the event loop idle.

#include "analysis/clslotterydb.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <cmath>
#include <cstdio>
#include <future>
#include <sqlite3.h>
#include <vector>

namespace {

// Every value of every row of the statement, as 64-bit integers (a date as the number of its
// text's bytes) in an array sized to the rows at once; false when the database cannot be read.
bool readOnce(const char *path, std::vector<int64_t> &values)
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *stmt = nullptr;
    bool ok = sqlite3_open_v2(path, &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK
              && sqlite3_prepare_v2(db, "SELECT count(*) FROM TBLRESULTS", -1, &stmt, nullptr) == SQLITE_OK
              && sqlite3_step(stmt) == SQLITE_ROW;
    if (ok)
        values.reserve(static_cast<size_t>(sqlite3_column_int64(stmt, 0)) * 10);
    sqlite3_finalize(stmt);
    const QByteArray sql = lotterydb::sqlLoadHistory().toUtf8();
    ok = ok && sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK;
    int rc = SQLITE_DONE;
    while (ok && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        values.push_back(sqlite3_column_int64(stmt, 0));
        values.push_back(sqlite3_column_bytes(stmt, 1));
        for (int i = 2; i < 10; ++i)
            values.push_back(sqlite3_column_int64(stmt, i));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return ok && rc == SQLITE_DONE;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s DATABASE WIDTH HEIGHT WIDGETS VISIBLE\n", argv[0]);
        return 2;
    }
    // The results engine set up as the program sets it up before its first use.
    lotterydb::configureEngine();
    QApplication app(argc, argv);
    const auto fonts = std::async(std::launch::async, [] { QFontDatabase::families(); });
    std::vector<int64_t> values;
    auto read = std::async(std::launch::async, [&values, path = argv[1]] { return readOnce(path, values); });
    const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
    const int widgets = std::atoi(argv[4]), visible = std::atoi(argv[5]);
    QWidget window;
    window.setWindowTitle(QStringLiteral("TALVINOR floor"));
    window.resize(width, height);
    // The visible labels in a grid over the window; the hidden ones anywhere.
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(std::max(visible, 1)))));
    const int cellWidth = std::max(1, width / columns), cellHeight = std::max(1, height / columns);
    for (int i = 0; i < widgets; ++i) {
        auto *label = new QLabel(QString::number(i), &window);
        label->setGeometry((i % columns) * cellWidth, (i / columns % columns) * cellHeight, cellWidth, cellHeight);
        label->setVisible(i < visible);
    }
    if (!read.get()) {
        std::fprintf(stderr, "%s cannot be read\n", argv[1]);
        return 1;
    }
    window.show();
    return app.exec();
}

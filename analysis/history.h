#pragma once
// One drawing of a lottery as its results database holds it.

#include <QDate>
#include <QString>
#include <array>
#include <climits>
#include <cstdint>
#include <vector>

struct Drawing {
    int32_t weekNo = 0;
    QDate date;
    // A column without a number (NULL in the database). It lies outside every drum, so no ball
    // or digit is ever taken for it, and no stored number reads as it.
    static constexpr int32_t kEmpty = INT32_MIN;
    // A column holding a value that is no whole 32-bit number (a fraction, a larger number, a
    // text): a number outside every drum.
    static constexpr int32_t kNotANumber = INT32_MAX;

    // WinnerNumber1..8 at indexes 0..7: the main numbers (digit games: the digit of each position)
    // first, then the bonus or second-drum numbers; kEmpty where the column is empty.
    std::array<int32_t, 8> numbers{kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty};

    // The number of WinnerNumber column c (1-based); kEmpty for a column the table does not have.
    int32_t number(int column) const
    {
        return column >= 1 && column <= static_cast<int>(numbers.size()) ? numbers[static_cast<size_t>(column - 1)]
                                                                          : kEmpty;
    }
    bool operator==(const Drawing &) const = default;
};

// Drawings in WeekNo order.
using History = std::vector<Drawing>;

// What a results database looked like when its drawings were read, so that a later look tells,
// without reading the drawings again, whether they are still those it holds.
struct DatabaseStamp {
    QString path;
    // The file and its write-ahead log (all zero when there is none): device, inode, size, and the
    // times of the last change to its content and to the file in nanoseconds.
    std::array<int64_t, 5> file{};
    std::array<int64_t, 5> log{};
    // The connection the drawings were read on (each connection of the service has its own number) and
    // the engine's count of the changes other connections made to the database since it opened.
    uint64_t connection = 0;
    int64_t dataVersion = 0;

    // Whether the drawings read under `earlier` are still the database's: the same files, and no
    // change made through another connection that the engine has seen (a connection made since
    // has a count of its own, and the files tell).
    bool unchangedSince(const DatabaseStamp &earlier) const
    {
        return path == earlier.path && file == earlier.file && log == earlier.log
               && (connection != earlier.connection || dataVersion == earlier.dataVersion);
    }
};

// The drawings as last read from a results database, kept while the connection to it lasts and
// read again only when the database changed (clsLotteryDb::fncHistory).
struct LoadedHistory {
    bool read = false;
    History drawings;
    // Every date stored as yyyy-MM-dd text and none earlier than the date of the drawing before:
    // the dates newest first (the statement of all dates) are the drawings' own in reverse.
    bool datesInOrder = false;
    DatabaseStamp stamp;
};

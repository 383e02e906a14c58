#pragma once
// One drawing of a lottery as its results database holds it.

#include "analysis/drum.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
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

// Where a drum's columns stand in Drawing::numbers: the positions [begin, end), and how many of
// the drum's columns lie outside them (empty in every drawing).
struct StoredColumns {
    size_t begin = 0;
    size_t end = 0;
    int64_t missing = 0;
};
inline StoredColumns storedColumns(const DrumShape &drum)
{
    constexpr int kStored = static_cast<int>(std::tuple_size_v<decltype(Drawing::numbers)>);
    const int begin = std::clamp(drum.firstColumn, 1, kStored + 1) - 1;
    const int end = std::clamp(drum.lastColumn(), begin, kStored);
    return {static_cast<size_t>(begin), static_cast<size_t>(end), std::max(drum.columnCount, 0) - (end - begin)};
}

// What a results database looked like when its drawings were read, so that a later look tells,
// without reading the drawings again, whether they are still those it holds. Each look is taken
// inside the read transaction of the drawings it speaks for.
struct DatabaseStamp {
    QString path;
    // The file and its write-ahead log (all zero when there is none): device, inode, size, and the
    // times of the last change to its content and to the file in nanoseconds. Times can be coarse
    // (FAT and exFAT keep them to seconds or hundredths): the file alone tells no commit from
    // another made within the same tick.
    std::array<int64_t, 5> file{};
    std::array<int64_t, 5> log{};
    // The file change counter of the database header, which every commit of a database in
    // rollback-journal mode increments; nothing for a database in write-ahead-log mode, whose
    // commits leave it be.
    std::optional<uint32_t> changeCounter;
    // The connection the drawings were read on (each connection of the service has its own number,
    // a read ahead none) and the engine's count of the changes other connections made to the
    // database since that connection opened.
    uint64_t connection = 0;
    int64_t dataVersion = 0;
    // The connection reads a file that is no longer the one at `path` (it was renamed or deleted,
    // or another file renamed over it): `file` is then another file's, and the change counter and
    // the drawings those of the file the connection opened.
    bool moved = false;

    // Whether the drawings read under `earlier` are still the database's: the same files, and no
    // commit since: on the same connection the engine counts other connections' commits; across
    // connections only the change counter of a database in rollback-journal mode tells. A look at
    // a file that had moved says nothing of the file at the path.
    bool unchangedSince(const DatabaseStamp &earlier) const
    {
        if (moved || earlier.moved || path != earlier.path || file != earlier.file || log != earlier.log)
            return false;
        if (connection != 0 && connection == earlier.connection)
            return dataVersion == earlier.dataVersion;
        return changeCounter && changeCounter == earlier.changeCounter;
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

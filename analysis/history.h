#pragma once
// One drawing of a lottery as its results database holds it.

#include <QDate>
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
};

// Drawings in WeekNo order.
using History = std::vector<Drawing>;

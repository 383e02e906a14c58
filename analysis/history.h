#pragma once
// One drawing of a lottery as its results database holds it.

#include <QDate>
#include <array>
#include <cstdint>
#include <vector>

struct Drawing {
    int32_t weekNo = 0;
    QDate date;
    // WinnerNumber1..8 at indexes 0..7: the main numbers (digit games: the digit of each position)
    // first, then the bonus or second-drum numbers; 0 where the column is empty.
    std::array<int32_t, 8> numbers{};
};

// Drawings in WeekNo order.
using History = std::vector<Drawing>;

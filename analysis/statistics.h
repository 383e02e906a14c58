#pragma once
// Per-ball statistics of one drum over the drawings: how often each ball was drawn in the
// analysis window (its pick count), how many balls of the drum were drawn more often (its rank)
// and the last drawing that held it (its last picked week).

#include "analysis/ballarray.h"
#include "analysis/drum.h"
#include "analysis/gamelayout.h"
#include "analysis/history.h"

#include <QDate>
#include <cstdint>

// Pick counts, indexed 0..maxBall (entries below the drum's first ball stay 0): for every ball,
// the number of drawings with WeekNo >= fromWeek and a date not after upToDate that hold it in
// one of the drum's columns. A drawing counts once for a ball however many columns hold it.
// Numbers outside the drum are left out.
BallArray<int32_t> countPicksPerBall(const History &history, const DrumShape &drum, int32_t fromWeek,
                                     const QDate &upToDate);

// Rank of every ball firstBall..maxBall: the number of other balls of the drum whose pick count
// is larger (equal counts share a rank; the most drawn ball has rank 0).
BallArray<int32_t> rankByPickCount(const BallArray<int32_t> &pickCount, const DrumShape &drum);

// Last picked weeks, indexed 0..maxBall: the highest WeekNo of a drawing dated not after upToDate
// that holds the ball, or 0 when there is none. The start of the window plays no part.
BallArray<int32_t> lastPickedWeekPerBall(const History &history, const DrumShape &drum,
                                         const QDate &upToDate);

// The drum's numbers of one drawing as a bit set (bit b set when ball b stands in one of the
// drum's columns); numbers outside the drum are left out.
uint64_t drumBallsOf(const Drawing &drawing, const DrumShape &drum);

// The numbers of the drum's columns of the drawings that the computations leave out, counted in
// one pass: those outside the drum (empty columns not counted), and the empty columns.
struct LeftOutNumbers {
    int64_t outside = 0;
    int64_t empty = 0;
};
LeftOutNumbers countLeftOutNumbers(const History &history, const DrumShape &drum);

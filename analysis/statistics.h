#pragma once
// Per-ball statistics of one drum over the drawings: how often each ball was drawn in the
// analysis window (its pick count), how many balls of the drum were drawn more often (its rank)
// and the last drawing that held it (its last picked week). POWER gathers them, with the powers,
// in one pass over the drawings (recalculateDrum).

#include "analysis/ballarray.h"
#include "analysis/drum.h"
#include "analysis/gamelayout.h"
#include "analysis/history.h"

#include <cstdint>

// Rank of every ball firstBall..maxBall: the number of other balls of the drum whose pick count
// is larger (equal counts share a rank; the most drawn ball has rank 0).
BallArray<int32_t> rankByPickCount(const BallArray<int32_t> &pickCount, const DrumShape &drum);

// The numbers of the drum's columns of the drawings that the computations leave out: those
// outside the drum (empty columns not counted) or from 64 up, and the empty columns.
struct LeftOutNumbers {
    int64_t outside = 0;
    int64_t empty = 0;
};

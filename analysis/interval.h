#pragma once
// Drawing-sum statistics and the power interval. The power of a column is the sum of the pick
// counts of its numbers; the drawings of the analysis window give the smallest, mean and largest
// such sum, and a percentage cuts a band around the mean that new columns must fall in.

#include "analysis/ballarray.h"
#include "analysis/drum.h"
#include "analysis/gamelayout.h"
#include "analysis/history.h"

#include <QString>
#include <cstdint>
#include <optional>

struct SumStats {
    int32_t smallest = 0;
    int32_t mean = 0;
    int32_t largest = 0;
    friend bool operator==(const SumStats &, const SumStats &) = default;
};

// Over the drawings with fromWeek <= WeekNo <= toWeek: each drawing's sum of pickCount over the
// numbers in the drum's columns (digit games: every position, so a digit in two positions counts
// twice); the smallest, the mean (the total divided by the number of drawings, rounded half to
// even) and the largest (searched from 0 up).
// Numbers outside the drum add 0. Empty when the window holds no drawing.
std::optional<SumStats> drawingCountSumStats(const History &history, const DrumShape &drum,
                                             int32_t fromWeek, int32_t toWeek,
                                             const BallArray<int32_t> &pickCount);

// What showing the interval puts on the board, in the order the board writes it: the three labels,
// the slider's Min, Max and Value, the upper and the lower limit box, the slider-position label,
// and last the limits the generator uses (the two boxes read back).
struct PowerIntervalView {
    int32_t lowest = 0;        // lblPowerLowest
    int32_t middle = 0;        // lblPowerMiddle
    int32_t highest = 0;       // lblPowerHighest
    int32_t sliderMin = 0;     // hsbPowerInterval.Min
    int32_t sliderMax = 0;     // hsbPowerInterval.Max
    int32_t sliderValue = 0;   // hsbPowerInterval.Value
    int32_t upper = 0;         // txtPowerInterval(1), then garrIntervalLimits(1)
    int32_t lower = 0;         // txtPowerInterval(0), then garrIntervalLimits(0)
    int32_t sliderPos = 0;     // lblPowerSliderPos
    friend bool operator==(const PowerIntervalView &, const PowerIntervalView &) = default;
};

// The interval of `percent` (the number in the percentage combo) around the mean:
// upper = mean + p x ((max - mean) + 0.001) / 100 and lower = mean - p x ((mean - min) + 0.001) / 100,
// each rounded half to even (and kept within 32 bits).
PowerIntervalView powerIntervalView(const SumStats &stats, int32_t percent);

// ---- Limits typed by hand and moved by the slider ------------------------------------------------

// The largest sum of pick counts a new column of the drum can reach: the `columns` largest counts
// of different balls first..last, or `columns` times the largest count where a number may stand
// in several positions (digits).
int64_t largestReachableSum(const BallArray<int32_t> &pickCount, int32_t firstBall, int32_t lastBall, int columns,
                            bool repeats);

// The highest limit the boxes take: 9999, or the largest reachable sum (or the largest drawing sum)
// when that is higher, so that a limit the interval computes is always taken as it is.
int32_t intervalLimitCap(int64_t largestReachable, int32_t largestDrawingSum);

// A limit as a box holds it: blanks around it are dropped, then digits only (what the box's keys
// allow), at most `cap`. Empty when the text is no such limit.
std::optional<int32_t> intervalLimitText(const QString &text, int32_t cap);

struct IntervalLimits {
    int32_t lower = 0;
    int32_t upper = 0;
    friend bool operator==(const IntervalLimits &, const IntervalLimits &) = default;
};

// One step of the slider: both limits move by one, down or up, each only as far as the lower limit
// stays at 0 or above and not above the upper one, and the upper limit at `cap` or below.
IntervalLimits slideIntervalLimits(IntervalLimits limits, bool down, int32_t cap);

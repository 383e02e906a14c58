#include "analysis/recalc.h"

#include "analysis/parallelparts.h"
#include "analysis/power.h"
#include "analysis/statistics.h"

#include <algorithm>
#include <vector>

WindowCheck checkAnalysisWindow(const History &history, const GameLayout &game, const RecalcInputs &in)
{
    WindowCheck check;
    if (history.empty() || in.totalWeeks <= 0) {
        check.code = WindowCode::NoDrawings;
        return check;
    }
    if (in.fromWeek > in.toWeek) {
        check.code = WindowCode::StartAfterEnd;
        return check;
    }
    const auto [first, last] = weekRange(history, in.fromWeek, in.toWeek);
    if (first == last) {
        check.code = WindowCode::EmptyWindow;
        return check;
    }
    check.missingWeeks = (static_cast<int64_t>(in.toWeek) - in.fromWeek + 1) - static_cast<int64_t>(last - first);
    return check;
}

PoolFill fillPoolFromPowers(const BallArray<double> &power, const BallArray<int32_t> &excluded,
                            const DrumShape &drum, const RecalcInputs &in)
{
    const double e = in.totalWeeks > 0 ? poolExponent(in.level, in.fromWeek, in.toWeek, in.totalWeeks) : 1.0;
    PoolFill fill;
    fill.weights = poolWeights(power, excluded, drum, in.powerIncrease, e);
    fill.pool = fillPool(fill.weights);
    return fill;
}

namespace {

// What the drawings tell of one ball.
struct BallTally {
    double powerSum = 0;
    int32_t picks = 0;
    int32_t lastWeek = 0;
};

// The tallies of one drum over the drawings, indexed by ball from 0.
struct DrumTally {
    std::vector<BallTally> balls;
    LeftOutNumbers leftOut;
};

// Every number of the drum's columns of the drawings [begin, end) is left out, or adds `term` of
// its drawing's week to its ball's power when the drawings lie in the window, and, when the drawing
// is dated up to the date, makes its week the ball's last picked week so far and counts as a pick
// of its ball unless the drawings come before the start drawing. A drawing picks a ball once
// however many of its columns hold it. The drawings come in runs of one kind, so that the loop over
// each run asks nothing of a drawing but its date.
template <bool InWindow, bool Counted, class Term>
void tally(const Drawing *begin, const Drawing *end, const DrumShape &drum, const QDate &upToDate, Term term,
           DrumTally &t)
{
    const StoredColumns columns = storedColumns(drum);
    const BallRange drumBalls = drum.balls();
    BallTally *balls = t.balls.data();
    int64_t empty = 0;
    int64_t outside = 0;
    for (const Drawing *d = begin; d != end; ++d) {
        const bool dated = d->date <= upToDate;
        const int32_t week = d->weekNo;
        const std::array<int32_t, 8> numbers = d->numbers;
        [[maybe_unused]] const double weekTerm = InWindow ? term(week) : 0.0;
        uint64_t picked = 0;  // the balls of the drawing counted so far
        for (size_t c = columns.begin; c < columns.end; ++c) {
            const int32_t n = numbers[c];
            if (!drumBalls.holds(n)) [[unlikely]] {
                ++(n == Drawing::kEmpty ? empty : outside);
                continue;
            }
            BallTally &seen = balls[n];
            if constexpr (InWindow)
                seen.powerSum += weekTerm;
            if (n >= 64) [[unlikely]] {
                ++outside;
                continue;
            }
            const uint64_t ball = uint64_t{1} << n;
            if (dated && !(picked & ball)) {
                picked |= ball;
                if constexpr (Counted)
                    ++seen.picks;
                seen.lastWeek = std::max(seen.lastWeek, week);
            }
        }
    }
    t.leftOut.empty += empty + columns.missing * (end - begin);
    t.leftOut.outside += outside;
}

}  // namespace

DrumAnalysis recalculateDrum(const History &history, const DrumShape &drum, const RecalcInputs &in)
{
    DrumAnalysis a;
    const auto balls = static_cast<size_t>(std::max(drum.maxBall + 1, 0));
    DrumTally t{std::vector<BallTally>(balls), {}};
    const bool cold = in.hotColdMode != 0;
    const auto term = [&in, cold](int32_t week) { return powerTerm(week, in.toWeek, in.powerIncrease, cold); };
    // The history is in week order: the drawings before the start drawing, those of the window,
    // and those after the end drawing.
    const auto [first, last] = weekRange(history, in.fromWeek, in.toWeek);
    const Drawing *drawings = history.data();
    const size_t windowEnd = std::max(first, last);
    // A long history is tallied in parts at once, each part into a tally of its own; the parts'
    // tallies add up to the whole's, since every pick, power term and left-out number is one
    // drawing's. Their power sums are those added up drawing by drawing while every sum is exact
    // (powerSumsExact), and are not used otherwise.
    const std::vector<DrumTally> parts = resultsOfParts<DrumTally>(
        static_cast<int>(history.size()), kDrawingsAPart, [&](int begin, int end) {
            DrumTally part{std::vector<BallTally>(balls), {}};
            const auto within = [begin, end](size_t at) { return std::clamp<size_t>(at, begin, end); };
            tally<false, false>(drawings + within(0), drawings + within(first), drum, in.upToDate, term, part);
            tally<true, true>(drawings + within(first), drawings + within(windowEnd), drum, in.upToDate, term, part);
            tally<false, true>(drawings + within(windowEnd), drawings + end, drum, in.upToDate, term, part);
            return part;
        });
    for (const DrumTally &part : parts) {
        for (size_t b = 0; b < balls; ++b) {
            t.balls[b].powerSum += part.balls[b].powerSum;
            t.balls[b].picks += part.balls[b].picks;
            t.balls[b].lastWeek = std::max(t.balls[b].lastWeek, part.balls[b].lastWeek);
        }
        t.leftOut.empty += part.leftOut.empty;
        t.leftOut.outside += part.leftOut.outside;
    }
    a.leftOut = t.leftOut;
    std::vector<int32_t> picks(balls), lastWeeks(balls);
    std::vector<double> powerSums(balls);
    for (size_t b = 0; b < balls; ++b) {
        picks[b] = t.balls[b].picks;
        lastWeeks[b] = t.balls[b].lastWeek;
        powerSums[b] = t.balls[b].powerSum;
    }
    a.pickCount = BallArray<int32_t>(0, std::move(picks));
    a.lastPickedWeek = BallArray<int32_t>(0, std::move(lastWeeks));
    // Sums added up drawing by drawing are those of the columns one by one while they are exact;
    // past that they are added up again in column order.
    if (powerSumsExact(powerSums, in.powerIncrease, in.fromWeek)) {
        a.power = BallArray<double>(0, std::move(powerSums));
        normalisePowers(a.power, drum);
    } else {
        a.power = calculatePowerTable(history, drum, in.toWeek, in.hotColdMode, in.powerIncrease, in.fromWeek);
    }
    a.rankTable = rankByPickCount(a.pickCount, drum);
    a.sumStats = drawingCountSumStats(history, drum, in.fromWeek, in.toWeek, a.pickCount);
    return a;
}

PowerTables recalculateAll(const History &history, const RecalcInputs &in, const GameLayout &game)
{
    PowerTables tables;
    tables.check = checkAnalysisWindow(history, game, in);
    if (tables.check.refused())
        return tables;
    for (Drum drum : game.drums()) {
        DrumAnalysis &analysis = tables.drums[static_cast<size_t>(drumIndex(drum))];
        analysis = recalculateDrum(history, game.drum(drum), in);
        tables.check.numbersOutside += analysis.leftOut.outside;
        tables.check.emptyNumbers += analysis.leftOut.empty;
    }
    return tables;
}

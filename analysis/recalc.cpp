#include "analysis/recalc.h"

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

DrumAnalysis recalculateDrum(const History &history, const DrumShape &drum, const RecalcInputs &in)
{
    DrumAnalysis a;
    // Indexed by ball from 0.
    const auto balls = static_cast<size_t>(std::max(drum.maxBall + 1, 0));
    std::vector<int32_t> picks(balls, 0);
    std::vector<int32_t> lastWeeks(balls, 0);
    std::vector<double> powerSums(balls, 0.0);
    const bool cold = in.hotColdMode != 0;
    // Every number of the drum's columns, drawing by drawing, is left out, or adds the drawing's
    // power term when the drawing lies in the window, and counts as a pick of its ball when the
    // drawing is dated up to the date (counted from the start drawing, its week the ball's last
    // picked week so far). A drawing picks a ball once however many of its columns hold it.
    for (const Drawing &d : history) {
        const bool inWindow = d.weekNo >= in.fromWeek && d.weekNo <= in.toWeek;
        const double term = powerTerm(d.weekNo, in.toWeek, in.powerIncrease, cold);
        const bool dated = d.date <= in.upToDate;
        const int32_t counted = d.weekNo >= in.fromWeek ? 1 : 0;
        uint64_t picked = 0;  // the balls of the drawing counted so far
        for (int c = drum.firstColumn; c <= drum.lastColumn(); ++c) {
            const int32_t n = d.number(c);
            if (n == Drawing::kEmpty) {
                ++a.leftOut.empty;
                continue;
            }
            if (!drum.holds(n)) {
                ++a.leftOut.outside;
                continue;
            }
            const auto b = static_cast<size_t>(n);
            if (inWindow)
                powerSums[b] += term;
            if (n >= 64) {
                ++a.leftOut.outside;
                continue;
            }
            const uint64_t ball = uint64_t{1} << n;
            if (dated && !(picked & ball)) {
                picked |= ball;
                picks[b] += counted;
                lastWeeks[b] = std::max(lastWeeks[b], d.weekNo);
            }
        }
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

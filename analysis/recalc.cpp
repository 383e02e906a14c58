#include "analysis/recalc.h"

#include "analysis/power.h"
#include "analysis/statistics.h"

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
    for (const DrumShape &drum : game.twoDrums() ? std::vector{game.drum(Drum::Main), game.drum(Drum::Second)}
                                                 : std::vector{game.drum(Drum::Main)}) {
        const LeftOutNumbers left = countLeftOutNumbers(history, drum);
        check.numbersOutside += left.outside;
        check.emptyNumbers += left.empty;
    }
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
    a.pickCount = countPicksPerBall(history, drum, in.fromWeek, in.upToDate);
    a.rankTable = rankByPickCount(a.pickCount, drum);
    a.lastPickedWeek = lastPickedWeekPerBall(history, drum, in.upToDate);
    a.power = calculatePowerTable(history, drum, in.toWeek, in.hotColdMode, in.powerIncrease, in.fromWeek);
    a.sumStats = drawingCountSumStats(history, drum, in.fromWeek, in.toWeek, a.pickCount);
    return a;
}

PowerTables recalculateAll(const History &history, const RecalcInputs &in, const GameLayout &game)
{
    PowerTables tables;
    tables.check = checkAnalysisWindow(history, game, in);
    if (tables.check.refused())
        return tables;
    tables.drums[0] = recalculateDrum(history, game.drum(Drum::Main), in);
    if (game.twoDrums())
        tables.drums[1] = recalculateDrum(history, game.drum(Drum::Second), in);
    return tables;
}

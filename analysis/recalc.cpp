#include "analysis/recalc.h"

#include "analysis/power.h"
#include "analysis/statistics.h"

RecalcInputs RecalcInputs::fromState(int32_t fromWeek, int32_t toWeek, const QDate &upToDate, int32_t level)
{
    RecalcInputs in;
    in.fromWeek = fromWeek;
    in.toWeek = toWeek;
    in.upToDate = upToDate;
    in.hotColdMode = gintHotColdMode;
    in.powerIncrease = gblnPowerIncrease;
    in.level = level;
    in.totalWeeks = glngTotalWeeks;
    return in;
}

WindowCheck checkAnalysisWindow(const History &history, const GameShape &game, const RecalcInputs &in)
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
    for (const DrumShape &drum : game.twoDrums() ? std::vector{DrumShape::main(game), DrumShape::second(game)}
                                                 : std::vector{DrumShape::main(game)}) {
        const LeftOutNumbers left = countLeftOutNumbers(history, drum);
        check.numbersOutside += left.outside;
        check.emptyNumbers += left.empty;
    }
    return check;
}

int64_t subFillPool(DrumState &state)
{
    state.garrPool = fillPool(state.garrPoolWeight);
    return state.garrPool.size();
}

int64_t fillPoolFromPowers(DrumState &state, const DrumShape &drum, const RecalcInputs &in)
{
    const double e = in.totalWeeks > 0 ? poolExponent(in.level, in.fromWeek, in.toWeek, in.totalWeeks) : 1.0;
    state.garrPoolWeight = poolWeights(state.garrPower, state.garrExcluded, drum, in.powerIncrease, e);
    const int64_t size = subFillPool(state);
    state.glngPoolTotal = size;
    return size;
}

void recalculateDrum(const History &history, const DrumShape &drum, const RecalcInputs &in, DrumState &state)
{
    state.garrPickCount = countPicksPerBall(history, drum, in.fromWeek, in.upToDate);
    state.garrRankTable = rankByPickCount(state.garrPickCount, drum);
    state.garrLastPickedWeek = lastPickedWeekPerBall(history, drum, in.upToDate);
    state.garrPower = calculatePowerTable(history, drum, in.toWeek, in.hotColdMode, in.powerIncrease, in.fromWeek);
    fillPoolFromPowers(state, drum, in);
    const auto stats = drawingCountSumStats(history, drum, in.fromWeek, in.toWeek, state.garrPickCount);
    state.gblnSumStatsValid = stats.has_value();
    const SumStats s = stats.value_or(SumStats{});
    state.garrSumStats = {s.smallest, s.mean, s.largest};
}

WindowCheck recalculateAll(const History &history, const RecalcInputs &in)
{
    const GameShape game = GameShape::current();
    const WindowCheck check = checkAnalysisWindow(history, game, in);
    if (check.refused())
        return check;
    recalculateDrum(history, DrumShape::main(game), in, gDrum);
    if (game.twoDrums())
        recalculateDrum(history, DrumShape::second(game), in, gDrumBONUS);
    return check;
}

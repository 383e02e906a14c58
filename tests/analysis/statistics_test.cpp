// Pick counts, ranks, last picked weeks, powers and drawing sums of the analysis, checked against
// a brute-force model written with plain loops and against the statements run on SQLite, on random
// histories of every game family, and against the worked examples.

#include "analysis/interval.h"
#include "analysis/power.h"
#include "analysis/recalc.h"
#include "analysis/statistics.h"
#include "sqlreference.h"
#include "testhistory.h"

#include <gtest/gtest.h>
#include <cmath>
#include <map>
#include <random>

namespace {

// ---- The brute-force model ---------------------------------------------------------------------
namespace model {

bool holds(const Drawing &d, const DrumShape &drum, int ball)
{
    for (int c = drum.firstColumn; c <= drum.lastColumn(); ++c)
        if (d.numbers[c - 1] == ball)
            return true;
    return false;
}

int pickCount(const History &h, const DrumShape &drum, int ball, int fromWeek, QDate upTo)
{
    int n = 0;
    for (const Drawing &d : h)
        if (d.weekNo >= fromWeek && d.date <= upTo && holds(d, drum, ball))
            ++n;
    return n;
}

int lastWeek(const History &h, const DrumShape &drum, int ball, QDate upTo)
{
    int last = 0;
    for (const Drawing &d : h)
        if (d.date <= upTo && holds(d, drum, ball) && d.weekNo > last)
            last = d.weekNo;
    return last;
}

std::vector<double> powers(const History &h, const DrumShape &drum, int toWeek, bool cold, bool increase, int fromWeek)
{
    std::vector<double> p(drum.maxBall + 1, 0.0);
    for (int ball = drum.firstBall; ball <= drum.maxBall; ++ball)
        for (int c = drum.firstColumn; c <= drum.lastColumn(); ++c)
            for (const Drawing &d : h)
                if (d.weekNo >= fromWeek && d.weekNo <= toWeek && d.numbers[c - 1] == ball) {
                    const double x = increase && cold ? double(toWeek - d.weekNo) : double(d.weekNo);
                    p[ball] += increase ? x * x : x;
                }
    double smallest = 999999999;
    for (int b = drum.firstBall; b <= drum.maxBall; ++b)
        if (p[b] > 0)
            smallest = std::min(smallest, p[b]);
    if (smallest > 2)
        for (double &v : p)
            v /= smallest;
    double largest = 0;
    for (int b = drum.firstBall; b <= drum.maxBall; ++b)
        largest = std::max(largest, p[b]);
    if (largest > 317) {
        const double f = 316 / largest;
        for (double &v : p)
            v *= f;
    }
    return p;
}

}  // namespace model

struct Case {
    const char *name;
    GameShape game;
};

std::vector<Case> families()
{
    return {
        {"lotto 6/49", GameShape::lotto(49, 6)},
        {"lotto 5/35 + bonus", GameShape::lotto(35, 5, 1)},
        {"lotto 6/49 + 2 bonus", GameShape::lotto(49, 6, 2)},
        {"lotto 7/56 + bonus", GameShape::lotto(56, 7, 1)},
        {"two drums 5/50 + 2/12", GameShape::twoDrum(50, 5, 12, 2)},
        {"two drums 4/20 + 1/9", GameShape::twoDrum(20, 4, 9, 1)},
        {"digits 3", GameShape::digits(3)},
        {"digits 4", GameShape::digits(4)},
        {"digits 8", GameShape::digits(8)},
    };
}

std::vector<DrumShape> drumsOf(const GameShape &g)
{
    std::vector<DrumShape> drums{DrumShape::main(g)};
    if (g.twoDrums())
        drums.push_back(DrumShape::second(g));
    return drums;
}

}  // namespace

TEST(Statistics, AgreeWithTheModelAndTheStatementsOnRandomHistories)
{
    std::mt19937 rng(20240611);
    for (const Case &c : families()) {
        SCOPED_TRACE(c.name);
        const History h = randomHistory(c.game, 60, rng());
        const SqlReference sql(h, filledColumns(c.game));
        for (int trial = 0; trial < 4; ++trial) {
            const int from = 1 + static_cast<int>(rng() % 40);
            const int to = from + static_cast<int>(rng() % (61 - from));
            // The date combo usually agrees with the end drawing; sometimes it does not.
            const QDate upTo = trial == 3 ? weekDate(1 + static_cast<int>(rng() % 60)) : weekDate(to);
            for (const DrumShape &drum : drumsOf(c.game)) {
                const auto counts = countPicksPerBall(h, drum, from, upTo);
                const auto last = lastPickedWeekPerBall(h, drum, upTo);
                EXPECT_EQ(counts, sql.pickCounts(drum, from, upTo));
                EXPECT_EQ(last, sql.lastPickedWeeks(drum, upTo));
                for (int b = drum.firstBall; b <= drum.maxBall; ++b) {
                    EXPECT_EQ(counts[b], model::pickCount(h, drum, b, from, upTo)) << "ball " << b;
                    EXPECT_EQ(last[b], model::lastWeek(h, drum, b, upTo)) << "ball " << b;
                }
                const auto rank = rankByPickCount(counts, drum);
                for (int b = drum.firstBall; b <= drum.maxBall; ++b) {
                    int above = 0;
                    for (int o = drum.firstBall; o <= drum.maxBall; ++o)
                        above += counts[o] > counts[b];
                    EXPECT_EQ(rank[b], above);
                }
                for (int mode = 0; mode < 3; ++mode) {
                    const bool increase = mode > 0;
                    const int cold = mode == 2 ? 1 : 0;
                    const auto p = calculatePowerTable(h, drum, to, cold, increase, from);
                    const auto ref = sql.powers(drum, to, cold, increase, from);
                    ASSERT_TRUE(ref.has_value());
                    const auto m = model::powers(h, drum, to, cold, increase, from);
                    for (int b = 0; b <= drum.maxBall; ++b) {
                        EXPECT_DOUBLE_EQ(p[b], (*ref)[b]) << "ball " << b << " mode " << mode;
                        EXPECT_DOUBLE_EQ(p[b], m[b]) << "ball " << b << " mode " << mode;
                    }
                }
                const auto stats = drawingCountSumStats(h, drum, from, to, counts);
                ASSERT_TRUE(stats.has_value());
                EXPECT_EQ(*stats, *sql.sumStats(drum, from, to, counts));
            }
        }
    }
}

TEST(Statistics, CountsFollowTheirWindowsAndColumns)
{
    // Digit game: the drawing 3-3-7 adds one to digit 3 and one to digit 7.
    const GameShape digits = GameShape::digits(3);
    History h{{1, weekDate(1), {3, 3, 7}}, {2, weekDate(2), {1, 2, 3}}};
    const DrumShape d = DrumShape::main(digits);
    auto counts = countPicksPerBall(h, d, 1, weekDate(1));
    EXPECT_EQ(counts[3], 1);
    EXPECT_EQ(counts[7], 1);
    EXPECT_EQ(counts[0], 0);
    // A digit in two positions is one pick but two power terms: 5 + 5 against 5.
    const auto p = calculatePowerTable(h, d, 1, 0, false, 1);
    EXPECT_DOUBLE_EQ(p[3], 2.0);
    EXPECT_DOUBLE_EQ(p[7], 1.0);

    // A start after the last drawing: no picks, last weeks unchanged.
    counts = countPicksPerBall(h, d, 3, weekDate(2));
    for (int b = 0; b <= 9; ++b)
        EXPECT_EQ(counts[b], 0);
    const auto last = lastPickedWeekPerBall(h, d, weekDate(2));
    EXPECT_EQ(last[3], 2);
    EXPECT_EQ(last[7], 1);
    EXPECT_EQ(last[9], 0);

    // The bonus number of a single-drum lotto counts nowhere.
    const GameShape lotto = GameShape::lotto(10, 3, 1);
    History l{{1, weekDate(1), {1, 2, 3, 9}}};
    counts = countPicksPerBall(l, DrumShape::main(lotto), 1, weekDate(1));
    EXPECT_EQ(counts[9], 0);
    EXPECT_EQ(counts[1], 1);

    // Two second-drum numbers 2 and 9 add one each.
    const GameShape two = GameShape::twoDrum(20, 4, 9, 2);
    History t{{1, weekDate(1), {1, 2, 3, 4, 2, 9}}};
    counts = countPicksPerBall(t, DrumShape::second(two), 1, weekDate(1));
    EXPECT_EQ(counts[2], 1);
    EXPECT_EQ(counts[9], 1);
    EXPECT_EQ(counts[1], 0);

    // An empty history: every count and last week 0.
    counts = countPicksPerBall({}, DrumShape::main(lotto), 1, weekDate(1));
    EXPECT_EQ(counts, BallArray<int32_t>(0, 10, 0));
}

TEST(Statistics, RanksShareTiesAndCountBallsAbove)
{
    const DrumShape drum = DrumShape::main(GameShape::lotto(4, 3));
    BallArray<int32_t> counts(0, 4, 0);
    counts[1] = 5;
    counts[2] = 5;
    counts[3] = 3;
    counts[4] = 7;
    const auto rank = rankByPickCount(counts, drum);
    EXPECT_EQ(rank[4], 0);
    EXPECT_EQ(rank[1], 1);
    EXPECT_EQ(rank[2], 1);
    EXPECT_EQ(rank[3], 3);
    const auto equal = rankByPickCount(BallArray<int32_t>(0, 4, 2), drum);
    for (int b = 1; b <= 4; ++b)
        EXPECT_EQ(equal[b], 0);
}

namespace {

// One column, balls 1..10; the drawings of weeks 1..weeks hold `ballAt(w)` (0 = no ball of the drum).
History singleColumn(int weeks, const std::map<int, int> &ballAt)
{
    History h;
    for (int w = 1; w <= weeks; ++w) {
        Drawing d{w, weekDate(w), {}};
        const auto it = ballAt.find(w);
        d.numbers[0] = it == ballAt.end() ? 0 : it->second;
        h.push_back(d);
    }
    return h;
}

DrumShape oneColumnDrum(int maxBall)
{
    DrumShape d;
    d.maxBall = maxBall;
    d.columnCount = 1;
    return d;
}

}  // namespace

TEST(Power, WorkedExamples)
{
    // Window 1..10: ball 5 at weeks 3 and 7, ball 9 at week 4.
    const History h = singleColumn(10, {{3, 5}, {7, 5}, {4, 9}});
    const DrumShape d = oneColumnDrum(10);
    auto p = calculatePowerTable(h, d, 10, 0, false, 1);
    EXPECT_DOUBLE_EQ(p[5], 2.5);
    EXPECT_DOUBLE_EQ(p[9], 1.0);
    EXPECT_DOUBLE_EQ(p[1], 0.0);
    p = calculatePowerTable(h, d, 10, 1, false, 1);  // without increase cold is hot
    EXPECT_DOUBLE_EQ(p[5], 2.5);
    p = calculatePowerTable(h, d, 10, 0, true, 1);
    EXPECT_DOUBLE_EQ(p[5], 3.625);
    EXPECT_DOUBLE_EQ(p[9], 1.0);
    p = calculatePowerTable(h, d, 10, 1, true, 1);
    EXPECT_DOUBLE_EQ(p[5], 58.0 / 36.0);
    EXPECT_DOUBLE_EQ(p[9], 1.0);
}

TEST(Power, NormalisationEdges)
{
    const DrumShape d = oneColumnDrum(10);
    // Smallest power 1 or 2: nothing is divided.
    auto p = calculatePowerTable(singleColumn(10, {{1, 3}, {7, 4}}), d, 10, 0, false, 1);
    EXPECT_DOUBLE_EQ(p[3], 1.0);
    EXPECT_DOUBLE_EQ(p[4], 7.0);
    p = calculatePowerTable(singleColumn(10, {{2, 3}, {9, 4}}), d, 10, 0, false, 1);
    EXPECT_DOUBLE_EQ(p[3], 2.0);
    EXPECT_DOUBLE_EQ(p[4], 9.0);
    // A largest power of exactly 317 stands; 317.5 is scaled to 316 with every other power.
    p = calculatePowerTable(singleColumn(400, {{1, 3}, {317, 4}}), d, 400, 0, false, 1);
    EXPECT_DOUBLE_EQ(p[4], 317.0);
    EXPECT_DOUBLE_EQ(p[3], 1.0);
    p = calculatePowerTable(singleColumn(700, {{4, 3}, {600, 4}, {670, 4}}), d, 700, 0, false, 1);
    EXPECT_DOUBLE_EQ(p[4], 316.0);
    EXPECT_DOUBLE_EQ(p[3], 316.0 / 317.5);
    // Cold with increase: the end drawing adds 0 and is passed over like a ball never drawn.
    p = calculatePowerTable(singleColumn(10, {{10, 3}, {5, 4}}), d, 10, 1, true, 1);
    EXPECT_DOUBLE_EQ(p[3], 0.0);
    EXPECT_DOUBLE_EQ(p[4], 1.0);
    // The end before the start: every power 0.
    p = calculatePowerTable(singleColumn(10, {{3, 3}}), d, 2, 0, false, 5);
    for (int b = 0; b <= 10; ++b)
        EXPECT_DOUBLE_EQ(p[b], 0.0);
}

TEST(Power, RowsWithGapsOrStrangeNumbersAreLeftOutWithoutHarm)
{
    const GameShape g = GameShape::lotto(10, 3);
    History h = randomHistory(g, 20, 7);
    h.erase(h.begin() + 9);                // week 10 is missing
    h[3].numbers[1] = 77;                  // a number outside the drum
    h[4].numbers[0] = -2;
    RecalcInputs in;
    in.fromWeek = 1;
    in.toWeek = 20;
    in.upToDate = weekDate(20);
    in.totalWeeks = 19;
    const WindowCheck check = checkAnalysisWindow(h, g, in);
    EXPECT_FALSE(check.refused());
    EXPECT_EQ(check.missingWeeks, 1);
    EXPECT_EQ(check.numbersOutside, 2);
    const DrumShape d = DrumShape::main(g);
    const auto p = calculatePowerTable(h, d, 20, 0, false, 1);
    EXPECT_EQ(p.lo(), 0);
    EXPECT_EQ(p.hi(), 10);
    const auto stats = drawingCountSumStats(h, d, 1, 20, countPicksPerBall(h, d, 1, weekDate(20)));
    ASSERT_TRUE(stats.has_value());
    EXPECT_LE(stats->smallest, stats->mean);
    EXPECT_LE(stats->mean, stats->largest);
}

TEST(Power, WindowsThatCannotBeAnalysedAreRefused)
{
    const GameShape g = GameShape::lotto(10, 3);
    const History h = randomHistory(g, 10, 3);
    RecalcInputs in;
    in.totalWeeks = 10;
    in.fromWeek = 1;
    in.toWeek = 10;
    EXPECT_EQ(checkAnalysisWindow({}, g, in).code, WindowCode::NoDrawings);
    in.fromWeek = 6;
    in.toWeek = 5;
    EXPECT_EQ(checkAnalysisWindow(h, g, in).code, WindowCode::StartAfterEnd);
    in.fromWeek = 11;
    in.toWeek = 12;
    EXPECT_EQ(checkAnalysisWindow(h, g, in).code, WindowCode::EmptyWindow);
    in.fromWeek = 5;
    in.toWeek = 5;
    EXPECT_EQ(checkAnalysisWindow(h, g, in).code, WindowCode::Ok);
}

TEST(SumStats, MeanRoundsHalfToEvenAndTheWindowDecides)
{
    DrumShape d;
    d.maxBall = 9;
    d.columnCount = 3;
    BallArray<int32_t> pc(0, 9, 0);
    pc[1] = 40;
    pc[2] = 40;
    pc[3] = 40;
    pc[4] = 41;
    pc[5] = 42;
    // Sums 120 and 121: 120.5 shows as 120. (The pick counts are larger than the window: they may
    // come from drawings up to a later date, and the smallest sum is still a drawing's sum.)
    History h{{1, weekDate(1), {1, 2, 3}}, {2, weekDate(2), {1, 2, 4}}};
    auto s = drawingCountSumStats(h, d, 1, 2, pc);
    ASSERT_TRUE(s);
    EXPECT_EQ(*s, (SumStats{120, 120, 121}));
    // Sums 121 and 122: 121.5 shows as 122.
    h = {{1, weekDate(1), {1, 2, 4}}, {2, weekDate(2), {1, 2, 5}}};
    s = drawingCountSumStats(h, d, 1, 2, pc);
    EXPECT_EQ(*s, (SumStats{121, 122, 122}));
    // One drawing: smallest = mean = largest, and every percentage gives that one value.
    s = drawingCountSumStats(h, d, 2, 2, pc);
    EXPECT_EQ(*s, (SumStats{122, 122, 122}));
    for (int p : {1, 10, 100}) {
        const auto v = powerIntervalView(*s, p);
        EXPECT_EQ(v.lower, 122);
        EXPECT_EQ(v.upper, 122);
    }
    // No drawing in the window: nothing to show.
    EXPECT_FALSE(drawingCountSumStats(h, d, 5, 9, pc));
}

TEST(SumStats, IntervalLimitsOfTheWorkedValues)
{
    const SumStats s{80, 120, 170};
    const std::vector<std::tuple<int, int, int>> expected{{1, 120, 121}, {10, 116, 125}, {50, 100, 145}, {100, 80, 170}};
    for (const auto &[p, lo, hi] : expected) {
        const auto v = powerIntervalView(s, p);
        EXPECT_EQ(v.lower, lo) << p;
        EXPECT_EQ(v.upper, hi) << p;
        EXPECT_EQ(v.lowest, 80);
        EXPECT_EQ(v.middle, 120);
        EXPECT_EQ(v.highest, 170);
        EXPECT_EQ(v.sliderMin, 80);
        EXPECT_EQ(v.sliderMax, 170);
        EXPECT_EQ(v.sliderValue, 120);
        EXPECT_EQ(v.sliderPos, 120);
    }
    // Sums far beyond 16 bits (long digit histories) stay whole.
    const auto big = powerIntervalView(SumStats{70000, 90000, 120000}, 100);
    EXPECT_EQ(big.sliderMax, 120000);
    EXPECT_EQ(big.upper, 120000);
}

TEST(Recalculation, FillsEveryTableOfTheGameAndKeepsThemWhenRefused)
{
    const GameShape g = GameShape::twoDrum(30, 5, 10, 2);
    g.makeCurrent();
    const History h = randomHistory(g, 40, 11);
    RecalcInputs in;
    in.fromWeek = 11;
    in.toWeek = 40;
    in.upToDate = weekDate(40);
    in.totalWeeks = 40;
    in.powerIncrease = true;
    in.level = 3;
    gDrum = DrumState{};
    gDrumBONUS = DrumState{};
    ASSERT_FALSE(recalculateAll(h, in).refused());
    for (const auto &[drum, state] : {std::pair{DrumShape::main(g), &gDrum}, std::pair{DrumShape::second(g), &gDrumBONUS}}) {
        EXPECT_EQ(state->garrPickCount, countPicksPerBall(h, drum, 11, weekDate(40)));
        EXPECT_EQ(state->garrPower, calculatePowerTable(h, drum, 40, 0, true, 11));
        EXPECT_TRUE(state->gblnSumStatsValid);
        EXPECT_EQ(state->garrPool.size(), state->glngPoolTotal);
        EXPECT_GT(state->glngPoolTotal, 0);
        int64_t total = 0;
        for (int b = drum.firstBall; b <= drum.maxBall; ++b)
            total += static_cast<int64_t>(state->garrPoolWeight[b]);
        EXPECT_EQ(total, state->glngPoolTotal);
    }
    const DrumState before = gDrum;
    in.fromWeek = 41;
    EXPECT_EQ(recalculateAll(h, in).code, WindowCode::StartAfterEnd);
    EXPECT_EQ(gDrum.garrPickCount, before.garrPickCount);
    GameShape{}.makeCurrent();
}

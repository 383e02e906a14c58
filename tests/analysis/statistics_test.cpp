// Pick counts, ranks, last picked weeks, powers and drawing sums of the analysis, checked against
// a brute-force model written with plain loops and against the statements run on SQLite, on random
// histories of every game family, and against the worked examples; and what a board keeps of
// POWER's recalculation, also when POWER is refused.

#include "analysis/interval.h"
#include "analysis/power.h"
#include "analysis/recalc.h"
#include "analysis/statistics.h"
#include "analysis/openlottery.h"
#include "app/resstrings.h"
#include "sqlreference.h"
#include "support/boarduser.h"
#include "support/sampleworld.h"
#include "testhistory.h"

#include <gtest/gtest.h>
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
        n += d.weekNo >= fromWeek && d.date <= upTo && holds(d, drum, ball);
    return n;
}

int lastWeek(const History &h, const DrumShape &drum, int ball, QDate upTo)
{
    int last = 0;
    for (const Drawing &d : h)
        if (d.date <= upTo && holds(d, drum, ball))
            last = std::max(last, d.weekNo);
    return last;
}

std::vector<double> powerSums(const History &h, const DrumShape &drum, int toWeek, bool cold, bool increase,
                              int fromWeek)
{
    std::vector<double> p(drum.maxBall + 1, 0.0);
    for (int c = drum.firstColumn; c <= drum.lastColumn(); ++c)
        for (const Drawing &d : h)
            if (d.weekNo >= fromWeek && d.weekNo <= toWeek && d.numbers[c - 1] >= drum.firstBall) {
                const double x = increase && cold ? double(toWeek - d.weekNo) : double(d.weekNo);
                p[d.numbers[c - 1]] += increase ? x * x : x;
            }
    return p;
}

// The smallest power above 0 becomes 1 when it is above 2; a largest power above 317 is scaled to
// 316, every other power with it.
std::vector<double> normalised(std::vector<double> p)
{
    double smallest = 999999999, largest = 0;
    for (double v : p)
        if (v > 0)
            smallest = std::min(smallest, v);
    if (smallest > 2)
        for (double &v : p)
            v /= smallest;
    for (double v : p)
        largest = std::max(largest, v);
    if (largest > 317)
        for (double &v : p)
            v *= 316 / largest;
    return p;
}

}  // namespace model

std::vector<DrumShape> drumsOf(const GameLayout &g)
{
    std::vector<DrumShape> drums{g.drum(Drum::Main)};
    if (g.twoDrums())
        drums.push_back(g.drum(Drum::Second));
    return drums;
}

// One column, balls 1..10; the drawings of weeks 1..weeks hold `ballAt(w)` (0 = no ball of the drum).
History singleColumn(int weeks, const std::map<int, int> &ballAt)
{
    History h;
    for (int w = 1; w <= weeks; ++w) {
        const auto it = ballAt.find(w);
        h.push_back({w, weekDate(w), {it == ballAt.end() ? 0 : it->second}});
    }
    return h;
}

// POWER's analysis of one drum over the window fromWeek..toWeek, the picks counted up to upTo.
DrumAnalysis analysed(const History &h, const DrumShape &drum, int fromWeek, int toWeek, QDate upTo,
                      bool increase = false, bool cold = false)
{
    RecalcInputs in;
    in.fromWeek = fromWeek;
    in.toWeek = toWeek;
    in.upToDate = upTo;
    in.powerIncrease = increase;
    in.hotColdMode = cold ? -1 : 0;
    return recalculateDrum(h, drum, in);
}

}  // namespace

TEST(Statistics, AgreeWithTheModelAndTheStatementsOnRandomHistories)
{
    std::mt19937 rng(20240611);
    for (const GameLayout &game : {GameLayout::lotto(49, 6), GameLayout::lotto(35, 5, 1), GameLayout::lotto(49, 6, 2),
                                  GameLayout::lotto(56, 7, 1), GameLayout::twoDrum(50, 5, 12, 2),
                                  GameLayout::twoDrum(20, 4, 9, 1), GameLayout::digits(3), GameLayout::digits(4),
                                  GameLayout::digits(8)}) {
        SCOPED_TRACE(testing::Message() << game.highestMain << "/" << game.lastMainPosition << "+" << game.highestSecond << "/"
                                        << game.bonusPositions() << (game.digits() ? " digits" : ""));
        const History h = randomHistory(game, 60, rng());
        const SqlReference sql(h, filledColumns(game));
        for (int trial = 0; trial < 4; ++trial) {
            const int from = 1 + static_cast<int>(rng() % 40);
            const int to = from + static_cast<int>(rng() % (61 - from));
            // The date combo usually agrees with the end drawing; sometimes it does not.
            const QDate upTo = trial == 3 ? weekDate(1 + static_cast<int>(rng() % 60)) : weekDate(to);
            for (const DrumShape &drum : drumsOf(game)) {
                const DrumAnalysis analysis = analysed(h, drum, from, to, upTo);
                const auto &counts = analysis.pickCount;
                const auto &last = analysis.lastPickedWeek;
                EXPECT_EQ(counts, sql.pickCounts(drum, from, upTo));
                EXPECT_EQ(last, sql.lastPickedWeeks(drum, upTo));
                for (int b = drum.firstBall; b <= drum.maxBall; ++b) {
                    EXPECT_EQ(counts[b], model::pickCount(h, drum, b, from, upTo)) << "ball " << b;
                    EXPECT_EQ(last[b], model::lastWeek(h, drum, b, upTo)) << "ball " << b;
                }
                for (int mode = 0; mode < 3; ++mode) {
                    const bool increase = mode > 0, cold = mode == 2;
                    const auto sums = model::powerSums(h, drum, to, cold, increase, from);
                    EXPECT_EQ(sql.powerSums(drum, to, cold, increase, from).values(), sums) << "mode " << mode;
                    const auto expected = model::normalised(sums);
                    const auto p = calculatePowerTable(h, drum, to, cold, increase, from);
                    for (int b = 0; b <= drum.maxBall; ++b)
                        EXPECT_DOUBLE_EQ(p[b], expected[static_cast<size_t>(b)]) << "ball " << b << " mode " << mode;
                    // POWER's one pass over the drawings gives the very powers of the columns one by one.
                    EXPECT_EQ(analysed(h, drum, from, to, upTo, increase, cold).power, p) << "mode " << mode;
                }
                const auto stats = drawingCountSumStats(h, drum, from, to, counts);
                ASSERT_TRUE(stats.has_value());
                EXPECT_EQ(*stats, *sql.sumStats(drum, from, to, counts));
            }
        }
    }
}

TEST(Statistics, ALongHistoryTalliedInPartsGivesWhatItsDrawingsGive)
{
    // Long enough to be tallied in parts on several threads; numbers outside the drums and empty
    // columns strewn in.
    std::mt19937 rng(20261208);
    for (const GameLayout &game : {GameLayout::lotto(49, 6, 1), GameLayout::twoDrum(50, 5, 12, 2), GameLayout::digits(4)}) {
        SCOPED_TRACE(testing::Message() << game.highestMain << "/" << game.lastMainPosition);
        History h = randomHistory(game, 45'000, rng());
        for (Drawing &d : h)
            if (rng() % 50 == 0)
                d.numbers[rng() % 8] = rng() % 2 ? Drawing::kEmpty : 70 + static_cast<int32_t>(rng() % 30);
        const SqlReference sql(h, filledColumns(game));
        for (int trial = 0; trial < 3; ++trial) {
            const int from = 1 + static_cast<int>(rng() % 30'000);
            const int to = from + static_cast<int>(rng() % (45'001 - from));
            const QDate upTo = weekDate(trial == 2 ? 1 + static_cast<int>(rng() % 45'000) : to);
            for (const DrumShape &drum : drumsOf(game)) {
                for (int mode = 0; mode < 3; ++mode) {
                    const bool increase = mode > 0, cold = mode == 2;
                    const DrumAnalysis analysis = analysed(h, drum, from, to, upTo, increase, cold);
                    EXPECT_EQ(analysis.power, calculatePowerTable(h, drum, to, cold, increase, from)) << "mode " << mode;
                    if (mode > 0)
                        continue;
                    for (int b = drum.firstBall; b <= drum.maxBall; ++b) {
                        EXPECT_EQ(analysis.pickCount[b], model::pickCount(h, drum, b, from, upTo)) << "ball " << b;
                        EXPECT_EQ(analysis.lastPickedWeek[b], model::lastWeek(h, drum, b, upTo)) << "ball " << b;
                    }
                    LeftOutNumbers leftOut;
                    for (const Drawing &d : h)
                        for (int c = drum.firstColumn; c <= drum.lastColumn(); ++c) {
                            const int32_t n = d.numbers[c - 1];
                            leftOut.empty += n == Drawing::kEmpty;
                            leftOut.outside += n != Drawing::kEmpty && (n < drum.firstBall || n > drum.maxBall);
                        }
                    EXPECT_EQ(analysis.leftOut.empty, leftOut.empty);
                    EXPECT_EQ(analysis.leftOut.outside, leftOut.outside);
                    ASSERT_TRUE(analysis.sumStats.has_value());
                    EXPECT_EQ(*analysis.sumStats, *sql.sumStats(drum, from, to, analysis.pickCount));
                }
            }
        }
    }
}

TEST(Statistics, CountsRanksAndLastWeeksOfTheWorkedCases)
{
    // (Which columns count for which drum, the random histories above check.) Digit game: the
    // drawing 3-3-7 adds one to digit 3 and one to digit 7, but gives 3 two power terms.
    const DrumShape d = GameLayout::digits(3).drum(Drum::Main);
    const History h{{1, weekDate(1), {3, 3, 7}}, {2, weekDate(2), {1, 2, 3}}};
    auto counts = analysed(h, d, 1, 1, weekDate(1)).pickCount;
    EXPECT_EQ(counts[3], 1);
    EXPECT_EQ(counts[7], 1);
    EXPECT_EQ(counts[0], 0);
    const auto p = calculatePowerTable(h, d, 1, 0, false, 1);
    EXPECT_DOUBLE_EQ(p[3], 2.0);
    EXPECT_DOUBLE_EQ(p[7], 1.0);
    // A start after the last drawing: no picks, last weeks unchanged.
    const DrumAnalysis late = analysed(h, d, 3, 2, weekDate(2));
    EXPECT_EQ(late.pickCount, BallArray<int32_t>(0, 9, 0));
    const auto &last = late.lastPickedWeek;
    EXPECT_EQ(last[3], 2);
    EXPECT_EQ(last[7], 1);
    EXPECT_EQ(last[9], 0);

    // Ranks: ties share a rank (standings 1, 1, 3), the most drawn ball ranks 0, equal counts all 0.
    const DrumShape four = GameLayout::lotto(4, 3).drum(Drum::Main);
    BallArray<int32_t> pc(0, 4, 0);
    pc[1] = 5, pc[2] = 5, pc[3] = 3, pc[4] = 7;
    EXPECT_EQ(rankByPickCount(pc, four).values(), (std::vector<int32_t>{1, 1, 3, 0}));
    EXPECT_EQ(rankByPickCount(BallArray<int32_t>(0, 4, 2), four).values(), (std::vector<int32_t>{0, 0, 0, 0}));
}

TEST(Power, WorkedExamplesAndNormalisationEdges)
{
    DrumShape d;
    d.maxBall = 10;
    d.columnCount = 1;
    const struct {
        int weeks;
        std::map<int, int> ballAt;
        int toWeek, cold;
        bool increase;
        int fromWeek;
        std::map<int, double> expected;
    } cases[] = {
        // Window 1..10: ball 5 at weeks 3 and 7, ball 9 at week 4; without increase cold is hot.
        {10, {{3, 5}, {7, 5}, {4, 9}}, 10, 0, false, 1, {{5, 2.5}, {9, 1.0}, {1, 0.0}}},
        {10, {{3, 5}, {7, 5}, {4, 9}}, 10, 1, false, 1, {{5, 2.5}}},
        {10, {{3, 5}, {7, 5}, {4, 9}}, 10, 0, true, 1, {{5, 3.625}, {9, 1.0}}},
        {10, {{3, 5}, {7, 5}, {4, 9}}, 10, 1, true, 1, {{5, 58.0 / 36.0}, {9, 1.0}}},
        // A smallest power of 1 or 2 divides nothing.
        {10, {{1, 3}, {7, 4}}, 10, 0, false, 1, {{3, 1.0}, {4, 7.0}}},
        {10, {{2, 3}, {9, 4}}, 10, 0, false, 1, {{3, 2.0}, {4, 9.0}}},
        // A largest power of exactly 317 stands; 317.5 is scaled to 316 with every other power.
        {400, {{1, 3}, {317, 4}}, 400, 0, false, 1, {{4, 317.0}, {3, 1.0}}},
        {700, {{4, 3}, {600, 4}, {670, 4}}, 700, 0, false, 1, {{4, 316.0}, {3, 316.0 / 317.5}}},
        // Cold with increase: the end drawing adds 0 and is passed over like a ball never drawn.
        {10, {{10, 3}, {5, 4}}, 10, 1, true, 1, {{3, 0.0}, {4, 1.0}}},
        // The end before the start: every power 0.
        {10, {{3, 3}}, 2, 0, false, 5, {{3, 0.0}}},
    };
    for (const auto &c : cases) {
        const History h = singleColumn(c.weeks, c.ballAt);
        const auto p = calculatePowerTable(h, d, c.toWeek, c.cold, c.increase, c.fromWeek);
        const auto q = analysed(h, d, c.fromWeek, c.toWeek, weekDate(c.weeks), c.increase, c.cold != 0).power;
        for (const auto &[ball, power] : c.expected) {
            EXPECT_DOUBLE_EQ(p[ball], power) << "weeks " << c.weeks << " ball " << ball;
            EXPECT_DOUBLE_EQ(q[ball], power) << "weeks " << c.weeks << " ball " << ball;
        }
    }
}

TEST(Power, SumsPastTwoToThe53AreAddedUpColumnByColumn)
{
    // Squares of weeks near 70 million: the sums of balls 5 and 6 pass 2^53, where a double no
    // longer holds every whole number, and the order of the additions shows in the last bits.
    DrumShape d;
    d.maxBall = 10;
    d.columnCount = 2;
    const History h{{1, weekDate(1), {9, 3}},
                    {70000137, weekDate(2), {5, 6}},
                    {70000582, weekDate(3), {6, 5}},
                    {70000867, weekDate(4), {5, 6}}};
    const auto columnOrder = model::normalised(model::powerSums(h, d, 70000867, false, true, 1));
    // Drawing by drawing, ball 6 would come out otherwise.
    std::vector<double> drawingOrder(11, 0.0);
    for (const Drawing &drawing : h)
        for (int c = 1; c <= 2; ++c)
            drawingOrder[static_cast<size_t>(drawing.numbers[c - 1])] += double(drawing.weekNo) * double(drawing.weekNo);
    ASSERT_NE(model::normalised(drawingOrder)[6], columnOrder[6]);

    const auto p = analysed(h, d, 1, 70000867, weekDate(4), true).power;
    EXPECT_EQ(p.values(), columnOrder);
    EXPECT_EQ(calculatePowerTable(h, d, 70000867, 0, true, 1).values(), columnOrder);
}

TEST(Power, WindowsWithGapsOrStrangeNumbersAreReportedOrRefused)
{
    const GameLayout g = GameLayout::lotto(10, 3);
    History h = randomHistory(g, 20, 7);
    h.erase(h.begin() + 9);  // week 10 is missing
    h[3].numbers[1] = 77;    // numbers outside the drum
    h[4].numbers[0] = -2;
    RecalcInputs in;
    in.fromWeek = 1;
    in.toWeek = 20;
    in.upToDate = weekDate(20);
    in.totalWeeks = 19;
    const WindowCheck check = recalculateAll(h, in, g).check;
    EXPECT_FALSE(check.refused());
    EXPECT_EQ(check.missingWeeks, 1);
    EXPECT_EQ(check.numbersOutside, 2);
    const DrumShape d = g.drum(Drum::Main);
    EXPECT_EQ(calculatePowerTable(h, d, 20, 0, false, 1).hi(), 10);
    const auto stats = drawingCountSumStats(h, d, 1, 20, analysed(h, d, 1, 20, weekDate(20)).pickCount);
    ASSERT_TRUE(stats.has_value());
    EXPECT_LE(stats->smallest, stats->mean);
    EXPECT_LE(stats->mean, stats->largest);

    for (const auto &[from, to, code] : {std::tuple{1, 20, WindowCode::Ok}, {6, 5, WindowCode::StartAfterEnd},
                                         {21, 22, WindowCode::EmptyWindow}, {10, 10, WindowCode::EmptyWindow}}) {
        in.fromWeek = from;
        in.toWeek = to;
        EXPECT_EQ(checkAnalysisWindow(h, g, in).code, code) << from << ".." << to;
    }
    EXPECT_EQ(checkAnalysisWindow({}, g, in).code, WindowCode::NoDrawings);
}

TEST(SumStats, MeanRoundsHalfToEvenAndTheLimitsOfTheWorkedValues)
{
    DrumShape d;
    d.maxBall = 9;
    d.columnCount = 3;
    BallArray<int32_t> pc(0, 9, 0);
    pc[1] = pc[2] = pc[3] = 40;
    pc[4] = 41;
    pc[5] = 42;
    // Sums 120 and 121: 120.5 shows as 120. (The pick counts are larger than the window: they may
    // come from drawings up to a later date, and the smallest sum is still a drawing's sum.)
    History h{{1, weekDate(1), {1, 2, 3}}, {2, weekDate(2), {1, 2, 4}}};
    EXPECT_EQ(drawingCountSumStats(h, d, 1, 2, pc), (SumStats{120, 120, 121}));
    // Sums 121 and 122: 121.5 shows as 122.
    h = {{1, weekDate(1), {1, 2, 4}}, {2, weekDate(2), {1, 2, 5}}};
    EXPECT_EQ(drawingCountSumStats(h, d, 1, 2, pc), (SumStats{121, 122, 122}));
    // One drawing: every percentage gives that one sum; no drawing in the window: nothing to show.
    const auto one = drawingCountSumStats(h, d, 2, 2, pc);
    ASSERT_EQ(one, (SumStats{122, 122, 122}));
    for (int p : {1, 10, 100}) {
        const auto v = powerIntervalView(*one, p);
        EXPECT_EQ((std::array{v.lower, v.upper}), (std::array{122, 122})) << p;
    }
    EXPECT_FALSE(drawingCountSumStats(h, d, 5, 9, pc));

    for (const auto &[p, lo, hi] : {std::tuple{1, 120, 121}, {10, 116, 125}, {50, 100, 145}, {100, 80, 170}}) {
        const auto v = powerIntervalView(SumStats{80, 120, 170}, p);
        EXPECT_EQ((std::array{v.lower, v.upper}), (std::array{lo, hi})) << p;
        EXPECT_EQ((std::array{v.lowest, v.middle, v.highest, v.sliderMin, v.sliderMax, v.sliderValue, v.sliderPos}),
                  (std::array{80, 120, 170, 80, 170, 120, 120}));
    }
    // Sums far beyond 16 bits (long digit histories) stay whole.
    const auto big = powerIntervalView(SumStats{70000, 90000, 120000}, 100);
    EXPECT_EQ(big.sliderMax, 120000);
    EXPECT_EQ(big.upper, 120000);
}

TEST(SumStats, TypedLimitsReachTheLargestSumAColumnCanReach)
{
    // Pick counts 5 9 0 7 2 (digits 0..4, or balls 0..4 of which three make a column).
    BallArray<int32_t> pc(0, 4, 0);
    for (int b = 0; const int32_t count : {5, 9, 0, 7, 2})
        pc[b++] = count;
    EXPECT_EQ(largestReachableSum(pc, 0, 4, 3, false), 9 + 7 + 5);
    EXPECT_EQ(largestReachableSum(pc, 0, 4, 3, true), 3 * 9);
    EXPECT_EQ(largestReachableSum(pc, 0, 4, 8, false), 23);  // fewer balls than columns
    EXPECT_EQ(largestReachableSum(pc, 2, 2, 3, true), 0);
    // 9999, or above it the largest column sum or the largest drawing sum (long histories).
    const struct {
        int64_t reachable;
        int32_t drawing, cap;
    } caps[] = {{21, 14, 9999}, {9999, 9999, 9999}, {20000, 12000, 20000}, {12000, 13000, 13000}, {int64_t{5} << 32, 0, INT32_MAX}};
    for (const auto &c : caps)
        EXPECT_EQ(intervalLimitCap(c.reachable, c.drawing), c.cap) << c.reachable << " " << c.drawing;
    for (const auto &[text, cap, limit] : {std::tuple{"15000", 20000, 15000}, {" 20000 ", 20000, 20000}, {"20001", 20000, -1},
                                           {"10000", 9999, -1}, {"0", 9999, 0}, {"1e4", 20000, -1}})
        EXPECT_EQ(intervalLimitText(QString::fromLatin1(text), cap).value_or(-1), limit) << text;
}

TEST(Recalculation, FillsEveryTableOfTheGameAndKeepsThemWhenRefused)
{
    const GameLayout g = GameLayout::twoDrum(30, 5, 10, 2);
    const History h = randomHistory(g, 40, 11);
    RecalcInputs in;
    in.fromWeek = 11;
    in.toWeek = 40;
    in.upToDate = weekDate(40);
    in.totalWeeks = 40;
    in.powerIncrease = true;
    in.level = 3;
    const PowerTables tables = recalculateAll(h, in, g);
    ASSERT_FALSE(tables.check.refused());
    for (const auto &[drum, analysis] : {std::pair{g.drum(Drum::Main), &tables.drums[0]}, std::pair{g.drum(Drum::Second), &tables.drums[1]}}) {
        ASSERT_EQ(analysis->pickCount.hi(), drum.maxBall);
        for (int b = drum.firstBall; b <= drum.maxBall; ++b)
            EXPECT_EQ(analysis->pickCount[b], model::pickCount(h, drum, b, 11, weekDate(40))) << "ball " << b;
        EXPECT_EQ(analysis->power, calculatePowerTable(h, drum, 40, 0, true, 11));
        EXPECT_TRUE(analysis->sumStats.has_value());
        // The pool of the drum's powers: its counts are the weights shown, its size their sum.
        const PoolFill fill = fillPoolFromPowers(analysis->power, {}, drum, in);
        int64_t total = 0;
        for (int b = drum.firstBall; b <= drum.maxBall; ++b)
            total += static_cast<int64_t>(fill.weights[b]);
        EXPECT_GT(total, 0);
        EXPECT_EQ(fill.pool.size(), total);
    }
    in.fromWeek = 41;
    const PowerTables refused = recalculateAll(h, in, g);
    EXPECT_EQ(refused.check.code, WindowCode::StartAfterEnd);
    EXPECT_TRUE(refused.drums[0].pickCount.empty());

    // On the board of such a lottery, 41 drawings without week 40 (listed as 40 drawings): POWER
    // over drawings 11 to 39 keeps each drum's tables, and a pool that holds each ball as often as
    // the count shown. The window of drawing 40 alone holds no drawing: POWER is refused, and the
    // tables show and keep what they did.
    SampleWorld world;
    BoardUser user(world);
    History drawings = randomHistory(g, 41, 12);
    drawings.erase(drawings.begin() + 39);
    world.openLottery(GameConfigRecord{1, QStringLiteral("Test"), 30, 10, 0, 5, 2, 0}, drawings);
    ASSERT_NE(user.board(), nullptr);
    const auto name = [](const char *control, Drum d, int ball) {
        return QStringLiteral("%1%2(%3)").arg(QLatin1String(control), d == Drum::Second ? "BONUS" : "").arg(ball);
    };
    const auto table = [&] {
        QStringList shown;
        for (const Drum d : kDrums)
            for (int b = 1; b <= g.drum(d).maxBall; ++b)
                for (const char *control : {"lblTotalPicks", "lblPowerPercent", "lblWeeksSincePick", "txtPoolCount"})
                    shown << user.text(name(control, d, b));
        return shown;
    };
    user.choose(QStringLiteral("cboEndDrawing"), 1);
    user.choose(QStringLiteral("cboStartDrawing"), 29);
    user.click(QStringLiteral("cmdPower"));
    const PowerTables shown =
        recalculateAll(drawings, {.fromWeek = 11, .toWeek = 39, .upToDate = weekDate(39), .totalWeeks = 40}, g);
    const OpenLottery &lottery = user.board()->lottery();
    const auto expectKept = [&] {
        for (const Drum d : kDrums) {
            const DrumState &s = lottery.drum(d);
            EXPECT_EQ(s.garrPickCount, shown.of(d).pickCount);
            EXPECT_EQ(s.garrPower, shown.of(d).power);
            int64_t total = 0;
            for (int b = 1; b <= g.drum(d).maxBall; ++b) {
                const int64_t count = user.text(name("txtPoolCount", d, b)).toLongLong();
                EXPECT_EQ(s.garrPool.count(b), count) << b;
                total += count;
            }
            EXPECT_GT(total, 0);
            EXPECT_EQ(std::pair(s.garrPool.size(), s.glngPoolTotal), std::pair(total, total));
        }
    };
    expectKept();
    const QStringList before = table();
    user.choose(QStringLiteral("cboEndDrawing"), 0);
    user.choose(QStringLiteral("cboStartDrawing"), 0);
    user.click(QStringLiteral("cmdPower"));
    EXPECT_EQ(world.messages.texts().back(), res(47020));
    EXPECT_EQ(table(), before);
    expectKept();
}

// The ticket-column generator: the shape of its columns, guarantees, the power interval, the repeat
// test, the distribution of its draws, the count of possible columns (against an enumeration of
// every column), and every way a run could fail to end.

#include "app/enginemessages.h"
#include "analysis/generator.h"
#include "analysis/openlottery.h"
#include "app/application.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <random>
#include <set>

namespace {

class Generator : public ::testing::Test {
protected:
    // A run of `target` new columns to its end, keeping `before` columns of the ticket; its ticket
    // becomes the ticket.
    RunStatus run(const GeneratorSetup &setup, int32_t target, int32_t before = 0)
    {
        TicketColumnGenerator generator(setup, std::move(ticket), before, target);
        const RunStatus status = generator.runToEnd();
        keep(generator);
        return status;
    }
    void keep(TicketColumnGenerator &generator)
    {
        made = generator.columnsMade();
        gridRow = generator.gridRow();
        ticket = generator.takeTicket();
    }
    std::vector<int32_t> rowOf(int r) const { return {ticket.row(r), ticket.row(r) + ticket.width()}; }
    void expectNoRepeatedRow() const
    {
        std::set<std::vector<int32_t>> seen;
        for (int r = 1; r <= ticket.rowCount(); ++r)
            EXPECT_TRUE(seen.insert(rowOf(r)).second) << "row " << r << " repeats";
    }

    // The ticket a DRAW keeps (the ticket of its last run), and the counts of that run.
    TicketGrid ticket;
    int32_t made = 0;
    int32_t gridRow = 0;
};

PartInputs part(const DrumShape &drum, int positions, bool distinct)
{
    PartInputs p;
    p.drum = drum;
    p.pool = Pool(drum.firstBall, std::vector<int64_t>(static_cast<size_t>(drum.ballCount()), 1));
    p.pickCount = BallArray<int32_t>(0, drum.maxBall, 0);
    p.guarantees.assign(static_cast<size_t>(positions), std::nullopt);
    p.distinct = distinct;
    return p;
}

GeneratorSetup lottoSetup(int maxBall, int picks, uint64_t seed = 1)
{
    GeneratorSetup s;
    s.lastPosition = picks;
    s.main = part(GameLayout::lotto(maxBall, picks).drum(Drum::Main), picks, true);
    s.seed = seed;
    return s;
}

GeneratorSetup digitSetup(int positions, uint64_t seed = 1)
{
    GeneratorSetup s;
    s.family = GameLayout::Family::Digit;
    s.firstPosition = 0;
    s.lastPosition = positions - 1;
    s.main = part(GameLayout::digits(positions).drum(Drum::Main), positions, false);
    s.seed = seed;
    return s;
}

GeneratorSetup twoDrumSetup(int maxBall, int picks, int maxBONUS, int bonus, uint64_t seed = 1)
{
    const GameLayout g = GameLayout::twoDrum(maxBall, picks, maxBONUS, bonus);
    GeneratorSetup s;
    s.family = GameLayout::Family::TwoDrum;
    s.lastPosition = picks + bonus;
    s.main = part(g.drum(Drum::Main), picks, true);
    s.second = part(g.drum(Drum::Second), bonus, true);
    s.seed = seed;
    return s;
}

bool holds(const std::vector<int32_t> &row, int32_t x) { return std::find(row.begin(), row.end(), x) != row.end(); }

// ---- An enumeration of every column a part can make, written without the generator -------------
namespace enumeration {

bool drawable(const PartInputs &p, int ball) { return p.pool.count(ball) > 0 && p.excluded.value(ball, 0) == 0; }

// Whether `values` (ascending for a lotto part, by position for digits) is a column of the part.
bool makes(const PartInputs &p, const std::vector<int> &values)
{
    std::vector<int> g;
    for (const auto &x : p.guarantees)
        if (x)
            g.push_back(*x);
    if (p.distinct) {
        if (std::set<int>(g.begin(), g.end()).size() != g.size())
            return false;
        for (int x : g)
            if (!holds(std::vector<int32_t>(values.begin(), values.end()), x))
                return false;
        for (int v : values)
            if (std::find(g.begin(), g.end(), v) == g.end() && !drawable(p, v))
                return false;
    } else {
        for (size_t i = 0; i < values.size(); ++i)
            if (p.guarantees[i] ? values[i] != *p.guarantees[i] : !drawable(p, values[i]))
                return false;
    }
    int64_t s = 0;
    for (int v : values)
        s += p.pickCount.value(v, 0);
    return !p.intervalOn || (s >= p.lower && s <= p.upper);
}

void walk(const PartInputs &p, std::vector<int> &values, int next, int64_t &count)
{
    if (values.size() == p.guarantees.size()) {
        count += makes(p, values);
        return;
    }
    for (int b = p.distinct ? next : p.drum.firstBall; b <= p.drum.maxBall; ++b) {
        values.push_back(b);
        walk(p, values, b + 1, count);
        values.pop_back();
    }
}

int64_t count(const PartInputs &p)
{
    std::vector<int> values;
    int64_t n = 0;
    walk(p, values, p.drum.firstBall, n);
    return n;
}

}  // namespace enumeration

}  // namespace

TEST_F(Generator, LottoColumnsAreAscendingDistinctWithinTheIntervalAndNeverRepeated)
{
    GeneratorSetup s = lottoSetup(49, 6, 42);
    s.main.guarantees[2] = 7;
    s.main.guarantees[4] = 13;
    for (int b = 1; b <= 49; ++b)
        s.main.pickCount[b] = b;
    s.main.intervalOn = true;
    s.main.lower = 140;
    s.main.upper = 160;
    EXPECT_EQ(run(s, 3000), RunStatus::TargetReached);
    ASSERT_EQ(ticket.rowCount(), 3000);
    EXPECT_EQ(ticket.firstPosition(), 1);
    EXPECT_EQ(ticket.lastPosition(), 6);
    for (int r = 1; r <= 3000; ++r) {
        const auto row = rowOf(r);
        EXPECT_TRUE(std::adjacent_find(row.begin(), row.end(), std::greater_equal<>()) == row.end()) << r;
        EXPECT_GE(row.front(), 1);
        EXPECT_LE(row.back(), 49);
        EXPECT_TRUE(holds(row, 7) && holds(row, 13)) << r;
        const int sum = std::accumulate(row.begin(), row.end(), 0);
        EXPECT_TRUE(sum >= 140 && sum <= 160) << sum;
    }
    expectNoRepeatedRow();
    EXPECT_EQ(made, 3000);
    EXPECT_EQ(gridRow, 3000);

    // Drums up to ball 63 and beyond it (the sets of a column's numbers take one word, then two):
    // every ball of the drum comes, and a column holds its numbers once each, ascending.
    for (const int highest : {63, 64, 90}) {
        SCOPED_TRACE(highest);
        GeneratorSetup wide = lottoSetup(highest, 6, 5);
        wide.main.guarantees[0] = highest;
        EXPECT_EQ(run(wide, 2000), RunStatus::TargetReached);
        std::set<int32_t> balls;
        for (int r = 1; r <= 2000; ++r) {
            const auto row = rowOf(r);
            EXPECT_TRUE(std::adjacent_find(row.begin(), row.end(), std::greater_equal<>()) == row.end()) << r;
            EXPECT_EQ(row.back(), highest);
            balls.insert(row.begin(), row.end());
        }
        EXPECT_EQ(balls.size(), static_cast<size_t>(highest));
        EXPECT_EQ(*balls.begin(), 1);
        expectNoRepeatedRow();
    }

    // A sum equal to a limit lies inside: only {1, 2, 3} sums to 6.
    GeneratorSetup limit = lottoSetup(6, 3);
    for (int b = 1; b <= 6; ++b)
        limit.main.pickCount[b] = b;
    limit.main.intervalOn = true;
    limit.main.lower = limit.main.upper = 6;
    EXPECT_EQ(run(limit, 1), RunStatus::TargetReached);
    EXPECT_EQ(rowOf(1), (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(Generator, DigitsStayInDrawingOrderAndTwoDrumPartsSortOnTheirOwn)
{
    GeneratorSetup s = digitSetup(3);
    s.main.pool = Pool(0, {0, 0, 0, 5, 0, 0, 0, 0, 0, 0});  // only digit 3 can be drawn
    s.main.guarantees[0] = 7;
    EXPECT_EQ(run(s, 1), RunStatus::TargetReached);
    EXPECT_EQ(ticket.firstPosition(), 0);
    EXPECT_EQ(rowOf(1), (std::vector<int32_t>{7, 3, 3}));
    // Digit sums count every position: 3, 3, 7 weighs 2 x pc(3) + pc(7).
    s.main.guarantees = {3, 3, 7};
    s.main.pickCount[3] = 10;
    s.main.pickCount[7] = 1;
    s.main.intervalOn = true;
    s.main.lower = s.main.upper = 21;
    EXPECT_EQ(countPossibleColumns(s), 1);

    GeneratorSetup two = twoDrumSetup(12, 4, 6, 2, 9);
    EXPECT_EQ(run(two, 400), RunStatus::TargetReached);
    bool shared = false;
    for (int r = 1; r <= 400; ++r) {
        const auto row = rowOf(r);
        ASSERT_EQ(row.size(), 6u);
        EXPECT_TRUE(std::adjacent_find(row.begin(), row.begin() + 4, std::greater_equal<>()) == row.begin() + 4);
        EXPECT_LE(row[3], 12);
        EXPECT_LT(row[4], row[5]);
        EXPECT_LE(row[5], 6);
        shared = shared || std::find(row.begin(), row.begin() + 4, row[4]) != row.begin() + 4;
    }
    EXPECT_TRUE(shared);  // a main number may equal a second-drum number
    expectNoRepeatedRow();
}

TEST_F(Generator, KeptColumnsStayAndAreNeverMadeAgain)
{
    // Guarantees on two of three digit positions leave ten columns; four are on the ticket.
    GeneratorSetup s = digitSetup(3);
    s.incremental = true;
    s.main.guarantees[0] = 1;
    s.main.guarantees[1] = 2;
    ticket = TicketGrid(0, 2);
    const std::vector<std::vector<int32_t>> kept{{1, 2, 0}, {1, 2, 5}, {9, 9, 9}, {1, 2, 9}};
    ticket.resizeRows(4);
    for (int r = 1; r <= 4; ++r)
        std::copy(kept[r - 1].begin(), kept[r - 1].end(), ticket.row(r));
    const DrawCheck check = checkTicketDraw(s, ticket, 4, 10);
    EXPECT_EQ(check.code, DrawCode::FewerColumns);
    EXPECT_EQ(check.available, 7);  // {9,9,9} could never be made here
    EXPECT_EQ(check.target, 7);
    EXPECT_EQ(run(s, check.target, 4), RunStatus::TargetReached);
    ASSERT_EQ(ticket.rowCount(), 11);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(rowOf(r), kept[static_cast<size_t>(r - 1)]);
    expectNoRepeatedRow();
}

TEST_F(Generator, ANewTicketStartsWithTheFirstColumnAndStopKeepsEveryCompleteOne)
{
    GeneratorSetup s = lottoSetup(20, 5);
    ticket = TicketGrid(1, 5);
    ticket.resizeRows(8);
    TicketColumnGenerator none(s, ticket, 0, 0);
    EXPECT_EQ(none.runToEnd(), RunStatus::TargetReached);
    EXPECT_EQ(none.ticket().rowCount(), 8);  // a run of 0 columns leaves the ticket alone
    EXPECT_EQ(run(s, 3), RunStatus::TargetReached);
    EXPECT_EQ(ticket.rowCount(), 3);

    // STOP: the ticket the run leaves holds every complete column, none before the first.
    TicketColumnGenerator gen(s, ticket, 0, 50);
    while (gen.columnsMade() < 5)
        gen.fncMakeTicketColumns();
    keep(gen);
    EXPECT_EQ(ticket.rowCount(), 5);
    EXPECT_NE(rowOf(5)[0], 0);
    TicketColumnGenerator stopped(s, ticket, 0, 50);
    keep(stopped);
    EXPECT_EQ(ticket.rowCount(), 0);
    EXPECT_EQ(cappedColumnsTarget(31990, 50), 10);
    EXPECT_EQ(cappedColumnsTarget(0, 50), 50);
    EXPECT_EQ(cappedColumnsTarget(32000, 5), 0);
}

TEST_F(Generator, DrawsFollowThePoolCountsAmongAllowedBalls)
{
    BallArray<int32_t> excluded(1, 5, 0);
    excluded[5] = 1;
    const DrumSampler sampler(Pool(1, {10, 30, 60, 0, 50}), excluded, GameLayout::lotto(5, 3).drum(Drum::Main));
    EXPECT_EQ(sampler.total(), 100);
    std::mt19937_64 engine(2024);
    std::map<int, int> seen;
    const int n = 200000;
    for (int i = 0; i < n; ++i)
        ++seen[sampler.draw(engine)];
    EXPECT_EQ(seen.count(4) + seen.count(5), 0u);
    double chi2 = 0;
    for (const auto &[ball, expected] : std::map<int, double>{{1, 0.1 * n}, {2, 0.3 * n}, {3, 0.6 * n}})
        chi2 += (seen[ball] - expected) * (seen[ball] - expected) / expected;
    EXPECT_LT(chi2, 13.8);  // 2 degrees of freedom, 0.1 %

    // A pool too large for a table of its elements draws through its running sums alike.
    const DrumSampler large(Pool(1, {int64_t{1} << 40, int64_t{3} << 40}), {}, GameLayout::lotto(2, 1).drum(Drum::Main));
    int ones = 0;
    for (int i = 0; i < 40000; ++i)
        ones += large.draw(engine) == 1;
    EXPECT_NEAR(ones / 40000.0, 0.25, 0.01);
    EXPECT_EQ(large.ballAt(0), 1);
    EXPECT_EQ(large.ballAt(large.total() - 1), 2);
    std::set<uint64_t> uniform;
    for (int i = 0; i < 1000; ++i)
        uniform.insert(uniformBelow(engine, 7));
    EXPECT_EQ(uniform, (std::set<uint64_t>{0, 1, 2, 3, 4, 5, 6}));
}

// Pick counts from a short window (0 to 8) and from a long one, where every ball was drawn tens
// of thousands of times and the interval lies far from 0: the count must match an enumeration of
// the columns either way.
TEST_F(Generator, PossibleColumnsMatchAnEnumeration)
{
    std::mt19937 rng(99);
    for (const int32_t base : {0, 60000}) {
        for (int trial = 0; trial < 120; ++trial) {
            const int kind = trial % 3;
            GeneratorSetup s = kind == 0   ? lottoSetup(8 + rng() % 7, 3 + rng() % 3)
                               : kind == 1 ? digitSetup(3 + rng() % 2)
                                           : twoDrumSetup(9 + rng() % 3, 3 + rng() % 2, 5 + rng() % 3, 1 + rng() % 2);
            for (PartInputs *p : {&s.main, &s.second}) {
                if (p->guarantees.empty())
                    continue;
                std::vector<int64_t> counts;
                for (int b = p->drum.firstBall; b <= p->drum.maxBall; ++b)
                    counts.push_back(rng() % 4 == 0 ? 0 : 1 + rng() % 3);
                p->pool = Pool(p->drum.firstBall, counts);
                p->excluded = BallArray<int32_t>(p->drum.firstBall, p->drum.maxBall, 0);
                for (int b = p->drum.firstBall; b <= p->drum.maxBall; ++b) {
                    p->excluded[b] = rng() % 5 == 0;
                    p->pickCount[b] = base + static_cast<int32_t>(rng() % 9);
                }
                for (auto &g : p->guarantees)
                    if (rng() % 4 == 0)
                        g = p->drum.firstBall + static_cast<int>(rng() % p->drum.ballCount());
                p->intervalOn = rng() % 2;
                const auto positions = static_cast<int32_t>(p->guarantees.size());
                p->lower = base * positions + static_cast<int32_t>(rng() % 12);
                p->upper = p->lower + static_cast<int32_t>(rng() % 14) - 2;
            }
            int64_t expected = enumeration::count(s.main);
            if (s.family == GameLayout::Family::TwoDrum)
                expected *= enumeration::count(s.second);
            EXPECT_EQ(countPossibleColumns(s), expected) << "base " << base << ", trial " << trial;
        }
    }
}

// ---- The plain draw of a part, enumerated --------------------------------------------------------
//
// The plain draw takes every drawn position from the whole pool and throws away the attempts with a
// number twice (lotto) or a sum outside the interval. Every ordered draw of the drawn positions is
// enumerated with the product of its pool counts as its weight.
struct PlainDraw {
    int drawn = 0;         // drawn positions
    double all = 0;        // the weight of every ordered draw (the pool size to the power `drawn`)
    double passing = 0;    // the weight of those that pass
    // The weight of each content that passes: the drawn numbers, ascending for a lotto part, by
    // drawn position for digits.
    std::map<std::vector<int32_t>, double> byDrawn;
    // The same by the whole part as a column holds it (guarantees in their places, lotto ascending).
    std::map<std::vector<int32_t>, double> byColumn;
};

PlainDraw plainDraw(const PartInputs &p)
{
    PlainDraw d;
    const int positions = static_cast<int>(p.guarantees.size());
    for (const auto &g : p.guarantees)
        d.drawn += g ? 0 : 1;
    const DrumSampler pool(p.pool, p.excluded, p.drum);
    d.all = std::pow(static_cast<double>(pool.total()), d.drawn);
    const auto &balls = pool.balls();
    const size_t n = balls.size();
    std::vector<int32_t> seq(static_cast<size_t>(d.drawn));
    std::vector<size_t> at(static_cast<size_t>(d.drawn), 0);
    for (;;) {
        double weight = 1;
        for (int k = 0; k < d.drawn; ++k) {
            seq[static_cast<size_t>(k)] = balls[at[static_cast<size_t>(k)]];
            weight *= static_cast<double>(p.pool.count(seq[static_cast<size_t>(k)]));
        }
        std::vector<int32_t> column;
        int next = 0;
        for (int i = 0; i < positions; ++i)
            column.push_back(p.guarantees[static_cast<size_t>(i)] ? *p.guarantees[static_cast<size_t>(i)]
                                                                   : seq[static_cast<size_t>(next++)]);
        int64_t sum = 0;
        for (int32_t x : column)
            sum += p.pickCount[x];
        std::vector<int32_t> sorted = column;
        std::sort(sorted.begin(), sorted.end());
        const bool repeats = std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
        if ((!p.distinct || !repeats) && (!p.intervalOn || (sum >= p.lower && sum <= p.upper))) {
            std::vector<int32_t> drawnSet = seq;
            if (p.distinct)
                std::sort(drawnSet.begin(), drawnSet.end());
            d.byDrawn[drawnSet] += weight;
            d.byColumn[p.distinct ? sorted : column] += weight;
            d.passing += weight;
        }
        int k = d.drawn - 1;
        while (k >= 0 && ++at[static_cast<size_t>(k)] == n)
            at[static_cast<size_t>(k--)] = 0;
        if (k < 0)
            break;
    }
    return d;
}

// Pearson's statistic of what was seen against the weights expected (every content seen must be
// expected); `outside` counts what was seen but not expected.
double chiSquare(const std::map<std::vector<int32_t>, double> &expected, double total,
                 const std::map<std::vector<int32_t>, int> &seen, int draws, int &outside)
{
    double chi2 = 0;
    for (const auto &[content, weight] : expected) {
        const double e = draws * weight / total;
        const auto it = seen.find(content);
        const double o = it == seen.end() ? 0 : it->second;
        chi2 += (o - e) * (o - e) / e;
    }
    outside = 0;
    for (const auto &[content, times] : seen)
        outside += expected.count(content) ? 0 : times;
    return chi2;
}

// Drawing within the interval must give every content the probability the plain draw gives it.
TEST_F(Generator, DrawingWithinTheIntervalFollowsThePlainDraw)
{
    std::mt19937 rng(5);
    for (int trial = 0; trial < 6; ++trial) {
        const bool digits = trial % 2 == 1;
        GeneratorSetup s = digits ? digitSetup(3) : lottoSetup(9, 3 + trial % 3 / 2);
        PartInputs &p = s.main;
        std::vector<int64_t> counts;
        for (int b = p.drum.firstBall; b <= p.drum.maxBall; ++b)
            counts.push_back(b == p.drum.firstBall + 2 ? 0 : 1 + static_cast<int64_t>(rng() % 4));
        p.pool = Pool(p.drum.firstBall, counts);
        p.excluded = BallArray<int32_t>(p.drum.firstBall, p.drum.maxBall, 0);
        p.excluded[p.drum.firstBall + 1] = 1;
        for (int b = p.drum.firstBall; b <= p.drum.maxBall; ++b)
            p.pickCount[b] = 40000 + static_cast<int32_t>(rng() % 7);
        if (trial >= 4)
            p.guarantees[1] = p.drum.firstBall + 3;
        p.intervalOn = true;
        const int positions = static_cast<int>(p.guarantees.size());
        p.lower = 40000 * positions + 6 + trial % 3;
        p.upper = p.lower + 1;

        const PlainDraw plain = plainDraw(p);
        const int drawn = plain.drawn;
        ASSERT_GT(plain.passing, 0) << "trial " << trial;

        // Drawn through the table, and from the list of the contents.
        for (const int64_t maxListed : {int64_t{0}, int64_t{1024}}) {
            const auto within = IntervalSampler::of(p, false, size_t{1} << 22, maxListed);
            ASSERT_TRUE(within.has_value());
            EXPECT_EQ(within->listed(), maxListed > 0);
            EXPECT_NEAR(within->acceptance(), plain.passing / plain.all, 1e-12 * within->acceptance()) << "trial " << trial;
            std::mt19937_64 engine(77 + static_cast<uint64_t>(trial));
            std::map<std::vector<int32_t>, int> seen;
            const int draws = 40000;
            for (int i = 0; i < draws; ++i) {
                std::vector<int32_t> out(static_cast<size_t>(drawn));
                within->draw(engine, out.data());
                ++seen[out];
            }
            int outside = 0;
            const double chi2 = chiSquare(plain.byDrawn, plain.passing, seen, draws, outside);
            EXPECT_EQ(outside, 0) << "trial " << trial;
            // The 0.1 % point of chi-square lies below 12 + 2 times the degrees of freedom.
            EXPECT_LT(chi2, 12.0 + 2.0 * static_cast<double>(plain.byDrawn.size() - 1)) << "trial " << trial;
        }

        // The generator draws within the interval here: every column meets it.
        s.seed = 3;
        const int possible = static_cast<int>(countPossibleColumns(s));
        EXPECT_EQ(run(s, std::min(possible, 5)), RunStatus::TargetReached) << "trial " << trial;
        for (int r = 1; r <= ticket.rowCount(); ++r) {
            int64_t sum = 0;
            for (int32_t x : rowOf(r))
                sum += p.pickCount[x];
            EXPECT_TRUE(sum >= p.lower && sum <= p.upper) << "trial " << trial << ", row " << r;
        }
    }
}

// A two-drum column must come out with the probability the plain draw gives it (both parts drawn
// afresh until both pass at once), whichever way each part is drawn: plainly, or within an
// interval under which few plain attempts pass. The first column of many runs against the
// product of the two parts' enumerated plain draws.
TEST_F(Generator, TwoDrumColumnsFollowThePlainDraw)
{
    std::mt19937 rng(17);
    // Per trial: whether the main part's interval is narrow, and the second part's.
    const std::array<std::array<bool, 2>, 4> narrow{{{false, false}, {true, false}, {false, true}, {true, true}}};
    for (size_t trial = 0; trial < narrow.size(); ++trial) {
        GeneratorSetup s = twoDrumSetup(12, 3, 12, 2);
        s.main.guarantees[1] = 5;
        for (int k = 0; k < 2; ++k) {
            PartInputs &p = k == 0 ? s.main : s.second;
            std::vector<int64_t> counts;
            for (int b = 1; b <= 12; ++b)
                counts.push_back(1 + static_cast<int64_t>(rng() % 4));
            p.pool = Pool(1, counts);
            p.excluded = BallArray<int32_t>(1, 12, 0);
            p.excluded[2] = k == 0;
            for (int b = 1; b <= 12; ++b)
                p.pickCount[b] = 500 + static_cast<int32_t>(rng() % 60);
            // Around the middle, the narrowest interval that holds three contents (drawn within
            // it), or that enough plain attempts pass for the part to be drawn plainly.
            p.intervalOn = true;
            const int32_t middle = 530 * static_cast<int32_t>(p.guarantees.size());
            std::optional<IntervalSampler> within;
            for (int32_t w = 0;
                 !within || (narrow[trial][k] ? plainDraw(p).byColumn.size() < 3 : within->acceptance() < within->cheaperBelow());
                 ++w) {
                p.lower = middle - w;
                p.upper = middle + w;
                within = IntervalSampler::of(p);
                ASSERT_TRUE(within.has_value());
            }
            EXPECT_EQ(within->acceptance() < within->cheaperBelow(), narrow[trial][k]) << "trial " << trial << ", part " << k;
        }
        const PlainDraw main = plainDraw(s.main);
        const PlainDraw second = plainDraw(s.second);
        std::map<std::vector<int32_t>, double> expected;
        for (const auto &[a, wa] : main.byColumn)
            for (const auto &[b, wb] : second.byColumn) {
                std::vector<int32_t> column = a;
                column.insert(column.end(), b.begin(), b.end());
                expected[column] = wa * wb;
            }
        std::map<std::vector<int32_t>, int> seen;
        const int runs = 20000;
        for (int i = 0; i < runs; ++i) {
            s.seed = 1000 * trial + static_cast<uint64_t>(i);
            ASSERT_EQ(run(s, 1), RunStatus::TargetReached);
            ++seen[rowOf(1)];
        }
        int outside = 0;
        const double chi2 = chiSquare(expected, main.passing * second.passing, seen, runs, outside);
        EXPECT_EQ(outside, 0) << "trial " << trial;
        // The 0.1 % point of chi-square (Wilson and Hilferty).
        const double df = static_cast<double>(expected.size() - 1);
        const double h = 2.0 / (9.0 * df);
        EXPECT_LT(chi2, df * std::pow(1 - h + 3.09 * std::sqrt(h), 3)) << "trial " << trial << ", " << df << " df";
    }
}

TEST_F(Generator, EveryHazardEndsWithAClearResult)
{
    app().glngLanguage = 2;
    const TicketGrid none;
    // Every ball excluded: refused; a run forced anyway gives up instead of hanging.
    GeneratorSetup s = lottoSetup(10, 3);
    s.main.excluded = BallArray<int32_t>(1, 10, 1);
    EXPECT_EQ(checkTicketDraw(s, none, 0, 5).code, DrawCode::PoolTooSmall);
    s.watchdogLimit = 1000;
    EXPECT_EQ(run(s, 5), RunStatus::GaveUp);
    EXPECT_EQ(made, 0);

    // An empty second-drum pool, or one ball for two second-drum numbers.
    GeneratorSetup two = twoDrumSetup(20, 5, 10, 2);
    two.second.pool = Pool(1, std::vector<int64_t>(10, 0));
    EXPECT_EQ(checkTicketDraw(two, none, 0, 5).code, DrawCode::SecondPoolTooSmall);
    two.second.pool = Pool(1, {0, 0, 4, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(checkTicketDraw(two, none, 0, 5).code, DrawCode::SecondPoolTooSmall);
    two.second.guarantees[0] = 7;  // a guarantee covers the other position
    EXPECT_EQ(checkTicketDraw(two, none, 0, 5).code, DrawCode::Ok);

    // Two equal guarantees.
    GeneratorSetup same = lottoSetup(20, 4);
    same.main.guarantees[0] = same.main.guarantees[3] = 5;
    const DrawCheck sameCheck = checkTicketDraw(same, none, 0, 5);
    EXPECT_EQ(sameCheck.code, DrawCode::SameGuarantees);
    EXPECT_TRUE(sameCheck.refused());
    EXPECT_FALSE(drawCheckText(sameCheck).isEmpty());

    // An interval no column can meet (lower above upper, or above every sum).
    GeneratorSetup narrow = lottoSetup(20, 4);
    narrow.main.intervalOn = true;
    narrow.main.lower = 10;
    narrow.main.upper = 9;
    EXPECT_EQ(checkTicketDraw(narrow, none, 0, 5).code, DrawCode::NoColumnPossible);
    narrow.main.upper = 2000000000;
    narrow.main.lower = 1;  // every pick count is 0
    EXPECT_EQ(checkTicketDraw(narrow, none, 0, 5).code, DrawCode::NoColumnPossible);

    // A three-digit game has 1000 columns: a target of 2000 becomes 1000, and the run ends.
    GeneratorSetup digits = digitSetup(3, 5);
    const DrawCheck capped = checkTicketDraw(digits, ticket, 0, 2000);
    EXPECT_EQ(capped.code, DrawCode::FewerColumns);
    EXPECT_EQ(capped.target, 1000);
    EXPECT_EQ(drawCheckText(capped),
              QStringLiteral("Only 1000 new columns can be made with these settings, so 1000 columns will be drawn."));
    EXPECT_EQ(run(digits, capped.target), RunStatus::TargetReached);
    EXPECT_EQ(ticket.rowCount(), 1000);
    expectNoRepeatedRow();
    digits.main.guarantees = {0, 0, 0};  // every position guaranteed: one column
    EXPECT_EQ(countPossibleColumns(digits), 1);

    // A run asked for more than exists (no check made) gives up and keeps what it made.
    GeneratorSetup few = lottoSetup(5, 4);
    few.watchdogLimit = 5000;
    EXPECT_EQ(run(few, 10), RunStatus::GaveUp);
    EXPECT_EQ(made, 5);
    EXPECT_EQ(ticket.rowCount(), 5);
    EXPECT_FALSE(drawGaveUpText().isEmpty());

    // The pool of a 6/49 lottery, kept when POWER was refused on a 3/10 lottery opened after it:
    // only this drum's balls are drawn.
    GeneratorSetup stale = lottoSetup(10, 3);
    stale.main.pool = Pool(1, std::vector<int64_t>(49, 1));
    EXPECT_EQ(countPossibleColumns(stale), 120);  // 10 choose 3
    EXPECT_EQ(run(stale, 120), RunStatus::TargetReached);
    for (int r = 1; r <= 120; ++r)
        EXPECT_LE(rowOf(r).back(), 10);
}

TEST_F(Generator, GuaranteeTextsAndTheSetupOfTheOpenGame)
{
    for (const char *nothing : {"", "abc", "0", "50", "99999999999", "1e1", "07", "7.4"})  // lotto: 0 is no guarantee
        EXPECT_EQ(parseGuarantee(QString::fromLatin1(nothing), 1, 49), std::nullopt) << nothing;
    EXPECT_EQ(parseGuarantee(QStringLiteral(" 7 "), 1, 49), 7);
    EXPECT_EQ(parseGuarantee(QStringLiteral("0"), 0, 9), 0);  // digits: it is the digit 0

    // The setup of a two-drum lottery reads each part's boxes against its own drum.
    OpenLottery lottery;
    lottery.applyGame(GameLayout::twoDrum(50, 5, 10, 2));
    lottery.gblnGuaranteeNumbers = true;
    const QStringList boxes{"", "3", "", "3", "", "x", "", "10"};  // positions 0..7
    const GeneratorSetup s = GeneratorSetup::fromLottery(lottery, [&](int k) { return boxes.value(k); });
    EXPECT_EQ(s.family, GameLayout::Family::TwoDrum);
    EXPECT_EQ(s.lastPosition, 7);
    EXPECT_EQ(s.main.guarantees, (std::vector<std::optional<int32_t>>{3, std::nullopt, 3, std::nullopt, std::nullopt}));
    EXPECT_EQ(s.second.guarantees, (std::vector<std::optional<int32_t>>{std::nullopt, 10}));
    lottery.gblnGuaranteeNumbers = false;
    EXPECT_EQ(GeneratorSetup::fromLottery(lottery, [&](int k) { return boxes.value(k); }).main.guarantees[0], std::nullopt);

    // A fixed seed gives the same ticket.
    EXPECT_EQ(run(lottoSetup(49, 6, 1234), 100), RunStatus::TargetReached);
    const TicketGrid first = ticket;
    run(lottoSetup(49, 6, 1234), 100);
    EXPECT_EQ(ticket, first);
}

// Making 32,000 ticket columns after POWER with the power interval on, for each family (a 6/49
// lotto, a two-drum 5/50 + 2/12 lotto with the interval on both drums, a seven-digit game), beside a
// fair floor in the same run: the tightest loops that make the same columns from the same pool
// under the same limits with the same random generator, one throwing away the draws outside the
// interval, one drawing inside it at once (from the list of a part's contents when they are few,
// as the generator does), and for a two-drum column each part either way; the floor is the
// fastest of them. The same over ten random histories, with the worst and the median
// ratio; and the count of possible columns DRAW checks before a run. Every run's columns, the
// generator's and the loops', are checked against the rules outside the timed part.

#include "analysis/generator.h"
#include "analysis/recalc.h"
#include "benchcolumns.h"
#include "benchhistory.h"
#include "benchseeds.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <limits>
#include <optional>
#include <type_traits>

namespace {

constexpr int kColumns = 32000;
constexpr uint64_t kEngineSeed = 20240611;

enum Family : int { Lotto649, TwoDrum550_212, Digits7 };

GameLayout shapeOf(Family f)
{
    switch (f) {
    case Lotto649:
        return GameLayout::lotto(49, 6);
    case TwoDrum550_212:
        return GameLayout::twoDrum(50, 5, 12, 2);
    case Digits7:
        break;
    }
    return GameLayout::digits(7);
}

// Drawings of the family from a fixed seed; the second drum's numbers come from a seed of their own.
History historyOf(Family f, int drawings, uint64_t seed)
{
    if (f != TwoDrum550_212)
        return benchHistory(shapeOf(f), drawings, seed);
    History h = benchHistory(GameLayout::lotto(50, 5), drawings, seed);
    const History second = benchHistory(GameLayout::lotto(12, 2), drawings, seed + 1);
    for (size_t w = 0; w < h.size(); ++w)
        std::copy_n(second[w].numbers.begin(), 2, h[w].numbers.begin() + 5);
    return h;
}

// POWER over `drawings` drawings (the whole history as the window), then the interval of
// `percent` around the mean drawing sum on every drum; on the second drum at least 10 %, as 2 of
// 12 balls make only 66 pairs, of which an interval of 1 % leaves one or none.
GeneratorSetup preparedSetup(Family f, int percent, int drawings = 5000, uint64_t seed = 49,
                             bool powerIncrease = false, int level = 2)
{
    const GameLayout g = shapeOf(f);
    OpenLottery lottery;
    lottery.applyGame(g);
    const History h = historyOf(f, drawings, seed);
    RecalcInputs in;
    in.fromWeek = 1;
    in.toWeek = drawings;
    in.upToDate = h.back().date;
    in.totalWeeks = drawings;
    in.powerIncrease = powerIncrease;
    in.level = level;
    const PowerTables tables = recalculateAll(h, in, g);
    for (Drum d : lottery.gLayout.drums()) {
        DrumState &state = lottery.drum(d);
        const DrumAnalysis &analysis = tables.of(d);
        state.garrPickCount = analysis.pickCount;
        state.garrPool = fillPoolFromPowers(analysis.power, {}, d == Drum::Second ? g.drum(Drum::Second) : g.drum(Drum::Main), in).pool;
        const PowerIntervalView v = powerIntervalView(analysis.sumStats.value_or(SumStats{}),
                                                      d == Drum::Second ? std::max(percent, 10) : percent);
        state.garrIntervalLimits = {v.lower, v.upper};
        state.gblnPowerInterval = true;
    }
    GeneratorSetup s = GeneratorSetup::fromLottery(lottery, {});
    s.seed = kEngineSeed;
    return s;
}

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

// Skips the benchmark when the columns of a run break the rules of the setup.
bool checked(benchmark::State &state, const GeneratorSetup &setup, const TicketGrid &ticket, const char *who)
{
    const QString fault = benchcolumns::ticketFault(setup, ticket, kColumns);
    if (fault.isEmpty())
        return true;
    state.SkipWithError((QString::fromLatin1(who) + QStringLiteral(": ") + fault).toStdString().c_str());
    return false;
}

// One run of the generator to 32,000 columns, timed; the ticket it made and the attempts it took.
struct Run {
    double ms = 0;
    int64_t attempts = 0;
    TicketGrid ticket;
};

Run generatorRun(const GeneratorSetup &setup)
{
    Run run;
    const Clock::time_point start = Clock::now();
    TicketColumnGenerator gen(setup, TicketGrid(), 0, kColumns);
    while (gen.columnsMade() < kColumns) {
        gen.fncMakeTicketColumns();
        ++run.attempts;
    }
    run.ticket = gen.takeTicket();
    run.ms = msSince(start);
    return run;
}

// ---- The tight loops ----------------------------------------------------------------------------
//
// The tightest loops that make the same columns: each part of a column drawn from the same pool,
// by one of two ways, and the column kept when new to an open-addressing set at most a quarter
// full. Each number drawn by a 64-bit uniform index into a table of the pool's elements (or into
// the running sums of the counts for a pool too large for a table), a part with a repeated number
// (lotto) or with its sum of pick counts outside the interval thrown away and drawn again (the
// other part of a two-drum column kept), lotto parts read off in order from the bits of their
// numbers. Or the part drawn inside the interval at once: the sum first, in proportion to the
// weight of the parts that have it (the product of their pool counts, over every order of a lotto
// part), then the numbers from the lowest ball (lotto) or the first position (digits) on, each in
// proportion to the weight of the parts it leaves to complete the sum, read from a table of those
// weights the run makes first; every draw is a part within the interval.

// A uniform number in [0, 1).
inline double uniform01(std::mt19937_64 &rng) { return static_cast<double>(rng() >> 11) * 0x1.0p-53; }

// The balls of a part that can be drawn, their pool counts and pick counts.
struct PartBalls {
    std::vector<int32_t> balls;
    std::vector<uint64_t> counts;
    std::vector<int64_t> picks;

    explicit PartBalls(const PartInputs &p)
    {
        for (int32_t b = p.pool.firstBall(); b <= p.pool.lastBall(); ++b) {
            if (p.pool.count(b) <= 0 || !p.drum.holds(b) || p.excluded.value(b, 0) != 0)
                continue;
            balls.push_back(b);
            counts.push_back(static_cast<uint64_t>(p.pool.count(b)));
            picks.push_back(p.pickCount.value(b, 0));
        }
    }
};

// A part drawn from the pool, thrown away when it fails.
struct RejectingPart {
    std::vector<int32_t> balls;
    std::vector<uint64_t> ends;
    std::vector<int8_t> flat;
    uint64_t total = 0;
    std::array<int64_t, 128> pick{};
    int64_t lower = 0;
    int64_t upper = 0;

    explicit RejectingPart(const PartInputs &p)
        : lower(p.intervalOn ? p.lower : std::numeric_limits<int64_t>::min()),
          upper(p.intervalOn ? p.upper : std::numeric_limits<int64_t>::max())
    {
        const PartBalls drawable(p);
        balls = drawable.balls;
        for (size_t k = 0; k < balls.size(); ++k) {
            total += drawable.counts[k];
            ends.push_back(total);
            pick[static_cast<size_t>(balls[k])] = drawable.picks[k];
        }
        // A pool small enough is drawn from a table of its elements, as the pool is kept.
        if (total <= (1u << 16))
            for (size_t k = 0; k < balls.size(); ++k)
                flat.insert(flat.end(), static_cast<size_t>(drawable.counts[k]), static_cast<int8_t>(balls[k]));
    }

    template <int K, bool Distinct>
    bool draw(std::mt19937_64 &rng, int32_t *c) const
    {
        uint64_t used = 0;
        int64_t sum = 0;
        for (int i = 0; i < K; ++i) {
            const auto u = static_cast<uint64_t>((static_cast<unsigned __int128>(rng()) * total) >> 64);
            const int32_t x = !flat.empty() ? flat[static_cast<size_t>(u)]
                                            : balls[static_cast<size_t>(std::upper_bound(ends.begin(), ends.end(), u) - ends.begin())];
            if (Distinct) {
                if (used >> x & 1)
                    return false;
                used |= uint64_t{1} << x;
            }
            c[i] = x;
            sum += pick[static_cast<size_t>(x)];
        }
        if (sum < lower || sum > upper)
            return false;
        if (Distinct) {
            // In order: the set bits from the lowest (every ball lies below 64).
            int i = 0;
            for (; used != 0; used &= used - 1)
                c[i++] = std::countr_zero(used);
        }
        return true;
    }
};

// A part drawn inside the interval at once. A table larger than the generator's own would be is
// not made: the part cannot be drawn this way (usable() false), nor can the generator's. A part of
// at most 1,024 contents within the interval lists them, as the generator does: a draw is then a
// random number and a search of the running sums of their weights.
struct WithinPart {
    static constexpr size_t kMaxCells = size_t{1} << 22;
    static constexpr size_t kMaxListed = 1024;

    bool distinct = true;
    int n = 0;  // balls that can be drawn
    int r = 0;  // numbers of the part
    std::vector<int32_t> balls;
    std::vector<double> counts;
    std::vector<int64_t> weights;  // pick counts less the smallest
    int64_t lo = 0, hi = -1;       // the interval less r times the smallest pick count
    size_t width = 0;
    // Lotto: the weight of the sets of j of the balls i..n-1 summing to s, at (i * (r + 1) + j) *
    // width + s. Digits: of the numbers of j positions summing to s, at j * width + s.
    std::vector<double> table;
    std::vector<double> cumulative;  // the weight of the parts of sums lo..s, s = lo..hi
    // A listed part: the running sums of the contents' weights, and the numbers of each.
    std::vector<double> listedEnd;
    std::vector<int32_t> listedNumbers;

    WithinPart() = default;
    WithinPart(const PartInputs &p, int numbers) : distinct(p.distinct), r(numbers)
    {
        const PartBalls drawable(p);
        balls = drawable.balls;
        n = static_cast<int>(balls.size());
        if (n == 0 || (distinct && n < r))
            return;
        const int64_t lightest = *std::min_element(drawable.picks.begin(), drawable.picks.end());
        for (int k = 0; k < n; ++k) {
            counts.push_back(static_cast<double>(drawable.counts[static_cast<size_t>(k)]));
            weights.push_back(drawable.picks[static_cast<size_t>(k)] - lightest);
        }
        std::vector<int64_t> heaviest = weights;
        std::sort(heaviest.rbegin(), heaviest.rend());
        int64_t most = 0;
        for (int j = 0; j < r; ++j)
            most += heaviest[static_cast<size_t>(distinct ? j : 0)];
        lo = p.intervalOn ? std::max<int64_t>(0, int64_t{p.lower} - r * lightest) : 0;
        hi = p.intervalOn ? std::min<int64_t>(most, int64_t{p.upper} - r * lightest) : most;
        if (hi < lo)
            return;
        width = static_cast<size_t>(hi) + 1;
        const size_t layers = distinct ? static_cast<size_t>(n) + 1 : 1;
        if (width > kMaxCells / layers / (static_cast<size_t>(r) + 1)) {
            width = 0;
            return;
        }
        table.assign(layers * (static_cast<size_t>(r) + 1) * width, 0.0);
        if (distinct) {
            at(n, 0, 0) = 1;
            for (int i = n - 1; i >= 0; --i) {
                const double c = counts[static_cast<size_t>(i)];
                const auto w = static_cast<size_t>(weights[static_cast<size_t>(i)]);
                for (int j = 0; j <= std::min(r, n - i); ++j) {
                    double *to = &at(i, j, 0);
                    const double *skip = &at(i + 1, j, 0);
                    std::copy(skip, skip + width, to);
                    if (j > 0) {
                        const double *take = &at(i + 1, j - 1, 0);
                        for (size_t s = w; s < width; ++s)
                            to[s] += c * take[s - w];
                    }
                }
            }
        } else {
            table[0] = 1;
            for (int j = 1; j <= r; ++j)
                for (int k = 0; k < n; ++k) {
                    const double c = counts[static_cast<size_t>(k)];
                    const auto w = static_cast<size_t>(weights[static_cast<size_t>(k)]);
                    const double *from = &table[static_cast<size_t>(j - 1) * width];
                    double *to = &table[static_cast<size_t>(j) * width];
                    for (size_t s = w; s < width; ++s)
                        to[s] += c * from[s - w];
                }
        }
        double running = 0;
        for (int64_t s = lo; s <= hi; ++s)
            cumulative.push_back(running += distinct ? at(0, r, s) : table[static_cast<size_t>(r) * width + static_cast<size_t>(s)]);
        std::vector<int32_t> chosen;
        for (int64_t s = lo; s <= hi && listedEnd.size() <= kMaxListed; ++s)
            list(0, r, s, 1.0, chosen);
        if (listedEnd.size() > kMaxListed) {
            listedEnd.clear();
            listedNumbers.clear();
        }
    }

    // Lists the contents of j numbers (from the ball `first` on for a lotto part) that complete
    // `chosen` to the sum s, with their weight times `weight`; no more than one past the most.
    void list(int first, int j, int64_t s, double weight, std::vector<int32_t> &chosen)
    {
        if (j == 0) {
            listedEnd.push_back((listedEnd.empty() ? 0.0 : listedEnd.back()) + weight);
            listedNumbers.insert(listedNumbers.end(), chosen.begin(), chosen.end());
            return;
        }
        const WithinPart &self = *this;
        for (int k = distinct ? first : 0; k < n && listedEnd.size() <= kMaxListed; ++k) {
            const int64_t rest = s - weights[static_cast<size_t>(k)];
            if ((distinct ? self.at(k + 1, j - 1, rest) : digitsAt(j - 1, rest)) <= 0)
                continue;
            chosen.push_back(balls[static_cast<size_t>(k)]);
            list(k + 1, j - 1, rest, weight * counts[static_cast<size_t>(k)], chosen);
            chosen.pop_back();
        }
    }

    bool usable() const { return width > 0; }
    bool empty() const { return cumulative.empty() || cumulative.back() <= 0; }
    double &at(int i, int j, int64_t s) { return table[(static_cast<size_t>(i) * (static_cast<size_t>(r) + 1) + static_cast<size_t>(j)) * width + static_cast<size_t>(s)]; }
    double at(int i, int j, int64_t s) const
    {
        return s < 0 ? 0.0 : table[(static_cast<size_t>(i) * (static_cast<size_t>(r) + 1) + static_cast<size_t>(j)) * width + static_cast<size_t>(s)];
    }
    double digitsAt(int j, int64_t s) const { return s < 0 ? 0.0 : table[static_cast<size_t>(j) * width + static_cast<size_t>(s)]; }

    template <int K, bool Distinct>
    bool draw(std::mt19937_64 &rng, int32_t *c) const
    {
        if (!listedEnd.empty()) {
            const double u = uniform01(rng) * listedEnd.back();
            const auto k = std::min(static_cast<size_t>(std::upper_bound(listedEnd.begin(), listedEnd.end(), u) - listedEnd.begin()),
                                    listedEnd.size() - 1);
            std::copy_n(listedNumbers.begin() + static_cast<std::ptrdiff_t>(k * K), K, c);
            return true;
        }
        const double u = uniform01(rng) * cumulative.back();
        int64_t s = lo + (std::upper_bound(cumulative.begin(), cumulative.end(), u) - cumulative.begin());
        // Rounding may carry past the last sum: back to the last one that has any weight.
        for (s = std::min(s, hi); (Distinct ? at(0, K, s) : digitsAt(K, s)) <= 0;)
            --s;
        int first = 0;
        for (int j = K; j >= 1; --j) {
            // The next number, in proportion to the weight of what it leaves for the rest.
            const auto weightOf = [&](int k) {
                const int64_t rest = s - weights[static_cast<size_t>(k)];
                return counts[static_cast<size_t>(k)] * (Distinct ? at(k + 1, j - 1, rest) : digitsAt(j - 1, rest));
            };
            const int last = Distinct ? n - j : n - 1;
            double v = uniform01(rng) * (Distinct ? at(first, j, s) : digitsAt(j, s));
            int pick = Distinct ? first : 0;
            for (double w; pick < last && v >= (w = weightOf(pick)); ++pick)
                v -= w;
            // Rounding may carry past the weight of the numbers: back to the last one that has any.
            while (weightOf(pick) <= 0)
                --pick;
            c[K - j] = balls[static_cast<size_t>(pick)];
            s -= weights[static_cast<size_t>(pick)];
            first = pick + 1;
        }
        return true;
    }
};

// The tight loops of one setup. A way is a set of bits: bit i on, part i drawn inside its
// interval; off, thrown away when it fails.
class TightLoops {
public:
    explicit TightLoops(const GeneratorSetup &setup) : setup_(setup) {}

    static constexpr int kRejecting = 0;
    int parts() const { return setup_.family == GameLayout::Family::TwoDrum ? 2 : 1; }
    int allWithin() const { return (1 << parts()) - 1; }

    // One run of `way` to 32,000 columns (its tables made within the run, as the generator makes
    // its own), timed; nothing when a part cannot be drawn inside its interval that way.
    std::optional<Run> run(int way)
    {
        switch (setup_.family) {
        case GameLayout::Family::Lotto:
            return dispatch<6, true, 0>(way);
        case GameLayout::Family::TwoDrum:
            return dispatch<5, true, 2>(way);
        case GameLayout::Family::Digit:
            break;
        }
        return dispatch<7, false, 0>(way);
    }

private:
    template <int K, bool Distinct, int B>
    std::optional<Run> dispatch(int way)
    {
        switch (way) {
        case 0:
            return timed<K, Distinct, B, RejectingPart, RejectingPart>();
        case 1:
            return timed<K, Distinct, B, WithinPart, RejectingPart>();
        case 2:
            return timed<K, Distinct, B, RejectingPart, WithinPart>();
        default:
            return timed<K, Distinct, B, WithinPart, WithinPart>();
        }
    }

    template <class Part>
    static Part partOf(const PartInputs &p, int numbers)
    {
        if constexpr (std::is_same_v<Part, WithinPart>)
            return WithinPart(p, numbers);
        else
            return RejectingPart(p);
    }

    template <int K, bool Distinct, int B, class Main, class Second>
    std::optional<Run> timed()
    {
        constexpr size_t kSlots = size_t{1} << 17;
        constexpr uint64_t kEmpty = ~uint64_t{0};
        std::mt19937_64 rng(kEngineSeed);
        Run run;
        const Clock::time_point start = Clock::now();
        const Main main = partOf<Main>(setup_.main, K);
        const Second second = partOf<Second>(setup_.second, B);
        if constexpr (std::is_same_v<Main, WithinPart>)
            if (!main.usable() || main.empty())
                return std::nullopt;
        if constexpr (B > 0 && std::is_same_v<Second, WithinPart>)
            if (!second.usable() || second.empty())
                return std::nullopt;
        std::vector<uint64_t> set(kSlots, kEmpty);
        std::vector<std::array<int32_t, K + B>> columns;
        columns.reserve(kColumns);
        std::array<int32_t, K + B> c{};
        bool mainDrawn = false;
        bool secondDrawn = B == 0;
        while (static_cast<int>(columns.size()) < kColumns) {
            ++run.attempts;
            mainDrawn = mainDrawn || main.template draw<K, Distinct>(rng, c.data());
            if constexpr (B > 0)
                secondDrawn = secondDrawn || second.template draw<B, true>(rng, c.data() + K);
            if (!mainDrawn || !secondDrawn)
                continue;
            mainDrawn = false;
            secondDrawn = B == 0;
            uint64_t key = 0;
            for (int32_t x : c)
                key = key << 8 | static_cast<uint64_t>(x);
            size_t i = (key * 0x9E3779B97F4A7C15ULL) >> 47;
            while (set[i] != kEmpty && set[i] != key)
                i = (i + 1) & (kSlots - 1);
            if (set[i] == key)
                continue;
            set[i] = key;
            columns.push_back(c);
        }
        run.ms = msSince(start);
        run.ticket.reshape(setup_.firstPosition, setup_.lastPosition);
        run.ticket.resizeRows(kColumns);
        for (int r = 1; r <= kColumns; ++r)
            std::copy(columns[static_cast<size_t>(r - 1)].begin(), columns[static_cast<size_t>(r - 1)].end(), run.ticket.row(r));
        return run;
    }

    GeneratorSetup setup_;
};

const char *wayName(int way) { return way == 0 ? "rejecting loop" : "loop drawing within the interval"; }

void countersOf(benchmark::State &state, const GeneratorSetup &setup, int64_t attempts)
{
    state.counters["attempts/column"] = static_cast<double>(attempts) / (state.iterations() * kColumns);
    state.counters["lower"] = setup.main.lower;
    state.counters["upper"] = setup.main.upper;
    if (setup.family == GameLayout::Family::TwoDrum) {
        state.counters["second_lower"] = setup.second.lower;
        state.counters["second_upper"] = setup.second.upper;
    }
    state.counters["pool"] = static_cast<double>(setup.main.pool.size());
}

// Every setup leaves at least twice the columns a run makes, or the loops would never end.
bool enoughColumns(benchmark::State &state, const GeneratorSetup &setup)
{
    if (countPossibleColumns(setup) >= 2 * kColumns)
        return true;
    state.SkipWithError("fewer than 64,000 possible columns");
    return false;
}

void runGenerator(benchmark::State &state, const GeneratorSetup &setup)
{
    if (!enoughColumns(state, setup))
        return;
    int64_t attempts = 0;
    for (auto _ : state) {
        const Run run = generatorRun(setup);
        state.SetIterationTime(run.ms / 1e3);
        attempts += run.attempts;
        if (!checked(state, setup, run.ticket, "the generator"))
            return;
    }
    countersOf(state, setup, attempts);
}

// The tight loop of `way`; skipped when a part cannot be drawn that way.
void runTightLoop(benchmark::State &state, const GeneratorSetup &setup, int way)
{
    if (!enoughColumns(state, setup))
        return;
    TightLoops loops(setup);
    if (way > loops.allWithin()) {
        state.SkipWithError("no such way for this game");
        return;
    }
    int64_t attempts = 0;
    for (auto _ : state) {
        const std::optional<Run> run = loops.run(way);
        if (!run) {
            state.SkipWithError("a part cannot be drawn inside its interval this way");
            return;
        }
        state.SetIterationTime(run->ms / 1e3);
        attempts += run->attempts;
        if (!checked(state, setup, run->ticket, "the tight loop"))
            return;
    }
    countersOf(state, setup, attempts);
}

constexpr uint64_t kOneHistory = 49;

// The arguments: the interval's percentage (and for the loops the way: bit 0 the main part drawn
// inside its interval, bit 1 the second part); the 6/49 lotto, the two-drum 5/50 + 2/12 lotto,
// the seven-digit game; over one history of 5,000 drawings.
template <Family F>
void BM_Generator32000(benchmark::State &state)
{
    runGenerator(state, preparedSetup(F, static_cast<int>(state.range(0)), 5000, kOneHistory));
}
template <Family F>
void BM_TightLoop32000(benchmark::State &state)
{
    runTightLoop(state, preparedSetup(F, static_cast<int>(state.range(0)), 5000, kOneHistory), static_cast<int>(state.range(1)));
}

// Power increase at level 4 over a window of 500,000 drawings of the 6/49: a pool of some 10^11
// elements, drawn through its running sums.
constexpr int kLongWindow = 500000;
void BM_Generator32000_PowerIncrease4_LongWindow(benchmark::State &state)
{
    runGenerator(state, preparedSetup(Lotto649, static_cast<int>(state.range(0)), kLongWindow, kOneHistory, true, 4));
}
void BM_TightLoop32000_PowerIncrease4_LongWindow(benchmark::State &state)
{
    runTightLoop(state, preparedSetup(Lotto649, static_cast<int>(state.range(0)), kLongWindow, kOneHistory, true, 4),
                 static_cast<int>(state.range(1)));
}

// The generator and every tight loop on one history of 5,000 drawings, each run alone in a
// process of its own by scripts/bench, so that its one run is the first of its process. The
// arguments: the family, the percentage, the seed of the history, and -1 for the generator or
// the way of the loop.
void BM_FirstRun32000(benchmark::State &state)
{
    const GeneratorSetup setup = preparedSetup(static_cast<Family>(state.range(0)), static_cast<int>(state.range(1)), 5000,
                                               static_cast<uint64_t>(state.range(2)));
    if (state.range(3) < 0)
        runGenerator(state, setup);
    else
        runTightLoop(state, setup, static_cast<int>(state.range(3)));
}

// The generator beside the tight loops over ten random histories of 5,000 drawings: for each
// history seven rounds, each a run of the generator and of every way of the loops; the floor of
// the history is the lowest of the ways' medians, its ratio the generator's median over the floor.
// The time is the generator's median over the histories. The arguments: the family, then the
// percentage.
void BM_GeneratorOverBaseline_TenHistories(benchmark::State &state)
{
    const auto family = static_cast<Family>(state.range(0));
    const int percent = static_cast<int>(state.range(1));
    for (auto _ : state) {
        std::vector<double> ratios, generatorMs, floorMs;
        for (uint32_t seed : benchseeds::kSeeds) {
            const GeneratorSetup setup = preparedSetup(family, percent, 5000, seed);
            if (!enoughColumns(state, setup))
                return;
            TightLoops loops(setup);
            std::vector<double> gen;
            std::vector<std::vector<double>> ways(static_cast<size_t>(loops.allWithin()) + 1);
            for (int i = 0; i < 7; ++i) {
                const Run run = generatorRun(setup);
                if (!checked(state, setup, run.ticket, "the generator"))
                    return;
                gen.push_back(run.ms);
                for (int way = 0; way <= loops.allWithin(); ++way)
                    if (const std::optional<Run> loop = loops.run(way)) {
                        if (!checked(state, setup, loop->ticket, wayName(way)))
                            return;
                        ways[static_cast<size_t>(way)].push_back(loop->ms);
                    }
            }
            double floor = std::numeric_limits<double>::infinity();
            for (const std::vector<double> &way : ways)
                if (!way.empty())
                    floor = std::min(floor, benchseeds::median(way));
            generatorMs.push_back(benchseeds::median(gen));
            floorMs.push_back(floor);
            ratios.push_back(generatorMs.back() / floor);
        }
        state.SetIterationTime(benchseeds::median(generatorMs) / 1000.0);
        state.counters["ratio_worst"] = *std::max_element(ratios.begin(), ratios.end());
        state.counters["ratio_median"] = benchseeds::median(ratios);
        state.counters["generator_ms_median"] = benchseeds::median(generatorMs);
        state.counters["baseline_ms_median"] = benchseeds::median(floorMs);
    }
}

// The count of possible columns DRAW makes before a run, at 1 %, over windows of 5,000 to
// 500,000 drawings (the argument): the pick counts, and with them the sums, grow with the window.
void BM_CountPossibleColumns_Interval1(benchmark::State &state)
{
    const GeneratorSetup setup = preparedSetup(Lotto649, 1, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(countPossibleColumns(setup));
    state.counters["upper"] = setup.main.upper;
}

// The check DRAW makes before a run: the count of possible columns (6 of 49 under the interval)
// less the 32,000 columns of a kept ticket.
void BM_DrawCheckWithFullTicket(benchmark::State &state)
{
    GeneratorSetup setup = preparedSetup(Lotto649, 10);
    const TicketGrid ticket = generatorRun(setup).ticket;
    setup.incremental = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(checkTicketDraw(setup, ticket, kColumns, 1));
}

void percents(benchmark::internal::Benchmark *b) { b->Arg(100)->Arg(10)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond); }

// Every way of the loops of a family of `parts` parts at every percentage.
void ways(benchmark::internal::Benchmark *b, int parts)
{
    b->ArgsProduct({{100, 10, 1}, parts == 2 ? std::vector<int64_t>{0, 1, 2, 3} : std::vector<int64_t>{0, 1}})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

// Every family, percentage and history of the ten, the generator (-1) and every way of the loops.
void firstRuns(benchmark::internal::Benchmark *b)
{
    for (Family f : {Lotto649, TwoDrum550_212, Digits7})
        for (int64_t percent : {100, 10, 1})
            for (uint32_t seed : benchseeds::kSeeds)
                for (int64_t way = -1; way <= (f == TwoDrum550_212 ? 3 : 1); ++way)
                    b->Args({f, percent, seed, way});
    b->UseManualTime()->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_DrawCheckWithFullTicket)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountPossibleColumns_Interval1)->Arg(5000)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TightLoop32000<Lotto649>)->Name("BM_TightLoop32000")->Apply([](auto *b) { ways(b, 1); });
BENCHMARK(BM_Generator32000<Lotto649>)->Name("BM_Generator32000")->Apply(percents);
BENCHMARK(BM_TightLoop32000<TwoDrum550_212>)->Name("BM_TightLoop32000_TwoDrum550_212")->Apply([](auto *b) { ways(b, 2); });
BENCHMARK(BM_Generator32000<TwoDrum550_212>)->Name("BM_Generator32000_TwoDrum550_212")->Apply(percents);
BENCHMARK(BM_TightLoop32000<Digits7>)->Name("BM_TightLoop32000_Digits7")->Apply([](auto *b) { ways(b, 1); });
BENCHMARK(BM_Generator32000<Digits7>)->Name("BM_Generator32000_Digits7")->Apply(percents);
BENCHMARK(BM_TightLoop32000_PowerIncrease4_LongWindow)->Args({10, 0})->Args({10, 1})->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generator32000_PowerIncrease4_LongWindow)->Arg(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratorOverBaseline_TenHistories)
    ->ArgsProduct({{Lotto649, TwoDrum550_212, Digits7}, {100, 10, 1}})
    ->Iterations(1)
    ->Repetitions(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstRun32000)->Apply(firstRuns);
BENCHMARK_MAIN();

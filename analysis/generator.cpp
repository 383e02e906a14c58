#include "analysis/generator.h"

#include "analysis/openlottery.h"
#include "platform/vb.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace {

constexpr int64_t kFlatTableLimit = 1 << 16;
constexpr uint64_t kEmptySlot = ~uint64_t{0};

int64_t saturatingAdd(int64_t a, int64_t b)
{
    return a > std::numeric_limits<int64_t>::max() - b ? std::numeric_limits<int64_t>::max() : a + b;
}

int64_t saturatingMul(int64_t a, int64_t b)
{
    const __int128 p = static_cast<__int128>(a) * b;
    return p > std::numeric_limits<int64_t>::max() ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(p);
}

uint64_t entropySeed()
{
    std::random_device device;
    const uint64_t fromDevice = (static_cast<uint64_t>(device()) << 32) ^ device();
    const auto now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return fromDevice ^ (now * 0x9E3779B97F4A7C15ULL);
}

// What a part can draw: the drawable balls of its pool, less the guaranteed balls of a lotto part
// (a drawn ball equal to a guaranteed one would fail the distinctness test).
struct PartView {
    std::vector<int32_t> guaranteed;   // valid guarantees in position order
    int drawnPositions = 0;
    std::vector<int32_t> drawable;     // balls a drawn position can usefully take
    bool sameGuarantees = false;
};

PartView viewOf(const PartInputs &p)
{
    PartView v;
    for (const auto &g : p.guarantees) {
        if (g)
            v.guaranteed.push_back(*g);
        else
            ++v.drawnPositions;
    }
    if (p.distinct) {
        std::vector<int32_t> sorted = v.guaranteed;
        std::sort(sorted.begin(), sorted.end());
        v.sameGuarantees = std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
    }
    const DrumSampler sampler(p.pool, p.excluded, p.drum);
    for (int32_t b : sampler.balls()) {
        if (p.distinct && std::find(v.guaranteed.begin(), v.guaranteed.end(), b) != v.guaranteed.end())
            continue;
        v.drawable.push_back(b);
    }
    return v;
}

bool partCanFill(const PartInputs &p, const PartView &v)
{
    return p.distinct ? static_cast<int>(v.drawable.size()) >= v.drawnPositions
                      : v.drawnPositions == 0 || !v.drawable.empty();
}

int64_t pickCountOf(const PartInputs &p, int32_t ball) { return p.pickCount.value(ball, 0); }

// The sums of pick counts that matter for a part's drawn positions. They only matter with the
// interval on; otherwise every ball weighs 0. Every drawn position adds at least the smallest pick
// count of the drawable balls, so the sums are counted less that much per position placed: their
// range is the spread of the pick counts times the positions, not the (much larger) upper limit.
struct PartSums {
    int64_t lo = 0;        // the window of the drawn positions' shifted sum, inclusive
    int64_t hi = 0;
    int64_t lightest = 0;  // the shift per position
    bool none = false;     // no sum of the drawn positions meets the interval

    int64_t weight(const PartInputs &p, int32_t ball) const
    {
        return p.intervalOn ? std::max<int64_t>(pickCountOf(p, ball), 0) - lightest : 0;
    }
};

PartSums sumsOf(const PartInputs &p, const PartView &v)
{
    PartSums sums;
    if (!p.intervalOn)
        return sums;
    const int r = v.drawnPositions;
    int64_t guaranteedSum = 0;
    for (int32_t g : v.guaranteed)
        guaranteedSum += pickCountOf(p, g);
    int64_t heaviest = 0;
    if (!v.drawable.empty()) {
        sums.lightest = std::numeric_limits<int64_t>::max();
        for (int32_t b : v.drawable) {
            const int64_t w = std::max<int64_t>(pickCountOf(p, b), 0);
            sums.lightest = std::min(sums.lightest, w);
            heaviest = std::max(heaviest, w);
        }
    }
    const int64_t base = sums.lightest * r;
    sums.lo = std::max<int64_t>(static_cast<int64_t>(p.lower) - guaranteedSum - base, 0);
    sums.hi = std::min<int64_t>(static_cast<int64_t>(p.upper) - guaranteedSum - base, (heaviest - sums.lightest) * r);
    sums.none = sums.hi < sums.lo;
    return sums;
}

// The number of different contents a part can take (for a lotto part: sets of balls).
int64_t countPart(const PartInputs &p)
{
    const PartView v = viewOf(p);
    if (v.sameGuarantees)
        return 0;
    const int r = v.drawnPositions;
    if (p.distinct && static_cast<int>(v.drawable.size()) < r)
        return 0;
    if (!p.distinct && r > 0 && v.drawable.empty())
        return 0;

    const PartSums sums = sumsOf(p, v);
    if (sums.none)
        return 0;
    const int64_t lo = sums.lo;
    const int64_t hi = sums.hi;
    const auto weight = [&](int32_t b) { return sums.weight(p, b); };
    const size_t sumCount = static_cast<size_t>(hi) + 1;

    int64_t total = 0;
    if (p.distinct) {
        // ways[j][s]: sets of j drawable balls whose pick counts add up to s.
        std::vector<std::vector<int64_t>> ways(static_cast<size_t>(r) + 1, std::vector<int64_t>(sumCount, 0));
        ways[0][0] = 1;
        int seen = 0;
        for (int32_t b : v.drawable) {
            const int64_t w = weight(b);
            ++seen;
            for (int j = std::min(r, seen); j >= 1; --j) {
                auto &to = ways[static_cast<size_t>(j)];
                const auto &from = ways[static_cast<size_t>(j - 1)];
                for (int64_t s = hi; s >= w; --s)
                    to[static_cast<size_t>(s)] = saturatingAdd(to[static_cast<size_t>(s)], from[static_cast<size_t>(s - w)]);
            }
        }
        for (int64_t s = lo; s <= hi; ++s)
            total = saturatingAdd(total, ways[static_cast<size_t>(r)][static_cast<size_t>(s)]);
    } else {
        // ways[s]: contents of the drawn positions so far whose pick counts add up to s.
        std::vector<int64_t> ways(sumCount, 0), next(sumCount, 0);
        ways[0] = 1;
        for (int k = 0; k < r; ++k) {
            std::fill(next.begin(), next.end(), 0);
            for (int32_t d : v.drawable) {
                const int64_t w = weight(d);
                for (int64_t s = w; s <= hi; ++s)
                    next[static_cast<size_t>(s)] = saturatingAdd(next[static_cast<size_t>(s)], ways[static_cast<size_t>(s - w)]);
            }
            ways.swap(next);
        }
        for (int64_t s = lo; s <= hi; ++s)
            total = saturatingAdd(total, ways[static_cast<size_t>(s)]);
    }
    return total;
}

// Whether the part of a kept ticket row is one that this setup could make.
bool partAchievable(const PartInputs &p, const PartView &v, const int32_t *values)
{
    const int n = static_cast<int>(p.guarantees.size());
    int64_t sum = 0;
    if (p.distinct) {
        for (int i = 1; i < n; ++i)
            if (values[i] <= values[i - 1])
                return false;  // made columns are ascending
        int guaranteedFound = 0;
        for (int i = 0; i < n; ++i) {
            const int32_t x = values[i];
            if (std::find(v.guaranteed.begin(), v.guaranteed.end(), x) != v.guaranteed.end())
                ++guaranteedFound;
            else if (!std::binary_search(v.drawable.begin(), v.drawable.end(), x))
                return false;
            sum += pickCountOf(p, x);
        }
        if (guaranteedFound != static_cast<int>(v.guaranteed.size()))
            return false;
    } else {
        for (int i = 0; i < n; ++i) {
            const int32_t x = values[i];
            if (p.guarantees[static_cast<size_t>(i)]) {
                if (x != *p.guarantees[static_cast<size_t>(i)])
                    return false;
            } else if (!std::binary_search(v.drawable.begin(), v.drawable.end(), x)) {
                return false;
            }
            sum += pickCountOf(p, x);
        }
    }
    return !p.intervalOn || (sum >= p.lower && sum <= p.upper);
}

std::vector<const PartInputs *> partsOf(const GeneratorSetup &setup)
{
    if (setup.family == GameLayout::Family::TwoDrum)
        return {&setup.main, &setup.second};
    return {&setup.main};
}

void fillPart(PartInputs &part, const DrumShape &drum, const DrumState &state, bool distinct)
{
    part.drum = drum;
    part.pool = state.garrPool;
    part.excluded = state.garrExcluded;
    part.pickCount = state.garrPickCount;
    part.intervalOn = state.gblnPowerInterval;
    part.lower = state.garrIntervalLimits[0];
    part.upper = state.garrIntervalLimits[1];
    part.distinct = distinct;
}

void readGuarantees(PartInputs &part, int firstPosition, int count, bool guaranteeNumbers,
                    const std::function<QString(int)> &guaranteeText)
{
    part.guarantees.assign(static_cast<size_t>(count), std::nullopt);
    if (!guaranteeNumbers || !guaranteeText)
        return;
    for (int i = 0; i < count; ++i)
        part.guarantees[static_cast<size_t>(i)] =
            parseGuarantee(guaranteeText(firstPosition + i), part.drum.firstBall, part.drum.maxBall);
}

}  // namespace

// ---- Setup ----------------------------------------------------------------------------------------

std::optional<int32_t> parseGuarantee(const QString &text, int32_t lo, int32_t hi)
{
    const auto value = vb::plainDecimal(text);
    if (!value || *value < lo || *value > hi)
        return std::nullopt;
    return value;
}

GeneratorSetup GeneratorSetup::fromLottery(const OpenLottery &lottery,
                                           const std::function<QString(int position)> &guaranteeText)
{
    const GameLayout &game = lottery.gLayout;
    const bool guarantees = lottery.gblnGuaranteeNumbers;
    GeneratorSetup s;
    s.incremental = lottery.gblnIncrementalTicket;
    s.family = game.family;
    // A column holds the positions of a drawing up to the last a guarantee can take: the main
    // numbers, the second drum's too on two-drum games, every digit.
    s.firstPosition = game.firstPosition;
    s.lastPosition = game.lastGuaranteePosition();
    // Lotto numbers are distinct within their drum; digits repeat freely.
    const bool distinct = !game.digits();
    for (Drum drum : game.drums()) {
        PartInputs &part = drum == Drum::Second ? s.second : s.main;
        fillPart(part, game.drum(drum), lottery.drum(drum), distinct);
        const int first = game.firstPositionOf(drum);
        const int last = drum == Drum::Second ? game.lastPosition : game.lastMainPosition;
        readGuarantees(part, first, last - first + 1, guarantees, guaranteeText);
    }
    return s;
}

// ---- Checks before a run --------------------------------------------------------------------------

int64_t countPossibleColumns(const GeneratorSetup &setup)
{
    int64_t total = 1;
    for (const PartInputs *p : partsOf(setup))
        total = saturatingMul(total, countPart(*p));
    return total;
}

int firstPartUnableToFill(const GeneratorSetup &setup)
{
    const auto parts = partsOf(setup);
    for (size_t i = 0; i < parts.size(); ++i)
        if (!partCanFill(*parts[i], viewOf(*parts[i])))
            return static_cast<int>(i);
    return -1;
}

DrawCheck checkTicketDraw(const GeneratorSetup &setup, const TicketGrid &grid, int32_t before, int32_t target)
{
    DrawCheck check;
    check.target = target;
    if (target <= 0)
        return check;

    const auto parts = partsOf(setup);
    std::vector<PartView> views;
    for (const PartInputs *p : parts)
        views.push_back(viewOf(*p));
    for (size_t i = 0; i < parts.size(); ++i)
        if (views[i].sameGuarantees) {
            check.code = DrawCode::SameGuarantees;
            return check;
        }
    for (size_t i = 0; i < parts.size(); ++i) {
        if (!partCanFill(*parts[i], views[i])) {
            check.code = i == 0 ? DrawCode::PoolTooSmall : DrawCode::SecondPoolTooSmall;
            return check;
        }
    }

    int64_t available = countPossibleColumns(setup);
    // Columns kept on the ticket that this setup could make again cannot be made anew.
    if (setup.incremental && before > 0 && grid.firstPosition() == setup.firstPosition
        && grid.lastPosition() == setup.lastPosition) {
        std::vector<std::vector<int32_t>> rows;
        const int keptRows = std::min(before, grid.rowCount());
        for (int r = 1; r <= keptRows; ++r)
            rows.emplace_back(grid.row(r), grid.row(r) + grid.width());
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        for (const auto &row : rows) {
            bool achievable = true;
            int offset = 0;
            for (size_t i = 0; i < parts.size() && achievable; ++i) {
                achievable = partAchievable(*parts[i], views[i], row.data() + offset);
                offset += static_cast<int>(parts[i]->guarantees.size());
            }
            if (achievable)
                --available;
        }
    }
    check.available = std::max<int64_t>(available, 0);
    if (check.available == 0)
        check.code = DrawCode::NoColumnPossible;
    else if (check.available < target) {
        check.code = DrawCode::FewerColumns;
        check.target = static_cast<int32_t>(check.available);
    }
    return check;
}

int32_t cappedColumnsTarget(int32_t before, int32_t requested)
{
    return std::max(0, std::min(requested, kMaxTicketColumns - before));
}

// ---- Drawing from a pool ----------------------------------------------------------------------------

// ---- Drawing within the interval ----------------------------------------------------------------

namespace {

// A uniform number in [0, 1).
double uniform01(std::mt19937_64 &engine) { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }

// One of the candidates first, first + step, ... last, each in proportion to weight(k) (their
// weights add up to `total`); when rounding runs past them all, the last with any weight.
template <class Weight>
int pickByWeight(std::mt19937_64 &engine, double total, int first, int last, int step, const Weight &weight)
{
    double v = uniform01(engine) * total;
    int pick = -1;
    for (int k = first; k != last + step; k += step) {
        const double w = weight(k);
        if (w <= 0)
            continue;
        pick = k;
        if (v < w)
            break;
        v -= w;
    }
    return pick;
}

}  // namespace

std::optional<IntervalSampler> IntervalSampler::of(const PartInputs &part, bool onlyWhenCheaper, size_t maxCells,
                                                   int64_t maxListed)
{
    if (!part.intervalOn)
        return std::nullopt;
    const PartView v = viewOf(part);
    const int r = v.drawnPositions;
    if (r == 0 || v.sameGuarantees)
        return std::nullopt;
    IntervalSampler s;
    s.distinct_ = part.distinct;
    s.r_ = r;
    const PartSums sums = sumsOf(part, v);
    const DrumSampler pool(part.pool, part.excluded, part.drum);
    const int n = static_cast<int>(v.drawable.size());
    const bool possible = !sums.none && (part.distinct ? n >= r : n > 0) && pool.total() > 0;
    if (!possible)
        return s;  // empty: every attempt fails, as every plain attempt would
    s.lo_ = sums.lo;
    s.hi_ = sums.hi;
    const size_t width = static_cast<size_t>(s.hi_) + 1;
    s.balls_ = v.drawable;
    for (int32_t b : s.balls_) {
        s.counts_.push_back(static_cast<double>(part.pool.count(b)));
        s.weights_.push_back(sums.weight(part, b));
    }
    // The share of plain attempts that pass, from the weights by number of positions and sum
    // alone; the whole table is built only for a part drawn within the interval.
    bool listed = false;
    {
        std::vector<double> ways((static_cast<size_t>(r) + 1) * width, 0.0);
        const auto w = [&](int j, int64_t sum) -> double & { return ways[static_cast<size_t>(j) * width + static_cast<size_t>(sum)]; };
        w(0, 0) = 1;
        if (part.distinct) {
            for (int i = 0; i < n; ++i)
                for (int j = std::min(i + 1, r); j >= 1; --j)
                    for (int64_t sum = s.hi_; sum >= s.weights_[static_cast<size_t>(i)]; --sum)
                        w(j, sum) += s.counts_[static_cast<size_t>(i)] * w(j - 1, sum - s.weights_[static_cast<size_t>(i)]);
        } else {
            for (int j = 1; j <= r; ++j)
                for (int64_t sum = 0; sum <= s.hi_; ++sum)
                    for (int k = 0; k < n; ++k)
                        if (sum >= s.weights_[static_cast<size_t>(k)])
                            w(j, sum) += s.counts_[static_cast<size_t>(k)] * w(j - 1, sum - s.weights_[static_cast<size_t>(k)]);
        }
        for (int64_t sum = s.lo_; sum <= s.hi_; ++sum)
            s.mass_ += w(r, sum);
        // The plain attempt draws every position from the whole pool: r! orders of a set, each
        // with the product of the counts over the pool size to the power r.
        double orders = 1;
        if (part.distinct)
            for (int k = 2; k <= r; ++k)
                orders *= k;
        s.acceptance_ = orders * s.mass_ / std::pow(static_cast<double>(pool.total()), r);
        const int64_t contents = countPart(part);
        const double drawCost = contents <= maxListed ? 1.0 + 1.5 * std::log2(static_cast<double>(contents) + 1)
                                                      : r + 1.0 + 1.5 * (part.distinct ? n : static_cast<double>(n) * r);
        // A pool too large for a table of its elements is drawn from through a search of its
        // running sums: a look-up per halving of the balls for every drawn position.
        const double searched = pool.total() > kFlatTableLimit ? std::log2(static_cast<double>(n)) : 0.0;
        s.cheaperBelow_ = (r * (1.0 + searched) + 5.0) / (3.0 + drawCost);
        listed = contents <= maxListed;
        if (onlyWhenCheaper && s.acceptance_ >= s.cheaperBelow_)
            return std::nullopt;
    }
    const size_t layers = part.distinct ? static_cast<size_t>(n) + 1 : 1;
    if (width > maxCells / layers / (static_cast<size_t>(r) + 1))
        return std::nullopt;
    s.table_.assign(layers * (static_cast<size_t>(r) + 1) * width, 0.0);
    const auto cell = [&](int i, int j, int64_t sum) -> double & {
        return s.table_[(static_cast<size_t>(i) * (static_cast<size_t>(r) + 1) + static_cast<size_t>(j)) * width
                        + static_cast<size_t>(sum)];
    };
    cell(0, 0, 0) = 1;
    if (part.distinct) {
        for (int i = 1; i <= n; ++i) {
            const double c = s.counts_[static_cast<size_t>(i - 1)];
            const int64_t w = s.weights_[static_cast<size_t>(i - 1)];
            for (int j = 0; j <= std::min(i, r); ++j)
                for (int64_t sum = 0; sum <= s.hi_; ++sum)
                    cell(i, j, sum) = cell(i - 1, j, sum) + (j >= 1 && sum >= w ? c * cell(i - 1, j - 1, sum - w) : 0.0);
        }
    } else {
        for (int j = 1; j <= r; ++j)
            for (int64_t sum = 0; sum <= s.hi_; ++sum) {
                double total = 0;
                for (int k = 0; k < n; ++k)
                    if (sum >= s.weights_[static_cast<size_t>(k)])
                        total += s.counts_[static_cast<size_t>(k)] * cell(0, j - 1, sum - s.weights_[static_cast<size_t>(k)]);
                cell(0, j, sum) = total;
            }
    }
    const int top = part.distinct ? n : 0;
    double running = 0;
    for (int64_t sum = s.lo_; sum <= s.hi_; ++sum)
        s.cumulative_.push_back(running += cell(top, r, sum));
    if (listed) {
        std::vector<int32_t> chosen(static_cast<size_t>(r));
        for (int64_t sum = s.lo_; sum <= s.hi_; ++sum)
            s.listContents(top, r, sum, 1.0, chosen);
    }
    return s;
}

void IntervalSampler::listContents(int below, int j, int64_t sum, double weight, std::vector<int32_t> &chosen)
{
    if (j == 0) {
        if (sum != 0)
            return;
        listedEnd_.push_back((listedEnd_.empty() ? 0.0 : listedEnd_.back()) + weight);
        listedNumbers_.insert(listedNumbers_.end(), chosen.begin(), chosen.end());
        return;
    }
    // As draw() walks: the highest ball first (lotto), the last position first (digits).
    const int n = static_cast<int>(balls_.size());
    for (int k = distinct_ ? below : n - 1; k >= (distinct_ ? j : 0); --k) {
        const size_t b = static_cast<size_t>(distinct_ ? k - 1 : k);
        if (at(distinct_ ? k - 1 : 0, j - 1, sum - weights_[b]) <= 0)
            continue;
        chosen[static_cast<size_t>(j - 1)] = balls_[b];
        listContents(k - 1, j - 1, sum - weights_[b], weight * counts_[b], chosen);
    }
}

double IntervalSampler::at(int i, int j, int64_t sum) const
{
    if (sum < 0 || sum > hi_)
        return 0;
    const size_t width = static_cast<size_t>(hi_) + 1;
    return table_[(static_cast<size_t>(i) * (static_cast<size_t>(r_) + 1) + static_cast<size_t>(j)) * width
                  + static_cast<size_t>(sum)];
}

void IntervalSampler::draw(std::mt19937_64 &engine, int32_t *out) const
{
    if (listed()) {
        const double u = uniform01(engine) * listedEnd_.back();
        const auto k = static_cast<size_t>(std::upper_bound(listedEnd_.begin(), listedEnd_.end(), u) - listedEnd_.begin());
        const size_t at = std::min(k, listedEnd_.size() - 1) * static_cast<size_t>(r_);
        std::copy_n(listedNumbers_.begin() + static_cast<std::ptrdiff_t>(at), r_, out);
        return;
    }
    const int n = static_cast<int>(balls_.size());
    // The sum first, in proportion to the weight of the contents that have it.
    const double u = uniform01(engine) * cumulative_.back();
    int64_t sum = lo_ + (std::upper_bound(cumulative_.begin(), cumulative_.end(), u) - cumulative_.begin());
    sum = std::min(sum, hi_);
    while (sum > lo_ && at(distinct_ ? n : 0, r_, sum) <= 0)  // rounding past the last sum with weight
        --sum;
    // The weights of the contents of j - 1 numbers (of the balls below i: at(i, j - 1, s)) are
    // read straight from their row of the table; a sum left below 0 has none, and none is left
    // above the highest (every weight is 0 or more).
    const size_t width = static_cast<size_t>(hi_) + 1;
    const size_t perBall = (static_cast<size_t>(r_) + 1) * width;
    const auto completing = [&](const double *row, int ball) {
        const int64_t rest = sum - weights_[static_cast<size_t>(ball)];
        return rest < 0 ? 0.0 : counts_[static_cast<size_t>(ball)] * row[static_cast<size_t>(rest)];
    };
    if (distinct_) {
        // The highest ball of the set first, each ball in proportion to the weight of the sets of
        // the balls below it that complete it; then the highest of the rest among those below.
        int below = n;
        for (int j = r_; j >= 1; --j) {
            const double *sets = table_.data() + static_cast<size_t>(j - 1) * width;
            const int pick = pickByWeight(engine, at(below, j, sum), below, j, -1, [&](int k) {
                return completing(sets + static_cast<size_t>(k - 1) * perBall, k - 1);
            });
            out[j - 1] = balls_[static_cast<size_t>(pick - 1)];
            sum -= weights_[static_cast<size_t>(pick - 1)];
            below = pick - 1;
        }
        return;
    }
    // From the last drawn position down: a digit in proportion to the weight of the contents of
    // the positions before it that complete it.
    for (int j = r_; j >= 1; --j) {
        const double *contents = table_.data() + static_cast<size_t>(j - 1) * width;
        const int pick = pickByWeight(engine, at(0, j, sum), 0, n - 1, 1, [&](int k) { return completing(contents, k); });
        out[j - 1] = balls_[static_cast<size_t>(pick)];
        sum -= weights_[static_cast<size_t>(pick)];
    }
}

DrumSampler::DrumSampler(const Pool &pool, const BallArray<int32_t> &excluded, const DrumShape &drum)
{
    for (int32_t b = pool.firstBall(); b <= pool.lastBall(); ++b) {
        const int64_t c = pool.count(b);
        if (c <= 0 || excluded.value(b, 0) != 0 || !drum.holds(b) || b < 0 || b > 127)
            continue;
        balls_.push_back(b);
        total_ += c;
        end_.push_back(total_);
    }
    if (total_ > 0 && total_ <= kFlatTableLimit) {
        flat_.reserve(static_cast<size_t>(total_));
        for (size_t k = 0; k < balls_.size(); ++k) {
            const int64_t c = end_[k] - (k ? end_[k - 1] : 0);
            flat_.insert(flat_.end(), static_cast<size_t>(c), static_cast<int8_t>(balls_[k]));
        }
    }
}

// ---- The run ------------------------------------------------------------------------------------------

void TicketColumnGenerator::KeySet::reserve(size_t n)
{
    // At most a quarter full: few probes.
    size_t capacity = 16;
    while (capacity < 4 * n + 4)
        capacity *= 2;
    if (capacity <= slots_.size())
        return;
    std::vector<uint64_t> old;
    old.swap(slots_);
    slots_.assign(capacity, kEmptySlot);
    mask_ = capacity - 1;
    shift_ = 64 - std::countr_zero(capacity);
    used_ = 0;
    for (uint64_t key : old)
        if (key != kEmptySlot)
            insert(key);
}

void TicketColumnGenerator::KeySet::grow() { reserve(slots_.size()); }

bool TicketColumnGenerator::KeySet::insert(uint64_t key)
{
    if (4 * (used_ + 1) > slots_.size())
        grow();
    size_t i = static_cast<size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_);
    while (slots_[i] != kEmptySlot) {
        if (slots_[i] == key)
            return false;
        i = (i + 1) & mask_;
    }
    slots_[i] = key;
    ++used_;
    return true;
}

TicketColumnGenerator::TicketColumnGenerator(GeneratorSetup setup, TicketGrid ticket, int32_t before, int32_t target)
    : setup_(std::move(setup)),
      ticket_(std::move(ticket)),
      before_(setup_.incremental ? std::clamp(before, 0, ticket_.rowCount()) : 0),
      target_(std::max(target, 0))
{
    engine_.seed(setup_.seed ? *setup_.seed : entropySeed());
    int offset = 0;
    for (const PartInputs *p : partsOf(setup_)) {
        Part part;
        part.offset = offset;
        part.length = static_cast<int>(p->guarantees.size());
        part.distinct = p->distinct;
        for (const auto &g : p->guarantees)
            part.guarantee.push_back(g ? *g : -1);
        part.sampler = DrumSampler(p->pool, p->excluded, p->drum);
        part.below64 = std::all_of(part.guarantee.begin(), part.guarantee.end(), [](int32_t g) { return g < 64; })
                       && (part.sampler.balls().empty() || part.sampler.balls().back() < 64);
        part.pickCount.assign(static_cast<size_t>(std::max(p->drum.maxBall, 0)) + 1, 0);
        for (int b = 0; b <= p->drum.maxBall; ++b)
            part.pickCount[static_cast<size_t>(b)] = p->pickCount.value(b, 0);
        part.intervalOn = p->intervalOn;
        part.lower = p->lower;
        part.upper = p->upper;
        // Draw within the interval where so many plain attempts would fail it that that costs less.
        if (auto within = IntervalSampler::of(*p, true))
            part.withinInterval = std::make_shared<const IntervalSampler>(std::move(*within));
        part.fromTable = !part.withinInterval && part.sampler.hasTable()
                         && std::all_of(part.guarantee.begin(), part.guarantee.end(), [](int32_t g) { return g < 0; });
        offset += part.length;
        parts_.push_back(std::move(part));
    }
}

uint64_t TicketColumnGenerator::keyOf(const int32_t *column, int width)
{
    uint64_t key = 0;
    for (int i = 0; i < width; ++i)
        key = (key << 8) | static_cast<uint8_t>(column[i]);
    return key;
}

void TicketColumnGenerator::prepare()
{
    prepared_ = true;
    const int32_t before = before_;
    const bool sameShape = ticket_.firstPosition() == setup_.firstPosition
                           && ticket_.lastPosition() == setup_.lastPosition;
    if (before == 0 || !sameShape)
        ticket_.reshape(setup_.firstPosition, setup_.lastPosition);
    ticket_.resizeRows(before);
    const int64_t rows = static_cast<int64_t>(before) + target_;
    ticket_.reserveRows(static_cast<int>(std::min<int64_t>(rows, kMaxTicketColumns)));
    keys_.reserve(static_cast<size_t>(rows));
    const int width = ticket_.width();
    for (int r = 1; r <= before; ++r) {
        const int32_t *row = ticket_.row(r);
        // A kept row with a number no column can hold never equals a new column.
        if (std::all_of(row, row + width, [](int32_t x) { return x >= 0 && x < 255; }))
            keys_.insert(keyOf(row, width));
    }
}

template <class Bits>
bool TicketColumnGenerator::buildPartWith(const Part &part, int32_t *column)
{
    std::array<int32_t, kMaxWidth> within;
    int nextWithin = 0;
    if (part.withinInterval) {
        if (part.withinInterval->empty())
            return false;
        part.withinInterval->draw(engine_, within.data());
    }
    Bits used = 0;
    int64_t sum = 0;
    // Number v at position i; false when a lotto part holds it already.
    const auto place = [&](int i, int32_t v) {
        if (part.distinct) {
            const Bits bit = static_cast<Bits>(1) << (v & (sizeof(Bits) * 8 - 1));
            if (used & bit)
                return false;
            used |= bit;
        }
        column[i] = v;
        sum += part.pickCount[static_cast<size_t>(v)];
        return true;
    };
    if (part.fromTable) {
        // Nothing to ask of a position: each number straight from the table.
        for (int i = 0; i < part.length; ++i)
            if (!place(i, part.sampler.drawFromTable(engine_)))
                return false;
    } else {
        for (int i = 0; i < part.length; ++i) {
            int32_t v = part.guarantee[static_cast<size_t>(i)];
            if (v < 0 && part.withinInterval) {
                v = within[static_cast<size_t>(nextWithin++)];
            } else if (v < 0) {
                if (part.sampler.total() == 0)
                    return false;
                v = part.sampler.draw(engine_);
            }
            if (!place(i, v))
                return false;
        }
    }
    if (part.intervalOn && (sum < part.lower || sum > part.upper))
        return false;
    if (part.distinct) {
        // Ascending: the set bits from the lowest.
        int i = 0;
        for (auto low = static_cast<uint64_t>(used); low != 0; low &= low - 1)
            column[i++] = std::countr_zero(low);
        if constexpr (sizeof(Bits) > 8)
            for (auto high = static_cast<uint64_t>(used >> 64); high != 0; high &= high - 1)
                column[i++] = 64 + std::countr_zero(high);
    }
    return true;
}

bool TicketColumnGenerator::buildPart(const Part &part, int32_t *column)
{
    // Balls lie within 0..127 (the sampler draws no other, and no drum holds more); most drums
    // hold none above 63, whose sets take one word.
    return part.below64 ? buildPartWith<uint64_t>(part, column) : buildPartWith<unsigned __int128>(part, column);
}

AttemptResult TicketColumnGenerator::fncMakeTicketColumns()
{
    if (!prepared_)
        prepare();
    const int width = setup_.width();
    if (width < 1 || width > kMaxWidth) {
        ++failuresInARow_;
        return AttemptResult::Failed;
    }
    // A part that passed its tests is kept while the parts that failed theirs are drawn again. The
    // parts are drawn independently of each other and every test but the repeat test concerns one
    // part, so the column has the probability that drawing every part afresh until all pass at once
    // gives it; and each part costs only its own failures, not the product of both.
    bool complete = true;
    for (size_t i = 0; i < parts_.size(); ++i) {
        const uint32_t bit = uint32_t{1} << i;
        if (partsDrawn_ & bit)
            continue;
        if (buildPart(parts_[i], pending_.data() + parts_[i].offset))
            partsDrawn_ |= bit;
        else
            complete = false;
    }
    if (!complete) {
        ++failuresInARow_;
        return AttemptResult::Failed;
    }
    partsDrawn_ = 0;
    const std::array<int32_t, kMaxWidth> &column = pending_;
    if (!keys_.insert(keyOf(column.data(), width))) {
        ++failuresInARow_;
        return AttemptResult::Duplicate;
    }
    ++made_;
    const int row = before_ + made_;
    ticket_.resizeRows(row);
    // Number by number: the library's copy, called for these few, cost some 90 ns a column on the
    // two-drum board's DRAW.
    int32_t *const cells = ticket_.row(row);
    for (int i = 0; i < width; ++i)
        cells[i] = column[static_cast<size_t>(i)];
    failuresInARow_ = 0;
    return AttemptResult::Added;
}

RunStatus TicketColumnGenerator::status() const
{
    if (made_ >= target_)
        return RunStatus::TargetReached;
    if (failuresInARow_ >= setup_.watchdogLimit)
        return RunStatus::GaveUp;
    return RunStatus::Running;
}

RunStatus TicketColumnGenerator::runFor(std::chrono::nanoseconds budget)
{
    const auto deadline = std::chrono::steady_clock::now() + budget;
    for (;;) {
        for (int i = 0; i < 256; ++i) {
            if (status() != RunStatus::Running)
                return status();
            fncMakeTicketColumns();
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return status();
    }
}

RunStatus TicketColumnGenerator::runToEnd()
{
    RunStatus s = status();
    while (s == RunStatus::Running)
        s = runFor(std::chrono::seconds(1));
    return s;
}

TicketGrid TicketColumnGenerator::takeTicket()
{
    // A run that made no attempt still gives the ticket it keeps.
    if (!prepared_)
        prepare();
    return std::move(ticket_);
}

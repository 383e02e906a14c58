#pragma once
// The ticket-column generator of DRAW. Each attempt places the guaranteed numbers, draws the other
// positions from the pool of their drum (only among the balls that are not excluded, each with the
// probability of its pool count), and keeps the column when its lotto numbers are distinct, its
// power lies within the power interval (when that option is on) and it is not already on the
// ticket. On two-drum games each part is tested on its own, and a part that passed waits for the
// other one to pass in a later attempt. Lotto numbers are written in ascending order (on two-drum
// games each part on its own), digits in drawing order. The generator makes the ticket of the run:
// the columns kept from the earlier ticket (their number `before`), which take part in the repeat
// test, followed by the accepted columns.
//
// A DRAW run, as the board drives it:
//   1. the columns kept (glngColumnsBefore) and the target (glngColumnsTarget, capped to 32000 in
//      all);
//   2. GeneratorSetup setup = GeneratorSetup::fromLottery(lottery, guarantee-box texts);
//   3. DrawCheck check = checkTicketDraw(setup, ticket, before, target): refused -> message, no
//      run; FewerColumns -> the target lowered to check.target, message, then run;
//   4. TicketColumnGenerator gen(setup, ticket, before, target); frmColumnProgress Display(gen);
//   5. the ticket of the run (gen.takeTicket()) becomes the lottery's; a GaveUp outcome ->
//      message; then compare the ticket.

#include "analysis/ballarray.h"
#include "analysis/drum.h"
#include "analysis/gamelayout.h"
#include "analysis/pool.h"
#include "analysis/ticketgrid.h"

struct OpenLottery;

#include <QString>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>


// The inputs of one part of a column: the main numbers, the second-drum numbers, or the digits.
struct PartInputs {
    DrumShape drum;
    Pool pool;
    BallArray<int32_t> excluded;   // any value but 0 excludes; missing balls are not excluded
    BallArray<int32_t> pickCount;  // for the power interval
    bool intervalOn = false;
    int32_t lower = 0;             // inclusive limits of the part's sum of pick counts
    int32_t upper = 0;
    // One entry per position of the part: the guaranteed ball, or none.
    std::vector<std::optional<int32_t>> guarantees;
    bool distinct = true;          // lotto parts: no number twice; digits repeat freely
};

inline constexpr int64_t kDefaultWatchdogLimit = 20'000'000;

struct GeneratorSetup {
    GameLayout::Family family = GameLayout::Family::Lotto;
    int firstPosition = 1;   // grid positions of a column: 1..K, 0..K on digit games, 1..K+B
    int lastPosition = 0;
    PartInputs main;         // the main numbers or the digits
    PartInputs second;       // the second-drum numbers (two-drum games only)
    bool incremental = false;
    // The random engine's seed; empty: from the system's entropy and the clock, once per run.
    std::optional<uint64_t> seed;
    // Attempts in a row without a new column after which the run gives up.
    int64_t watchdogLimit = kDefaultWatchdogLimit;

    int width() const { return lastPosition - firstPosition + 1; }

    // The setup of a lottery's game: the tables of its drums (pool, exclusions, pick counts,
    // interval flags and limits), gblnGuaranteeNumbers, gblnIncrementalTicket, and the text of the
    // guarantee box of each grid position (txtGuaranteeNumber(k)).
    static GeneratorSetup fromLottery(const OpenLottery &lottery, const std::function<QString(int position)> &guaranteeText);
};

// A guarantee box's text as a guaranteed ball: the trimmed text must be the plain decimal text of a
// ball of lo..hi; anything else (empty, not a number, not written as itself, out of range) means no
// guarantee.
std::optional<int32_t> parseGuarantee(const QString &text, int32_t lo, int32_t hi);

// ---- The check before a run ---------------------------------------------------------------------

enum class DrawCode {
    Ok,
    FewerColumns,        // fewer new columns are possible than asked: the target was lowered
    PoolTooSmall,        // the main pool has fewer drawable balls than positions to draw
    SecondPoolTooSmall,  // the same for the second drum
    SameGuarantees,      // one number guaranteed twice in a lotto part
    NoColumnPossible,    // no new column can be made at all
};

struct DrawCheck {
    DrawCode code = DrawCode::Ok;
    int64_t available = 0;  // new columns that can still be made (0 when refused before counting)
    int32_t target = 0;     // the target of the run (lowered for FewerColumns)

    bool refused() const
    {
        return code != DrawCode::Ok && code != DrawCode::FewerColumns;
    }
};

// How many different columns the setup can make (ignoring the ticket), exactly: a count over the
// drawable balls and the sums of pick counts for lotto parts, position by position for digits,
// the product of both parts on two-drum games. Saturates at INT64_MAX.
int64_t countPossibleColumns(const GeneratorSetup &setup);

// Checks a run that keeps the first `before` rows of `grid` and asks for `target` new columns.
DrawCheck checkTicketDraw(const GeneratorSetup &setup, const TicketGrid &grid, int32_t before, int32_t target);

// Every part of the setup can fill its drawn positions: a lotto part has at least as many
// drawable balls (count above 0, not excluded, not guaranteed) as positions without a guarantee,
// a digit part at least one drawable digit when it draws any position. The index of the first
// part that cannot, or -1 when all can.
int firstPartUnableToFill(const GeneratorSetup &setup);
inline bool canFillPositions(const GeneratorSetup &setup) { return firstPartUnableToFill(setup) < 0; }

// ---- Drawing from a pool ------------------------------------------------------------------------

// Draws balls of a pool among those of the drum that are not excluded, each with the probability
// of its pool count. A pool left from another game may hold balls the drum has not: they are never
// drawn.
class DrumSampler {
public:
    DrumSampler() = default;
    DrumSampler(const Pool &pool, const BallArray<int32_t> &excluded, const DrumShape &drum);

    int64_t total() const { return total_; }                    // pool elements not excluded
    const std::vector<int32_t> &balls() const { return balls_; }  // drawable balls, ascending
    int32_t ballAt(int64_t k) const;                              // k in 0..total-1
    int32_t draw(std::mt19937_64 &engine) const;
    // A small pool keeps a table of its elements, from which drawFromTable draws as draw does.
    bool hasTable() const { return !flat_.empty(); }
    int32_t drawFromTable(std::mt19937_64 &engine) const;

private:
    std::vector<int32_t> balls_;
    std::vector<int64_t> end_;     // running sums of the counts
    std::vector<int8_t> flat_;     // ball of every element, for small pools
    int64_t total_ = 0;
};

// A uniform number in 0..n-1 (n > 0) without bias.
inline uint64_t uniformBelow(std::mt19937_64 &engine, uint64_t n)
{
    // Multiply-and-shift with rejection of the few low products that would bias the result.
    unsigned __int128 m = static_cast<unsigned __int128>(engine()) * n;
    auto low = static_cast<uint64_t>(m);
    if (low < n) {
        const uint64_t threshold = (0 - n) % n;
        while (low < threshold) {
            m = static_cast<unsigned __int128>(engine()) * n;
            low = static_cast<uint64_t>(m);
        }
    }
    return static_cast<uint64_t>(m >> 64);
}

inline int32_t DrumSampler::ballAt(int64_t k) const
{
    if (k < 0 || k >= total_)
        return 0;
    if (!flat_.empty())
        return flat_[static_cast<size_t>(k)];
    const auto it = std::upper_bound(end_.begin(), end_.end(), k);
    return balls_[static_cast<size_t>(it - end_.begin())];
}

inline int32_t DrumSampler::drawFromTable(std::mt19937_64 &engine) const
{
    return flat_[static_cast<size_t>(uniformBelow(engine, static_cast<uint64_t>(total_)))];
}

inline int32_t DrumSampler::draw(std::mt19937_64 &engine) const
{
    return ballAt(static_cast<int64_t>(uniformBelow(engine, static_cast<uint64_t>(total_))));
}

// Draws the drawn positions of a part with the power interval on directly among the contents
// whose sum lies within the interval, each content with the probability that drawing every
// position from the pool and throwing away the attempts that fail (a number twice, a sum outside
// the interval) gives it: for a lotto part in proportion to the product of the pool counts of its
// numbers, for digits to the product over the positions. Under a narrow interval most plain
// attempts fail; this way every draw gives a column within it.
class IntervalSampler {
public:
    // Nothing when the part has no interval or no drawn position, when `onlyWhenCheaper` and at
    // least the share cheaperBelow() of plain attempts pass, or when its table would be larger
    // than maxCells. A part with at most maxListed contents within the interval lists them all.
    static std::optional<IntervalSampler> of(const PartInputs &part, bool onlyWhenCheaper = false,
                                             size_t maxCells = size_t{1} << 22, int64_t maxListed = 1024);

    int drawnPositions() const { return r_; }
    // The share of passing plain attempts under which a draw within the interval costs less than
    // the plain attempts it saves. A plain attempt costs a random number per drawn position (and,
    // from a pool too large for a table of its elements, a search of its running sums: a look-up
    // per halving of the balls) and the attempt's own work (some five random numbers' worth). A
    // draw within the interval costs a random number per drawn position and one more, and a
    // look-up in its table (one and a half random numbers' worth) per drawable ball, per ball and
    // drawn position for digits: about 0.13 for 6 of 49 balls from a table of the pool's
    // elements, 0.53 through its running sums; from a list of the contents, one random number and
    // a look-up per halving of the list.
    double cheaperBelow() const { return cheaperBelow_; }
    // The contents are listed.
    bool listed() const { return !listedEnd_.empty(); }
    // No content lies within the interval.
    bool empty() const { return mass_ <= 0; }
    // The share of plain attempts that pass the distinctness test and the interval.
    double acceptance() const { return acceptance_; }
    // Writes the drawn numbers into out[0..drawnPositions-1]: ascending for a lotto part, by
    // drawn position for digits. The part must not be empty.
    void draw(std::mt19937_64 &engine, int32_t *out) const;

private:
    double at(int i, int j, int64_t s) const;
    // Lists every content whose drawn positions below j (balls below `below` for a lotto part)
    // complete `chosen` to the sum, with its weight times `weight`.
    void listContents(int below, int j, int64_t sum, double weight, std::vector<int32_t> &chosen);

    bool distinct_ = true;
    int r_ = 0;
    int64_t lo_ = 0;
    int64_t hi_ = 0;
    std::vector<int32_t> balls_;
    std::vector<double> counts_;   // pool count of each ball
    std::vector<int64_t> weights_;  // its pick count less the smallest one
    // Lotto: the weight of the sets of j of the first i balls by sum s, (i, j, s). Digits: the
    // weight of the contents of the first j positions by sum s, (0, j, s).
    std::vector<double> table_;
    std::vector<double> cumulative_;  // the weight of the sums lo..s, for s = lo..hi
    // Listed contents: the running sums of their weights, and r numbers of each.
    std::vector<double> listedEnd_;
    std::vector<int32_t> listedNumbers_;
    double mass_ = 0;
    double acceptance_ = 0;
    double cheaperBelow_ = 0;
};

// ---- The run ------------------------------------------------------------------------------------

enum class RunStatus {
    Running,        // more columns to make
    TargetReached,  // as many new columns as the target
    GaveUp,         // no new column for watchdogLimit attempts in a row
};

// What the progress dialog drives: a run that works for a time budget at a time, and its counts.
class IColumnRun {
public:
    virtual ~IColumnRun() = default;
    // Runs attempts until the target is reached, the budget is spent or the run gives up.
    virtual RunStatus runFor(std::chrono::nanoseconds budget) = 0;
    // The columns kept from the earlier ticket, the new columns asked for and those made so far.
    virtual int32_t columnsBefore() const = 0;
    virtual int32_t columnsTarget() const = 0;
    virtual int32_t columnsMade() const = 0;
};

enum class AttemptResult { Added, Failed, Duplicate };

class TicketColumnGenerator : public IColumnRun {
public:
    // A run that keeps the first `before` rows of `ticket` (none unless the setup is incremental)
    // and makes `target` new columns.
    TicketColumnGenerator(GeneratorSetup setup, TicketGrid ticket, int32_t before, int32_t target);

    // One attempt (fncMakeTicketColumns): at most one new row in the ticket and the columns made
    // one higher. The first attempt of a run drops the earlier ticket but the rows kept.
    AttemptResult fncMakeTicketColumns();

    RunStatus runFor(std::chrono::nanoseconds budget) override;
    // Runs until the target is reached or the run gives up.
    RunStatus runToEnd();

    RunStatus status() const;
    int32_t columnsBefore() const override { return before_; }
    int32_t columnsTarget() const override { return target_; }
    int32_t columnsMade() const override { return made_; }
    // The row of the last column made (glngGridRow).
    int32_t gridRow() const { return before_ + made_; }

    // The ticket of the run: the earlier ticket until the first attempt, then the rows kept and
    // every complete new column.
    const TicketGrid &ticket() const { return ticket_; }
    // The ticket the run leaves (also when it was stopped, even before its first attempt): the
    // rows kept and every complete new column.
    TicketGrid takeTicket();

private:
    struct Part {
        int offset = 0;
        int length = 0;
        bool distinct = true;
        std::vector<int32_t> guarantee;   // -1: drawn
        DrumSampler sampler;
        std::vector<int64_t> pickCount;   // by ball 0..maxBall
        bool intervalOn = false;
        int64_t lower = 0;
        int64_t upper = 0;
        // Under a narrow interval the drawn positions come from here.
        std::shared_ptr<const IntervalSampler> withinInterval;
        bool below64 = false;  // every ball the part can take lies below 64
        // Every position drawn from the pool's table of elements: no guaranteed number, no
        // sampler within the interval.
        bool fromTable = false;
    };

    void prepare();
    bool buildPart(const Part &part, int32_t *column);
    // A lotto part's numbers as a set of bits: `Bits` has one for every ball the part can take.
    template <class Bits>
    bool buildPartWith(const Part &part, int32_t *column);
    static uint64_t keyOf(const int32_t *column, int width);

    // An open-addressing set of the packed columns on the ticket.
    class KeySet {
    public:
        void reserve(size_t n);
        bool insert(uint64_t key);  // false when already present
    private:
        void grow();
        std::vector<uint64_t> slots_;
        size_t used_ = 0;
        size_t mask_ = 0;
        int shift_ = 64;
    };

    GeneratorSetup setup_;
    TicketGrid ticket_;
    int32_t before_ = 0;
    int32_t target_ = 0;
    int32_t made_ = 0;
    std::vector<Part> parts_;
    std::mt19937_64 engine_;
    KeySet keys_;
    bool prepared_ = false;
    int64_t failuresInARow_ = 0;
    static constexpr int kMaxWidth = 8;
    // The column being made, and the parts of it (bit i: part i) drawn and passed so far.
    std::array<int32_t, kMaxWidth> pending_{};
    uint32_t partsDrawn_ = 0;
};

// 32000 - before when before + requested passes the ticket's limit of 32000 columns, else
// requested (never below 0).
int32_t cappedColumnsTarget(int32_t before, int32_t requested);

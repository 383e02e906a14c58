#include "analysis/comparison.h"

#include "analysis/parallelparts.h"
#include "platform/vb.h"

#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string_view>

namespace {

constexpr int kDigits = 10;

bool isDigit(int32_t n) { return n >= 0 && n < kDigits; }

// Whether the game can hold the number at all: balls from 1 on lotto games, 0..9 on digit games.
bool validNumber(const ComparisonLayout &layout, int32_t n) { return layout.digitGame() ? isDigit(n) : n >= 1; }

int32_t numberAt(const CompareNumbers &numbers, const ComparisonLayout &layout, int position)
{
    const auto i = static_cast<size_t>(position - layout.first);
    return position >= layout.first && i < numbers.byPosition.size() ? numbers.byPosition[i] : CompareNumbers::kNone;
}

// The bit of ball n in a set of the balls 0..63, where the balls of nearly every lotto game lie;
// none for any other number.
uint64_t ballBit(int32_t n)
{
    const auto u = static_cast<uint32_t>(n);
    return u < 64 ? uint64_t{1} << u : 0;
}

// The balls among `count` numbers, one bit each: the few numbers of a lotto column, one after the
// other without a loop.
inline uint64_t ballsOf(const int32_t *numbers, int count)
{
    uint64_t balls = 0;
    switch (count) {
    default:
        for (int j = 8; j < count; ++j)
            balls |= ballBit(numbers[j]);
        [[fallthrough]];
    case 8: balls |= ballBit(numbers[7]); [[fallthrough]];
    case 7: balls |= ballBit(numbers[6]); [[fallthrough]];
    case 6: balls |= ballBit(numbers[5]); [[fallthrough]];
    case 5: balls |= ballBit(numbers[4]); [[fallthrough]];
    case 4: balls |= ballBit(numbers[3]); [[fallthrough]];
    case 3: balls |= ballBit(numbers[2]); [[fallthrough]];
    case 2: balls |= ballBit(numbers[1]); [[fallthrough]];
    case 1: balls |= ballBit(numbers[0]); [[fallthrough]];
    case 0: break;
    }
    return balls;
}

// How many balls two sets have in common: the bits of their intersection counted in pairs, fours
// and bytes at once, without a branch that the count decides or a call.
int commonBalls(uint64_t a, uint64_t b)
{
    uint64_t bits = a & b;
    bits -= (bits >> 1) & 0x5555555555555555;
    bits = (bits & 0x3333333333333333) + ((bits >> 2) & 0x3333333333333333);
    bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0f;
    return static_cast<int>((bits * 0x0101010101010101) >> 56);
}

// Distinct numbers a part of a column is compared with.
class WantedNumbers {
public:
    void add(int32_t n)
    {
        if (std::find(numbers_.begin(), numbers_.end(), n) != numbers_.end())
            return;
        numbers_.push_back(n);
        balls_ |= ballBit(n);
        allBalls_ = allBalls_ && ballBit(n) != 0;
    }

    // Whether every number is a ball of 0..63: then as many stand among a set of numbers as
    // they have bits in common with its balls.
    bool allBalls() const { return allBalls_; }
    uint64_t balls() const { return balls_; }
    // How many of the numbers stand among the values.
    int heldIn(std::span<const int32_t> values) const
    {
        int held = 0;
        for (const int32_t n : numbers_)
            held += std::find(values.begin(), values.end(), n) != values.end() ? 1 : 0;
        return held;
    }

private:
    std::vector<int32_t> numbers_;
    uint64_t balls_ = 0;
    bool allBalls_ = true;
};

// The compare numbers prepared once for a whole ticket.
struct Reference {
    WantedNumbers main;                         // the numbers of the main part
    WantedNumbers bonus;                        // the numbers of the bonus part
    std::vector<int32_t> byPosition;            // Straight: the digit of each position
    std::array<int, kDigits> digitCount{};      // Boxed: how often each digit stands

    // Whether every compare number of a lotto game is a ball of 0..63 (ballHits).
    bool allBalls() const { return main.allBalls() && bonus.allBalls(); }

    Reference(const ComparisonLayout &layout, const CompareNumbers &numbers)
    {
        for (int p = layout.first; p <= layout.last(); ++p) {
            const int32_t n = numberAt(numbers, layout, p);
            byPosition.push_back(n);
            if (n == CompareNumbers::kNone)
                continue;
            if (layout.digitGame()) {
                ++digitCount[static_cast<size_t>(n)];
                continue;
            }
            (layout.inBonusPart(p) ? bonus : main).add(n);
        }
    }
};

// The hits of a digit game's column.
ColumnHits digitHits(const ComparisonLayout &layout, const Reference &ref, std::span<const int32_t> digits)
{
    int hits = 0;
    if (layout.rule == CompareRule::Straight) {
        for (size_t j = 0; j < digits.size(); ++j)
            hits += ref.byPosition[j] != CompareNumbers::kNone && digits[j] == ref.byPosition[j] ? 1 : 0;
        return {hits, 0};
    }
    std::array<int, kDigits> count{};
    for (const int32_t d : digits)
        if (isDigit(d))
            ++count[static_cast<size_t>(d)];
    for (size_t d = 0; d < count.size(); ++d)
        hits += std::min(count[d], ref.digitCount[d]);
    return {hits, 0};
}

// The hits of a lotto column whose compare numbers are all balls of 0..63 (Reference::allBalls):
// the balls its main numbers (`numbers` up to `secondFrom`) share with the main compare numbers,
// and the balls its second-drum numbers (from `secondFrom` to `width`) share with the bonus
// compare numbers, or its main numbers when there are none (same-drum bonus numbers).
inline ColumnHits ballHits(const Reference &ref, const int32_t *numbers, int secondFrom, int width)
{
    const uint64_t mainBalls = ballsOf(numbers, secondFrom);
    const uint64_t bonusBalls = secondFrom < width ? ballsOf(numbers + secondFrom, width - secondFrom) : mainBalls;
    return {commonBalls(mainBalls, ref.main.balls()), commonBalls(bonusBalls, ref.bonus.balls())};
}

// Where a lotto column's second-drum numbers start: its width on same-drum games, which have none.
int secondDrumFrom(const ComparisonLayout &layout)
{
    return layout.rule == CompareRule::SecondDrum ? layout.mainCount : layout.columnPositions();
}

ColumnHits hitsOf(const ComparisonLayout &layout, const Reference &ref, std::span<const int32_t> column)
{
    const auto mainPart = column.first(static_cast<size_t>(layout.mainCount));
    if (layout.digitGame())
        return digitHits(layout, ref, mainPart);
    if (ref.allBalls())
        return ballHits(ref, column.data(), secondDrumFrom(layout), layout.columnPositions());
    // Same-drum bonus numbers are looked for among the main numbers, second-drum numbers among the
    // column's second-drum numbers.
    const auto bonusPart = layout.rule == CompareRule::SameDrumBonus
                               ? mainPart
                               : column.subspan(static_cast<size_t>(layout.mainCount), static_cast<size_t>(layout.bonusCount));
    return {ref.main.heldIn(mainPart), ref.bonus.heldIn(bonusPart)};
}

// Lines a part of the work over a ticket's lines takes at least: a part costs handing it to a thread.
constexpr int kLinesAPart = 4096;

// The hits of columns `begin` to `end` - 1 of `grid` (column c at c - 1, in `hits`), their numbers
// from position `offset` of a row, at most `K` main and `B` bonus hits.
void ticketHits(const TicketGrid &grid, size_t offset, const ComparisonLayout &layout, const Reference &ref, int K,
                int B, int begin, int end, ColumnHits *hits)
{
    const int width = layout.columnPositions();
    const auto within = [K, B](ColumnHits h) { return ColumnHits{std::clamp(h.main, 0, K), std::clamp(h.bonus, 0, B)}; };
    if (!layout.digitGame() && ref.allBalls()) {
        // The lotto games met nearly always, in one pass without a call a column.
        const int secondFrom = secondDrumFrom(layout);
        for (int c = begin + 1; c <= end; ++c)
            hits[c - 1] = within(ballHits(ref, grid.row(c) + offset, secondFrom, width));
        return;
    }
    for (int c = begin + 1; c <= end; ++c)
        hits[c - 1] = within(hitsOf(layout, ref, {grid.row(c) + offset, static_cast<size_t>(width)}));
}

// One line of the summary: the class of m main and b bonus hits.
struct ClassLine {
    int m = 0;
    int b = 0;
    bool listed = false;     // the line ends in the numbers of the class's columns
    bool secondBox = false;  // txtResults(1)
};

// The summary's class lines, in order. Lotto games: for every main count the lines m, m+1 (and
// m+2), counts 0 to 2 in the first box; with same-drum bonus numbers the last line, K main hits,
// has no bonus part and columns are listed from 4 main hits, on two-drum games from 3. Digit
// games: every class in the first box, columns listed from 2 hits.
std::vector<ClassLine> classLines(const ComparisonLayout &layout)
{
    std::vector<ClassLine> lines;
    const int K = layout.mainCount;
    for (int m = 0; m <= K; ++m) {
        int lastBonus = layout.bonusCount;
        int listedFrom = 3;
        switch (layout.rule) {
        case CompareRule::SameDrumBonus:
            lastBonus = m < K ? layout.bonusCount : 0;
            listedFrom = 4;
            break;
        case CompareRule::SecondDrum:
            break;
        case CompareRule::Straight:
        case CompareRule::Boxed:
            lastBonus = 0;
            listedFrom = 2;
            break;
        }
        for (int b = 0; b <= lastBonus; ++b)
            lines.push_back({m, b, m >= listedFrom, !layout.digitGame() && m >= 3});
    }
    return lines;
}

// The units of a short text, from the lowest address of a word, to be written a word at a time.
template <size_t N>
constexpr uint64_t unitsOf(const std::array<char16_t, N> &text)
{
    std::array<char16_t, 4> units{};
    std::copy(text.begin(), text.end(), units.begin());
    return std::bit_cast<uint64_t>(units);
}

constexpr char16_t digit(int d) { return static_cast<char16_t>(u'0' + d); }

// The two digits of each number 0..99, "07" or "42".
constexpr std::array<uint32_t, 100> kDigitPairs = [] {
    std::array<uint32_t, 100> pairs{};
    for (int n = 0; n < 100; ++n)
        pairs[static_cast<size_t>(n)] = std::bit_cast<uint32_t>(std::array<char16_t, 2>{digit(n / 10), digit(n % 10)});
    return pairs;
}();

// Each number 0..99 after a blank, " 7" or " 42", and how many units that is.
struct NumberText {
    uint64_t units = 0;
    int length = 0;
};

constexpr std::array<NumberText, 100> kNumberTexts = [] {
    std::array<NumberText, 100> texts{};
    for (int n = 0; n < 100; ++n)
        texts[static_cast<size_t>(n)] = n < 10 ? NumberText{unitsOf(std::array{u' ', digit(n)}), 2}
                                               : NumberText{unitsOf(std::array{u' ', digit(n / 10), digit(n % 10)}), 3};
    return texts;
}();

// Writes n in decimal (a minus sign first when below 0) at `out`, where a unit more than it writes
// has room; the end of what it wrote.
char16_t *writeNumber(char16_t *out, int64_t n)
{
    if (n >= 0 && n < 100) {  // the hits and nearly every ball: one or two digits, no branch
        std::memcpy(out, &kDigitPairs[static_cast<size_t>(n)], sizeof(uint32_t));
        const int skip = n < 10 ? 1 : 0;  // "07" written, "7" kept
        out[0] = out[skip];
        return out + 2 - skip;
    }
    uint64_t u = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    if (n < 0)
        *out++ = u'-';
    int digits = 1;
    for (uint64_t bound = 10; digits < 20 && u >= bound; bound *= 10)
        ++digits;
    char16_t *const end = out + digits;
    char16_t *at = end;
    for (; u >= 100; u /= 100) {
        at -= 2;
        std::memcpy(at, &kDigitPairs[u % 100], sizeof(uint32_t));
    }
    if (u >= 10)
        std::memcpy(at - 2, &kDigitPairs[u], sizeof(uint32_t));
    else
        at[-1] = digit(static_cast<int>(u));
    return end;
}

// Writes a blank and n at `out`, where at least 4 units more than it writes have room; the end of
// what it wrote.
char16_t *writeBlankAndNumber(char16_t *out, int32_t n)
{
    if (n < 0 || n >= 100) {
        *out++ = u' ';
        return writeNumber(out, n);
    }
    const NumberText &text = kNumberTexts[static_cast<size_t>(n)];
    std::memcpy(out, &text.units, sizeof text.units);
    return out + text.length;
}

// The decimal text of the column numbers `number` (1 or more), `number` + 1 ... in turn, with two
// digits at least: "01".
class ColumnNumberText {
public:
    explicit ColumnNumberText(int number)
    {
        for (size_t i = digits_.size(); number > 0 && i-- > 0; number /= 10) {
            digits_[i] = static_cast<char16_t>(u'0' + number % 10);
            first_ = std::min(first_, i);
        }
    }
    std::u16string_view text() const { return {digits_.data() + first_, digits_.size() - first_}; }
    void next()
    {
        for (size_t i = digits_.size(); i-- > 0;) {
            if (i < first_) {
                first_ = i;
                digits_[i] = u'1';
                return;
            }
            if (digits_[i] != u'9') {
                ++digits_[i];
                return;
            }
            digits_[i] = u'0';
        }
    }

private:
    std::array<char16_t, 12> digits_{u'0', u'0', u'0', u'0', u'0', u'0', u'0', u'0', u'0', u'0', u'0', u'0'};
    size_t first_ = digits_.size() - 2;
};

// A list line is written in three pieces at `out`, each returning the end of what it wrote: the
// column's number and a hyphen, each number of the column after a blank, and the hits. The room
// for the line must hold 4 units more than it.
char16_t *writeColumnNumber(char16_t *out, std::u16string_view number)
{
    for (const char16_t unit : number)
        *out++ = unit;
    *out++ = u'-';
    return out;
}

char16_t *writeHits(char16_t *out, ColumnHits hits)
{
    *out++ = u' ';
    *out++ = u'(';
    out = writeNumber(out, hits.main);
    if (hits.bonus > 0) {
        *out++ = u'+';
        out = writeNumber(out, hits.bonus);
    }
    *out++ = u')';
    return out;
}

char16_t *writeLine(char16_t *out, std::u16string_view number, std::span<const int32_t> column, ColumnHits hits)
{
    out = writeColumnNumber(out, number);
    for (const int32_t n : column)
        out = writeBlankAndNumber(out, n);
    return writeHits(out, hits);
}

// Room for the line of a column of `positions` numbers and 4 units more: at most 11 characters a
// number, and a blank, a bracket or a sign beside each.
qsizetype lineRoom(size_t positions) { return static_cast<qsizetype>(12 * (positions + 4)); }

// `line` made to read the units from `start` to `end`. A line that reads them already stays as it
// is: nothing is written, and a copy held elsewhere keeps sharing it.
void setLine(QString &line, const char16_t *start, const char16_t *end)
{
    const qsizetype length = end - start;
    if (line.size() != length)
        line.resize(length);
    else if (std::equal(start, end, reinterpret_cast<const char16_t *>(line.constData())))
        return;
    std::copy(start, end, reinterpret_cast<char16_t *>(line.data()));
}

// The texts of the hits a line ends with, " (m)" or " (m+b)", for every m in 0..K and b in 0..B.
class HitsTexts {
public:
    HitsTexts(int K, int B) : classes_(K + 1)
    {
        for (int b = 0; b <= B; ++b)
            for (int m = 0; m <= K; ++m) {
                char16_t text[48];
                texts_.emplace_back(text, writeHits(text, {m, b}));
            }
    }
    std::u16string_view of(ColumnHits hits) const { return texts_[static_cast<size_t>(hits.bonus * classes_ + hits.main)]; }

private:
    int classes_;
    std::vector<std::u16string> texts_;
};

// The hits at the end of `line`, which reads `shown` there, made to read `hits`; false, nothing
// changed, when the line does not end with `shown`.
bool rewriteHits(QString &line, std::u16string_view shown, std::u16string_view hits)
{
    const qsizetype keep = line.size() - static_cast<qsizetype>(shown.size());
    if (keep < 0)
        return false;
    // A few units, compared one by one rather than through a call.
    const char16_t *end = reinterpret_cast<const char16_t *>(line.constData()) + keep;
    for (const char16_t unit : shown)
        if (*end++ != unit)
            return false;
    if (shown.size() != hits.size())
        line.resize(keep + static_cast<qsizetype>(hits.size()));
    std::copy(hits.begin(), hits.end(), reinterpret_cast<char16_t *>(line.data()) + keep);
    return true;
}

QString classLabel(int m, int b) { return b == 0 ? QStringLiteral("%1 ").arg(m) : QStringLiteral("%1+%2 ").arg(m).arg(b); }

}  // namespace

ComparisonLayout ComparisonLayout::sameDrum(int picks, int bonusCount)
{
    return {CompareRule::SameDrumBonus, 1, picks, bonusCount};
}

ComparisonLayout ComparisonLayout::secondDrum(int picks, int bonusCount)
{
    return {CompareRule::SecondDrum, 1, picks, bonusCount};
}

ComparisonLayout ComparisonLayout::digits(int positions, bool boxed)
{
    return {boxed ? CompareRule::Boxed : CompareRule::Straight, 0, positions, 0};
}

std::optional<int32_t> guessNumber(const QString &text)
{
    bool ok = false;
    const int32_t n = text.toInt(&ok);
    if (!ok || n < 1 || QString::number(n) != text)
        return std::nullopt;
    return n;
}

std::optional<int32_t> guessDigit(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || !std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const int32_t n = t.toInt(&ok);
    if (!ok || !isDigit(n))
        return std::nullopt;
    return n;
}

std::optional<int32_t> guessBoxNumber(const GameLayout &layout, int position, const QString &text)
{
    if (layout.digits())
        return guessDigit(text);
    const auto n = vb::plainDecimal(text.trimmed());
    if (!n || *n < 0 || *n > layout.highestAt(position))
        return std::nullopt;
    return n;
}

QString noNumberText(const GameLayout &layout) { return layout.digits() ? QString() : QStringLiteral("0"); }

QString guessBoxText(const GameLayout &layout, int position, const QString &text)
{
    if (const auto n = guessBoxNumber(layout, position, text))
        return QString::number(*n);
    return noNumberText(layout);
}

CompareNumbers CompareNumbers::fromDrawing(const ComparisonLayout &layout, const BallArray<int32_t> &drawing)
{
    CompareNumbers c;
    for (int p = layout.first; p <= layout.last(); ++p) {
        const int32_t n = drawing.value(p, kNone);
        c.byPosition.push_back(validNumber(layout, n) ? n : kNone);
    }
    return c;
}

CompareNumbers CompareNumbers::fromGuess(const ComparisonLayout &layout, const std::function<QString(int)> &guessText)
{
    CompareNumbers c;
    for (int p = layout.first; p <= layout.last(); ++p) {
        const QString text = guessText(p);
        c.byPosition.push_back((layout.digitGame() ? guessDigit(text) : guessNumber(text)).value_or(kNone));
    }
    return c;
}

ColumnHits columnHits(const ComparisonLayout &layout, const CompareNumbers &numbers, std::span<const int32_t> column)
{
    if (layout.mainCount < 1 || static_cast<int>(column.size()) < layout.columnPositions())
        return {};
    return hitsOf(layout, Reference(layout, numbers), column);
}

std::vector<bool> hitPositions(const ComparisonLayout &layout, const CompareNumbers &numbers,
                               std::span<const int32_t> column)
{
    const int count = layout.last() - layout.first + 1;
    std::vector<bool> hit(static_cast<size_t>(std::max(count, 0)), false);
    if (layout.mainCount < 1 || static_cast<int>(column.size()) < layout.columnPositions())
        return hit;
    const auto mainPart = column.first(static_cast<size_t>(layout.mainCount));
    std::vector<bool> used(mainPart.size(), false);
    for (int p = layout.first; p <= layout.last(); ++p) {
        const int32_t n = numberAt(numbers, layout, p);
        const auto i = static_cast<size_t>(p - layout.first);
        if (n == CompareNumbers::kNone)
            continue;
        switch (layout.rule) {
        case CompareRule::SameDrumBonus:
            hit[i] = std::find(mainPart.begin(), mainPart.end(), n) != mainPart.end();
            break;
        case CompareRule::SecondDrum: {
            const auto part = layout.inBonusPart(p)
                                  ? column.subspan(mainPart.size(), static_cast<size_t>(layout.bonusCount))
                                  : mainPart;
            hit[i] = std::find(part.begin(), part.end(), n) != part.end();
            break;
        }
        case CompareRule::Straight:
            hit[i] = i < mainPart.size() && mainPart[i] == n;
            break;
        case CompareRule::Boxed:
            for (size_t j = 0; j < mainPart.size(); ++j) {
                if (!used[j] && mainPart[j] == n) {
                    used[j] = true;
                    hit[i] = true;
                    break;
                }
            }
            break;
        }
    }
    return hit;
}

void writeTicketLine(QString &line, int number, std::span<const int32_t> column, ColumnHits hits)
{
    char16_t numberText[24];
    char16_t *numberEnd = numberText;
    if (number >= 0 && number < 10)  // two digits at least
        *numberEnd++ = u'0';
    numberEnd = writeNumber(numberEnd, number);
    QVarLengthArray<char16_t, 256> buffer(lineRoom(column.size()));
    const char16_t *start = buffer.data();
    setLine(line, start, writeLine(buffer.data(), {numberText, numberEnd}, column, hits));
}

QString hitsText(ColumnHits hits)
{
    char16_t text[48];
    return QString(reinterpret_cast<const QChar *>(text), writeHits(text, hits) - text);
}

ColumnHits widestHits(const ComparisonLayout &layout)
{
    return {layout.mainCount, layout.digitGame() ? 0 : std::clamp(layout.bonusCount, 0, 2)};
}

QString ticketLine(int number, std::span<const int32_t> column, ColumnHits hits)
{
    QString line;
    writeTicketLine(line, number, column, hits);
    return line;
}

TicketComparison compareTicket(const TicketGrid &grid, const ComparisonLayout &layout, const CompareNumbers &numbers,
                               const QString &catcher, QStringList earlierLines, std::vector<ColumnHits> earlierHits)
{
    TicketComparison out;
    const int K = layout.mainCount;
    const int B = layout.digitGame() ? 0 : std::clamp(layout.bonusCount, 0, 2);
    const int width = layout.columnPositions();
    if (K < 1 || grid.firstPosition() > layout.first || grid.lastPosition() < layout.lastColumnPosition())
        return out;
    out.columns = grid.rowCount();
    out.cells = static_cast<int64_t>(out.columns) * width;
    if (out.columns < 1)
        return out;

    const Reference ref(layout, numbers);
    const auto offset = static_cast<size_t>(layout.first - grid.firstPosition());
    // Class (m, b) at m + b * (K + 1): how many columns it holds; whether they are listed, and
    // their numbers.
    const auto at = [K](int m, int b) { return static_cast<size_t>(m + b * (K + 1)); };
    const size_t classes = at(0, B + 1);
    std::vector<int64_t> counters(classes, 0);
    std::vector<char> listed(classes, 0);
    std::vector<QString> lists(classes);
    const std::vector<ClassLine> summaryLines = classLines(layout);
    for (const ClassLine &l : summaryLines)
        listed[at(l.m, l.b)] = l.listed;

    // Lines known to show their columns' numbers keep them: only hits that change are written.
    const bool numbersShown = earlierHits.size() == static_cast<size_t>(out.columns) && earlierLines.size() == out.columns;
    out.lines = std::move(earlierLines);
    out.lines.resize(out.columns);
    out.hits.resize(static_cast<size_t>(out.columns));
    const HitsTexts hitsTexts(K, B);
    QString *const lines = out.lines.data();
    ColumnHits *const allHits = out.hits.data();
    const auto columnOf = [&](int c) { return std::span<const int32_t>(grid.row(c) + offset, static_cast<size_t>(width)); };
    // Each column's hits and line are its own: the lines are compared and written in parts at once.
    forEachPart(out.columns, kLinesAPart, [&](int begin, int end) {
        ticketHits(grid, offset, layout, ref, K, B, begin, end, allHits);
        if (numbersShown) {
            // Each line's text lies in memory of its own: the end of a line some lines ahead is
            // fetched while this one is rewritten, rather than each waited for in turn.
            constexpr int kAhead = 16;
            for (int c = begin + 1; c <= end; ++c) {
                if (c + kAhead <= end)
                    if (const QString &ahead = lines[c + kAhead - 1]; !ahead.isEmpty())
                        __builtin_prefetch(ahead.constData() + ahead.size() - 1);
                const ColumnHits hits = allHits[c - 1];
                const ColumnHits shown = earlierHits[static_cast<size_t>(c - 1)];
                if (hits != shown && !rewriteHits(lines[c - 1], hitsTexts.of(shown), hitsTexts.of(hits)))
                    writeTicketLine(lines[c - 1], c, columnOf(c), hits);
            }
            return;
        }
        QVarLengthArray<char16_t, 256> buffer(lineRoom(static_cast<size_t>(width)));
        ColumnNumberText number(begin + 1);
        for (int c = begin + 1; c <= end; ++c, number.next()) {
            char16_t *text = writeColumnNumber(buffer.data(), number.text());
            for (const int32_t n : columnOf(c))
                text = writeBlankAndNumber(text, n);
            const std::u16string_view hitsText = hitsTexts.of(allHits[c - 1]);
            setLine(lines[c - 1], buffer.data(), std::copy(hitsText.begin(), hitsText.end(), text));
        }
    });
    for (int c = 1; c <= out.columns; ++c) {
        const ColumnHits hits = out.hits[static_cast<size_t>(c - 1)];
        const size_t k = at(hits.main, hits.bonus);
        ++counters[k];
        if (listed[k]) {
            if (!lists[k].isEmpty())
                lists[k] += QStringLiteral(", ");
            lists[k] += QString::number(c);
        }
    }

    int64_t withMainHit = 0;
    for (int b = 0; b <= B; ++b)
        for (int m = 1; m <= K; ++m)
            withMainHit += counters[at(m, b)];
    out.zeroHitColumns = out.columns - withMainHit;

    QStringList boxes[2];
    boxes[0] << QStringLiteral("Total: ") + QString::number(out.columns);
    for (const ClassLine &l : summaryLines) {
        QString text = classLabel(l.m, l.b) + catcher + QString::number(counters[at(l.m, l.b)]);
        if (const QString &list = lists[at(l.m, l.b)]; !list.isEmpty())
            text += QStringLiteral(" (") + list + u')';
        boxes[l.secondBox ? 1 : 0] << text;
    }
    out.summaryLow = boxes[0].join(QStringLiteral("\r\n"));
    out.summaryHigh = boxes[1].join(QStringLiteral("\r\n"));
    return out;
}

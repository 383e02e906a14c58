#include "analysis/comparison.h"

#include "platform/vb.h"

#include <QVarLengthArray>
#include <algorithm>
#include <array>

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

// The numbers 0..63 among the values, as a set of bits (all lotto balls lie there).
uint64_t bitsOf(std::span<const int32_t> values)
{
    uint64_t bits = 0;
    for (const int32_t v : values)
        bits |= v >= 0 && v < 64 ? uint64_t{1} << v : 0;
    return bits;
}

int bitCount(uint64_t bits)
{
    int count = 0;
    for (; bits != 0; bits &= bits - 1)
        ++count;
    return count;
}

// Distinct numbers a part of a column is compared with.
class WantedNumbers {
public:
    void add(int32_t n)
    {
        if (std::find(numbers_.begin(), numbers_.end(), n) != numbers_.end())
            return;
        numbers_.push_back(n);
        if (n >= 0 && n < 64)
            bits_ |= uint64_t{1} << n;
        else
            allInBits_ = false;
    }

    // How many of the numbers stand among the values, whose numbers 0..63 are `valueBits`.
    int heldIn(std::span<const int32_t> values, uint64_t valueBits) const
    {
        if (allInBits_)
            return bitCount(valueBits & bits_);
        int held = 0;
        for (const int32_t n : numbers_)
            held += std::find(values.begin(), values.end(), n) != values.end() ? 1 : 0;
        return held;
    }

private:
    std::vector<int32_t> numbers_;
    uint64_t bits_ = 0;
    bool allInBits_ = true;
};

// The compare numbers prepared once for a whole ticket.
struct Reference {
    WantedNumbers main;                         // the numbers of the main part
    WantedNumbers bonus;                        // the numbers of the bonus part
    std::vector<int32_t> byPosition;            // Straight: the digit of each position
    std::array<int, kDigits> digitCount{};      // Boxed: how often each digit stands

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

ColumnHits hitsOf(const ComparisonLayout &layout, const Reference &ref, std::span<const int32_t> column)
{
    const auto mainPart = column.first(static_cast<size_t>(layout.mainCount));
    switch (layout.rule) {
    case CompareRule::SameDrumBonus: {
        const uint64_t bits = bitsOf(mainPart);
        return {ref.main.heldIn(mainPart, bits), ref.bonus.heldIn(mainPart, bits)};
    }
    case CompareRule::SecondDrum: {
        const auto secondPart = column.subspan(static_cast<size_t>(layout.mainCount), static_cast<size_t>(layout.bonusCount));
        return {ref.main.heldIn(mainPart, bitsOf(mainPart)), ref.bonus.heldIn(secondPart, bitsOf(secondPart))};
    }
    case CompareRule::Straight: {
        int hits = 0;
        for (size_t j = 0; j < mainPart.size(); ++j)
            hits += ref.byPosition[j] != CompareNumbers::kNone && mainPart[j] == ref.byPosition[j] ? 1 : 0;
        return {hits, 0};
    }
    case CompareRule::Boxed: {
        std::array<int, kDigits> count{};
        for (const int32_t d : mainPart)
            if (isDigit(d))
                ++count[static_cast<size_t>(d)];
        int hits = 0;
        for (size_t d = 0; d < count.size(); ++d)
            hits += std::min(count[d], ref.digitCount[d]);
        return {hits, 0};
    }
    }
    return {};
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

// Writes n in decimal (a minus sign first when below 0) at `out`; the end of what it wrote.
char16_t *writeNumber(char16_t *out, int64_t n)
{
    if (n >= 0 && n < 100) {  // nearly every number of a ticket: one or two digits, no branch
        const bool two = n >= 10;
        out[0] = static_cast<char16_t>(u'0' + (two ? n / 10 : n));
        out[1] = static_cast<char16_t>(u'0' + n % 10);
        return out + 1 + (two ? 1 : 0);
    }
    uint64_t u = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    if (n < 0)
        *out++ = u'-';
    char16_t digits[20];
    int k = 0;
    do {
        digits[k++] = static_cast<char16_t>(u'0' + u % 10);
        u /= 10;
    } while (u != 0);
    while (k > 0)
        *out++ = digits[--k];
    return out;
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
    // At most 11 characters a number, and a blank or a bracket or a sign beside each.
    QVarLengthArray<char16_t, 256> buffer(static_cast<qsizetype>(12 * (column.size() + 4)));
    char16_t *out = buffer.data();
    if (number >= 0 && number < 10)
        *out++ = u'0';
    out = writeNumber(out, number);
    *out++ = u'-';
    for (const int32_t n : column) {
        *out++ = u' ';
        out = writeNumber(out, n);
    }
    *out++ = u' ';
    *out++ = u'(';
    out = writeNumber(out, hits.main);
    if (hits.bonus > 0) {
        *out++ = u'+';
        out = writeNumber(out, hits.bonus);
    }
    *out++ = u')';
    const qsizetype length = out - buffer.data();
    line.resize(length);
    std::copy(buffer.data(), out, reinterpret_cast<char16_t *>(line.data()));
}

QString ticketLine(int number, std::span<const int32_t> column, ColumnHits hits)
{
    QString line;
    writeTicketLine(line, number, column, hits);
    return line;
}

TicketComparison compareTicket(const TicketGrid &grid, const ComparisonLayout &layout, const CompareNumbers &numbers,
                               const QString &catcher, QStringList earlierLines)
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
    // counters[b][m]: columns with m main and b bonus hits; lists[b][m] their numbers.
    std::vector<std::vector<int64_t>> counters(static_cast<size_t>(B) + 1, std::vector<int64_t>(K + 1, 0));
    std::vector<std::vector<QString>> lists(static_cast<size_t>(B) + 1, std::vector<QString>(K + 1));
    std::vector<std::vector<bool>> listed(static_cast<size_t>(B) + 1, std::vector<bool>(K + 1, false));
    const std::vector<ClassLine> summaryLines = classLines(layout);
    for (const ClassLine &l : summaryLines)
        listed[static_cast<size_t>(l.b)][static_cast<size_t>(l.m)] = l.listed;

    out.lines = std::move(earlierLines);
    out.lines.resize(out.columns);
    for (int c = 1; c <= out.columns; ++c) {
        const std::span<const int32_t> column(grid.row(c) + offset, static_cast<size_t>(width));
        const ColumnHits hits = hitsOf(layout, ref, column);
        const int m = std::clamp(hits.main, 0, K);
        const int b = std::clamp(hits.bonus, 0, B);
        writeTicketLine(out.lines[c - 1], c, column, {m, b});
        const auto bi = static_cast<size_t>(b), mi = static_cast<size_t>(m);
        ++counters[bi][mi];
        if (listed[bi][mi]) {
            QString &list = lists[bi][mi];
            if (!list.isEmpty())
                list += QStringLiteral(", ");
            list += QString::number(c);
        }
    }

    int64_t withMainHit = 0;
    for (const auto &row : counters)
        for (int m = 1; m <= K; ++m)
            withMainHit += row[static_cast<size_t>(m)];
    out.zeroHitColumns = out.columns - withMainHit;

    QStringList boxes[2];
    boxes[0] << QStringLiteral("Total: ") + QString::number(out.columns);
    for (const ClassLine &l : summaryLines) {
        const auto bi = static_cast<size_t>(l.b), mi = static_cast<size_t>(l.m);
        QString text = classLabel(l.m, l.b) + catcher + QString::number(counters[bi][mi]);
        if (!lists[bi][mi].isEmpty())
            text += QStringLiteral(" (") + lists[bi][mi] + u')';
        boxes[l.secondBox ? 1 : 0] << text;
    }
    out.summaryLow = boxes[0].join(QStringLiteral("\r\n"));
    out.summaryHigh = boxes[1].join(QStringLiteral("\r\n"));
    return out;
}

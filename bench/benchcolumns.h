#pragma once
// The rules the columns of a DRAW must keep, checked column by column outside the timed part of
// every benchmark that draws: each number a ball of its drum and, unless it is guaranteed, in its
// pool and not excluded; every guaranteed number on the column (a digit at its position); the sum
// of the pick counts of each part within its interval when the interval is on; the numbers of a
// lotto part ascending, none twice (each part of a two-drum column on its own); no column twice
// on the ticket; and the ticket list showing the ticket, line for line, and after a Compare each
// column's hits as counted here. The rules are given as the generator takes them (GeneratorSetup):
// set up by the benchmark, or read off the board the user set (benchworld.h).

#include "analysis/generator.h"
#include "analysis/ticketgrid.h"

#include <QString>
#include <algorithm>
#include <functional>
#include <span>
#include <unordered_set>

namespace benchcolumns {

// What is wrong with the numbers of one part of a column under its rules; empty when nothing is.
inline QString partFault(const PartInputs &rules, const int32_t *numbers)
{
    const auto count = static_cast<int>(rules.guarantees.size());
    const auto guaranteed = [&](int i) {
        const int32_t x = numbers[i];
        if (!rules.distinct)
            return rules.guarantees[static_cast<size_t>(i)] == x;
        return std::any_of(rules.guarantees.begin(), rules.guarantees.end(), [x](const auto &g) { return g == x; });
    };
    int64_t sum = 0;
    for (int i = 0; i < count; ++i) {
        const int32_t x = numbers[i];
        if (!rules.drum.holds(x))
            return QStringLiteral("%1 is no ball of its drum").arg(x);
        if (!guaranteed(i) && rules.pool.count(x) <= 0)
            return QStringLiteral("%1 is not in the pool").arg(x);
        if (!guaranteed(i) && rules.excluded.value(x, 0) != 0)
            return QStringLiteral("%1 is excluded").arg(x);
        if (rules.distinct && i > 0 && numbers[i - 1] >= x)
            return QStringLiteral("%1 after %2").arg(x).arg(numbers[i - 1]);
        sum += rules.pickCount.value(x, 0);
    }
    for (int i = 0; i < count; ++i) {
        const auto &g = rules.guarantees[static_cast<size_t>(i)];
        if (g && (rules.distinct ? !std::count(numbers, numbers + count, *g) : numbers[i] != *g))
            return QStringLiteral("the guaranteed %1 is missing").arg(*g);
    }
    if (rules.intervalOn && (sum < rules.lower || sum > rules.upper))
        return QStringLiteral("the sum %1 lies outside %2..%3").arg(sum).arg(rules.lower).arg(rules.upper);
    return {};
}

// What is wrong with the ticket `grid` of `columns` columns under `rules`; empty when nothing is.
inline QString ticketFault(const GeneratorSetup &rules, const TicketGrid &grid, int columns)
{
    if (grid.rowCount() != columns)
        return QStringLiteral("%1 columns instead of %2").arg(grid.rowCount()).arg(columns);
    if (grid.firstPosition() != rules.firstPosition || grid.lastPosition() != rules.lastPosition)
        return QStringLiteral("columns of positions %1..%2").arg(grid.firstPosition()).arg(grid.lastPosition());
    std::vector<const PartInputs *> parts{&rules.main};
    if (rules.family == GameLayout::Family::TwoDrum)
        parts.push_back(&rules.second);
    std::unordered_set<uint64_t> seen;
    seen.reserve(2 * static_cast<size_t>(columns));
    for (int r = 1; r <= columns; ++r) {
        const int32_t *row = grid.row(r);
        int offset = 0;
        for (const PartInputs *part : parts) {
            if (const QString fault = partFault(*part, row + offset); !fault.isEmpty())
                return QStringLiteral("column %1: %2").arg(r).arg(fault);
            offset += static_cast<int>(part->guarantees.size());
        }
        if (offset != grid.width())
            return QStringLiteral("the parts fill %1 of %2 positions").arg(offset).arg(grid.width());
        // Every ball lies below 128 (checked above): eight bits a number.
        uint64_t key = 0;
        for (int i = 0; i < grid.width(); ++i)
            key = key << 8 | static_cast<uint64_t>(row[i]);
        if (!seen.insert(key).second)
            return QStringLiteral("column %1 is on the ticket twice").arg(r);
    }
    return {};
}

// Reads the digits at the start of `text` as a number into `value` and takes them off; false when
// `text` does not start with a digit.
inline bool takeNumber(QStringView &text, int64_t &value)
{
    qsizetype digits = 0;
    value = 0;
    for (; digits < text.size() && text[digits].isDigit(); ++digits)
        value = 10 * value + text[digits].digitValue();
    text = text.mid(digits);
    return digits > 0;
}

// Takes `start` off the start of `text`; false when `text` does not start with it.
inline bool take(QStringView &text, QStringView start)
{
    if (!text.startsWith(start))
        return false;
    text = text.mid(start.size());
    return true;
}

// The numbers of a lotto drawing a ticket is compared with: its main numbers, and its bonus
// numbers (drawn from the same drum as the main numbers, or from the second drum).
struct Drawn {
    std::vector<int32_t> main;
    std::vector<int32_t> bonus;
    bool secondDrum = false;
};

// The hits of a lotto column as its line gives them in brackets, counted here: m, the column's
// numbers among the drawing's main numbers, and b, its numbers among the bonus numbers (on a
// two-drum game the column's last numbers, of the second drum, among the drawing's second-drum
// numbers); "(m)", or "(m+b)" when b is above 0.
inline QString hitsText(const Drawn &drawn, std::span<const int32_t> column)
{
    const auto among = [](std::span<const int32_t> numbers, const std::vector<int32_t> &drawnNumbers) {
        return std::count_if(numbers.begin(), numbers.end(), [&](int32_t n) {
            return std::find(drawnNumbers.begin(), drawnNumbers.end(), n) != drawnNumbers.end();
        });
    };
    const size_t mainPart = drawn.secondDrum ? drawn.main.size() : column.size();
    const auto m = among(column.first(mainPart), drawn.main);
    const auto b = among(column.subspan(drawn.secondDrum ? mainPart : 0), drawn.bonus);
    return b > 0 ? QStringLiteral("(%1+%2)").arg(m).arg(b) : QStringLiteral("(%1)").arg(m);
}

// What is wrong with the ticket list of `lines` lines (`line(i)`, from 0) as a view of `grid`: a
// line for each column, its number (two digits at least), "-", each number after a blank, and the
// hits in brackets (exactly `hits(r)` for column r when that is given); empty when nothing is.
inline QString listFault(const TicketGrid &grid, int lines, const std::function<QString(int)> &line,
                         const std::function<QString(int)> &hits = {})
{
    if (lines != grid.rowCount())
        return QStringLiteral("%1 lines for %2 columns").arg(lines).arg(grid.rowCount());
    for (int r = 1; r <= lines; ++r) {
        const QString shown = line(r - 1);
        QStringView rest(shown);
        int64_t n = 0;
        bool same = shown.startsWith(u'0') == (r < 10) && takeNumber(rest, n) && n == r && take(rest, u"-");
        for (int i = 0; same && i < grid.width(); ++i)
            same = take(rest, u" ") && takeNumber(rest, n) && n == grid.row(r)[i];
        if (!same || !take(rest, u" ") || !(hits ? rest == hits(r) : rest.startsWith(u'(') && rest.endsWith(u')')))
            return QStringLiteral("line %1 \"%2\" is not its column").arg(r).arg(shown);
    }
    return {};
}

}  // namespace benchcolumns

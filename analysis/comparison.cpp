#include "analysis/comparison.h"

#include "platform/vb.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace {

constexpr int kHighestBall = 63;
// Classes from this many main hits list their columns.
constexpr int kListedFrom = 4;

uint64_t bitOf(int32_t n) { return n >= 1 && n <= kHighestBall ? uint64_t{1} << n : 0; }

QString classLabel(int m, int b) { return b == 0 ? QStringLiteral("%1 ").arg(m) : QStringLiteral("%1+%2 ").arg(m).arg(b); }

}  // namespace

std::optional<int32_t> guessNumber(const QString &text)
{
    bool ok = false;
    const int32_t n = text.toInt(&ok);
    if (!ok || n < 1 || QString::number(n) != text)
        return std::nullopt;
    return n;
}

CompareNumbers CompareNumbers::fromDrawing(const BallArray<int32_t> &drawing, int picks, int bonusCount)
{
    CompareNumbers c;
    for (int p = 1; p <= picks + bonusCount; ++p)
        (p <= picks ? c.main : c.bonus) |= bitOf(drawing.value(p, 0));
    return c;
}

CompareNumbers CompareNumbers::fromGuess(const std::function<QString(int)> &guessText, int picks, int bonusCount)
{
    CompareNumbers c;
    for (int p = 1; p <= picks + bonusCount; ++p)
        if (const auto n = guessNumber(guessText(p)))
            (p <= picks ? c.main : c.bonus) |= bitOf(*n);
    return c;
}

TicketComparison compareTicket(const TicketGrid &grid, int picks, int bonusCount, const CompareNumbers &numbers,
                               const QString &catcher)
{
    TicketComparison out;
    const int K = picks;
    const int B = std::clamp(bonusCount, 0, 2);
    if (K < 1 || grid.width() < K)
        return out;
    out.columns = grid.rowCount();
    out.cells = static_cast<int64_t>(out.columns) * K;
    if (out.columns < 1)
        return out;

    // counters[b][m]: columns with m main and b bonus hits; lists[b][m] their numbers (m >= 4).
    std::vector<std::vector<int64_t>> counters(static_cast<size_t>(B) + 1, std::vector<int64_t>(K + 1, 0));
    std::vector<std::vector<QString>> lists(static_cast<size_t>(B) + 1, std::vector<QString>(K + 1));

    out.lines.reserve(out.columns);
    QString line;
    for (int c = 1; c <= out.columns; ++c) {
        const int32_t *row = grid.row(c);
        uint64_t held = 0;
        line = vb::columnNumber(c);
        for (int j = 0; j < K; ++j) {
            held |= bitOf(row[j]);
            line += u' ';
            line += QString::number(row[j]);
        }
        const int m = std::popcount(held & numbers.main);
        const int b = std::min(B, std::popcount(held & numbers.bonus));
        line += QStringLiteral(" (") + QString::number(m);
        if (b > 0)
            line += u'+' + QString::number(b);
        line += u')';
        out.lines.append(line);
        if (m == 0 && b == 0)
            continue;
        ++counters[static_cast<size_t>(b)][static_cast<size_t>(m)];
        if (m >= kListedFrom) {
            QString &list = lists[static_cast<size_t>(b)][static_cast<size_t>(m)];
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

    // The "0 " line holds the columns without any hit.
    int64_t noHit = out.zeroHitColumns;
    for (int b = 1; b <= B; ++b)
        noHit -= counters[static_cast<size_t>(b)][0];

    auto classLine = [&](int m, int b) {
        const int64_t count = (m == 0 && b == 0) ? noHit : counters[static_cast<size_t>(b)][static_cast<size_t>(m)];
        QString text = classLabel(m, b) + catcher + QString::number(count);
        const QString &list = lists[static_cast<size_t>(b)][static_cast<size_t>(m)];
        if (m >= kListedFrom && !list.isEmpty())
            text += QStringLiteral(" (") + list + u')';
        return text;
    };

    // For every main count below K the lines m, m+1 (and m+2 with two bonus numbers); the last
    // line, K main hits, has no bonus part. Counts 0 to 2 go into the first box.
    QStringList low{QStringLiteral("Total: ") + QString::number(out.columns)};
    QStringList high;
    for (int m = 0; m <= K; ++m) {
        const int lastBonus = m < K ? B : 0;
        for (int b = 0; b <= lastBonus; ++b)
            (m < 3 ? low : high).append(classLine(m, b));
    }
    out.summaryLow = low.join(QStringLiteral("\r\n"));
    out.summaryHigh = high.join(QStringLiteral("\r\n"));
    return out;
}

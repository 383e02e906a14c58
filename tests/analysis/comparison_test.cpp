// The comparison of a lotto ticket with a drawing or a guess: list lines, hit classes and the two
// summary texts, checked against the texts worked out by hand and against a plain model.

#include "analysis/comparison.h"

#include <QRegularExpression>
#include "support/lottocolumns.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <random>
#include <set>

namespace {

const QString kCatcher = QStringLiteral("Catcher: ");

TicketGrid gridOf(const std::vector<std::vector<int32_t>> &rows)
{
    TicketGrid grid(1, static_cast<int>(rows.empty() ? 0 : rows[0].size()));
    grid.resizeRows(static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t j = 0; j < rows[r].size(); ++j)
            grid.at(static_cast<int>(r) + 1, static_cast<int>(j) + 1) = rows[r][j];
    return grid;
}

// The columns compared with a drawing of K main and B bonus numbers.
TicketComparison compareWithDrawing(const std::vector<std::vector<int32_t>> &rows, const std::vector<int32_t> &drawing,
                                    int k, int b)
{
    BallArray<int32_t> d(1, static_cast<int>(drawing.size()));
    for (size_t i = 0; i < drawing.size(); ++i)
        d[static_cast<int>(i) + 1] = drawing[i];
    return compareTicket(gridOf(rows), k, b, CompareNumbers::fromDrawing(d, k, b), kCatcher);
}

// The count shown on a summary line ("4+1 Catcher: 3 (2, 9)" -> 3).
int64_t lineCount(const QString &line)
{
    static const QRegularExpression count(QStringLiteral(": (\\d+)"));
    return count.match(line).captured(1).toLongLong();
}

}  // namespace

TEST(TicketComparison, SixNumbersWithoutBonusAsTheBoardShowsThem)
{
    // Ten columns: four without a hit, three with one, two with two, column 7 with four.
    std::vector<std::vector<int32_t>> rows;
    for (int hits : {0, 1, 2, 0, 1, 0, 4, 2, 1, 0})
        rows.push_back(sixNumberColumn(hits));
    const TicketComparison r = compareWithDrawing(rows, {1, 2, 3, 4, 5, 6}, 6, 0);
    EXPECT_EQ(r.columns, 10);
    EXPECT_EQ(r.cells, 60);
    EXPECT_EQ(r.zeroHitColumns, 4);
    EXPECT_EQ(r.summaryLow, crlf({"Total: 10", "0 Catcher: 4", "1 Catcher: 3", "2 Catcher: 2"}));
    EXPECT_EQ(r.summaryHigh, crlf({"3 Catcher: 0", "4 Catcher: 1 (7)", "5 Catcher: 0", "6 Catcher: 0"}));
    EXPECT_EQ(r.lines[6], QStringLiteral("07- 1 2 3 4 20 21 (4)"));
    EXPECT_EQ(r.lines[0], QStringLiteral("01- 20 21 22 23 24 25 (0)"));
}

TEST(TicketComparison, SixNumbersAndABonusAsTheBoardShowsThem)
{
    // "610": three columns without a hit, one with only the bonus number, two with one main hit,
    // one with one main hit and the bonus number, one with two, one with three, and column 6 with
    // four main hits.
    std::vector<std::vector<int32_t>> rows;
    for (auto [hits, bonus] : {std::pair{0, false}, {0, false}, {0, true}, {1, false}, {1, true}, {4, false}, {1, false},
                               {2, false}, {3, false}, {0, false}})
        rows.push_back(sixNumberColumn(hits, bonus));
    const TicketComparison r = compareWithDrawing(rows, {1, 2, 3, 4, 5, 6, 7}, 6, 1);
    EXPECT_EQ(r.summaryLow, crlf({"Total: 10", "0 Catcher: 3", "0+1 Catcher: 1", "1 Catcher: 2", "1+1 Catcher: 1",
                                  "2 Catcher: 1", "2+1 Catcher: 0"}));
    EXPECT_EQ(r.summaryHigh, crlf({"3 Catcher: 1", "3+1 Catcher: 0", "4 Catcher: 1 (6)", "4+1 Catcher: 0",
                                   "5 Catcher: 0", "5+1 Catcher: 0", "6 Catcher: 0"}));
    EXPECT_EQ(r.lines[2], QStringLiteral("03- 7 20 21 22 23 24 (0+1)"));
    EXPECT_EQ(r.lines[4], QStringLiteral("05- 1 7 20 21 22 23 (1+1)"));
    EXPECT_EQ(r.lines[3], QStringLiteral("04- 1 20 21 22 23 24 (1)"));
    // Columns without a main hit, the bonus-only column among them.
    EXPECT_EQ(r.zeroHitColumns, 4);
}

TEST(TicketComparison, TwoBonusNumbersListOnlyFromFourMainHits)
{
    // "620": main 1..6, bonus 7 and 8.
    const std::vector<std::vector<int32_t>> rows = {{1, 2, 3, 7, 8, 40}, {1, 2, 3, 4, 7, 8}, {1, 2, 3, 4, 5, 7}};
    const TicketComparison r = compareWithDrawing(rows, {1, 2, 3, 4, 5, 6, 7, 8}, 6, 2);
    EXPECT_EQ(r.lines[0], QStringLiteral("01- 1 2 3 7 8 40 (3+2)"));
    EXPECT_EQ(r.lines[1], QStringLiteral("02- 1 2 3 4 7 8 (4+2)"));
    EXPECT_EQ(r.lines[2], QStringLiteral("03- 1 2 3 4 5 7 (5+1)"));
    const QStringList high = r.summaryHigh.split(QStringLiteral("\r\n"));
    EXPECT_EQ(high[2], QStringLiteral("3+2 Catcher: 1"));
    EXPECT_EQ(high[5], QStringLiteral("4+2 Catcher: 1 (2)"));
    EXPECT_EQ(high[7], QStringLiteral("5+1 Catcher: 1 (3)"));
    EXPECT_EQ(high[8], QStringLiteral("5+2 Catcher: 0"));
    EXPECT_EQ(high.last(), QStringLiteral("6 Catcher: 0"));
}

TEST(TicketComparison, ColumnNumbersGrowPastTwoDigits)
{
    std::vector<std::vector<int32_t>> rows(1000, std::vector<int32_t>{11, 12, 13, 14, 15});
    const TicketComparison r =
        compareWithDrawing(rows, {11, 12, 13, 14, 15}, 5, 0);
    EXPECT_TRUE(r.lines[99].startsWith(QStringLiteral("100- ")));
    EXPECT_TRUE(r.lines[999].startsWith(QStringLiteral("1000- ")));
    const QString last = r.summaryHigh.split(QStringLiteral("\r\n")).last();
    EXPECT_TRUE(last.startsWith(QStringLiteral("5 Catcher: 1000 (1, 2, 3, "))) << last.left(40).toStdString();
    EXPECT_TRUE(last.endsWith(QStringLiteral(", 999, 1000)")));
}

TEST(TicketComparison, GuessTextsHitOnlyAsThePlainNumber)
{
    EXPECT_EQ(guessNumber(QStringLiteral("7")), 7);
    for (const char *never : {"07", " 7", "7 ", "", "0", "-7", "+7", "7.0", "x"})
        EXPECT_FALSE(guessNumber(QString::fromLatin1(never))) << never;

    // Boxes 1..6 main, 7 bonus: a repeated guess number counts once, and so do zeros.
    const QStringList boxes = {"", "7", "7", "0", "07", "12", "", "13"};
    const CompareNumbers guess = CompareNumbers::fromGuess([&](int p) { return boxes.value(p); }, 6, 1);
    const TicketComparison r =
        compareTicket(gridOf({{7, 12, 13, 20, 21, 22}, {1, 2, 3, 4, 5, 6}}), 6, 1, guess, kCatcher);
    EXPECT_EQ(r.lines[0], QStringLiteral("01- 7 12 13 20 21 22 (2+1)"));
    EXPECT_EQ(r.lines[1], QStringLiteral("02- 1 2 3 4 5 6 (0)"));
}

TEST(TicketComparison, BonusHitsNeverPassTheBonusCount)
{
    // A hand-edited ticket may repeat a number; a bonus box may repeat another.
    const QStringList boxes = {"", "1", "2", "3", "4", "5", "6", "9", "9"};
    const CompareNumbers guess = CompareNumbers::fromGuess([&](int p) { return boxes.value(p); }, 6, 2);
    const TicketComparison r = compareTicket(gridOf({{9, 9, 9, 1, 1, 2}}), 6, 2, guess, kCatcher);
    EXPECT_EQ(r.lines[0], QStringLiteral("01- 9 9 9 1 1 2 (2+1)"));
    EXPECT_EQ(lineCount(r.summaryLow.split(QStringLiteral("\r\n"))[8]), 1);  // "2+1 "
}

TEST(TicketComparison, AnEmptyTicketGivesNoText)
{
    const TicketComparison r = compareTicket(TicketGrid(1, 6), 6, 0, CompareNumbers{}, kCatcher);
    EXPECT_EQ(r.columns, 0);
    EXPECT_TRUE(r.lines.isEmpty());
    EXPECT_TRUE(r.summaryLow.isEmpty() && r.summaryHigh.isEmpty());
}

TEST(TicketComparison, ClassLinesOfEveryShapeAgreeWithAPlainCountOnRandomTickets)
{
    // The first box holds Total and the classes below 3 main hits; the second the rest.
    const struct {
        int k, b;
        const char *high;
    } shapes[] = {
        {5, 0, "3 |4 |5 "},
        {6, 0, "3 |4 |5 |6 "},
        {7, 0, "3 |4 |5 |6 |7 "},
        {5, 1, "3 |3+1 |4 |4+1 |5 "},
        {6, 1, "3 |3+1 |4 |4+1 |5 |5+1 |6 "},
        {7, 1, "3 |3+1 |4 |4+1 |5 |5+1 |6 |6+1 |7 "},
        {6, 2, "3 |3+1 |3+2 |4 |4+1 |4+2 |5 |5+1 |5+2 |6 "},
    };
    const char *low[] = {"Total|0 |1 |2 ", "Total|0 |0+1 |1 |1+1 |2 |2+1 ", "Total|0 |0+1 |0+2 |1 |1+1 |1+2 |2 |2+1 |2+2 "};
    static const QRegularExpression label(QStringLiteral("^(\\d+)(?:\\+(\\d+))? |^Total"));
    std::mt19937 rng(7);
    for (const auto &[k, b, high] : shapes) {
        SCOPED_TRACE(k * 10 + b);
        std::vector<int32_t> all(49);
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), rng);
        const std::vector<int32_t> drawing(all.begin(), all.begin() + k + b);
        std::vector<std::vector<int32_t>> rows;
        for (int c = 0; c < 400; ++c) {
            std::shuffle(all.begin(), all.end(), rng);
            rows.emplace_back(all.begin(), all.begin() + k);
        }
        const TicketComparison r = compareWithDrawing(rows, drawing, k, b);

        // The model: classes counted straight from the numbers.
        std::map<std::pair<int, int>, int> classes;
        for (size_t c = 0; c < rows.size(); ++c) {
            const std::set<int32_t> held(rows[c].begin(), rows[c].end());
            int m = 0, bonus = 0;
            for (int j = 0; j < k + b; ++j)
                (j < k ? m : bonus) += held.count(drawing[static_cast<size_t>(j)]) ? 1 : 0;
            ++classes[{m, bonus}];
            const QString tail = bonus ? QStringLiteral(" (%1+%2)").arg(m).arg(bonus) : QStringLiteral(" (%1)").arg(m);
            EXPECT_TRUE(r.lines[static_cast<int>(c)].endsWith(tail));
        }
        QStringList labels[2];
        int64_t sum = 0;
        for (int box = 0; box < 2; ++box) {
            for (const QString &line : (box ? r.summaryHigh : r.summaryLow).split(QStringLiteral("\r\n"))) {
                const auto match = label.match(line);
                labels[box] << match.captured(0);
                if (labels[box].size() == 1 && box == 0) {
                    EXPECT_EQ(line, QStringLiteral("Total: 400"));
                    continue;
                }
                const std::pair<int, int> cls{match.captured(1).toInt(), match.captured(2).toInt()};
                EXPECT_EQ(line.left(match.capturedLength()) + kCatcher + QString::number(classes[cls]),
                          line.section(QStringLiteral(" ("), 0, 0));
                sum += classes[cls];
            }
        }
        EXPECT_EQ(labels[0].join(u'|'), QString::fromLatin1(low[b]));
        EXPECT_EQ(labels[1].join(u'|'), QString::fromLatin1(high));
        EXPECT_EQ(sum, 400);
    }
}

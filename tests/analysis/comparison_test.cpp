// The comparison of a ticket with a drawing or a guess under the four rules: list lines, hit
// classes and the summary texts, checked against the texts worked out by hand and against plain
// models of each rule.

#include "analysis/comparison.h"

#include <QRegularExpression>
#include "support/lottocolumns.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <set>

namespace {

const QString kCatcher = QStringLiteral("Catcher: ");

TicketGrid gridOf(int first, const std::vector<std::vector<int32_t>> &rows)
{
    const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    TicketGrid grid(first, first + width - 1);
    grid.resizeRows(static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (int j = 0; j < width; ++j)
            grid.at(static_cast<int>(r) + 1, first + j) = rows[r][static_cast<size_t>(j)];
    return grid;
}

BallArray<int32_t> drawingOf(int first, const std::vector<int32_t> &numbers)
{
    BallArray<int32_t> d(first, first + static_cast<int>(numbers.size()) - 1);
    for (size_t i = 0; i < numbers.size(); ++i)
        d[first + static_cast<int>(i)] = numbers[i];
    return d;
}

TicketComparison compareWithDrawing(const ComparisonLayout &layout, const std::vector<std::vector<int32_t>> &rows,
                                    const std::vector<int32_t> &drawing)
{
    return compareTicket(gridOf(layout.first, rows), layout,
                         CompareNumbers::fromDrawing(layout, drawingOf(layout.first, drawing)), kCatcher);
}

// The guess boxes of positions layout.first on.
CompareNumbers guessOf(const ComparisonLayout &layout, const QStringList &boxes)
{
    return CompareNumbers::fromGuess(layout, [&](int p) { return boxes.value(p - layout.first); });
}

int hitsAgainstDrawing(const ComparisonLayout &layout, const std::vector<int32_t> &column,
                       const std::vector<int32_t> &drawing)
{
    return columnHits(layout, CompareNumbers::fromDrawing(layout, drawingOf(layout.first, drawing)), column).main;
}

QStringList boxLines(const QString &box) { return box.split(QStringLiteral("\r\n")); }

// The labels of a box's lines ("Total", "0 ", "0+1 ", ...), joined by "|".
QString labelsOf(const QString &box)
{
    static const QRegularExpression label(QStringLiteral("^(\\d+(?:\\+\\d+)? |Total)"));
    QStringList labels;
    for (const QString &line : boxLines(box))
        labels << label.match(line).captured(1);
    return labels.join(u'|');
}

// The count shown on a summary line ("4+1 Catcher: 3 (2, 9)" -> 3).
int64_t lineCount(const QString &line)
{
    static const QRegularExpression count(QStringLiteral(": (\\d+)"));
    return count.match(line).captured(1).toLongLong();
}

// A ticket of `count` columns that all read `filler`, but for the given columns.
std::vector<std::vector<int32_t>> ticketOf(int count, const std::vector<int32_t> &filler,
                                           const std::map<int, std::vector<int32_t>> &columns)
{
    std::vector<std::vector<int32_t>> rows(static_cast<size_t>(count), filler);
    for (const auto &[c, numbers] : columns)
        rows[static_cast<size_t>(c) - 1] = numbers;
    return rows;
}

}  // namespace

// ---- Single drum with bonus numbers from the same drum ------------------------------------------

TEST(SameDrumComparison, SixNumbersWithoutBonusAsTheBoardShowsThem)
{
    // Ten columns: four without a hit, three with one, two with two, column 7 with four.
    std::vector<std::vector<int32_t>> rows;
    for (int hits : {0, 1, 2, 0, 1, 0, 4, 2, 1, 0})
        rows.push_back(sixNumberColumn(hits));
    const TicketComparison r = compareWithDrawing(ComparisonLayout::sameDrum(6, 0), rows, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(r.columns, 10);
    EXPECT_EQ(r.cells, 60);
    EXPECT_EQ(r.zeroHitColumns, 4);
    EXPECT_EQ(r.summaryLow, crlf({"Total: 10", "0 Catcher: 4", "1 Catcher: 3", "2 Catcher: 2"}));
    EXPECT_EQ(r.summaryHigh, crlf({"3 Catcher: 0", "4 Catcher: 1 (7)", "5 Catcher: 0", "6 Catcher: 0"}));
    EXPECT_EQ(r.lines[6], QStringLiteral("07- 1 2 3 4 20 21 (4)"));
    EXPECT_EQ(r.lines[0], QStringLiteral("01- 20 21 22 23 24 25 (0)"));
}

TEST(SameDrumComparison, SixNumbersAndABonusAsTheBoardShowsThem)
{
    // "610": three columns without a hit, one with only the bonus number, two with one main hit,
    // one with one main hit and the bonus number, one with two, one with three, and column 6 with
    // four main hits.
    std::vector<std::vector<int32_t>> rows;
    for (auto [hits, bonus] : {std::pair{0, false}, {0, false}, {0, true}, {1, false}, {1, true}, {4, false}, {1, false},
                               {2, false}, {3, false}, {0, false}})
        rows.push_back(sixNumberColumn(hits, bonus));
    const TicketComparison r = compareWithDrawing(ComparisonLayout::sameDrum(6, 1), rows, {1, 2, 3, 4, 5, 6, 7});
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

TEST(SameDrumComparison, TheLinesOfTheExamples)
{
    // Column 7 with two hits; column 3 with three main hits and the bonus number.
    const TicketComparison plain = compareWithDrawing(
        ComparisonLayout::sameDrum(6, 0), ticketOf(7, {1, 2, 3, 4, 5, 6}, {{7, {3, 14, 22, 31, 40, 45}}}),
        {3, 14, 1, 2, 5, 6});
    EXPECT_EQ(plain.lines[6], QStringLiteral("07- 3 14 22 31 40 45 (2)"));
    const TicketComparison bonus = compareWithDrawing(
        ComparisonLayout::sameDrum(6, 1), ticketOf(3, {1, 2, 3, 4, 5, 6}, {{3, {11, 12, 13, 14, 15, 16}}}),
        {11, 12, 13, 30, 31, 32, 14});
    EXPECT_EQ(bonus.lines[2], QStringLiteral("03- 11 12 13 14 15 16 (3+1)"));
}

TEST(SameDrumComparison, TwoBonusNumbersListOnlyFromFourMainHits)
{
    // "620": main 1..6, bonus 7 and 8.
    const std::vector<std::vector<int32_t>> rows = {{1, 2, 3, 7, 8, 40}, {1, 2, 3, 4, 7, 8}, {1, 2, 3, 4, 5, 7}};
    const TicketComparison r = compareWithDrawing(ComparisonLayout::sameDrum(6, 2), rows, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(r.lines[0], QStringLiteral("01- 1 2 3 7 8 40 (3+2)"));
    EXPECT_EQ(r.lines[1], QStringLiteral("02- 1 2 3 4 7 8 (4+2)"));
    EXPECT_EQ(r.lines[2], QStringLiteral("03- 1 2 3 4 5 7 (5+1)"));
    const QStringList high = boxLines(r.summaryHigh);
    EXPECT_EQ(high[2], QStringLiteral("3+2 Catcher: 1"));
    EXPECT_EQ(high[5], QStringLiteral("4+2 Catcher: 1 (2)"));
    EXPECT_EQ(high[7], QStringLiteral("5+1 Catcher: 1 (3)"));
    EXPECT_EQ(high[8], QStringLiteral("5+2 Catcher: 0"));
    EXPECT_EQ(high.last(), QStringLiteral("6 Catcher: 0"));
}

TEST(SameDrumComparison, BonusHitsNeverPassTheBonusCount)
{
    // A hand-edited ticket may repeat a number; a bonus box may repeat another.
    const ComparisonLayout layout = ComparisonLayout::sameDrum(6, 2);
    const CompareNumbers guess = guessOf(layout, {"1", "2", "3", "4", "5", "6", "9", "9"});
    const TicketComparison r = compareTicket(gridOf(1, {{9, 9, 9, 1, 1, 2}}), layout, guess, kCatcher);
    EXPECT_EQ(r.lines[0], QStringLiteral("01- 9 9 9 1 1 2 (2+1)"));
    EXPECT_EQ(lineCount(boxLines(r.summaryLow)[8]), 1);  // "2+1 "
}

// ---- Two drums -------------------------------------------------------------------------------------

TEST(SecondDrumComparison, TheLinesOfTheExamples)
{
    // 5+1: end drawing 3 8 25 40 44, second drum 2 (or 9).
    const ComparisonLayout layout = ComparisonLayout::secondDrum(5, 1);
    const auto rows = ticketOf(8, {10, 12, 14, 16, 18, 11},
                               {{1, {1, 5, 7, 9, 10, 2}}, {7, {3, 11, 25, 38, 44, 2}}, {8, {1, 9, 17, 30, 45, 6}}});
    const TicketComparison hit = compareWithDrawing(layout, rows, {3, 8, 25, 40, 44, 2});
    EXPECT_EQ(hit.lines[6], QStringLiteral("07- 3 11 25 38 44 2 (3+1)"));
    EXPECT_EQ(hit.lines[7], QStringLiteral("08- 1 9 17 30 45 6 (0)"));
    EXPECT_EQ(hit.lines[0], QStringLiteral("01- 1 5 7 9 10 2 (0+1)"));
    EXPECT_EQ(boxLines(hit.summaryHigh)[1], QStringLiteral("3+1 Catcher: 1 (7)"));
    EXPECT_EQ(hit.cells, 8 * 6);

    const TicketComparison miss = compareWithDrawing(layout, rows, {3, 8, 25, 40, 44, 9});
    EXPECT_EQ(miss.lines[6], QStringLiteral("07- 3 11 25 38 44 2 (3)"));
    EXPECT_EQ(boxLines(miss.summaryHigh)[0], QStringLiteral("3 Catcher: 1 (7)"));
}

TEST(SecondDrumComparison, TheSummaryOfAFivePlusOneTicket)
{
    // 5/50 + 1: drawing 1..5, second drum 6. Columns 2 and 15 with three main hits, column 4 with
    // four and the second-drum number, column 9 with only the second-drum number, column 11 with
    // two main hits, the rest without a hit.
    const auto rows = ticketOf(16, {20, 21, 22, 23, 24, 7},
                               {{2, {1, 2, 3, 30, 31, 7}},
                                {15, {3, 4, 5, 30, 31, 8}},
                                {4, {1, 2, 3, 4, 31, 6}},
                                {9, {20, 21, 22, 23, 24, 6}},
                                {11, {1, 5, 22, 23, 24, 9}}});
    const TicketComparison r = compareWithDrawing(ComparisonLayout::secondDrum(5, 1), rows, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(r.summaryLow, crlf({"Total: 16", "0 Catcher: 11", "0+1 Catcher: 1", "1 Catcher: 0", "1+1 Catcher: 0",
                                  "2 Catcher: 1", "2+1 Catcher: 0"}));
    EXPECT_EQ(r.summaryHigh, crlf({"3 Catcher: 2 (2, 15)", "3+1 Catcher: 0", "4 Catcher: 0", "4+1 Catcher: 1 (4)",
                                   "5 Catcher: 0", "5+1 Catcher: 0"}));
    EXPECT_EQ(r.zeroHitColumns, 12);
}

// Random tickets of every shape of both lotto rules: the class of each line and the count on each
// summary line agree with a plain count of the numbers, and the boxes hold their classes in order
// (the first box Total and the classes below 3 main hits, the second the rest).
TEST(TicketComparison, ClassLinesOfEveryLottoShapeAgreeWithAPlainCount)
{
    const char *low0 = "Total|0 |1 |2 ", *low1 = "Total|0 |0+1 |1 |1+1 |2 |2+1 ",
               *low2 = "Total|0 |0+1 |0+2 |1 |1+1 |1+2 |2 |2+1 |2+2 ";
    const struct {
        bool secondDrum;
        int k, b;
        const char *low, *high;
    } shapes[] = {
        {false, 5, 0, low0, "3 |4 |5 "},
        {false, 6, 0, low0, "3 |4 |5 |6 "},
        {false, 7, 0, low0, "3 |4 |5 |6 |7 "},
        {false, 5, 1, low1, "3 |3+1 |4 |4+1 |5 "},
        {false, 6, 1, low1, "3 |3+1 |4 |4+1 |5 |5+1 |6 "},
        {false, 7, 1, low1, "3 |3+1 |4 |4+1 |5 |5+1 |6 |6+1 |7 "},
        {false, 6, 2, low2, "3 |3+1 |3+2 |4 |4+1 |4+2 |5 |5+1 |5+2 |6 "},
        {false, 10, 1, low1, "3 |3+1 |4 |4+1 |5 |5+1 |6 |6+1 |7 |7+1 |8 |8+1 |9 |9+1 |10 "},
        {true, 4, 1, low1, "3 |3+1 |4 |4+1 "},
        {true, 5, 1, low1, "3 |3+1 |4 |4+1 |5 |5+1 "},
        {true, 6, 1, low1, "3 |3+1 |4 |4+1 |5 |5+1 |6 |6+1 "},
        {true, 7, 1, low1, "3 |3+1 |4 |4+1 |5 |5+1 |6 |6+1 |7 |7+1 "},
        {true, 5, 2, low2, "3 |3+1 |3+2 |4 |4+1 |4+2 |5 |5+1 |5+2 "},
        {true, 6, 2, low2, "3 |3+1 |3+2 |4 |4+1 |4+2 |5 |5+1 |5+2 |6 |6+1 |6+2 "},
    };
    static const QRegularExpression label(QStringLiteral("^(\\d+)(?:\\+(\\d+))? "));
    std::mt19937 rng(7);
    for (const auto &[secondDrum, k, b, low, high] : shapes) {
        SCOPED_TRACE((secondDrum ? "second drum " : "same drum ") + std::to_string(k * 10 + b));
        // A same-drum game draws its bonus numbers from the 49 main balls; a second drum has 5.
        std::vector<int32_t> mainBalls(secondDrum ? 20 : 49), secondBalls(5);
        std::iota(mainBalls.begin(), mainBalls.end(), 1);
        std::iota(secondBalls.begin(), secondBalls.end(), 1);
        const auto pick = [&](int mainCount) {
            std::shuffle(mainBalls.begin(), mainBalls.end(), rng);
            std::vector<int32_t> numbers(mainBalls.begin(), mainBalls.begin() + mainCount);
            std::shuffle(secondBalls.begin(), secondBalls.end(), rng);
            if (secondDrum)
                numbers.insert(numbers.end(), secondBalls.begin(), secondBalls.begin() + b);
            return numbers;
        };
        const std::vector<int32_t> drawing = pick(secondDrum ? k : k + b);
        std::vector<std::vector<int32_t>> rows;
        for (int c = 0; c < 400; ++c)
            rows.push_back(pick(k));
        const ComparisonLayout layout = secondDrum ? ComparisonLayout::secondDrum(k, b) : ComparisonLayout::sameDrum(k, b);
        const TicketComparison r = compareWithDrawing(layout, rows, drawing);

        // The model: main hits among the main numbers drawn, bonus hits among the rest, each
        // counted from the column's own drum.
        std::map<std::pair<int, int>, int> classes;
        for (size_t c = 0; c < rows.size(); ++c) {
            const auto split = rows[c].begin() + (secondDrum ? k : 0);
            const std::set<int32_t> mainHeld(rows[c].begin(), secondDrum ? split : rows[c].end()),
                bonusHeld(split, rows[c].end());
            int m = 0, bonus = 0;
            for (int j = 0; j < k + b; ++j)
                (j < k ? m : bonus) += (j < k ? mainHeld : bonusHeld).count(drawing[static_cast<size_t>(j)]) ? 1 : 0;
            ++classes[{m, bonus}];
            const QString tail = bonus ? QStringLiteral(" (%1+%2)").arg(m).arg(bonus) : QStringLiteral(" (%1)").arg(m);
            EXPECT_TRUE(r.lines[static_cast<int>(c)].endsWith(tail));
            EXPECT_EQ(r.lines[static_cast<int>(c)].count(u' '), static_cast<qsizetype>(rows[c].size()) + 1);
        }
        int64_t sum = 0;
        for (const QString &box : {r.summaryLow, r.summaryHigh}) {
            for (const QString &line : boxLines(box)) {
                if (line.startsWith(QStringLiteral("Total")))
                    continue;
                const auto match = label.match(line);
                const std::pair<int, int> cls{match.captured(1).toInt(), match.captured(2).toInt()};
                EXPECT_EQ(line.left(match.capturedLength()) + kCatcher + QString::number(classes[cls]),
                          line.section(QStringLiteral(" ("), 0, 0));
                sum += classes[cls];
            }
        }
        EXPECT_EQ(sum, 400);
        EXPECT_EQ(boxLines(r.summaryLow)[0], QStringLiteral("Total: 400"));
        EXPECT_EQ(labelsOf(r.summaryLow), QString::fromLatin1(low));
        EXPECT_EQ(labelsOf(r.summaryHigh), QString::fromLatin1(high));
    }
}

// ---- Hits on lotto games ------------------------------------------------------------------------

TEST(LottoHits, DistinctNonZeroNumbersOnly)
{
    const ComparisonLayout same = ComparisonLayout::sameDrum(5, 1);
    const ComparisonLayout two52 = ComparisonLayout::secondDrum(5, 2);
    const ComparisonLayout two51 = ComparisonLayout::secondDrum(5, 1);
    const struct {
        const char *what;
        ComparisonLayout layout;
        std::vector<int32_t> column;
        QStringList guess;
        ColumnHits hits;
    } cases[] = {
        {"a guess number twice counts once", same, {7, 8, 9, 10, 11}, {"7", "7", "1", "2", "3", "4"}, {1, 0}},
        {"a column number twice counts once", same, {7, 7, 9, 10, 11}, {"7", "1", "2", "3", "4", "5"}, {1, 0}},
        {"0 in the guess meets 0 in the column", same, {0, 8, 9, 10, 11}, {"0", "1", "2", "3", "4", "0"}, {0, 0}},
        {"empty boxes never hit", same, {7, 8, 9, 10, 11}, {"", "", "", "", "", ""}, {0, 0}},
        {"07 names no ball", same, {7, 8, 9, 10, 11}, {"07", " 8", "9 ", "10", "1", "11"}, {1, 1}},
        {"the second drum in any order", two52, {1, 2, 3, 4, 5, 4, 7}, {"1", "2", "3", "4", "5", "7", "4"}, {5, 2}},
        {"a second-drum number twice counts once", two52, {1, 2, 3, 4, 5, 4, 4}, {"", "", "", "", "", "4", "7"},
         {0, 1}},
        {"a repeated second-drum guess counts once", two52, {1, 2, 3, 4, 5, 4, 7}, {"", "", "", "", "", "4", "4"},
         {0, 1}},
        {"0 never hits on the second drum", two51, {1, 2, 3, 4, 5, 0}, {"1", "", "", "", "", "0"}, {1, 0}},
        {"main numbers never meet the second drum", two51, {1, 2, 3, 4, 5, 9}, {"9", "", "", "", "", "1"}, {0, 0}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(columnHits(c.layout, guessOf(c.layout, c.guess), c.column), c.hits);
    }
}

TEST(LottoHits, AZeroInTheDrawingNeverHits)
{
    // A drawing position the database left 0, against a hand-added column holding 0.
    EXPECT_EQ(hitsAgainstDrawing(ComparisonLayout::sameDrum(5, 0), {0, 1, 2, 3, 4}, {0, 1, 2, 30, 31}), 2);
    EXPECT_EQ(columnHits(ComparisonLayout::secondDrum(4, 1),
                         CompareNumbers::fromDrawing(ComparisonLayout::secondDrum(4, 1), drawingOf(1, {1, 2, 3, 4, 0})),
                         std::vector<int32_t>{1, 2, 3, 4, 0}),
              (ColumnHits{4, 0}));
}

TEST(LottoHits, GuessTextsNameABallOnlyAsThePlainNumber)
{
    EXPECT_EQ(guessNumber(QStringLiteral("7")), 7);
    EXPECT_EQ(guessNumber(QStringLiteral("56")), 56);
    for (const char *never : {"07", " 7", "7 ", "", "0", "00", "-7", "+7", "7.0", "x"})
        EXPECT_FALSE(guessNumber(QString::fromLatin1(never))) << never;
}

// ---- Digit games -----------------------------------------------------------------------------------

TEST(DigitComparison, StraightAndBoxedScores)
{
    const struct {
        bool boxed;
        std::vector<int32_t> column, drawing;
        int hits;
    } cases[] = {
        {false, {1, 2, 3}, {3, 2, 1}, 1},
        {false, {1, 2, 3}, {1, 2, 3}, 3},
        {false, {0, 0, 7}, {0, 5, 7}, 2},
        {false, {1, 1, 2}, {1, 2, 2}, 2},
        {true, {1, 1, 2}, {1, 2, 2}, 2},
        {true, {1, 1, 2}, {2, 1, 1}, 3},
        {true, {5, 5, 5}, {5, 0, 0}, 1},
        {true, {0, 0, 5}, {5, 0, 0}, 3},
        {true, {1, 2, 3}, {3, 2, 1}, 3},
        {true, {9, 8, 7, 6}, {1, 2, 3, 4}, 0},
        {true, {0, 1, 2, 3, 4, 5, 6, 7}, {7, 6, 5, 4, 3, 2, 1, 0}, 8},
        {false, {0, 1, 2, 3, 4, 5, 6, 7}, {7, 6, 5, 4, 3, 2, 1, 0}, 0},
    };
    for (const auto &c : cases) {
        const ComparisonLayout layout = ComparisonLayout::digits(static_cast<int>(c.column.size()), c.boxed);
        EXPECT_EQ(hitsAgainstDrawing(layout, c.column, c.drawing), c.hits)
            << (c.boxed ? "Boxed " : "Straight ") << ::testing::PrintToString(c.column) << " vs "
            << ::testing::PrintToString(c.drawing);
    }
}

TEST(DigitComparison, GuessBoxes)
{
    const struct {
        bool boxed;
        std::vector<int32_t> column;
        QStringList guess;
        int hits;
    } cases[] = {
        {false, {1, 2, 3}, {"1", "", "3"}, 2},    // an empty box matches no digit
        {true, {1, 2, 3}, {"1", "", "3"}, 2},     // ... nor can any digit be matched to it
        {true, {0, 0, 3}, {"", "", "0"}, 1},
        {false, {0, 0, 0}, {"0", "0", ""}, 2},    // 0 is a digit
        {true, {0, 4, 0}, {"0", "0", "0"}, 2},
        {false, {7, 0, 0}, {"07", "00", " 0"}, 3},  // a box holds one digit, however written
        {true, {1, 2, 3}, {"12", "x", "-1"}, 0},    // no digit
    };
    for (const auto &c : cases) {
        const ComparisonLayout layout = ComparisonLayout::digits(static_cast<int>(c.column.size()), c.boxed);
        EXPECT_EQ(columnHits(layout, guessOf(layout, c.guess), c.column).main, c.hits)
            << (c.boxed ? "Boxed " : "Straight ") << c.guess.join(u'|').toStdString();
    }
    EXPECT_EQ(guessDigit(QStringLiteral("0")), 0);
    EXPECT_EQ(guessDigit(QStringLiteral("9")), 9);
    for (const char *never : {"", " ", "10", "12", "-1", "+1", "1.0", "x", "99999999999"})
        EXPECT_FALSE(guessDigit(QString::fromLatin1(never))) << never;
}

TEST(DigitComparison, TheSummaryOfAThreeDigitTicket)
{
    // Drawing 1 1 7, Straight: column 1 two hits (the example line), columns 3, 17 and 40 two
    // hits, column 5 all three, columns 2 and 6 one, the rest none.
    const auto rows = ticketOf(40, {0, 0, 0},
                               {{1, {1, 5, 7}}, {3, {1, 1, 0}}, {17, {0, 1, 7}}, {40, {1, 1, 8}}, {5, {1, 1, 7}},
                                {2, {1, 0, 0}}, {6, {2, 2, 7}}});
    const TicketComparison r = compareWithDrawing(ComparisonLayout::digits(3, false), rows, {1, 1, 7});
    EXPECT_EQ(r.lines[0], QStringLiteral("01- 1 5 7 (2)"));
    EXPECT_EQ(r.lines[4], QStringLiteral("05- 1 1 7 (3)"));
    EXPECT_EQ(r.lines[39], QStringLiteral("40- 1 1 8 (2)"));
    EXPECT_EQ(r.summaryLow,
              crlf({"Total: 40", "0 Catcher: 33", "1 Catcher: 2", "2 Catcher: 4 (1, 3, 17, 40)", "3 Catcher: 1 (5)"}));
    EXPECT_TRUE(r.summaryHigh.isEmpty());
    EXPECT_EQ(r.zeroHitColumns, 33);
    EXPECT_EQ(r.cells, 40 * 3);

    // Boxed: 7 1 1 and 1 7 1 score as 1 1 7.
    const TicketComparison boxed =
        compareWithDrawing(ComparisonLayout::digits(3, true), {{7, 1, 1}, {1, 7, 1}, {1, 1, 1}}, {1, 1, 7});
    EXPECT_EQ(boxed.lines, QStringList({"01- 7 1 1 (3)", "02- 1 7 1 (3)", "03- 1 1 1 (2)"}));
    EXPECT_EQ(boxed.summaryLow,
              crlf({"Total: 3", "0 Catcher: 0", "1 Catcher: 0", "2 Catcher: 1 (3)", "3 Catcher: 2 (1, 2)"}));
    EXPECT_EQ(compareWithDrawing(ComparisonLayout::digits(3, true), {{1, 1, 7}}, {7, 1, 2}).lines,
              QStringList{QStringLiteral("01- 1 1 7 (2)")});
}

TEST(DigitComparison, ClassesRunFromNoneToEveryPosition)
{
    for (int positions = 3; positions <= 8; ++positions) {
        SCOPED_TRACE(positions);
        const std::vector<int32_t> drawing(static_cast<size_t>(positions), 4);
        const TicketComparison r = compareWithDrawing(ComparisonLayout::digits(positions, false), {drawing}, drawing);
        QStringList labels{QStringLiteral("Total")};
        for (int h = 0; h <= positions; ++h)
            labels << QStringLiteral("%1 ").arg(h);
        EXPECT_EQ(labelsOf(r.summaryLow), labels.join(u'|'));
        // Every digit right: the top class, not class 0.
        EXPECT_EQ(boxLines(r.summaryLow).last(), QStringLiteral("%1 Catcher: 1 (1)").arg(positions));
        EXPECT_EQ(boxLines(r.summaryLow)[1], QStringLiteral("0 Catcher: 0"));
    }
}

TEST(DigitComparison, BoxedAgreesWithMatchingEachDrawingDigitOnce)
{
    // The plain model: each column digit takes the first unused drawing position that holds it.
    std::mt19937 rng(3);
    std::uniform_int_distribution<int32_t> digit(0, 9);
    for (int positions : {3, 4, 8}) {
        const ComparisonLayout layout = ComparisonLayout::digits(positions, true);
        for (int trial = 0; trial < 300; ++trial) {
            std::vector<int32_t> column, drawing;
            for (int j = 0; j < positions; ++j) {
                column.push_back(digit(rng) % 4);
                drawing.push_back(digit(rng) % 4);
            }
            std::vector<bool> used(static_cast<size_t>(positions), false);
            int hits = 0;
            for (int32_t d : column)
                for (size_t k = 0; k < used.size(); ++k)
                    if (!used[k] && drawing[k] == d) {
                        used[k] = true;
                        ++hits;
                        break;
                    }
            ASSERT_EQ(hitsAgainstDrawing(layout, column, drawing), hits);
        }
    }
}

// ---- Every rule ----------------------------------------------------------------------------------

TEST(TicketComparison, ColumnNumbersGrowPastTwoDigits)
{
    const struct {
        ComparisonLayout layout;
        std::vector<int32_t> column;
        const char *topLine;
    } cases[] = {
        {ComparisonLayout::sameDrum(5, 0), {11, 12, 13, 14, 15}, "5 Catcher: 1000 (1, 2, 3, "},
        {ComparisonLayout::secondDrum(4, 1), {11, 12, 13, 14, 5}, "4+1 Catcher: 1000 (1, 2, 3, "},
        {ComparisonLayout::digits(4, false), {0, 1, 2, 3}, "4 Catcher: 1000 (1, 2, 3, "},
        {ComparisonLayout::digits(4, true), {3, 2, 1, 0}, "4 Catcher: 1000 (1, 2, 3, "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.topLine);
        std::vector<int32_t> drawing = c.column;
        if (c.layout.rule == CompareRule::Boxed)
            std::reverse(drawing.begin(), drawing.end());
        const TicketComparison r = compareWithDrawing(c.layout, std::vector(1000, c.column), drawing);
        EXPECT_TRUE(r.lines[98].startsWith(QStringLiteral("99- ")));
        EXPECT_TRUE(r.lines[99].startsWith(QStringLiteral("100- ")));
        EXPECT_TRUE(r.lines[999].startsWith(QStringLiteral("1000- ")));
        const QString last = boxLines(c.layout.digitGame() ? r.summaryLow : r.summaryHigh).last();
        EXPECT_TRUE(last.startsWith(QString::fromLatin1(c.topLine))) << last.left(40).toStdString();
        EXPECT_TRUE(last.endsWith(QStringLiteral(", 999, 1000)")));
    }
}

// Every line of a ticket of each family, and lines of any column number and any numbers a ticket
// file may bring (0, below 0, the 32-bit extremes), read as their pieces joined one by one.
TEST(TicketComparison, LinesReadAsTheirPiecesJoined)
{
    const auto joined = [](int number, std::span<const int32_t> column, ColumnHits hits) {
        QString line = QString::number(number).rightJustified(2, u'0') + u'-';
        for (const int32_t n : column)
            line += u' ' + QString::number(n);
        line += QStringLiteral(" (") + QString::number(hits.main);
        if (hits.bonus > 0)
            line += u'+' + QString::number(hits.bonus);
        return (line + u')').toStdString();
    };
    std::mt19937 rng(23);
    const int32_t odd[] = {0, -1, -57, 100, 123456, INT32_MIN, INT32_MAX};
    const auto number = [&](const ComparisonLayout &layout) {
        if (rng() % 20 == 0)
            return odd[rng() % std::size(odd)];
        return static_cast<int32_t>(layout.digitGame() ? rng() % 10 : 1 + rng() % 56);
    };
    for (const ComparisonLayout &layout :
         {ComparisonLayout::sameDrum(6, 1), ComparisonLayout::sameDrum(7, 0), ComparisonLayout::sameDrum(6, 2),
          ComparisonLayout::secondDrum(5, 2), ComparisonLayout::secondDrum(7, 1), ComparisonLayout::digits(3, false),
          ComparisonLayout::digits(8, true)}) {
        std::vector<std::vector<int32_t>> rows(150);
        for (auto &row : rows)
            for (int j = 0; j < layout.columnPositions(); ++j)
                row.push_back(number(layout));
        std::vector<int32_t> drawing;
        for (int p = layout.first; p <= layout.last(); ++p)
            drawing.push_back(number(layout));
        const TicketComparison r = compareWithDrawing(layout, rows, drawing);
        const CompareNumbers numbers = CompareNumbers::fromDrawing(layout, drawingOf(layout.first, drawing));
        ASSERT_EQ(r.lines.size(), 150);
        for (size_t c = 0; c < rows.size(); ++c)
            EXPECT_EQ(r.lines[static_cast<int>(c)].toStdString(), joined(static_cast<int>(c) + 1, rows[c], columnHits(layout, numbers, rows[c])));
        // Written into the strings of an earlier comparison (more lines, shorter and longer, one
        // of them also held elsewhere), the lines are the same and the one held elsewhere stays.
        QStringList earlier;
        for (int i = 0; i < 200; ++i)
            earlier << QString(i % 40, u'x');
        const QString held = earlier[7];
        EXPECT_EQ(compareTicket(gridOf(layout.first, rows), layout, numbers, kCatcher, std::move(earlier)).lines, r.lines);
        EXPECT_EQ(held, QString(7, u'x'));
    }
    for (int trial = 0; trial < 300; ++trial) {
        const int columnNumber = trial < 20 ? trial * 7 - 7 : static_cast<int>(rng() % 1000000);
        std::vector<int32_t> column(rng() % 10);
        for (int32_t &n : column)
            n = rng() % 3 ? static_cast<int32_t>(rng()) : odd[rng() % std::size(odd)];
        const ColumnHits hits{static_cast<int>(rng() % 9), static_cast<int>(rng() % 3)};
        EXPECT_EQ(ticketLine(columnNumber, column, hits).toStdString(), joined(columnNumber, column, hits));
    }
}

// A ticket compared again, its lines said to show the hits of the comparison before, keeps their
// numbers and writes only the hits that change ("(m)" and "(m+b)" in turn, longer and shorter); a
// line that does not end with the hits it is said to show is written whole. Every line, hit and
// summary reads as in a comparison made afresh, on lotto shapes of 2 to 10 numbers a drum and balls
// above 63.
TEST(TicketComparison, LinesComparedAgainReadAsAComparisonMadeAfresh)
{
    std::mt19937 rng(41);
    for (const auto &[layout, highest] : {std::pair(ComparisonLayout::sameDrum(6, 1), 49), std::pair(ComparisonLayout::sameDrum(6, 2), 49),
                                          std::pair(ComparisonLayout::secondDrum(5, 2), 12), std::pair(ComparisonLayout::sameDrum(5, 1), 69),
                                          std::pair(ComparisonLayout::sameDrum(10, 1), 49)}) {
        SCOPED_TRACE(layout.columnPositions() * 100 + highest);
        const auto numbersOf = [&](int count, int top) {
            std::vector<int32_t> balls(static_cast<size_t>(top));
            std::iota(balls.begin(), balls.end(), 1);
            std::shuffle(balls.begin(), balls.end(), rng);
            balls.resize(static_cast<size_t>(count));
            return balls;
        };
        const auto drawing = [&] {
            std::vector<int32_t> d = numbersOf(layout.mainCount + layout.bonusCount, layout.rule == CompareRule::SecondDrum ? 49 : highest);
            if (layout.rule == CompareRule::SecondDrum)
                std::ranges::copy(numbersOf(layout.bonusCount, highest), d.begin() + layout.mainCount);
            return CompareNumbers::fromDrawing(layout, drawingOf(layout.first, d));
        };
        std::vector<std::vector<int32_t>> rows(400);
        for (auto &row : rows) {
            row = numbersOf(layout.mainCount, layout.rule == CompareRule::SecondDrum ? 49 : highest);
            if (layout.rule == CompareRule::SecondDrum)
                std::ranges::copy(numbersOf(layout.bonusCount, highest), std::back_inserter(row));
        }
        const TicketGrid grid = gridOf(layout.first, rows);
        TicketComparison before = compareTicket(grid, layout, drawing(), kCatcher);
        for (int round = 0; round < 6; ++round) {
            const CompareNumbers numbers = drawing();
            const TicketComparison fresh = compareTicket(grid, layout, numbers, kCatcher);
            QStringList earlier = before.lines;
            // Lines whose hits change: one that ends otherwise than said, and one cut short.
            std::vector<int> changing;
            for (int c = 0; c < static_cast<int>(rows.size()); ++c)
                if (before.hits[static_cast<size_t>(c)] != fresh.hits[static_cast<size_t>(c)])
                    changing.push_back(c);
            ASSERT_GE(changing.size(), 2u);
            earlier[changing[0]].chop(1);
            earlier[changing[1]] = QStringLiteral("(");
            const TicketComparison again = compareTicket(grid, layout, numbers, kCatcher, std::move(earlier), before.hits);
            EXPECT_EQ(again.lines, fresh.lines) << round;
            EXPECT_EQ(again.hits, fresh.hits);
            EXPECT_EQ(std::tuple(again.summaryLow, again.summaryHigh, again.zeroHitColumns),
                      std::tuple(fresh.summaryLow, fresh.summaryHigh, fresh.zeroHitColumns));
            before = fresh;
        }
    }
}

// A ticket long enough to be compared in parts at once: every line, fresh and compared again,
// reads as its own column compared alone, the column numbers running on across the parts.
TEST(TicketComparison, ALongTicketReadsLineByLineAsEachColumnComparedAlone)
{
    std::mt19937 rng(5);
    for (const ComparisonLayout &layout : {ComparisonLayout::sameDrum(6, 1), ComparisonLayout::digits(4, true)}) {
        std::vector<std::vector<int32_t>> rows(30011);
        for (auto &row : rows)
            for (int j = 0; j < layout.columnPositions(); ++j)
                row.push_back(static_cast<int32_t>(layout.digitGame() ? rng() % 10 : 1 + rng() % 49));
        const TicketGrid grid = gridOf(layout.first, rows);
        const auto numbersOf = [&](const std::vector<int32_t> &drawing) {
            return CompareNumbers::fromDrawing(layout, drawingOf(layout.first, drawing));
        };
        const CompareNumbers first = numbersOf(layout.digitGame() ? std::vector{1, 2, 3, 4} : std::vector{3, 9, 17, 28, 40, 44, 12});
        const CompareNumbers second = numbersOf(layout.digitGame() ? std::vector{7, 7, 0, 2} : std::vector{1, 9, 12, 30, 41, 49, 5});
        const TicketComparison fresh = compareTicket(grid, layout, first, kCatcher);
        const TicketComparison again = compareTicket(grid, layout, second, kCatcher, fresh.lines, fresh.hits);
        for (const auto &[result, numbers] : {std::pair(&fresh, &first), std::pair(&again, &second)}) {
            ASSERT_EQ(result->lines.size(), static_cast<qsizetype>(rows.size()));
            int wrong = 0;
            for (size_t c = 0; c < rows.size(); ++c)
                wrong += result->lines[static_cast<qsizetype>(c)]
                         != ticketLine(static_cast<int>(c) + 1, rows[c], columnHits(layout, *numbers, rows[c]));
            EXPECT_EQ(wrong, 0);
        }
        const TicketComparison afresh = compareTicket(grid, layout, second, kCatcher);
        EXPECT_EQ(again.summaryLow + again.summaryHigh, afresh.summaryLow + afresh.summaryHigh);
    }
}

TEST(TicketComparison, AnEmptyOrMismatchedTicketGivesNoText)
{
    const struct {
        ComparisonLayout layout;
        TicketGrid grid;
    } cases[] = {
        {ComparisonLayout::sameDrum(6, 0), TicketGrid(1, 6)},
        {ComparisonLayout::secondDrum(5, 2), TicketGrid(1, 7)},
        {ComparisonLayout::digits(3, false), TicketGrid(0, 2)},
        {ComparisonLayout::secondDrum(5, 2), gridOf(1, {{1, 2, 3, 4, 5}})},  // no second-drum positions
        {ComparisonLayout::digits(3, true), gridOf(1, {{1, 2, 3}})},          // positions from 1
    };
    for (const auto &c : cases) {
        const TicketComparison r = compareTicket(c.grid, c.layout, CompareNumbers{}, kCatcher);
        EXPECT_EQ(r.columns, 0);
        EXPECT_TRUE(r.lines.isEmpty());
        EXPECT_TRUE(r.summaryLow.isEmpty() && r.summaryHigh.isEmpty());
    }
}

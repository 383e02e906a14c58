// The figures a user reads on small lotteries written for the test, worked out by hand from their
// drawings: the interval of each width on each drum, the standings in the four orders of the power
// table, the pool's counts and odds; the five-digit totals and typed limits of long digit
// histories; the pool counts of billions an excluded ball gets back; and the tool tips of the
// pool options after a click and after the board opens on its saved settings.

#include "games.h"

#include "dialogs/programmessage.h"
#include "support/textfit.h"

#include <QApplication>

namespace {

// A drum's figures over every drawing: hot numbers, no power increase.
struct DrumFigures {
    const char *sums;          // the lowest, middle and highest drawing sum
    const char *limits;        // lower-upper for each width: 1, 10, 20 ... 100
    const char *byBall;        // ball:standing of each row in ball order
    const char *byTotal;       // after a click on "Total"
    const char *byPercent;     // after "%"
    const char *byLastPicked;  // after "<"
    const char *counts;        // the "Pool n" boxes
    const char *odds;          // the "Pool %" boxes
};

struct Worked {
    const char *name;
    GameConfigRecord config;
    Game game;
    std::vector<std::vector<int32_t>> drawings;
    DrumFigures drum[2];
};

void PrintTo(const Worked &w, std::ostream *os) { *os << w.name; }

// Powers are the sums of the week numbers a ball was drawn in, divided by the smallest when that
// is above 2: the lotto's are 6 19 11 7 13 15 9 15 10 over 6 for balls 1 and 3 to 10, so 2.5
// counts 2 and 1.5 counts 2, and a pool of 17 gives a count of 2 the odds 1/8 (8.5).
const Worked kWorked[] = {
    {"Lotto",
     GameConfigRecord{1, QStringLiteral("Test 5/11"), 11, 0, 0, 5, 0, 0},
     Game{"", "500", 1, 5, 0, 11, 0},
     {{3, 6, 7, 8, 10}, {1, 4, 5, 8, 10}, {3, 4, 6, 7, 10}, {1, 3, 6, 9, 10}, {3, 5, 6, 7, 9}, {3, 4, 7, 8, 9}},
     {{"14 18 20", "18-18 18-18 17-18 17-19 16-19 16-19 16-19 15-19 15-20 14-20 14-20",
       "1:8 2:10 3:1 4:5 5:8 6:2 7:2 8:5 9:5 10:2 11:10", "3:1 6:2 7:3 10:4 4:5 8:6 9:7 1:8 5:9 2:10 11:11",
       "3:1 7:2 9:2 6:4 4:5 10:6 8:7 5:8 1:9 2:10 11:10", "3:1 4:1 7:1 8:1 9:1 5:6 6:6 1:8 10:8 2:10 11:10",
       "1 0 3 2 1 2 2 2 2 2 0", "1/17,,1/6,1/8,1/17,1/8,1/8,1/8,1/8,1/8,"}}},
    // Main powers undivided (ball 3 drawn only in week 1): a pool of 105 gives a count of 2 the
    // odds 1/52. Second-drum powers over 3: 11/3 counts 4, and a pool of 15 gives a count of 2 1/8.
    {"TwoDrum",
     GameConfigRecord{1, QStringLiteral("Test 5/11 + 2/9"), 11, 9, 0, 5, 2, 0},
     Game{"", "2P520", 1, 5, 2, 11, 9},
     {{1, 3, 4, 8, 11, 2, 3}, {2, 4, 6, 7, 10, 3, 6}, {1, 5, 6, 9, 11, 4, 6}, {1, 6, 8, 9, 11, 2, 6},
      {1, 2, 6, 9, 11, 4, 5}, {1, 4, 6, 7, 8, 2, 8}},
     {{"13 17 20", "17-17 17-17 16-18 16-18 15-18 15-19 15-19 14-19 14-19 13-20 13-20",
       "1:1 2:7 3:9 4:4 5:9 6:1 7:7 8:4 9:4 10:9 11:3", "1:1 6:2 11:3 4:4 8:5 9:6 2:7 7:8 3:9 5:10 10:11",
       "6:1 1:2 11:3 9:4 8:5 4:6 7:7 2:8 5:9 10:10 3:11", "1:1 4:1 6:1 7:1 8:1 2:6 9:6 11:6 5:9 10:10 3:11",
       "19 7 1 9 3 20 8 11 12 2 13", "1/6,1/15,1/105,1/12,1/35,1/5,1/13,1/10,1/9,1/52,1/8"},
      {"3 5 6", "5-5 5-5 5-5 4-5 4-5 4-6 4-6 4-6 3-6 3-6 3-6", "1:7 2:1 3:3 4:3 5:5 6:1 7:7 8:5 9:7",
       "2:1 6:2 3:3 4:4 5:5 8:6 1:7 7:8 9:9", "2:1 6:2 4:3 8:4 5:5 3:6 1:7 7:7 9:7",
       "2:1 8:1 4:3 5:3 6:5 3:6 1:7 7:7 9:7", "0 4 1 3 2 3 0 2 0", ",1/4,1/15,1/5,1/8,1/5,,1/8,"}}},
    // A digit twice in a drawing counts once in its Total, twice in its power and in the sum.
    {"Digits",
     GameConfigRecord{1, QStringLiteral("Test Pick 3"), 10, 0, 0, 3, 0, 0},
     Game{"", "130", 0, 3, 0, 9, 0},
     {{9, 5, 9}, {6, 6, 0}, {6, 4, 2}, {6, 3, 6}, {0, 6, 2}},
     {{"3 7 10", "7-7 7-7 6-8 6-8 5-8 5-9 5-9 4-9 4-9 3-10 3-10", "0:2 1:8 2:2 3:4 4:4 5:4 6:1 7:8 8:8 9:4",
       "6:0 0:1 2:2 3:3 4:4 5:5 9:6 1:7 7:8 8:9", "6:0 2:1 0:2 3:3 4:4 9:5 5:6 1:7 7:7 8:7",
       "0:0 2:0 6:0 3:3 4:4 5:5 9:5 1:7 7:7 8:7", "7 0 8 4 3 1 20 0 0 2", "1/6,,1/6,1/11,1/15,1/45,1/2,,,1/22"}}},
};

class Figures : public BoardTest, public ::testing::WithParamInterface<Worked> {
protected:
    void SetUp() override
    {
        game = GetParam().game;
        ASSERT_NE(user.openLottery(GetParam().config, GetParam().drawings), nullptr)
            << messages.texts().join(u'\n').toStdString();
    }
    const DrumFigures &figures(bool second) const { return GetParam().drum[second]; }
    QString shown(const char *name, bool second, QChar between = u' ') const
    {
        return user.texts(Game::of(name, second), game.lowest(), highestOf(second)).join(between);
    }
    // Ball and standing of each row of the drum's power table.
    QString rows(bool second) const
    {
        QStringList out;
        for (int r = game.lowest(); r <= highestOf(second); ++r)
            out << user.text(ctl("lblPowerBall", second, r)) + u':' + user.text(ctl("lblStanding", second, r));
        return out.join(u' ');
    }
};

TEST_P(Figures, EachWidthGivesBothLimitsAroundTheDrawingSums)
{
    for (bool second : drums()) {
        SCOPED_TRACE(second ? "second drum" : "main drum");
        front(second);
        EXPECT_EQ(QStringList({user.text(ctl("lblPowerLowest", second)), user.text(ctl("lblPowerMiddle", second)),
                               user.text(ctl("lblPowerHighest", second))})
                      .join(u' '),
                  figures(second).sums);
        user.tick(ctl("chkPowerInterval", second), true);
        QStringList limits;
        for (int item = 0; item <= 10; ++item) {
            user.choose(ctl("cboPowerIntervalPct", second), item);
            limits << user.text(ctl("txtPowerInterval", second, 0)) + u'-' + user.text(ctl("txtPowerInterval", second, 1));
        }
        EXPECT_EQ(limits.join(u' '), figures(second).limits);
    }
}

TEST_P(Figures, StandingsInEachOrderOfThePowerTable)
{
    for (bool second : drums()) {
        SCOPED_TRACE(second ? "second drum" : "main drum");
        front(second);
        const DrumFigures &f = figures(second);
        EXPECT_EQ(rows(second), f.byBall);
        // Each header orders the table; "<" clicked again goes back to ball order.
        const std::pair<const char *, const char *> clicks[] = {
            {"lblHdrTotal", f.byTotal}, {"lblHdrPowerPercent", f.byPercent}, {"lblHdrLastPicked", f.byLastPicked},
            {"lblHdrLastPicked", f.byBall}, {"lblHdrTotal", f.byTotal}, {"lblHdrTotal", f.byBall}};
        for (const auto &[header, order] : clicks) {
            user.click(ctl(header, second, 0));
            EXPECT_EQ(rows(second), order) << header;
        }
    }
}

TEST_P(Figures, PoolCountsAndOddsAsShown)
{
    for (bool second : drums()) {
        SCOPED_TRACE(second ? "second drum" : "main drum");
        front(second);
        EXPECT_EQ(shown("txtPoolPercent", second, u','), figures(second).odds);
        user.click(ctl("lblHdrPool", second, 0));
        EXPECT_EQ(shown("txtPoolCount", second), figures(second).counts);
        user.click(ctl("lblHdrPool", second, 0));
    }
    // Equal Chance: every ball of each drum once.
    user.tick(QStringLiteral("chkEqualChance"), true);
    user.click(QStringLiteral("cmdPopulate"));
    for (bool second : drums()) {
        front(second);
        const int balls = highestOf(second) - game.lowest() + 1;
        EXPECT_EQ(shown("txtPoolPercent", second), QStringList(balls, QStringLiteral("1/%1").arg(balls)).join(u' '));
        EXPECT_EQ(shown("txtPoolCount", second), QStringList(balls, QStringLiteral("1")).join(u' '));
    }
}

TEST_P(Figures, ThePoolHeaderPutsTheFocusIntoNoExcludedBallsCount)
{
    for (bool second : drums()) {
        SCOPED_TRACE(second ? "second drum" : "main drum");
        front(second);
        for (bool excluded : {false, true}) {
            user.tick(ctl("chkExcludeBall", second, 1), excluded);
            user.click(ctl("lblHdrPool", second, 0));
            EXPECT_EQ(user.text(ctl("lblHdrPool", second, 0)), res(25020));
            EXPECT_EQ(QApplication::focusWidget() == user.find(ctl("txtPoolCount", second, 1)), !excluded) << excluded;
            user.click(ctl("lblHdrPool", second, 0));
        }
    }
}

// POWER starts by forgetting the counts typed by hand on the two-drum and digit boards; the lotto
// board keeps them for its next pool refresh, until POPULATE.
TEST_P(Figures, PowerForgetsTheCountsTypedByHandButOnTheLottoBoard)
{
    const int ball = game.lowest() + 2;
    for (bool second : drums()) {
        front(second);
        user.doubleClick(ctl("txtPoolPercent", second, ball));
        user.key(Qt::Key_A, Qt::ControlModifier);
        user.keys(QStringLiteral("9"));
        user.leave();
        ASSERT_EQ(user.text(ctl("txtPoolCount", second, ball)), QStringLiteral("9"));
    }
    user.click(QStringLiteral("cmdPower"));
    for (bool second : drums()) {
        SCOPED_TRACE(second ? "second drum" : "main drum");
        front(second);
        // Another ball excluded and included again refreshes the pool.
        user.tick(ctl("chkExcludeBall", second, ball + 1), true);
        user.tick(ctl("chkExcludeBall", second, ball + 1), false);
        const QString computed = QString::fromLatin1(figures(second).counts).split(u' ')[ball - game.lowest()];
        EXPECT_EQ(user.text(ctl("txtPoolCount", second, ball)), game.digits() || game.twoDrums() ? computed : QStringLiteral("9"));
    }
}

INSTANTIATE_TEST_SUITE_P(Worked, Figures, ::testing::ValuesIn(kWorked),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- Long digit histories -------------------------------------------------------------------------

class LongHistory : public BoardTest {};

// Drawings 0..01 and 12..2 in turn, 4000 of them: digit 1 is in every drawing and 0 and 2 in half,
// so every drawing sums (K + 1) x 2000 and a column of K ones reaches K x 4000.
TEST_F(LongHistory, DigitTotalsOfFiveDigitsShowWholeAndTypedLimitsReachTheLargestColumnSum)
{
    for (int positions = 5; positions <= 8; ++positions) {
        SCOPED_TRACE(positions);
        std::vector<std::vector<int32_t>> drawings(4000);
        for (size_t w = 0; w < drawings.size(); ++w) {
            drawings[w].assign(static_cast<size_t>(positions), w % 2 ? 2 : 0);
            drawings[w][w % 2 ? 0 : drawings[w].size() - 1] = 1;
        }
        game = Game{"", "", 0, positions, 0, 9, 0};
        ASSERT_NE(user.openLottery(GameConfigRecord{1, QStringLiteral("Test Pick"), 10, 0, 0, positions, 0, 0}, drawings),
                  nullptr);
        user.tick(QStringLiteral("chkCompareWithGuess"), true);
        user.click(QStringLiteral("cmdGetDrawing"));
        user.click(QStringLiteral("cmdAdd"));
        user.selectLine(0);
        for (const char *total : {"lblDrawingPowerTotal", "lblGuessPowerTotal", "lblColumnPowerTotal"}) {
            EXPECT_EQ(user.number(QString::fromLatin1(total)), (positions + 1) * 2000) << total;
            EXPECT_EQ(clippedTexts(user.get(QString::fromLatin1(total))), QStringList());
        }

        // Above 9999 and the largest drawing sum, up to the largest sum a column can reach.
        const int reachable = positions * 4000;
        user.tick(QStringLiteral("chkPowerInterval"), true);
        for (const auto &[typed, kept] : {std::pair{reachable - 1, reachable - 1}, {reachable + 1, reachable - 1},
                                          {reachable, reachable}}) {
            user.type(at("txtPowerInterval", 1), QString::number(typed));
            EXPECT_EQ(user.number(at("txtPowerInterval", 1)), kept) << typed;
            EXPECT_EQ(state(false).garrIntervalLimits[1], kept) << typed;
        }
        world.closeBoard();
    }
}

// ---- Large pools and pool options -----------------------------------------------------------------

class LargePool : public BoardTest {};

// Cold numbers with the power increase at its top level: balls 3 to 7, drawn every week, reach
// pool counts of billions. Such a ball excluded and included again, by its box or by the header,
// gets back the count it had, and the pool its total.
TEST_F(LargePool, AnExcludedBallGetsBackACountOfBillions)
{
    std::vector<std::vector<int32_t>> drawings;
    for (int w = 1; w <= 198; ++w)
        drawings.push_back({3, 4, 5, 6, 7, 8 + w % 40});
    drawings.push_back({2, 3, 4, 5, 6, 7});
    drawings.push_back({1, 3, 4, 5, 6, 7});
    game = Game{"", "600", 1, 6, 0, 49, 0};
    ASSERT_NE(user.openLottery(GameConfigRecord{1, QStringLiteral("Test 6/49"), 49, 0, 0, 6, 0, 0}, drawings), nullptr);
    user.click(at("lblHotCold", 1));
    user.tick(QStringLiteral("chkPowerIncrease"), true);
    for (int i = 0; i < 3; ++i)
        user.step(QStringLiteral("hsbPowerIncrease"), true);
    user.click(QStringLiteral("cmdPower"));
    const QString count = user.text(at("txtPoolCount", 3)), total = user.status(2);
    ASSERT_GT(count.toLongLong(), int64_t{INT32_MAX});
    for (const QString &control : {at("chkExcludeBall", 3), at("lblHdrExclude", 0)}) {
        SCOPED_TRACE(control.toStdString());
        user.click(control);
        ASSERT_TRUE(user.ticked(at("chkExcludeBall", 3)));
        EXPECT_EQ(user.text(at("txtPoolCount", 3)), count);  // the count set aside
        user.click(control);
        EXPECT_EQ(user.text(at("txtPoolCount", 3)), count);
        EXPECT_EQ(user.status(2), total);  // the size of the pool drawn from
    }
}

class PoolOptions : public BoardTest, public ::testing::WithParamInterface<Game> {
protected:
    // The tool tips of Equal Chance, of the Power Increase box and of its caption.
    QStringList toolTips() const
    {
        QStringList tips;
        for (const char *name : {"chkEqualChance", "chkPowerIncrease", "lblPowerIncrease"})
            tips << user.get(QString::fromLatin1(name))->toolTip();
        return tips;
    }
    static QStringList toolTipsWhen(bool on)
    {
        const QStringList &m = app().garrMessages;
        return {m.value(on ? 4 : 5), m.value(on ? 20 : 21), m.value(on ? 20 : 21)};
    }
};

// Each tool tip describes the state shown: after a click on the box or on the caption, and after
// the board opens again on the settings saved.
TEST_P(PoolOptions, ToolTipsDescribeTheStateShownAfterAClickAndAfterTheSettingsAreRestored)
{
    ASSERT_TRUE(open(GetParam()));
    EXPECT_EQ(toolTips(), toolTipsWhen(false));
    user.tick(QStringLiteral("chkEqualChance"), true);
    user.click(QStringLiteral("lblPowerIncrease"));
    ASSERT_TRUE(user.ticked(QStringLiteral("chkPowerIncrease")));
    EXPECT_EQ(toolTips(), toolTipsWhen(true));
    ASSERT_TRUE(fncSaveLotterySettings(board()));
    world.closeBoard();
    ASSERT_TRUE(open(GetParam()));
    ASSERT_TRUE(user.ticked(QStringLiteral("chkEqualChance")) && user.ticked(QStringLiteral("chkPowerIncrease")));
    EXPECT_EQ(toolTips(), toolTipsWhen(true));
    user.tick(QStringLiteral("chkEqualChance"), false);
    user.click(QStringLiteral("chkPowerIncrease"));
    EXPECT_EQ(toolTips(), toolTipsWhen(false));
}

INSTANTIATE_TEST_SUITE_P(Boards, PoolOptions, ::testing::ValuesIn(kBoards), gameName);

}  // namespace

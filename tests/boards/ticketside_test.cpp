// The ticket edited by hand on the lotto board: Add to Ticket, Delete, and the column shown by a
// click on its line (powers, totals and hit marks of the compare mode in use).

#include "boardinput.h"
#include "lottoboardfixture.h"

#include "analysis/ticketfile.h"
#include "app/globals.h"
#include "platform/ui/vbcolor.h"
#include "platform/vb.h"

#include <QTest>
#include <random>

namespace {

class TicketSideTest : public LottoBoardTest {
protected:
    void SetUp() override
    {
        LottoBoardTest::SetUp();
        configure(gameCode());
        open();
        ASSERT_NE(board, nullptr);
        board->lstTicket->clear();
        garrTicketGrid.clear();
        garrTicketLines.clear();
        gblnTicketColumnSelected = false;
    }
    void TearDown() override
    {
        close();
        LottoBoardTest::TearDown();
    }

    virtual QString gameCode() const { return QStringLiteral("610"); }
    void guess(const QStringList &texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            board->txtGuess[i + 1]->setText(texts[i]);
    }
    void add(const QStringList &texts)
    {
        guess(texts);
        QTest::mouseClick(board->cmdAdd, Qt::LeftButton);
    }
    // A ticket of `count` columns 1..6 already on the list, lines as a comparison writes them.
    void ticketOf(int count)
    {
        QStringList lines;
        garrTicketGrid.reshape(1, 6);
        garrTicketGrid.resizeRows(count);
        for (int r = 1; r <= count; ++r) {
            for (int j = 1; j <= 6; ++j)
                garrTicketGrid.at(r, j) = j + (r % 40);
            lines << vb::columnNumber(r) + QStringLiteral(" %1 %2 %3 %4 %5 %6 (0)")
                                             .arg(1 + r % 40).arg(2 + r % 40).arg(3 + r % 40)
                                             .arg(4 + r % 40).arg(5 + r % 40).arg(6 + r % 40);
        }
        garrTicketLines = lines;
        board->lstTicket->setLines(lines);
    }
    QStringList lines() const { return board->lstTicket->lines(); }
    static bool marked(const VbLabel *l) { return l->foreColor() == vbc::kDarkRed && l->fontBold(); }
    static bool marked(const VbTextBox *b) { return b->foreColor() == vbc::kDarkRed && b->fontBold(); }
    static bool normal(const VbLabel *l) { return l->foreColor() == vbc::kWindowText && !l->fontBold(); }
    // Grid and line table mirror the list.
    void expectInStep() const
    {
        EXPECT_EQ(garrTicketLines, board->lstTicket->lines());
        EXPECT_EQ(garrTicketGrid.rowCount(), board->lstTicket->listCount());
    }
};

}  // namespace

TEST_F(TicketSideTest, AddOnAnEmptyTicketAppendsTheGuessAndSelectsIt)
{
    add({"3", "17", "22", "30", "41", "45"});
    ASSERT_EQ(lines(), QStringList{QStringLiteral("01- 3 17 22 30 41 45 (0)")});
    EXPECT_EQ(board->lstTicket->listIndex(), 0);
    EXPECT_TRUE(gblnTicketColumnSelected);
    expectInStep();
    const std::vector<int32_t> row(garrTicketGrid.row(1), garrTicketGrid.row(1) + 6);
    EXPECT_EQ(row, (std::vector<int32_t>{3, 17, 22, 30, 41, 45}));

    // The same guess again, zeros and repeated numbers as they stand; the bonus box never.
    board->txtGuess[7]->setText(QStringLiteral("9"));
    add({"0", "17", "17", "30", "41", "45"});
    EXPECT_EQ(lines().value(1), QStringLiteral("02- 0 17 17 30 41 45 (0)"));
    EXPECT_EQ(board->lstTicket->listIndex(), 1);
    expectInStep();
    EXPECT_EQ(garrTicketGrid.at(2, 1), 0);
    EXPECT_EQ(garrTicketGrid.at(2, 3), 17);
    EXPECT_EQ(garrTicketGrid.at(1, 1), 3);  // the first column kept
}

TEST_F(TicketSideTest, AddStopsAtTheLargestTicket)
{
    ticketOf(kMaxTicketColumns - 1);
    add({"1", "2", "3", "4", "5", "6"});
    ASSERT_EQ(board->lstTicket->listCount(), kMaxTicketColumns);
    EXPECT_EQ(lines().last(), QStringLiteral("32000- 1 2 3 4 5 6 (0)"));
    EXPECT_EQ(board->lstTicket->listIndex(), kMaxTicketColumns - 1);
    expectInStep();

    add({"7", "8", "9", "10", "11", "12"});
    EXPECT_EQ(board->lstTicket->listCount(), kMaxTicketColumns);
    EXPECT_EQ(lines().last(), QStringLiteral("32000- 1 2 3 4 5 6 (0)"));
    expectInStep();
}

TEST_F(TicketSideTest, EveryColumnAddedOnEveryBoardIsReadBackFromTheSavedTicket)
{
    // Guesses typed (zeros, repeats, blanks, texts the boxes refuse), restored from what the
    // board kept at closing, copied from a drawing the database holds or cannot return, with
    // Compare with Guess on and off; every column added is read back from the saved ticket.
    close();
    setBoardFactory({});
    std::mt19937 random(20260518u);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const QStringList texts = {"0", "1", "7", "9", "12", "", "07", "99", "-1", "x", "1.5"};
    constexpr int kGap = 7;
    for (const GameConfigRecord &game : kFamilies) {
        SCOPED_TRACE(game.gameTitle.toStdString());
        configure(game, 20, kGap);
        for (int session = 0; session < 3; ++session) {
            world.open(SampleWorld::kTestLottery);
            BoardBase *shown = world.board();
            boardinput::showActive(shown);
            const int first = gLayout.firstPosition;
            const int positions = gLayout.lastPosition - first + 1;
            for (int step = 0; step < 40; ++step) {
                switch (pick(5)) {
                case 0:
                    if (gblnCompareWithGuess)
                        boardinput::typeInto(shown, shown->txtGuess[first + pick(positions)], texts[pick(texts.size())]);
                    break;
                case 1:
                    QTest::mouseClick(shown->chkCompareWithGuess, Qt::LeftButton);
                    break;
                case 2:
                    shown->cboEndDrawing->setListIndex(pick(2) ? glngTotalWeeks - kGap : pick(glngTotalWeeks));
                    QTest::mouseClick(shown->cmdGetDrawing, Qt::LeftButton);
                    break;
                default:
                    QTest::mouseClick(shown->cmdAdd, Qt::LeftButton);
                    break;
                }
            }
            const QStringList lines = shown->ticketLines();
            ASSERT_FALSE(lines.isEmpty());
            const TicketRead read = fncReadTicketText(fncTicketFileBytes(lines), TicketShape::current());
            EXPECT_TRUE(read.complete());
            EXPECT_EQ(read.lines, lines);
            // Odd guesses kept by the board at closing come back at the next opening.
            for (int p = first; p <= gLayout.lastPosition; ++p)
                shown->txtGuess[p]->setText(texts[pick(texts.size())]);
            world.closeBoard();
        }
    }
}

TEST_F(TicketSideTest, DeleteRemovesTheSelectedColumnAndSelectsTheOneBefore)
{
    struct Case {
        int selected;
        QStringList remaining;
        int nowSelected;
    };
    const Case cases[] = {
        {0, {"02-", "03-"}, 0},
        {1, {"01-", "03-"}, 0},
        {2, {"01-", "02-"}, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.selected);
        ticketOf(3);
        const TicketGrid before = garrTicketGrid;
        board->lstTicket->setListIndex(c.selected);
        board->txtResults[0]->setText(QStringLiteral("Total"));
        QTest::mouseClick(board->cmdDelete, Qt::LeftButton);
        QStringList heads;
        for (const QString &l : lines())
            heads << l.left(3);
        EXPECT_EQ(heads, c.remaining);
        EXPECT_EQ(board->lstTicket->listIndex(), c.nowSelected);
        EXPECT_EQ(gstrTicketLine, lines().value(c.nowSelected));
        EXPECT_EQ(board->txtResults[0]->text(), QString());
        expectInStep();
        // The rows after the removed one moved up with their numbers.
        for (int r = 1; r <= 2; ++r) {
            const int old = r <= c.selected ? r : r + 1;
            for (int j = 1; j <= 6; ++j)
                EXPECT_EQ(garrTicketGrid.at(r, j), before.at(old, j));
        }
    }
}

TEST_F(TicketSideTest, DeletingTheOnlyColumnEmptiesTheTicketAndNoSelectionDeletesNothing)
{
    add({"3", "17", "22", "30", "41", "45"});
    board->main.lblColumnPowerTotal->setCaption(QStringLiteral("77"));
    board->txtResults[1]->setText(QStringLiteral("3 Catcher"));
    board->cmdDelete_Click();
    EXPECT_EQ(board->lstTicket->listCount(), 0);
    EXPECT_EQ(garrTicketGrid.rowCount(), 0);
    EXPECT_TRUE(garrTicketLines.isEmpty());
    EXPECT_FALSE(gblnTicketColumnSelected);
    EXPECT_EQ(board->txtResults[1]->text(), QString());
    EXPECT_EQ(board->main.lblColumnPowerTotal->caption(), QStringLiteral("77"));  // no reset

    // Without a selected line Delete does nothing.
    ticketOf(3);
    const QStringList before = lines();
    // The flag clear (a comparison rebuilt the list), then set with no line selected.
    board->cmdDelete_Click();
    EXPECT_EQ(lines(), before);
    board->lstTicket_Click();
    ASSERT_TRUE(gblnTicketColumnSelected);
    ASSERT_EQ(board->lstTicket->listIndex(), -1);
    board->cmdDelete_Click();
    EXPECT_EQ(lines(), before);
    expectInStep();
}

TEST_F(TicketSideTest, SelectingAColumnShowsItsPowersAndMarksItsHitsIncludingTheBonus)
{
    ASSERT_EQ(glngBonusCount, 1);
    const int32_t d1 = garrReferenceDrawing[1], d2 = garrReferenceDrawing[2], bonus = garrReferenceDrawing[7];
    ASSERT_GT(bonus, 0);
    ASSERT_EQ(board->lblDrawingNumber[7]->caption(), QString::number(bonus));
    int32_t other = 1;
    auto notDrawn = [&] {
        for (;; ++other)
            if (std::none_of(&garrReferenceDrawing[1], &garrReferenceDrawing[7] + 1,
                             [&](int32_t n) { return n == other; }))
                return other++;
    };
    const int32_t o1 = notDrawn(), o2 = notDrawn();
    board->lblColumnNumber[7]->setCaption(QStringLiteral("x"));
    board->lblColumnNumber[8]->setCaption(QStringLiteral("y"));
    add({QString::number(d1), QString::number(d2), QString::number(bonus), QString::number(o1), QString::number(o2),
         QStringLiteral("0")});

    const int32_t counts[] = {gDrum.garrPickCount[d1], gDrum.garrPickCount[d2], gDrum.garrPickCount[bonus],
                              gDrum.garrPickCount[o1], gDrum.garrPickCount[o2], 0};
    int64_t total = 0;
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(board->lblColumnNumber[i]->caption(), QString::number(counts[i - 1])) << i;
        total += counts[i - 1];
    }
    EXPECT_EQ(board->main.lblColumnPowerTotal->caption(), QString::number(total));
    EXPECT_EQ(board->lblColumnNumber[7]->caption(), QStringLiteral("x"));
    EXPECT_EQ(board->lblColumnNumber[8]->caption(), QStringLiteral("y"));
    for (int p = 1; p <= 7; ++p)
        EXPECT_EQ(marked(board->lblDrawingNumber[p]), p == 1 || p == 2 || p == 7) << p;

    // Another line first returns every drawing label to normal.
    add({QString::number(o1), QString::number(o2), "0", "0", "0", "0"});
    for (int p = 1; p <= 7; ++p)
        EXPECT_TRUE(normal(board->lblDrawingNumber[p])) << p;

    // A drawing position that reads 0 is never marked, though the column holds 0.
    board->lblDrawingNumber[3]->setCaption(QStringLiteral("0"));
    garrReferenceDrawing[3] = 0;
    board->lstTicket->setListIndex(0);
    EXPECT_TRUE(marked(board->lblDrawingNumber[1]));
    EXPECT_FALSE(marked(board->lblDrawingNumber[3]));
}

TEST_F(TicketSideTest, InGuessModeTheGuessBoxesAreMarkedAndTheDrawingMarksStay)
{
    add({"5", "6", "7", "8", "9", "0"});
    board->lblDrawingNumber[4]->setForeColor(vbc::kDarkRed);
    gblnCompareWithGuess = true;
    guess({"5", "07", "0", "9", "40", "41"});
    board->txtGuess[7]->setText(QStringLiteral("8"));
    board->lstTicket->setListIndex(-1);
    board->lstTicket->setListIndex(0);
    // "07" is not the text of 7, 0 is no number; the bonus box is compared too.
    for (int p = 1; p <= 7; ++p)
        EXPECT_EQ(marked(board->txtGuess[p]), p == 1 || p == 4 || p == 7) << p;
    EXPECT_EQ(board->lblDrawingNumber[4]->foreColor(), vbc::kDarkRed);
}

class TicketSideTwoBonusTest : public TicketSideTest {
protected:
    QString gameCode() const override { return QStringLiteral("620"); }
};

TEST_F(TicketSideTwoBonusTest, BothBonusLabelsAreMarkedAgainstTheMainNumbers)
{
    ASSERT_EQ(glngBonusCount, 2);
    const int32_t b1 = garrReferenceDrawing[7], b2 = garrReferenceDrawing[8];
    add({QString::number(b2), QString::number(b1), "0", "0", "0", "0"});
    EXPECT_EQ(lines().value(0), QStringLiteral("01- %1 %2 0 0 0 0 (0)").arg(b2).arg(b1));
    for (int p = 1; p <= 8; ++p)
        EXPECT_EQ(marked(board->lblDrawingNumber[p]), p >= 7) << p;
}

// The pool grid on a board: counts and odds from the powers, POPULATE with and without Equal
// Chance, counts typed by hand and the texts refused, excluded balls, and the two views.

#include "boardfixture.h"

#include "app/globals.h"

#include <QTest>

namespace {

class PoolTest : public BoardFixture {
protected:
    void SetUp() override { openFourDrawings(); }
    VbTextBox *count(int b) const { return board->main.txtPoolCount[b]; }
    VbTextBox *odds(int b) const { return board->main.txtPoolPercent[b]; }
    QStringList counts() const
    {
        QStringList out;
        for (int b = 1; b <= 12; ++b)
            out << count(b)->text();
        return out;
    }
    // Types a count into a ball's "Pool n" box as the user does: focus in, text, focus out.
    void type(int b, const QString &text)
    {
        board->txtPoolCount_GotFocus(b);
        count(b)->setText(text);
        board->txtPoolCount_LostFocus(b);
    }
    // Excludes a ball as the exclusion box leaves it (its count saved).
    void exclude(int b, int saved)
    {
        gDrum.garrExcluded[b] = 1;
        gDrum.garrPoolWeightSaved[b] = saved;
        count(b)->setBackColor(vbc::kExcludedGrey);
        odds(b)->setBackColor(vbc::kExcludedGrey);
    }
};

}  // namespace

TEST_F(PoolTest, CountsAndOddsFromThePowers)
{
    EXPECT_EQ(counts(), QStringList({"6", "7", "8", "1", "1", "9", "6", "2", "3", "3", "4", "0"}));
    EXPECT_EQ(gDrum.glngPoolTotal, 50);
    EXPECT_EQ(gDrum.garrPool.size(), 50);
    // 50/6 = 8.3, 50/4 = 12.5 rounds to even, an empty count has no odds.
    EXPECT_EQ(odds(1)->text(), QStringLiteral("1/8"));
    EXPECT_EQ(odds(11)->text(), QStringLiteral("1/12"));
    EXPECT_EQ(odds(4)->text(), QStringLiteral("1/50"));
    EXPECT_EQ(odds(12)->text(), QString());
    EXPECT_EQ(board->staMain->panelText(2), QStringLiteral(" Total Ball Amount in the Pool: 50"));
    // The count boxes are coloured by their count; the "Pool %" view shows the odds.
    EXPECT_EQ(count(1)->backColor(), vbc::kLightYellow);
    EXPECT_EQ(count(12)->backColor(), vbc::kWhite);
    EXPECT_TRUE(odds(3)->Visible());
    EXPECT_FALSE(count(3)->Visible());
    EXPECT_EQ(board->main.picPoolBall[7]->pictureName(), QStringLiteral("G7"));
    EXPECT_EQ(board->main.lblPoolBall[7]->caption(), QStringLiteral("7"));
    EXPECT_EQ(odds(5)->Top(), count(5)->Top());
    EXPECT_EQ(odds(5)->Left(), count(5)->Left());
    // Tool tips: the odds of a count, the count behind the odds.
    board->txtPoolCount_MouseMove(2);
    EXPECT_EQ(count(2)->toolTipText(), QStringLiteral("1/7"));
    board->txtPoolPercent_MouseMove(2);
    EXPECT_EQ(odds(2)->toolTipText(), QStringLiteral("7"));
}

TEST_F(PoolTest, EqualChanceGivesEveryIncludedBallOne)
{
    exclude(5, 1);
    board->chkEqualChance->setValue(1);
    EXPECT_TRUE(gblnEqualChance);
    board->cmdPopulate_Click();
    EXPECT_EQ(counts(), QStringList({"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    EXPECT_EQ(gDrum.garrPoolWeight[5], 0);
    EXPECT_EQ(gDrum.glngPoolTotal, 11);
    EXPECT_EQ(odds(1)->text(), QStringLiteral("1/11"));
    // The excluded ball shows its saved count and the share it would have.
    EXPECT_EQ(odds(5)->text(), QStringLiteral("1/11"));
    EXPECT_EQ(count(5)->backColor(), vbc::kExcludedGrey);
    EXPECT_EQ(board->staMain->panelText(2), QStringLiteral(" Total Ball Amount in the Pool: 11"));

    // Without Equal Chance POPULATE weighs the pool from the powers again.
    board->chkEqualChance->setValue(0);
    board->cmdPopulate_Click();
    EXPECT_EQ(count(1)->text(), QStringLiteral("6"));
    EXPECT_EQ(count(5)->text(), QStringLiteral("0"));
    EXPECT_EQ(gDrum.glngPoolTotal, 49);
}

TEST_F(PoolTest, ACountTypedByHandStaysUntilPopulate)
{
    type(4, QStringLiteral("5"));
    EXPECT_EQ(gDrum.garrPoolCountEdited[4], 5);
    EXPECT_EQ(gDrum.glngPoolTotal, 54);
    EXPECT_EQ(count(4)->foreColor(), vbc::kDarkRed);
    EXPECT_EQ(odds(4)->foreColor(), vbc::kDarkRed);
    EXPECT_EQ(odds(4)->text(), QStringLiteral("1/11"));  // 54/5 = 10.8
    EXPECT_EQ(odds(1)->text(), QStringLiteral("1/9"));   // every share follows the total

    // Typed 0 is a count too: white box, no odds, kept by every recount.
    type(6, QStringLiteral("0"));
    EXPECT_EQ(gDrum.garrPoolCountEdited[6], 0);
    EXPECT_EQ(count(6)->backColor(), vbc::kWhite);
    EXPECT_EQ(odds(6)->text(), QString());
    board->chkEqualChance->setValue(1);
    board->subRefreshPool();
    EXPECT_EQ(count(6)->text(), QStringLiteral("0"));
    EXPECT_EQ(count(4)->text(), QStringLiteral("5"));
    EXPECT_EQ(count(1)->text(), QStringLiteral("1"));

    // POPULATE forgets the typed counts.
    board->cmdPopulate_Click();
    EXPECT_EQ(gDrum.garrPoolCountEdited[4], -3);
    EXPECT_EQ(count(6)->text(), QStringLiteral("1"));
    EXPECT_EQ(odds(4)->foreColor(), vbc::kWindowText);
}

TEST_F(PoolTest, TextsThatAreNoCountAreUndoneAtOnce)
{
    board->txtPoolCount_GotFocus(2);
    for (const char *refused : {"05", "100000", "-1", "1.5", "", "x"}) {
        count(2)->setText(QString::fromLatin1(refused));
        EXPECT_EQ(count(2)->text(), QStringLiteral("7")) << refused;
    }
    count(2)->setText(QStringLiteral("99999"));
    EXPECT_EQ(count(2)->text(), QStringLiteral("99999"));
    count(2)->setText(QStringLiteral("7"));
    board->txtPoolCount_LostFocus(2);
    // Leaving the box with its count unchanged marks and recounts nothing.
    EXPECT_EQ(gDrum.garrPoolCountEdited[2], -3);
    EXPECT_EQ(count(2)->foreColor(), vbc::kWindowText);
    EXPECT_FALSE(count(2)->fontBold());

    // Each box falls back to its own count, not to the last box that had the focus.
    board->txtPoolCount_GotFocus(3);
    board->txtPoolCount_GotFocus(1);
    count(3)->setText(QStringLiteral("abc"));
    board->txtPoolCount_LostFocus(3);
    EXPECT_EQ(count(3)->text(), QStringLiteral("8"));

    // An excluded ball's count cannot be typed.
    exclude(9, 3);
    board->subRefreshPool();
    type(9, QStringLiteral("12"));
    EXPECT_EQ(count(9)->text(), QStringLiteral("3"));
    EXPECT_EQ(gDrum.garrPoolCountEdited[9], -3);
    EXPECT_EQ(count(9)->backColor(), vbc::kExcludedGrey);
}

TEST_F(PoolTest, AnExcludedBallShowsTheShareOfItsSavedCount)
{
    board->chkEqualChance->setValue(1);
    for (int b = 3; b <= 12; ++b)
        exclude(b, 0);
    exclude(3, 3);
    board->subRefreshPool();
    EXPECT_EQ(gDrum.glngPoolTotal, 2);
    EXPECT_EQ(count(3)->text(), QStringLiteral("3"));
    EXPECT_EQ(odds(3)->text(), QStringLiteral("1/1"));  // 2/3 rounds to 1
    exclude(2, 0);
    board->subRefreshPool();
    EXPECT_EQ(odds(3)->text(), QStringLiteral("0"));  // 1/3 rounds to 0: no "1/0"
    // A saved count of 0 leaves the odds text as it was.
    odds(4)->setText(QStringLiteral("kept"));
    board->subRefreshPool();
    EXPECT_EQ(odds(4)->text(), QStringLiteral("kept"));
}

TEST_F(PoolTest, TheViewsSwitchAndTheHiddenButtonEndsTheCountView)
{
    board->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board));
    QTest::mouseDClick(odds(4), Qt::LeftButton);
    EXPECT_TRUE(gDrum.gblnPoolCountView);
    EXPECT_TRUE(count(4)->Visible());
    EXPECT_FALSE(odds(4)->Visible());
    EXPECT_TRUE(count(4)->hasFocus());
    EXPECT_TRUE(count(4)->fontBold());
    EXPECT_EQ(board->main.lblHdrPool[0]->caption(), QStringLiteral("Pool n"));
    EXPECT_EQ(board->main.lblHdrPool[1]->foreColor(), vbc::kDarkRed);

    // Typing through the keyboard: a leading zero is undone at once, a new count taken on leaving.
    count(4)->selectAll();
    QTest::keyClicks(count(4), QStringLiteral("0"));
    EXPECT_EQ(count(4)->text(), QStringLiteral("0"));
    QTest::keyClicks(count(4), QStringLiteral("5"));
    EXPECT_EQ(count(4)->text(), QStringLiteral("1"));
    count(4)->selectAll();
    QTest::keyClicks(count(4), QStringLiteral("3"));
    board->cmdHiddenFocus->setFocus();
    EXPECT_EQ(gDrum.garrPoolCountEdited[4], 3);
    // The hidden button ends the count view.
    EXPECT_FALSE(gDrum.gblnPoolCountView);
    EXPECT_TRUE(odds(4)->Visible());
    EXPECT_EQ(board->main.lblHdrPool[0]->caption(), QStringLiteral("Pool %"));
    EXPECT_EQ(board->main.lblHdrPool[0]->foreColor(), vbc::kWindowText);

    // A header click switches the view with the focus on ball 1; a second click switches back.
    QTest::mouseClick(board->main.lblHdrPool[0], Qt::LeftButton);
    EXPECT_TRUE(gDrum.gblnPoolCountView);
    EXPECT_TRUE(count(1)->hasFocus());
    EXPECT_EQ(count(4)->foreColor(), vbc::kDarkRed);
    board->lblHdrPool_Click(0);
    EXPECT_FALSE(gDrum.gblnPoolCountView);
    EXPECT_FALSE(count(1)->Visible());
    // With ball 1 excluded the header click puts the focus into no count box.
    board->main.chkExcludeBall[1]->setValue(1);
    board->cmdHiddenFocus->setFocus();
    QTest::mouseClick(board->main.lblHdrPool[0], Qt::LeftButton);
    EXPECT_TRUE(gDrum.gblnPoolCountView);
    EXPECT_TRUE(board->cmdHiddenFocus->hasFocus());
    board->lblHdrPool_Click(0);

    // Typing into a "Pool %" box is undone on leaving it.
    board->txtPoolPercent_GotFocus(2);
    odds(2)->setText(QStringLiteral("zz"));
    board->txtPoolPercent_LostFocus(2);
    EXPECT_EQ(odds(2)->text(), QStringLiteral("1/7"));  // 52/7
}

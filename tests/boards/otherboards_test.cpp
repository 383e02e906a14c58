// The same routines on the two other board families: both drums of a two-drum lottery, and the
// digits 0..9 of a digit game, whose first row is the template row itself.

#include "boardfixture.h"

#include "app/globals.h"

TEST_F(BoardFixture, BothDrumsOfATwoDrumLotteryAreShown)
{
    openSample(QStringLiteral("Sample Two-Drum 5-50 + 2-12.mdb"));
    ASSERT_EQ(gstrGameCode, QStringLiteral("2P520"));
    EXPECT_TRUE(messages.asked().empty()) << messages.texts().join(u'\n').toStdString();
    const DrumControls &second = board->bonus;
    for (int b = 1; b <= 12; ++b) {
        EXPECT_EQ(second.lblPowerBall[b]->caption(), QString::number(b));
        EXPECT_EQ(second.lblTotalPicks[b]->caption(), QString::number(gDrumBONUS.garrPickCount[b]));
        EXPECT_EQ(second.txtPoolCount[b]->text(), QString::number(static_cast<qint64>(gDrumBONUS.garrPoolWeight[b])));
    }
    EXPECT_FALSE(second.lblTotalPicks.exists(13));
    EXPECT_GT(gDrumBONUS.glngPoolTotal, 0);
    EXPECT_EQ(second.lblPowerMiddle->caption(), QString::number(gDrumBONUS.garrSumStats[1]));
    EXPECT_EQ(second.cboPowerIntervalPct->text(), QStringLiteral("10"));
    // The main pool's total stands in the status bar while the main tables show.
    EXPECT_EQ(board->staMain->panelText(2),
              QStringLiteral(" Total Ball Amount in the Pool: %1").arg(gDrum.glngPoolTotal));
    // The second drum's numbers of the end drawing add to its own power total.
    const int32_t n6 = board->lblDrawingNumber[6]->caption().toInt();
    const int32_t n7 = board->lblDrawingNumber[7]->caption().toInt();
    EXPECT_EQ(board->bonus.lblDrawingPowerTotal->caption(),
              QString::number(gDrumBONUS.garrPickCount[n6] + gDrumBONUS.garrPickCount[n7]));

    // The second table orders on its own.
    board->lblHdrTotal_Click(0, Drum::Second);
    EXPECT_TRUE(gDrumBONUS.gblnSorted);
    EXPECT_FALSE(gDrum.gblnSorted);
    int32_t previous = INT32_MAX;
    for (int r = 1; r <= 12; ++r) {
        const int32_t picks = second.lblTotalPicks[r]->caption().toInt();
        EXPECT_LE(picks, previous);
        previous = picks;
    }
    EXPECT_EQ(second.lblHdrTotal[0]->foreColor(), vbc::kDarkRed);

    // POPULATE with Equal Chance fills both pools.
    board->chkEqualChance->setValue(1);
    board->cmdPopulate_Click();
    EXPECT_EQ(gDrumBONUS.glngPoolTotal, 12);
    EXPECT_EQ(gDrum.glngPoolTotal, 50);
}

TEST_F(BoardFixture, TheDigitsOfADigitGameStartAtTheTemplateRow)
{
    openSample(QStringLiteral("Sample Pick 3.mdb"));
    ASSERT_EQ(gstrGameCode, QStringLiteral("130"));
    EXPECT_TRUE(messages.asked().empty()) << messages.texts().join(u'\n').toStdString();
    const DrumControls &c = board->main;
    const int pitch = c.lblTotalPicks[0]->Height() + 25;
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(c.lblPowerBall[d]->caption(), QString::number(d));
        EXPECT_EQ(c.lblTotalPicks[d]->caption(), QString::number(gDrum.garrPickCount[d]));
        EXPECT_EQ(c.lblTotalPicks[d]->Top(), c.lblTotalPicks[0]->Top() + d * pitch);
        EXPECT_EQ(c.picPoolBall[d]->pictureName(), QStringLiteral("G%1").arg(d));
    }
    EXPECT_EQ(c.picPowerBall[0]->pictureName(), QStringLiteral("B0"));
    EXPECT_FALSE(c.lblTotalPicks.exists(10));
    // Positions 0..2 of the end drawing, every one counting in the total.
    int64_t total = 0;
    for (int p = 0; p <= 2; ++p) {
        const int32_t digit = board->lblDrawingNumber[p]->caption().toInt();
        total += gDrum.garrPickCount[digit];
    }
    EXPECT_EQ(c.lblDrawingPowerTotal->caption(), QString::number(total));
    // In pick-count order the first row shows the standing 0.
    board->lblHdrTotal_Click(0);
    EXPECT_EQ(c.lblStanding[0]->caption(), QStringLiteral("0"));
    EXPECT_EQ(c.lblStanding[9]->caption(), QStringLiteral("9"));
}

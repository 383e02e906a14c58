// The shared board's routines on the other two board families: both drums of a two-drum lottery
// shown, each handler given the second drum working on the second drum's controls and tables only;
// and the digits 0..9 of a digit game, whose first row is the template row itself, where 0 is a
// digit and an empty guess is none.

#include "boardfixture.h"

#include "analysis/interval.h"
#include "app/globals.h"

namespace {

int32_t caption(const VbLabel *label) { return label->caption().toInt(); }

}  // namespace

TEST_F(BoardFixture, EveryHandlerGivenTheSecondDrumWorksOnTheSecondDrumOnly)
{
    openSample(SampleWorld::kTwoDrum);
    ASSERT_EQ(gstrGameCode, QStringLiteral("2P520"));
    EXPECT_TRUE(messages.asked().empty()) << messages.texts().join(u'\n').toStdString();
    DrumControls &second = board->bonus;
    DrumControls &main = board->main;

    // Both drums shown, the second drum's numbers of the end drawing adding to its own total.
    for (int b = 1; b <= 12; ++b) {
        EXPECT_EQ(second.lblPowerBall[b]->caption(), QString::number(b));
        EXPECT_EQ(caption(second.lblTotalPicks[b]), gDrumBONUS.garrPickCount[b]);
        EXPECT_EQ(second.txtPoolCount[b]->text(), QString::number(static_cast<qint64>(gDrumBONUS.garrPoolWeight[b])));
    }
    EXPECT_FALSE(second.lblTotalPicks.exists(13));
    EXPECT_GT(gDrumBONUS.glngPoolTotal, 0);
    EXPECT_EQ(caption(second.lblPowerMiddle), gDrumBONUS.garrSumStats[1]);
    EXPECT_EQ(second.cboPowerIntervalPct->text(), QStringLiteral("10"));
    EXPECT_EQ(board->staMain->panelText(2),
              QStringLiteral(" Total Ball Amount in the Pool: %1").arg(gDrum.glngPoolTotal));
    EXPECT_EQ(caption(second.lblDrawingPowerTotal), gDrumBONUS.garrPickCount[caption(board->lblDrawingNumber[6])]
                                                         + gDrumBONUS.garrPickCount[caption(board->lblDrawingNumber[7])]);

    // The second tab captioned; the second drum's headers in their own grey.
    EXPECT_EQ(second.lblGameMatrix->caption(), QStringLiteral("2/12"));
    const int32_t back = glngBackColor;
    glngBackColor = 0xC0C0C0;
    board->subApplyBoardColours();
    glngBackColor = back;
    EXPECT_EQ(second.lblHdrTotal[0]->backColor(), 0xDFDFDFu);
    EXPECT_EQ(second.lblPowerLowest->backColor(), 0xC0C0C0u);
    EXPECT_EQ(main.lblHdrTotal[0]->backColor(), 0xC0C0C0u);

    // The power interval: the box and the percentage of the second drum.
    second.chkPowerInterval->setValue(1);
    EXPECT_TRUE(gDrumBONUS.gblnPowerInterval);
    EXPECT_FALSE(gDrum.gblnPowerInterval);
    const QString mainUpper = main.txtPowerInterval[1]->text();
    second.cboPowerIntervalPct->setListIndex(3);
    const PowerIntervalView thirty = powerIntervalView(
        {gDrumBONUS.garrSumStats[0], gDrumBONUS.garrSumStats[1], gDrumBONUS.garrSumStats[2]}, 30);
    EXPECT_EQ(second.txtPowerInterval[0]->text(), QString::number(thirty.lower));
    EXPECT_EQ(second.txtPowerInterval[1]->text(), QString::number(thirty.upper));
    EXPECT_EQ(gDrumBONUS.garrIntervalLimits[1], thirty.upper);
    EXPECT_EQ(main.txtPowerInterval[1]->text(), mainUpper);

    // A count typed into the second pool grid.
    second.txtPoolCount[5]->onGotFocus();
    second.txtPoolCount[5]->setText(QStringLiteral("7"));
    second.txtPoolCount[5]->onLostFocus();
    EXPECT_EQ(gDrumBONUS.garrPoolCountEdited[5], 7);
    EXPECT_NE(gDrum.garrPoolCountEdited[5], 7);
    EXPECT_EQ(second.txtPoolPercent[5]->foreColor(), vbc::kDarkRed);

    // The "Pool n" view of the second grid, ended by the focus parking while that grid is in view.
    second.txtPoolPercent[2]->onDblClick();
    EXPECT_TRUE(gDrumBONUS.gblnPoolCountView);
    EXPECT_FALSE(gDrum.gblnPoolCountView);
    EXPECT_FALSE(second.txtPoolCount[2]->isHidden());
    EXPECT_TRUE(main.txtPoolCount[2]->isHidden());
    board->cmdHiddenFocus->onGotFocus();
    EXPECT_TRUE(gDrumBONUS.gblnPoolCountView);
    gblnMainPoolView = false;
    board->cmdHiddenFocus->onGotFocus();
    gblnMainPoolView = true;
    EXPECT_FALSE(gDrumBONUS.gblnPoolCountView);

    // POWER clears the second drum's exclusions too, and the guess powers go to each drum's total.
    second.chkExcludeBall[3]->setValue(1);
    const int32_t guess[] = {0, 4, 11, 19, 27, 50, 3, 12};
    for (int p = 1; p <= 7; ++p)
        board->txtGuess[p]->setText(QString::number(guess[p]));
    board->cmdPower_Click();
    EXPECT_EQ(second.chkExcludeBall[3]->value(), 0);
    int64_t mainTotal = 0;
    for (int p = 1; p <= 5; ++p)
        mainTotal += gDrum.garrPickCount[guess[p]];
    EXPECT_EQ(caption(main.lblGuessPowerTotal), mainTotal);
    EXPECT_EQ(caption(second.lblGuessPowerTotal), gDrumBONUS.garrPickCount[3] + gDrumBONUS.garrPickCount[12]);
    EXPECT_EQ(caption(board->lblGuessPower[7]), gDrumBONUS.garrPickCount[12]);

    // Get Drawing copies both drums' totals.
    board->cmdGetDrawing_Click();
    EXPECT_EQ(second.lblGuessPowerTotal->caption(), second.lblDrawingPowerTotal->caption());

    // The column labels of both drums' positions and both column totals are reset.
    for (int p : {1, 7})
        board->lblColumnNumber[p]->setCaption(QStringLiteral("9"));
    second.lblColumnPowerTotal->setCaption(QStringLiteral("9"));
    board->subResetColumnLabels();
    EXPECT_EQ(board->lblColumnNumber[1]->caption(), QStringLiteral("0"));
    EXPECT_EQ(board->lblColumnNumber[7]->caption(), QStringLiteral("0"));
    EXPECT_EQ(second.lblColumnPowerTotal->caption(), QStringLiteral("0"));

    // The report lists every position of both drums.
    EXPECT_EQ(board->report()->numbers.size(), 7);

    // The second table orders on its own.
    board->lblHdrTotal_Click(0, Drum::Second);
    EXPECT_TRUE(gDrumBONUS.gblnSorted);
    EXPECT_FALSE(gDrum.gblnSorted);
    for (int r = 2; r <= 12; ++r)
        EXPECT_LE(caption(second.lblTotalPicks[r]), caption(second.lblTotalPicks[r - 1])) << r;
    EXPECT_EQ(second.lblHdrTotal[0]->foreColor(), vbc::kDarkRed);

    // POPULATE with Equal Chance fills both pools.
    board->chkEqualChance->setValue(1);
    board->cmdPopulate_Click();
    EXPECT_EQ(gDrumBONUS.glngPoolTotal, 12);
    EXPECT_EQ(gDrum.glngPoolTotal, 50);
}

TEST_F(BoardFixture, TheDigitPositionsStartAtZeroWhereZeroIsADigit)
{
    openSample(SampleWorld::kPick3);
    ASSERT_EQ(gstrGameCode, QStringLiteral("130"));
    EXPECT_TRUE(messages.asked().empty()) << messages.texts().join(u'\n').toStdString();
    DrumControls &c = board->main;

    // The rows of the digits from the template row on.
    const int pitch = c.lblTotalPicks[0]->Height() + 25;
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(caption(c.lblPowerBall[d]), d);
        EXPECT_EQ(caption(c.lblTotalPicks[d]), gDrum.garrPickCount[d]);
        EXPECT_EQ(c.lblTotalPicks[d]->Top(), c.lblTotalPicks[0]->Top() + d * pitch);
        EXPECT_EQ(c.picPoolBall[d]->pictureName(), QStringLiteral("G%1").arg(d));
    }
    EXPECT_EQ(c.picPowerBall[0]->pictureName(), QStringLiteral("B0"));
    EXPECT_FALSE(c.lblTotalPicks.exists(10));

    // The end drawing from position 0, every position counting in the total.
    int64_t total = 0;
    for (int p = 0; p <= 2; ++p) {
        EXPECT_EQ(caption(board->lblDrawingNumber[p]), garrReferenceDrawing[p]);
        total += gDrum.garrPickCount[garrReferenceDrawing[p]];
    }
    EXPECT_EQ(caption(c.lblDrawingPowerTotal), total);

    // Guess powers: an empty box is no guess and keeps its power, 0 is the digit 0.
    board->txtGuess[0]->setText(QString());
    board->lblGuessPower[0]->setCaption(QStringLiteral("x"));
    board->txtGuess[1]->setText(QStringLiteral("0"));
    board->txtGuess[2]->setText(QStringLiteral("5"));
    c.chkExcludeBall[0]->setValue(1);
    board->cmdPower_Click();
    EXPECT_EQ(c.chkExcludeBall[0]->value(), 0);
    EXPECT_EQ(board->lblGuessPower[0]->caption(), QStringLiteral("x"));
    EXPECT_EQ(caption(board->lblGuessPower[1]), gDrum.garrPickCount[0]);
    EXPECT_EQ(caption(c.lblGuessPowerTotal), gDrum.garrPickCount[0] + gDrum.garrPickCount[5]);

    // A count typed for the digit 0.
    c.txtPoolCount[0]->onGotFocus();
    c.txtPoolCount[0]->setText(QStringLiteral("4"));
    c.txtPoolCount[0]->onLostFocus();
    EXPECT_EQ(gDrum.garrPoolCountEdited[0], 4);

    // Marks and column labels from position 0.
    board->txtGuess[0]->setFontBold(true);
    board->lblDrawingNumber[0]->setFontBold(true);
    board->resetGuessMarks();
    board->resetDrawingMarks();
    EXPECT_FALSE(board->txtGuess[0]->fontBold());
    EXPECT_FALSE(board->lblDrawingNumber[0]->fontBold());
    board->lblColumnNumber[0]->setCaption(QStringLiteral("9"));
    board->subResetColumnLabels();
    EXPECT_EQ(board->lblColumnNumber[0]->caption(), QStringLiteral("0"));

    // The report: three positions and one summary box.
    const auto report = board->report();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->numbers.size(), 3);
    EXPECT_EQ(report->results.size(), 1);

    // In pick-count order the first row shows the standing 0.
    board->lblHdrTotal_Click(0);
    EXPECT_EQ(c.lblStanding[0]->caption(), QStringLiteral("0"));
    EXPECT_EQ(c.lblStanding[9]->caption(), QStringLiteral("9"));
}

TEST_F(BoardFixture, TheSettingsResetClearsTheColumnLabelsOfTheBonusPositions)
{
    openSample(SampleWorld::kLotto);
    ASSERT_EQ(gstrGameCode, QStringLiteral("610"));
    board->lblColumnNumber[7]->setCaption(QStringLiteral("9"));
    board->resetBoardSettings(boardSettingsDefaults(RecordShape::current(), DrawingsInfo::current()));
    EXPECT_EQ(board->lblColumnNumber[7]->caption(), QStringLiteral("0"));
    EXPECT_EQ(board->txtGuess[7]->text(), QStringLiteral("0"));
}

// POWER on a board: the power table in its four orders, the analysis window kept in step by the
// drawing combos, the end drawing and the guess with their powers, hot and cold numbers, the power
// increase and the power interval. Expected values are worked out by hand from the drawings.

#include "boardfixture.h"

#include "analysis/drum.h"
#include "analysis/pool.h"
#include "boards/lotto/frmlottoboard.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "platform/dates.h"

#include <QTest>
#include <cmath>

namespace {

QStringList list(std::initializer_list<int> values)
{
    QStringList out;
    for (int v : values)
        out << QString::number(v);
    return out;
}

class PowerTest : public BoardFixture {
protected:
    void open() { openFourDrawings(); }
    QStringList balls() const { return captions(board->main.lblPowerBall, 1, 12); }
    QStringList picks() const { return captions(board->main.lblTotalPicks, 1, 12); }
    QStringList standings() const { return captions(board->main.lblStanding, 1, 12); }
    QStringList percents() const { return captions(board->main.lblPowerPercent, 1, 12); }
    QStringList weeks() const { return captions(board->main.lblWeeksSincePick, 1, 12); }
    uint32_t headerColour(const CtlArray<VbLabel> &headers, int half) const { return headers[half]->foreColor(); }
};

}  // namespace

TEST_F(PowerTest, TheTableComesInBallOrderWithPicksStandingsPercentsAndWeeks)
{
    open();
    EXPECT_EQ(messages.asked().size(), 0u) << messages.texts().join(u'\n').toStdString();
    EXPECT_EQ(balls(), list({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(picks(), list({3, 3, 3, 1, 1, 3, 2, 1, 1, 1, 1, 0}));
    EXPECT_EQ(standings(), list({1, 1, 1, 6, 6, 1, 5, 6, 6, 6, 6, 12}));
    // Percent of the largest power (9), rounded half to even.
    EXPECT_EQ(percents(), list({67, 78, 89, 11, 11, 100, 67, 22, 33, 33, 44, 0}));
    EXPECT_EQ(weeks(), list({1, 0, 0, 3, 3, 0, 0, 2, 1, 1, 0, 4}));
    for (int b = 1; b <= 12; ++b)
        EXPECT_EQ(board->main.picPowerBall[b]->pictureName(), QStringLiteral("B%1").arg(b));
    EXPECT_FALSE(gDrum.gblnSorted || gDrum.gblnSortedByLastPicked || gDrum.gblnSortedByPowerPercent);
    EXPECT_EQ(headerColour(board->main.lblHdrTotal, 0), vbc::kDarkRed);
    EXPECT_EQ(headerColour(board->main.lblHdrPowerPercent, 1), vbc::kWindowText);

    // Row 1 on the template row, row 12 eleven pitches below; 12 balls have no second half.
    EXPECT_EQ(board->main.lblTotalPicks[1]->Top(), board->main.lblTotalPicks[0]->Top());
    EXPECT_EQ(board->main.lblTotalPicks[12]->Top(), board->main.lblTotalPicks[0]->Top() + 11 * frmLottoBoard::kRowPitch);
    EXPECT_FALSE(board->main.lblHdrTotal[1]->Visible());
    EXPECT_FALSE(board->main.lblPowerBall[3]->Visible());
    EXPECT_TRUE(board->main.lblTotalPicks[3]->Visible());

    // The end drawing with its powers; the status bar names the window.
    EXPECT_EQ(captions(board->lblDrawingNumber, 1, 5), list({2, 3, 6, 7, 11}));
    EXPECT_EQ(captions(board->lblDrawingNumberPower, 1, 5), list({3, 3, 3, 2, 1}));
    EXPECT_EQ(board->main.lblDrawingPowerTotal->caption(), QStringLiteral("12"));
    EXPECT_EQ(board->staMain->panelText(1), QStringLiteral(" Starting draw: 1 - Ending draw:4 - Draw date: ")
                                                + dates::toShortText(QDate(2024, 1, 24)));
    EXPECT_EQ(glngReferenceWeek, 4);
    EXPECT_EQ(glngStartWeek, 1);
}

TEST_F(PowerTest, FourOrdersAndTheirToggles)
{
    open();
    // "Total": pick count order, equal counts in ball order, standing = row.
    board->lblHdrTotal_Click(1);
    EXPECT_EQ(balls(), list({1, 2, 3, 6, 7, 4, 5, 8, 9, 10, 11, 12}));
    EXPECT_EQ(standings(), list({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(board->main.picPowerBall[4]->pictureName(), QStringLiteral("B6"));
    EXPECT_TRUE(gDrum.gblnSorted);
    // "Total" again: ball order.
    board->lblHdrTotal_Click(0);
    EXPECT_EQ(balls(), list({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_FALSE(gDrum.gblnSorted);

    // "<": weeks since drawn, ascending; equal values share a position (1, 1, ..., 6).
    board->lblHdrLastPicked_Click(0);
    EXPECT_EQ(balls(), list({2, 3, 6, 7, 11, 1, 9, 10, 8, 4, 5, 12}));
    EXPECT_EQ(standings(), list({1, 1, 1, 1, 1, 6, 6, 6, 9, 10, 10, 12}));
    EXPECT_EQ(weeks(), list({0, 0, 0, 0, 0, 1, 1, 1, 2, 3, 3, 4}));
    EXPECT_EQ(headerColour(board->main.lblHdrLastPicked, 0), vbc::kDarkRed);
    EXPECT_EQ(headerColour(board->main.lblHdrTotal, 1), vbc::kWindowText);
    // "<" twice: back to ball order, "Total" marked.
    board->lblHdrLastPicked_Click(1);
    EXPECT_EQ(balls(), list({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(headerColour(board->main.lblHdrTotal, 0), vbc::kDarkRed);
    EXPECT_EQ(headerColour(board->main.lblHdrLastPicked, 0), vbc::kWindowText);

    // "<" then "%": straight to power-percent order, highest first.
    board->lblHdrLastPicked_Click(0);
    board->lblHdrPowerPercent_Click(0);
    EXPECT_EQ(balls(), list({6, 3, 2, 1, 7, 11, 9, 10, 8, 4, 5, 12}));
    EXPECT_EQ(standings(), list({1, 2, 3, 4, 4, 6, 7, 7, 9, 10, 10, 12}));
    EXPECT_TRUE(gDrum.gblnSortedByPowerPercent && gDrum.gblnSorted && !gDrum.gblnSortedByLastPicked);
    EXPECT_EQ(headerColour(board->main.lblHdrPowerPercent, 1), vbc::kDarkRed);
    // "Total" in a sorted order: ball order, and again: pick-count order.
    board->lblHdrTotal_Click(0);
    EXPECT_EQ(balls(), list({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    board->lblHdrTotal_Click(0);
    EXPECT_EQ(balls(), list({1, 2, 3, 6, 7, 4, 5, 8, 9, 10, 11, 12}));

    // POWER always leaves ball order; a header click through the mouse reaches the same handler.
    board->cmdPower_Click();
    EXPECT_EQ(balls(), list({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    QTest::mouseClick(board->main.lblHdrLastPicked[0], Qt::LeftButton);
    EXPECT_TRUE(gDrum.gblnSortedByLastPicked);
}

TEST_F(PowerTest, AnOrderChangeTakesTheMarkingOff)
{
    open();
    // A marking as the ball click leaves it: ball 2's row and pool ball in light yellow.
    gDrum.gblnHighlight = true;
    board->main.lblPowerBall[2]->setBackColor(vbc::kLightYellow);
    board->main.lblPowerBall[2]->setForeColor(vbc::kDarkRed);
    board->main.lblTotalPicks[2]->setFontBold(true);
    board->main.lblPoolBall[2]->setBackColor(vbc::kLightYellow);
    board->main.txtPoolPercent[2]->setBackColor(vbc::kLightYellow);
    board->main.lblPoolBall[5]->setBackColor(vbc::kLightYellow);
    board->main.txtPoolPercent[5]->setBackColor(vbc::kExcludedGrey);
    gDrum.garrExcluded[5] = 1;
    board->lblHdrPowerPercent_Click(0);
    EXPECT_FALSE(gDrum.gblnHighlight);
    EXPECT_EQ(board->main.lblPowerBall[2]->backColor(), vbc::kWhite);
    EXPECT_EQ(board->main.lblPowerBall[2]->foreColor(), vbc::kWindowText);
    EXPECT_FALSE(board->main.lblTotalPicks[2]->fontBold());
    EXPECT_EQ(board->main.lblPoolBall[2]->backColor(), vbc::kWhite);
    EXPECT_EQ(board->main.picPoolBall[2]->pictureName(), QStringLiteral("G2"));
    EXPECT_EQ(board->main.txtPoolPercent[2]->backColor(), vbc::kWhite);
    // An excluded ball's pool box keeps its colour.
    EXPECT_EQ(board->main.txtPoolPercent[5]->backColor(), vbc::kExcludedGrey);
}

TEST_F(PowerTest, TheDrawingCombosStayInStep)
{
    // Drawing w holds w and 9, 10, 11, 12 (drawings 9 and 10 hold 1 in place of their own number).
    std::vector<std::vector<int32_t>> ten;
    for (int w = 1; w <= 10; ++w)
        ten.push_back(w <= 8 ? std::vector<int32_t>{w, 9, 10, 11, 12} : std::vector<int32_t>{w, 1, 19 - w, 11, 12});
    openLottery(kLotto512, drawings(ten));
    ASSERT_EQ(board->cboEndDrawing->listCount(), 10);
    EXPECT_EQ(board->cboEndDrawing->list(0), QStringLiteral("10"));
    EXPECT_EQ(board->cboDrawingDate->list(9), dates::toShortText(QDate(2024, 1, 3)));
    const QString panel = board->staMain->panelText(1);

    // End 4 with start 6: the start follows to 4, the date and the shown drawing to 4.
    selectWeek(board->cboStartDrawing, 6);
    selectWeek(board->cboEndDrawing, 4);
    EXPECT_EQ(board->cboStartDrawing->text(), QStringLiteral("4"));
    EXPECT_EQ(board->cboDrawingDate->listIndex(), 6);
    EXPECT_EQ(captions(board->lblDrawingNumber, 1, 5), list({4, 9, 10, 11, 12}));
    // Start 8 with end 5: the end follows to 8 and drawing 8 is shown.
    selectWeek(board->cboEndDrawing, 5);
    selectWeek(board->cboStartDrawing, 8);
    EXPECT_EQ(board->cboEndDrawing->text(), QStringLiteral("8"));
    EXPECT_EQ(captions(board->lblDrawingNumber, 1, 5), list({8, 9, 10, 11, 12}));
    EXPECT_EQ(garrReferenceDrawing[1], 8);
    // A date chooses its drawing as the end; the start follows it down.
    board->cboDrawingDate->setListIndex(10 - 3);
    EXPECT_EQ(board->cboEndDrawing->text(), QStringLiteral("3"));
    EXPECT_EQ(board->cboStartDrawing->text(), QStringLiteral("3"));
    // The window of the last POWER stays until POWER.
    EXPECT_EQ(board->staMain->panelText(1), panel);
    EXPECT_EQ(glngReferenceWeek, 10);

    // Texts outside the drawings: the start becomes the end, the end the newest drawing.
    board->cboStartDrawing->setText(QStringLiteral("11"));
    EXPECT_EQ(board->cboStartDrawing->text(), QStringLiteral("3"));
    board->cboEndDrawing->setText(QStringLiteral("x"));
    EXPECT_EQ(board->cboEndDrawing->text(), QStringLiteral("10"));
    EXPECT_EQ(board->cboDrawingDate->listIndex(), 0);
    // A text that is no date is put back.
    board->cboDrawingDate_GotFocus();
    const QString date = board->cboDrawingDate->text();
    board->cboDrawingDate->setText(QStringLiteral("31/31/31x"));
    board->cboDrawingDate_LostFocus();
    EXPECT_EQ(board->cboDrawingDate->text(), date);

    // POWER over 3..10 counts from drawing 3.
    board->cmdPower_Click();
    EXPECT_EQ(glngStartWeek, 3);
    EXPECT_EQ(board->main.lblTotalPicks[12]->caption(), QStringLiteral("8"));
    EXPECT_EQ(board->main.lblTotalPicks[3]->caption(), QStringLiteral("1"));  // drawing 2 only
}

TEST_F(PowerTest, AUsersPowerClearsTheOptionsTheStartUpRunKeeps)
{
    open();
    // The start-up run (board not yet initialised) keeps the restored options.
    gblnBoardInitialised = false;
    board->chkEqualChance->setValue(1);
    board->chkGuaranteeNumbers->setValue(1);
    gDrum.garrExcluded[3] = 1;  // as the settings record restores it
    board->cmdPower_Click();
    EXPECT_EQ(board->chkEqualChance->value(), 1);
    EXPECT_EQ(board->chkGuaranteeNumbers->value(), 1);
    EXPECT_EQ(board->main.chkExcludeBall[3]->value(), 1);

    gblnBoardInitialised = true;
    gblnEqualChance = true;
    board->cmdPower_Click();
    EXPECT_EQ(board->chkEqualChance->value(), 0);
    EXPECT_FALSE(gblnEqualChance);
    EXPECT_EQ(board->chkGuaranteeNumbers->value(), 0);
    EXPECT_EQ(board->main.chkExcludeBall[3]->value(), 0);
}

TEST_F(PowerTest, HotColdAndThePowerIncreaseReachThePowers)
{
    open();
    // Cold numbers weigh a drawing by (4 - week)^2 once the power increase is on:
    //   1:14 2:13 3:10 4:9 5:9 6:5 7:4 8:4 9:1 10:1 11:0 12:0
    board->lblHotCold_Click(1);
    EXPECT_EQ(gintHotColdMode, -1);
    EXPECT_TRUE(board->optHotCold[1]->value() && !board->optHotCold[0]->value());
    board->lblHotCold_Click(1);  // the caption of the option already chosen
    EXPECT_EQ(gintHotColdMode, -1);
    board->lblPowerIncrease_Click();
    EXPECT_TRUE(gblnPowerIncrease);
    EXPECT_TRUE(board->hsbPowerIncrease->isEnabled());
    board->cmdPower_Click();
    EXPECT_EQ(percents(), list({100, 93, 71, 64, 64, 36, 29, 29, 7, 7, 0, 0}));

    // Hot numbers with the increase: week^2, 1:14 2:21 3:26 4:1 5:1 6:29 7:20 8:4 9:9 10:9 11:16.
    board->lblHotCold_Click(0);
    EXPECT_EQ(gintHotColdMode, 0);
    board->cmdPower_Click();
    EXPECT_EQ(percents(), list({48, 72, 90, 3, 3, 100, 69, 14, 31, 31, 55, 0}));
    // The pool weights follow the exponent a + (end - start)(level - a) / drawings, a = 1 + level / 10.
    const double a = 1.2;
    const double e = a + 3 * (2 - a) / 4;
    const int hot[] = {14, 21, 26, 1, 1, 29, 20, 4, 9, 9, 16, 0};
    int64_t total = 0;
    for (int b = 1; b <= 12; ++b) {
        const int64_t count = static_cast<int64_t>(std::nearbyint(std::pow(hot[b - 1], e)));
        EXPECT_EQ(board->main.txtPoolCount[b]->text(), QString::number(count)) << b;
        total += count;
    }
    EXPECT_EQ(gDrum.glngPoolTotal, total);
    EXPECT_EQ(board->staMain->panelText(2), QStringLiteral(" Total Ball Amount in the Pool: %1").arg(total));

    // Without the increase the powers are the plain sums of the week numbers, hot or cold.
    board->lblPowerIncrease_Click();
    EXPECT_FALSE(board->hsbPowerIncrease->isEnabled());
    board->cmdPower_Click();
    EXPECT_EQ(percents(), list({67, 78, 89, 11, 11, 100, 67, 22, 33, 33, 44, 0}));
}

TEST_F(PowerTest, TheIntervalFollowsThePercentage)
{
    open();
    // Drawing sums of pick counts: 11, 12, 11, 12; mean 11.5 shown as 12 (half to even).
    // After a reset the stored position 1 selects "10".
    const DrumControls &c = board->main;
    EXPECT_EQ(c.cboPowerIntervalPct->text(), QStringLiteral("10"));
    EXPECT_EQ(c.lblPowerLowest->caption(), QStringLiteral("11"));
    EXPECT_EQ(c.lblPowerMiddle->caption(), QStringLiteral("12"));
    EXPECT_EQ(c.lblPowerHighest->caption(), QStringLiteral("12"));
    EXPECT_EQ(c.hsbPowerInterval->min(), 11);
    EXPECT_EQ(c.hsbPowerInterval->max(), 12);
    EXPECT_EQ(c.hsbPowerInterval->value(), 12);
    EXPECT_EQ(c.lblPowerSliderPos->caption(), QStringLiteral("12"));
    EXPECT_EQ(c.txtPowerInterval[0]->text(), QStringLiteral("12"));
    EXPECT_EQ(c.txtPowerInterval[1]->text(), QStringLiteral("12"));
    // Choosing 100 % shows the whole range at once, lower 12 - 1.001 rounded.
    c.cboPowerIntervalPct->setListIndex(10);
    EXPECT_EQ(c.txtPowerInterval[0]->text(), QStringLiteral("11"));
    EXPECT_EQ(gDrum.garrIntervalLimits[0], 11);
    EXPECT_EQ(gDrum.garrIntervalLimits[1], 12);

    // A stored position outside the list selects "10" again.
    c.cboPowerIntervalPct->setText(QStringLiteral("42"));
    board->cmdPower_Click();
    EXPECT_EQ(c.cboPowerIntervalPct->listIndex(), 1);
}

TEST_F(PowerTest, GetDrawingCopiesTheEndDrawingIntoTheGuessAndTakesEveryMarkOff)
{
    open();
    for (bool guessMode : {true, false}) {
        SCOPED_TRACE(guessMode);
        gblnCompareWithGuess = guessMode;
        board->txtGuess[2]->setForeColor(vbc::kDarkRed);
        board->txtGuess[2]->setFontBold(true);
        board->lblDrawingNumber[2]->setForeColor(vbc::kDarkRed);
        board->lblDrawingNumber[2]->setFontBold(true);
        board->cmdGetDrawing_Click();
        EXPECT_EQ(board->txtGuess[2]->foreColor(), vbc::kWindowText);
        EXPECT_FALSE(board->txtGuess[2]->fontBold());
        EXPECT_EQ(board->lblDrawingNumber[2]->foreColor(), vbc::kWindowText);
        EXPECT_FALSE(board->lblDrawingNumber[2]->fontBold());
    }
    EXPECT_EQ(captions(board->lblGuessPower, 1, 5), list({3, 3, 3, 2, 1}));
    EXPECT_EQ(board->txtGuess[4]->text(), QStringLiteral("7"));
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QStringLiteral("12"));
    EXPECT_EQ(board->txtGuessSource->text(), QStringLiteral("4 - ") + board->cboDrawingDate->text());

    // POWER shows the guess powers; "0" adds nothing.
    board->txtGuess[5]->setText(QStringLiteral("0"));
    board->cmdPower_Click();
    EXPECT_EQ(board->lblGuessPower[5]->caption(), QStringLiteral("0"));
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QStringLiteral("11"));
    EXPECT_EQ(board->lblColumnNumber[1]->caption(), QStringLiteral("0"));
}

TEST_F(PowerTest, SixNumbersAndABonusShowSevenPowersAndTotalSix)
{
    openSample(QStringLiteral("Sample Lotto 6-49.mdb"));
    ASSERT_EQ(gstrGameCode, QStringLiteral("610"));
    int64_t six = 0;
    for (int p = 1; p <= 7; ++p) {
        const int32_t number = board->lblDrawingNumber[p]->caption().toInt();
        ASSERT_GE(number, 1);
        const QString power = QString::number(gDrum.garrPickCount[number]);
        EXPECT_EQ(board->lblDrawingNumberPower[p]->caption(), power);
        if (p <= 6)
            six += gDrum.garrPickCount[number];
    }
    EXPECT_EQ(board->main.lblDrawingPowerTotal->caption(), QString::number(six));
    // 49 balls: rows from 29 on in the second half, row 30 one pitch below row 29.
    const DrumControls &c = board->main;
    EXPECT_TRUE(c.lblHdrTotal[1]->Visible() && c.shpBallColumn[1]->Visible());
    EXPECT_EQ(c.lblTotalPicks[30]->Top(), c.lblTotalPicks[29]->Top() + c.lblTotalPicks[0]->Height() + 25);
    EXPECT_EQ(c.lblTotalPicks[30]->Left(), c.lblTotalPicks[29]->Left());
    EXPECT_EQ(c.picPowerBall[29]->pictureName(), QStringLiteral("B29"));
    EXPECT_TRUE(c.lblHdrPool[1]->Visible() && c.shpBallColumn[3]->Visible());
    // A second POWER creates no row and moves none.
    const int top = c.lblTotalPicks[40]->Top();
    board->cmdPower_Click();
    EXPECT_EQ(c.lblTotalPicks[40]->Top(), top);
    EXPECT_FALSE(c.lblTotalPicks.exists(50));
}

TEST_F(PowerTest, ALotteryWithoutDrawingsOpensToldOnceWithTheAnalysisCommandsDisabled)
{
    openLottery(kLotto512, {});
    EXPECT_EQ(messages.texts(), QStringList{res(46080)});
    EXPECT_EQ(messages.asked()[0].style, 64);
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(board->cboEndDrawing->listCount(), 0);
    EXPECT_TRUE(board->cboEndDrawing->text().isEmpty());
    EXPECT_FALSE(board->cmdPower->isEnabled() || board->cmdPopulate->isEnabled() || board->cmdDraw->isEnabled());
}

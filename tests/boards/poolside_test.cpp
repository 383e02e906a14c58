// The ball pictures, exclusion boxes and guarantee boxes of the lotto board, driven as the user
// drives them: marking balls of equal value, excluding balls one by one and all at once,
// guaranteeing numbers (their balls locked out of the pool), the exclusions a settings file
// restores, and DRAW, whose every column holds to the exclusions and guarantees in force.

#include "boardfixture.h"

#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/ui/clsrecordfile.h"

#include <QHelpEvent>
#include <QTest>
#include <set>

namespace {

const std::vector<int> kCounts = {6, 7, 8, 1, 1, 9, 6, 2, 3, 3, 4, 0};

void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

class PoolSideTest : public BoardFixture {
protected:
    void SetUp() override
    {
        openFourDrawings();
        ASSERT_TRUE(QTest::qWaitForWindowActive(board));
    }
    // Closes the board and opens the lottery again (its settings file read back).
    void reopen()
    {
        board->unloadBoard();
        board = nullptr;
        gfrmCurrentBoard = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        world.open(SampleWorld::kTestLottery);
        board = world.board();
        ASSERT_TRUE(QTest::qWaitForWindowActive(board));
    }

    DrumControls &m() const { return board->main; }
    VbCheck *box(int b) const { return m().chkExcludeBall[b]; }
    VbTextBox *guarantee(int j) const { return board->txtGuaranteeNumber[j]; }
    // The pictures of a ball in the power table and in the pool, "power/pool".
    QString pictures(int b) const { return m().picPowerBall[b]->pictureName() + u'/' + m().picPoolBall[b]->pictureName(); }

    // Focus into a guarantee box, the keys typed, focus parked: as the user enters a number.
    void typeGuarantee(int j, const QString &text)
    {
        guarantee(j)->setFocus(Qt::MouseFocusReason);
        if (!text.isEmpty())
            QTest::keyClicks(guarantee(j), text);
        board->cmdHiddenFocus->setFocus(Qt::MouseFocusReason);
    }
    bool locked(int b) const { return box(b)->value() == 1 && !box(b)->isEnabled() && gDrum.garrExcluded[b] == 1; }
    bool free(int b) const { return box(b)->value() == 0 && box(b)->isEnabled() && gDrum.garrExcluded[b] == 0; }

    // Rows of the power table that carry a marking.
    std::set<int> markedRows() const
    {
        std::set<int> rows;
        for (int r = 1; r <= 12; ++r)
            if (m().lblPowerBall[r]->backColor() == vbc::kLightYellow)
                rows.insert(r);
        return rows;
    }
    QString toolTipOf(QWidget *w)
    {
        QHelpEvent help(QEvent::ToolTip, w->rect().center(), w->mapToGlobal(w->rect().center()));
        QCoreApplication::sendEvent(w, &help);
        return w->toolTip();
    }

    // Draws a new ticket of `columns` columns and checks every column against the exclusions,
    // the pool and the guarantees in force (a column holds its numbers in ascending order).
    void drawAndCheck(int columns = 12)
    {
        ASSERT_TRUE(board->cmdDraw->isEnabled());
        board->chkIncrementalTicket->setValue(0);
        board->txtColumnsToDraw->setText(QString::number(columns));
        board->cmdDraw_Click();
        ASSERT_EQ(garrTicketGrid.rowCount(), columns);
        std::set<int32_t> guaranteed;
        for (int j = 1; j <= 5; ++j)
            if (gblnGuaranteeNumbers && guarantee(j)->text().toInt() > 0)
                guaranteed.insert(guarantee(j)->text().toInt());
        for (int r = 1; r <= columns; ++r) {
            std::set<int32_t> seen;
            for (int j = 1; j <= 5; ++j) {
                const int32_t x = garrTicketGrid.at(r, j);
                SCOPED_TRACE(testing::Message() << "column " << r << " position " << j << " ball " << x);
                ASSERT_TRUE(x >= 1 && x <= 12);
                EXPECT_TRUE(seen.insert(x).second);
                if (!guaranteed.count(x)) {
                    EXPECT_EQ(gDrum.garrExcluded[x], 0);
                    EXPECT_GT(gDrum.garrPoolWeight[x], 0);
                }
            }
            for (int32_t g : guaranteed)
                EXPECT_TRUE(seen.count(g)) << "column " << r << " lacks " << g;
        }
    }
};

}  // namespace

// ---- Marking -------------------------------------------------------------------------------------

TEST_F(PoolSideTest, MarkingGroupsTiedCountsMovesTheKeyAndClearsOnTheKey)
{
    // 12 balls: the bands behind the left halves only.
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(m().shpBallColumn[i]->Visible(), i % 2 == 0) << i;
    const std::set<int> threes = {1, 2, 3, 6};
    click(m().picPowerBall[1]);
    EXPECT_TRUE(gDrum.gblnHighlight);
    EXPECT_EQ(markedRows(), threes);
    EXPECT_EQ(pictures(1), QStringLiteral("R1/R1"));
    EXPECT_EQ(m().lblPowerBall[1]->foreColor(), vbc::kDarkRed);
    for (int b : {2, 3, 6}) {
        EXPECT_EQ(pictures(b), QStringLiteral("Y%1/Y%1").arg(b));
        EXPECT_EQ(m().lblPowerBall[b]->foreColor(), vbc::kWindowText);
    }
    for (int b : threes) {
        EXPECT_EQ(m().lblTotalPicks[b]->backColor(), vbc::kLightYellow);
        EXPECT_TRUE(m().lblWeeksSincePick[b]->fontBold());
        EXPECT_EQ(m().lblPoolBall[b]->backColor(), vbc::kLightYellow);
        EXPECT_EQ(m().txtPoolPercent[b]->backColor(), vbc::kLightYellow);
        EXPECT_TRUE(m().txtPoolPercent[b]->fontBold());
    }
    EXPECT_EQ(pictures(4), QStringLiteral("B4/G4"));
    EXPECT_EQ(m().lblPoolBall[4]->backColor(), vbc::kWhite);

    // A yellow ball clicked becomes the key of the same group.
    click(m().picPowerBall[3]);
    EXPECT_EQ(markedRows(), threes);
    EXPECT_EQ(pictures(3), QStringLiteral("R3/R3"));
    EXPECT_EQ(pictures(1), QStringLiteral("Y1/Y1"));
    EXPECT_EQ(m().lblPowerBall[1]->foreColor(), vbc::kWindowText);
    EXPECT_EQ(m().lblPowerBall[3]->foreColor(), vbc::kDarkRed);

    // The key again: every cell back to white.
    click(m().picPoolBall[3]);
    EXPECT_FALSE(gDrum.gblnHighlight);
    EXPECT_TRUE(markedRows().empty());
    for (int b = 1; b <= 12; ++b) {
        EXPECT_EQ(pictures(b), QStringLiteral("B%1/G%1").arg(b));
        EXPECT_EQ(m().lblPoolBall[b]->backColor(), vbc::kWhite);
        EXPECT_EQ(m().txtPoolPercent[b]->backColor(), vbc::kWhite);
        EXPECT_FALSE(m().lblTotalPicks[b]->fontBold());
    }

    // A count no other ball shares: the ball alone, in red.
    click(m().picPowerBall[7]);
    EXPECT_EQ(markedRows(), std::set<int>{7});
    EXPECT_EQ(pictures(7), QStringLiteral("R7/R7"));
}

TEST_F(PoolSideTest, AnExcludedBallKeepsItsGreyThroughAMarking)
{
    click(box(2));
    click(m().picPoolBall[1]);
    EXPECT_EQ(m().picPoolBall[2]->pictureName(), QStringLiteral("Y2"));
    EXPECT_EQ(m().lblPoolBall[2]->backColor(), vbc::kLightYellow);
    EXPECT_EQ(m().txtPoolPercent[2]->backColor(), vbc::kExcludedGrey);
    EXPECT_FALSE(m().txtPoolPercent[2]->fontBold());
    click(m().picPowerBall[1]);
    EXPECT_EQ(m().lblPoolBall[2]->backColor(), vbc::kWhite);
    EXPECT_EQ(m().txtPoolPercent[2]->backColor(), vbc::kExcludedGrey);
    EXPECT_EQ(m().txtPoolCount[2]->backColor(), vbc::kExcludedGrey);
}

TEST_F(PoolSideTest, APoolClickOnASortedTableMarksTheRowShowingTheBall)
{
    click(m().lblHdrTotal[0]);  // pick-count order
    ASSERT_TRUE(gDrum.gblnSorted);
    click(m().picPoolBall[7]);
    const std::set<int> rows = markedRows();
    ASSERT_EQ(rows.size(), 1u);
    const int row = *rows.begin();
    EXPECT_EQ(m().lblPowerBall[row]->caption(), QStringLiteral("7"));
    EXPECT_NE(row, 7);
    EXPECT_EQ(m().picPowerBall[row]->pictureName(), QStringLiteral("R7"));
    EXPECT_EQ(m().picPoolBall[7]->pictureName(), QStringLiteral("R7"));

    // Percentage order groups by the percentage shown.
    click(m().lblHdrPowerPercent[0]);
    ASSERT_TRUE(gDrum.gblnSortedByPowerPercent);
    EXPECT_TRUE(markedRows().empty());
    click(m().picPoolBall[1]);
    int keyRow = 0;
    std::set<int> samePercent;
    for (int r = 1; r <= 12; ++r)
        if (m().lblPowerBall[r]->caption() == QStringLiteral("1"))
            keyRow = r;
    ASSERT_GT(keyRow, 0);
    for (int r = 1; r <= 12; ++r)
        if (m().lblPowerPercent[r]->caption() == m().lblPowerPercent[keyRow]->caption())
            samePercent.insert(r);
    EXPECT_EQ(markedRows(), samePercent);
    EXPECT_EQ(m().lblPowerBall[keyRow]->foreColor(), vbc::kDarkRed);
    for (int r : samePercent)
        EXPECT_EQ(m().lblPowerPercent[r]->backColor(), vbc::kLightYellow);
}

// ---- Exclusions ------------------------------------------------------------------------------------

TEST_F(PoolSideTest, ATickedBoxTakesTheBallOutOfThePoolAtOnce)
{
    EXPECT_EQ(toolTipOf(box(6)), QStringLiteral("Select to exclude this number from drawings."));
    click(box(6));
    EXPECT_EQ(gDrum.garrExcluded[6], 1);
    EXPECT_EQ(gDrum.garrPoolWeight[6], 0);
    EXPECT_EQ(gDrum.garrPoolWeightSaved[6], 9);
    EXPECT_EQ(gDrum.glngPoolTotal, 41);
    EXPECT_EQ(gDrum.garrPool.size(), 41);
    EXPECT_EQ(m().txtPoolCount[6]->text(), QStringLiteral("9"));
    EXPECT_EQ(m().txtPoolPercent[6]->text(), QStringLiteral("1/5"));
    EXPECT_EQ(m().txtPoolCount[6]->backColor(), vbc::kExcludedGrey);
    EXPECT_EQ(m().txtPoolPercent[6]->backColor(), vbc::kExcludedGrey);
    EXPECT_EQ(toolTipOf(box(6)), QStringLiteral("Clear the selection to include the number to drawings."));

    click(box(6));
    EXPECT_EQ(gDrum.garrExcluded[6], 0);
    EXPECT_EQ(gDrum.glngPoolTotal, 50);
    EXPECT_EQ(m().txtPoolCount[6]->backColor(), vbc::kLightYellow);
    EXPECT_EQ(m().txtPoolPercent[6]->backColor(), vbc::kWhite);
}

TEST_F(PoolSideTest, DrawIsOffExactlyWhenTheDrumCannotFillItsPositions)
{
    EXPECT_TRUE(board->cmdDraw->isEnabled());
    int drawable = 11;  // ball 12 has no count
    for (int b = 1; b <= 12; ++b) {
        click(box(b));
        if (kCounts[static_cast<size_t>(b - 1)] > 0)
            --drawable;
        EXPECT_EQ(board->cmdDraw->isEnabled(), drawable >= 5) << "ball " << b;
        EXPECT_EQ(gblnAllExcluded, b == 12);
    }
    click(box(12));
    EXPECT_FALSE(gblnAllExcluded);
    EXPECT_FALSE(board->cmdDraw->isEnabled());  // ball 12 alone has no count
    for (int b : {1, 2, 3, 4})
        click(box(b));
    EXPECT_FALSE(board->cmdDraw->isEnabled());
    click(box(5));
    EXPECT_TRUE(board->cmdDraw->isEnabled());
    // DRAW itself refuses what its button state refuses.
    click(box(5));
    board->txtColumnsToDraw->setText(QStringLiteral("5"));
    board->cmdDraw_Click();
    EXPECT_EQ(board->lstTicket->listCount(), 0);
    EXPECT_TRUE(world.messages.asked().empty());
}

TEST_F(PoolSideTest, TheHeaderExcludesAllThenIncludesAllWithTheOldCounts)
{
    click(m().lblHdrExclude[0]);
    EXPECT_TRUE(gblnAllExcluded);
    EXPECT_EQ(gDrum.glngPoolTotal, 0);
    EXPECT_FALSE(board->cmdDraw->isEnabled());
    for (int b = 1; b <= 12; ++b) {
        EXPECT_EQ(box(b)->value(), 1);
        EXPECT_EQ(gDrum.garrPoolWeightSaved[b], kCounts[static_cast<size_t>(b - 1)]);
        EXPECT_EQ(m().txtPoolCount[b]->backColor(), vbc::kExcludedGrey);
    }
    click(m().lblHdrExclude[0]);
    EXPECT_FALSE(gblnAllExcluded);
    EXPECT_EQ(gDrum.glngPoolTotal, 50);
    EXPECT_TRUE(board->cmdDraw->isEnabled());
    for (int b = 1; b <= 12; ++b) {
        EXPECT_EQ(box(b)->value(), 0);
        EXPECT_EQ(gDrum.garrExcluded[b], 0);
        EXPECT_EQ(m().txtPoolCount[b]->text(), QString::number(kCounts[static_cast<size_t>(b - 1)]));
        EXPECT_EQ(m().txtPoolCount[b]->backColor(), b == 12 ? vbc::kWhite : vbc::kLightYellow);
    }
}

TEST_F(PoolSideTest, ATypedCountSurvivesExcludeAndInclude)
{
    board->txtPoolCount_GotFocus(4);
    m().txtPoolCount[4]->setText(QStringLiteral("20"));
    board->txtPoolCount_LostFocus(4);
    ASSERT_EQ(gDrum.glngPoolTotal, 69);
    click(box(4));
    EXPECT_EQ(gDrum.garrPoolWeightSaved[4], 20);
    EXPECT_EQ(gDrum.glngPoolTotal, 49);
    click(box(4));
    EXPECT_EQ(gDrum.garrPoolWeight[4], 20);
    EXPECT_EQ(gDrum.garrPoolCountEdited[4], 20);
    EXPECT_EQ(gDrum.glngPoolTotal, 69);
    // The same through the header.
    click(m().lblHdrExclude[0]);
    click(m().lblHdrExclude[0]);
    EXPECT_EQ(m().txtPoolCount[4]->text(), QStringLiteral("20"));
    EXPECT_EQ(gDrum.glngPoolTotal, 69);
}

// ---- Guaranteed numbers ------------------------------------------------------------------------------

TEST_F(PoolSideTest, GuaranteeBoxesFollowTheOptionLockTheirBallsAndRefuseDuplicates)
{
    for (int j = 1; j <= 5; ++j)
        EXPECT_FALSE(guarantee(j)->isEnabled()) << j;
    click(board->lblGuaranteeNumbers);
    ASSERT_TRUE(gblnGuaranteeNumbers);
    EXPECT_TRUE(guarantee(1)->isEnabled());

    typeGuarantee(1, QStringLiteral("7"));
    EXPECT_EQ(guarantee(1)->text(), QStringLiteral("7"));
    EXPECT_EQ(guarantee(1)->backColor(), vbc::kLightYellow);
    EXPECT_TRUE(locked(7));
    EXPECT_EQ(gDrum.glngPoolTotal, 44);

    // In and out without typing: the number and its lock stay.
    typeGuarantee(1, QString());
    EXPECT_EQ(guarantee(1)->text(), QStringLiteral("7"));
    EXPECT_TRUE(locked(7));

    typeGuarantee(1, QStringLiteral("12"));
    EXPECT_TRUE(locked(12));
    EXPECT_TRUE(free(7));
    EXPECT_EQ(gDrum.garrPoolWeight[7], 6);

    typeGuarantee(1, QStringLiteral("0"));
    EXPECT_TRUE(free(12));
    EXPECT_EQ(guarantee(1)->backColor(), vbc::kWhite);
    EXPECT_EQ(gDrum.glngPoolTotal, 50);

    // A duplicate or a number beyond the drum is reverted.
    typeGuarantee(1, QStringLiteral("7"));
    typeGuarantee(2, QStringLiteral("3"));
    typeGuarantee(2, QStringLiteral("7"));
    EXPECT_EQ(guarantee(2)->text(), QStringLiteral("3"));
    EXPECT_TRUE(locked(3));
    typeGuarantee(3, QStringLiteral("13"));
    EXPECT_EQ(guarantee(3)->text(), QStringLiteral("0"));
    EXPECT_TRUE(free(1));
    // 0 in two boxes is no duplicate.
    typeGuarantee(3, QStringLiteral("0"));
    typeGuarantee(4, QStringLiteral("0"));
    EXPECT_EQ(guarantee(4)->text(), QStringLiteral("0"));
}

TEST_F(PoolSideTest, TurningTheOptionOffReleasesEveryGuaranteedBall)
{
    click(box(3));  // excluded by hand first
    click(board->chkGuaranteeNumbers);
    typeGuarantee(1, QStringLiteral("3"));
    typeGuarantee(2, QStringLiteral("7"));
    EXPECT_TRUE(locked(3));
    EXPECT_TRUE(locked(7));
    click(board->chkGuaranteeNumbers);
    EXPECT_FALSE(gblnGuaranteeNumbers);
    EXPECT_TRUE(free(3));
    EXPECT_TRUE(free(7));
    EXPECT_EQ(gDrum.glngPoolTotal, 50);
    for (int j = 1; j <= 5; ++j) {
        EXPECT_FALSE(guarantee(j)->isEnabled());
        EXPECT_EQ(guarantee(j)->backColor(), vbc::kWhite);
    }
    // The texts stay and lock again with the option.
    click(board->chkGuaranteeNumbers);
    EXPECT_TRUE(locked(3));
    EXPECT_TRUE(locked(7));
    EXPECT_EQ(guarantee(2)->backColor(), vbc::kLightYellow);
}

TEST_F(PoolSideTest, AGuaranteedBallStaysExcludedThroughTheHeaderUntilPower)
{
    click(box(4));
    click(board->chkGuaranteeNumbers);
    typeGuarantee(1, QStringLiteral("7"));
    click(m().lblHdrExclude[0]);
    EXPECT_FALSE(board->cmdDraw->isEnabled());
    click(m().lblHdrExclude[0]);
    EXPECT_TRUE(locked(7));
    EXPECT_TRUE(free(1));
    EXPECT_TRUE(free(4));
    EXPECT_EQ(gDrum.glngPoolTotal, 44);

    // POWER includes every ball again.
    click(box(4));
    click(board->cmdPower);
    for (int b = 1; b <= 12; ++b)
        EXPECT_TRUE(free(b)) << b;
    EXPECT_GT(gDrum.garrPoolWeight[4], 0);
    EXPECT_GT(gDrum.garrPoolWeight[7], 0);
    EXPECT_EQ(gDrum.glngPoolTotal, 50);
    EXPECT_EQ(m().txtPoolPercent[4]->backColor(), vbc::kWhite);
}

TEST_F(PoolSideTest, RestoredExclusionsAndGuaranteesAreShownAndInForce)
{
    click(box(4));
    click(box(9));
    click(board->chkGuaranteeNumbers);
    typeGuarantee(1, QStringLiteral("7"));
    guarantee(2)->setText(QStringLiteral("99"));  // as a damaged settings file may hold it
    gobjRecordFile->subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    ASSERT_TRUE(gobjRecordFile->subSaveBoardSettings(1)) << gobjRecordFile->lastError().toStdString();
    reopen();

    for (int b : {4, 9}) {
        EXPECT_EQ(box(b)->value(), 1) << b;
        EXPECT_TRUE(box(b)->isEnabled()) << b;
        EXPECT_EQ(m().txtPoolCount[b]->backColor(), vbc::kExcludedGrey) << b;
        EXPECT_EQ(m().txtPoolPercent[b]->backColor(), vbc::kExcludedGrey) << b;
        EXPECT_EQ(gDrum.garrPoolWeight[b], 0) << b;
    }
    EXPECT_TRUE(locked(7));
    EXPECT_EQ(m().txtPoolCount[7]->backColor(), vbc::kExcludedGrey);
    EXPECT_EQ(gDrum.glngPoolTotal, 50 - 1 - 3 - 6);
    EXPECT_TRUE(guarantee(2)->isEnabled());
    EXPECT_EQ(guarantee(2)->backColor(), vbc::kWhite);
    // The text names no ball: taken as 0, as the box gives back.
    typeGuarantee(2, QString());
    EXPECT_EQ(guarantee(2)->text(), QStringLiteral("0"));
    drawAndCheck();
}

TEST_F(PoolSideTest, EveryDrawHoldsToTheExclusionsAndGuaranteesInForce)
{
    drawAndCheck();
    click(box(1));
    drawAndCheck();
    click(board->chkGuaranteeNumbers);
    typeGuarantee(2, QStringLiteral("6"));
    drawAndCheck();
    click(box(2));
    click(box(3));
    drawAndCheck(6);
    typeGuarantee(2, QStringLiteral("9"));
    EXPECT_TRUE(free(6));
    drawAndCheck(6);
    typeGuarantee(4, QStringLiteral("1"));  // a hand-excluded ball guaranteed
    drawAndCheck(4);
    click(m().lblHdrExclude[0]);
    EXPECT_FALSE(board->cmdDraw->isEnabled());
    click(m().lblHdrExclude[0]);
    drawAndCheck();
    click(board->chkGuaranteeNumbers);
    drawAndCheck();
    EXPECT_TRUE(world.messages.asked().empty()) << world.messages.texts().join(u'\n').toStdString();
}

// A 6/49 game: both halves in use, and 50 is no ball.
TEST(PoolSide49, FiftyIsRefusedAndBothHalvesShowTheirBands)
{
    SampleWorld world;
    std::vector<std::vector<int32_t>> numbers;
    for (int w = 1; w <= 10; ++w)
        numbers.push_back({w, w + 7, w + 14, w + 21, w + 28, w + 35});
    world.openLottery(GameConfigRecord{1, QStringLiteral("Test 6/49"), 49, 0, 0, 6, 0, 0},
                      SampleWorld::drawings(numbers));
    BoardBase *board = world.board();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board));
    for (int i = 0; i <= 3; ++i)
        EXPECT_TRUE(board->main.shpBallColumn[i]->Visible()) << i;
    board->chkGuaranteeNumbers->setValue(1);
    VbTextBox *box = board->txtGuaranteeNumber[3];
    for (const auto &[typed, kept] : {std::pair{"50", "0"}, std::pair{"49", "49"}}) {
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(box, QString::fromLatin1(typed));
        board->cmdHiddenFocus->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(box->text(), QString::fromLatin1(kept));
    }
    EXPECT_FALSE(board->main.chkExcludeBall[49]->isEnabled());
    EXPECT_EQ(board->main.chkExcludeBall[49]->value(), 1);
}

// A two-drum game: DRAW needs both drums able to fill their positions.
TEST(PoolSideTwoDrums, DrawStaysOffWhileTheSecondDrumCannotFillItsPositions)
{
    SampleWorld world;
    world.open(SampleWorld::kTwoDrum);
    BoardBase *board = world.board();
    ASSERT_TRUE(gLayout.twoDrums());
    ASSERT_TRUE(board->cmdDraw->isEnabled());
    board->lblHdrExclude_Click(0, Drum::Second);
    EXPECT_FALSE(board->cmdDraw->isEnabled());
    EXPECT_EQ(gDrumBONUS.glngPoolTotal, 0);
    // A main box changed meanwhile: still no second-drum ball to draw.
    board->main.chkExcludeBall[3]->setValue(1);
    board->main.chkExcludeBall[3]->setValue(0);
    EXPECT_FALSE(board->cmdDraw->isEnabled());
    // One second-drum ball for two positions is not enough; a guarantee for the other is.
    board->bonus.chkExcludeBall[4]->setValue(0);
    EXPECT_FALSE(board->cmdDraw->isEnabled());
    board->chkGuaranteeNumbers->setValue(1);
    board->txtGuaranteeNumber[gLayout.lastPosition]->setFocus(Qt::MouseFocusReason);
    board->txtGuaranteeNumber[gLayout.lastPosition]->setText(QStringLiteral("9"));
    board->txtGuaranteeNumber_LostFocus(gLayout.lastPosition);
    EXPECT_EQ(board->bonus.chkExcludeBall[9]->value(), 1);
    EXPECT_FALSE(board->bonus.chkExcludeBall[9]->isEnabled());
    EXPECT_EQ(board->main.chkExcludeBall[9]->value(), 0);
    EXPECT_TRUE(board->cmdDraw->isEnabled());
}

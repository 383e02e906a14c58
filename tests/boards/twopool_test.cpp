// The two-pool board of the two-drum lotteries: its layout for each game code, the tabs that bring
// one drum's tables to the front, POWER and the table orders of both drums, DRAW from both pools
// under the exclusions, guaranteed numbers and intervals of each drum, the comparison of main and
// second-drum hits, the drawing display, and the board's opening, saving and closing.

#include "analysis/catalogue.h"
#include "analysis/interval.h"
#include "analysis/state.h"
#include "analysis/ticketfile.h"
#include "analysis/ui/clsanalysis.h"
#include "app/clsfilesystem.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/ui/clsrecordfile.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmlotterymanager.h"
#include "platform/ui/forms.h"
#include "support/modal.h"
#include "boards/twopool/frmtwopoolboard.h"
#include "platform/dates.h"
#include "platform/twips.h"
#include "platform/ui/screen.h"
#include "support/sampleworld.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <set>

namespace {

const QString kSixFortyNine = QStringLiteral("Sample Two-Drum 6-49 + 1-10.mdb");

int rightEdge(const VbControl *c) { return c->Left() + c->Width(); }

// Puts these columns (main numbers, then the second drum's) into the ticket grid.
void setTicket(const std::vector<std::vector<int32_t>> &columns)
{
    const int width = static_cast<int>(columns.front().size());
    garrTicketGrid = TicketGrid(1, width);
    garrTicketGrid.resizeRows(static_cast<int>(columns.size()));
    for (size_t r = 0; r < columns.size(); ++r)
        std::copy(columns[r].begin(), columns[r].end(), garrTicketGrid.row(static_cast<int>(r) + 1));
}

class TwoPoolTest : public ::testing::Test {
protected:
    // The program's own boards (the sample world puts a board of tests in place of this one).
    void SetUp() override { setBoardFactory({}); }

    // Writes the test lottery: k of 1..n1 and b of 1..n2, `count` drawings a week apart.
    void configure(int k, int n1, int b, int n2, int count = 20)
    {
        std::vector<std::vector<int32_t>> numbers;
        for (int w = 1; w <= count; ++w) {
            std::vector<int32_t> drawing;
            for (int i = 0; i < k; ++i)
                drawing.push_back(1 + (w + 4 * i) % n1);
            for (int j = 0; j < b; ++j)
                drawing.push_back(1 + (3 * w + 5 * j) % n2);
            numbers.push_back(drawing);
        }
        const QString title = QStringLiteral("Test %1/%2 + %3/%4").arg(k).arg(n1).arg(b).arg(n2);
        world.writeLottery(GameConfigRecord{1, title, n1, n2, 0, k, b, 0}, SampleWorld::drawings(numbers));
    }
    frmTwoPoolBoard *open(const QString &file = SampleWorld::kTestLottery)
    {
        world.open(file);
        board = dynamic_cast<frmTwoPoolBoard *>(world.board());
        return board;
    }
    void close()
    {
        world.closeBoard();
        board = nullptr;
    }
    static QString dateOf(int n) { return dates::toShortText(QDate(2024, 1, 3).addDays(7 * (n - 1))); }
    QWidget *page(QStackedWidget *stack, Drum drum) const { return stack->widget(drumIndex(drum)); }
    // Types a number into a box as the user does: the box takes the focus, empties, gets the
    // text and is left.
    static void typeInto(VbTextBox *box, const QString &text)
    {
        box->onGotFocus();
        box->setText(text);
        box->onLostFocus();
    }
    void guarantee(int position, int number) { typeInto(board->txtGuaranteeNumber[position], QString::number(number)); }

    SampleWorld world;
    MessageBoxScript &messages = world.messages;
    frmTwoPoolBoard *board = nullptr;
};

// ---- Layout for each game code ----------------------------------------------------------------------

struct CodeCase {
    const char *code;
    int k, n1, b, n2;
};

void PrintTo(const CodeCase &c, std::ostream *os) { *os << c.code; }

class TwoPoolLayoutTest : public TwoPoolTest, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(TwoPoolLayoutTest, PositionsTotalsMarkersTabsAndTheSecondDrumsControls)
{
    const CodeCase c = GetParam();
    configure(c.k, c.n1, c.b, c.n2);
    ASSERT_NE(open(), nullptr) << messages.texts().join(u'\n').toStdString();
    ASSERT_EQ(gstrGameCode, QString::fromLatin1(c.code));
    EXPECT_TRUE(messages.asked().empty()) << messages.texts().join(u'\n').toStdString();
    const int k = c.k, last = c.k + c.b;

    // Every position of both drums is in use: numbers, guesses, guaranteed numbers, column powers.
    for (int i = 1; i <= 8; ++i) {
        SCOPED_TRACE(i);
        const bool used = i <= last;
        for (VbControl *ctl : std::initializer_list<VbControl *>{board->lblDrawingNumber[i], board->lblDrawingNumberPower[i],
                                                                 board->txtGuess[i], board->lblGuessPower[i],
                                                                 board->txtGuaranteeNumber[i], board->lblColumnNumber[i]})
            EXPECT_EQ(ctl->Visible(), used);
        EXPECT_EQ(board->lblDrawingNumberPower[i]->isEnabled(), used);
        if (used) {
            EXPECT_EQ(board->txtGuaranteeNumber[i]->text(), QStringLiteral("0"));
            EXPECT_EQ(board->lblColumnNumber[i]->caption(), QStringLiteral("0"));
        }
    }

    // The main totals against the last main position, the second drum's beside them.
    const DrumControls &m = board->main, &s = board->bonus;
    EXPECT_EQ(rightEdge(m.lblDrawingPowerTotal), rightEdge(board->lblDrawingNumberPower[k]));
    EXPECT_EQ(rightEdge(m.lblGuessPowerTotal), rightEdge(board->lblGuessPower[k]));
    EXPECT_EQ(rightEdge(m.lblColumnPowerTotal), rightEdge(board->lblColumnNumber[k]));
    const std::tuple<VbLabel *, VbLabel *, int> totals[] = {
        {s.lblDrawingPowerTotal, m.lblDrawingPowerTotal, board->lblDrawingNumberPower[k + 1]->Width() - 10},
        {s.lblGuessPowerTotal, m.lblGuessPowerTotal, board->lblGuessPower[k + 1]->Width()},
        {s.lblColumnPowerTotal, m.lblColumnPowerTotal, board->lblColumnNumber[k + 1]->Width()}};
    for (const auto &[second, first, oneWidth] : totals) {
        EXPECT_TRUE(second->Visible());
        EXPECT_EQ(second->Left(), first->Left() + first->Width() - 10);
        EXPECT_EQ(second->Width(), c.b == 1 ? oneWidth : first->Width());
    }

    // Markers of the second-drum positions.
    const int d1 = board->lblDrawingNumberPower[k + 1]->Left(), g1 = board->lblGuessPower[k + 1]->Left();
    std::vector<std::pair<VbShape *, int>> shown = {{board->shpBonusMarkB[0], d1}, {board->shpBonusMarkB[1], d1 + 10},
                                                    {board->shpBonusMarkB[2], g1}, {board->shpBonusMarkB[4], g1 + 10}};
    if (c.b == 1) {
        shown.insert(shown.end(), {{board->shpBonusMarkB[3], g1}, {board->shpBonusMarkA[5], g1}});
    } else {
        const int d2 = board->lblDrawingNumberPower[k + 2]->Left(), g2 = board->lblGuessPower[k + 2]->Left();
        shown.insert(shown.end(), {{board->shpBonusMarkB[3], g1 - 10}, {board->shpBonusMarkB[5], g1},
                                   {board->shpBonusMarkA[0], d2}, {board->shpBonusMarkA[1], d2 + 10},
                                   {board->shpBonusMarkA[2], g2 + 10}, {board->shpBonusMarkA[3], g2},
                                   {board->shpBonusMarkA[4], g2 + 10}, {board->shpBonusMarkA[5], g2}});
    }
    std::set<VbShape *> visible;
    for (int i = 0; i <= 5; ++i)
        for (VbShape *marker : {board->shpBonusMarkA[i], board->shpBonusMarkB[i]})
            if (marker->Visible())
                visible.insert(marker);
    EXPECT_EQ(visible.size(), c.b == 1 ? 6u : 12u);
    for (const auto &[marker, left] : shown) {
        EXPECT_TRUE(visible.count(marker));
        EXPECT_EQ(marker->Left(), left);
    }

    // The tabs: the main drum in front.
    EXPECT_EQ(m.lblGameMatrix->caption(), QStringLiteral("%1/%2").arg(c.k).arg(c.n1));
    EXPECT_EQ(s.lblGameMatrix->caption(), QStringLiteral("%1/%2").arg(c.b).arg(c.n2));
    EXPECT_EQ(m.lblGameMatrix->foreColor(), vbc::kWindowText);
    EXPECT_EQ(s.lblGameMatrix->foreColor(), vbc::kDarkRed);
    EXPECT_EQ(m.lblGameMatrix->fontSize(), 12);
    EXPECT_EQ(s.lblGameMatrix->fontSize(), 10);
    EXPECT_TRUE(gblnMainPoolView);
    EXPECT_EQ(board->tabInFront(), Drum::Main);
    EXPECT_EQ(board->stkDrumTables->currentIndex(), 0);

    // The second drum's tables and interval row lie where the main drum's lie, the tables on their
    // own panel, one row a ball.
    for (const auto &[second, first] : std::initializer_list<std::pair<VbControl *, VbControl *>>{
             {s.lblTotalPicks[0], m.lblTotalPicks[0]}, {s.picPowerBall[0], m.picPowerBall[0]},
             {s.txtPoolCount[0], m.txtPoolCount[0]}, {s.chkExcludeBall[0], m.chkExcludeBall[0]},
             {s.lblTotalPicks[29], m.lblTotalPicks[29]}, {s.picPowerBall[29], m.picPowerBall[29]},
             {s.txtPoolCount[29], m.txtPoolCount[29]}, {s.chkExcludeBall[29], m.chkExcludeBall[29]},
             {s.txtPowerInterval[0], m.txtPowerInterval[0]}, {s.hsbPowerInterval, m.hsbPowerInterval},
             {s.cboPowerIntervalPct, m.cboPowerIntervalPct}, {s.lblPowerSliderPos, m.lblPowerSliderPos}}) {
        EXPECT_EQ(second->Left(), first->Left());
        EXPECT_EQ(second->Top(), first->Top());
    }
    EXPECT_EQ(s.lblTotalPicks[1]->parentWidget(), page(board->stkDrumTables, Drum::Second));
    EXPECT_EQ(m.lblTotalPicks[1]->parentWidget(), page(board->stkDrumTables, Drum::Main));
    EXPECT_TRUE(s.lblPowerBall.exists(c.n2));
    EXPECT_FALSE(s.lblPowerBall.exists(c.n2 + 1));
    EXPECT_TRUE(s.chkExcludeBall.exists(c.n2));
    EXPECT_EQ(s.lblHdrTotal[1]->Visible(), c.n2 >= 29);
    EXPECT_EQ(s.lblHdrPool[1]->Visible(), c.n2 >= 29);
    // The eleven interval widths.
    ASSERT_EQ(s.cboPowerIntervalPct->listCount(), 11);
    EXPECT_EQ(s.cboPowerIntervalPct->list(10), QStringLiteral("100"));
    EXPECT_EQ(s.lblPowerInterval->caption(), QStringLiteral("Bonus Power Interval"));
    EXPECT_EQ(s.lblPowerInterval->foreColor(), vbc::kDarkRed);

    // Status: the main pool's total, the lottery in panel 3.
    EXPECT_EQ(board->staMain->panelText(2), QStringLiteral(" Total Ball Amount in the Pool: %1").arg(gDrum.glngPoolTotal));
    EXPECT_EQ(board->staMain->panelText(3), QStringLiteral("Sample Country - Test Lottery - Test %1/%2 + %3/%4")
                                                .arg(c.k).arg(c.n1).arg(c.b).arg(c.n2));
}

INSTANTIATE_TEST_SUITE_P(AllCodes, TwoPoolLayoutTest,
                         ::testing::Values(CodeCase{"2P410", 4, 45, 1, 9}, CodeCase{"2P510", 5, 50, 1, 12},
                                           CodeCase{"2P610", 6, 49, 1, 10}, CodeCase{"2P710", 7, 37, 1, 30},
                                           CodeCase{"2P520", 5, 50, 2, 12}, CodeCase{"2P620", 6, 42, 2, 56}),
                         [](const auto &info) { return std::string("Code") + info.param.code; });

// ---- Tabs ------------------------------------------------------------------------------------------------

TEST_F(TwoPoolTest, TheTabsBringOneDrumToTheFrontAndTheStatusBarFollows)
{
    ASSERT_NE(open(SampleWorld::kTwoDrum), nullptr);
    ASSERT_EQ(gstrGameCode, QStringLiteral("2P520"));
    DrumControls &m = board->main, &s = board->bonus;
    const QString mainStatus = QStringLiteral(" Total Ball Amount in the Pool: %1").arg(gDrum.glngPoolTotal);
    const QString secondStatus = QStringLiteral(" Total BONUS Ball Amount in the Pool: %1").arg(gDrumBONUS.glngPoolTotal);
    ASSERT_TRUE(m.shpBallColumn[1]->Visible());  // 50 main balls: the right halves are in use
    ASSERT_TRUE(m.shpBallColumn[3]->Visible());

    // The second tab: its tables, interval row and frames in front, its pool total in the status bar.
    s.lblGameMatrix->onClick();
    EXPECT_FALSE(gblnMainPoolView);
    EXPECT_EQ(board->tabInFront(), Drum::Second);
    EXPECT_EQ(board->stkDrumTables->currentIndex(), 1);
    EXPECT_EQ(board->stkPowerInterval->currentIndex(), 1);
    EXPECT_EQ(board->staMain->panelText(2), secondStatus);
    EXPECT_TRUE(s.lblGameMatrix->fontBold());
    EXPECT_EQ(s.lblGameMatrix->fontSize(), 12);
    EXPECT_FALSE(m.lblGameMatrix->fontBold());
    EXPECT_EQ(m.lblGameMatrix->fontSize(), 10);
    EXPECT_EQ(m.lblGameMatrix->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(s.lblGameMatrix->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(board->shpGameMatrixFrameBONUS->Left(), m.lblGameMatrix->Left());
    EXPECT_FALSE(m.shpBallColumn[1]->Visible());  // 12 second-drum balls: one table half
    EXPECT_FALSE(m.shpBallColumn[3]->Visible());
    for (VbShape *frame : {board->shpPoolPanel, board->shpPowerPanel, m.shpBallColumn[0]}) {
        EXPECT_EQ(frame->borderColor(), vbc::kDarkRed);
        EXPECT_EQ(frame->borderWidth(), 2);
    }
    EXPECT_TRUE(s.lblPowerInterval->Visible());
    for (int i = 0; i <= 2; ++i)
        EXPECT_TRUE(board->shpPowerRangeFrame[i]->Visible());

    // The tab in front clicked again changes nothing.
    board->staMain->setPanelText(2, QStringLiteral("kept"));
    s.lblGameMatrix->onClick();
    EXPECT_EQ(board->staMain->panelText(2), QStringLiteral("kept"));

    // POPULATE on the second tab: the main pool's total is the one the status bar shows.
    board->cmdPopulate_Click();
    EXPECT_EQ(board->staMain->panelText(2), mainStatus);
    EXPECT_EQ(board->stkDrumTables->currentIndex(), 1);

    // A language chosen on the second tab words the second pool's total.
    board->mnuLanguageFrench_Click();
    EXPECT_EQ(board->staMain->panelText(2), res(36050) + QString::number(gDrumBONUS.glngPoolTotal));
    board->mnuLanguageEnglish_Click();

    // Back to the main tab.
    m.lblGameMatrix->onClick();
    EXPECT_TRUE(gblnMainPoolView);
    EXPECT_EQ(board->stkDrumTables->currentIndex(), 0);
    EXPECT_EQ(board->stkPowerInterval->currentIndex(), 0);
    EXPECT_EQ(board->staMain->panelText(2), mainStatus);
    EXPECT_TRUE(m.shpBallColumn[1]->Visible());
    EXPECT_TRUE(m.shpBallColumn[3]->Visible());
    EXPECT_EQ(board->shpPoolPanel->borderColor(), vbc::kWindowText);
    EXPECT_EQ(board->shpPoolPanel->borderWidth(), 1);
    EXPECT_FALSE(s.lblPowerInterval->Visible());
    EXPECT_FALSE(board->shpPowerRangeFrame[1]->Visible());
    EXPECT_EQ(board->shpGameMatrixFrameBONUS->Left(), s.lblGameMatrix->Left());
}

TEST_F(TwoPoolTest, ATabClickBeforeTheBoardIsReadyRestylesTheTabsOnly)
{
    ASSERT_NE(open(kSixFortyNine), nullptr);
    ASSERT_EQ(gstrGameCode, QStringLiteral("2P610"));
    gblnBoardInitialised = false;
    board->lblGameMatrix_Click(Drum::Second);
    gblnBoardInitialised = true;
    EXPECT_EQ(board->tabInFront(), Drum::Second);
    EXPECT_TRUE(board->bonus.lblGameMatrix->fontBold());
    EXPECT_EQ(board->staMain->panelText(2),
              QStringLiteral(" Total BONUS Ball Amount in the Pool: %1").arg(gDrumBONUS.glngPoolTotal));
    EXPECT_EQ(board->stkDrumTables->currentIndex(), 0);
    EXPECT_FALSE(board->bonus.lblPowerInterval->Visible());

    // Once ready, the main tab brings the main drum back and the second tab its ten rows.
    board->lblGameMatrix_Click(Drum::Main);
    board->lblGameMatrix_Click(Drum::Second);
    EXPECT_EQ(board->stkDrumTables->currentIndex(), 1);
    EXPECT_TRUE(board->bonus.lblTotalPicks[10]->Visible());
    EXPECT_FALSE(board->bonus.lblTotalPicks.exists(11));
    EXPECT_FALSE(board->bonus.lblHdrTotal[1]->Visible());
}

TEST_F(TwoPoolTest, AClickOnADrumsPanelParksTheFocusAndEndsTheCountViewOfThePoolInView)
{
    ASSERT_NE(open(SampleWorld::kTwoDrum), nullptr);
    board->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board));
    // A count view opened in each pool.
    board->main.txtPoolPercent[2]->onDblClick();
    board->lblGameMatrix_Click(Drum::Second);
    board->bonus.txtPoolPercent[3]->onDblClick();
    ASSERT_TRUE(gDrum.gblnPoolCountView);
    ASSERT_TRUE(gDrumBONUS.gblnPoolCountView);
    ASSERT_TRUE(board->bonus.txtPoolCount[3]->hasFocus());

    // The empty area below the second drum's twelve rows: the focus parks, only its view ends.
    QWidget *panel = board->stkDrumTables->currentWidget();
    const QPoint empty(twips::toPixels(600), panel->height() - 20);
    ASSERT_EQ(panel->childAt(empty), nullptr);
    QTest::mouseClick(panel, Qt::LeftButton, {}, empty);
    EXPECT_TRUE(board->cmdHiddenFocus->hasFocus());
    EXPECT_FALSE(gDrumBONUS.gblnPoolCountView);
    EXPECT_TRUE(gDrum.gblnPoolCountView);
    EXPECT_EQ(board->bonus.lblHdrPool[0]->caption(), QStringLiteral("Pool %"));
    EXPECT_EQ(board->main.lblHdrPool[0]->caption(), QStringLiteral("Pool n"));

    // Back on the main tab, the next parking ends the main pool's view.
    board->lblGameMatrix_Click(Drum::Main);
    board->txtColumnsToDraw->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(board->fraDrawingResults, Qt::LeftButton, {}, QPoint(4, board->fraDrawingResults->height() - 4));
    EXPECT_FALSE(gDrum.gblnPoolCountView);
}

// ---- POWER and the table orders of both drums -----------------------------------------------------------

TEST_F(TwoPoolTest, PowerRecalculatesBothDrumsAndPutsBothTablesInBallOrder)
{
    ASSERT_NE(open(SampleWorld::kTwoDrum), nullptr);
    DrumControls &m = board->main, &s = board->bonus;
    board->lblHdrPowerPercent_Click(1, Drum::Second);
    board->lblHdrLastPicked_Click(0, Drum::Main);
    EXPECT_TRUE(gDrumBONUS.gblnSortedByPowerPercent);
    EXPECT_FALSE(gDrumBONUS.gblnSortedByLastPicked);
    EXPECT_TRUE(gDrum.gblnSortedByLastPicked);
    EXPECT_EQ(s.lblHdrPowerPercent[0]->foreColor(), vbc::kDarkRed);
    EXPECT_EQ(m.lblHdrLastPicked[1]->foreColor(), vbc::kDarkRed);
    EXPECT_EQ(m.lblHdrPowerPercent[0]->foreColor(), vbc::kWindowText);
    // The second table in percent order: highest first.
    for (int r = 1; r < 12; ++r)
        EXPECT_GE(s.lblPowerPercent[r]->caption().toInt(), s.lblPowerPercent[r + 1]->caption().toInt());

    board->cboStartDrawing->setListIndex(glngTotalWeeks - 30);
    board->cmdPower_Click();
    EXPECT_EQ(glngStartWeek, 30);
    for (const DrumState *state : {&gDrum, &gDrumBONUS}) {
        EXPECT_FALSE(state->gblnSorted);
        EXPECT_FALSE(state->gblnSortedByPowerPercent);
        EXPECT_FALSE(state->gblnSortedByLastPicked);
    }
    for (DrumControls *d : {&m, &s})
        for (int h = 0; h <= 1; ++h) {
            EXPECT_EQ(d->lblHdrTotal[h]->foreColor(), vbc::kDarkRed);
            EXPECT_EQ(d->lblHdrPowerPercent[h]->foreColor(), vbc::kWindowText);
            EXPECT_EQ(d->lblHdrLastPicked[h]->foreColor(), vbc::kWindowText);
        }
    for (int b = 1; b <= 12; ++b)
        EXPECT_EQ(s.lblPowerBall[b]->caption(), QString::number(b));
    for (int b = 1; b <= 50; ++b)
        EXPECT_EQ(m.lblPowerBall[b]->caption(), QString::number(b));

    // The end drawing: five main numbers and two second-drum numbers, each with its drum's total.
    int64_t mainTotal = 0, secondTotal = 0;
    for (int p = 1; p <= 7; ++p) {
        const int32_t n = garrReferenceDrawing[p];
        EXPECT_EQ(board->lblDrawingNumber[p]->caption(), QString::number(n));
        const int32_t power = p <= 5 ? gDrum.garrPickCount[n] : gDrumBONUS.garrPickCount[n];
        EXPECT_EQ(board->lblDrawingNumberPower[p]->caption(), QString::number(power));
        (p <= 5 ? mainTotal : secondTotal) += power;
        EXPECT_LE(n, p <= 5 ? 50 : 12);
    }
    EXPECT_EQ(m.lblDrawingPowerTotal->caption(), QString::number(mainTotal));
    EXPECT_EQ(s.lblDrawingPowerTotal->caption(), QString::number(secondTotal));
    EXPECT_EQ(board->staMain->panelText(1), QStringLiteral(" Starting draw: 30 - Ending draw:%1 - Draw date: %2")
                                                .arg(glngTotalWeeks).arg(board->cboDrawingDate->text()));

    // Each drum's rankings, made from its own table: the "<" order of the second table.
    board->lblHdrLastPicked_Click(0, Drum::Second);
    EXPECT_TRUE(gDrumBONUS.gblnSortedByLastPicked);
    EXPECT_FALSE(gDrum.gblnSorted);
    for (int r = 1; r < 12; ++r)
        EXPECT_LE(s.lblWeeksSincePick[r]->caption().toInt(), s.lblWeeksSincePick[r + 1]->caption().toInt());
}

// ---- DRAW ------------------------------------------------------------------------------------------------

TEST_F(TwoPoolTest, DrawMakesEveryColumnFromBothPoolsWithinEachDrumsConstraints)
{
    ASSERT_NE(open(SampleWorld::kTwoDrum), nullptr);
    DrumControls &m = board->main, &s = board->bonus;
    // Guaranteed 7 among the main numbers and 3 among the second drum's.
    board->chkGuaranteeNumbers->setValue(1);
    guarantee(2, 7);
    guarantee(6, 3);
    // Balls out of each pool.
    for (int b : {10, 20, 30})
        m.chkExcludeBall[b]->setValue(1);
    s.chkExcludeBall[5]->setValue(1);
    ASSERT_TRUE(board->cmdDraw->isEnabled());
    // Both intervals on at 50 %.
    for (DrumControls *d : {&m, &s}) {
        d->chkPowerInterval->setValue(1);
        d->cboPowerIntervalPct->setListIndex(5);
    }
    const auto mainLimits = gDrum.garrIntervalLimits, secondLimits = gDrumBONUS.garrIntervalLimits;
    ASSERT_LE(mainLimits[0], mainLimits[1]);
    ASSERT_LE(secondLimits[0], secondLimits[1]);

    board->txtColumnsToDraw->setText(QStringLiteral("300"));
    board->cmdDraw_Click();
    ASSERT_EQ(board->lstTicket->listCount(), 300) << messages.texts().join(u'\n').toStdString();
    ASSERT_EQ(garrTicketGrid.rowCount(), 300);
    ASSERT_EQ(garrTicketGrid.firstPosition(), 1);
    ASSERT_EQ(garrTicketGrid.lastPosition(), 7);
    std::set<std::vector<int32_t>> seen;
    for (int r = 1; r <= 300; ++r) {
        SCOPED_TRACE(r);
        const std::vector<int32_t> column(garrTicketGrid.row(r), garrTicketGrid.row(r) + 7);
        EXPECT_TRUE(seen.insert(column).second);
        const std::vector<int32_t> mainPart(column.begin(), column.begin() + 5), secondPart(column.begin() + 5, column.end());
        EXPECT_TRUE(std::is_sorted(mainPart.begin(), mainPart.end()));
        EXPECT_EQ(std::adjacent_find(mainPart.begin(), mainPart.end()), mainPart.end());
        EXPECT_NE(secondPart[0], secondPart[1]);
        int64_t mainSum = 0, secondSum = 0;
        for (int32_t n : mainPart) {
            EXPECT_TRUE(n >= 1 && n <= 50);
            EXPECT_TRUE(n != 10 && n != 20 && n != 30);
            mainSum += gDrum.garrPickCount[n];
        }
        for (int32_t n : secondPart) {
            EXPECT_TRUE(n >= 1 && n <= 12);
            EXPECT_NE(n, 5);
            secondSum += gDrumBONUS.garrPickCount[n];
        }
        EXPECT_NE(std::find(mainPart.begin(), mainPart.end(), 7), mainPart.end());
        EXPECT_NE(std::find(secondPart.begin(), secondPart.end(), 3), secondPart.end());
        EXPECT_TRUE(mainSum >= mainLimits[0] && mainSum <= mainLimits[1]) << mainSum;
        EXPECT_TRUE(secondSum >= secondLimits[0] && secondSum <= secondLimits[1]) << secondSum;
        // The list line holds every number of both drums.
        QString line = QStringLiteral("%1-").arg(r, 2, 10, QLatin1Char('0'));
        for (int32_t n : column)
            line += u' ' + QString::number(n);
        EXPECT_TRUE(board->lstTicket->list(r - 1).startsWith(line + QStringLiteral(" ("))) << board->lstTicket->list(r - 1).toStdString();
    }
    EXPECT_TRUE(board->txtResults[0]->text().startsWith(QStringLiteral("Total: 300\r\n0 Catcher: ")));
}

TEST_F(TwoPoolTest, EachPoolExcludesOnItsOwnAndDrawRunsOnlyWhenBothDrumsCanFillTheirPositions)
{
    ASSERT_NE(open(SampleWorld::kTwoDrum), nullptr);
    DrumControls &m = board->main, &s = board->bonus;
    ASSERT_TRUE(board->cmdDraw->isEnabled());

    // Exclude-all on the second pool leaves the main pool's balls in.
    s.lblHdrExclude[0]->onClick();
    EXPECT_EQ(s.chkExcludeBall[12]->value(), 1);
    EXPECT_EQ(m.chkExcludeBall[1]->value(), 0);
    EXPECT_GT(gDrum.glngPoolTotal, 0);
    // The main pool's header excludes its own balls (it does not take the second pool's state).
    m.lblHdrExclude[1]->onClick();
    for (int b : {1, 29, 50})
        EXPECT_EQ(m.chkExcludeBall[b]->value(), 1);
    EXPECT_EQ(gDrum.glngPoolTotal, 0);
    // The second pool's header again: its balls come back; the main pool is still empty.
    s.lblHdrExclude[0]->onClick();
    EXPECT_EQ(s.chkExcludeBall[12]->value(), 0);
    EXPECT_GT(gDrumBONUS.glngPoolTotal, 0);
    EXPECT_FALSE(board->cmdDraw->isEnabled());
    m.lblHdrExclude[0]->onClick();
    EXPECT_EQ(m.chkExcludeBall[50]->value(), 0);
    EXPECT_TRUE(board->cmdDraw->isEnabled());

    // Two second-drum positions need two drawable balls.
    for (int b = 1; b <= 10; ++b)
        s.chkExcludeBall[b]->setValue(1);
    EXPECT_TRUE(board->cmdDraw->isEnabled());
    s.chkExcludeBall[11]->setValue(1);
    EXPECT_FALSE(board->cmdDraw->isEnabled());
    board->txtColumnsToDraw->setText(QStringLiteral("5"));
    board->cmdDraw_Click();  // as a program call would: nothing drawn, nothing asked
    EXPECT_EQ(board->lstTicket->listCount(), 0);
    EXPECT_TRUE(messages.asked().empty()) << messages.texts().join(u'\n').toStdString();
    s.chkExcludeBall[11]->setValue(0);
    ASSERT_TRUE(board->cmdDraw->isEnabled());

    // A main number equal to an excluded second-drum ball is drawn; the second drum draws 11 and 12.
    m.chkExcludeBall[4]->setValue(1);
    board->txtColumnsToDraw->setText(QStringLiteral("40"));
    board->cmdDraw->click();
    ASSERT_EQ(garrTicketGrid.rowCount(), 40);
    bool mainHoldsASecondDrumExclusion = false;
    for (int r = 1; r <= 40; ++r) {
        const int32_t *column = garrTicketGrid.row(r);
        EXPECT_EQ(std::vector<int32_t>(column + 5, column + 7), (std::vector<int32_t>{11, 12}));
        for (int p = 0; p < 5; ++p) {
            EXPECT_NE(column[p], 4);
            mainHoldsASecondDrumExclusion |= column[p] <= 10;
        }
    }
    EXPECT_TRUE(mainHoldsASecondDrumExclusion);
}

TEST_F(TwoPoolTest, GuaranteedNumbersLockTheBallsOfTheirOwnDrum)
{
    ASSERT_NE(open(SampleWorld::kTwoDrum), nullptr);
    DrumControls &m = board->main, &s = board->bonus;
    board->chkGuaranteeNumbers->setValue(1);
    auto locked = [](const DrumControls &d, int ball) {
        return d.chkExcludeBall[ball]->value() == 1 && !d.chkExcludeBall[ball]->isEnabled();
    };
    auto free = [](const DrumControls &d, int ball) {
        return d.chkExcludeBall[ball]->value() == 0 && d.chkExcludeBall[ball]->isEnabled();
    };

    guarantee(1, 7);
    EXPECT_TRUE(locked(m, 7));
    EXPECT_TRUE(free(s, 7));
    // The same number in the second drum is another ball.
    guarantee(6, 7);
    EXPECT_EQ(board->txtGuaranteeNumber[6]->text(), QStringLiteral("7"));
    EXPECT_TRUE(locked(s, 7));
    EXPECT_TRUE(locked(m, 7));
    // Twice in one drum, beyond the drum, or nothing typed: the box keeps what it had.
    guarantee(2, 7);
    EXPECT_EQ(board->txtGuaranteeNumber[2]->text(), QStringLiteral("0"));
    guarantee(7, 7);
    EXPECT_EQ(board->txtGuaranteeNumber[7]->text(), QStringLiteral("0"));
    guarantee(7, 13);
    EXPECT_EQ(board->txtGuaranteeNumber[7]->text(), QStringLiteral("0"));
    typeInto(board->txtGuaranteeNumber[6], QString());
    EXPECT_EQ(board->txtGuaranteeNumber[6]->text(), QStringLiteral("7"));
    // 7 -> 12 in the second drum releases 7 there only; 0 in the main drum releases its 7.
    guarantee(6, 12);
    EXPECT_TRUE(free(s, 7));
    EXPECT_TRUE(locked(s, 12));
    EXPECT_TRUE(locked(m, 7));
    guarantee(1, 0);
    EXPECT_TRUE(free(m, 7));
    EXPECT_EQ(board->txtGuaranteeNumber[1]->backColor(), vbc::kWhite);
    guarantee(1, 9);

    // Off releases the balls of both drums; on locks them again.
    board->chkGuaranteeNumbers->setValue(0);
    EXPECT_TRUE(free(m, 9));
    EXPECT_TRUE(free(s, 12));
    EXPECT_FALSE(board->txtGuaranteeNumber[6]->isEnabled());
    board->lblGuaranteeNumbers->onClick();
    EXPECT_TRUE(gblnGuaranteeNumbers);
    EXPECT_TRUE(locked(m, 9));
    EXPECT_TRUE(locked(s, 12));

    // Every column drawn holds both.
    board->txtColumnsToDraw->setText(QStringLiteral("50"));
    board->cmdDraw->click();
    ASSERT_EQ(garrTicketGrid.rowCount(), 50);
    for (int r = 1; r <= 50; ++r) {
        const int32_t *column = garrTicketGrid.row(r);
        EXPECT_NE(std::find(column, column + 5, 9), column + 5);
        EXPECT_NE(std::find(column + 5, column + 7, 12), column + 7);
    }
}

TEST_F(TwoPoolTest, TheGuessAddAndDeleteAndTheSelectedColumnWorkOnBothDrums)
{
    ASSERT_NE(open(kSixFortyNine), nullptr);
    ASSERT_EQ(gstrGameCode, QStringLiteral("2P610"));
    DrumControls &m = board->main, &s = board->bonus;
    board->chkCompareWithGuess->setValue(1);
    // The second-drum box takes 1..10, the main boxes 1..49.
    typeInto(board->txtGuess[7], QStringLiteral("12"));
    EXPECT_EQ(board->txtGuess[7]->text(), QStringLiteral("0"));
    typeInto(board->txtGuess[7], QStringLiteral("10"));
    EXPECT_EQ(board->txtGuess[7]->text(), QStringLiteral("10"));
    EXPECT_EQ(board->lblGuessPower[7]->caption(), QString::number(gDrumBONUS.garrPickCount[10]));
    EXPECT_EQ(s.lblGuessPowerTotal->caption(), QString::number(gDrumBONUS.garrPickCount[10]));
    typeInto(board->txtGuess[1], QStringLiteral("50"));
    EXPECT_EQ(board->txtGuess[1]->text(), QStringLiteral("0"));
    const int32_t guess[] = {10, 12, 23, 34, 45, 49};
    int64_t mainTotal = 0;
    for (int p = 1; p <= 6; ++p) {
        typeInto(board->txtGuess[p], QString::number(guess[p - 1]));
        mainTotal += gDrum.garrPickCount[guess[p - 1]];
    }
    EXPECT_EQ(m.lblGuessPowerTotal->caption(), QString::number(mainTotal));

    // Add: the seven numbers as a column, selected, with each drum's powers.
    board->cmdAdd->click();
    ASSERT_EQ(board->lstTicket->lines(), QStringList{QStringLiteral("01- 10 12 23 34 45 49 10 (0)")});
    EXPECT_EQ(garrTicketGrid.rowCount(), 1);
    EXPECT_EQ(garrTicketGrid.at(1, 7), 10);
    EXPECT_TRUE(gblnTicketColumnSelected);
    EXPECT_EQ(board->lblColumnNumber[1]->caption(), QString::number(gDrum.garrPickCount[10]));
    EXPECT_EQ(board->lblColumnNumber[7]->caption(), QString::number(gDrumBONUS.garrPickCount[10]));
    EXPECT_EQ(m.lblColumnPowerTotal->caption(), QString::number(mainTotal));
    EXPECT_EQ(s.lblColumnPowerTotal->caption(), QString::number(gDrumBONUS.garrPickCount[10]));
    // Its hits: every guess box, each against its own drum.
    for (int p = 1; p <= 7; ++p)
        EXPECT_TRUE(board->txtGuess[p]->fontBold()) << p;

    // A second column whose second-drum number is 10 but whose main numbers are not.
    typeInto(board->txtGuess[1], QStringLiteral("1"));
    board->cmdAdd->click();
    ASSERT_EQ(board->lstTicket->listCount(), 2);
    typeInto(board->txtGuess[1], QStringLiteral("10"));
    board->cmdCompare->click();
    EXPECT_EQ(board->lstTicket->lines(),
              QStringList({"01- 10 12 23 34 45 49 10 (6+1)", "02- 1 12 23 34 45 49 10 (5+1)"}));
    board->lstTicket->setListIndex(1);
    EXPECT_FALSE(board->txtGuess[1]->fontBold());  // the main 10 is not the second drum's 10
    EXPECT_TRUE(board->txtGuess[7]->fontBold());

    // Delete of the first line: the grid keeps both drums' positions of the second.
    board->lstTicket->setListIndex(0);
    board->cmdDelete->click();
    EXPECT_EQ(board->lstTicket->lines(), QStringList{QStringLiteral("02- 1 12 23 34 45 49 10 (5+1)")});
    EXPECT_EQ(garrTicketGrid.rowCount(), 1);
    EXPECT_EQ(garrTicketGrid.at(1, 1), 1);
    EXPECT_EQ(garrTicketGrid.at(1, 7), 10);
}

TEST_F(TwoPoolTest, TheSecondDrumsBoxesFilterKeysAndItsIntervalRowMovesItsOwnLimits)
{
    ASSERT_NE(open(SampleWorld::kTwoDrum), nullptr);
    DrumControls &m = board->main, &s = board->bonus;
    struct KeyCase {
        std::function<void(int &)> filter;
        int key;
        bool passes;
    };
    const KeyCase cases[] = {
        {s.txtPoolCount[4]->onKeyPress, '7', true},     {s.txtPoolCount[4]->onKeyPress, 'a', false},
        {s.txtPoolCount[4]->onKeyPress, 8, true},       {s.txtPoolPercent[4]->onKeyPress, '7', false},
        {s.txtPoolPercent[4]->onKeyPress, 8, true},     {s.txtPowerInterval[0]->onKeyPress, '5', true},
        {s.txtPowerInterval[1]->onKeyPress, '-', false}, {s.txtPowerInterval[1]->onKeyPress, ' ', false},
        {s.cboPowerIntervalPct->onKeyPress, '5', false}, {s.cboPowerIntervalPct->onKeyPress, 8, false},
    };
    for (const KeyCase &c : cases) {
        ASSERT_TRUE(c.filter);
        int key = c.key;
        c.filter(key);
        EXPECT_EQ(key == c.key, c.passes) << c.key;
    }

    // The second interval row: its slider moves its own limits by one.
    board->lblGameMatrix_Click(Drum::Second);
    s.chkPowerInterval->setValue(1);
    s.cboPowerIntervalPct->setListIndex(5);
    const auto before = gDrumBONUS.garrIntervalLimits;
    const auto mainBefore = gDrum.garrIntervalLimits;
    s.hsbPowerInterval->setValue(s.hsbPowerInterval->value() + 1);
    EXPECT_EQ(gDrumBONUS.garrIntervalLimits[0], before[0] + 1);
    EXPECT_EQ(gDrumBONUS.garrIntervalLimits[1], before[1] + 1);
    EXPECT_EQ(s.txtPowerInterval[1]->text(), QString::number(before[1] + 1));
    EXPECT_EQ(gDrum.garrIntervalLimits, mainBefore);
    EXPECT_EQ(m.txtPowerInterval[1]->text(), QString::number(mainBefore[1]));
    // An upper limit typed below the lower one takes the lower one with it.
    typeInto(s.txtPowerInterval[1], QString::number(before[0] - 5));
    EXPECT_EQ(s.txtPowerInterval[0]->text(), QString::number(before[0] - 5));
    EXPECT_EQ(gDrumBONUS.garrIntervalLimits[0], before[0] - 5);
    EXPECT_EQ(gDrumBONUS.garrIntervalLimits[1], before[0] - 5);
}

TEST_F(TwoPoolTest, MarkingABallOfOneDrumLeavesTheOtherDrumAlone)
{
    ASSERT_NE(open(SampleWorld::kTwoDrum), nullptr);
    DrumControls &m = board->main, &s = board->bonus;
    board->picPowerBall_Click(3, Drum::Second);
    EXPECT_EQ(s.lblPowerBall[3]->foreColor(), vbc::kDarkRed);
    EXPECT_EQ(s.picPowerBall[3]->pictureName(), QStringLiteral("R3"));
    EXPECT_EQ(s.picPoolBall[3]->pictureName(), QStringLiteral("R3"));
    EXPECT_TRUE(gDrumBONUS.gblnHighlight);
    EXPECT_FALSE(gDrum.gblnHighlight);
    EXPECT_EQ(m.lblPowerBall[3]->foreColor(), vbc::kWindowText);
    EXPECT_EQ(m.picPoolBall[3]->pictureName(), QStringLiteral("G3"));
    // A main ball marked: the second drum's marking stays.
    board->picPoolBall_Click(20, Drum::Main);
    EXPECT_TRUE(gDrum.gblnHighlight);
    EXPECT_TRUE(gDrumBONUS.gblnHighlight);
    // The marked ball clicked again removes its drum's marking only.
    board->picPowerBall_Click(3, Drum::Second);
    EXPECT_FALSE(gDrumBONUS.gblnHighlight);
    EXPECT_EQ(s.picPowerBall[3]->pictureName(), QStringLiteral("B3"));
    EXPECT_TRUE(gDrum.gblnHighlight);
}

// ---- Comparison ------------------------------------------------------------------------------------------

TEST_F(TwoPoolTest, TheComparisonClassesMainAndSecondDrumHits)
{
    configure(5, 50, 1, 12);
    ASSERT_NE(open(), nullptr);
    ASSERT_EQ(gstrGameCode, QStringLiteral("2P510"));
    garrReferenceDrawing = BallArray<int32_t>(1, 6);
    const int32_t drawing[] = {3, 8, 25, 40, 44, 2};
    for (int p = 1; p <= 6; ++p)
        garrReferenceDrawing[p] = drawing[p - 1];
    setTicket({{1, 9, 17, 30, 45, 6}, {3, 8, 25, 40, 44, 2}, {4, 5, 6, 7, 9, 2}, {3, 8, 10, 11, 12, 7},
               {3, 9, 25, 40, 49, 1}, {8, 25, 30, 40, 44, 5}, {3, 11, 25, 38, 44, 2}, {3, 3, 3, 7, 9, 2}});
    board->subCompareTicketBONUS();
    EXPECT_EQ(board->lstTicket->lines(),
              QStringList({"01- 1 9 17 30 45 6 (0)", "02- 3 8 25 40 44 2 (5+1)", "03- 4 5 6 7 9 2 (0+1)",
                           "04- 3 8 10 11 12 7 (2)", "05- 3 9 25 40 49 1 (3)", "06- 8 25 30 40 44 5 (4)",
                           "07- 3 11 25 38 44 2 (3+1)", "08- 3 3 3 7 9 2 (1+1)"}));
    EXPECT_EQ(garrTicketLines, board->lstTicket->lines());
    EXPECT_EQ(glngTicketCells, 48);
    EXPECT_EQ(board->txtResults[0]->text(),
              QStringLiteral("Total: 8\r\n0 Catcher: 1\r\n0+1 Catcher: 1\r\n1 Catcher: 0\r\n1+1 Catcher: 1\r\n"
                             "2 Catcher: 1\r\n2+1 Catcher: 0"));
    EXPECT_EQ(board->txtResults[1]->text(),
              QStringLiteral("3 Catcher: 1 (5)\r\n3+1 Catcher: 1 (7)\r\n4 Catcher: 1 (6)\r\n4+1 Catcher: 0\r\n"
                             "5 Catcher: 0\r\n5+1 Catcher: 1 (2)"));

    // Against the second-drum number 9 the seventh column keeps its three main hits only.
    garrReferenceDrawing[6] = 9;
    board->lstTicket->setListIndex(0);
    board->cmdCompare_Click();
    EXPECT_EQ(board->lstTicket->list(6), QStringLiteral("07- 3 11 25 38 44 2 (3)"));
    EXPECT_FALSE(gblnTicketColumnSelected);
}

TEST_F(TwoPoolTest, TwoSecondDrumNumbersHitInAnyOrderAndOnlyInTheirOwnDrum)
{
    ASSERT_NE(open(SampleWorld::kTwoDrum), nullptr);
    // The guess: 1 2 3 4 5 and 7 4; a main 4 never meets the second drum's 4.
    board->chkCompareWithGuess->setValue(1);
    const char *guess[] = {"1", "2", "3", "4", "5", "7", "4"};
    for (int p = 1; p <= 7; ++p)
        board->txtGuess[p]->setText(QString::fromLatin1(guess[p - 1]));
    setTicket({{10, 11, 12, 13, 14, 4, 7}, {4, 11, 12, 13, 14, 1, 2}, {1, 2, 3, 13, 14, 7, 9}});
    board->subCompareTicketBONUS();
    EXPECT_EQ(board->lstTicket->lines(),
              QStringList({"01- 10 11 12 13 14 4 7 (0+2)", "02- 4 11 12 13 14 1 2 (1)", "03- 1 2 3 13 14 7 9 (3+1)"}));
    EXPECT_EQ(board->txtResults[0]->text(),
              QStringLiteral("Total: 3\r\n0 Catcher: 0\r\n0+1 Catcher: 0\r\n0+2 Catcher: 1\r\n1 Catcher: 1\r\n"
                             "1+1 Catcher: 0\r\n1+2 Catcher: 0\r\n2 Catcher: 0\r\n2+1 Catcher: 0\r\n2+2 Catcher: 0"));
    EXPECT_EQ(board->txtResults[1]->text(),
              QStringLiteral("3 Catcher: 0\r\n3+1 Catcher: 1 (3)\r\n3+2 Catcher: 0\r\n4 Catcher: 0\r\n4+1 Catcher: 0\r\n"
                             "4+2 Catcher: 0\r\n5 Catcher: 0\r\n5+1 Catcher: 0\r\n5+2 Catcher: 0"));
}

// ---- Drawing display --------------------------------------------------------------------------------------

TEST_F(TwoPoolTest, AnEndDrawingMissingFromTheDatabaseLeavesTheLabelsBlank)
{
    // Drawing 4 is missing: the lists name drawings 1 to 5 by their count.
    History history = SampleWorld::drawings({{1, 2, 3, 4, 5, 1, 2}, {6, 7, 8, 9, 10, 3, 4}, {11, 12, 13, 14, 15, 5, 6},
                                             {16, 17, 18, 19, 20, 7, 8}, {21, 22, 23, 24, 25, 9, 10}});
    history[3].weekNo = 6;
    history[4].weekNo = 7;
    world.writeLottery(GameConfigRecord{1, QStringLiteral("Gaps"), 50, 12, 0, 5, 2, 0}, history);
    ASSERT_NE(open(), nullptr);
    const int32_t total = glngTotalWeeks;
    // An end drawing the database holds, then one it does not.
    board->cboEndDrawing->setListIndex(total - 2);
    EXPECT_EQ(board->lblDrawingNumber[6]->caption(), QStringLiteral("3"));
    board->cboEndDrawing->setListIndex(total - 4);
    ASSERT_EQ(board->cboEndDrawing->text(), QStringLiteral("4"));
    for (int p = 1; p <= 7; ++p) {
        EXPECT_EQ(board->lblDrawingNumber[p]->caption(), QString());
        EXPECT_EQ(board->lblDrawingNumberPower[p]->caption(), QString());
    }
    EXPECT_EQ(board->bonus.lblDrawingPowerTotal->caption(), QStringLiteral("0"));
    EXPECT_EQ(board->staMain->panelText(1), res(47600).arg(4));
    // The date follows the end drawing all the same, and POWER keeps the message.
    EXPECT_EQ(board->cboDrawingDate->listIndex(), board->cboEndDrawing->listIndex());
    board->cmdPower_Click();
    EXPECT_EQ(board->staMain->panelText(1), res(47600).arg(4));
    // Get Drawing takes nothing from it in either compare mode, and says why.
    for (int compare : {1, 0}) {
        board->chkCompareWithGuess->setValue(compare);
        for (int p = 1; p <= 7; ++p)
            board->txtGuess[p]->setText(QString::number(p + 2));
        board->staMain->setPanelText(1, QString());
        board->cmdGetDrawing->click();
        for (int p = 1; p <= 7; ++p)
            EXPECT_EQ(board->txtGuess[p]->text(), QString::number(p + 2)) << compare;
        EXPECT_EQ(board->staMain->panelText(1), res(47600).arg(4));
    }
    // Nothing is compared with it; a drawing the database holds shows again.
    setTicket({{16, 17, 18, 19, 20, 7, 8}});
    board->subCompareTicketBONUS();
    EXPECT_EQ(board->lstTicket->list(0), QStringLiteral("01- 16 17 18 19 20 7 8 (0)"));
    board->cboEndDrawing->setListIndex(total - 3);
    EXPECT_EQ(board->lblDrawingNumber[1]->caption(), QStringLiteral("11"));
}

TEST_F(TwoPoolTest, TheDateAlwaysFollowsTheEndDrawing)
{
    configure(6, 49, 1, 10);
    ASSERT_NE(open(), nullptr);
    board->cboEndDrawing->setListIndex(20 - 12);
    EXPECT_EQ(board->cboDrawingDate->text(), dateOf(12));
    // A date typed beside the list, even a date of the list, gives way to the end drawing's date.
    for (const QString &typed : {dateOf(5), QStringLiteral("1/1/2030"), QStringLiteral("junk")}) {
        board->cboDrawingDate->onGotFocus();
        board->cboDrawingDate->setText(typed);
        board->cboDrawingDate->onLostFocus();
        EXPECT_EQ(board->cboDrawingDate->text(), dateOf(12));
    }
    // Choosing a date chooses its drawing.
    board->cboDrawingDate->setListIndex(20 - 7);
    EXPECT_EQ(board->cboEndDrawing->text(), QStringLiteral("7"));
}

// ---- Opening, saving and closing ---------------------------------------------------------------------------

TEST_F(TwoPoolTest, UnloadingLogsTheBoardsClosingOnce)
{
    ASSERT_NE(open(kSixFortyNine), nullptr);
    EXPECT_EQ(board->windowTitle(), QStringLiteral("TALVINOR - Sample Country - Sample Two-Drum 6/49 + 1/10 - 6/49 + 1/10"));
    board->unloadBoard();
    board->unloadBoard();
    EXPECT_EQ(eventLogLines().filter(QStringLiteral("#Message: 43849")).size(), 1);
    EXPECT_TRUE(eventLogLines().filter(QStringLiteral("#Message: 43816")).isEmpty());
    board = nullptr;
    gfrmCurrentBoard = nullptr;
}

TEST_F(TwoPoolTest, TheTitleBarCloseRunsExitWhichKeepsTheSettingsForTheNextStart)
{
    configure(6, 49, 1, 10);
    ASSERT_NE(open(), nullptr);
    board->bonus.chkPowerInterval->setValue(1);
    board->bonus.cboPowerIntervalPct->setListIndex(7);
    board->txtColumnsToDraw->setText(QStringLiteral("77"));
    gobjRecordFile->subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    const QString settings = gstrAppFolder + gstrRecordFileName;
    QFile::remove(settings);

    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] { board->close(); });
    QTimer::singleShot(5000, &loop, [&] { loop.exit(99); });
    EXPECT_EQ(loop.exec(), 0);
    EXPECT_EQ(gobjAnalysis, nullptr);
    EXPECT_TRUE(QFile::exists(settings));
    EXPECT_EQ(eventLogLines().filter(QStringLiteral("#Message: 43849")).size(), 1);
    board = nullptr;
    gfrmCurrentBoard = nullptr;
    deleteUnloadedWindows();

    // The next start opens the lottery with what was kept.
    createServiceObjects();
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(board->bonus.chkPowerInterval->value(), 1);
    EXPECT_TRUE(gDrumBONUS.gblnPowerInterval);
    EXPECT_EQ(board->bonus.cboPowerIntervalPct->text(), QStringLiteral("70"));
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("77"));
}

// ---- The user's road ---------------------------------------------------------------------------------

// Picks `name` in the file dialog's list as the user clicks it, then presses `action`.
void pickAndPress(frmFileManager *dialog, const QString &name, VbButton *action)
{
    const int row = static_cast<int>(dialog->lstNames->lines().indexOf(name));
    ASSERT_GE(row, 0) << name.toStdString();
    dialog->lstNames->setListIndex(row);
    action->click();
}

frmTwoPoolBoard *twoPoolBoardShown()
{
    auto *shown = dynamic_cast<frmTwoPoolBoard *>(currentBoard());
    return shown && shown->isVisible() ? shown : nullptr;
}

TEST_F(TwoPoolTest, FromLotteryLoadThroughTheTicketMenuAndTheManagerBackToTheBoard)
{
    // Lottery > Load on the lotto board: the two-drum sample opens in its own board.
    world.open(SampleWorld::kLotto);
    messages.answerNext(msgbox::kYes);
    whenModal<frmFileManager>([](frmFileManager *dialog) {
        pickAndPress(dialog, QStringLiteral("Sample Two-Drum 5-50 + 2-12"), dialog->cmdLoad);
    });
    world.board()->mnuLotteryLoad->trigger();
    board = twoPoolBoardShown();
    ASSERT_NE(board, nullptr) << messages.texts().join(u'\n').toStdString();
    EXPECT_EQ(gstrGameCode, QStringLiteral("2P520"));

    // POWER, POPULATE with equal chance, DRAW of 8 columns with both intervals at 100 %.
    board->cmdPower->click();
    board->chkEqualChance->setValue(1);
    board->cmdPopulate->click();
    EXPECT_EQ(gDrum.glngPoolTotal, 50);
    EXPECT_EQ(gDrumBONUS.glngPoolTotal, 12);
    board->txtColumnsToDraw->setText(QStringLiteral("8"));
    board->cmdDraw->click();
    const QStringList drawn = board->lstTicket->lines();
    ASSERT_EQ(drawn.size(), 8);
    board->bonus.chkPowerInterval->setValue(1);
    board->bonus.cboPowerIntervalPct->setListIndex(4);

    // Ticket > Save, then a new ticket, then Ticket > Load brings the saved one back with its
    // settings.
    messages.answerNext(msgbox::kYes);
    whenModal<frmFileManager>([](frmFileManager *dialog) {
        dialog->txtName->setFocus();
        QTest::keyClicks(dialog->txtName, QStringLiteral("drums"));
        dialog->cmdSave->click();
    });
    board->mnuTicketSave->trigger();
    const QString text = fncTicketTextFilePath(gstrSavedTicketsFolder, gstrFileSuffix, QStringLiteral("drums"));
    ASSERT_TRUE(QFile::exists(text));
    board->txtColumnsToDraw->setText(QStringLiteral("2"));
    board->cmdDraw->click();
    ASSERT_EQ(board->lstTicket->listCount(), 2);
    messages.answerNext(msgbox::kYes);
    whenModal<frmFileManager>([](frmFileManager *dialog) { pickAndPress(dialog, QStringLiteral("drums"), dialog->cmdLoad); });
    board->bonus.chkPowerInterval->setValue(0);
    board->mnuTicketLoad->trigger();
    board = twoPoolBoardShown();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->lstTicket->lines(), drawn);
    EXPECT_EQ(garrTicketGrid.rowCount(), 8);
    EXPECT_EQ(garrTicketGrid.lastPosition(), 7);
    EXPECT_EQ(board->bonus.chkPowerInterval->value(), 1);
    EXPECT_EQ(board->bonus.cboPowerIntervalPct->text(), QStringLiteral("40"));
    EXPECT_TRUE(board->windowTitle().endsWith(QStringLiteral(" (drums -  Loaded Ticket)")));

    // Lottery > Manage: a drawing of both drums added; CLOSE reopens the lottery in its board.
    const int32_t drawings = glngTotalWeeks;
    whenModal<frmLotteryManager>([&](frmLotteryManager *manager) {
        manager->txtNewDate->setText(dates::toShortText(garrGameDates[1].addDays(3)));
        const QStringList numbers{"4", "9", "16", "25", "36", "2", "11"};
        for (int i = 1; i <= 7; ++i)
            manager->txtNewNumber[i]->setText(numbers[i - 1]);
        whenModal<frmLotteryManager>([](frmLotteryManager *added) { added->cmdClose->click(); });
        manager->cmdAddDrawing->click();
    });
    board->mnuLotteryManage->trigger();
    board = twoPoolBoardShown();
    ASSERT_NE(board, nullptr) << messages.texts().join(u'\n').toStdString();
    EXPECT_EQ(glngTotalWeeks, drawings + 1);
    // The kept analysis window ends where it ended; the new drawing is the newest of the list.
    EXPECT_EQ(board->cboEndDrawing->text(), QString::number(drawings));
    board->cboEndDrawing->setListIndex(0);
    EXPECT_EQ(board->lblDrawingNumber[1]->caption(), QStringLiteral("4"));
    EXPECT_EQ(board->lblDrawingNumber[6]->caption(), QStringLiteral("2"));
    EXPECT_EQ(board->lblDrawingNumber[7]->caption(), QStringLiteral("11"));
    EXPECT_EQ(eventLogLines().filter(QStringLiteral("#Message: 43849")).size(), 2);  // by the ticket load and the manager
}

TEST_F(TwoPoolTest, TheWindowIsMaximisedWhenItDoesNotFitTheScreen)
{
    setScreenMetricsOverride(ScreenMetrics{900, QRect(0, 0, 900, 700), QRect(0, 0, 900, 680)});
    ASSERT_NE(open(SampleWorld::kTwoDrum), nullptr);
    EXPECT_TRUE(board->isMaximized());
    EXPECT_EQ(board->horizontalResolution(), 900);
}

}  // namespace

// The digit board on digit games of three to eight positions: its layout, POWER and the digit
// counts, the pool, DRAW, the Straight and Boxed comparison, the end drawing, saved tickets, and
// the closing of the board.

#include "boardinput.h"

#include "analysis/comparison.h"
#include "analysis/state.h"
#include "analysis/ticketfile.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/ui/clsrecordfile.h"
#include "boards/digit/frmdigitboard.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmlotterymanager.h"
#include "platform/ui/forms.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/vbcolor.h"
#include "platform/vb.h"
#include "support/modal.h"
#include "support/sampleworld.h"
#include "support/textfit.h"

#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Digits = std::vector<std::vector<int32_t>>;

int rightEdge(const VbControl *c) { return c->Left() + c->Width(); }

// The digits the end drawing shows, positions 0 to the last of the game.
QStringList shownDrawing(const BoardBase *board)
{
    QStringList out;
    for (int p = 0; p <= glngPicks; ++p)
        out << board->lblDrawingNumber[p]->caption();
    return out;
}

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// `count` drawings of `positions` digits, spread over 0..9 and repeating now and then.
Digits generated(int positions, int count)
{
    Digits out;
    uint32_t x = 12345u + static_cast<uint32_t>(positions);
    for (int w = 0; w < count; ++w) {
        std::vector<int32_t> drawing;
        for (int p = 0; p < positions; ++p) {
            x = x * 1103515245u + 12345u;
            drawing.push_back(static_cast<int32_t>((x >> 16) % 10));
        }
        out.push_back(drawing);
    }
    return out;
}

class DigitBoardTest : public ::testing::Test {
protected:
    // Writes and opens a digit lottery ("Test Lottery", suffix TL01) with these drawings.
    frmDigitBoard *open(int positions, const Digits &numbers)
    {
        world.openLottery(GameConfigRecord{1, QStringLiteral("Pick %1 (Daily)").arg(positions), 10, 0, 0, positions, 0, 0},
                          SampleWorld::drawings(numbers));
        return shown();
    }
    frmDigitBoard *openSample(const QString &file)
    {
        world.open(file);
        return shown();
    }
    frmDigitBoard *shown()
    {
        board = dynamic_cast<frmDigitBoard *>(world.board());
        return board;
    }
    void close()
    {
        board->unloadBoard();
        board = nullptr;
        gfrmCurrentBoard = nullptr;
        deleteUnloadedWindows();
    }
    void selectEnd(int32_t week) { board->cboEndDrawing->setListIndex(glngTotalWeeks - week); }
    // Writes the text file of the ticket `name` of the open lottery.
    void writeTicket(const QString &name, const QByteArray &bytes)
    {
        QFile file(fncTicketTextFilePath(gstrSavedTicketsFolder, gstrFileSuffix, name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    // Reads the ticket `name` into the board as the load routine does.
    void readTicket(const QString &name)
    {
        gstrTicketName = name;
        board->subLoadTicketTextFile();
    }
    // The board's ticket agrees with itself: list, lines, grid and count.
    void expectTicket(const QStringList &lines)
    {
        EXPECT_EQ(board->lstTicket->lines(), lines);
        EXPECT_EQ(garrTicketLines, lines);
        EXPECT_EQ(garrTicketGrid.rowCount(), lines.size());
        EXPECT_EQ(glngGridSize, lines.size());
    }
    void showActive() { boardinput::showActive(board); }
    void typeInto(VbTextBox *box, const QString &text) { boardinput::typeInto(board, box, text); }
    // DRAW of `count` new columns; the ticket's columns.
    std::vector<std::vector<int32_t>> draw(int count)
    {
        board->chkIncrementalTicket->setValue(0);
        board->txtColumnsToDraw->setText(QString::number(count));
        board->cmdDraw_Click();
        std::vector<std::vector<int32_t>> columns;
        for (int r = 1; r <= garrTicketGrid.rowCount(); ++r)
            columns.emplace_back(garrTicketGrid.row(r), garrTicketGrid.row(r) + glngPicks + 1);
        return columns;
    }
    static bool marked(const VbControl *c) { return c->foreColor() == vbc::kDarkRed; }
    // Runs File > Exit (or the title-bar close) inside an event loop, as the program ends it.
    int runExit(const std::function<void()> &exit)
    {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, exit);
        QTimer::singleShot(5000, &loop, [&] { loop.exit(99); });
        return loop.exec();
    }

    SampleWorld world;
    frmDigitBoard *board = nullptr;
};

// ---- Layout ---------------------------------------------------------------------------------------

class DigitLayoutTest : public DigitBoardTest, public ::testing::WithParamInterface<int> {};

TEST_P(DigitLayoutTest, PositionsWidthsAndTotalsFollowTheNumberOfPositions)
{
    const int positions = GetParam();
    ASSERT_NE(open(positions, generated(positions, 30)), nullptr);
    EXPECT_EQ(gstrGameCode, QStringLiteral("1%1").arg(positions) + u'0');
    const int last = positions - 1;
    const frmDigitBoard design;

    // Every position's row of cells: shown when in use, side by side, doubled in width up to four
    // positions.
    const bool doubled = positions <= 4;
    const int width = doubled ? 2 * frmLottoBoard::kPositionWidth : frmLottoBoard::kPositionWidth;
    const int pitch = doubled ? width - frmDigitBoard::kDoubleWidthOverlap : frmLottoBoard::kPositionPitch;
    for (int i = 0; i <= 7; ++i) {
        SCOPED_TRACE(i);
        const bool used = i <= last;
        for (VbControl *w : std::initializer_list<VbControl *>{board->lblDrawingNumber[i], board->lblDrawingNumberPower[i],
                                                               board->txtGuess[i], board->lblGuessPower[i],
                                                               board->txtGuaranteeNumber[i], board->lblColumnNumber[i]}) {
            EXPECT_EQ(w->Visible(), used);
            if (used) {
                EXPECT_EQ(w->Width(), width);
                EXPECT_EQ(w->Left(), frmLottoBoard::kPositionLeft + i * pitch);
            }
        }
        EXPECT_EQ(board->lblDrawingNumber[i]->isEnabled(), used);
    }
    EXPECT_EQ(board->lstTicket->Width(),
              design.lstTicket->Width() + (positions == 4 ? frmDigitBoard::kFourPositionListGrowth : 0));

    // Totals at least as wide as a position cell and showing five digits whole, their right edges
    // on the last position's, their captions inside the frame.
    const DrumControls &c = board->main;
    for (VbLabel *total : {c.lblDrawingPowerTotal, c.lblGuessPowerTotal, c.lblColumnPowerTotal}) {
        EXPECT_GE(total->Width(), width);
        total->setCaption(QStringLiteral("99999"));
        EXPECT_EQ(clippedTexts(total), QStringList());
    }
    EXPECT_GE(board->lblDrawingPowerTotalCap->Left(), 0);
    EXPECT_EQ(rightEdge(c.lblDrawingPowerTotal), rightEdge(board->lblDrawingNumberPower[last]));
    EXPECT_EQ(rightEdge(c.lblGuessPowerTotal), rightEdge(board->lblGuessPower[last]));
    EXPECT_EQ(rightEdge(c.lblColumnPowerTotal), rightEdge(board->lblColumnNumber[last]));
    EXPECT_EQ(board->lblDrawingPowerTotalCap->Left(),
              c.lblDrawingPowerTotal->Left() - board->lblDrawingPowerTotalCap->Width() - 80);
    EXPECT_EQ(board->lblColumnPowerTotalCap->Left(),
              c.lblColumnPowerTotal->Left() - board->lblColumnPowerTotalCap->Width() - 80);
    EXPECT_EQ(board->txtGuessSource->Width(), c.lblGuessPowerTotal->Left() - 20 - board->txtGuessSource->Left());
    EXPECT_LE(rightEdge(board->lblColumnNumber[last]), board->lstTicket->Left());

    // Ten table rows, the digit 0 in the template row.
    for (int d = 0; d <= 9; ++d) {
        SCOPED_TRACE(d);
        for (QWidget *w : std::initializer_list<QWidget *>{c.picPowerBall[d], c.lblTotalPicks[d], c.lblStanding[d],
                                                           c.lblPowerPercent[d], c.lblWeeksSincePick[d],
                                                           c.picPoolBall[d], c.txtPoolPercent[d], c.chkExcludeBall[d]})
            EXPECT_TRUE(w->isVisibleTo(board));
        EXPECT_EQ(c.lblPoolBall[d]->caption(), QString::number(d));
    }
    EXPECT_GE(board->shpPowerPanel->Top() + board->shpPowerPanel->Height(), c.lblTotalPicks[9]->Top() + c.lblTotalPicks[9]->Height());

    // No bonus markers; the game matrix "P/10"; the Straight/Boxed pair, Straight chosen.
    for (int i = 0; i <= 5; ++i) {
        EXPECT_FALSE(board->shpBonusMarkA[i]->isVisibleTo(board));
        EXPECT_FALSE(board->shpBonusMarkB[i]->isVisibleTo(board));
    }
    EXPECT_EQ(c.lblGameMatrix->caption(), QStringLiteral("%1/10").arg(positions));
    EXPECT_TRUE(board->optStraightBoxed[0]->value());
    EXPECT_FALSE(gblnBoxedCompare);
    // The reset values: guesses and guarantees name no digit.
    EXPECT_EQ(board->txtGuess[0]->text(), QString());
    EXPECT_EQ(board->txtGuaranteeNumber[last]->text(), QString());
    EXPECT_EQ(board->lblGuessPower[0]->caption(), QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(ThreeToEight, DigitLayoutTest, ::testing::Range(3, 9),
                         [](const auto &info) { return std::to_string(info.param) + "Positions"; });

TEST_F(DigitBoardTest, ATicketOpenedWithoutItsRecordGuessesAndGuaranteesNothing)
{
    gblnTicketLoad = true;
    gstrTicketName = QStringLiteral("no record");
    ASSERT_NE(open(3, generated(3, 12)), nullptr);
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(board->txtGuess[i]->text(), QString());
        EXPECT_EQ(board->txtGuaranteeNumber[i]->text(), QString());
        EXPECT_EQ(board->lblGuessPower[i]->caption(), QStringLiteral("0"));
    }
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QStringLiteral("0"));
}

// ---- POWER and the digit counts -------------------------------------------------------------------

TEST_F(DigitBoardTest, ADigitTwiceInADrawingCountsOncePerDrawingAndTwiceInItsTotal)
{
    ASSERT_NE(open(3, {{7, 7, 2}, {1, 2, 3}, {7, 0, 0}, {4, 5, 6}, {7, 7, 2}}), nullptr);
    // Pick counts: the drawings holding the digit.
    const int32_t expected[10] = {1, 1, 3, 1, 1, 1, 1, 3, 0, 0};
    for (int d = 0; d <= 9; ++d) {
        SCOPED_TRACE(d);
        EXPECT_EQ(gDrum.garrPickCount[d], expected[d]);
        EXPECT_EQ(board->main.lblTotalPicks[d]->caption(), QString::number(expected[d]));
    }
    // The end drawing 7-7-2 shows the power of 7 twice, and the total adds it twice.
    EXPECT_EQ(shownDrawing(board), (QStringList{"7", "7", "2"}));
    EXPECT_EQ(board->lblDrawingNumberPower[0]->caption(), QStringLiteral("3"));
    EXPECT_EQ(board->lblDrawingNumberPower[1]->caption(), QStringLiteral("3"));
    EXPECT_EQ(board->main.lblDrawingPowerTotal->caption(), QStringLiteral("9"));

    // A partly empty guess: the total of the filled positions; 0 is the digit 0.
    board->txtGuess[0]->setText(QStringLiteral("7"));
    board->txtGuess[1]->setText(QString());
    board->txtGuess[2]->setText(QStringLiteral("0"));
    board->cmdPower_Click();
    EXPECT_EQ(board->lblGuessPower[0]->caption(), QStringLiteral("3"));
    EXPECT_EQ(board->lblGuessPower[2]->caption(), QStringLiteral("1"));
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QStringLiteral("4"));
    // A guess with a repeated digit counts it once per position.
    board->txtGuess[1]->setText(QStringLiteral("7"));
    board->cmdPower_Click();
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QStringLiteral("7"));

    // Over the window 2..4 only.
    board->cboStartDrawing->setListIndex(glngTotalWeeks - 2);
    selectEnd(4);
    board->cmdPower_Click();
    EXPECT_EQ(gDrum.garrPickCount[7], 1);
    EXPECT_EQ(board->main.lblDrawingPowerTotal->caption(),
              QString::number(gDrum.garrPickCount[4] + gDrum.garrPickCount[5] + gDrum.garrPickCount[6]));
    EXPECT_EQ(board->staMain->panelText(1), QStringLiteral(" Starting draw: 2 - Ending draw:4 - Draw date: %1")
                                                .arg(board->cboDrawingDate->text()));
}

TEST_F(DigitBoardTest, TheDigitsSharingACountAreMarkedFromTheDigit0On)
{
    // Pick counts: 0 and 5 drawn in two drawings, 7 in three, the others in one or none.
    ASSERT_NE(open(3, {{0, 5, 7}, {0, 5, 7}, {7, 1, 2}}), nullptr);
    ASSERT_EQ(gDrum.garrPickCount[0], gDrum.garrPickCount[5]);
    board->main.picPowerBall[0]->onClick();
    EXPECT_EQ(board->main.lblPowerBall[0]->foreColor(), vbc::kDarkRed);
    EXPECT_EQ(board->main.picPowerBall[0]->pictureName(), QStringLiteral("R0"));
    EXPECT_EQ(board->main.picPoolBall[0]->pictureName(), QStringLiteral("R0"));
    EXPECT_EQ(board->main.picPowerBall[5]->pictureName(), QStringLiteral("Y5"));
    EXPECT_EQ(board->main.lblPoolBall[5]->backColor(), vbc::kLightYellow);
    EXPECT_EQ(board->main.picPowerBall[7]->pictureName(), QStringLiteral("B7"));
    // The marked digit clicked again: no marks.
    board->main.picPoolBall[0]->onClick();
    EXPECT_EQ(board->main.picPowerBall[0]->pictureName(), QStringLiteral("B0"));
    EXPECT_EQ(board->main.picPowerBall[5]->pictureName(), QStringLiteral("B5"));
}

TEST_F(DigitBoardTest, GetDrawingCopiesTheShownDrawingIntoTheGuess)
{
    ASSERT_NE(open(4, {{0, 0, 9, 1}, {3, 0, 0, 7}, {5, 5, 5, 5}}), nullptr);
    selectEnd(2);
    board->chkCompareWithGuess->setValue(1);
    board->cmdGetDrawing->click();
    EXPECT_EQ((QStringList{board->txtGuess[0]->text(), board->txtGuess[1]->text(), board->txtGuess[2]->text(),
                           board->txtGuess[3]->text()}),
              (QStringList{"3", "0", "0", "7"}));
    EXPECT_EQ(board->txtGuess[1]->backColor(), vbc::kLightYellow);
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), board->main.lblDrawingPowerTotal->caption());
    EXPECT_EQ(board->txtGuessSource->text(), QStringLiteral("2 - ") + board->cboDrawingDate->text());
}

// ---- Pool ---------------------------------------------------------------------------------------------

TEST_F(DigitBoardTest, TheDigitPoolShowsCountsAndOddsAndNoOddsForAnExcludedDigitSavedWithoutACount)
{
    ASSERT_NE(open(4, generated(4, 40)), nullptr);
    int64_t total = 0;
    for (int d = 0; d <= 9; ++d) {
        const auto count = static_cast<int64_t>(gDrum.garrPoolWeight[d]);
        total += count;
        EXPECT_EQ(board->main.txtPoolCount[d]->text(), QString::number(count));
        EXPECT_EQ(board->main.txtPoolPercent[d]->text(), count > 0 ? QStringLiteral("1/%1").arg(
                                                                         std::nearbyint(double(gDrum.glngPoolTotal) / count))
                                                                   : QString());
    }
    EXPECT_EQ(gDrum.glngPoolTotal, total);

    // POWER forgets an amount typed by hand: the next recount does not bring it back.
    board->txtPoolCount_GotFocus(2);
    board->main.txtPoolCount[2]->setText(QStringLiteral("40"));
    board->txtPoolCount_LostFocus(2);
    ASSERT_EQ(gDrum.garrPoolCountEdited[2], 40);
    board->cmdPower_Click();
    EXPECT_EQ(gDrum.garrPoolCountEdited[2], -3);
    EXPECT_EQ(board->main.txtPoolPercent[2]->foreColor(), vbc::kWindowText);
    board->subRefreshPool();
    EXPECT_EQ(board->main.txtPoolCount[2]->text(), QString::number(static_cast<int64_t>(gDrum.garrPoolWeight[2])));
    EXPECT_NE(board->main.txtPoolCount[2]->text(), QStringLiteral("40"));

    // Equal Chance: every digit once, 0 among them.
    board->chkEqualChance->setValue(1);
    board->cmdPopulate_Click();
    EXPECT_EQ(gDrum.glngPoolTotal, 10);
    EXPECT_EQ(board->main.txtPoolPercent[0]->text(), QStringLiteral("1/10"));

    // An excluded digit shows the share of its saved count; saved without a count, no share.
    gDrum.garrExcluded[3] = 1;
    gDrum.garrPoolWeightSaved[3] = 4;
    gDrum.garrExcluded[5] = 1;
    gDrum.garrPoolWeightSaved[5] = 0;
    board->main.txtPoolPercent[5]->setText(QStringLiteral("1/10"));
    board->subRefreshPool();
    EXPECT_EQ(gDrum.glngPoolTotal, 8);
    EXPECT_EQ(board->main.txtPoolCount[3]->text(), QStringLiteral("4"));
    EXPECT_EQ(board->main.txtPoolPercent[3]->text(), QStringLiteral("1/2"));
    EXPECT_EQ(board->main.txtPoolPercent[5]->text(), QString());
}

// ---- DRAW and the comparison ------------------------------------------------------------------------

TEST_F(DigitBoardTest, DrawFillsTheTicketWithDigitColumnsAndComparesEveryOne)
{
    ASSERT_NE(openSample(QStringLiteral("Sample Pick 4.mdb")), nullptr);
    board->txtResults[1]->setText(QStringLiteral("untouched"));
    board->txtColumnsToDraw->setText(QStringLiteral("60"));
    board->cmdDraw->click();
    const QStringList lines = board->lstTicket->lines();
    ASSERT_EQ(lines.size(), 60);
    ASSERT_EQ(garrTicketGrid.rowCount(), 60);
    const QRegularExpression shape(QStringLiteral("^\\d\\d- \\d \\d \\d \\d \\((\\d)\\)$"));
    const ComparisonLayout layout = ComparisonLayout::digits(4, false);
    const CompareNumbers drawing = CompareNumbers::fromDrawing(layout, garrReferenceDrawing);
    std::array<int, 5> classes{};
    bool zeroDrawn = false;
    for (int r = 1; r <= 60; ++r) {
        SCOPED_TRACE(r);
        const QRegularExpressionMatch m = shape.match(lines[r - 1]);
        ASSERT_TRUE(m.hasMatch()) << lines[r - 1].toStdString();
        const std::span<const int32_t> column(garrTicketGrid.row(r), 4);
        QString digits;
        for (int32_t d : column) {
            ASSERT_TRUE(d >= 0 && d <= 9);
            zeroDrawn = zeroDrawn || d == 0;
            digits += u' ' + QString::number(d);
        }
        EXPECT_EQ(lines[r - 1].mid(3, 8), digits);
        const int hits = columnHits(layout, drawing, column).main;
        EXPECT_EQ(m.captured(1).toInt(), hits);
        ++classes[static_cast<size_t>(hits)];
    }
    EXPECT_TRUE(zeroDrawn);
    const QStringList summary = board->txtResults[0]->text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(summary.size(), 6);
    EXPECT_EQ(summary[0], QStringLiteral("Total: 60"));
    for (int h = 0; h <= 4; ++h)
        EXPECT_TRUE(summary[h + 1].startsWith(QStringLiteral("%1 Catcher: %2").arg(h).arg(classes[h])));
    EXPECT_EQ(board->txtResults[1]->text(), QStringLiteral("untouched"));
}

// Drawings 1..4 are the references 3 2 1, 1 2 2, 2 1 1 and 5 0 0; the ticket holds the columns
// 1 2 3, 1 1 2, 5 5 5 and 2 1 1.
class DigitComparisonTest : public DigitBoardTest {
protected:
    void SetUp() override
    {
        ASSERT_NE(open(3, {{3, 2, 1}, {1, 2, 2}, {2, 1, 1}, {5, 0, 0}}), nullptr);
        writeTicket(QStringLiteral("examples"), "4\r\n01- 1 2 3 (0)\r\n02- 1 1 2 (0)\r\n03- 5 5 5 (0)\r\n04- 2 1 1 (0)\r\n");
        readTicket(QStringLiteral("examples"));
        ASSERT_EQ(board->lstTicket->listCount(), 4);
    }
    void compareWith(int32_t week)
    {
        selectEnd(week);
        board->cmdCompare->click();
    }
};

TEST_F(DigitComparisonTest, StraightCountsTheSameDigitInTheSamePosition)
{
    compareWith(1);
    EXPECT_EQ(board->lstTicket->lines(),
              (QStringList{"01- 1 2 3 (1)", "02- 1 1 2 (0)", "03- 5 5 5 (0)", "04- 2 1 1 (1)"}));
    EXPECT_EQ(board->txtResults[0]->text(),
              QStringLiteral("Total: 4\r\n0 Catcher: 2\r\n1 Catcher: 2\r\n2 Catcher: 0\r\n3 Catcher: 0"));
    compareWith(2);
    EXPECT_EQ(board->lstTicket->lines(),
              (QStringList{"01- 1 2 3 (2)", "02- 1 1 2 (2)", "03- 5 5 5 (0)", "04- 2 1 1 (0)"}));
    EXPECT_EQ(board->txtResults[0]->text(),
              QStringLiteral("Total: 4\r\n0 Catcher: 2\r\n1 Catcher: 0\r\n2 Catcher: 2 (1, 2)\r\n3 Catcher: 0"));
    compareWith(4);
    EXPECT_EQ(board->lstTicket->list(2), QStringLiteral("03- 5 5 5 (1)"));
}

TEST_F(DigitComparisonTest, BoxedCountsTheCommonDigitsEachReferenceDigitOnce)
{
    compareWith(1);
    // Choosing Boxed does not compare again.
    QTest::mouseClick(board->lblStraightBoxed[1], Qt::LeftButton);
    EXPECT_TRUE(board->optStraightBoxed[1]->value());
    EXPECT_FALSE(board->optStraightBoxed[0]->value());
    EXPECT_TRUE(gblnBoxedCompare);
    EXPECT_EQ(board->lstTicket->list(0), QStringLiteral("01- 1 2 3 (1)"));
    // A click on the chosen caption changes nothing.
    QTest::mouseClick(board->lblStraightBoxed[1], Qt::LeftButton);
    EXPECT_TRUE(gblnBoxedCompare);

    board->cmdCompare->click();
    EXPECT_EQ(board->lstTicket->lines(),
              (QStringList{"01- 1 2 3 (3)", "02- 1 1 2 (2)", "03- 5 5 5 (0)", "04- 2 1 1 (2)"}));
    EXPECT_EQ(board->txtResults[0]->text(),
              QStringLiteral("Total: 4\r\n0 Catcher: 1\r\n1 Catcher: 0\r\n2 Catcher: 2 (2, 4)\r\n3 Catcher: 1 (1)"));
    compareWith(2);  // 1 1 2 against 1 2 2
    EXPECT_EQ(board->lstTicket->list(1), QStringLiteral("02- 1 1 2 (2)"));
    compareWith(3);  // 1 1 2 against 2 1 1
    EXPECT_EQ(board->lstTicket->list(1), QStringLiteral("02- 1 1 2 (3)"));
    compareWith(4);  // 5 5 5 against 5 0 0
    EXPECT_EQ(board->lstTicket->list(2), QStringLiteral("03- 5 5 5 (1)"));

    // Back to Straight through its option.
    board->optStraightBoxed[0]->click();
    EXPECT_FALSE(gblnBoxedCompare);
    board->cmdCompare->click();
    EXPECT_EQ(board->lstTicket->list(2), QStringLiteral("03- 5 5 5 (1)"));
    EXPECT_EQ(board->lstTicket->list(1), QStringLiteral("02- 1 1 2 (0)"));
}

TEST_F(DigitComparisonTest, AgainstTheGuessAnEmptyBoxMatchesNoDigit)
{
    board->txtGuess[0]->setText(QStringLiteral("1"));
    board->txtGuess[1]->setText(QString());
    board->txtGuess[2]->setText(QStringLiteral("2"));
    board->chkCompareWithGuess->setValue(1);
    board->cmdCompare->click();
    EXPECT_EQ(board->lstTicket->lines(),
              (QStringList{"01- 1 2 3 (1)", "02- 1 1 2 (2)", "03- 5 5 5 (0)", "04- 2 1 1 (0)"}));
    board->lblStraightBoxed_Click(1);
    board->cmdCompare->click();
    EXPECT_EQ(board->lstTicket->lines(),
              (QStringList{"01- 1 2 3 (2)", "02- 1 1 2 (2)", "03- 5 5 5 (0)", "04- 2 1 1 (2)"}));
}

TEST_F(DigitBoardTest, EightPositionsListEveryClassAndNumbersFrom100OnTakeThreeDigits)
{
    ASSERT_NE(open(8, generated(8, 25)), nullptr);
    board->txtColumnsToDraw->setText(QStringLiteral("120"));
    board->cmdDraw->click();
    ASSERT_EQ(board->lstTicket->listCount(), 120);
    EXPECT_TRUE(board->lstTicket->list(99).startsWith(QStringLiteral("100- ")));
    const QStringList summary = board->txtResults[0]->text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(summary.size(), 10);
    EXPECT_TRUE(summary[9].startsWith(QStringLiteral("8 Catcher: ")));
}

// ---- Saved tickets ----------------------------------------------------------------------------------

TEST_F(DigitBoardTest, TicketLinesAreCheckedDigitByDigit)
{
    ASSERT_NE(open(3, generated(3, 10)), nullptr);
    // A line without the hit tail holds its column; reading stops at the first line that is not
    // a column of three digits.
    const QByteArray bad[] = {"03- 1 12 3 (0)", "03- 1 2 (0)", "03- 1 2 3 4 (0)", "03- 1 2 07 (0)", "03- 1 2 a (0)",
                              "03- 1 2 3 ", "03-  1 2 3 (0)"};
    for (const QByteArray &line : bad) {
        SCOPED_TRACE(line.constData());
        writeTicket(QStringLiteral("damaged"), "4\r\n01- 0 0 9 (1)\r\n02- 4 5 6\r\n" + line + "\r\n04- 1 1 1 (0)\r\n");
        readTicket(QStringLiteral("damaged"));
        expectTicket({"01- 0 0 9 (1)", "02- 4 5 6"});
        EXPECT_EQ(garrTicketGrid.firstPosition(), 0);
        EXPECT_EQ(std::vector<int32_t>(garrTicketGrid.row(2), garrTicketGrid.row(2) + 3), (std::vector<int32_t>{4, 5, 6}));
        EXPECT_EQ(board->ticketReadProblem(),
                  res(48020).arg(2).arg(4).arg(QStringLiteral("damaged")));
    }
}

TEST_F(DigitBoardTest, ATicketSavedAndLoadedComesBackWithItsComparisonRule)
{
    ASSERT_NE(openSample(SampleWorld::kPick3), nullptr);
    board->lblStraightBoxed_Click(1);
    board->txtGuess[1]->setText(QStringLiteral("0"));
    board->txtColumnsToDraw->setText(QStringLiteral("7"));
    board->cmdDraw->click();
    const QStringList drawn = board->lstTicket->lines();
    ASSERT_EQ(drawn.size(), 7);

    world.messages.answerNext(msgbox::kYes);
    whenModal<frmFileManager>([](frmFileManager *dialog) {
        dialog->txtName->setText(QStringLiteral("digits"));
        dialog->cmdSave->click();
    });
    board->mnuTicketSave->trigger();
    EXPECT_EQ(fileLines(gstrSavedTicketsFolder + QStringLiteral("M06_digits.txt")), QStringList{QStringLiteral("7")} + drawn);

    // A new ticket, then the saved one loaded on a new board.
    board->lblStraightBoxed_Click(0);
    board->txtColumnsToDraw->setText(QStringLiteral("2"));
    board->cmdDraw->click();
    world.messages.answerNext(msgbox::kYes);
    whenModal<frmFileManager>([](frmFileManager *dialog) {
        const int row = static_cast<int>(dialog->lstNames->lines().indexOf(QStringLiteral("digits")));
        ASSERT_GE(row, 0);
        dialog->lstNames->setListIndex(row);
        dialog->cmdLoad->click();
    });
    board->mnuTicketLoad->trigger();
    ASSERT_NE(shown(), nullptr);
    EXPECT_EQ(board->lstTicket->lines(), drawn);
    EXPECT_EQ(garrTicketGrid.rowCount(), 7);
    EXPECT_TRUE(board->optStraightBoxed[1]->value());
    EXPECT_TRUE(gblnBoxedCompare);
    EXPECT_EQ(board->txtGuess[1]->text(), QStringLiteral("0"));
    EXPECT_EQ(board->txtGuess[0]->text(), QString());
    EXPECT_TRUE(board->windowTitle().endsWith(QStringLiteral("(digits - ") + gstrLoadedTicketText));
}

TEST_F(DigitBoardTest, LotteryManageReopensTheDigitBoard)
{
    ASSERT_NE(openSample(QStringLiteral("Sample Pick 4.mdb")), nullptr);
    board->lblStraightBoxed_Click(1);
    bool managerShown = false;
    whenModal<frmLotteryManager>([&](frmLotteryManager *manager) {
        managerShown = true;
        manager->cmdClose->click();
    });
    board->mnuLotteryManage->trigger();
    EXPECT_TRUE(managerShown);
    ASSERT_NE(shown(), nullptr);
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(gstrGameCode, QStringLiteral("140"));
    EXPECT_TRUE(board->optStraightBoxed[1]->value());  // the settings kept before the board went
    EXPECT_TRUE(gblnBoxedCompare);
}

// ---- Closing --------------------------------------------------------------------------------------------

TEST_F(DigitBoardTest, ExitWritesTheSettingsAndLogsTheClosingOfTheDigitBoard)
{
    ASSERT_NE(open(4, generated(4, 15)), nullptr);
    board->lblStraightBoxed_Click(1);
    board->main.chkExcludeBall[3]->setValue(1);
    const QString settings = gstrAppFolder + QStringLiteral("Test LotteryTL01");
    QFile::remove(settings);
    EXPECT_EQ(runExit([this] { board->mnuFileExit->trigger(); }), 0);
    EXPECT_TRUE(QFile::exists(settings));
    EXPECT_EQ(gobjAnalysis, nullptr);
    EXPECT_EQ(fileLines(gstrLogFilePath).filter(QStringLiteral("#Message: 43795")).size(), 1);

    // The record holds Boxed and the exclusion: a new board restores both, the digit out of the
    // pool.
    createServiceObjects();
    ASSERT_NE(open(4, generated(4, 15)), nullptr);
    EXPECT_TRUE(board->optStraightBoxed[1]->value());
    EXPECT_TRUE(gblnBoxedCompare);
    EXPECT_EQ(board->main.chkExcludeBall[3]->value(), 1);
    EXPECT_EQ(board->main.txtPoolPercent[3]->backColor(), static_cast<uint32_t>(gvarExcludedBackColor));
    EXPECT_TRUE(board->cmdDraw->isEnabled());
    for (const auto &column : draw(200))
        EXPECT_EQ(std::count(column.begin(), column.end(), 3), 0);
}

// ---- Keys, guesses and guaranteed digits -------------------------------------------------------------

TEST_F(DigitBoardTest, GuessBoxesHoldOneDigitOrNothing)
{
    ASSERT_NE(open(3, {{7, 7, 2}, {1, 2, 3}, {7, 0, 0}, {4, 5, 6}, {5, 5, 1}}), nullptr);
    showActive();
    board->chkCompareWithGuess->setValue(1);
    const auto pc = [](int d) { return gDrum.garrPickCount[d]; };

    // Only figures can be typed; "07" is the digit 7, "00" the digit 0.
    typeInto(board->txtGuess[0], QStringLiteral("a-0.7"));
    EXPECT_EQ(board->txtGuess[0]->text(), QStringLiteral("7"));
    EXPECT_EQ(board->txtGuess[0]->backColor(), vbc::kLightYellow);
    typeInto(board->txtGuess[1], QStringLiteral("00"));
    EXPECT_EQ(board->txtGuess[1]->text(), QStringLiteral("0"));
    typeInto(board->txtGuess[2], QStringLiteral("5"));
    EXPECT_EQ(board->lblGuessPower[0]->caption(), QString::number(pc(7)));
    EXPECT_EQ(board->lblGuessPower[1]->caption(), QString::number(pc(0)));
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QString::number(pc(7) + pc(0) + pc(5)));

    // "12" over 5: the box empties and its power leaves the total.
    typeInto(board->txtGuess[2], QStringLiteral("12"));
    EXPECT_EQ(board->txtGuess[2]->text(), QString());
    EXPECT_EQ(board->txtGuess[2]->backColor(), vbc::kWhite);
    EXPECT_EQ(board->lblGuessPower[2]->caption(), QStringLiteral("0"));
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QString::number(pc(7) + pc(0)));
    // Focusing a box that holds 7 and leaving it empty takes its power out of the total.
    typeInto(board->txtGuess[0], QString());
    EXPECT_EQ(board->txtGuess[0]->text(), QString());
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QString::number(pc(0)));

    // A guess of 0 hits the digit 0 of the drawing 7 0 0 at its position; "07" typed hits 7.
    typeInto(board->txtGuess[0], QStringLiteral("07"));
    typeInto(board->txtGuess[2], QStringLiteral("0"));
    writeTicket(QStringLiteral("guess"), "1\r\n01- 7 0 0 (0)\r\n");
    readTicket(QStringLiteral("guess"));
    board->cmdCompare->click();
    EXPECT_EQ(board->lstTicket->list(0), QStringLiteral("01- 7 0 0 (3)"));
    board->lstTicket->setListIndex(0);
    for (int p = 0; p <= 2; ++p)
        EXPECT_TRUE(marked(board->txtGuess[p])) << p;

    // Reset Guess empties every box.
    board->cmdResetGuess->click();
    for (int p = 0; p <= 2; ++p)
        EXPECT_EQ(board->txtGuess[p]->text(), QString());
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QStringLiteral("0"));
}

TEST_F(DigitBoardTest, GuaranteedDigitsRepeatFreelyAndLeaveTheExclusionsAlone)
{
    ASSERT_NE(open(3, generated(3, 60)), nullptr);
    showActive();
    board->chkGuaranteeNumbers->setValue(1);
    EXPECT_TRUE(gblnGuaranteeNumbers);
    typeInto(board->txtGuaranteeNumber[0], QStringLiteral("0"));
    typeInto(board->txtGuaranteeNumber[1], QStringLiteral("7"));
    typeInto(board->txtGuaranteeNumber[2], QStringLiteral("07"));
    EXPECT_EQ(board->txtGuaranteeNumber[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(board->txtGuaranteeNumber[0]->backColor(), vbc::kLightYellow);  // 0 is a digit
    EXPECT_EQ(board->txtGuaranteeNumber[2]->text(), QStringLiteral("7"));
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(board->main.chkExcludeBall[d]->value(), 0) << d;
        EXPECT_TRUE(board->main.chkExcludeBall[d]->isEnabled()) << d;
    }
    for (const auto &column : draw(30))
        EXPECT_EQ(column, (std::vector<int32_t>{0, 7, 7}));
    EXPECT_EQ(board->lstTicket->listCount(), 1);  // a single column is possible

    // 4, then "12": the 4 comes back; emptied: no guarantee at that position.
    typeInto(board->txtGuaranteeNumber[2], QStringLiteral("4"));
    typeInto(board->txtGuaranteeNumber[2], QStringLiteral("12"));
    EXPECT_EQ(board->txtGuaranteeNumber[2]->text(), QStringLiteral("4"));
    typeInto(board->txtGuaranteeNumber[1], QString());
    EXPECT_EQ(board->txtGuaranteeNumber[1]->text(), QString());
    EXPECT_EQ(board->txtGuaranteeNumber[1]->backColor(), vbc::kWhite);
    bool varied = false;
    for (const auto &column : draw(20)) {
        EXPECT_EQ(column[0], 0);
        EXPECT_EQ(column[2], 4);
        varied = varied || column[1] != column[0];
    }
    EXPECT_TRUE(varied);
    // An empty box given a number above 9 stays empty.
    typeInto(board->txtGuaranteeNumber[1], QStringLiteral("35"));
    EXPECT_EQ(board->txtGuaranteeNumber[1]->text(), QString());

    // Off: every box disabled and white, the digits kept; on again: the digits coloured.
    board->lblGuaranteeNumbers_Click();
    EXPECT_FALSE(gblnGuaranteeNumbers);
    EXPECT_FALSE(board->txtGuaranteeNumber[0]->isEnabled());
    EXPECT_EQ(board->txtGuaranteeNumber[0]->backColor(), vbc::kWhite);
    EXPECT_EQ(board->txtGuaranteeNumber[0]->text(), QStringLiteral("0"));
    board->lblGuaranteeNumbers_Click();
    EXPECT_EQ(board->txtGuaranteeNumber[0]->backColor(), vbc::kLightYellow);
    EXPECT_EQ(board->txtGuaranteeNumber[1]->backColor(), vbc::kWhite);
    // POWER takes the guarantees off.
    board->cmdPower_Click();
    EXPECT_FALSE(gblnGuaranteeNumbers);
}

// ---- Exclusions -------------------------------------------------------------------------------------------

TEST_F(DigitBoardTest, AnExcludedDigitIsNeverDrawnAndComesBackWhenIncluded)
{
    ASSERT_NE(open(3, generated(3, 80)), nullptr);
    auto holds = [](const std::vector<std::vector<int32_t>> &columns, int32_t digit) {
        for (const auto &c : columns)
            if (std::find(c.begin(), c.end(), digit) != c.end())
                return true;
        return false;
    };
    board->main.chkExcludeBall[4]->click();
    EXPECT_EQ(gDrum.garrExcluded[4], 1);
    EXPECT_FALSE(holds(draw(300), 4));
    // Included again without Equal Chance: back in the pool at once.
    board->main.chkExcludeBall[4]->click();
    EXPECT_EQ(gDrum.garrExcluded[4], 0);
    EXPECT_GT(gDrum.garrPoolWeight[4], 0);
    EXPECT_TRUE(holds(draw(300), 4));

    // Every digit excluded: DRAW off; one included again: DRAW on and only that digit drawn.
    for (int d = 0; d <= 9; ++d)
        board->main.chkExcludeBall[d]->setValue(1);
    EXPECT_FALSE(board->cmdDraw->isEnabled());
    EXPECT_EQ(gDrum.glngPoolTotal, 0);
    board->main.chkExcludeBall[9]->setValue(0);
    EXPECT_TRUE(board->cmdDraw->isEnabled());
    for (const auto &column : draw(5))
        EXPECT_EQ(column, (std::vector<int32_t>{9, 9, 9}));

    // The header: all included, then all excluded.
    board->main.lblHdrExclude[0]->onClick();
    board->main.lblHdrExclude[0]->onClick();
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(board->main.chkExcludeBall[d]->value(), 0) << d;
    EXPECT_TRUE(board->cmdDraw->isEnabled());
    EXPECT_TRUE(holds(draw(300), 0));
}

// ---- The power interval on a long history -------------------------------------------------------------

TEST_F(DigitBoardTest, PowerTotalsPast9999NeitherFailNorLeaveTheInterval)
{
    ASSERT_NE(open(8, generated(8, 3000)), nullptr);
    ASSERT_GT(gDrum.garrSumStats[2], 9999);
    board->main.chkPowerInterval->setValue(1);
    board->main.cboPowerIntervalPct->setListIndex(10);  // 100 %
    const int32_t upper = gDrum.garrIntervalLimits[1];
    EXPECT_GT(upper, 9999);
    EXPECT_EQ(board->main.txtPowerInterval[1]->text(), QString::number(upper));
    board->cmdPower_Click();
    board->cmdPower_Click();
    EXPECT_EQ(board->main.txtPowerInterval[1]->text(), QString::number(gDrum.garrIntervalLimits[1]));
    EXPECT_GT(gDrum.garrIntervalLimits[1], 9999);

    // A typed limit past 9999, within the reachable sums, stands; the slider moves both limits.
    showActive();
    board->main.chkPowerInterval->setValue(1);
    board->main.cboPowerIntervalPct->setListIndex(1);  // 10 %
    const int32_t typed = gDrum.garrIntervalLimits[1] + 1;
    typeInto(board->main.txtPowerInterval[1], QString::number(typed));
    EXPECT_EQ(gDrum.garrIntervalLimits[1], typed);
    const std::array<int32_t, 2> limits = gDrum.garrIntervalLimits;
    for (const auto &column : draw(200)) {
        int64_t sum = 0;
        for (int32_t d : column)
            sum += gDrum.garrPickCount[d];
        EXPECT_GE(sum, limits[0]);
        EXPECT_LE(sum, limits[1]);
    }
    EXPECT_EQ(board->lstTicket->listCount(), 200);
}

// ---- Add, Delete and the selected column ---------------------------------------------------------------

TEST_F(DigitComparisonTest, TheSelectedColumnIsMarkedStraightOrBoxed)
{
    // Columns 1 2 3, 1 1 2, 5 5 5, 2 1 1; drawing 3 is 2 1 1.
    compareWith(3);
    auto marks = [&] {
        QString out;
        for (int p = 0; p <= 2; ++p)
            out += marked(board->lblDrawingNumber[p]) ? u'x' : u'.';
        return out;
    };
    board->lstTicket->setListIndex(1);  // 1 1 2 against 2 1 1
    EXPECT_EQ(marks(), QStringLiteral(".x."));
    EXPECT_EQ(board->lblColumnNumber[0]->caption(), QString::number(gDrum.garrPickCount[1]));
    EXPECT_EQ(board->main.lblColumnPowerTotal->caption(),
              QString::number(2 * gDrum.garrPickCount[1] + gDrum.garrPickCount[2]));
    board->lstTicket->setListIndex(0);  // 1 2 3 against 2 1 1
    EXPECT_EQ(marks(), QStringLiteral("..."));

    board->lblStraightBoxed_Click(1);
    board->lstTicket->setListIndex(1);  // every drawing digit finds a column digit
    EXPECT_EQ(marks(), QStringLiteral("xxx"));
    board->lstTicket->setListIndex(0);  // 2 and one 1; the second 1 finds no unused 1
    EXPECT_EQ(marks(), QStringLiteral("xx."));

    // Drawing 2 is 1 2 2: column 1 2 3 marks the 1 and one 2.
    compareWith(2);
    board->lstTicket->setListIndex(0);
    EXPECT_EQ(marks(), QStringLiteral("xx."));
    board->lblStraightBoxed_Click(0);
    board->lstTicket->setListIndex(1);  // 1 1 2 Straight against 1 2 2
    EXPECT_EQ(marks(), QStringLiteral("x.x"));
}

TEST_F(DigitBoardTest, AddTakesAWholeGuessAndDeleteLeavesTheSecondResultBoxAlone)
{
    ASSERT_NE(open(3, generated(3, 20)), nullptr);
    board->txtResults[1]->setText(QStringLiteral("untouched"));
    const QStringList guess{"1", "1", "7"};
    for (int p = 0; p <= 2; ++p)
        board->txtGuess[p]->setText(guess[p]);
    board->cmdAdd->click();
    EXPECT_EQ(board->lstTicket->lines(), QStringList{QStringLiteral("01- 1 1 7 (0)")});
    EXPECT_EQ(std::vector<int32_t>(garrTicketGrid.row(1), garrTicketGrid.row(1) + 3), (std::vector<int32_t>{1, 1, 7}));
    EXPECT_EQ(board->lstTicket->listIndex(), 0);
    EXPECT_TRUE(gblnTicketColumnSelected);

    // A position without a digit: nothing added. The digit 0 is a digit.
    board->txtGuess[1]->setText(QString());
    board->cmdAdd->click();
    EXPECT_EQ(board->lstTicket->listCount(), 1);
    board->txtGuess[1]->setText(QStringLiteral("0"));
    board->cmdAdd->click();
    ASSERT_EQ(board->lstTicket->listCount(), 2);
    EXPECT_EQ(board->lstTicket->list(1), QStringLiteral("02- 1 0 7 (0)"));
    EXPECT_EQ(garrTicketGrid.at(2, 1), 0);

    board->lstTicket->setListIndex(0);
    board->cmdDelete->click();
    EXPECT_EQ(board->lstTicket->lines(), QStringList{QStringLiteral("02- 1 0 7 (0)")});
    EXPECT_EQ(garrTicketLines, board->lstTicket->lines());
    EXPECT_EQ(garrTicketGrid.at(1, 1), 0);
    EXPECT_EQ(board->txtResults[1]->text(), QStringLiteral("untouched"));
}

}  // namespace

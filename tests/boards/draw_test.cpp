// DRAW on a board with the sample 6/49 lottery: a new ticket, an incremental ticket up to 32000
// columns, an empty pool, the one-shot skip, STOP before the first column, the columns box; and
// Compare with the drawing or the guess, with the summary texts of the result boxes.

#include "boardfixture.h"
#include "support/lottocolumns.h"

#include "app/globals.h"
#include "dialogs/frmcolumnprogress.h"
#include "platform/ui/forms.h"

#include <QRegularExpression>
#include <QTimer>

namespace {

const QString kLotto649 = QStringLiteral("Sample Lotto 6-49.mdb");  // "610"

class DrawTest : public BoardFixture {
protected:
    void draw(int columns, bool incremental = false)
    {
        board->chkIncrementalTicket->setValue(incremental ? 1 : 0);
        board->txtColumnsToDraw->setText(QString::number(columns));
        board->cmdDraw_Click();
    }
    int listed() const { return board->lstTicket->listCount(); }
    QString results(int box) const { return board->txtResults[box]->text(); }
    // A ticket of these columns, listed as a comparison lists it.
    void ticketOf(const std::vector<std::vector<int32_t>> &rows)
    {
        garrTicketGrid.reshape(1, glngPicks);
        garrTicketGrid.resizeRows(static_cast<int>(rows.size()));
        for (size_t r = 0; r < rows.size(); ++r)
            for (int j = 0; j < glngPicks; ++j)
                garrTicketGrid.at(static_cast<int>(r) + 1, j + 1) = rows[r][static_cast<size_t>(j)];
        board->lstTicket->setLines(QStringList(static_cast<int>(rows.size()), QStringLiteral("?")));
    }
    void drawing(const std::vector<int32_t> &numbers)
    {
        garrReferenceDrawing.reset(1, static_cast<int>(numbers.size()));
        for (size_t i = 0; i < numbers.size(); ++i)
            garrReferenceDrawing[static_cast<int>(i) + 1] = numbers[i];
    }
};

}  // namespace

TEST_F(DrawTest, ANewTicketIsDrawnAndCompared)
{
    openSample(kLotto649);
    ASSERT_GT(gDrum.glngPoolTotal, 0);
    draw(10);
    ASSERT_EQ(listed(), 10);
    EXPECT_EQ(garrTicketGrid.rowCount(), 10);
    EXPECT_EQ(garrTicketLines, board->lstTicket->lines());
    static const QRegularExpression line(QStringLiteral("^\\d\\d- \\d+ \\d+ \\d+ \\d+ \\d+ \\d+ \\(\\d(\\+1)?\\)$"));
    for (const QString &l : board->lstTicket->lines())
        EXPECT_TRUE(line.match(l).hasMatch()) << l.toStdString();
    EXPECT_TRUE(board->lstTicket->list(9).startsWith(QStringLiteral("10- ")));
    // "610": the bonus classes; seven lines and seven lines.
    EXPECT_TRUE(results(0).startsWith(QStringLiteral("Total: 10\r\n0 Catcher: ")));
    EXPECT_EQ(results(0).split(QStringLiteral("\r\n")).size(), 7);
    EXPECT_EQ(results(1).split(QStringLiteral("\r\n")).size(), 7);
    EXPECT_EQ(board->lstTicket->listIndex(), -1);  // no line selected after a comparison

    // Not incremental: the next DRAW makes a new ticket of its own columns.
    draw(4);
    EXPECT_EQ(listed(), 4);
    EXPECT_EQ(garrTicketGrid.rowCount(), 4);
    EXPECT_EQ(glngColumnsBefore, 0);
}

TEST_F(DrawTest, AnIncrementalTicketStopsAt32000Columns)
{
    openSample(kLotto649);
    draw(31995);
    ASSERT_EQ(listed(), 31995);
    draw(10, true);
    EXPECT_EQ(glngColumnsBefore, 31995);
    EXPECT_EQ(glngColumnsTarget, 5);
    EXPECT_EQ(listed(), 32000);
    EXPECT_EQ(garrTicketGrid.rowCount(), 32000);
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("5"));
    EXPECT_TRUE(results(0).startsWith(QStringLiteral("Total: 32000\r\n")));
    // Every column differs from every other.
    QSet<QString> columns;
    for (const QString &l : board->lstTicket->lines())
        columns.insert(l.section(u'-', 1));
    EXPECT_EQ(columns.size(), 32000);

    // A full ticket draws nothing; the box keeps a count it can draw with.
    draw(5, true);
    EXPECT_EQ(glngColumnsTarget, 0);
    EXPECT_EQ(listed(), 32000);
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("5"));
    EXPECT_TRUE(messages.asked().empty()) << messages.texts().join(u'\n').toStdString();

    // Not incremental, the same count makes a new ticket of that many columns.
    draw(10);
    EXPECT_EQ(listed(), 10);
}

TEST_F(DrawTest, AnEmptyPoolOrTheSkipFlagOnlyResets)
{
    openSample(kLotto649);
    draw(3);
    board->lblColumnNumber[2]->setCaption(QStringLiteral("17"));
    board->lblDrawingNumber[1]->setFontBold(true);
    for (int b = 1; b <= 49; ++b)
        gDrum.garrExcluded[b] = 1;
    board->subRefreshPool();
    ASSERT_EQ(gDrum.glngPoolTotal, 0);
    gblnSkipDraw = true;
    draw(10);
    EXPECT_EQ(listed(), 3);
    EXPECT_EQ(board->lblColumnNumber[2]->caption(), QStringLiteral("0"));
    EXPECT_FALSE(board->lblDrawingNumber[1]->fontBold());
    EXPECT_FALSE(DefaultInstance<frmColumnProgress>::exists());
    // The one-shot skip of Add and Delete is used up even by an empty pool.
    EXPECT_FALSE(gblnSkipDraw);

    // With a pool, the skip draws nothing once.
    gDrum.garrExcluded.fill(0);
    board->cmdPopulate_Click();
    ASSERT_GT(gDrum.glngPoolTotal, 0);
    gblnSkipDraw = true;
    draw(8);
    EXPECT_EQ(listed(), 3);
    EXPECT_FALSE(gblnSkipDraw);
    draw(8);
    EXPECT_EQ(listed(), 8);
}

TEST_F(DrawTest, StopBeforeTheFirstColumnLeavesNoColumn)
{
    openSample(kLotto649);
    draw(6);
    ASSERT_EQ(listed(), 6);
    frmColumnProgress::setSynchronousDisplay(false);
    // STOP comes before the dialog's first tick.
    QTimer::singleShot(0, [] {
        if (frmColumnProgress *dlg = DefaultInstance<frmColumnProgress>::existing())
            dlg->cmdStop_Click();
    });
    draw(20);
    EXPECT_EQ(glngColumnsMade, 0);
    EXPECT_EQ(garrTicketGrid.rowCount(), 0);
    EXPECT_EQ(listed(), 0);
    EXPECT_TRUE(results(0).isEmpty());
    EXPECT_TRUE(results(1).isEmpty());
}

TEST_F(DrawTest, TheColumnsBoxTakesOnlyACountFrom1To32000)
{
    openSample(kLotto649);
    board->txtColumnsToDraw_GotFocus();
    for (const char *typed : {"4", "40", "400", "4000", "40000"})
        board->txtColumnsToDraw->setText(QString::fromLatin1(typed));
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("10"));  // the text at focus
    for (const char *refused : {"", "0", "007", "-5", "1.5", "1e3", "32001"}) {
        board->txtColumnsToDraw->setText(QString::fromLatin1(refused));
        EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("10")) << refused;
    }
    board->txtColumnsToDraw->setText(QStringLiteral("32000"));
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("32000"));
}

TEST_F(DrawTest, CompareWithTheDrawingWritesTheSummaryOfTheBonusClasses)
{
    openSample(kLotto649);
    ticketOf({sixNumberColumn(0), sixNumberColumn(0), sixNumberColumn(0, true), sixNumberColumn(1), sixNumberColumn(1, true), sixNumberColumn(4), sixNumberColumn(1), sixNumberColumn(2),
              sixNumberColumn(3), sixNumberColumn(0)});
    drawing({1, 2, 3, 4, 5, 6, 7});
    board->lblColumnNumber[3]->setCaption(QStringLiteral("12"));
    board->main.lblColumnPowerTotal->setCaption(QStringLiteral("40"));
    board->txtGuess[1]->setFontBold(true);
    board->lblDrawingNumber[1]->setFontBold(true);
    gblnTicketColumnSelected = true;
    board->cmdCompare_Click();
    EXPECT_EQ(results(0), crlf({"Total: 10", "0 Catcher: 3", "0+1 Catcher: 1", "1 Catcher: 2", "1+1 Catcher: 1",
                                "2 Catcher: 1", "2+1 Catcher: 0"}));
    EXPECT_EQ(results(1), crlf({"3 Catcher: 1", "3+1 Catcher: 0", "4 Catcher: 1 (6)", "4+1 Catcher: 0",
                                "5 Catcher: 0", "5+1 Catcher: 0", "6 Catcher: 0"}));
    EXPECT_EQ(board->lstTicket->list(2), QStringLiteral("03- 7 20 21 22 23 24 (0+1)"));
    EXPECT_EQ(garrTicketLines[5], QStringLiteral("06- 1 2 3 4 20 21 (4)"));
    EXPECT_EQ(gstrTicketLine, QStringLiteral("10- 20 21 22 23 24 25 (0)"));
    EXPECT_EQ(glngTicketCells, 60);
    EXPECT_FALSE(gblnTicketColumnSelected);
    // The column labels and the guess marks are reset; the drawing marks stay.
    EXPECT_EQ(board->lblColumnNumber[3]->caption(), QStringLiteral("0"));
    EXPECT_EQ(board->main.lblColumnPowerTotal->caption(), QStringLiteral("0"));
    EXPECT_FALSE(board->txtGuess[1]->fontBold());
    EXPECT_TRUE(board->lblDrawingNumber[1]->fontBold());

    // Comparing again gives the same texts.
    const QStringList lines = board->lstTicket->lines();
    const QString low = results(0);
    board->cmdCompare_Click();
    EXPECT_EQ(board->lstTicket->lines(), lines);
    EXPECT_EQ(results(0), low);

    // Compare with an empty list does nothing at all.
    board->lstTicket->clear();
    board->lblColumnNumber[3]->setCaption(QStringLiteral("12"));
    board->cmdCompare_Click();
    EXPECT_EQ(board->lblColumnNumber[3]->caption(), QStringLiteral("12"));
    EXPECT_EQ(results(0), low);
}

TEST_F(DrawTest, CompareWithTheGuessReadsTheGuessBoxesAsText)
{
    openSample(kLotto649);
    ticketOf({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    drawing({1, 2, 3, 4, 5, 6, 7});
    const QStringList guess = {"", "7", "07", "8", "8", "0", "", "9"};
    for (int p = 1; p <= 7; ++p)
        board->txtGuess[p]->setText(guess[p]);
    gblnCompareWithGuess = true;
    board->cmdCompare_Click();
    gblnCompareWithGuess = false;
    // "07", "0" and "" never hit; the repeated 8 counts once; 9 in the bonus box.
    EXPECT_EQ(board->lstTicket->list(0), QStringLiteral("01- 1 2 3 4 5 6 (0)"));
    EXPECT_EQ(board->lstTicket->list(1), QStringLiteral("02- 7 8 9 10 11 12 (2+1)"));
    board->cmdCompare_Click();
    EXPECT_EQ(board->lstTicket->list(0), QStringLiteral("01- 1 2 3 4 5 6 (6)"));
}

TEST_F(DrawTest, SixNumbersWithoutBonusListTheirClassesWithoutBonus)
{
    // A "600" lottery of one drawing.
    openLottery(GameConfigRecord{1, QStringLiteral("Lotto 6/49"), 49, 0, 0, 6, 0, 0},
                drawings({{1, 2, 3, 4, 5, 6}}));
    ASSERT_EQ(gstrGameCode, QStringLiteral("600"));
    ticketOf({sixNumberColumn(0), sixNumberColumn(1), sixNumberColumn(2), sixNumberColumn(0), sixNumberColumn(1), sixNumberColumn(0), sixNumberColumn(4), sixNumberColumn(2), sixNumberColumn(1),
              sixNumberColumn(0)});
    board->cmdCompare_Click();
    EXPECT_EQ(results(0), crlf({"Total: 10", "0 Catcher: 4", "1 Catcher: 3", "2 Catcher: 2"}));
    EXPECT_EQ(results(1), crlf({"3 Catcher: 0", "4 Catcher: 1 (7)", "5 Catcher: 0", "6 Catcher: 0"}));
    EXPECT_EQ(board->lstTicket->list(6), QStringLiteral("07- 1 2 3 4 20 21 (4)"));

    // DRAW on this game compares without bonus classes.
    draw(25);
    EXPECT_EQ(results(0).split(QStringLiteral("\r\n")).size(), 4);
    EXPECT_FALSE(board->lstTicket->lines().join(QString()).contains(u'+'));
}

#include "analysis/state.h"
#include "analysis/ticketfile.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "support/sandbox.h"
#include "support/testboard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const GameShape kLotto649 = GameShape::lotto(49, 6, 1);      // "610"
const GameShape kTwoDrum = GameShape::twoDrum(50, 5, 12, 2);  // "2P520"

void setGame(const GameShape &g) { g.makeCurrent(); }

// A board of the family with the saved ticket "week" of a lottery whose file suffix is SM01.
class TicketLoader : public ::testing::Test {
protected:
    void SetUp() override
    {
        gstrSavedTicketsFolder = sandbox.programFolder() + QStringLiteral("/SavedTickets/");
        QDir().mkpath(gstrSavedTicketsFolder);
        gstrFileSuffix = QStringLiteral("SM01");
        gstrTicketName = QStringLiteral("week");
        gstrRecordFileName = QStringLiteral("weekSM01");
        gstrWindowCaption = QStringLiteral("Lotto 6/49");
        gstrLoadedTicketText = res(30430);
        gblnTicketLoad = true;
        setGame(kLotto649);
        garrTicketGrid = TicketGrid(1, 6);
        garrTicketLines.clear();
        glngGridSize = 0;
    }
    void TearDown() override
    {
        gblnTicketLoad = false;
        gstrTicketName.clear();
    }
    void write(const QByteArray &bytes)
    {
        QFile file(gstrSavedTicketsFolder + QStringLiteral("M01_week.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    // The board's ticket agrees with itself: list, lines, grid and count.
    void expectTicket(const TestBoard &board, const QStringList &lines)
    {
        EXPECT_EQ(board.lstTicket->lines(), lines);
        EXPECT_EQ(garrTicketLines, lines);
        EXPECT_EQ(garrTicketGrid.rowCount(), lines.size());
        EXPECT_EQ(glngGridSize, lines.size());
    }

    Sandbox sandbox;
};

}  // namespace

TEST_F(TicketLoader, AGoodFileGivesTheListTheGridAndTheCaption)
{
    TestBoard board;
    write("3\r\n01- 4 8 15 16 23 42 (3)\r\n02- 1 2 3 4 5 6 (0+1)\r\n03- 0 10 20 30 40 49 (1)\r\n");
    board.subLoadTicketTextFile();
    expectTicket(board, {"01- 4 8 15 16 23 42 (3)", "02- 1 2 3 4 5 6 (0+1)", "03- 0 10 20 30 40 49 (1)"});
    EXPECT_EQ(garrTicketGrid.firstPosition(), 1);
    EXPECT_EQ(garrTicketGrid.lastPosition(), 6);
    const int32_t *row = garrTicketGrid.row(1);
    EXPECT_EQ(std::vector<int32_t>(row, row + 6), (std::vector<int32_t>{4, 8, 15, 16, 23, 42}));
    EXPECT_EQ(garrTicketGrid.at(3, 1), 0);  // a position left empty by a hand-made column
    EXPECT_EQ(board.windowTitle(), QStringLiteral("Lotto 6/49 (week -  Loaded Ticket)"));
    EXPECT_TRUE(board.ticketReadProblem().isEmpty());

    // Lines with LF only read the same; reading twice gives the same list.
    write("1\n01- 4 8 15 16 23 42 (3)\n");
    board.subLoadTicketTextFile();
    board.subLoadTicketTextFile();
    expectTicket(board, {"01- 4 8 15 16 23 42 (3)"});
}

TEST_F(TicketLoader, AShortFileOrAnEmptyLineEndsTheTicketWhereItStops)
{
    TestBoard board;
    write("4\r\n01- 4 8 15 16 23 42 (3)\r\n\r\n03- 1 2 3 4 5 6 (0)\r\n");
    board.subLoadTicketTextFile();
    expectTicket(board, {"01- 4 8 15 16 23 42 (3)"});
    EXPECT_EQ(board.ticketReadProblem(), res(48020).arg(1).arg(4).arg(QStringLiteral("week")));
    // One column read is told in the singular.
    glngLanguage = 3;
    board.subLoadTicketTextFile();
    EXPECT_TRUE(board.ticketReadProblem().contains(QStringLiteral("seule 1 de ses 4 colonnes a pu être lue")))
        << board.ticketReadProblem().toStdString();
    glngLanguage = 2;

    write("3\r\n01- 4 8 15 16 23 42 (3)\r\n02- 1 2 3 4 5 6 (0)");
    board.subLoadTicketTextFile();
    expectTicket(board, {"01- 4 8 15 16 23 42 (3)", "02- 1 2 3 4 5 6 (0)"});
    EXPECT_FALSE(board.ticketReadProblem().isEmpty());
}

TEST_F(TicketLoader, ABadCountReadsNothing)
{
    TestBoard board;
    board.lstTicket->setLines({"01- 1 2 3 4 5 6 (0)"});
    garrTicketGrid.resizeRows(1);
    for (const QByteArray &bytes : {QByteArray("three\r\n01- 4 8 15 16 23 42 (3)\r\n"), QByteArray("1.5\r\n"),
                                    QByteArray("")}) {
        write(bytes);
        board.subLoadTicketTextFile();
        expectTicket(board, {});
        EXPECT_EQ(board.ticketReadProblem(), res(48030).arg(QStringLiteral("week"))) << bytes.constData();
    }
    // A count of 0 (or less) is an empty ticket, and no fault.
    write("0\r\n01- 4 8 15 16 23 42 (3)\r\n");
    board.subLoadTicketTextFile();
    expectTicket(board, {});
    EXPECT_TRUE(board.ticketReadProblem().isEmpty());
}

TEST_F(TicketLoader, ALineThatIsNoColumnOfTheGameStopsTheReading)
{
    TestBoard board;
    const QByteArray good = "01- 4 8 15 16 23 42 (3)\r\n";
    const QByteArray bad[] = {
        "02- 4 8 15 16 23 50 (3)",     // above the highest ball
        "02- 4 8 15 16 -1 42 (3)",     // below the lowest
        "02- 4 8 15 16 23 (3)",        // five numbers
        "02- 4 8 15 16 23 42 7 (3)",   // seven numbers
        "02- 4 8 15 16 23 42",         // no hit count
        "02- 4 8 15 16 23 042 (3)",    // not written as a plain number
        "02-  4 8 15 16 23 42 (3)",    // two blanks
        "02 4 8 15 16 23 42 (3)",      // no column number
        "02- 4 8 15 16 23 42 (x)",
    };
    for (const QByteArray &line : bad) {
        write("3\r\n" + good + line + "\r\n" + good);
        board.subLoadTicketTextFile();
        expectTicket(board, {"01- 4 8 15 16 23 42 (3)"});
        EXPECT_FALSE(board.ticketReadProblem().isEmpty()) << line.constData();
    }
}

TEST_F(TicketLoader, NeverMoreThan32000Columns)
{
    TestBoard board;
    QByteArray bytes = "32001\r\n";
    for (int c = 1; c <= 32001; ++c)
        bytes += "01- 4 8 15 16 23 42 (3)\r\n";
    write(bytes);
    board.subLoadTicketTextFile();
    EXPECT_EQ(board.lstTicket->listCount(), 32000);
    EXPECT_EQ(garrTicketGrid.rowCount(), 32000);
    EXPECT_EQ(glngGridSize, 32000);
    EXPECT_EQ(board.ticketReadProblem(), res(48020).arg(32000).arg(32001).arg(QStringLiteral("week")));
}

TEST_F(TicketLoader, AMissingFileLeavesTheTicketButNamesItInTheCaption)
{
    TestBoard board;
    board.lstTicket->setLines({"01- 1 2 3 4 5 6 (0)"});
    board.subLoadTicketTextFile();
    EXPECT_EQ(board.lstTicket->lines(), QStringList{QStringLiteral("01- 1 2 3 4 5 6 (0)")});
    EXPECT_EQ(board.windowTitle(), QStringLiteral("Lotto 6/49 (week -  Loaded Ticket)"));
    EXPECT_TRUE(board.ticketReadProblem().isEmpty());

    // Opening a lottery without loading a ticket leaves the caption alone.
    gblnTicketLoad = false;
    board.setWindowTitle(QStringLiteral("Lotto 6/49"));
    write("1\r\n01- 4 8 15 16 23 42 (3)\r\n");
    board.subLoadTicketTextFile();
    EXPECT_EQ(board.windowTitle(), QStringLiteral("Lotto 6/49"));
    EXPECT_EQ(board.lstTicket->listCount(), 1);
}

TEST_F(TicketLoader, TwoDrumLinesHoldBothDrums)
{
    setGame(kTwoDrum);
    TestBoard board(BoardFamily::TwoPool);
    write("3\r\n07- 3 11 25 38 44 2 12 (2+1)\r\n08- 1 9 17 30 45 0 6 (0)\r\n09- 1 9 17 30 45 13 6 (0)\r\n");
    board.subLoadTicketTextFile();
    expectTicket(board, {"07- 3 11 25 38 44 2 12 (2+1)", "08- 1 9 17 30 45 0 6 (0)"});
    EXPECT_EQ(board.ticketReadProblem(), res(48020).arg(2).arg(3).arg(QStringLiteral("week")));
    EXPECT_EQ(garrTicketGrid.lastPosition(), 7);
    EXPECT_EQ(garrTicketGrid.at(1, 7), 12);
    EXPECT_EQ(garrTicketGrid.at(2, 6), 0);
}

TEST(TicketFile, BytesAndPath)
{
    EXPECT_EQ(fncTicketFileBytes({}), QByteArray("0\r\n"));
    EXPECT_EQ(fncTicketFileBytes({QStringLiteral("01- 1 2 3 (0)")}), QByteArray("1\r\n01- 1 2 3 (0)\r\n"));
    EXPECT_EQ(fncTicketTextFilePath(QStringLiteral("/t/"), QStringLiteral("SM01"), QStringLiteral("big week")),
              QStringLiteral("/t/M01_big week.txt"));
}

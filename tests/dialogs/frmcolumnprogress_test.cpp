// The column-generation progress dialog: runs to the target, STOP and every other way of closing
// it, the bars and counts, the limit of 32000 columns.

#include "analysis/generator.h"
#include "analysis/state.h"
#include "app/globals.h"
#include "dialogs/frmcolumnprogress.h"
#include "platform/ui/forms.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Progress = DefaultInstance<frmColumnProgress>;

// A run that adds `perCall` columns of 1..width per time slice (0: never makes one).
struct FakeRun : IColumnRun {
    int perCall = 0;
    int calls = 0;
    RunStatus runFor(std::chrono::nanoseconds) override
    {
        ++calls;
        for (int i = 0; i < perCall && glngColumnsMade < glngColumnsTarget; ++i) {
            ++glngColumnsMade;
            const int row = glngColumnsBefore + glngColumnsMade;
            garrTicketGrid.resizeRows(row);
            for (int k = 0; k < garrTicketGrid.width(); ++k)
                garrTicketGrid.row(row)[k] = k + 1 + (row % 40);
        }
        return glngColumnsMade >= glngColumnsTarget ? RunStatus::TargetReached : RunStatus::Running;
    }
};

class ColumnProgress : public ::testing::Test {
protected:
    void SetUp() override
    {
        glngLanguage = 2;
        garrTicketGrid = TicketGrid(1, 6);
        glngColumnsMade = 0;
        frmColumnProgress::setSynchronousDisplay(false);
    }
    void TearDown() override
    {
        frmColumnProgress::setSynchronousDisplay(false);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        garrTicketGrid = TicketGrid();
        glngColumnsBefore = glngColumnsTarget = glngColumnsMade = 0;
    }
    // A ticket of `rows` columns already made.
    static void ticketOf(int rows)
    {
        garrTicketGrid = TicketGrid(1, 6);
        garrTicketGrid.resizeRows(rows);
        for (int r = 1; r <= rows; ++r)
            for (int k = 0; k < 6; ++k)
                garrTicketGrid.row(r)[k] = k + 1;
    }
    // Runs `action` on the dialog once it is up and stops the run if it is still going after a
    // long while, so that no test can hang.
    static void whenShown(int delayMs, std::function<void(frmColumnProgress *)> action)
    {
        QTimer::singleShot(delayMs, [action] {
            if (frmColumnProgress *dlg = Progress::existing())
                action(dlg);
        });
        QTimer::singleShot(10000, [] {
            if (frmColumnProgress *dlg = Progress::existing())
                dlg->cmdStop_Click();
        });
    }
};

GeneratorSetup lotto649(uint64_t seed)
{
    GeneratorSetup s;
    s.firstPosition = 1;
    s.lastPosition = 6;
    s.main.drum.maxBall = 49;
    s.main.drum.columnCount = 6;
    s.main.pool = Pool(1, std::vector<int64_t>(49, 3));
    s.main.pickCount = BallArray<int32_t>(0, 49, 0);
    s.main.guarantees.assign(6, std::nullopt);
    s.seed = seed;
    return s;
}

}  // namespace

TEST_F(ColumnProgress, RunsToTheTargetAndUnloads)
{
    glngColumnsBefore = 0;
    glngColumnsTarget = 500;
    TicketColumnGenerator gen(lotto649(8));
    frmColumnProgress *dlg = Progress::get();
    EXPECT_EQ(dlg->Display(gen), frmColumnProgress::Outcome::TargetReached);
    EXPECT_FALSE(Progress::exists());
    EXPECT_EQ(glngColumnsMade, 500);
    EXPECT_EQ(garrTicketGrid.rowCount(), 500);
    EXPECT_EQ(dlg->lblTotalColumns->caption(), QStringLiteral("500"));
    EXPECT_EQ(dlg->cmdStop->caption(), QStringLiteral("STOP"));
    EXPECT_EQ(dlg->lblColumnCaption[0]->caption(), QStringLiteral("Existing columns"));
    EXPECT_EQ(dlg->lblColumnCaption[1]->caption(), QStringLiteral("New columns adding"));
    EXPECT_EQ(dlg->lblColumnCaption[2]->caption(), QStringLiteral("Total columns"));
}

TEST_F(ColumnProgress, NoColumnsAtAllClosesAtOnceWithAnEmptyBar)
{
    ticketOf(4);  // a ticket not kept: a run of 0 columns leaves it as it is
    glngColumnsBefore = 0;
    glngColumnsTarget = 0;
    FakeRun run;
    frmColumnProgress *dlg = Progress::get();
    EXPECT_EQ(dlg->Display(run), frmColumnProgress::Outcome::TargetReached);
    EXPECT_EQ(run.calls, 0);
    EXPECT_EQ(garrTicketGrid.rowCount(), 4);
    EXPECT_EQ(dlg->shpExistingBar->Width(), 0);
    EXPECT_EQ(dlg->lblExistingColumns->caption(), QStringLiteral("0"));
    EXPECT_EQ(dlg->lblExistingColumns->Left(), 285 - dlg->lblExistingColumns->Width() / 2);
    EXPECT_EQ(dlg->lblTotalColumns->caption(), QStringLiteral("0"));
}

// STOP, Escape and closing the window all stop a run; the columns before it stay, and on a new
// ticket no column is left at all.
TEST_F(ColumnProgress, EveryWayOfStoppingKeepsTheColumnsBefore)
{
    const std::function<void(frmColumnProgress *)> ways[] = {
        [](frmColumnProgress *dlg) { QTest::mouseClick(dlg->cmdStop, Qt::LeftButton); },
        [](frmColumnProgress *dlg) { QTest::keyClick(dlg, Qt::Key_Escape); },
        [](frmColumnProgress *dlg) { dlg->close(); },
    };
    for (size_t way = 0; way < std::size(ways); ++way) {
        for (const int before : {3, 0}) {
            SCOPED_TRACE(testing::Message() << "way " << way << ", columns before " << before);
            ticketOf(before ? before : 5);
            glngColumnsBefore = before;
            glngColumnsTarget = 10;
            glngColumnsMade = 0;
            FakeRun run;  // never finds a column
            // Stops once the run has been asked for a column (a busy machine may show the dialog late).
            std::function<void(frmColumnProgress *)> stopWhenRunning = [&](frmColumnProgress *dlg) {
                if (run.calls > 0)
                    return ways[way](dlg);
                QTimer::singleShot(5, [&] {
                    if (frmColumnProgress *shown = Progress::existing())
                        stopWhenRunning(shown);
                });
            };
            whenShown(30, stopWhenRunning);
            EXPECT_EQ(Progress::get()->Display(run), frmColumnProgress::Outcome::Stopped);
            EXPECT_GT(run.calls, 0);
            EXPECT_FALSE(Progress::exists());
            EXPECT_EQ(glngColumnsMade, 0);
            EXPECT_EQ(garrTicketGrid.rowCount(), before);
        }
    }
}

TEST_F(ColumnProgress, StopAfterColumnsKeepsEveryCompleteColumn)
{
    ticketOf(2);
    glngColumnsBefore = 2;
    glngColumnsTarget = 30000;
    FakeRun run;
    run.perCall = 1;
    whenShown(60, [](frmColumnProgress *dlg) { QTest::mouseClick(dlg->cmdStop, Qt::LeftButton); });
    EXPECT_EQ(Progress::get()->Display(run), frmColumnProgress::Outcome::Stopped);
    ASSERT_GT(glngColumnsMade, 0);
    ASSERT_LT(glngColumnsMade, 30000);
    EXPECT_EQ(garrTicketGrid.rowCount(), 2 + glngColumnsMade);
    for (int r = 1; r <= garrTicketGrid.rowCount(); ++r)
        EXPECT_NE(garrTicketGrid.at(r, 1), 0) << r;
}

TEST_F(ColumnProgress, TheTotalNeverPassesTheTicketLimit)
{
    ticketOf(31990);
    glngColumnsBefore = 31990;
    glngColumnsTarget = cappedColumnsTarget(31990, 50);
    FakeRun run;
    run.perCall = 4;
    frmColumnProgress *dlg = Progress::get();
    EXPECT_EQ(dlg->Display(run), frmColumnProgress::Outcome::TargetReached);
    EXPECT_EQ(dlg->lblTotalColumns->caption(), QStringLiteral("32000"));
    EXPECT_EQ(garrTicketGrid.rowCount(), 32000);
    // The first count would touch the total: it moves one width further left.
    const int barEnd = dlg->shpExistingBar->Left() + dlg->shpExistingBar->Width();
    EXPECT_EQ(dlg->lblExistingColumns->Left(), barEnd - 2 * dlg->lblExistingColumns->Width());
    EXPECT_EQ(dlg->shpExistingBar->Width(), 9177);  // 9180 / 32000 x 31990
}

TEST_F(ColumnProgress, ARunThatGivesUpKeepsItsColumns)
{
    GeneratorSetup s = lotto649(3);
    s.main.pool = Pool(1, {1, 1, 1, 1, 1, 1, 1});  // seven balls: seven columns at most
    s.watchdogLimit = 20000;
    glngColumnsBefore = 0;
    glngColumnsTarget = 20;
    TicketColumnGenerator gen(s);
    EXPECT_EQ(Progress::get()->Display(gen), frmColumnProgress::Outcome::GaveUp);
    EXPECT_EQ(glngColumnsMade, 7);
    EXPECT_EQ(garrTicketGrid.rowCount(), 7);
}

TEST_F(ColumnProgress, PressingOnTheDialogMovesIt)
{
    glngColumnsBefore = 0;
    glngColumnsTarget = 10;
    FakeRun run;
    int drags = 0;
    whenShown(30, [&drags](frmColumnProgress *dlg) {
        QTest::mousePress(dlg->lblColumnCaption[1], Qt::LeftButton);
        QTest::mousePress(dlg->fraColumns, Qt::RightButton);
        QTest::mousePress(dlg->lblTotalColumns, Qt::LeftButton);
        drags = dlg->dragRequests();
        dlg->cmdStop_Click();
    });
    Progress::get()->Display(run);
    EXPECT_EQ(drags, 3);
}

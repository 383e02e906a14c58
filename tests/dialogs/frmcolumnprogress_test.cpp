// The column-generation progress dialog: runs to the target, STOP and every other way of closing
// it, the bars and counts, the limit of 32000 columns.

#include "analysis/generator.h"
#include "analysis/state.h"
#include "app/globals.h"
#include "dialogs/driving.h"
#include "dialogs/frmcolumnprogress.h"
#include "platform/ui/forms.h"

#include <QLabel>
#include <QTimer>

namespace {

using Progress = DefaultInstance<frmColumnProgress>;

// A run that adds `perCall` columns per time slice (0: never finds one).
struct FakeRun : IColumnRun {
    int perCall = 0, calls = 0;
    RunStatus runFor(std::chrono::nanoseconds) override
    {
        ++calls;
        for (int i = 0; i < perCall && glngColumnsMade < glngColumnsTarget; ++i) {
            const int row = glngColumnsBefore + ++glngColumnsMade;
            garrTicketGrid.resizeRows(row);
            for (int k = 0; k < garrTicketGrid.width(); ++k)
                garrTicketGrid.row(row)[k] = k + 1 + (row % 40);
        }
        return glngColumnsMade >= glngColumnsTarget ? RunStatus::TargetReached : RunStatus::Running;
    }
};

class ColumnProgress : public ::testing::Test {
protected:
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        garrTicketGrid = TicketGrid();
        glngColumnsBefore = glngColumnsTarget = glngColumnsMade = 0;
    }
    // A ticket of `rows` columns, of which `kept` stay, and `target` more to make.
    static void ticket(int rows, int kept, int target)
    {
        garrTicketGrid = TicketGrid(1, 6);
        garrTicketGrid.resizeRows(rows);
        for (int r = 1; r <= rows; ++r)
            for (int k = 0; k < 6; ++k)
                garrTicketGrid.row(r)[k] = k + 1;
        glngColumnsBefore = kept;
        glngColumnsTarget = target;
        glngColumnsMade = 0;
    }
    // Runs `action` on the shown dialog once the run has been asked for a column.
    static void onceRunning(FakeRun &run, const std::function<void(frmColumnProgress *)> &action)
    {
        QTimer::singleShot(20, [&run, action] {
            if (frmColumnProgress *dialog = Progress::existing(); dialog && run.calls > 0)
                return action(dialog);
            onceRunning(run, action);
        });
    }
    static QString caption(frmColumnProgress *dialog, const char *name) { return named<QLabel>(dialog, name)->text(); }
};

GeneratorSetup lotto649(uint64_t seed, int balls = 49)
{
    GeneratorSetup s;
    s.firstPosition = 1;
    s.lastPosition = 6;
    s.main.drum.maxBall = 49;
    s.main.drum.columnCount = 6;
    s.main.pool = Pool(1, std::vector<int64_t>(size_t(balls), 3));
    s.main.pickCount = BallArray<int32_t>(0, 49, 0);
    s.main.guarantees.assign(6, std::nullopt);
    s.seed = seed;
    return s;
}

}  // namespace

// A real run to its target, one that gives up (seven balls make seven columns at most) and a run
// of no columns at all: each unloads the dialog and keeps every column made.
TEST_F(ColumnProgress, RunsToTheTargetOrGivesUpAndUnloads)
{
    ticket(0, 0, 500);
    TicketColumnGenerator generator(lotto649(8));
    frmColumnProgress *dialog = Progress::get();
    EXPECT_EQ(dialog->Display(generator), frmColumnProgress::Outcome::TargetReached);
    EXPECT_EQ(std::tuple(Progress::exists(), glngColumnsMade, garrTicketGrid.rowCount()), std::tuple(false, 500, 500));
    EXPECT_EQ(std::tuple(caption(dialog, "lblTotalColumns"), named<QPushButton>(dialog, "cmdStop")->text(),
                         caption(dialog, "lblColumnCaption(1)")),
              std::tuple(QStringLiteral("500"), QStringLiteral("STOP"), QStringLiteral("New columns adding")));

    GeneratorSetup seven = lotto649(3, 7);
    seven.watchdogLimit = 20000;
    ticket(0, 0, 20);
    TicketColumnGenerator gen(seven);
    EXPECT_EQ(Progress::get()->Display(gen), frmColumnProgress::Outcome::GaveUp);
    EXPECT_EQ(std::pair(glngColumnsMade, garrTicketGrid.rowCount()), std::pair(7, 7));

    ticket(4, 0, 0);  // a ticket not kept: a run of 0 columns leaves it as it is
    FakeRun none;
    dialog = Progress::get();
    EXPECT_EQ(dialog->Display(none), frmColumnProgress::Outcome::TargetReached);
    EXPECT_EQ(std::tuple(none.calls, garrTicketGrid.rowCount(), named(dialog, "shpExistingBar")->width()), std::tuple(0, 4, 0));
}

// STOP, Escape and closing the window all stop a run; the columns before it stay (on a new ticket
// none), and so does every complete column made.
TEST_F(ColumnProgress, EveryWayOfStoppingKeepsTheColumnsBeforeAndTheCompleteOnes)
{
    const std::function<void(frmColumnProgress *)> ways[] = {
        [](frmColumnProgress *dialog) { click(dialog, "cmdStop"); },
        [](frmColumnProgress *dialog) {
            showActive(dialog);
            pressKey(Qt::Key_Escape);
        },
        [](frmColumnProgress *dialog) { dialog->close(); },
    };
    for (const auto &way : ways) {
        for (const int before : {3, 0}) {
            ticket(before ? before : 5, before, 10);
            FakeRun run;
            onceRunning(run, way);
            EXPECT_EQ(Progress::get()->Display(run), frmColumnProgress::Outcome::Stopped);
            EXPECT_EQ(std::tuple(Progress::exists(), glngColumnsMade, garrTicketGrid.rowCount()), std::tuple(false, 0, before));
        }
    }
    ticket(2, 2, 30000);
    FakeRun run;
    run.perCall = 1;
    onceRunning(run, [](frmColumnProgress *dialog) { click(dialog, "cmdStop"); });
    EXPECT_EQ(Progress::get()->Display(run), frmColumnProgress::Outcome::Stopped);
    ASSERT_GT(glngColumnsMade, 0);
    EXPECT_EQ(garrTicketGrid.rowCount(), 2 + glngColumnsMade);
    for (int r = 1; r <= garrTicketGrid.rowCount(); ++r)
        EXPECT_NE(garrTicketGrid.at(r, 1), 0) << r;
}

// Near the limit the run makes only what the ticket can hold; the bar of the columns kept stays
// within its track and their count clear of the total.
TEST_F(ColumnProgress, TheTotalNeverPassesTheTicketLimit)
{
    ticket(31990, 31990, cappedColumnsTarget(31990, 50));
    FakeRun run;
    run.perCall = 4;
    frmColumnProgress *dialog = Progress::get();
    EXPECT_EQ(dialog->Display(run), frmColumnProgress::Outcome::TargetReached);
    EXPECT_EQ(std::pair(caption(dialog, "lblTotalColumns"), garrTicketGrid.rowCount()), std::pair(QStringLiteral("32000"), 32000));
    const QRect track = named(dialog, "shpBarTrack")->geometry(), kept = named(dialog, "shpExistingBar")->geometry();
    EXPECT_TRUE(track.contains(kept) && kept.width() >= track.width() - 2);
    EXPECT_FALSE(named(dialog, "lblExistingColumns")->geometry().intersects(named(dialog, "lblTotalColumns")->geometry()));
}

// The user's road through the program, end to end: the start-up routine with no last lottery, the
// sample 6/49 lottery loaded through the file dialog, POWER, POPULATE, DRAW, a ticket saved,
// loaded again and deleted, a drawing added and deleted in the lottery manager, the help, the
// report and Exit; at each step what the user sees and what the program keeps on disk.

#include "analysis/clslotterydb.h"
#include "analysis/generator.h"
#include "analysis/samplelotteries.h"
#include "analysis/state.h"
#include "analysis/ui/clsanalysis.h"
#include "analysis/ui/textwindows.h"
#include "app/clsregistry.h"
#include "app/globals.h"
#include "app/instancecheck.h"
#include "app/services.h"
#include "app/settingsstore.h"
#include "app/startup.h"
#include "boards/lotto/frmlottoboard.h"
#include "dialogs/frmcolumnprogress.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmlotterymanager.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/dates.h"
#include "platform/ui/forms.h"
#include "platform/ui/screen.h"
#include "support/modal.h"
#include "support/sandbox.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTest>

namespace {

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

frmLottoBoard *boardShown()
{
    auto *board = dynamic_cast<frmLottoBoard *>(currentBoard());
    return board && board->isVisible() ? board : nullptr;
}

// Picks `name` in the file dialog's list as the user clicks it, then presses `action`.
void pickAndPress(frmFileManager *dialog, const QString &name, VbButton *action)
{
    const int row = static_cast<int>(dialog->lstNames->lines().indexOf(name));
    ASSERT_GE(row, 0) << name.toStdString();
    dialog->lstNames->setListIndex(row);
    ASSERT_EQ(dialog->txtName->text(), name);
    action->click();
}

class UserRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(samples::writeSampleLotteries(sandbox.programFolder()).errors.isEmpty());
        setScreenMetricsOverride(ScreenMetrics{1920, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)});
        frmColumnProgress::setSynchronousDisplay(true);
        setGeneratorSeedForTests(7u);
        glngLanguage = 2;
        gstrLastLotteryDbFile.clear();
        gstrLotteryDbFile.clear();
        gfrmCurrentBoard = nullptr;
    }
    void TearDown() override
    {
        if (IBoard *board = currentBoard())
            board->unloadBoard();
        unloadStartWindow();
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->close();
        gfrmCurrentBoard = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        releaseServiceObjects();
        releaseInstanceLock();
        clsAnalysis::setReportOpenerForTests({});
        setScreenMetricsOverride(std::nullopt);
        frmColumnProgress::setSynchronousDisplay(false);
        setGeneratorSeedForTests(std::nullopt);
        gstrNotepadPath.clear();
        gstrLastLotteryDbFile.clear();
        gstrLotteryDbFile.clear();
        gstrTicketName.clear();
        gblnTicketLoad = false;
        gblnTicketMode = false;
        glngHelpHwnd = 0;
        glngLanguage = 2;
    }

    Sandbox sandbox;
    MessageBoxScript answers;
};

}  // namespace

TEST_F(UserRoad, FromTheStartWindowThroughEveryMenuToExit)
{
    // Start-up with no last lottery: the start window in front with its hint.
    ASSERT_TRUE(Main());
    frmStart *start = DefaultInstance<frmStart>::existing();
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(gfrmCurrentBoard.data(), start);
    EXPECT_TRUE(start->isVisible());
    EXPECT_EQ(start->lblStatus->caption(), QStringLiteral("You can select a lottery from LOTTERY -> LOAD pull-down menu."));
    const QString program = sandbox.programFolder() + u'/';
    const QString tickets = program + QStringLiteral("SavedTickets/");

    // Lottery > Load: the sample 6/49 picked in the file dialog opens into its board.
    answers.answerNext(msgbox::kYes);
    QStringList offered;
    whenModal<frmFileManager>([&](frmFileManager *dialog) {
        offered = dialog->lstNames->lines();
        pickAndPress(dialog, QStringLiteral("Sample Lotto 6-49"), dialog->cmdLoad);
    });
    start->mnuLotteryLoad->trigger();
    EXPECT_TRUE(offered.contains(QStringLiteral("Sample Pick 3")));
    frmLottoBoard *board = boardShown();
    ASSERT_NE(board, nullptr) << answers.texts().join(u'\n').toStdString();
    EXPECT_FALSE(DefaultInstance<frmStart>::exists());
    EXPECT_FALSE(DefaultInstance<frmFileManager>::exists());
    EXPECT_EQ(gstrGameCode, QStringLiteral("610"));
    EXPECT_EQ(board->windowTitle(), QStringLiteral("TALVINOR - Sample Country - Sample Lotto 6/49 - Lotto 6/49 + Bonus"));
    EXPECT_EQ(board->staMain->panelText(3), QStringLiteral("Sample Country - Sample Lotto 6/49 - Lotto 6/49 + Bonus"));
    EXPECT_EQ(board->horizontalResolution(), 1920);
    EXPECT_EQ(board->geometry().size(), QSize(1030, 774));  // 15450 x 11610 twips, not maximised
    EXPECT_EQ(answers.asked().size(), 1u) << answers.texts().join(u'\n').toStdString();
    const int32_t drawings = glngTotalWeeks;
    ASSERT_GT(drawings, 100);
    EXPECT_EQ(board->cboEndDrawing->text(), QString::number(drawings));
    EXPECT_EQ(board->cboEndDrawing->listCount(), drawings);
    EXPECT_TRUE(board->shpBonusMarkB[0]->Visible());

    // POWER over the last 100 drawings, POPULATE, DRAW of 12 columns.
    board->cboStartDrawing->setListIndex(99);
    board->cmdPower->click();
    EXPECT_EQ(glngStartWeek, drawings - 99);
    EXPECT_EQ(board->staMain->panelText(1),
              QStringLiteral(" Starting draw: %1 - Ending draw:%2 - Draw date: %3")
                  .arg(drawings - 99).arg(drawings).arg(board->cboDrawingDate->text()));
    EXPECT_TRUE(board->main.lblTotalPicks[49]->isVisible());
    board->cmdPopulate->click();
    ASSERT_GT(gDrum.glngPoolTotal, 0);
    EXPECT_EQ(board->staMain->panelText(2),
              QStringLiteral(" Total Ball Amount in the Pool: %1").arg(gDrum.glngPoolTotal));
    board->txtColumnsToDraw->setText(QStringLiteral("12"));
    board->cmdDraw->click();
    const QStringList drawn = board->lstTicket->lines();
    ASSERT_EQ(drawn.size(), 12);
    EXPECT_TRUE(drawn[11].startsWith(QStringLiteral("12- ")));
    EXPECT_TRUE(board->txtResults[0]->text().startsWith(QStringLiteral("Total: 12\r\n0 Catcher: ")));

    // Ticket > Save under a typed name: the record and the text file of the ticket.
    answers.answerNext(msgbox::kYes);
    whenModal<frmFileManager>([](frmFileManager *dialog) {
        dialog->txtName->setFocus();
        QTest::keyClicks(dialog->txtName, QStringLiteral("my week"));  // the blank is refused
        dialog->cmdSave->click();
    });
    board->mnuTicketSave->trigger();
    EXPECT_FALSE(DefaultInstance<frmFileManager>::exists());
    EXPECT_TRUE(QFile::exists(tickets + QStringLiteral("myweekSM01")));
    EXPECT_EQ(fileLines(tickets + QStringLiteral("M01_myweek.txt")), QStringList{QStringLiteral("12")} + drawn);

    // A new ticket of three columns, then Ticket > Load brings the saved one back on a new board.
    board->txtColumnsToDraw->setText(QStringLiteral("3"));
    board->cmdDraw->click();
    ASSERT_EQ(board->lstTicket->listCount(), 3);
    answers.answerNext(msgbox::kYes);
    whenModal<frmFileManager>([](frmFileManager *dialog) {
        pickAndPress(dialog, QStringLiteral("myweek"), dialog->cmdLoad);
    });
    board->mnuTicketLoad->trigger();
    board = boardShown();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->lstTicket->lines(), drawn);
    EXPECT_EQ(garrTicketGrid.rowCount(), 12);
    EXPECT_EQ(board->windowTitle(),
              QStringLiteral("TALVINOR - Sample Country - Sample Lotto 6/49 - Lotto 6/49 + Bonus (myweek -  Loaded Ticket)"));
    // The ticket's analysis window came back with it.
    EXPECT_EQ(board->cboStartDrawing->text(), QString::number(drawings - 99));

    // Ticket > Delete: both files go, the dialog stays open until CLOSE.
    answers.answerNext(msgbox::kYes);
    bool stayedOpen = false;
    whenModal<frmFileManager>([&](frmFileManager *dialog) {
        pickAndPress(dialog, QStringLiteral("myweek"), dialog->cmdDelete);
        stayedOpen = DefaultInstance<frmFileManager>::existing() == dialog && dialog->lstNames->lines().isEmpty();
        dialog->cmdCancel->click();
    });
    board->mnuTicketDelete->trigger();
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(QDir(tickets).entryList(QDir::Files).isEmpty());

    // Lottery > Manage: a drawing added and deleted again; CLOSE reopens the lottery.
    const QDate newest = garrGameDates[1];
    int32_t afterAdd = 0, afterDelete = 0;
    bool startBehind = false, settingsKept = false;
    const QString settings = program + QStringLiteral("Sample Lotto 6-49SM01");
    QFile::remove(settings);
    whenModal<frmLotteryManager>([&](frmLotteryManager *manager) {
        startBehind = gfrmCurrentBoard == DefaultInstance<frmStart>::existing() && currentBoard() == nullptr;
        settingsKept = QFile::exists(settings);
        manager->txtNewDate->setText(dates::toShortText(newest.addDays(3)));
        const QStringList numbers{"4", "9", "16", "25", "36", "49", "1"};
        for (int i = 1; i <= 7; ++i)
            manager->txtNewNumber[i]->setText(numbers[i - 1]);
        whenModal<frmLotteryManager>([&](frmLotteryManager *added) {
            afterAdd = gobjLotteryDb->fncGetMaxWeekNo().value();
            EXPECT_EQ(added->txtLastDate->text(), dates::toShortText(newest.addDays(3)));
            answers.answerNext(msgbox::kOk);
            whenModal<frmLotteryManager>([&](frmLotteryManager *deleted) {
                afterDelete = gobjLotteryDb->fncGetMaxWeekNo().value();
                deleted->cmdClose->click();
            });
            added->cmdDelete->click();
        });
        manager->cmdAddDrawing->click();
    });
    board->mnuLotteryManage->trigger();
    EXPECT_TRUE(startBehind);
    EXPECT_TRUE(settingsKept);  // saved before the board went
    EXPECT_FALSE(gblnTicketLoad);
    EXPECT_EQ(afterAdd, drawings + 1);
    EXPECT_EQ(afterDelete, drawings);
    EXPECT_FALSE(DefaultInstance<frmLotteryManager>::exists());
    board = boardShown();
    ASSERT_NE(board, nullptr);
    EXPECT_FALSE(DefaultInstance<frmStart>::exists());
    EXPECT_EQ(glngTotalWeeks, drawings);
    EXPECT_FALSE(gblnLotteryManagerOpen);

    // Help > Contents: the guide in its own window.
    board->mnuHelpContents->trigger();
    QPointer<QWidget> help = fncWindowFromHandle(glngHelpHwnd);
    ASSERT_FALSE(help.isNull());
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Help for TALVINOR"));

    // File > Print: the report of a new ticket handed to the text editor.
    board->txtColumnsToDraw->setText(QStringLiteral("5"));
    board->cmdDraw->click();
    ASSERT_EQ(board->lstTicket->listCount(), 5);
    gstrNotepadPath = program + QStringLiteral("editor");
    QFile editor(gstrNotepadPath);
    ASSERT_TRUE(editor.open(QIODevice::WriteOnly));
    editor.close();
    editor.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QString report;
    clsAnalysis::setReportOpenerForTests([&](const QString &, const QString &file) {
        report = fileLines(file).join(u'\n');
        QFile::remove(file);
        return true;
    });
    board->mnuFilePrintTicket->trigger();
    EXPECT_TRUE(report.startsWith(QStringLiteral("Sample Country - Sample Lotto 6/49 - Lotto 6/49 + Bonus\nDate: ")));
    EXPECT_TRUE(report.endsWith(board->lstTicket->list(4))) << report.toStdString();

    // File > Exit: the lottery's settings and the last lottery kept, the help closed, the end logged.
    QFile::remove(settings);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] { board->mnuFileExit->trigger(); });
    QTimer::singleShot(5000, &loop, [&] { loop.exit(99); });
    EXPECT_EQ(loop.exec(), 0);
    EXPECT_TRUE(QFile::exists(settings));
    EXPECT_TRUE(help.isNull() || !help->isVisible());
    EXPECT_EQ(gobjAnalysis, nullptr);
    EXPECT_EQ(clsRegistry().fncREGGetVersionVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                                settingsstore::kLastLotteryDbFile, QString()),
              QStringLiteral("Sample Lotto 6-49.mdb"));
    const QStringList log = fileLines(gstrLogFilePath);
    EXPECT_TRUE(log.contains(QStringLiteral("#Message: 42630")));
    EXPECT_EQ(log.filter(QStringLiteral("#Message: 43816")).size(), 3);  // three boards closed
    EXPECT_EQ(answers.asked().size(), 5u) << answers.texts().join(u'\n').toStdString();
}

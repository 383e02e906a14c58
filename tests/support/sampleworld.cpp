#include "sampleworld.h"

#include "analysis/clslotterydb.h"
#include "analysis/samplelotteries.h"
#include "analysis/state.h"
#include "analysis/ui/clsanalysis.h"
#include "app/globals.h"
#include "app/services.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmdatepicker.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmlotterymanager.h"
#include "dialogs/startwindow.h"
#include "platform/ui/forms.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

const QString SampleWorld::kLotto = QStringLiteral("Sample Lotto 6-49.mdb");
const QString SampleWorld::kTwoDrum = QStringLiteral("Sample Two-Drum 5-50 + 2-12.mdb");
const QString SampleWorld::kPick3 = QStringLiteral("Sample Pick 3.mdb");

void deleteUnloadedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

namespace {

// The requests and flags the tests change, as a fresh start has them.
void resetProgramState()
{
    gstrLotteryDbFile.clear();
    gstrLastLotteryDbFile.clear();
    gstrTicketName.clear();
    gblnTicketLoad = false;
    gblnTicketMode = false;
    gblnLotteryManagerOpen = false;
    gblnCompareWithGuess = false;
    glngHelpHwnd = 0;
    garrMessages.clear();
}

}  // namespace

SampleWorld::SampleWorld()
{
    glngLanguage = 2;
    sandbox.useProgramPaths();
    const samples::Outcome outcome = samples::writeSampleLotteries(sandbox.programFolder());
    EXPECT_TRUE(outcome.errors.isEmpty()) << outcome.errors.join(u'\n').toStdString();
    QDir().mkpath(gstrSavedTicketsFolder);
    resetProgramState();
    gstrWindowCaption = QStringLiteral("TALVINOR");
    gstrLoadedTicketText = QStringLiteral(" Loaded Ticket)");
    gfrmCurrentBoard = nullptr;
    createServiceObjects();
    setBoardFactory([](BoardFamily family) -> IBoard * { return new TestBoard(family); });
}

SampleWorld::~SampleWorld()
{
    DefaultInstance<frmDatePicker>::unload();
    DefaultInstance<frmLotteryManager>::unload();
    DefaultInstance<frmFileManager>::unload();
    DefaultInstance<frmAbout>::unload();
    if (IBoard *board = currentBoard())
        board->unloadBoard();
    unloadStartWindow();
    gfrmCurrentBoard = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->close();
    deleteUnloadedWindows();
    setBoardFactory({});
    clsAnalysis::setReportOpenerForTests({});
    releaseServiceObjects();
    resetProgramState();
}

void SampleWorld::open(const QString &databaseFile)
{
    gstrLotteryDbFile = databaseFile;
    gobjAnalysis->subOpenSelectedLottery();
    ASSERT_NE(board(), nullptr);
    ASSERT_TRUE(gobjLotteryDb->subOpenConnection()) << gobjLotteryDb->lastError().toStdString();
}

TestBoard *SampleWorld::board() const { return dynamic_cast<TestBoard *>(currentBoard()); }

QString SampleWorld::savedTickets() const { return gstrSavedTicketsFolder; }

#include "program/boardfactory.h"
#include "sampleworld.h"

#include "analysis/clslotterydb.h"
#include "analysis/generator.h"
#include "analysis/samplelotteries.h"
#include "analysis/openlottery.h"
#include "dialogs/lotteryswitch.h"
#include "dialogs/helpandreport.h"
#include "app/application.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmcolumnprogress.h"
#include "dialogs/frmdatepicker.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmlotterymanager.h"
#include "dialogs/startwindow.h"
#include "platform/ui/forms.h"
#include "platform/ui/screen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

const QString SampleWorld::kLotto = QStringLiteral("Sample Lotto 6-49.mdb");
const QString SampleWorld::kTwoDrum = QStringLiteral("Sample Two-Drum 5-50 + 2-12.mdb");
const QString SampleWorld::kPick3 = QStringLiteral("Sample Pick 3.mdb");
const QString SampleWorld::kTestLottery = QStringLiteral("Test Lottery.mdb");

void deleteUnloadedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

namespace {

// The program's state as a fresh start has it: a new application object.
void resetProgramState()
{
    makeApplication();
}

}  // namespace

SampleWorld::SampleWorld()
{
    resetProgramState();
    sandbox.useProgramPaths();
    app().gstrLogFolder = app().gstrAppFolder + QStringLiteral("LogFiles/");
    app().gstrLogFilePath = app().gstrLogFolder + QStringLiteral("TALVINOR.log");
    const samples::Outcome outcome = samples::writeSampleLotteries(sandbox.programFolder());
    EXPECT_TRUE(outcome.errors.isEmpty()) << outcome.errors.join(u'\n').toStdString();
    QDir().mkpath(app().gstrSavedTicketsFolder);
    QDir().mkpath(app().gstrLogFolder);
    app().gfrmCurrentBoard = nullptr;
    setScreenMetricsOverride(ScreenMetrics{1920, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)});
    frmColumnProgress::setSynchronousDisplay(true);
    app().generatorSeed = 20260501u;
    app().createServiceObjects();
    // The program's own boards.
    useProgramBoards();
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
    app().gfrmCurrentBoard = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->close();
    deleteUnloadedWindows();
    useProgramBoards();
    setReportOpenerForTests({});
    // The report files handed to the editor go as at the program's end.
    subRemoveReportFiles();
    app().releaseServiceObjects();
    setScreenMetricsOverride(std::nullopt);
    frmColumnProgress::setSynchronousDisplay(false);
    resetProgramState();
}

void SampleWorld::open(const QString &databaseFile)
{
    app().gstrLotteryDbFile = databaseFile;
    subOpenSelectedLottery();
    ASSERT_NE(board(), nullptr) << messages.texts().join(u'\n').toStdString();
}

void SampleWorld::openLottery(const GameConfigRecord &config, const History &history)
{
    writeLottery(config, history);
    open(kTestLottery);
}

void SampleWorld::writeLottery(const GameConfigRecord &config, const History &history)
{
    const QString file = kTestLottery;
    const LotteryRecord lottery{config.lotteryId, QStringLiteral("Test Lottery"), file, QStringLiteral("TL01"),
                                samples::sampleCountry().countryId};
    const std::pair<CatalogueKind, CatalogueTable> tables[] = {
        {CatalogueKind::Lotteries, samples::lotteryTable({lottery})},
        {CatalogueKind::GameConfigs, samples::gameConfigTable({config})},
        {CatalogueKind::Countries, samples::countryTable({samples::sampleCountry()})},
    };
    QString error;
    for (const auto &[kind, table] : tables) {
        const QString path = app().gstrAppFolder + catalogueFileName(kind);
        QFile::remove(path);
        ASSERT_EQ(samples::writeNewFile(path, catalogueBytes(table, DimensionOrder::ColumnsFirst), &error),
                  samples::WriteResult::Written)
            << error.toStdString();
    }
    QFile::remove(app().gstrLotteryDbsFolder + file);
    ASSERT_TRUE(lotterydb::createResultsDatabase(app().gstrLotteryDbsFolder + file, history,
                                                 samples::numbersPerDrawing(config), &error))
        << error.toStdString();
}

BoardBase *SampleWorld::board() const { return boardInFront(); }

void SampleWorld::closeBoard()
{
    if (IBoard *open = currentBoard())
        open->unloadBoard();
    app().gfrmCurrentBoard = nullptr;
    deleteUnloadedWindows();
}

bool SampleWorld::useStandInEditor() const
{
    app().gstrNotepadPath = sandbox.programFolder() + QStringLiteral("/editor");
    QFile editor(app().gstrNotepadPath);
    if (!editor.open(QIODevice::WriteOnly))
        return false;
    editor.close();
    return editor.setPermissions(editor.permissions() | QFileDevice::ExeOwner);
}

History SampleWorld::drawings(const std::vector<std::vector<int32_t>> &numbers)
{
    History h;
    int32_t week = 0;
    for (const auto &row : numbers) {
        Drawing d;
        d.weekNo = ++week;
        d.date = QDate(2024, 1, 3).addDays(7 * (week - 1));
        for (size_t i = 0; i < row.size() && i < d.numbers.size(); ++i)
            d.numbers[i] = row[i];
        h.push_back(d);
    }
    return h;
}

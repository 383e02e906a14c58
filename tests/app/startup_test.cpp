#include "analysis/clslotterydb.h"
#include "analysis/samplelotteries.h"
#include "app/apppaths.h"
#include "app/clsregistry.h"
#include "app/globals.h"
#include "app/instancecheck.h"
#include "app/osname.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/settingsstore.h"
#include "app/startup.h"
#include "app/ui/faulttext.h"
#include "boards/common/iboard.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/ui/forms.h"
#include "support/faults.h"
#include "support/sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QMenu>
#include <QProcess>
#include <QThread>
#include <sqlite3.h>
#include <gtest/gtest.h>

namespace {

const QString kSampleLotto = QStringLiteral("Sample Lotto 6-49.mdb");

QString logPath(const Sandbox &sandbox) { return sandbox.dataHome() + QStringLiteral("/TALVINOR/LogFiles/TALVINOR.log"); }

// The messages of the event log, in order.
QStringList loggedMessages(const Sandbox &sandbox)
{
    QFile file(logPath(sandbox));
    return !file.open(QIODevice::ReadOnly) ? QStringList() : QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n")).filter(QStringLiteral("#Message: "));
}

// Starts the program itself on the offscreen platform.
void startProgram(QProcess &program)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TALVINOR_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));
}

void storeLastLottery(const QString &file)
{
    clsRegistry().fncREGSetStringVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLastLotteryDbFile, file);
}

// Writes the sample lotteries into the sandbox's program folder; the path of the lotto's database.
QString sampleDatabase(const Sandbox &sandbox)
{
    EXPECT_TRUE(samples::writeSampleLotteries(sandbox.programFolder()).errors.isEmpty());
    return sandbox.programFolder() + QStringLiteral("/LotteryDBs/") + kSampleLotto;
}

// Runs the start-up procedure in a sandbox and undoes it afterwards.
class StartupRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        gfrmCurrentBoard = nullptr;
        gstrLastLotteryDbFile.clear();
        gstrLotteryDbFile.clear();
        frmStart::setScreenMetricsOverride(ScreenMetrics{1920, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)});
    }
    void TearDown() override
    {
        unloadStartWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        gfrmCurrentBoard = nullptr;
        releaseServiceObjects();
        releaseInstanceLock();
        frmStart::setScreenMetricsOverride(std::nullopt);
        glngLanguage = 2;
    }
    frmStart *startWindowInFront() const
    {
        frmStart *start = DefaultInstance<frmStart>::existing();
        EXPECT_TRUE(start && gfrmCurrentBoard.data() == start && start->isVisible());
        return start;
    }
    Sandbox sandbox;
};

}  // namespace

// Only visible, unowned windows titled exactly as the program count as copies of it; this
// platform names no system version; the editor is the first program found.
TEST(StartupParts, TheWindowScanTheSystemNameAndTheEditor)
{
    gstrAppTitle = QStringLiteral("TALVINOR");
    glngTitleWindowCount = gblnAlreadyRunning = 0;
    WindowListBox lst;
    for (const TopLevelWindow &w : {TopLevelWindow{1, true, 0, 0, "TALVINOR "}, {2, true, 0, 0, "Talvinor"},
                                    {4, false, 0, 0, "TALVINOR"}, {5, true, 7, 0, "TALVINOR"}, {6, true, 0, 7, "TALVINOR"},
                                    {12, true, 0, 0, "TALVINOR"}})
        EXPECT_EQ(fncEnumWindowsProc(w, lst), 1);
    EXPECT_EQ(gblnAlreadyRunning, 0);
    fncEnumWindowsProc({14, true, 0, 0, "TALVINOR"}, lst);
    EXPECT_EQ(std::tuple(gblnAlreadyRunning, glngTitleWindowCount, lst.itemData(0), lst.itemData(1)), std::tuple(-1, 2, 12, 14));
    glngTitleWindowCount = gblnAlreadyRunning = 0;
    EXPECT_EQ(fncRecogniseOs(fncNormaliseOsName(QStringLiteral("Windows XP"))).eventCode, 43716);
    EXPECT_EQ(fncRecogniseOs(fncNormaliseOsName(fncGetOSName())).backColor, 0xBFBFBF);

    Sandbox sandbox;
    const QString first = sandbox.programFolder() + QStringLiteral("/first/"), second = sandbox.runtimeDir() + u'/';
    QDir().mkpath(first);
    const auto makeProgram = [](const QString &path, QFile::Permissions permissions) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.setPermissions(permissions));
    };
    const QStringList names{QStringLiteral("editor"), QStringLiteral("opener")};
    EXPECT_EQ(fncFindProgram(names, {first, second}), QString());
    makeProgram(second + "opener", QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(fncFindProgram(names, {first, second}), second + "opener");
    makeProgram(second + "editor", QFile::ReadOwner | QFile::ExeOwner);
    makeProgram(first + "editor", QFile::ReadOwner);  // not a program
    EXPECT_EQ(fncFindProgram(names, {first, second}), second + "editor");
}

// The first run makes the folders, logs the end of start-up (its log folder did not exist yet,
// so only that) and shows the start window in the stored language.
TEST_F(StartupRun, FirstRunCreatesTheFoldersLogsStartUpAndShowsTheStartWindow)
{
    clsRegistry().fncREGSetDwordVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, 1);
    ASSERT_TRUE(Main());
    const QString program = sandbox.programFolder() + QStringLiteral("/");
    EXPECT_EQ(gstrAppFolder, program);
    EXPECT_TRUE(QDir(program + QStringLiteral("LotteryDBs")).exists() && QDir(program + QStringLiteral("SavedTickets")).exists());
    EXPECT_EQ(gstrLogFilePath, logPath(sandbox));
    EXPECT_EQ(loggedMessages(sandbox), QStringList{QStringLiteral("#Message: 42630")});
    EXPECT_EQ(glngBackColor, 0xBFBFBF);
    EXPECT_TRUE(gobjWindowOnTop && gobjAnalysis && gobjRecordFile && gobjRegistry && gobjSystemInfo && gobjFileSystem
                && gobjLotteryDb && gobjLanguage);
    frmStart *start = startWindowInFront();
    ASSERT_TRUE(start);
    EXPECT_EQ(glngLanguage, 1);
    EXPECT_EQ(start->lblStatus->caption(), res(30130));
    EXPECT_EQ(start->findChild<QMenu *>(QStringLiteral("mnuFile"))->title(), QStringLiteral("Dosya"));
}

// Another copy holds the lock: this one logs its end and stops at once, having done nothing else.
TEST_F(StartupRun, ASecondCopyLogsItsEndAndStopsAtOnce)
{
    QLockFile other(instanceLockPath());
    ASSERT_TRUE(QDir().mkpath(sandbox.runtimeDir()) && other.tryLock(0));
    ASSERT_TRUE(QDir().mkpath(sandbox.dataHome() + QStringLiteral("/TALVINOR/LogFiles")));
    EXPECT_FALSE(Main());
    EXPECT_EQ(loggedMessages(sandbox), QStringList{QStringLiteral("#Message: 43528")});
    EXPECT_EQ(gobjFileSystem, nullptr);
    EXPECT_FALSE(DefaultInstance<frmStart>::exists());
    EXPECT_FALSE(QDir(sandbox.programFolder() + QStringLiteral("/LotteryDBs")).exists());
}

// A last lottery whose database is gone shows the start window with its name; one another
// program holds is waited for briefly, then named with the reason. Both are kept for next time.
TEST_F(StartupRun, AMissingOrLockedLastLotteryShowsTheStartWindowAndIsKept)
{
    storeLastLottery(QStringLiteral("Lotto.mdb"));
    ASSERT_TRUE(Main());
    EXPECT_EQ(gstrLastLotteryDbFile, QStringLiteral("Lotto.mdb"));
    EXPECT_TRUE(startWindowInFront()->lblStatus->caption().startsWith(QStringLiteral("Lotto") + res(30140)));
    TearDown();

    storeLastLottery(kSampleLotto);
    DatabaseHolder other(sampleDatabase(sandbox));
    ASSERT_TRUE(other.held());
    MessageBoxScript answers;
    QElapsedTimer waited;
    waited.start();
    ASSERT_TRUE(Main());
    EXPECT_GE(waited.elapsed(), lotterydb::kBusyWaitMs - 100);
    EXPECT_LT(waited.elapsed(), 6000);
    EXPECT_EQ(answers.texts(), QStringList{res(49030).arg(QStringLiteral("Sample Lotto 6-49"),
                                                          fncDatabaseFaultText(lotterydb::Fault::Locked))});
    EXPECT_EQ(gstrLastLotteryDbFile, kSampleLotto);
    EXPECT_EQ(clsRegistry().fncREGGetVersionVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                                settingsstore::kLastLotteryDbFile, {}), kSampleLotto);
    startWindowInFront();
}

TEST(Program, ASecondProgramEndsAtOnceWhileTheFirstRunsAndAKilledOneHoldsNoLock)
{
    Sandbox sandbox;
    // Waits until `count` programs have logged the end of their start-up.
    const auto started = [&](int count, const QProcess &program) {
        QElapsedTimer waited;
        waited.start();
        while (loggedMessages(sandbox).count(QStringLiteral("#Message: 42630")) < count && waited.elapsed() < 20000
               && program.state() == QProcess::Running)
            QThread::msleep(50);
        return loggedMessages(sandbox).count(QStringLiteral("#Message: 42630")) == count;
    };
    QProcess first, second, third;
    startProgram(first);
    ASSERT_TRUE(started(1, first)) << "the first program did not start";
    startProgram(second);
    EXPECT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(std::pair(second.exitStatus(), second.exitCode()), std::pair(QProcess::NormalExit, 0));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(10000);
    EXPECT_EQ(loggedMessages(sandbox).value(1), QStringLiteral("#Message: 43528"));
    startProgram(third);
    EXPECT_TRUE(started(2, third));
    EXPECT_EQ(third.state(), QProcess::Running);
    third.kill();
    third.waitForFinished(10000);
}

// A lottery just added has no drawings. Started with it as the last lottery, the program shows
// its notice in a real message box and keeps running; it used to abort half a second after start.
TEST(Program, StartsOnALotteryWithoutDrawings)
{
    Sandbox sandbox;
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(sampleDatabase(sandbox)).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DELETE FROM TBLRESULTS", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    storeLastLottery(kSampleLotto);
    QProcess program;
    startProgram(program);
    EXPECT_FALSE(program.waitForFinished(3000)) << "the program ended: " << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished(10000);
}

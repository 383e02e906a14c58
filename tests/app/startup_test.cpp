#include "analysis/clslotterydb.h"
#include "analysis/samplelotteries.h"
#include "app/apppaths.h"
#include "app/clsfilesystem.h"
#include "app/clsregistry.h"
#include "app/globals.h"
#include "app/instancecheck.h"
#include "app/resstrings.h"
#include "app/osname.h"
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
#include <QFile>
#include <QLockFile>
#include <QMenu>
#include <QProcess>
#include <QThread>
#include <sqlite3.h>
#include <gtest/gtest.h>

namespace {

QStringList logLines(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QString logPath(const Sandbox &sandbox) { return sandbox.dataHome() + QStringLiteral("/TALVINOR/LogFiles/TALVINOR.log"); }

// Starts the program itself on the offscreen platform.
void startProgram(QProcess &program)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TALVINOR_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));
}

// Runs the start-up procedure in a sandbox and undoes it afterwards.
class StartupRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        gfrmCurrentBoard = nullptr;
        glngLanguage = 2;
        gstrLastLotteryDbFile.clear();
        gstrLotteryDbFile.clear();
        gblnLotteryManagerOpen = false;
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
    void storeLastLottery(const QString &file)
    {
        clsRegistry().fncREGSetStringVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                         settingsstore::kLastLotteryDbFile, file);
    }
    Sandbox sandbox;
};

}  // namespace

TEST(OsName, VersionTableWithItsEventsAndColours)
{
    const struct {
        int platform, major, minor;
        const char *name;
        int event;
    } rows[] = {
        {0, 3, 1, "Win32s", 43786},          {1, 4, 0, "Windows 95", 43776},     {1, 4, 10, "Windows 98", 43766},
        {1, 4, 50, "NONE", 43786},           {1, 4, 90, "Windows ME", 43756},    {1, 5, 0, "NONE", 43786},
        {2, 3, 51, "Windows NT 3.51", 43746}, {2, 4, 0, "Windows NT 4", 43736},  {2, 5, 0, "Windows 2000", 43726},
        {2, 5, 1, "Windows XP", 43716},      {2, 5, 2, "NONE", 43786},           {2, 6, 0, "Windows 2000", 43726},
        {2, 6, 1, "Windows XP", 43716},      {2, 2, 0, "NONE", 43786},           {3, 5, 1, "NONE", 43786},
    };
    for (const auto &r : rows) {
        const QString name = osNameFor(r.platform, r.major, r.minor);
        EXPECT_EQ(name, QString::fromLatin1(r.name)) << r.platform << " " << r.major << " " << r.minor;
        const OsRecognition os = fncRecogniseOs(fncNormaliseOsName(name));
        EXPECT_EQ(os.eventCode, r.event) << r.name;
        EXPECT_EQ(os.backColor, r.event == 43786 ? 0xBFBFBF : 0xDFDFDF) << r.name;
    }
    EXPECT_EQ(fncRecogniseOs(fncNormaliseOsName(fncGetOSName())).eventCode, 43786);  // this platform
    EXPECT_EQ(fncRecogniseOs(QStringLiteral("Windows XP")).eventCode, 43786);         // compared exactly
}

TEST(InstanceCheck, OnlyVisibleUnownedWindowsWithTheExactTitleCountAndTwoMeanAnotherCopy)
{
    gstrAppTitle = QStringLiteral("TALVINOR");
    glngTitleWindowCount = 0;
    gblnAlreadyRunning = 0;
    const QString t = gstrAppTitle;
    const TopLevelWindow others[] = {{1, true, 0, 0, QStringLiteral("TALVINOR ")}, {2, true, 0, 0, QStringLiteral("Talvinor")},
                                     {3, true, 0, 0, QStringLiteral("TALVINOR - Lotto 6/49")}, {4, false, 0, 0, t},
                                     {5, true, 7, 0, t}, {6, true, 0, 7, t}};
    WindowListBox lst;
    for (const TopLevelWindow &w : others)
        EXPECT_EQ(fncEnumWindowsProc(w, lst), 1);
    EXPECT_FALSE(fncIsProgramWindow({1, true, 0, 0, QString()}, QString()));
    fncEnumWindowsProc({12, true, 0, 0, t}, lst);
    EXPECT_EQ(gblnAlreadyRunning, 0);
    fncEnumWindowsProc({14, true, 0, 0, t}, lst);
    EXPECT_EQ(gblnAlreadyRunning, -1);
    EXPECT_EQ(glngTitleWindowCount, 2);
    ASSERT_EQ(lst.listCount(), 2);
    EXPECT_EQ(lst.itemData(0), 12);
    EXPECT_EQ(lst.itemData(1), 14);
    glngTitleWindowCount = 0;
    gblnAlreadyRunning = 0;
}

TEST(AppPaths, TheFirstFolderHoldingAProgramWins)
{
    Sandbox sandbox;
    createServiceObjects();
    const QString first = sandbox.programFolder() + QStringLiteral("/first");
    const QString second = sandbox.programFolder() + QStringLiteral("/second/");
    QDir().mkpath(first);
    QDir().mkpath(second);
    const auto makeProgram = [](const QString &path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    const QStringList names{QStringLiteral("editor"), QStringLiteral("opener")};
    EXPECT_EQ(fncFindProgram(names, {first, second}), QString());
    makeProgram(second + QStringLiteral("opener"));
    EXPECT_EQ(fncFindProgram(names, {first, second}), second + QStringLiteral("opener"));
    makeProgram(second + QStringLiteral("editor"));
    EXPECT_EQ(fncFindProgram(names, {first, second}), second + QStringLiteral("editor"));
    makeProgram(first + QStringLiteral("/editor"));
    EXPECT_EQ(fncFindProgram(names, {first, second}), first + QStringLiteral("/editor"));
    QFile(first + QStringLiteral("/editor")).setPermissions(QFile::ReadOwner);  // not a program
    EXPECT_EQ(fncFindProgram(names, {first, second}), second + QStringLiteral("editor"));
    releaseServiceObjects();
}

TEST_F(StartupRun, FirstRunCreatesTheFoldersLogsStartUpAndShowsTheStartWindow)
{
    ASSERT_TRUE(Main());
    const QString program = sandbox.programFolder() + QStringLiteral("/");
    EXPECT_EQ(gstrAppFolder, program);
    EXPECT_TRUE(QDir(program + QStringLiteral("LotteryDBs")).exists());
    EXPECT_TRUE(QDir(program + QStringLiteral("SavedTickets")).exists());
    EXPECT_EQ(gstrLogFilePath, logPath(sandbox));
    EXPECT_EQ(gstrWindowsFolder, QStringLiteral("/usr/bin/"));
    // The log folder did not exist before start-up, so only the end of start-up is logged.
    const QStringList lines = logLines(logPath(sandbox));
    ASSERT_EQ(lines.size(), 5) << lines.join(u'|').toStdString();
    EXPECT_EQ(lines[3], QStringLiteral("#Message: 42630"));
    EXPECT_EQ(gstrOsName, QStringLiteral("NONE"));
    EXPECT_EQ(glngBackColor, 0xBFBFBF);
    EXPECT_FALSE(gfrmPrint);  // the hidden list lived only for the scan
    EXPECT_TRUE(gobjWindowOnTop && gobjAnalysis && gobjRecordFile && gobjRegistry
                && gobjSystemInfo && gobjFileSystem && gobjLotteryDb && gobjLanguage);
    auto *start = DefaultInstance<frmStart>::existing();
    ASSERT_TRUE(start);
    EXPECT_EQ(gfrmCurrentBoard.data(), start);
    EXPECT_TRUE(start->isVisible());
    EXPECT_EQ(start->lblStatus->caption(), QStringLiteral("You can select a lottery from LOTTERY -> LOAD pull-down menu."));
}

TEST_F(StartupRun, ASecondCopyLogsItsEndAndStopsAtOnce)
{
    // Another copy holds the lock; the log folder exists from an earlier run.
    QLockFile other(instanceLockPath());
    ASSERT_TRUE(QDir().mkpath(sandbox.runtimeDir()));
    ASSERT_TRUE(other.tryLock(0));
    ASSERT_TRUE(QDir().mkpath(sandbox.dataHome() + QStringLiteral("/TALVINOR/LogFiles")));
    EXPECT_FALSE(Main());
    const QStringList lines = logLines(logPath(sandbox));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[3], QStringLiteral("#Message: 43528"));
    EXPECT_EQ(gobjFileSystem, nullptr);                  // released
    EXPECT_FALSE(DefaultInstance<frmStart>::exists());  // no window
    EXPECT_FALSE(QDir(sandbox.programFolder() + QStringLiteral("/LotteryDBs")).exists());  // nothing else done
}

TEST_F(StartupRun, AMissingLastLotteryShowsTheStartWindowWithItsName)
{
    storeLastLottery(QStringLiteral("Lotto.mdb"));
    ASSERT_TRUE(Main());
    EXPECT_EQ(gstrLastLotteryDbFile, QStringLiteral("Lotto.mdb"));
    auto *start = DefaultInstance<frmStart>::existing();
    ASSERT_TRUE(start);
    EXPECT_EQ(gfrmCurrentBoard.data(), start);
    EXPECT_TRUE(start->lblStatus->caption().startsWith(QStringLiteral("Lotto lottery database file is loading.")));
    EXPECT_EQ(logLines(logPath(sandbox)).value(3), QStringLiteral("#Message: 42630"));
}

TEST_F(StartupRun, StoredLanguageCaptionsTheStartWindow)
{
    clsRegistry().fncREGSetDwordVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, 1);
    ASSERT_TRUE(Main());
    EXPECT_EQ(glngLanguage, 1);
    auto *start = DefaultInstance<frmStart>::existing();
    ASSERT_TRUE(start);
    EXPECT_TRUE(start->mnuLanguageTurkish->isChecked());
    EXPECT_EQ(start->mnuFile->title(), QStringLiteral("Dosya"));
}

TEST(Program, ASecondProgramEndsAtOnceWhileTheFirstRuns)
{
    Sandbox sandbox;
    const QString log = logPath(sandbox);
    // Waits until `count` programs have logged the end of their start-up.
    const auto started = [&](int count, const QProcess &program) {
        QElapsedTimer waited;
        waited.start();
        while (logLines(log).count(QStringLiteral("#Message: 42630")) < count && waited.elapsed() < 20000
               && program.state() == QProcess::Running)
            QThread::msleep(50);
        return logLines(log).count(QStringLiteral("#Message: 42630")) == count;
    };

    QProcess first, second, third;
    startProgram(first);
    ASSERT_TRUE(started(1, first)) << "the first program did not start";
    startProgram(second);
    EXPECT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(10000);
    second.kill();
    const QStringList lines = logLines(log);
    ASSERT_EQ(lines.size(), 9) << lines.join(u'|').toStdString();
    EXPECT_EQ(lines[7], QStringLiteral("#Message: 43528"));

    // The lock of a program that was killed does not keep the next one out.
    startProgram(third);
    EXPECT_TRUE(started(2, third));
    EXPECT_EQ(third.state(), QProcess::Running);
    third.kill();
    third.waitForFinished(10000);
}

// ---- Faults met at start-up: a locked or damaged last lottery, one without drawings ------------

namespace {

const QString kSampleLotto = QStringLiteral("Sample Lotto 6-49.mdb");

// Writes the sample lotteries into the sandbox's program folder (where they are not yet); the
// path of the lotto's database.
QString sampleDatabase(const Sandbox &sandbox)
{
    EXPECT_TRUE(samples::writeSampleLotteries(sandbox.programFolder()).errors.isEmpty());
    return sandbox.programFolder() + QStringLiteral("/LotteryDBs/") + kSampleLotto;
}

QString storedLastLottery()
{
    return clsRegistry().fncREGGetVersionVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                             settingsstore::kLastLotteryDbFile, QStringLiteral("?"));
}

}  // namespace

// A database another program holds is waited for briefly, then named as the reason; the last
// lottery is kept for the next start.
TEST_F(StartupRun, ALockedLastLotteryIsReportedWithItsReasonAndNotForgotten)
{
    storeLastLottery(kSampleLotto);
    DatabaseHolder other(sampleDatabase(sandbox));
    ASSERT_TRUE(other.held());
    QElapsedTimer waited;
    waited.start();
    QString why;
    lotterydb::Fault fault = lotterydb::Fault::None;
    EXPECT_FALSE(lotterydb::canOpenResultsDatabase(sampleDatabase(sandbox), &why, &fault));
    EXPECT_GE(waited.elapsed(), lotterydb::kBusyWaitMs - 100);
    EXPECT_EQ(fault, lotterydb::Fault::Locked);
    MessageBoxScript answers;
    waited.start();
    ASSERT_TRUE(Main());
    EXPECT_LT(waited.elapsed(), 6000);
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].text, res(49030).arg(QStringLiteral("Sample Lotto 6-49"),
                                                      fncDatabaseFaultText(lotterydb::Fault::Locked)));
    EXPECT_FALSE(answers.asked()[0].text.contains(QStringLiteral("SQLite")));
    EXPECT_EQ(gstrLastLotteryDbFile, kSampleLotto);
    EXPECT_EQ(storedLastLottery(), kSampleLotto);
    EXPECT_EQ(gfrmCurrentBoard.data(), DefaultInstance<frmStart>::existing());
}

// A lottery just added has no drawings. Started with it as the last lottery, the program shows
// its notice in a real message box and keeps running; it used to abort half a second after start.
TEST_F(StartupRun, TheProgramStartsOnALotteryWithoutDrawings)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(sampleDatabase(sandbox)).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DELETE FROM TBLRESULTS", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    storeLastLottery(kSampleLotto);

    QProcess program;
    startProgram(program);
    // The notice waits for its answer; the program must still be there to give it.
    EXPECT_FALSE(program.waitForFinished(3000)) << "the program ended: " << program.exitStatus() << " "
                                                 << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished(10000);
}

#include "app/apppaths.h"
#include "app/clsfilesystem.h"
#include "app/clsregistry.h"
#include "app/globals.h"
#include "app/instancecheck.h"
#include "app/keynames.h"
#include "app/osname.h"
#include "app/services.h"
#include "app/settingsstore.h"
#include "app/startup.h"
#include "boards/common/iboard.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/ui/forms.h"
#include "support/sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QMenu>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QStringList logLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(file.readAll());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString logPath(const Sandbox &sandbox) { return sandbox.dataHome() + QStringLiteral("/TALVINOR/LogFiles/TALVINOR.log"); }

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

TEST(OsName, VersionTable)
{
    EXPECT_EQ(osNameFor(0, 3, 1), QStringLiteral("Win32s"));
    EXPECT_EQ(osNameFor(1, 4, 0), QStringLiteral("Windows 95"));
    EXPECT_EQ(osNameFor(1, 4, 10), QStringLiteral("Windows 98"));
    EXPECT_EQ(osNameFor(1, 4, 50), QStringLiteral("NONE"));
    EXPECT_EQ(osNameFor(1, 4, 90), QStringLiteral("Windows ME"));
    EXPECT_EQ(osNameFor(1, 5, 0), QStringLiteral("NONE"));
    EXPECT_EQ(osNameFor(2, 3, 51), QStringLiteral("Windows NT 3.51"));
    EXPECT_EQ(osNameFor(2, 4, 0), QStringLiteral("Windows NT 4"));
    EXPECT_EQ(osNameFor(2, 5, 0), QStringLiteral("Windows 2000"));
    EXPECT_EQ(osNameFor(2, 5, 1), QStringLiteral("Windows XP"));
    EXPECT_EQ(osNameFor(2, 5, 2), QStringLiteral("NONE"));
    EXPECT_EQ(osNameFor(2, 6, 0), QStringLiteral("Windows 2000"));
    EXPECT_EQ(osNameFor(2, 6, 1), QStringLiteral("Windows XP"));
    EXPECT_EQ(osNameFor(2, 2, 0), QStringLiteral("NONE"));
    EXPECT_EQ(osNameFor(3, 5, 1), QStringLiteral("NONE"));
}

TEST(OsName, EventAndColourOfEachName)
{
    const auto recognise = [](int p, int major, int minor) {
        return fncRecogniseOs(fncNormaliseOsName(osNameFor(p, major, minor)));
    };
    EXPECT_EQ(recognise(2, 5, 1).eventCode, 43716);
    EXPECT_EQ(recognise(2, 6, 0).eventCode, 43726);
    EXPECT_EQ(recognise(2, 4, 0).eventCode, 43736);
    EXPECT_EQ(recognise(2, 3, 51).eventCode, 43746);
    EXPECT_EQ(recognise(1, 4, 90).eventCode, 43756);
    EXPECT_EQ(recognise(1, 4, 10).eventCode, 43766);
    EXPECT_EQ(recognise(1, 4, 3).eventCode, 43776);
    EXPECT_EQ(recognise(2, 6, 1).backColor, 0xDFDFDF);
    for (const OsRecognition &none : {recognise(0, 1, 0), recognise(1, 4, 50), fncRecogniseOs(fncGetOSName())}) {
        EXPECT_EQ(none.eventCode, 43786);
        EXPECT_EQ(none.backColor, 0xBFBFBF);
    }
    EXPECT_EQ(fncRecogniseOs(QStringLiteral("Windows XP")).eventCode, 43786);  // compared exactly
}

TEST(InstanceCheck, OnlyVisibleUnownedWindowsWithTheExactTitleCount)
{
    const QString title = QStringLiteral("TALVINOR");
    EXPECT_TRUE(fncIsProgramWindow({1, true, 0, 0, title}, title));
    EXPECT_FALSE(fncIsProgramWindow({1, true, 0, 0, QStringLiteral("TALVINOR ")}, title));
    EXPECT_FALSE(fncIsProgramWindow({1, true, 0, 0, QStringLiteral("Talvinor")}, title));
    EXPECT_FALSE(fncIsProgramWindow({1, true, 0, 0, QStringLiteral("TALVINOR - Lotto 6/49")}, title));
    EXPECT_FALSE(fncIsProgramWindow({1, false, 0, 0, title}, title));
    EXPECT_FALSE(fncIsProgramWindow({1, true, 7, 0, title}, title));
    EXPECT_FALSE(fncIsProgramWindow({1, true, 0, 7, title}, title));
    EXPECT_FALSE(fncIsProgramWindow({1, true, 0, 0, QString()}, QString()));
}

TEST(InstanceCheck, MoreThanOneMatchingWindowMeansAnotherCopy)
{
    gstrAppTitle = QStringLiteral("TALVINOR");
    glngTitleWindowCount = 0;
    gblnAlreadyRunning = 0;
    WindowListBox lst;
    EXPECT_EQ(fncEnumWindowsProc({11, true, 0, 0, QStringLiteral("TALVINOR ")}, lst), 1);
    EXPECT_EQ(fncEnumWindowsProc({12, true, 0, 0, gstrAppTitle}, lst), 1);
    EXPECT_EQ(gblnAlreadyRunning, 0);
    EXPECT_EQ(fncEnumWindowsProc({13, true, 0, 5, gstrAppTitle}, lst), 1);
    EXPECT_EQ(gblnAlreadyRunning, 0);
    fncEnumWindowsProc({14, true, 0, 0, gstrAppTitle}, lst);
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
    EXPECT_EQ(lines[0], QStringLiteral("#Software: TALVINOR"));
    EXPECT_EQ(lines[1], QStringLiteral("#Version: 1.0.12"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("#Date: ")));
    EXPECT_EQ(lines[3], QStringLiteral("#Message: 42630"));
    EXPECT_EQ(lines[4], QStringLiteral("#"));

    EXPECT_EQ(gstrOsName, QStringLiteral("NONE"));
    EXPECT_EQ(glngBackColor, 0xBFBFBF);
    EXPECT_EQ(glngLanguage, 2);
    EXPECT_EQ(gstrKeyCtrl, QStringLiteral("^"));
    EXPECT_EQ(gstrKeyF16, QStringLiteral("{F16}"));
    EXPECT_EQ(gstrKeyZ, QStringLiteral("{Z}"));
    EXPECT_FALSE(gfrmPrint);  // the hidden list lived only for the scan
    EXPECT_TRUE(gobjWindowOnTop && gobjAnalysis && gobjAnalysisBONUS && gobjRecordFile && gobjRegistry
                && gobjSystemInfo && gobjFileSystem && gobjLotteryDb && gobjLanguage);

    auto *start = DefaultInstance<frmStart>::existing();
    ASSERT_TRUE(start);
    EXPECT_EQ(gfrmCurrentBoard.data(), start);
    EXPECT_TRUE(start->isVisible());
    EXPECT_EQ(start->windowTitle(), QStringLiteral("TALVINOR"));
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
    EXPECT_EQ(gblnAlreadyRunning, -1);
    EXPECT_EQ(gobjFileSystem, nullptr);  // released
    EXPECT_FALSE(DefaultInstance<frmStart>::exists());  // no window
    EXPECT_FALSE(gfrmPrint);
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

TEST_F(StartupRun, ALastLotteryThatCannotOpenIsReportedAndForgotten)
{
    storeLastLottery(QStringLiteral("Lotto.mdb"));
    QDir().mkpath(sandbox.programFolder() + QStringLiteral("/LotteryDBs"));
    QFile db(sandbox.programFolder() + QStringLiteral("/LotteryDBs/Lotto.mdb"));
    ASSERT_TRUE(db.open(QIODevice::WriteOnly));
    db.close();

    MessageBoxScript answers;
    ASSERT_TRUE(Main());
    EXPECT_EQ(answers.asked().size(), 1u);  // the catalogues are missing
    EXPECT_EQ(gstrLastLotteryDbFile, QString());
    EXPECT_EQ(clsRegistry().fncREGGetVersionVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                                settingsstore::kLastLotteryDbFile, QStringLiteral("?")),
              QString());
    auto *start = DefaultInstance<frmStart>::existing();
    ASSERT_TRUE(start);
    EXPECT_EQ(gfrmCurrentBoard.data(), start);
    EXPECT_TRUE(start->isVisible());
    EXPECT_EQ(start->lblStatus->caption(), QStringLiteral("You can select a lottery from LOTTERY -> LOAD pull-down menu."));
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString log = logPath(sandbox);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(TALVINOR_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    QElapsedTimer waited;
    waited.start();
    while (!logLines(log).contains(QStringLiteral("#Message: 42630")) && waited.elapsed() < 20000)
        QThread::msleep(50);
    ASSERT_TRUE(logLines(log).contains(QStringLiteral("#Message: 42630"))) << "the first program did not start";
    EXPECT_TRUE(QDir(sandbox.programFolder() + QStringLiteral("/LotteryDBs")).exists());

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(TALVINOR_PROGRAM), {});
    const bool ended = second.waitForFinished(20000);
    EXPECT_TRUE(ended);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished(10000);
    if (!ended)
        second.kill();

    const QStringList lines = logLines(log);
    ASSERT_EQ(lines.size(), 9) << lines.join(u'|').toStdString();
    EXPECT_EQ(lines[3], QStringLiteral("#Message: 42630"));
    EXPECT_EQ(lines[7], QStringLiteral("#Message: 43528"));

    // The lock of a program that was killed does not keep the next one out.
    QProcess third;
    third.setProcessEnvironment(env);
    third.start(QStringLiteral(TALVINOR_PROGRAM), {});
    ASSERT_TRUE(third.waitForStarted(10000));
    waited.restart();
    while (logLines(log).count(QStringLiteral("#Message: 42630")) < 2 && waited.elapsed() < 20000
           && third.state() == QProcess::Running)
        QThread::msleep(50);
    EXPECT_EQ(logLines(log).count(QStringLiteral("#Message: 42630")), 2);
    EXPECT_EQ(third.state(), QProcess::Running);
    third.kill();
    third.waitForFinished(10000);
}

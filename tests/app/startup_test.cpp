// Start-up: in the test's own process, and the program itself started as a process.

#include "analysis/clslotterydb.h"
#include "analysis/samplelotteries.h"
#include "app/clsregistry.h"
#include "app/application.h"
#include "app/instancecheck.h"
#include "app/resstrings.h"
#include "app/settingsstore.h"
#include "program/startup.h"
#include "app/faulttext.h"
#include "dialogs/iboard.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/filewrite.h"
#include "platform/ui/forms.h"
#include "support/faults.h"
#include "support/folderwatch.h"
#include "support/sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <QThread>
#include <QTimer>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {

// The messages of the sandbox's event log, in order.
QStringList loggedMessages(const Sandbox &sandbox)
{
    QFile file(sandbox.dataHome() + QStringLiteral("/TALVINOR/LogFiles/TALVINOR.log"));
    return !file.open(QIODevice::ReadOnly) ? QStringList()
                                           : QString::fromLatin1(file.readAll()).split("\r\n").filter(QStringLiteral("#Message: "));
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

// The sample lotteries in the sandbox's program folder, the lotto stored as the last lottery; the
// path of its database.
QString sampleLottoAsTheLastLottery(const Sandbox &sandbox)
{
    EXPECT_TRUE(samples::writeSampleLotteries(sandbox.programFolder()).errors.isEmpty());
    clsRegistry().fncREGSetStringVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLastLotteryDbFile,
                                     QStringLiteral("Sample Lotto 6-49.mdb"));
    return sandbox.programFolder() + QStringLiteral("/LotteryDBs/Sample Lotto 6-49.mdb");
}

// Undoes a start-up in the test's process.
void endStartUp()
{
    unloadStartWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app().gfrmCurrentBoard = nullptr;
    app().releaseServiceObjects();
    releaseInstanceLock();
    app().glngLanguage = 2;
    app().gstrLastLotteryDbFile.clear();
    app().gstrLotteryDbFile.clear();
}

}  // namespace

// The first run makes the folders, logs the end of start-up (its log folder did not exist yet,
// so only that) and shows the start window in the stored language. A last lottery another program
// holds is waited for briefly, then named with the reason, and kept for the next start.
TEST(StartUp, FirstRunAndALockedLastLottery)
{
    Sandbox sandbox;
    endStartUp();  // whatever ran before
    clsRegistry().fncREGSetDwordVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, 1);
    ASSERT_TRUE(Main());
    const QString program = sandbox.programFolder() + QStringLiteral("/");
    EXPECT_TRUE(app().gstrAppFolder == program && QDir(program + "LotteryDBs").exists() && QDir(program + "SavedTickets").exists());
    EXPECT_EQ(std::pair(loggedMessages(sandbox), app().glngBackColor), std::pair(QStringList{"#Message: 42630"}, 0xBFBFBF));
    frmStart *start = DefaultInstance<frmStart>::existing();
    ASSERT_TRUE(start && app().gfrmCurrentBoard.data() == start && start->isVisible());
    EXPECT_EQ(std::tuple(app().glngLanguage, start->findChild<VbLabel *>("lblStatus")->caption(), start->findChild<QMenu *>("mnuFile")->title()),
              std::tuple(1, res(30130), QStringLiteral("Dosya")));
    endStartUp();

    DatabaseHolder other(sampleLottoAsTheLastLottery(sandbox));
    ASSERT_TRUE(other.held());
    MessageBoxScript answers;
    QElapsedTimer waited;
    waited.start();
    subReadLastLotteryAhead();
    ASSERT_TRUE(Main());
    EXPECT_TRUE(waited.elapsed() >= lotterydb::kBusyWaitMs - 100 && waited.elapsed() < 6000) << waited.elapsed();
    EXPECT_EQ(answers.texts(), QStringList{res(49030).arg("Sample Lotto 6-49", fncDatabaseFaultText(lotterydb::Fault::Locked))});
    EXPECT_EQ(std::pair(app().gstrLastLotteryDbFile, windowInFront()),
              std::pair(QStringLiteral("Sample Lotto 6-49.mdb"), static_cast<QWidget *>(DefaultInstance<frmStart>::existing())));
    EXPECT_EQ(clsRegistry().fncREGGetVersionVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLastLotteryDbFile, {}),
              app().gstrLastLotteryDbFile);
    endStartUp();
}

// A last lottery whose database file stands in LotteryDBs but may not be read (its permissions,
// say after a copy made as another user) is named with that reason, not as missing, and kept for
// the next start, when it may be readable again.
TEST(StartUp, AnUnreadableLastLotteryIsToldSoAndKept)
{
    Sandbox sandbox;
    endStartUp();
    const QString path = sampleLottoAsTheLastLottery(sandbox);
    const QFile::Permissions permissions = QFile::permissions(path);
    ASSERT_TRUE(QFile::setPermissions(path, {}));
    {
        const PermissionsHoldEveryone held;
        MessageBoxScript answers;
        subReadLastLotteryAhead();
        EXPECT_TRUE(Main());
        EXPECT_EQ(answers.texts(), QStringList{res(49030).arg("Sample Lotto 6-49", fncDatabaseFaultText(lotterydb::Fault::NoAccess))});
    }
    QFile::setPermissions(path, permissions);
    EXPECT_EQ(std::pair(app().gstrLastLotteryDbFile,
                        clsRegistry().fncREGGetVersionVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLastLotteryDbFile, {})),
              std::pair(QStringLiteral("Sample Lotto 6-49.mdb"), QStringLiteral("Sample Lotto 6-49.mdb")));
    endStartUp();
}

// Without a runtime folder of the user's own, the single-instance lock lies in the temporary
// folder every user shares, where another user can make a file under its name: such a file is no
// copy of this user's program, and the start goes on.
TEST(StartUp, AFileAnotherUserMadeWhereTheLockGoesKeepsNoStartOut)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can make a file that another user owns";
    Sandbox sandbox;
    endStartUp();
    const QByteArray tmp = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] { tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp); });
    qunsetenv("XDG_RUNTIME_DIR");
    const QString shared = sandbox.programFolder() + QStringLiteral("/tmp");
    qputenv("TMPDIR", shared.toUtf8());
    ASSERT_TRUE(QDir().mkpath(shared) && ::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    ASSERT_TRUE(instanceLockPath().startsWith(shared));
    {
        QFile other(instanceLockPath());
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    }
    ASSERT_EQ(::chown(QFile::encodeName(instanceLockPath()).constData(), 65534, 65534), 0);
    const bool started = Main();
    EXPECT_TRUE(started);
    if (started)
        endStartUp();
}

// The drawings of the last lottery read from the first moment of the start, before Main, are those
// its board shows: the start reads that file whole, read-only, and no other. A last lottery the
// catalogue does not list, in LotteryDBs or outside it ("../"), is refused and never opened: here
// another program's database in write-ahead-log mode stays byte for byte as it was, with the log
// and index it keeps; the start window comes in front.
TEST(StartUp, TheLastLotteryOpensWithTheDrawingsReadFromTheFirstMoment)
{
    Sandbox sandbox;
    endStartUp();
    const QString path = sampleLottoAsTheLastLottery(sandbox);
    const QString lotteryDbs = sandbox.programFolder() + QStringLiteral("/LotteryDBs");
    {
        FolderWatch watch(lotteryDbs);
        subReadLastLotteryAhead();
        EXPECT_EQ(watch.events("close Sample Lotto 6-49.mdb", 20000),
                  (QStringList{"open Sample Lotto 6-49.mdb", "close Sample Lotto 6-49.mdb"}));
    }
    ASSERT_TRUE(Main());
    IBoard *board = currentBoard();
    ASSERT_NE(board, nullptr);
    clsLotteryDb reference;
    ASSERT_TRUE(reference.subOpenConnection(path));
    const std::optional<History> drawings = reference.fncLoadHistory();
    ASSERT_TRUE(drawings && !drawings->empty());
    EXPECT_EQ(board->lottery().glngTotalWeeks, static_cast<int32_t>(drawings->size()));
    ASSERT_NE(app().gobjLotteryDb->fncHistory(), nullptr);
    EXPECT_EQ(*app().gobjLotteryDb->fncHistory(), *drawings);
    endStartUp();

    for (const QString &stored : {QStringLiteral("Unlisted.mdb"), QStringLiteral("../Other.db")}) {
        SCOPED_TRACE(stored.toStdString());
        const QString other = lotteryDbs + u'/' + stored;
        loggedCopy(path, other, true);
        const auto files = databaseFiles(other);
        ASSERT_FALSE(files[1].isEmpty());
        clsRegistry().fncREGSetStringVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLastLotteryDbFile, stored);
        FolderWatch watch(QFileInfo(other).absolutePath());
        MessageBoxScript answers;
        subReadLastLotteryAhead();
        ASSERT_TRUE(Main());
        EXPECT_EQ(answers.texts().size(), 1);
        EXPECT_EQ(windowInFront(), static_cast<QWidget *>(DefaultInstance<frmStart>::existing()));
        EXPECT_EQ(watch.events().filter(QFileInfo(other).fileName()), QStringList{});
        EXPECT_EQ(databaseFiles(other), files);
        endStartUp();
    }
}

// The user closes the start window while it tells that the last lottery is loading: the program
// ends once it has started, as File > Exit would end it, rather than going on without its services.
TEST(StartUp, ClosingTheStartWindowWhileTheLastLotteryLoadsEndsTheProgram)
{
    Sandbox sandbox;
    endStartUp();
    sampleLottoAsTheLastLottery(sandbox);
    // The close comes as soon as the window shows, while the lottery is still being opened.
    struct CloseWhenShown : QObject {
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show && dynamic_cast<frmStart *>(watched) && !closed) {
                closed = true;
                QTimer::singleShot(0, watched, [start = static_cast<frmStart *>(watched)] { start->close(); });
            }
            return false;
        }
        bool closed = false;
    } closer;
    qApp->installEventFilter(&closer);
    const bool started = Main();
    qApp->removeEventFilter(&closer);
    ASSERT_TRUE(started && closer.closed);
    QTimer late;  // the program did not end
    QObject::connect(&late, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    late.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(app().gobjRegistry, nullptr);
    EXPECT_EQ(loggedMessages(sandbox).filter(QStringLiteral("42630")).size(), 1) << "start-up ran to its end";
    EXPECT_TRUE(QFileInfo::exists(sandbox.programFolder() + QStringLiteral("/Sample Lotto 6-49SM01")))
        << "the board that opened kept its settings as at its File > Exit";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app().gfrmCurrentBoard = nullptr;
    endStartUp();
}

// The next start after writes cut short: the temporary files that writes of the settings store and
// of a lottery's board settings file left are gone; the files themselves stay, and so do the
// user's own files beside them, whatever their names (copies named like the temporary files of
// other programs or the old copies of earlier versions of this one).
TEST(StartUp, TheTemporaryFilesOfWritesCutShortAreGoneAtTheNextStart)
{
    Sandbox sandbox;
    endStartUp();
    QString error;
    ASSERT_EQ(samples::writeNewFile(sandbox.programFolder() + "/lotterydbs.bin",
                                    catalogueBytes(samples::lotteryTable({samples::sampleLotteries()[0].lottery}),
                                                   DimensionOrder::RowsFirst),
                                    &error),
              samples::WriteResult::Written);
    ASSERT_TRUE(clsRegistry().fncREGSetDwordVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, 3));
    const QString settings = sandbox.programFolder() + "/Sample Lotto 6-49SM01";
    const QStringList copies = {".PqRsTu", ".bak", ".backup", ".old~"};
    for (const QString &file : {settings, reg::storePath()}) {
        for (const QString &end : copies + QStringList{"", ".TALVINOR-new"}) {
            QFile made(file + end);
            ASSERT_TRUE(made.open(QIODevice::WriteOnly | QIODevice::Append));
        }
    }
    ASSERT_TRUE(Main());
    const auto left = [](const QString &folder) {
        QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        names.sort();
        return names;
    };
    const auto namesOf = [&](const QString &file, QStringList others) {
        for (const QString &end : QStringList{""} + copies)
            others << QFileInfo(file + end).fileName();
        others.sort();
        return others;
    };
    EXPECT_EQ(left(sandbox.programFolder()), namesOf(settings, {"lotterydbs.bin"}));
    EXPECT_EQ(left(QFileInfo(reg::storePath()).path()), namesOf(reg::storePath(), {}));
    EXPECT_EQ(app().glngLanguage, 3);
    endStartUp();
}

// A second program ends at once while the first runs, and logs why; a program that was killed
// holds no lock. A lottery just added has no drawings: started with it as the last lottery, the
// program shows its notice in a real box and keeps running (it used to abort half a second after
// start). A second program started while another program holds the last lottery's database for
// writing never opens that database (it used to wait for it before ending).
TEST(Program, ASecondCopyEndsAtOnceAndALotteryWithoutDrawingsKeepsItRunning)
{
    Sandbox sandbox;
    // Waits until `count` programs have logged the end of their start-up.
    const auto started = [&](int count, const QProcess &program) {
        QElapsedTimer waited;
        waited.start();
        while (loggedMessages(sandbox).count("#Message: 42630") < count && waited.elapsed() < 20000 && program.state() == QProcess::Running)
            QThread::msleep(50);
        return loggedMessages(sandbox).count("#Message: 42630") == count;
    };
    QProcess first, second, third;
    startProgram(first);
    ASSERT_TRUE(started(1, first)) << "the first program did not start";
    startProgram(second);
    EXPECT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(std::tuple(second.exitStatus(), second.exitCode(), first.state()), std::tuple(QProcess::NormalExit, 0, QProcess::Running));
    first.kill();
    first.waitForFinished(10000);
    EXPECT_EQ(loggedMessages(sandbox).value(1), QStringLiteral("#Message: 43528"));

    const QString lotto = sampleLottoAsTheLastLottery(sandbox);
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(lotto).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DELETE FROM TBLRESULTS", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    startProgram(third);  // the lock of the killed program does not keep it out
    EXPECT_FALSE(third.waitForFinished(3000)) << "the program ended: " << third.readAllStandardError().toStdString();
    {
        // Another program writes to the last lottery's database: a second copy ends all the same,
        // without opening it.
        const DatabaseHolder writer(lotto);
        ASSERT_TRUE(writer.held());
        FolderWatch watch(QFileInfo(lotto).absolutePath());
        QProcess fourth;
        startProgram(fourth);
        EXPECT_TRUE(fourth.waitForFinished(20000));
        EXPECT_EQ(std::tuple(fourth.exitStatus(), fourth.exitCode()), std::tuple(QProcess::NormalExit, 0));
        EXPECT_EQ(watch.events(), QStringList{});
    }
    third.kill();
    third.waitForFinished(10000);
}

namespace {

// The other copy that the save below lets start between its two files, and the sandbox it starts in.
QProcess *gOtherCopy = nullptr;
const Sandbox *gOtherSandbox = nullptr;

// Waits, 20 seconds at most, until `program` has logged the event `message` or has ended.
bool waitForEvent(const Sandbox &sandbox, const char *message, const QProcess &program)
{
    QElapsedTimer waited;
    waited.start();
    while (!loggedMessages(sandbox).contains(message) && waited.elapsed() < 20000 && program.state() == QProcess::Running)
        QThread::msleep(20);
    return loggedMessages(sandbox).contains(message);
}

}  // namespace

// A ticket saved while another copy of the program starts over the same program folder (from
// another session: its own runtime folder, so that no single-instance lock keeps it out), the start
// falling between the save's two files: the start waits for the save, which says saved and holds
// both new files; and the start goes on.
TEST(Program, AStartDuringATicketSaveWaitsAndTheSaveHoldsBothNewFiles)
{
    Sandbox sandbox;
    sandbox.useProgramPaths();
    ASSERT_TRUE(samples::writeSampleLotteries(sandbox.programFolder()).errors.isEmpty());
    ASSERT_TRUE(QDir().mkpath(app().gstrSavedTicketsFolder) && QDir().mkpath(sandbox.dataHome() + "/TALVINOR/LogFiles"));
    const QDir tickets(app().gstrSavedTicketsFolder);
    for (const char *name : {"weekSM01", "M01_week.txt"}) {
        QFile file(tickets.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    }
    QProcess other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), sandbox.runtimeDir() + QStringLiteral("/other"));
    other.setProcessEnvironment(env);
    gOtherCopy = &other;
    gOtherSandbox = &sandbox;
    filewrite::setStepHook([](filewrite::Step step) {
        if (step != filewrite::Step::FirstCommitted)
            return;
        startProgram(*gOtherCopy);
        // Its start has named the system and goes on to bring back what writes cut short left.
        waitForEvent(*gOtherSandbox, "#Message: 43786", *gOtherCopy);
        QThread::msleep(300);
    });
    const bool saved = filewrite::writePair(tickets.filePath("weekSM01"), "new record", tickets.filePath("M01_week.txt"), "new text");
    filewrite::setStepHook(nullptr);
    EXPECT_TRUE(waitForEvent(sandbox, "#Message: 42630", other)) << "the other copy did not start";
    other.kill();
    other.waitForFinished(10000);
    QFile record(tickets.filePath("weekSM01")), text(tickets.filePath("M01_week.txt"));
    ASSERT_TRUE(record.open(QIODevice::ReadOnly) && text.open(QIODevice::ReadOnly));
    EXPECT_EQ(std::tuple(saved, record.readAll(), text.readAll()), std::tuple(true, "new record", "new text"));
    EXPECT_EQ(tickets.entryList(QDir::Files | QDir::Hidden), (QStringList{"M01_week.txt", "weekSM01"}));
}

// The program's services: whole-file writes under a failing disk (nothing written is lost and a
// failure is never reported as success), the variant codec of its files, the registry store and
// the settings kept in it, the event log.

#include "platform/ui/respicture.h"
#include <QPixmapCache>
#include <QCoreApplication>
#include <QProcess>
#include <QImage>
#include "analysis/catalogue.h"
#include "analysis/samplelotteries.h"
#include "analysis/ticketfile.h"
#include "app/boardsettings.h"
#include "app/cutshortwrites.h"
#include "app/clsfilesystem.h"
#include "app/clsregistry.h"
#include "app/application.h"
#include "app/apppaths.h"
#include "app/settingsstore.h"
#include "platform/filewrite.h"
#include "platform/variantcodec.h"
#include "support/faults.h"
#include "support/sandbox.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <thread>
#include <linux/capability.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

// One of the program's whole-file writers, with the files it replaces.
struct Writer {
    const char *name;
    QStringList files;
    std::function<filewrite::Fault(const QString &folder, const QByteArray &bytes)> write;  // None: written
};

void PrintTo(const Writer &writer, std::ostream *os) { *os << writer.name; }

const Writer kWriters[] = {
    {"settingsrecord", {"Lotto.SM01"},
     [](const QString &folder, const QByteArray &bytes) {
         BoardSettingsRecord record;
         record.fill(VbVariant::fromText(QString::fromLatin1(bytes.left(int(bytes.size() / 500)))));
         QString error;
         filewrite::Fault fault = filewrite::Fault::Other;
         return writeRecordFile(folder + "/Lotto.SM01", record, &error, &fault) ? filewrite::Fault::None : fault;
     }},
    {"ticketpair", {"M01_week1.txt", "week1.SM01"},
     [](const QString &folder, const QByteArray &bytes) {
         filewrite::Error error;
         const bool ok = filewrite::writePair(folder + "/week1.SM01", bytes, folder + "/M01_week1.txt", bytes.left(40), &error);
         return ok ? filewrite::Fault::None : error.fault;
     }},
};

class FullDisk : public ::testing::TestWithParam<Writer> {};

}  // namespace

// Every tag with its exact bytes, worked out from the file form (tag, then little-endian value);
// malformed values are errors, never reads past the end.
TEST(VariantCodec, EachTagHasItsBytesAndMalformedValuesAreErrors)
{
    const std::pair<VbVariant, const char *> cases[] = {
        {VbVariant(), "0000"}, {VbVariant::null(), "0100"}, {VbVariant::fromInt16(-2), "0200feff"},
        {VbVariant::fromInt32(-1), "0300ffffffff"}, {VbVariant::fromSingle(1.5f), "04000000c03f"},
        {VbVariant::fromDouble(-2.25), "050000000000000002c0"},
        {VbVariant::fromDate(QDate(2009, 1, 31)), "0700000000008074e340"},  // 39844 days
        {VbVariant::fromText(QString()), "08000000"}, {VbVariant::fromText(QStringLiteral("İş")), "08000200ddfe"},  // cp 1254
        {VbVariant::fromBool(true), "0b00ffff"}, {VbVariant::fromBool(false), "0b000000"},
    };
    for (const auto &[value, bytes] : cases) {
        VariantWriter w;
        w.write(value);
        EXPECT_EQ(w.bytes(), hex(bytes));
        const QByteArray data = hex(bytes);
        VariantReader r(data);
        EXPECT_EQ(r.read(), value) << bytes << r.error().toStdString();
        EXPECT_TRUE(r.atEnd());
    }
    for (const char *bad : {"", "02", "0200ff", "0300010203", "0800", "08000500414243", "0700000000", "0600", "0c00", "ffff0000"}) {
        const QByteArray data = hex(bad);
        VariantReader r(data);
        EXPECT_FALSE(r.read().has_value() || r.error().isEmpty() || r.position() != 0) << bad;
    }
    VariantWriter longText;
    longText.write(VbVariant::fromText(QString(70000, u'x')));  // longer than its length field says
    EXPECT_FALSE(longText.ok());
}

// Strings come back exactly as written; key and value names compare without regard to case,
// roots are separate; a string longer than the reader's buffer, a value of another type, a store
// that is no store and a DWORD edited by hand into a number no DWORD holds read as the default.
TEST(Registry, ValuesComeBackExactlyAsWrittenOrAsTheDefaultAndTheSettingsStoreKeepsItsOwn)
{
    Sandbox sandbox;
    clsRegistry r;
    const QString key = QStringLiteral("Software\\TALVINOR");
    const auto text = [&](const char *name, int32_t root = reg::HKEY_CURRENT_USER, const char *k = "Software\\TALVINOR") {
        return r.fncREGGetVersionVal(root, QString::fromLatin1(k), QString::fromLatin1(name), QStringLiteral("default"));
    };
    const auto dword = [&](const char *name, int32_t root = reg::HKEY_CURRENT_USER) { return r.fncREGGetDwordVal(root, key, name, 5); };
    for (const QString &value : {QStringLiteral("Şans Topu.mdb"), QString(), QString(255, u'x')}) {
        ASSERT_TRUE(r.fncREGSetStringVal(reg::HKEY_CURRENT_USER, key, QStringLiteral("Name"), value));
        EXPECT_EQ(text("Name"), value);
    }
    EXPECT_EQ(std::pair(text("NAME", reg::HKEY_CURRENT_USER, "software\\talvinor"), text("Name", reg::HKEY_LOCAL_MACHINE)),
              std::pair(QString(255, u'x'), QStringLiteral("default")));
    ASSERT_TRUE(r.fncREGSetStringVal(reg::HKEY_CURRENT_USER, key, QStringLiteral("Name"), QString(256, u'x')));
    ASSERT_TRUE(r.fncREGSetDwordVal(reg::HKEY_CURRENT_USER, key, QStringLiteral("Number"), -7));
    EXPECT_EQ(std::tuple(text("Name"), dword("Number"), dword("Name"), text("Number")), std::tuple("default", -7, 5, "default"));
    EXPECT_FALSE(r.fncREGSetDwordVal(12345, key, QStringLiteral("Number"), 1) || dword("Number", 12345) != 5);  // an unknown root
    QFile file(reg::storePath());
    for (const auto &[data, read] : {std::pair{"", 5}, {"3", 3}, {"1e20", 5}, {"-3e9", 5}, {"2.5", 5}}) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(*data ? QByteArray(R"({"HKEY_CURRENT_USER": {"Software\\TALVINOR": {"Language": {"type": 4, "data": )") + data + "}}}}"
                         : QByteArray("{ not json"));
        file.close();
        EXPECT_EQ(dword("Language"), read) << data;
    }
    // The settings kept: a language outside 1 to 4 counts as English; on a full disk the store
    // keeps the language and lottery it had.
    for (int32_t stored : {0, 5, -1}) {
        ASSERT_TRUE(r.fncREGSetDwordVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, stored));
        subRestoreSettings();
        EXPECT_EQ(app().glngLanguage, 2) << stored;
    }
    app().glngLanguage = 3;
    app().gstrLotteryDbFile = QStringLiteral("Lotto.mdb");
    ASSERT_TRUE(fncSaveSettings());
    app().glngLanguage = 1;
    app().gstrLotteryDbFile = QStringLiteral("Other.mdb");
    filewrite::Error error;
    bool saved = true;
    {
        FileSizeLimit full(0);
        saved = fncSaveSettings(&error);
    }
    subRestoreSettings();
    EXPECT_EQ(std::tuple(saved, error.fault, app().glngLanguage, app().gstrLastLotteryDbFile),
              std::tuple(false, filewrite::Fault::NoRoom, 3, QStringLiteral("Lotto.mdb")));
    app().gstrLotteryDbFile.clear();
    app().gstrLastLotteryDbFile.clear();
    app().glngLanguage = 2;
}

// A store holding two spellings of the program's key (edited by hand or by another tool), its
// parent key under either: start-up reads the key a board's close writes, so the next start gets
// the language and lottery the close kept, and every spelling asked finds that one key.
TEST(Registry, TwoSpellingsOfAKeyAreOneKeyForReadingAndWriting)
{
    Sandbox sandbox;
    const auto settings = [](int32_t language, const char *lottery) {
        return QJsonObject{{settingsstore::kLanguage, QJsonObject{{"type", reg::REG_DWORD}, {"data", language}}},
                           {settingsstore::kLastLotteryDbFile, QJsonObject{{"type", reg::REG_SZ}, {"data", lottery}}}};
    };
    for (const char *parent : {"SOFTWARE", "Software", "software"}) {
        SCOPED_TRACE(parent);
        const QJsonObject keys{{parent, QJsonObject()}, {"SOFTWARE\\talvinor", settings(1, "One.mdb")},
                               {"Software\\TALVINOR", settings(3, "Three.mdb")}};
        ASSERT_TRUE(QDir().mkpath(QFileInfo(reg::storePath()).path()));
        putFile(reg::storePath(), QJsonDocument(QJsonObject{{"HKEY_CURRENT_USER", keys}}).toJson());
        subRestoreSettings();
        app().glngLanguage = app().glngLanguage == 1 ? 3 : 1;
        const int32_t chosen = app().glngLanguage;
        app().gstrLotteryDbFile = QStringLiteral("Chosen.mdb");
        ASSERT_TRUE(fncSaveSettings());
        app().glngLanguage = 2;
        subRestoreSettings();
        EXPECT_EQ(std::pair(app().glngLanguage, app().gstrLastLotteryDbFile), std::pair(chosen, QStringLiteral("Chosen.mdb")));
        EXPECT_EQ(clsRegistry().fncREGGetVersionVal(reg::HKEY_CURRENT_USER, QStringLiteral("software\\talvinor"),
                                                    QStringLiteral("lastlotterydbfile"), {}),
                  QStringLiteral("Chosen.mdb"));
    }
    app().gstrLotteryDbFile.clear();
    app().gstrLastLotteryDbFile.clear();
    app().glngLanguage = 2;
}

namespace {

// From the `n`th whole write of the registry store on, a folder stands where a write puts the
// store's new contents: each such write fails before anything of the store is replaced.
int gStoreWritesLeft = 0;
void blockStore() { QDir().mkpath(reg::storePath() + QStringLiteral(".TALVINOR-new/x")); }
void blockStoreWritesFrom(int n)
{
    gStoreWritesLeft = n - 1;
    if (gStoreWritesLeft == 0)
        blockStore();
    filewrite::setFolderSync([](int fd) {
        if (--gStoreWritesLeft == 0)  // the folder is synced once a write has replaced the store
            blockStore();
        return ::fsync(fd);
    });
}

}  // namespace

// The language and the lottery a board's close keeps are saved together: whichever write of the
// store fails, the save fails with its reason and the store holds both values it held before, or
// the save succeeded and holds both new ones, never the new language beside the old lottery.
TEST(Registry, TheSettingsAreSavedWholeOrNotAtAll)
{
    Sandbox sandbox;
    for (const int failingWrite : {1, 2}) {
        SCOPED_TRACE(failingWrite);
        app().glngLanguage = 2;
        app().gstrLotteryDbFile = QStringLiteral("Old.mdb");
        ASSERT_TRUE(fncSaveSettings());
        app().glngLanguage = 3;
        app().gstrLotteryDbFile = QStringLiteral("New.mdb");
        blockStoreWritesFrom(failingWrite);
        filewrite::Error error;
        const bool saved = fncSaveSettings(&error);
        filewrite::setFolderSync(nullptr);
        QDir(reg::storePath() + QStringLiteral(".TALVINOR-new")).removeRecursively();
        subRestoreSettings();
        EXPECT_EQ(std::pair(app().glngLanguage, app().gstrLastLotteryDbFile),
                  saved ? std::pair(3, QStringLiteral("New.mdb")) : std::pair(2, QStringLiteral("Old.mdb")));
        EXPECT_EQ(saved, error.fault == filewrite::Fault::None);
    }
    app().gstrLotteryDbFile.clear();
    app().gstrLastLotteryDbFile.clear();
    app().glngLanguage = 2;
}

namespace {

// Whether `read` returns while a pipe nobody writes to stands at `path`. A reader that waits is let
// go (the pipe opened for writing and closed again) so that the test ends either way.
bool returnsBesideAPipe(const QString &path, const std::function<void()> &read)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkfifo(name.constData(), 0600) != 0) {
        ADD_FAILURE() << "no pipe could be made at " << path.toStdString();
        return false;
    }
    std::atomic<bool> done = false;
    std::thread reader([&] {
        read();
        done = true;
    });
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    const bool returned = done;
    while (!done) {
        if (const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
            ::close(fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    reader.join();
    QFile::remove(path);
    return returned;
}

}  // namespace

// A pipe where a file the program reads should be (the settings store, a catalogue, a board's
// settings record, a ticket's text) is refused at once: its open would wait for a writer for good,
// and the start or the board with it.
TEST(FileRead, APipeWhereAFileShouldBeIsRefusedWithoutWaiting)
{
    Sandbox sandbox;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(reg::storePath()).path()));
    EXPECT_TRUE(returnsBesideAPipe(reg::storePath(), [] { subRestoreSettings(); }));
    EXPECT_EQ(app().glngLanguage, 2);
    const QString file = sandbox.programFolder() + QStringLiteral("/file");
    EXPECT_TRUE(returnsBesideAPipe(file, [&] {
        EXPECT_EQ(readCatalogue(CatalogueKind::Lotteries, file).status, CatalogueRead::Status::Malformed);
    }));
    EXPECT_TRUE(returnsBesideAPipe(file, [&] {
        QString error;
        EXPECT_FALSE(readRecordFile(file, &error));
        EXPECT_FALSE(error.isEmpty());
    }));
    EXPECT_TRUE(returnsBesideAPipe(file, [&] { EXPECT_FALSE(fncReadTicketFile(file, TicketShape{})); }));
    app().gstrLastLotteryDbFile.clear();
    app().glngLanguage = 2;
}

// The first event makes the log with its header; later events append four CRLF lines (five with a
// detail); without the log folder nothing is written.
TEST(EventLog, TheFirstEventMakesTheLogAndLaterEventsAppendFourCrlfLines)
{
    Sandbox sandbox;
    clsFileSystem fs;
    app().gstrLogFolder = sandbox.dataHome() + QStringLiteral("/LogFiles/");
    app().gstrLogFilePath = app().gstrLogFolder + QStringLiteral("TALVINOR.log");
    fs.subWriteLogEvent(43528);
    EXPECT_FALSE(QDir(app().gstrLogFolder).exists());
    ASSERT_TRUE(QDir().mkpath(app().gstrLogFolder));
    fs.subWriteLogEvent(43786);
    fs.subWriteLogEvent(42630, QStringLiteral("INSERT failed:\nlocked"));
    const QStringList lines = QString::fromLatin1(fileBytes(app().gstrLogFilePath)).split(u'\n');
    ASSERT_EQ(lines.size(), 11) << lines.join(u'|').toStdString();  // ten lines and the empty rest after the last
    EXPECT_EQ(lines.mid(0, 2) + lines.mid(3, 3) + lines.mid(7), (QStringList{"#Software: TALVINOR\r", "#Version: 1.0.12\r",
              "#Message: 43786\r", "#\r", "#Version: 1.0.12\r", "#Message: 42630\r", "#Detail: INSERT failed: locked\r", "#\r", ""}));
    // The short date (four-digit year) and the long time without a zone of the en_US locale.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^#Date: \\d{1,2}/\\d{1,2}/\\d{4} \\d{1,2}:\\d{2}:\\d{2} (AM|PM)\r$"))
                    .match(lines[2]).hasMatch()) << lines[2].toStdString();
}

// With no room left, every writer fails, says why, and leaves the old files (or no file) behind:
// neither an empty file nor a stray temporary one. With room again the same write goes through.
TEST_P(FullDisk, AFailedWriteKeepsTheOldFilesAndSaysSo)
{
    QTemporaryDir dir;
    const QByteArray old(2611, 'o'), fresh(3000, 'n');
    for (const QString &name : GetParam().files)
        putFile(dir.filePath(name), old);
    filewrite::Fault fault = filewrite::Fault::None;
    {
        FileSizeLimit full(0);
        fault = GetParam().write(dir.path(), fresh);
    }
    EXPECT_EQ(std::pair(fault, QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)), std::pair(filewrite::Fault::NoRoom, GetParam().files));
    for (const QString &name : GetParam().files)
        EXPECT_EQ(fileBytes(dir.filePath(name)), old) << name.toStdString();
    EXPECT_EQ(GetParam().write(dir.path(), fresh), filewrite::Fault::None);
    for (const QString &name : GetParam().files)
        EXPECT_NE(fileBytes(dir.filePath(name)), old) << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Writers, FullDisk, ::testing::ValuesIn(kWriters),
                         [](const auto &info) { return std::string(info.param.name); });

// A ticket's two files change both or neither: when the second cannot be opened, and when it
// fails at its commit after the first has taken its place (an existing file whose name leaves
// no room for the temporary name the commit needs), the first is as it was, or absent when new.
TEST(FilePair, BothFilesChangeOrNeither)
{
    QTemporaryDir dir;
    const QString record = dir.filePath("t.SM01");
    const QString text = dir.filePath("M01_t.txt");
    const QString longText = dir.filePath(QString(255, u'T'));
    QDir().mkpath(text);  // a folder stands where the text file would go
    EXPECT_FALSE(filewrite::writePair(record, "new", text, "new"));
    EXPECT_FALSE(QFile::exists(record));
    putFile(longText, "old text");
    EXPECT_FALSE(filewrite::writePair(record, "new", longText, "new")) << "no failure at the second commit";
    EXPECT_FALSE(QFile::exists(record));

    putFile(record, "old record");
    for (const QString &second : {text, longText}) {
        filewrite::Error error;
        EXPECT_FALSE(filewrite::writePair(record, "new record", second, "new text", &error));
        EXPECT_EQ(std::pair(fileBytes(record), error.detail.isEmpty()), std::pair(QByteArray("old record"), false));
    }
    EXPECT_EQ(fileBytes(longText), QByteArray("old text"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no temporary file left

    QDir(text).removeRecursively();
    ASSERT_TRUE(filewrite::writePair(record, "new record", text, "new text"));
    EXPECT_EQ(fileBytes(record) + fileBytes(text), QByteArray("new recordnew text"));
}

namespace {

// Where the process below ends itself.
filewrite::Step gKilledAt = filewrite::Step::Prepared;

// The program's paths in the sandbox, its catalogue listing the lotteries "Lotto" (file suffix
// SM01) and "Word" (WORD), whose saved tickets the start looks after, and an empty folder of
// saved tickets.
void listTwoLotteries(const Sandbox &sandbox)
{
    sandbox.useProgramPaths();
    QString error;
    ASSERT_EQ(samples::writeNewFile(sandbox.programFolder() + "/lotterydbs.bin",
                                    catalogueBytes(samples::lotteryTable({{1, "Lotto", "Lotto.mdb", "SM01", 1},
                                                                          {2, "Word", "Word.mdb", "WORD", 1}}),
                                                   DimensionOrder::RowsFirst),
                                    &error),
              samples::WriteResult::Written);
    ASSERT_TRUE(QDir().mkpath(app().gstrSavedTicketsFolder));
}

// The files of a folder (hidden ones too) with their contents.
std::map<QString, QByteArray> filesIn(const QDir &folder)
{
    std::map<QString, QByteArray> files;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        files[name] = fileBytes(folder.filePath(name));
    return files;
}

QByteArray sha256(const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(); }

}  // namespace

// Run only by the tests below, in a process of its own: the ticket "week" of the lottery "SM01"
// saved into the folder $CUT_FOLDER (or, with $CUT_REMOVE set, removed from it), the process
// killed at the step $CUT_STEP of the write.
TEST(FilePair, DISABLED_SavedUntilKilled)
{
    gKilledAt = static_cast<filewrite::Step>(qEnvironmentVariableIntValue("CUT_STEP"));
    filewrite::setStepHook([](filewrite::Step step) {
        if (step == gKilledAt)
            raise(SIGKILL);
    });
    const QString folder = qEnvironmentVariable("CUT_FOLDER");
    if (qEnvironmentVariableIsSet("CUT_REMOVE"))
        filewrite::removePair(folder + "weekSM01", folder + "M01_week.txt");
    else
        filewrite::writePair(folder + "weekSM01", "new record", folder + "M01_week.txt", "new text");
    filewrite::setStepHook(nullptr);
}

namespace {

// The test above run in a process of its own, which ends at `step`.
void killedAt(filewrite::Step step, bool removing)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CUT_FOLDER", app().gstrSavedTicketsFolder);
    env.insert("CUT_STEP", QString::number(static_cast<int>(step)));
    if (removing)
        env.insert("CUT_REMOVE", "1");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=FilePair.DISABLED_SavedUntilKilled",
                                                          "--gtest_also_run_disabled_tests"});
    ASSERT_TRUE(child.waitForFinished(20000));
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardOutput().right(2000).toStdString();
}

}  // namespace

// A ticket save killed with only its note written, before anything was replaced, after its record
// was, or after both files were, of a new ticket and of one saved before: the next start gives the
// old ticket (none when it was new) or the new one, never the new record beside the old text, and
// nothing of the write stays behind. The user's other files stay, whatever their names: copies of
// the ticket's files named like the temporary files or the old copies of other programs and of
// earlier versions of this one, and a ticket of another lottery whose name makes it look like one.
TEST(FilePair, ASaveKilledAnywhereLeavesOneWholeTicketAfterTheNextStart)
{
    Sandbox sandbox;
    listTwoLotteries(sandbox);
    const QDir tickets(app().gstrSavedTicketsFolder);
    const QStringList others = {"M01_week.txt.bak", "notes.txt.AbCdEf", "weekSM01.abWORD", "weekSM01.QsfTmp",
                                "M01_week.txt.backup", "weekSM01.old~"};
    using filewrite::Step;
    for (const bool replacing : {false, true}) {
        for (const Step step : {Step::Noted, Step::Prepared, Step::FirstCommitted, Step::SecondCommitted}) {
            QDir(tickets.path()).removeRecursively();
            ASSERT_TRUE(tickets.mkpath("."));
            if (replacing) {
                putFile(tickets.filePath("weekSM01"), "old record");
                putFile(tickets.filePath("M01_week.txt"), "old text");
            }
            for (const QString &name : others)
                putFile(tickets.filePath(name), "x");
            ASSERT_NO_FATAL_FAILURE(killedAt(step, false));
            subRecoverCutShortWrites();
            const bool saved = step == Step::SecondCommitted;
            QStringList left = tickets.entryList(QDir::Files | QDir::Hidden), expected = others;
            if (replacing || saved)
                expected << "M01_week.txt" << "weekSM01";
            left.sort();
            expected.sort();
            EXPECT_EQ(left, expected) << replacing << int(step);
            EXPECT_EQ((fileBytes(tickets.filePath("weekSM01")) + '|' + fileBytes(tickets.filePath("M01_week.txt"))).toStdString(),
                      saved ? "new record|new text" : replacing ? "old record|old text" : "|")
                << replacing << int(step);
        }
    }
}

// A removal that ends has brought its last name to the disk: the folder was last synced with both
// files gone. One killed with only its note written, with its text moved aside, after its record
// went, or after both did: the next start gives the whole ticket (only before the text was moved)
// or none, and nothing of the removal stays; the user's other files stay.
TEST(FilePair, ADeleteKilledAnywhereLeavesTheWholeTicketOrNoneAfterTheNextStart)
{
    Sandbox sandbox;
    listTwoLotteries(sandbox);
    const QDir tickets(app().gstrSavedTicketsFolder);
    const auto saveTicket = [&] {
        putFile(tickets.filePath("weekSM01"), "record");
        putFile(tickets.filePath("M01_week.txt"), "text");
        putFile(tickets.filePath("M01_week.txt.bak"), "x");
    };
    saveTicket();
    static QStringList lastSynced;
    filewrite::setFolderSync([](int fd) {
        lastSynced = QDir(app().gstrSavedTicketsFolder).entryList(QDir::Files);
        return ::fsync(fd);
    });
    const bool removed = filewrite::removePair(tickets.filePath("weekSM01"), tickets.filePath("M01_week.txt"));
    filewrite::setFolderSync(nullptr);
    EXPECT_EQ(std::pair(removed, lastSynced), std::pair(true, QStringList{"M01_week.txt.bak"}));

    using filewrite::Step;
    for (const Step step : {Step::Noted, Step::Prepared, Step::FirstCommitted, Step::SecondCommitted}) {
        saveTicket();
        ASSERT_NO_FATAL_FAILURE(killedAt(step, true));
        subRecoverCutShortWrites();
        std::map<QString, QByteArray> expected{{"M01_week.txt.bak", "x"}}, left = filesIn(tickets);
        if (step == Step::Noted)
            expected.insert({{"weekSM01", "record"}, {"M01_week.txt", "text"}});
        left.erase(".TALVINOR-write.lock");  // the lock of the process that ended, until a write takes it over
        EXPECT_EQ(left, expected) << int(step);
    }
}

// A ticket's record replaced, its text still waiting beside it: the state in which a note of the
// save puts the old record back. A note the program cannot have written there changes nothing and
// is told in the event log: a last line other than 0 or 1, a text file's name with a folder in it
// (above, below, from the root) or of another ticket, a file the save does not make, a note cut
// short, a note beside the text file. The note the program writes puts the old record back.
TEST(FilePair, ANoteTheProgramCannotHaveWrittenChangesNothingAndIsLogged)
{
    Sandbox sandbox;
    listTwoLotteries(sandbox);
    app().createServiceObjects();
    subSetLogPaths();
    ASSERT_TRUE(QDir().mkpath(app().gstrLogFolder));
    const QDir tickets(app().gstrSavedTicketsFolder);
    for (const auto &[name, bytes] : {std::pair{"weekSM01", "new record"}, {"weekSM01.TALVINOR-old", "old record"},
                                      {"M01_week.txt", "old text"}, {"M01_week.txt.TALVINOR-new", "new text"}})
        putFile(tickets.filePath(name), bytes);
    const auto note = [](const QByteArray &first, const QByteArray &second, const QByteArray &old, const QByteArray &stood) {
        return second + '\n' + first + ".TALVINOR-new\n" + second + ".TALVINOR-new\n" + old + '\n' + sha256("new record") +
               '\n' + sha256("new text") + '\n' + stood + '\n';
    };
    const QByteArray valid = note("weekSM01", "M01_week.txt", "weekSM01.TALVINOR-old", "1");
    const std::pair<QString, QByteArray> foreign[] = {
        {"weekSM01", note("weekSM01", "M01_week.txt", "weekSM01.TALVINOR-old", "2")},
        {"weekSM01", note("weekSM01", "../SavedTickets/M01_week.txt", "weekSM01.TALVINOR-old", "1")},
        {"weekSM01", note("weekSM01", QFile::encodeName(tickets.filePath("M01_week.txt")), "weekSM01.TALVINOR-old", "1")},
        {"weekSM01", note("weekSM01", "x/M01_week.txt", "weekSM01.TALVINOR-old", "1")},
        {"weekSM01", note("weekSM01", "M01_day.txt", "weekSM01.TALVINOR-old", "1")},
        {"weekSM01", note("weekSM01", "M01_week.txt", "weekSM01.old~", "1")},
        {"weekSM01", valid.chopped(1)},
        {"M01_week.txt", note("M01_week.txt", "weekSM01", "M01_week.txt.TALVINOR-old", "1")},
    };
    const std::map<QString, QByteArray> before = filesIn(tickets);
    int logged = 0;
    for (const auto &[first, bytes] : foreign) {
        SCOPED_TRACE(bytes.toStdString());
        const QString path = tickets.filePath(first + ".TALVINOR-pair");
        putFile(path, bytes);
        subRecoverCutShortWrites();
        EXPECT_EQ(filesIn(tickets).size(), before.size() + 1);
        ASSERT_TRUE(QFile::remove(path));
        EXPECT_EQ(filesIn(tickets), before);
        const QStringList log = QString::fromLatin1(fileBytes(app().gstrLogFilePath)).split("\r\n");
        EXPECT_EQ(log.count("#Message: 44840"), ++logged);
        EXPECT_TRUE(log.value(log.size() - 3).startsWith("#Detail: " + path + ": not a note of this program"))
            << log.value(log.size() - 3).toStdString();
    }
    putFile(tickets.filePath("weekSM01.TALVINOR-pair"), valid);
    subRecoverCutShortWrites();
    EXPECT_EQ(filesIn(tickets), (std::map<QString, QByteArray>{{"M01_week.txt", "old text"}, {"weekSM01", "old record"}}));
}

namespace {

// Writes "new record" and "new text" over the pair "old record" and "old text" with the last sync
// of the folder failing; the write fails, and this is its error.
filewrite::Error writePairWithTheLastSyncFailing(const QString &record, const QString &text)
{
    putFile(record, "old record");
    putFile(text, "old text");
    static std::optional<FolderSyncFailure> failing;
    filewrite::setStepHook([](filewrite::Step step) {
        if (step == filewrite::Step::SecondCommitted)
            failing.emplace(EIO);
    });
    filewrite::Error error;
    EXPECT_FALSE(filewrite::writePair(record, "new record", text, "new text", &error));
    filewrite::setStepHook(nullptr);
    failing.reset();
    return error;
}

}  // namespace

// A save whose last folder sync fails leaves its note and the old record: the save is not told
// saved, and a machine that ends before the names reach the disk is brought back by them. Once the
// pair stands they bring back nothing: not when the text is changed by hand before the next start,
// nor after Ticket > Delete, which removes them with the ticket.
TEST(FilePair, ANoteThatOutlivesItsPairBringsNoOldRecordBack)
{
    Sandbox sandbox;
    listTwoLotteries(sandbox);
    const QDir tickets(app().gstrSavedTicketsFolder);
    const QString record = tickets.filePath("weekSM01"), text = tickets.filePath("M01_week.txt");
    const auto saveWithTheLastSyncFailing = [&] {
        EXPECT_EQ(writePairWithTheLastSyncFailing(record, text).fault, filewrite::Fault::Device);
        EXPECT_EQ(filesIn(tickets).size(), 4u);  // the note and the old record beside the pair
    };
    saveWithTheLastSyncFailing();
    putFile(text, "changed by hand");
    subRecoverCutShortWrites();
    EXPECT_EQ(filesIn(tickets), (std::map<QString, QByteArray>{{"M01_week.txt", "changed by hand"}, {"weekSM01", "new record"}}));

    saveWithTheLastSyncFailing();
    EXPECT_TRUE(filewrite::removePair(record, text));
    EXPECT_EQ(filesIn(tickets), (std::map<QString, QByteArray>{}));
    subRecoverCutShortWrites();
    EXPECT_EQ(filesIn(tickets), (std::map<QString, QByteArray>{}));
}

// The record of a ticket whose text file another lottery's ticket holds too goes alone: what a
// save of the pair left beside it (its note and old record) goes with it, the text file stays. A
// removal the disk does not confirm is not told done.
TEST(FilePair, RemovingTheFirstFileAloneKeepsTheSecondAndClearsWhatTheirSaveLeft)
{
    QTemporaryDir dir;
    const QString record = dir.filePath("weekSM01"), text = dir.filePath("M01_week.txt");
    writePairWithTheLastSyncFailing(record, text);
    EXPECT_TRUE(filewrite::removeFirstOfPair(record, text));
    EXPECT_EQ(filesIn(dir.path()), (std::map<QString, QByteArray>{{"M01_week.txt", "new text"}}));
    putFile(record, "record");
    FolderSyncFailure failing(EIO);
    EXPECT_FALSE(filewrite::removeFirstOfPair(record, text));
}

// A failed save tells whether its files were replaced: so when only the last folder sync failed,
// after both took their places; not when the disk fails from the start (the error reused).
TEST(FilePair, AFailureTellsWhetherBothFilesWereReplaced)
{
    QTemporaryDir dir;
    const QString record = dir.filePath("weekSM01"), text = dir.filePath("M01_week.txt");
    filewrite::Error error = writePairWithTheLastSyncFailing(record, text);
    EXPECT_EQ(std::tuple(error.replaced, error.fault, fileBytes(record) + fileBytes(text)),
              std::tuple(true, filewrite::Fault::Device, QByteArray("new recordnew text")));
    {
        FolderSyncFailure failingFromTheStart(EIO);
        EXPECT_FALSE(filewrite::writePair(record, "newer record", text, "newer text", &error));
    }
    EXPECT_EQ(std::pair(error.replaced, fileBytes(record) + fileBytes(text)), std::pair(false, QByteArray("new recordnew text")));
}

// The longest name a write makes beside a file is as long as said: the first file of a pair whose
// longest name just fits the file system's 255 bytes is written, one a byte longer is not.
TEST(FilePair, TheLongestNameWrittenBesideAFileIsAsLongAsSaid)
{
    QTemporaryDir dir;
    for (const char *end : {"x", "xy"}) {
        const QString first = dir.filePath(QString(120, u'ş') + QLatin1String(end));  // two bytes a letter
        EXPECT_EQ(filewrite::longestNameWritten(first), 254 + qstrlen(end));
        EXPECT_EQ(filewrite::writePair(first, "record", dir.filePath("M01_t.txt"), "text"), qstrlen(end) == 1) << end;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), qstrlen(end) == 1 ? 2 : 0) << end;
        QFile::remove(first);
        QFile::remove(dir.filePath("M01_t.txt"));
    }
}

// A missing folder and a read-only one are told apart; the read-only folder keeps its file. The
// superuser too (as on the build machines) is held by the folder's permissions: its right to pass
// them is laid down for the write.
TEST(FileWrite, AMissingOrReadOnlyFolderIsToldApart)
{
    QTemporaryDir dir;
    filewrite::Error error;
    EXPECT_FALSE(filewrite::writeWhole(dir.filePath("gone/x"), "x", &error));
    EXPECT_TRUE(error.fault == filewrite::Fault::Missing && error.detail.contains(dir.filePath("gone/x"))) << error.detail.toStdString();
    putFile(dir.filePath("kept"), "kept");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct held[2] = {}, without[2] = {};
        ASSERT_EQ(syscall(SYS_capget, &header, held), 0);
        std::copy(held, held + 2, without);
        without[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        ASSERT_EQ(syscall(SYS_capset, &header, without), 0) << "the right to pass file permissions cannot be laid down";
        EXPECT_FALSE(filewrite::writeWhole(dir.filePath("kept"), "new", &error));
        EXPECT_EQ(syscall(SYS_capset, &header, held), 0);
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(error.fault, filewrite::Fault::ReadOnly);
    EXPECT_EQ(fileBytes(dir.filePath("kept")), QByteArray("kept"));
}

// A folder whose sync the file system refuses as not supported (EINVAL) is written as any other;
// a sync that fails on the disk fails the write, which says so, and leaves no file of its own.
TEST(FileWrite, AFolderSyncTheFileSystemCannotDoIsNoFailureAndAFailingDiskIs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("registry.json");
    putFile(path, "old");
    filewrite::Error error;
    {
        FolderSyncFailure unsupported(EINVAL);
        EXPECT_TRUE(filewrite::writeWhole(path, "new", &error)) << error.detail.toStdString();
    }
    {
        FolderSyncFailure failing(EIO);
        EXPECT_FALSE(filewrite::writeWhole(path, "newer", &error));
    }
    EXPECT_EQ(std::tuple(error.fault, error.detail, QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)),
              std::tuple(filewrite::Fault::Device, dir.path() + ": " + QString::fromLocal8Bit(std::strerror(EIO)), QStringList{"registry.json"}));
}

// The settings store and a lottery's board settings file that are links to files kept elsewhere
// (as dotfile managers keep them) are written where the links lead, and so are the temporary
// files of their writes: those that writes cut short left there go at the next start; the links,
// the files and the user's own files beside them stay.
TEST(FileWrite, TheTemporaryFilesOfWritesThroughLinksGoAtTheNextStart)
{
    Sandbox sandbox;
    listTwoLotteries(sandbox);
    const QDir elsewhere(sandbox.dataHome() + QStringLiteral("/dotfiles"));
    ASSERT_TRUE(elsewhere.mkpath(".") && QDir().mkpath(QFileInfo(reg::storePath()).path()));
    const std::pair<QString, QString> links[] = {{reg::storePath(), elsewhere.filePath("talvinor.json")},
                                                 {app().gstrAppFolder + "LottoSM01", elsewhere.filePath("lotto.settings")}};
    for (const auto &[link, kept] : links) {
        putFile(kept, "old");
        ASSERT_TRUE(QFile::link(kept, link));
        ASSERT_TRUE(filewrite::writeWhole(link, "saved"));
        putFile(kept + ".TALVINOR-new", "cut short");
        putFile(kept + ".bak", "x");
    }
    subRecoverCutShortWrites();
    EXPECT_EQ(elsewhere.entryList(QDir::Files | QDir::Hidden),
              (QStringList{"lotto.settings", "lotto.settings.bak", "talvinor.json", "talvinor.json.bak"}));
    for (const auto &[link, kept] : links)
        EXPECT_EQ(std::pair(QFileInfo(link).symLinkTarget(), fileBytes(link)), std::pair(kept, QByteArray("saved")));
}

// Ball pictures read ahead on their own thread are the pictures read one by one, each under its
// own name; a name that is no ball picture is left out. The reading is held a moment: the first
// picture asked waits for it and takes what it read.
TEST(BallPictures, ThoseReadAheadAreThoseReadOneByOne)
{
    QPixmapCache::clear();
    const auto readAhead = std::make_shared<std::atomic<bool>>(false);
    setPictureReadingHoldForTests([readAhead] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        *readAhead = true;
    });
    subReadBallPicturesAhead({QStringLiteral("B1"), QStringLiteral("G49"), QStringLiteral("B0"), QStringLiteral("X3")});
    setPictureReadingHoldForTests({});
    for (const char *name : {"B1", "G49", "B0"}) {
        const QImage expected = QImage(QStringLiteral(":/balls/%1.png").arg(QLatin1String(name)))
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage shown = fncLoadResPicture(QString::fromLatin1(name), QStringLiteral("GIF")).toImage();
        EXPECT_TRUE(*readAhead) << name;
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied), expected) << name;
    }
    EXPECT_TRUE(fncLoadResPicture(QStringLiteral("X3"), QStringLiteral("GIF")).isNull());
}

// Run only by the test below, in a process of its own: every ball picture read ahead and none
// taken, the process ending at once while the reading is held, so that the pictures are read
// while the program ends.
TEST(BallPictures, DISABLED_ReadAheadAndLeftAtTheEnd)
{
    QStringList names;
    for (int ball = 0; ball <= 99; ++ball)
        names << QStringLiteral("B%1").arg(ball) << QStringLiteral("G%1").arg(ball);
    QPixmapCache::clear();
    setPictureReadingHoldForTests([] { std::this_thread::sleep_for(std::chrono::milliseconds(300)); });
    subReadBallPicturesAhead(names);
}

// A program that ends while its ball pictures are still being read ends cleanly: the reading
// ends before the application goes.
TEST(BallPictures, AProgramEndingWhileTheyAreReadAheadEndsCleanly)
{
    for (int run = 0; run < 4; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=BallPictures.DISABLED_ReadAheadAndLeftAtTheEnd"),
                     QStringLiteral("--gtest_also_run_disabled_tests")});
        ASSERT_TRUE(child.waitForFinished(20000));
        EXPECT_EQ(std::tuple(child.exitStatus(), child.exitCode()), std::tuple(QProcess::NormalExit, 0))
            << child.readAllStandardError().right(2000).toStdString();
    }
}

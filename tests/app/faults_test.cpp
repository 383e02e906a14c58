// The program under a failing disk: nothing written is lost and failures are never reported as
// success.

#include "analysis/samplelotteries.h"
#include "app/boardsettings.h"
#include "app/globals.h"
#include "app/settingsstore.h"
#include "platform/filewrite.h"
#include "support/faults.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <functional>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray someBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = static_cast<char>(random.bounded(256));
    return bytes;
}

struct WriteOutcome {
    bool ok = false;
    filewrite::Fault fault = filewrite::Fault::None;
};

// One of the program's whole-file writers, with the files it replaces.
struct Writer {
    const char *name;
    QStringList files;  // relative to the test folder
    std::function<WriteOutcome(const QString &folder)> write;
};

void PrintTo(const Writer &writer, std::ostream *os) { *os << writer.name; }

BoardSettingsRecord someRecord()
{
    BoardSettingsRecord record;
    for (int i = 0; i < 300; ++i)
        record[static_cast<size_t>(i)] = VbVariant::fromText(QStringLiteral("slot %1").arg(i));
    return record;
}

const std::vector<Writer> &writers()
{
    static const std::vector<Writer> all = {
        {"whole file", {"settings.LT01"},
         [](const QString &folder) {
             filewrite::Error error;
             const bool ok = filewrite::writeWhole(folder + "/settings.LT01", someBytes(3000, 7), &error);
             return WriteOutcome{ok, error.fault};
         }},
        {"settings record", {"Lotto.SM01"},
         [](const QString &folder) {
             QString error;
             filewrite::Fault fault = filewrite::Fault::None;
             const bool ok = writeRecordFile(folder + "/Lotto.SM01", someRecord(), &error, &fault);
             EXPECT_EQ(ok, error.isEmpty());
             return WriteOutcome{ok, fault};
         }},
        {"ticket pair", {"week1.SM01", "M01_week1.txt"},
         [](const QString &folder) {
             filewrite::Error error;
             const bool ok = filewrite::writePair(folder + "/week1.SM01", someBytes(2500, 1), folder + "/M01_week1.txt",
                                                  someBytes(40, 2), &error);
             return WriteOutcome{ok, error.fault};
         }},
        {"sample file", {"lotterydbs.bin"},
         [](const QString &folder) {
             QFile::remove(folder + "/lotterydbs.bin");  // samples are written only where none is
             QString error;
             const auto result = samples::writeNewFile(folder + "/lotterydbs.bin", someBytes(900, 3), &error);
             return WriteOutcome{result == samples::WriteResult::Written,
                                 result == samples::WriteResult::Failed ? filewrite::Fault::NoRoom
                                                                        : filewrite::Fault::None};
         }},
    };
    return all;
}

class FullDisk : public ::testing::TestWithParam<Writer> {
protected:
    QTemporaryDir dir;
};

}  // namespace

// With no room left, every writer fails, says why, and leaves the old files (or no file) behind:
// neither an empty file nor a stray temporary one.
TEST_P(FullDisk, AFailedWriteKeepsTheOldFilesAndSaysSo)
{
    const Writer &writer = GetParam();
    const QString folder = dir.path();
    std::map<QString, QByteArray> before;
    for (const QString &name : writer.files) {
        putFile(folder + '/' + name, someBytes(2611, qHash(name)));
        before[name] = fileBytes(folder + '/' + name);
    }
    if (QString(writer.name) == "sample file")
        before[writer.files[0]] = "<no file>";

    WriteOutcome outcome;
    {
        FileSizeLimit full(0);
        outcome = writer.write(folder);
    }
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.fault, filewrite::Fault::NoRoom);
    for (const QString &name : writer.files)
        EXPECT_EQ(fileBytes(folder + '/' + name), before[name]) << name.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), static_cast<qsizetype>(QString(writer.name) == "sample file"
                                                                                      ? 0
                                                                                      : writer.files.size()));

    // With room again the same write goes through.
    outcome = writer.write(folder);
    EXPECT_TRUE(outcome.ok);
    for (const QString &name : writer.files)
        EXPECT_NE(fileBytes(folder + '/' + name), before[name]) << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Writers, FullDisk, ::testing::ValuesIn(writers()),
                         [](const auto &info) { return QString(info.param.name).remove(' ').toStdString(); });

// A pair whose second file cannot take its place leaves the first as it was, or absent when it
// was new.
TEST(FilePair, BothFilesChangeOrNeither)
{
    QTemporaryDir dir;
    const QString record = dir.filePath("t.SM01");
    const QString text = dir.filePath("M01_t.txt");
    QDir().mkpath(text);  // a folder stands where the text file would go
    EXPECT_FALSE(filewrite::writePair(record, "new", text, "new"));
    EXPECT_FALSE(QFile::exists(record));

    putFile(record, "old record");
    filewrite::Error error;
    EXPECT_FALSE(filewrite::writePair(record, "new record", text, "new text", &error));
    EXPECT_EQ(fileBytes(record), QByteArray("old record"));
    EXPECT_FALSE(error.detail.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.SM01"});

    QDir(text).removeRecursively();
    putFile(text, "old text");
    ASSERT_TRUE(filewrite::writePair(record, "new record", text, "new text"));
    EXPECT_EQ(fileBytes(record), QByteArray("new record"));
    EXPECT_EQ(fileBytes(text), QByteArray("new text"));
}

// A missing folder and a read-only one are told apart; the read-only folder keeps its file.
TEST(FileWrite, AMissingOrReadOnlyFolderIsToldApart)
{
    QTemporaryDir dir;
    filewrite::Error error;
    EXPECT_FALSE(filewrite::writeWhole(dir.filePath("gone/x"), "x", &error));
    EXPECT_EQ(error.fault, filewrite::Fault::Missing);
    EXPECT_TRUE(error.detail.contains(dir.filePath("gone/x")));
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    putFile(dir.filePath("kept"), "kept");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(filewrite::writeWhole(dir.filePath("kept"), "new", &error));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(error.fault, filewrite::Fault::ReadOnly);
    EXPECT_EQ(fileBytes(dir.filePath("kept")), QByteArray("kept"));
}

// The settings store keeps the language it had when a new one cannot be written.
TEST(SettingsStoreFaults, AFullDiskKeepsTheStoredLanguage)
{
    Sandbox sandbox;
    glngLanguage = 3;
    gstrLotteryDbFile = QStringLiteral("Lotto.mdb");
    ASSERT_TRUE(fncSaveSettings());
    glngLanguage = 1;
    gstrLotteryDbFile = QStringLiteral("Other.mdb");
    filewrite::Error error;
    {
        FileSizeLimit full(0);
        EXPECT_FALSE(fncSaveSettings(&error));
    }
    EXPECT_EQ(error.fault, filewrite::Fault::NoRoom);
    subRestoreSettings();
    EXPECT_EQ(glngLanguage, 3);
    EXPECT_EQ(gstrLastLotteryDbFile, QStringLiteral("Lotto.mdb"));
    glngLanguage = 2;
    gstrLotteryDbFile.clear();
    gstrLastLotteryDbFile.clear();
}

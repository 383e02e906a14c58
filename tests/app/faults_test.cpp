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
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

// One of the program's whole-file writers, with the files it replaces (none before for samples).
struct Writer {
    const char *name;
    QStringList files;
    std::function<filewrite::Fault(const QString &folder, const QByteArray &bytes)> write;  // None: written
};

void PrintTo(const Writer &writer, std::ostream *os) { *os << writer.name; }

filewrite::Fault faultOf(bool ok, const filewrite::Error &error) { return ok ? filewrite::Fault::None : error.fault; }

const Writer kWriters[] = {
    {"wholefile", {"settings.LT01"},
     [](const QString &folder, const QByteArray &bytes) {
         filewrite::Error error;
         return faultOf(filewrite::writeWhole(folder + "/settings.LT01", bytes, &error), error);
     }},
    {"settingsrecord", {"Lotto.SM01"},
     [](const QString &folder, const QByteArray &bytes) {
         BoardSettingsRecord record;
         for (size_t i = 0; i < 300; ++i)
             record[i] = VbVariant::fromText(QString::fromLatin1(bytes.toHex().mid(int(i % 100), 8)));
         QString error;
         filewrite::Fault fault = filewrite::Fault::None;
         const bool ok = writeRecordFile(folder + "/Lotto.SM01", record, &error, &fault);
         EXPECT_EQ(ok, error.isEmpty());
         return ok ? filewrite::Fault::None : fault;
     }},
    {"ticketpair", {"M01_week1.txt", "week1.SM01"},
     [](const QString &folder, const QByteArray &bytes) {
         filewrite::Error error;
         return faultOf(filewrite::writePair(folder + "/week1.SM01", bytes, folder + "/M01_week1.txt", bytes.left(40),
                                             &error), error);
     }},
    {"samplefile", {},
     [](const QString &folder, const QByteArray &bytes) {
         QString error;
         return samples::writeNewFile(folder + "/lotterydbs.bin", bytes, &error) == samples::WriteResult::Written
                    ? filewrite::Fault::None
                    : filewrite::Fault::NoRoom;
     }},
};

class FullDisk : public ::testing::TestWithParam<Writer> {};

}  // namespace

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
    EXPECT_EQ(fault, filewrite::Fault::NoRoom);
    for (const QString &name : GetParam().files)
        EXPECT_EQ(fileBytes(dir.filePath(name)), old) << name.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), GetParam().files);
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
        EXPECT_EQ(fileBytes(record), QByteArray("old record"));
        EXPECT_FALSE(error.detail.isEmpty());
    }
    EXPECT_EQ(fileBytes(longText), QByteArray("old text"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no temporary file left

    QDir(text).removeRecursively();
    ASSERT_TRUE(filewrite::writePair(record, "new record", text, "new text"));
    EXPECT_EQ(fileBytes(record) + fileBytes(text), QByteArray("new recordnew text"));
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

// The settings store keeps the language and lottery it had when new ones cannot be written.
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
    EXPECT_EQ(std::pair(glngLanguage, gstrLastLotteryDbFile), std::pair(3, QStringLiteral("Lotto.mdb")));
    glngLanguage = 2;
    gstrLotteryDbFile.clear();
    gstrLastLotteryDbFile.clear();
}

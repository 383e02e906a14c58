// The program under a failing disk and with damaged settings records: nothing written is lost,
// failures are never reported as success, and what cannot be read takes its reset value.

#include "analysis/drum.h"
#include "analysis/samplelotteries.h"
#include "analysis/state.h"
#include "app/boardsettings.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/settingsstore.h"
#include "app/ui/clsrecordfile.h"
#include "boards/common/iboard.h"
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

// ---- Damaged settings records -----------------------------------------------------------------

namespace {

RecordShape lotto649()
{
    RecordShape shape;
    shape.picks = 6;
    shape.bonusCount = 1;
    shape.maxBall = 49;
    return shape;
}

}  // namespace

// A record cut short or overwritten with random bytes reads as far as it is whole; the rest takes
// the reset values, so the board gets one of Hot or Cold, a pool to fill and nothing excluded.
TEST(DamagedRecord, WhatCannotBeReadTakesItsResetValue)
{
    const RecordShape shape = lotto649();
    const DrawingsInfo drawings{120, QDate(2025, 12, 31)};
    BoardSettings saved = boardSettingsDefaults(shape, drawings);
    saved.hot = false;
    saved.cold = true;
    saved.startWeek = 5;
    BoardSettingsRecord record;
    ASSERT_TRUE(encodeBoardSettings(shape, saved, record));
    const QByteArray whole = recordBytes(record);

    int read = 0;
    RecordDamage damage;
    const BoardSettingsRecord back = recordFromBytes(whole, &read);
    EXPECT_EQ(read, kRecordSlots);
    EXPECT_EQ(decodeBoardSettings(shape, back, drawings, read, &damage), saved);
    EXPECT_FALSE(damage.any());

    const BoardSettings reset = boardSettingsDefaults(shape, drawings);
    const struct {
        const char *name;
        QByteArray bytes;
    } damagedFiles[] = {
        {"cut after the analysis window", whole.left(30)},
        {"random bytes", someBytes(whole.size(), 99)},
        {"empty", QByteArray()},
    };
    for (const auto &c : damagedFiles) {
        SCOPED_TRACE(c.name);
        const BoardSettingsRecord cut = recordFromBytes(c.bytes, &read);
        const BoardSettings s = decodeBoardSettings(shape, cut, drawings, read, &damage);
        EXPECT_TRUE(damage.any());
        EXPECT_NE(s.hot, s.cold);
        EXPECT_EQ(s.poolCountEdited, reset.poolCountEdited);
        EXPECT_EQ(s.excluded, reset.excluded);
        EXPECT_EQ(s.guesses, reset.guesses);
        EXPECT_EQ(s.columnsToDraw, reset.columnsToDraw);
    }
    // What the cut record still held whole is kept.
    const BoardSettingsRecord front = recordFromBytes(whole.left(30), &read);
    const BoardSettings cut = decodeBoardSettings(shape, front, drawings, read);
    EXPECT_EQ(cut.startWeek, 5);
    EXPECT_EQ(cut.hot, reset.hot);
}

TEST(DamagedRecord, TheRecordServiceNamesTheDamagedFile)
{
    QTemporaryDir dir;
    GameShape::lotto(49, 6, 1).makeCurrent();
    gfrmCurrentBoard = nullptr;
    clsRecordFile records;
    gstrRecordFilePath = dir.filePath("Lotto.SM01");
    putFile(gstrRecordFilePath, someBytes(2000, 5));
    ASSERT_TRUE(records.subLoadBoardSettings());
    EXPECT_EQ(records.loadProblem(), res(49020).arg(QDir::toNativeSeparators(gstrRecordFilePath)));
    // Nothing excluded, no pool count typed: the pool can be filled.
    for (int ball = 1; ball <= 49; ++ball) {
        EXPECT_EQ(gDrum.garrExcluded.value(ball, -1), 0);
        EXPECT_EQ(gDrum.garrPoolCountEdited.value(ball, 0), -3);
    }

    // A whole record reads without a word; choosing the next file forgets the last problem.
    records.subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    EXPECT_TRUE(records.loadProblem().isEmpty());
    BoardSettingsRecord whole;
    encodeBoardSettings(RecordShape::current(), boardSettingsDefaults(RecordShape::current(), {}), whole);
    QString error;
    ASSERT_TRUE(writeRecordFile(dir.filePath("whole"), whole, &error));
    gstrRecordFilePath = dir.filePath("whole");
    ASSERT_TRUE(records.subLoadBoardSettings());
    EXPECT_TRUE(records.loadProblem().isEmpty());
}

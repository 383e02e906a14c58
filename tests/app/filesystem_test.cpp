#include "app/clsfilesystem.h"
#include "app/globals.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class EventLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        gstrLogFolder = sandbox.dataHome() + QStringLiteral("/LogFiles/");
        gstrLogFilePath = gstrLogFolder + QStringLiteral("TALVINOR.log");
    }
    Sandbox sandbox;
    clsFileSystem fs;
};

}  // namespace

TEST_F(EventLog, FirstEventMakesTheFileAndLaterEventsAppendFourCrlfLines)
{
    ASSERT_TRUE(QDir().mkpath(gstrLogFolder));
    fs.subWriteLogEvent(43786);
    const QByteArray first = readAll(gstrLogFilePath);
    const QList<QByteArray> lines = first.split('\n');
    ASSERT_EQ(lines.size(), 6);  // five lines and the empty rest after the last line end
    EXPECT_EQ(lines[0], "#Software: TALVINOR\r");
    EXPECT_EQ(lines[1], "#Version: 1.0.12\r");
    // The short date (four-digit year) and the long time without a zone of the en_US locale.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^#Date: \\d{1,2}/\\d{1,2}/\\d{4} \\d{1,2}:\\d{2}:\\d{2} (AM|PM)\r$"))
                    .match(QString::fromLatin1(lines[2])).hasMatch())
        << lines[2].constData();
    EXPECT_EQ(lines[3], "#Message: 43786\r");
    EXPECT_EQ(lines[4], "#\r");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(first.count("\r\n"), 5);

    fs.subWriteLogEvent(42630);
    const QByteArray both = readAll(gstrLogFilePath);
    EXPECT_TRUE(both.startsWith(first));
    const QList<QByteArray> more = both.mid(first.size()).split('\n');
    ASSERT_EQ(more.size(), 5);
    EXPECT_EQ(more[0], "#Version: 1.0.12\r");
    EXPECT_EQ(more[2], "#Message: 42630\r");
    EXPECT_EQ(more[3], "#\r");
}

TEST_F(EventLog, NothingIsWrittenWhileTheLogFolderIsMissing)
{
    fs.subWriteLogEvent(43528);
    EXPECT_FALSE(QFile::exists(gstrLogFilePath));
    EXPECT_FALSE(QDir(gstrLogFolder).exists());

    ASSERT_TRUE(QDir().mkpath(gstrLogFolder));
    fs.subWriteLogEvent(43528);
    ASSERT_TRUE(QFile::exists(gstrLogFilePath));
    ASSERT_TRUE(QDir(gstrLogFolder).removeRecursively());
    fs.subWriteLogEvent(42630);  // removed while running: silently nothing
    EXPECT_FALSE(QDir(gstrLogFolder).exists());
}

TEST(FileSystem, ListingsGiveTheCountFirstThenTheNames)
{
    Sandbox sandbox;
    clsFileSystem fs;
    const QString folder = sandbox.programFolder() + QStringLiteral("/list");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(fs.fncListFiles(folder), QVariantList{0});
    EXPECT_EQ(fs.fncListSubFolders(folder), QVariantList{0});
    EXPECT_EQ(fs.fncListFiles(folder + QStringLiteral("/missing")), QVariantList{0});

    touch(folder + QStringLiteral("/b.txt"));
    touch(folder + QStringLiteral("/A.txt"));
    touch(folder + QStringLiteral("/c.bin"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/sub")));
    EXPECT_EQ(fs.fncListFiles(folder),
              (QVariantList{3, QStringLiteral("A.txt"), QStringLiteral("b.txt"), QStringLiteral("c.bin")}));
    EXPECT_EQ(fs.fncListSubFolders(folder), (QVariantList{1, QStringLiteral("sub")}));
}

TEST(FileSystem, ExistenceCreationAndDeletion)
{
    Sandbox sandbox;
    clsFileSystem fs;
    const QString root = sandbox.programFolder() + QStringLiteral("/");
    EXPECT_FALSE(fs.fncFileExists(sandbox.programFolder()));  // a folder is not a file
    EXPECT_TRUE(fs.fncFolderExists(sandbox.programFolder()));
    EXPECT_FALSE(fs.fncFileExists(QString()));

    fs.subCreateFolder(root + QStringLiteral("a/b"));  // one level only: the parent is missing
    EXPECT_FALSE(fs.fncFolderExists(root + QStringLiteral("a")));
    fs.subCreateFolder(root + QStringLiteral("a/"));
    EXPECT_TRUE(fs.fncFolderExists(root + QStringLiteral("a")));

    const QString locked = root + QStringLiteral("a/locked.txt");
    touch(locked);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadUser);
    fs.subDeleteFile(locked);
    EXPECT_TRUE(fs.fncFileExists(locked));  // a read-only file is kept

    const QString plain = root + QStringLiteral("a/plain.txt");
    touch(plain);
    fs.subDeleteFile(plain);
    EXPECT_FALSE(fs.fncFileExists(plain));

    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("a/inner")));
    touch(root + QStringLiteral("a/inner/x"));
    QFile::setPermissions(root + QStringLiteral("a/inner"), QFile::ReadOwner | QFile::ExeOwner);
    fs.subDeleteFolder(root + QStringLiteral("a"));  // forced: read-only contents go too
    EXPECT_FALSE(fs.fncFolderExists(root + QStringLiteral("a")));
}

TEST(FileSystem, DatesOfFilesAndFolders)
{
    Sandbox sandbox;
    clsFileSystem fs;
    const QString file = sandbox.programFolder() + QStringLiteral("/f.txt");
    touch(file);
    const QVariantList dates = fs.fncGetFileDates(file);
    ASSERT_EQ(dates.size(), 3);
    EXPECT_TRUE(dates[1].toDateTime().isValid());
    EXPECT_EQ(fs.fncGetFileDates(sandbox.programFolder()), (QVariantList{QVariant(), QVariant(), QVariant()}));
    EXPECT_TRUE(fs.fncGetFolderDates(sandbox.programFolder())[1].toDateTime().isValid());
}

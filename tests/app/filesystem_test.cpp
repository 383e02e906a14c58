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

class FileSystem : public ::testing::Test {
protected:
    void SetUp() override
    {
        gstrLogFolder = sandbox.dataHome() + QStringLiteral("/LogFiles/");
        gstrLogFilePath = gstrLogFolder + QStringLiteral("TALVINOR.log");
        root = sandbox.programFolder() + u'/';
    }
    Sandbox sandbox;
    QString root;
    clsFileSystem fs;
};

}  // namespace

TEST_F(FileSystem, TheFirstEventMakesTheLogAndLaterEventsAppendFourCrlfLines)
{
    fs.subWriteLogEvent(43528);  // no log folder: nothing, and no folder made
    EXPECT_FALSE(QDir(gstrLogFolder).exists());

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
    EXPECT_EQ(first.count("\r\n"), 5);

    fs.subWriteLogEvent(42630);
    const QByteArray both = readAll(gstrLogFilePath);
    EXPECT_TRUE(both.startsWith(first));
    EXPECT_EQ(both.mid(first.size()).split('\n').value(2), "#Message: 42630\r");
    EXPECT_EQ(both.count("\r\n"), 9);

    ASSERT_TRUE(QDir(gstrLogFolder).removeRecursively());
    fs.subWriteLogEvent(42630);  // removed while running: silently nothing
    EXPECT_FALSE(QDir(gstrLogFolder).exists());
}

TEST_F(FileSystem, ListingsGiveTheCountFirstThenTheNames)
{
    const QString folder = root + QStringLiteral("list");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(fs.fncListFiles(folder), QVariantList{0});
    EXPECT_EQ(fs.fncListSubFolders(folder), QVariantList{0});
    EXPECT_EQ(fs.fncListFiles(folder + QStringLiteral("/missing")), QVariantList{0});
    for (const char *name : {"/b.txt", "/A.txt", "/c.bin"})
        touch(folder + QLatin1String(name));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/sub")));
    EXPECT_EQ(fs.fncListFiles(folder),
              (QVariantList{3, QStringLiteral("A.txt"), QStringLiteral("b.txt"), QStringLiteral("c.bin")}));
    EXPECT_EQ(fs.fncListSubFolders(folder), (QVariantList{1, QStringLiteral("sub")}));
}

TEST_F(FileSystem, ExistenceCreationDeletionAndDates)
{
    EXPECT_FALSE(fs.fncFileExists(sandbox.programFolder()));  // a folder is not a file
    EXPECT_TRUE(fs.fncFolderExists(sandbox.programFolder()));
    EXPECT_FALSE(fs.fncFileExists(QString()));

    fs.subCreateFolder(root + QStringLiteral("a/b"));  // one level only: the parent is missing
    EXPECT_FALSE(fs.fncFolderExists(root + QStringLiteral("a")));
    fs.subCreateFolder(root + QStringLiteral("a/"));
    EXPECT_TRUE(fs.fncFolderExists(root + QStringLiteral("a")));

    const QString locked = root + QStringLiteral("a/locked.txt");
    const QString plain = root + QStringLiteral("a/plain.txt");
    touch(locked);
    touch(plain);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadUser);
    fs.subDeleteFile(locked);
    fs.subDeleteFile(plain);
    EXPECT_TRUE(fs.fncFileExists(locked));  // a read-only file is kept
    EXPECT_FALSE(fs.fncFileExists(plain));

    const QVariantList dates = fs.fncGetFileDates(locked);
    ASSERT_EQ(dates.size(), 3);
    EXPECT_TRUE(dates[1].toDateTime().isValid());
    EXPECT_EQ(fs.fncGetFileDates(root + QStringLiteral("a")), (QVariantList{QVariant(), QVariant(), QVariant()}));
    EXPECT_TRUE(fs.fncGetFolderDates(root + QStringLiteral("a"))[1].toDateTime().isValid());

    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("a/inner")));
    touch(root + QStringLiteral("a/inner/x"));
    QFile::setPermissions(root + QStringLiteral("a/inner"), QFile::ReadOwner | QFile::ExeOwner);
    fs.subDeleteFolder(root + QStringLiteral("a"));  // forced: read-only contents go too
    EXPECT_FALSE(fs.fncFolderExists(root + QStringLiteral("a")));
}

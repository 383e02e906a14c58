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

}  // namespace

TEST(EventLog, TheFirstEventMakesTheLogAndLaterEventsAppendFourCrlfLines)
{
    Sandbox sandbox;
    clsFileSystem fs;
    gstrLogFolder = sandbox.dataHome() + QStringLiteral("/LogFiles/");
    gstrLogFilePath = gstrLogFolder + QStringLiteral("TALVINOR.log");
    fs.subWriteLogEvent(43528);  // no log folder: nothing, and no folder made
    EXPECT_FALSE(QDir(gstrLogFolder).exists());

    ASSERT_TRUE(QDir().mkpath(gstrLogFolder));
    fs.subWriteLogEvent(43786);
    const QByteArray first = readAll(gstrLogFilePath);
    const QList<QByteArray> lines = first.split('\n');
    ASSERT_EQ(lines.size(), 6);  // five lines and the empty rest after the last line end
    EXPECT_EQ(lines[0] + lines[1], "#Software: TALVINOR\r#Version: 1.0.12\r");
    // The short date (four-digit year) and the long time without a zone of the en_US locale.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^#Date: \\d{1,2}/\\d{1,2}/\\d{4} \\d{1,2}:\\d{2}:\\d{2} (AM|PM)\r$"))
                    .match(QString::fromLatin1(lines[2])).hasMatch())
        << lines[2].constData();
    EXPECT_EQ(lines[3] + lines[4], "#Message: 43786\r#\r");

    fs.subWriteLogEvent(42630, QStringLiteral("INSERT failed:\nlocked"));
    const QByteArray both = readAll(gstrLogFilePath);
    EXPECT_TRUE(both.startsWith(first));
    EXPECT_EQ(both.mid(first.size()).split('\n').mid(2, 3),
              (QList<QByteArray>{"#Message: 42630\r", "#Detail: INSERT failed: locked\r", "#\r"}));
    EXPECT_EQ(both.count("\r\n"), 10);
    EXPECT_FALSE(fs.fncFileExists(gstrLogFolder));  // a folder is not a file
}

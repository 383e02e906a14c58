#include "app/clsfilesystem.h"

#include "app/application.h"
#include "app/version.h"
#include "platform/ansi.h"
#include "platform/dates.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTime>

namespace eventlog {

QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(version::kVersionMajor).arg(version::kVersionMinor).arg(version::kVersionRevision);
}

}  // namespace eventlog

bool clsFileSystem::fncFileExists(const QString &FilePath)
{
    return !FilePath.isEmpty() && QFileInfo(FilePath).isFile();
}

bool clsFileSystem::fncFolderExists(const QString &FolderPath)
{
    return !FolderPath.isEmpty() && QFileInfo(FolderPath).isDir();
}

void clsFileSystem::subCreateFolder(const QString &FolderPath)
{
    if (FolderPath.isEmpty())
        return;
    QDir().mkdir(FolderPath);
}

void clsFileSystem::subWriteLogEvent(int32_t EventCode) { subWriteLogEvent(EventCode, QString()); }

void clsFileSystem::subWriteLogEvent(int32_t EventCode, const QString &detail)
{
    if (!fncFolderExists(app().gstrLogFolder))
        return;
    strVersion_ = eventlog::versionText();

    QString lines;
    QFile file(app().gstrLogFilePath);
    QIODevice::OpenMode mode = QIODevice::WriteOnly;
    if (fncFileExists(app().gstrLogFilePath)) {
        mode |= QIODevice::Append;
    } else {
        mode |= QIODevice::Truncate;
        lines += QStringLiteral("#Software: %1\r\n").arg(QString::fromLatin1(version::kProductName));
    }
    const QDateTime now = QDateTime::currentDateTime();
    lines += QStringLiteral("#Version: %1\r\n").arg(strVersion_);
    lines += QStringLiteral("#Date: %1 %2\r\n").arg(dates::toShortText(now.date()), dates::toLongTimeText(now.time()));
    lines += QStringLiteral("#Message: %1\r\n").arg(EventCode);
    if (!detail.isEmpty()) {
        QString oneLine = detail;
        oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
        lines += QStringLiteral("#Detail: %1\r\n").arg(oneLine);
    }
    lines += QStringLiteral("#\r\n");

    if (!file.open(mode))
        return;
    file.write(ansi::encode(lines));
    file.close();
}

#include "app/clsfilesystem.h"

#include "app/globals.h"
#include "app/version.h"
#include "platform/ansi.h"
#include "platform/dates.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTime>

namespace eventlog {

QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(app::kVersionMajor).arg(app::kVersionMinor).arg(app::kVersionRevision);
}

}  // namespace eventlog

namespace {

QVariantList listFolder(const QString &folderPath, QDir::Filters kind, int32_t &count)
{
    count = 0;
    const QDir dir(folderPath);
    if (folderPath.isEmpty() || !dir.exists())
        return {QVariant(int32_t(0))};
    const QStringList names =
        dir.entryList(kind | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    count = static_cast<int32_t>(names.size());
    QVariantList result{QVariant(count)};
    for (const QString &name : names)
        result << name;
    return result;
}

QVariant dateOrEmpty(const QDateTime &when)
{
    return when.isValid() ? QVariant(when) : QVariant();
}

QVariantList datesOf(const QFileInfo &info)
{
    return {dateOrEmpty(info.birthTime()), dateOrEmpty(info.lastModified()), dateOrEmpty(info.lastRead())};
}

void makeOwnerWritable(const QString &path, bool folder)
{
    QFile::Permissions perms = QFile::permissions(path) | QFile::WriteOwner | QFile::ReadOwner;
    if (folder)
        perms |= QFile::ExeOwner;
    QFile::setPermissions(path, perms);
}

}  // namespace

QVariantList clsFileSystem::fncListSubFolders(const QString &FolderPath)
{
    return listFolder(FolderPath, QDir::Dirs, lngSubFolderCount_);
}

QVariantList clsFileSystem::fncListFiles(const QString &FolderPath)
{
    return listFolder(FolderPath, QDir::Files, lngFileCount_);
}

bool clsFileSystem::fncFileExists(const QString &FilePath)
{
    return !FilePath.isEmpty() && QFileInfo(FilePath).isFile();
}

void clsFileSystem::subDeleteFile(const QString &FilePath)
{
    if (!fncFileExists(FilePath))
        return;
    // Without force a read-only file is kept.
    if (!(QFile::permissions(FilePath) & QFile::WriteOwner))
        return;
    QFile::remove(FilePath);
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

void clsFileSystem::subDeleteFolder(const QString &FolderPath)
{
    if (!fncFolderExists(FolderPath))
        return;
    // Forced: read-only items go too, so first let the owner change everything inside.
    makeOwnerWritable(FolderPath, true);
    QDirIterator it(FolderPath, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (!info.isSymLink())
            makeOwnerWritable(info.filePath(), info.isDir());
    }
    QDir(FolderPath).removeRecursively();
}

QVariantList clsFileSystem::fncGetFileDates(const QString &FilePath)
{
    const QFileInfo info(FilePath);
    if (FilePath.isEmpty() || !info.isFile())
        return {QVariant(), QVariant(), QVariant()};
    return datesOf(info);
}

QVariantList clsFileSystem::fncGetFolderDates(const QString &FolderPath)
{
    const QFileInfo info(FolderPath);
    if (FolderPath.isEmpty() || !info.isDir())
        return {QVariant(), QVariant(), QVariant()};
    return datesOf(info);
}

void clsFileSystem::subWriteLogEvent(int32_t EventCode) { subWriteLogEvent(EventCode, QString()); }

void clsFileSystem::subWriteLogEvent(int32_t EventCode, const QString &detail)
{
    if (!fncFolderExists(gstrLogFolder))
        return;
    strVersion_ = eventlog::versionText();

    QString lines;
    QFile file(gstrLogFilePath);
    QIODevice::OpenMode mode = QIODevice::WriteOnly;
    if (fncFileExists(gstrLogFilePath)) {
        mode |= QIODevice::Append;
    } else {
        mode |= QIODevice::Truncate;
        lines += QStringLiteral("#Software: %1\r\n").arg(QString::fromLatin1(app::kProductName));
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

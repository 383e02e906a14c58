#include "app/ui/respicture.h"

#include "platform/filewrite.h"
#include "platform/vb.h"

#include <QDir>
#include <QFile>
#include <QPixmapCache>
#include <QTemporaryFile>

namespace {

constexpr int kHighestBall = 56;
constexpr int32_t kErrResourceNotFound = 326;
constexpr int32_t kErrPathFileAccess = 75;

QString resourcePath(const QString &name) { return QStringLiteral(":/balls/%1.png").arg(name); }

bool isPictureType(const QString &type) { return type.compare(QLatin1String("GIF"), Qt::CaseInsensitive) == 0; }

bool isResource(const QString &name, const QString &type)
{
    return isPictureType(type) && fncIsBallPictureName(name) && QFile::exists(resourcePath(name));
}

}  // namespace

bool fncIsBallPictureName(const QString &ResName)
{
    if (ResName.isEmpty() || !QStringLiteral("BGRY").contains(ResName[0]))
        return false;
    if (ResName.size() == 1)
        return true;
    const QStringView number = QStringView(ResName).mid(1);
    if (number.trimmed().size() != number.size())
        return false;
    const auto ball = vb::plainDecimal(number);
    return ball && *ball >= 0 && *ball <= kHighestBall;
}

QPixmap fncLoadResPicture(const QString &ResName, const QString &ResType, const QVariant &TempFile)
{
    if (!isResource(ResName, ResType))
        return {};
    if (TempFile.isValid() && !TempFile.isNull()) {
        const QString path = TempFile.toString();
        if (fncSaveResToFile(ResName, ResType, path) != 0)
            return {};
        QPixmap picture(path);
        QFile::remove(path);
        return picture;
    }
    const QString key = QStringLiteral("ball:") + ResName;
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture.load(resourcePath(ResName));
        if (!picture.isNull())
            QPixmapCache::insert(key, picture);
    }
    return picture;
}

int32_t fncSaveResToFile(const QString &ResName, const QString &ResType, const QString &FilePath)
{
    if (!isResource(ResName, ResType))
        return kErrResourceNotFound;
    QFile resource(resourcePath(ResName));
    if (!resource.open(QIODevice::ReadOnly))
        return kErrResourceNotFound;
    const QByteArray bytes = resource.readAll();
    // Done only when every byte reached the file; else any file there before stays as it was.
    if (FilePath.isEmpty() || !filewrite::writeWhole(FilePath, bytes))
        return kErrPathFileAccess;
    return 0;
}

bool fncGetTempFileName(const QString &TempDir, const QString &Prefix, int16_t Unique, QString &FileName)
{
    const QString folder = TempDir.isEmpty() ? QDir::tempPath() : TempDir;
    if (!QDir(folder).exists())
        return false;
    const QString base = QDir(folder).filePath(Prefix.left(3));
    if (Unique != 0) {
        FileName = base + QString::number(static_cast<uint16_t>(Unique), 16).toUpper() + QStringLiteral(".TMP");
        return true;
    }
    QTemporaryFile file(base + QStringLiteral("XXXXXX.TMP"));
    file.setAutoRemove(false);
    if (!file.open())
        return false;
    FileName = fncTrimNull(file.fileName());
    return true;
}

QString fncTrimNull(const QString &Text)
{
    const qsizetype nul = Text.indexOf(QChar(u'\0'));
    return nul < 0 ? Text : Text.left(nul);
}

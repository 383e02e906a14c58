#include "platform/ui/respicture.h"

#include "platform/vb.h"

#include <QFile>
#include <QPixmapCache>

namespace {

constexpr int kHighestBall = 56;

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

QPixmap fncLoadResPicture(const QString &ResName, const QString &ResType)
{
    if (!isResource(ResName, ResType))
        return {};
    const QString key = QStringLiteral("ball:") + ResName;
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture.load(resourcePath(ResName));
        if (!picture.isNull())
            QPixmapCache::insert(key, picture);
    }
    return picture;
}

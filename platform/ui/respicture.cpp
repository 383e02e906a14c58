#include "platform/ui/respicture.h"

#include "platform/vb.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPixmapCache>
#include <future>
#include <vector>

namespace {

constexpr int kHighestBall = 56;

QString resourcePath(const QString &name) { return QStringLiteral(":/balls/%1.png").arg(name); }

bool isPictureType(const QString &type) { return type.compare(QLatin1String("GIF"), Qt::CaseInsensitive) == 0; }

bool isResource(const QString &name, const QString &type)
{
    return isPictureType(type) && fncIsBallPictureName(name) && QFile::exists(resourcePath(name));
}

QString cacheKey(const QString &name) { return QStringLiteral("ball:") + name; }

// The pictures being read ahead (subReadBallPicturesAhead), with their names.
std::future<std::vector<std::pair<QString, QImage>>> gPicturesAhead;
// What the reading thread runs before it reads (setPictureReadingHoldForTests).
std::function<void()> gReadingHold;

// The pictures read ahead, when there are, put into the picture cache.
void takePicturesReadAhead()
{
    if (!gPicturesAhead.valid())
        return;
    for (const auto &[name, image] : gPicturesAhead.get())
        if (!image.isNull())
            QPixmapCache::insert(cacheKey(name), QPixmap::fromImage(image));
}

// Ends a read ahead that nothing took, before the application goes: the reading thread must not
// outlive what decoding a picture needs.
void dropPicturesReadAhead() { gPicturesAhead = {}; }

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
    const QString key = cacheKey(ResName);
    QPixmap picture;
    // Only pictures of the resources enter the cache: one found there needs no other look.
    if (isPictureType(ResType) && QPixmapCache::find(key, &picture))
        return picture;
    if (!isResource(ResName, ResType))
        return {};
    if (!QPixmapCache::find(key, &picture))
        takePicturesReadAhead();
    if (!QPixmapCache::find(key, &picture)) {
        picture.load(resourcePath(ResName));
        if (!picture.isNull())
            QPixmapCache::insert(key, picture);
    }
    return picture;
}

void subReadBallPicturesAhead(const QStringList &names)
{
    takePicturesReadAhead();
    std::vector<std::pair<QString, QString>> files;
    for (const QString &name : names)
        if (QPixmap picture; fncIsBallPictureName(name) && !QPixmapCache::find(cacheKey(name), &picture))
            files.emplace_back(name, resourcePath(name));
    if (files.empty())
        return;
    qRemovePostRoutine(dropPicturesReadAhead);
    qAddPostRoutine(dropPicturesReadAhead);
    gPicturesAhead = std::async(std::launch::async, [files, hold = gReadingHold] {
        if (hold)
            hold();
        std::vector<std::pair<QString, QImage>> images;
        for (const auto &[name, path] : files)
            images.emplace_back(name, QImage(path));
        return images;
    });
}

void setPictureReadingHoldForTests(std::function<void()> hold) { gReadingHold = std::move(hold); }

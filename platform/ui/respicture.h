#pragma once
// The ball pictures compiled into the program: "B", "G", "R" or "Y" (blue, green, red, yellow)
// alone, or followed by a ball number 0 to 56 written without leading zeros ("B0", "B7", "B56").
// They are read straight from the program's resources, once each, and kept in a picture cache.

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <functional>

// True when `ResName` names one of the ball pictures.
bool fncIsBallPictureName(const QString &ResName);

// The picture `ResName` of type `ResType` ("GIF", the type every ball picture is filed under), or
// a null picture when there is no such resource.
QPixmap fncLoadResPicture(const QString &ResName, const QString &ResType);

// Starts reading the ball pictures `names` on a thread of their own, for a board that shows them
// once it is made: the first fncLoadResPicture that does not find its picture in the cache takes
// them.
void subReadBallPicturesAhead(const QStringList &names);

// Run on the reading thread of each later subReadBallPicturesAhead before it reads (nothing by
// default): tests hold the reading with it. An empty function takes it away.
void setPictureReadingHoldForTests(std::function<void()> hold);

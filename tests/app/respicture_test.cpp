#include "app/ui/respicture.h"

#include <gtest/gtest.h>

TEST(BallPictures, EveryColourAloneAndWithEveryBallNumberLoadsAndNothingElse)
{
    for (const QString colour : {"B", "G", "R", "Y"}) {
        EXPECT_EQ(fncLoadResPicture(colour, QStringLiteral("GIF")).size(), QSize(24, 24));
        for (int n = 0; n <= 56; ++n)
            EXPECT_FALSE(fncLoadResPicture(colour + QString::number(n), QStringLiteral("GIF")).isNull()) << n;
    }
    EXPECT_NE(fncLoadResPicture(QStringLiteral("B7"), QStringLiteral("GIF")).toImage(),
              fncLoadResPicture(QStringLiteral("B1"), QStringLiteral("GIF")).toImage());
    for (const char *name : {"B57", "X1", "B07", "b7", "B-1", "B 7", "B7 ", "", "BB", "B1.5"})
        EXPECT_TRUE(fncLoadResPicture(QString::fromLatin1(name), QStringLiteral("GIF")).isNull()) << name;
    EXPECT_TRUE(fncLoadResPicture(QStringLiteral("B7"), QStringLiteral("PNG")).isNull());
}

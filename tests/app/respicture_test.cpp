#include "app/ui/respicture.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(BallPictures, EveryColourAloneAndWithEveryBallNumberLoads)
{
    for (const char letter : {'B', 'G', 'R', 'Y'}) {
        const QString plain(QChar::fromLatin1(letter));
        const QPixmap ball = fncLoadResPicture(plain, QStringLiteral("GIF"));
        ASSERT_FALSE(ball.isNull()) << letter;
        EXPECT_EQ(ball.size(), QSize(24, 24));
        for (int n = 0; n <= 56; ++n)
            EXPECT_FALSE(fncLoadResPicture(plain + QString::number(n), QStringLiteral("GIF")).isNull()) << letter << n;
    }
    // The numbered pictures differ from the plain one and from each other.
    EXPECT_NE(fncLoadResPicture(QStringLiteral("B7"), QStringLiteral("GIF")).toImage(),
              fncLoadResPicture(QStringLiteral("B"), QStringLiteral("GIF")).toImage());
    EXPECT_NE(fncLoadResPicture(QStringLiteral("B7"), QStringLiteral("GIF")).toImage(),
              fncLoadResPicture(QStringLiteral("B1"), QStringLiteral("GIF")).toImage());
}

TEST(BallPictures, NamesOutsideTheTableGiveNoPicture)
{
    for (const char *name : {"B57", "X1", "B07", "B00", "b7", "B-1", "B 7", "B7 ", "", "BB", "B1.5", "Y100"})
        EXPECT_TRUE(fncLoadResPicture(QString::fromLatin1(name), QStringLiteral("GIF")).isNull()) << name;
    EXPECT_TRUE(fncLoadResPicture(QStringLiteral("B7"), QStringLiteral("PNG")).isNull());
}

TEST(BallPictures, AFileBasedLoadLeavesNoFileBehind)
{
    Sandbox sandbox;
    QString name;
    ASSERT_TRUE(fncGetTempFileName(sandbox.runtimeDir(), QStringLiteral("~lot"), 0, name));
    EXPECT_TRUE(QFileInfo(name).fileName().startsWith(QStringLiteral("~lo")));
    EXPECT_TRUE(QFile::exists(name));
    const QPixmap ball = fncLoadResPicture(QStringLiteral("R12"), QStringLiteral("GIF"), name);
    EXPECT_FALSE(ball.isNull());
    EXPECT_FALSE(QFile::exists(name));
    EXPECT_EQ(QDir(sandbox.runtimeDir()).entryList(QDir::Files), QStringList());

    EXPECT_EQ(fncSaveResToFile(QStringLiteral("R57"), QStringLiteral("GIF"), sandbox.runtimeDir() + QStringLiteral("/x")), 326);
    EXPECT_EQ(fncSaveResToFile(QStringLiteral("R5"), QStringLiteral("GIF"), sandbox.runtimeDir() + QStringLiteral("/no/x")), 75);
    EXPECT_FALSE(fncGetTempFileName(sandbox.runtimeDir() + QStringLiteral("/missing"), QStringLiteral("~lot"), 0, name));
}

TEST(BallPictures, TrimNullCutsAtTheFirstNul)
{
    EXPECT_EQ(fncTrimNull(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(fncTrimNull(QString(QChar(u'\0')) + QStringLiteral("x")), QString());
    EXPECT_EQ(fncTrimNull(QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("c")), QStringLiteral("ab"));
}

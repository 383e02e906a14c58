// The layout of a game: positions, the drum of each position and the guarantee positions of the
// three families.

#include "analysis/gamelayout.h"

#include <gtest/gtest.h>

TEST(GameLayout, FamilyFromTheConfiguredHighestBalls)
{
    EXPECT_EQ(gameFamily(10, 0), BoardFamily::Digit);
    EXPECT_EQ(gameFamily(49, 0), BoardFamily::Lotto);
    EXPECT_EQ(gameFamily(50, 12), BoardFamily::TwoPool);
    EXPECT_EQ(gameFamily(11, 0), BoardFamily::Lotto);
}

TEST(GameLayout, PositionsAndDrumsOfEachFamily)
{
    struct Case {
        GameShape shape;
        BoardFamily family;
        int first, lastMain, last, lastGuarantee;
        std::vector<Drum> drumsByPosition;  // from `first` to `last`
    };
    using enum Drum;
    const Case cases[] = {
        {GameShape::lotto(49, 6), BoardFamily::Lotto, 1, 6, 6, 6, {Main, Main, Main, Main, Main, Main}},
        {GameShape::lotto(49, 6, 2), BoardFamily::Lotto, 1, 6, 8, 6, {Main, Main, Main, Main, Main, Main, Main, Main}},
        {GameShape::twoDrum(50, 5, 12, 2), BoardFamily::TwoPool, 1, 5, 7, 7, {Main, Main, Main, Main, Main, Second, Second}},
        {GameShape::digits(3), BoardFamily::Digit, 0, 2, 2, 2, {Main, Main, Main}},
    };
    for (const Case &c : cases) {
        const GameLayout l = GameLayout::of(c.shape);
        SCOPED_TRACE(l.lastPosition);
        EXPECT_EQ(l.family, c.family);
        EXPECT_EQ(l.firstPosition, c.first);
        EXPECT_EQ(l.lastMainPosition, c.lastMain);
        EXPECT_EQ(l.lastPosition, c.last);
        EXPECT_EQ(l.lastGuaranteePosition(), c.lastGuarantee);
        EXPECT_EQ(l.positionCount(), static_cast<int>(c.drumsByPosition.size()));
        for (int p = l.firstPosition; p <= l.lastPosition; ++p) {
            EXPECT_EQ(l.drumOf(p), c.drumsByPosition[static_cast<size_t>(p - l.firstPosition)]) << p;
            // Bonus numbers of a single-drum lotto come from the main drum and count in no total.
            EXPECT_EQ(l.sameDrumBonus(p), c.family == BoardFamily::Lotto && p > c.lastMain) << p;
        }
        EXPECT_EQ(l.drums().size(), c.family == BoardFamily::TwoPool ? 2u : 1u);
        EXPECT_EQ(l.highestAt(l.lastPosition), c.family == BoardFamily::TwoPool ? 12 : c.shape.maxBall);
    }
}

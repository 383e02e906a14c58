// The layout of a game: positions, the drum of each position and the guarantee positions of the
// three families.

#include "analysis/gamelayout.h"

#include <gtest/gtest.h>

TEST(GameLayout, FamilyFromTheConfiguredHighestBalls)
{
    EXPECT_EQ(GameLayout::familyOf(10, 0), GameLayout::Family::Digit);
    EXPECT_EQ(GameLayout::familyOf(49, 0), GameLayout::Family::Lotto);
    EXPECT_EQ(GameLayout::familyOf(50, 12), GameLayout::Family::TwoDrum);
    EXPECT_EQ(GameLayout::familyOf(11, 0), GameLayout::Family::Lotto);
}

TEST(GameLayout, PositionsAndDrumsOfEachFamily)
{
    struct Case {
        GameLayout shape;
        GameLayout::Family family;
        int first, lastMain, last, lastGuarantee;
        std::vector<Drum> drumsByPosition;  // from `first` to `last`
    };
    using enum Drum;
    const Case cases[] = {
        {GameLayout::lotto(49, 6), GameLayout::Family::Lotto, 1, 6, 6, 6, {Main, Main, Main, Main, Main, Main}},
        {GameLayout::lotto(49, 6, 2), GameLayout::Family::Lotto, 1, 6, 8, 6, {Main, Main, Main, Main, Main, Main, Main, Main}},
        {GameLayout::twoDrum(50, 5, 12, 2), GameLayout::Family::TwoDrum, 1, 5, 7, 7, {Main, Main, Main, Main, Main, Second, Second}},
        {GameLayout::digits(3), GameLayout::Family::Digit, 0, 2, 2, 2, {Main, Main, Main}},
    };
    for (const Case &c : cases) {
        const GameLayout l = c.shape;
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
            EXPECT_EQ(l.sameDrumBonus(p), c.family == GameLayout::Family::Lotto && p > c.lastMain) << p;
        }
        EXPECT_EQ(l.drums().size(), c.family == GameLayout::Family::TwoDrum ? 2u : 1u);
        EXPECT_EQ(l.highestAt(l.lastPosition), c.family == GameLayout::Family::TwoDrum ? 12 : c.shape.highestMain);
    }
}

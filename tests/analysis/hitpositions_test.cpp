// The compare positions a column hits, for each rule of comparison.

#include "analysis/comparison.h"

#include <gtest/gtest.h>

namespace {

struct HitCase {
    const char *name;
    ComparisonLayout layout;
    std::vector<int32_t> compare;  // by compare position; -1 names none
    std::vector<int32_t> column;
    std::vector<bool> hits;
};

class HitPositions : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitPositions, MarksThePositionsTheColumnHolds)
{
    const HitCase &c = GetParam();
    EXPECT_EQ(hitPositions(c.layout, CompareNumbers{c.compare}, c.column), c.hits);
}

const int32_t N = CompareNumbers::kNone;

INSTANTIATE_TEST_SUITE_P(
    Rules, HitPositions,
    ::testing::Values(
        // The bonus number counts when the column holds it among its main numbers.
        HitCase{"SameDrumBonus", ComparisonLayout::sameDrum(3, 1), {4, 9, 12, 7}, {7, 9, 0}, {false, true, false, true}},
        // Positions naming no number never hit, even where the column holds 0.
        HitCase{"NoNumber", ComparisonLayout::sameDrum(3, 0), {N, 5, N}, {0, 5, 0}, {false, true, false}},
        // A second-drum number hits only among the column's second-drum numbers.
        HitCase{"SecondDrum", ComparisonLayout::secondDrum(2, 2), {3, 2, 2, 5}, {2, 3, 5, 9}, {true, true, false, true}},
        HitCase{"Straight", ComparisonLayout::digits(3, false), {1, 2, 3}, {1, 3, 3}, {true, false, true}},
        // Each column digit matches one compare digit at most.
        HitCase{"Boxed", ComparisonLayout::digits(3, true), {1, 1, 2}, {2, 1, 5}, {true, false, true}},
        // A column too short for the layout hits nothing.
        HitCase{"Short", ComparisonLayout::sameDrum(3, 0), {1, 2, 3}, {1, 2}, {false, false, false}}),
    [](const ::testing::TestParamInfo<HitCase> &info) { return std::string(info.param.name); });

}  // namespace

// Pool weights, counts, the pool's element layout, odds and status texts.

#include "analysis/pool.h"
#include "boards/common/drumview.h"
#include "app/application.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// The flat pool as it has always been laid out: balls ascending, written from the top down.
std::vector<int32_t> flatPool(int firstBall, const std::vector<int64_t> &counts)
{
    int64_t size = 0;
    for (int64_t c : counts)
        size += c;
    std::vector<int32_t> pool(static_cast<size_t>(size) + 1, 0);
    int64_t pos = size;
    for (size_t k = 0; k < counts.size(); ++k)
        for (int64_t i = 0; i < counts[k]; ++i)
            pool[static_cast<size_t>(pos--)] = firstBall + static_cast<int>(k);
    return pool;
}

DrumShape lottoDrum(int maxBall) { return GameLayout::lotto(maxBall, 3).drum(Drum::Main); }

}  // namespace

TEST(Pool, ElementsFollowTheTopDownLayout)
{
    const Pool pool(1, {3, 1, 2});
    EXPECT_EQ(pool.size(), 6);
    const std::vector<int32_t> expected{0, 3, 3, 2, 1, 1, 1};
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(pool.poolElement(i), expected[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(pool.poolElement(7), 0);
    EXPECT_EQ(pool.poolElement(-1), 0);

    // Random counts, zeros included, against the flat layout element by element (digit 0 is an
    // ordinary ball at the top elements).
    std::mt19937 rng(5);
    for (int trial = 0; trial < 20; ++trial) {
        std::vector<int64_t> counts(1 + rng() % 12);
        for (auto &c : counts)
            c = rng() % 3 == 0 ? 0 : rng() % 9;
        const int first = static_cast<int>(rng() % 2);
        const Pool p(first, counts);
        const auto flat = flatPool(first, counts);
        ASSERT_EQ(p.size() + 1, static_cast<int64_t>(flat.size()));
        for (int64_t i = 0; i <= p.size(); ++i)
            EXPECT_EQ(p.poolElement(i), flat[static_cast<size_t>(i)]);
    }
}

TEST(Pool, CountsRoundHalfToEven)
{
    BallArray<double> w(1, 5, 0.0);
    w[1] = 2.5;
    w[2] = 3.5;
    w[3] = 0.5;
    w[4] = 1.49;
    w[5] = 316.0;
    const Pool pool = fillPool(w);
    EXPECT_EQ(pool.count(1), 2);
    EXPECT_EQ(pool.count(2), 4);
    EXPECT_EQ(pool.count(3), 0);
    EXPECT_EQ(pool.count(4), 1);
    EXPECT_EQ(pool.size(), 2 + 4 + 0 + 1 + 316);
    EXPECT_DOUBLE_EQ(w[1], 2.0);  // the weights end holding the counts
    EXPECT_DOUBLE_EQ(w[3], 0.0);
    EXPECT_EQ(poolCount(-3), 0);
    EXPECT_EQ(poolCount(std::nan("")), 0);
}

TEST(Pool, WeightsFromPowersExclusionsAndTheExponent)
{
    EXPECT_NEAR(poolExponent(2, 401, 500, 500), 1.3584, 1e-12);
    EXPECT_DOUBLE_EQ(poolExponent(4, 7, 7, 100), 1.4);

    const DrumShape drum = lottoDrum(4);
    BallArray<double> power(0, 4, 0.0);
    power[1] = 2.0;
    power[2] = 3.0;
    power[3] = 4.0;
    power[4] = 5.0;
    BallArray<int32_t> excluded(1, 4, 0);
    excluded[2] = 1;
    excluded[3] = 2;  // a greyed check box excludes too
    auto w = poolWeights(power, excluded, drum, false, 3.0);
    EXPECT_DOUBLE_EQ(w[1], 2.0);  // without the increase the weight is the power, whatever the level
    EXPECT_DOUBLE_EQ(w[2], 0.0);
    EXPECT_DOUBLE_EQ(w[3], 0.0);
    w = poolWeights(power, excluded, drum, true, 1.5);
    EXPECT_DOUBLE_EQ(w[1], std::pow(2.0, 1.5));
    EXPECT_DOUBLE_EQ(w[4], std::pow(5.0, 1.5));

    // Every ball excluded: an empty pool, and the status text ends in 0.
    app().glngLanguage = 2;
    const Pool empty = fillPool(w = poolWeights(power, BallArray<int32_t>(1, 4, 1), drum, true, 1.5));
    EXPECT_EQ(empty.size(), 0);
    EXPECT_EQ(empty.poolElement(1), 0);
    EXPECT_EQ(poolStatusText(Drum::Main, 0), QStringLiteral(" Total Ball Amount in the Pool: 0"));
    EXPECT_EQ(poolStatusText(Drum::Second, 12), QStringLiteral(" Total BONUS Ball Amount in the Pool: 12"));
}

TEST(Pool, HighLevelsOverLongWindowsStayWhole)
{
    // Powers up to 316 at level 4 over the whole history: counts near 10^10 each.
    const DrumShape drum = lottoDrum(56);
    BallArray<double> power(0, 56, 0.0);
    for (int b = 1; b <= 56; ++b)
        power[b] = 316.0 * b / 56;
    const double e = poolExponent(4, 1, 5000, 5000);
    auto w = poolWeights(power, {}, drum, true, e);
    const Pool pool = fillPool(w);
    EXPECT_GT(pool.size(), int64_t{1} << 36);
    EXPECT_EQ(pool.poolElement(pool.size()), 1);
    EXPECT_EQ(pool.poolElement(1), 56);
    EXPECT_EQ(pool.poolElement(pool.count(56)), 56);
    EXPECT_EQ(pool.poolElement(pool.count(56) + 1), 55);
    EXPECT_EQ(poolOddsText(pool.count(1), pool.size()).left(2), QStringLiteral("1/"));
}

TEST(Pool, OddsTexts)
{
    EXPECT_EQ(poolOddsText(3, 100), QStringLiteral("1/33"));
    EXPECT_EQ(poolOddsText(8, 100), QStringLiteral("1/12"));
    EXPECT_EQ(poolOddsText(6, 100), QStringLiteral("1/17"));
    EXPECT_EQ(poolOddsText(0, 100), QString());
    EXPECT_EQ(poolOddsText(QStringLiteral("8"), 100), QStringLiteral("1/12"));
    EXPECT_EQ(poolOddsText(QStringLiteral("abc"), 100), QString());
    EXPECT_EQ(poolOddsText(QString(), 100), QString());
    EXPECT_EQ(poolOddsText(QStringLiteral("0.4"), 100), QString());
}

#pragma once
// The seeds of the random histories of the benchmarks that compare over several histories (ten,
// one history each), and the median of their figures.

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace benchseeds {

inline constexpr std::array<uint32_t, 10> kSeeds{4912, 1, 77, 2024, 31337, 65521, 99991, 123457, 424242, 8675309};

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace benchseeds

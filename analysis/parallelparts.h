#pragma once
// Work over a long range of independent items, such as the lines of a ticket, shared between the
// calling thread and idle threads of the application's thread pool.

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

// Calls work(begin, end) for consecutive parts of [0, count) that together cover it once, each part
// at least `minPart` items long (but a shorter range, which is one part), and returns when every
// part is done. The calling thread does its share and any part no pool thread has taken; so a busy
// pool, or none, only means the work is done here. Parts may run at the same time: work must touch
// only what belongs to its own part.
void forEachPart(int count, int minPart, const std::function<void(int begin, int end)> &work);

// The fewest drawings of a history gone through on a thread of their own.
constexpr int kDrawingsAPart = 12'500;

// What work(begin, end) gives for each part forEachPart makes of [0, count), in the parts' order.
template <class Result>
std::vector<Result> resultsOfParts(int count, int minPart, const std::function<Result(int begin, int end)> &work)
{
    // Parts are at least minPart long: their starts, divided by it, are apart.
    const int step = std::max(minPart, 1);
    std::vector<std::optional<Result>> byStart(static_cast<size_t>(count / step + 1));
    forEachPart(count, minPart, [&](int begin, int end) { byStart[static_cast<size_t>(begin / step)] = work(begin, end); });
    std::vector<Result> results;
    for (std::optional<Result> &part : byStart)
        if (part)
            results.push_back(std::move(*part));
    return results;
}

// Work shared in parts between the calling thread and the thread pool.

#include "analysis/parallelparts.h"

#include <QSemaphore>
#include <QThreadPool>
#include <gtest/gtest.h>
#include <algorithm>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

TEST(ForEachPart, EveryItemOnceInConsecutivePartsOfAtLeastTheLeast)
{
    for (const int count : {0, 1, 4095, 8192, 100001}) {
        SCOPED_TRACE(count);
        std::vector<int> seen(static_cast<size_t>(count), 0);
        std::mutex guard;
        std::vector<std::pair<int, int>> parts;
        forEachPart(count, 4096, [&](int begin, int end) {
            for (int i = begin; i < end; ++i)
                ++seen[static_cast<size_t>(i)];
            const std::lock_guard lock(guard);
            parts.emplace_back(begin, end);
        });
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; }));
        std::sort(parts.begin(), parts.end());
        for (size_t p = 0; p < parts.size(); ++p) {
            EXPECT_EQ(parts[p].first, p == 0 ? 0 : parts[p - 1].second);
            EXPECT_GE(parts[p].second - parts[p].first, std::min(count, 4096));
        }
        EXPECT_EQ(parts.empty() ? 0 : parts.back().second, count);
        if (count == 100001 && std::thread::hardware_concurrency() > 1) {
            EXPECT_GT(parts.size(), 1u);
        }
    }
}

TEST(ForEachPart, APoolWithNoIdleThreadLeavesEveryPartToTheCaller)
{
    QThreadPool *pool = QThreadPool::globalInstance();
    const int most = pool->maxThreadCount();
    pool->setMaxThreadCount(1);
    QSemaphore started, release;
    pool->start([&] {
        started.release();
        release.acquire();
    });
    started.acquire();
    std::set<std::thread::id> threads;
    int items = 0;
    forEachPart(100000, 4096, [&](int begin, int end) {
        threads.insert(std::this_thread::get_id());  // only this thread, or the set is touched at once
        items += end - begin;
    });
    release.release();
    pool->waitForDone();
    pool->setMaxThreadCount(most);
    EXPECT_EQ(items, 100000);
    EXPECT_EQ(threads, std::set{std::this_thread::get_id()});
}

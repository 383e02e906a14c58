#pragma once
// Work over a long range of independent items, such as the lines of a ticket, shared between the
// calling thread and idle threads of the application's thread pool.

#include <functional>

// Calls work(begin, end) for consecutive parts of [0, count) that together cover it once, each part
// at least `minPart` items long (but a shorter range, which is one part), and returns when every
// part is done. The calling thread does its share and any part no pool thread has taken; so a busy
// pool, or none, only means the work is done here. Parts may run at the same time: work must touch
// only what belongs to its own part.
void forEachPart(int count, int minPart, const std::function<void(int begin, int end)> &work);

#pragma once
// A per-ball array indexed by ball number from lo to hi, as the program's tables are.

#include <cassert>
#include <cstddef>
#include <vector>

template <typename T>
class BallArray {
public:
    BallArray() = default;
    BallArray(int lo, int hi, const T &fill = T()) { reset(lo, hi, fill); }
    // The array over lo..lo + values.size() - 1 holding `values`.
    BallArray(int lo, std::vector<T> values)
        : lo_(lo), hi_(lo + static_cast<int>(values.size()) - 1), data_(std::move(values))
    {
    }

    // Re-creates the array over lo..hi with every element set to fill (empty when hi < lo).
    void reset(int lo, int hi, const T &fill = T())
    {
        lo_ = lo;
        hi_ = hi;
        data_.assign(hi >= lo ? static_cast<size_t>(hi - lo + 1) : 0, fill);
    }
    void fill(const T &value) { data_.assign(data_.size(), value); }

    int lo() const { return lo_; }
    int hi() const { return hi_; }
    bool empty() const { return data_.empty(); }
    bool contains(int i) const { return !data_.empty() && i >= lo_ && i <= hi_; }

    T &operator[](int i)
    {
        assert(contains(i));
        return data_[static_cast<size_t>(i - lo_)];
    }
    const T &operator[](int i) const
    {
        assert(contains(i));
        return data_[static_cast<size_t>(i - lo_)];
    }
    // The element, or fallback when i lies outside the array.
    T value(int i, const T &fallback = T()) const { return contains(i) ? (*this)[i] : fallback; }

    const std::vector<T> &values() const { return data_; }

    friend bool operator==(const BallArray &, const BallArray &) = default;

private:
    int lo_ = 0;
    int hi_ = -1;
    std::vector<T> data_;
};

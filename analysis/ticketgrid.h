#pragma once
// The ticket: one row of numbers per column, rows 1 to rowCount(), positions firstPosition() to
// lastPosition() (1..K on single-drum lotto, 1..K+B on two-drum lotto, 0..K on digit games).

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

// A ticket holds at most this many columns.
inline constexpr int32_t kMaxTicketColumns = 32000;

class TicketGrid {
public:
    TicketGrid() = default;
    TicketGrid(int firstPosition, int lastPosition) { reshape(firstPosition, lastPosition); }

    // Empties the grid and sets its positions.
    void reshape(int firstPosition, int lastPosition)
    {
        first_ = firstPosition;
        last_ = lastPosition;
        cells_.clear();
    }
    // Keeps the first rows (or adds zero rows) so that the grid holds `rows` rows.
    void resizeRows(int rows) { cells_.resize(static_cast<size_t>(rows) * width(), 0); }
    // Room for `rows` rows, so that rows added one by one up to that number move nothing.
    void reserveRows(int rows) { cells_.reserve(static_cast<size_t>(rows) * width()); }
    void clear() { cells_.clear(); }
    // Takes row `row` out; the rows after it move up one.
    void removeRow(int row)
    {
        if (row >= 1 && row <= rowCount())
            cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(row - 1) * width(),
                         cells_.begin() + static_cast<std::ptrdiff_t>(row) * width());
    }

    int firstPosition() const { return first_; }
    int lastPosition() const { return last_; }
    int width() const { return last_ >= first_ ? last_ - first_ + 1 : 0; }
    int rowCount() const { return width() ? static_cast<int>(cells_.size() / width()) : 0; }

    int32_t &at(int row, int position)
    {
        assert(row >= 1 && row <= rowCount() && position >= first_ && position <= last_);
        return cells_[static_cast<size_t>(row - 1) * width() + (position - first_)];
    }
    int32_t at(int row, int position) const { return const_cast<TicketGrid *>(this)->at(row, position); }

    // The numbers of one row, positions in order.
    const int32_t *row(int row) const { return cells_.data() + static_cast<size_t>(row - 1) * width(); }
    int32_t *row(int row) { return cells_.data() + static_cast<size_t>(row - 1) * width(); }

    friend bool operator==(const TicketGrid &, const TicketGrid &) = default;

private:
    int first_ = 1;
    int last_ = 0;
    std::vector<int32_t> cells_;
};

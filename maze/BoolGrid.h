#pragma once
#include <cstdint>
#include <vector>

// A two-dimensional Boolean array indexed (column, row) from 0 to the highest
// column and row index, stored as one flat byte block, row after row.
class BoolGrid {
 public:
  BoolGrid() = default;
  BoolGrid(std::int64_t maxX, std::int64_t maxY) { Resize(maxX, maxY); }

  // Makes the indexes run 0..maxX by 0..maxY, every entry False.
  void Resize(std::int64_t maxX, std::int64_t maxY) {
    cols_ = maxX + 1;
    rows_ = maxY + 1;
    cells_.assign(std::size_t(cols_ * rows_), 0);
  }
  // Sets every entry False, keeping the size.
  void Clear() { cells_.assign(cells_.size(), 0); }

  std::int64_t MaxX() const { return cols_ - 1; }
  std::int64_t MaxY() const { return rows_ - 1; }
  bool Contains(std::int64_t x, std::int64_t y) const { return x >= 0 && y >= 0 && x < cols_ && y < rows_; }

  std::uint8_t& operator()(std::int64_t x, std::int64_t y) { return cells_[std::size_t(y * cols_ + x)]; }
  bool operator()(std::int64_t x, std::int64_t y) const { return cells_[std::size_t(y * cols_ + x)] != 0; }

  // Row y as a run of MaxX() + 1 bytes, for fast scans.
  const std::uint8_t* Row(std::int64_t y) const { return cells_.data() + y * cols_; }

 private:
  std::int64_t cols_ = 0;
  std::int64_t rows_ = 0;
  std::vector<std::uint8_t> cells_;
};

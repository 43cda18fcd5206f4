#pragma once
#include <cstdint>
#include <memory>

// A two-dimensional Boolean array indexed (column, row) from 0 to the highest
// column and row index, stored as one flat block, row after row. The cells are
// plain bools rather than bytes so that writing one does not force the
// compiler to assume every other variable may have changed.
class BoolGrid {
 public:
  BoolGrid() = default;
  BoolGrid(std::int64_t maxX, std::int64_t maxY) { Resize(maxX, maxY); }
  BoolGrid(const BoolGrid& other) { *this = other; }
  BoolGrid& operator=(const BoolGrid& other) {
    if (this == &other) return *this;
    Resize(other.MaxX(), other.MaxY());
    for (std::int64_t i = 0; i < cols_ * rows_; ++i) cells_[std::size_t(i)] = other.cells_[std::size_t(i)];
    return *this;
  }

  // Makes the indexes run 0..maxX by 0..maxY, every entry False.
  void Resize(std::int64_t maxX, std::int64_t maxY) {
    const std::int64_t cols = maxX + 1, rows = maxY + 1;
    if (cols * rows != cols_ * rows_ || !cells_) cells_ = std::make_unique<bool[]>(std::size_t(cols * rows));
    cols_ = cols;
    rows_ = rows;
    Clear();
  }
  // Sets every entry False, keeping the size.
  void Clear() {
    for (std::int64_t i = 0; i < cols_ * rows_; ++i) cells_[std::size_t(i)] = false;
  }

  std::int64_t MaxX() const { return cols_ - 1; }
  std::int64_t MaxY() const { return rows_ - 1; }
  bool Contains(std::int64_t x, std::int64_t y) const { return x >= 0 && y >= 0 && x < cols_ && y < rows_; }

  bool& operator()(std::int64_t x, std::int64_t y) { return cells_[std::size_t(y * cols_ + x)]; }
  bool operator()(std::int64_t x, std::int64_t y) const { return cells_[std::size_t(y * cols_ + x)]; }

  // The cells as one block, row after row, Stride() entries a row.
  bool* Data() { return cells_.get(); }
  const bool* Data() const { return cells_.get(); }
  std::int64_t Stride() const { return cols_; }

 private:
  std::int64_t cols_ = 0;
  std::int64_t rows_ = 0;
  std::unique_ptr<bool[]> cells_;
};

#pragma once
#include <cstdint>

// A grid position (column X, row Y), also used as a unit step.
class COORDS {
 public:
  std::int64_t X = 0;
  std::int64_t Y = 0;
};

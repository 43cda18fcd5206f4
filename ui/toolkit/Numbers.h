#pragma once
// Real numbers becoming integers: truncated toward zero, held at the ends
// of the 64-bit range, and 0 for what is not a number.
#include <cmath>
#include <cstdint>
#include <string>

#include "ui/toolkit/Text.h"

namespace tk {

inline std::int64_t TruncToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 9.2e18) return INT64_MAX;
  if (v <= -9.2e18) return INT64_MIN;
  return std::int64_t(std::trunc(v));
}

// trunc(Val(text)): "7.9" -> 7, "-2" -> -2, "abc" -> 0.
inline std::int64_t IntVal(const std::string& text) { return TruncToInt(Val(text)); }

}  // namespace tk

#include "ui/toolkit/Properties.h"

#include <cmath>

#include "ui/toolkit/Text.h"

namespace tk {

double PropertyValue::Number() const {
  if (auto b = std::get_if<bool>(&v_)) return *b ? 1.0 : 0.0;
  if (auto i = std::get_if<std::int64_t>(&v_)) return double(*i);
  if (auto d = std::get_if<double>(&v_)) return *d;
  return Val(std::get<std::string>(v_));
}

std::int64_t PropertyValue::Int() const {
  if (auto i = std::get_if<std::int64_t>(&v_)) return *i;
  const double d = Number();
  if (!std::isfinite(d)) return 0;
  if (d >= 9.2e18) return INT64_MAX;
  if (d <= -9.2e18) return INT64_MIN;
  return std::int64_t(std::trunc(d));
}

bool PropertyValue::Bool() const {
  if (auto s = std::get_if<std::string>(&v_)) {
    std::string lower;
    for (char c : *s) lower += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower == "true";
  }
  return Number() != 0.0;
}

std::string PropertyValue::Text() const {
  if (auto b = std::get_if<bool>(&v_)) return *b ? "True" : "False";
  if (auto i = std::get_if<std::int64_t>(&v_)) return Str(*i);
  if (auto d = std::get_if<double>(&v_)) return Str(*d);
  return std::get<std::string>(v_);
}

}  // namespace tk

#include "ui/toolkit/Date.h"

#include <cstdio>

namespace tk {

Date::Date() : Date(std::time(nullptr)) {}

Date::Date(std::time_t when) { localtime_r(&when, &local_); }

std::string Date::SQLDateTime() const {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", local_.tm_year + 1900,
                local_.tm_mon + 1, local_.tm_mday, local_.tm_hour, local_.tm_min, local_.tm_sec);
  return buffer;
}

}  // namespace tk

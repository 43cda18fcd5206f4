#pragma once
#include <ctime>
#include <string>

namespace tk {

// The current local date and time.
class Date {
 public:
  Date();
  explicit Date(std::time_t when);
  // "YYYY-MM-DD HH:MM:SS"
  std::string SQLDateTime() const;

 private:
  std::tm local_{};
};

}  // namespace tk

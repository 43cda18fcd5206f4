#pragma once
#include <cstdint>
#include <memory>

namespace App {

// The application object.
class App {
 public:
  // The main window of this run: 0 the simple window, 1 the advanced one.
  std::int64_t BasicPro = 0;
};

// The registered application object.
std::shared_ptr<App> App_();

}  // namespace App

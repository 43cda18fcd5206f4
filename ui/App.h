#pragma once
#include <cstdint>
#include <memory>

#include "ui/toolkit/Application.h"

namespace App {

// The application object.
class App : public tk::Application {
 public:
  // The main window of this run: 0 the simple window, 1 the advanced one.
  // Set once by Module1::Initialize.
  std::int64_t BasicPro = 0;

  // AutoQuit, then the program's own start-up (Module1::Initialize).
  void Event_Open() override;
  void Constructor() {}
};

// The registered application object. Code that runs without the start-up
// (tests, tools) gets a new one, registered there and then.
std::shared_ptr<App> App_();

}  // namespace App

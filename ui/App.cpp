#include "ui/App.h"

#include "ui/Module1.h"

namespace App {

void App::Event_Open() {
  AutoQuit = true;
  Module1::Initialize();
}

std::shared_ptr<App> App_() {
  if (auto app = std::dynamic_pointer_cast<App>(tk::TheApplication())) return app;
  auto app = std::make_shared<App>();
  tk::SetApplication(app);
  return app;
}

}  // namespace App

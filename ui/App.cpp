#include "ui/App.h"

namespace App {

std::shared_ptr<App> App_() {
  static std::shared_ptr<App> instance = std::make_shared<App>();
  return instance;
}

}  // namespace App

#include "ui/Startup.h"

#include <exception>
#include <memory>

#include "ui/App.h"
#include "ui/FileTypes1.h"
#include "ui/MenuBar1.h"
#include "ui/toolkit/Application.h"

int Main_() {
  try {
    EarlyStartup_();
    LateStartup_();
    return App::App_()->Run();
  } catch (...) {
    tk::ReportUnhandledException(std::current_exception());
    return 1;
  }
}

void EarlyStartup_() {
  InitFileTypes_();
  NewAppInstance_();
}

void InitFileTypes_() { FileTypes1::Initialize_(); }

void NewAppInstance_() {
  auto app = std::make_shared<App::App>();
  app->Constructor();
  app->MenuBar = MenuBar1::MenuBar1_();
  tk::SetApplication(app);
  ApplicationAddMenuHandlers_();
}

void ApplicationAddMenuHandlers_() {}

void LateStartup_() {}

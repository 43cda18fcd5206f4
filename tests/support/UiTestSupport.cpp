#include "UiTestSupport.h"

#include <QElapsedTimer>
#include <fstream>

#include "FakeDialogs.h"
#include "TestPaths.h"
#include "maze/Module1.h"
#include "render/Module1.h"
#include "render/Print.h"
#include "solver/PathFind.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Runtime.h"
#include "ui/toolkit/Window.h"

namespace uitest {

std::filesystem::path PrefsFolder() {
  return std::filesystem::path(tk::SpecialFolder::Preferences()->NativePath()) / "OxlTarnwickLanes";
}

std::filesystem::path PrefsFile() { return PrefsFolder() / "TarnwickLanes.ini"; }

void ResetRun() {
  FakeDialogs::Install();
  tk::CloseAllWindows();
  tk::ProcessEvents();
  std::error_code ignored;
  std::filesystem::remove_all(PrefsFolder(), ignored);
  tk::SetApplication(std::make_shared<App::App>());
  Module1::myINI = nullptr;
  Module1::PrintLimit = 0;
  Module1::myImageIndex = 0;
  Module1::RANDOMISATION = 0;
  Module1::LastDoorUsed = 0;
  Module1::myPrinterSetup = nullptr;
  Module1::myDrawing = nullptr;
  PathFind::FindingSolution = false;
  PathFind::hasSolution = false;
}

void WritePrefs(const std::string& lines) {
  std::filesystem::create_directories(PrefsFolder());
  std::string text = lines;
  for (char& c : text)
    if (c == '\n') c = '\r';
  std::ofstream(PrefsFile(), std::ios::binary) << text;
}

std::string ReadPrefs() {
  std::string text = testpaths::ReadBytes(PrefsFile());
  for (char& c : text)
    if (c == '\r') c = '\n';
  return text;
}

bool RunEventsUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() >= ms) return false;
    tk::ProcessEventsFor(2);
  }
  return true;
}

}  // namespace uitest

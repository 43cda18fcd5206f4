#include "ui/toolkit/Application.h"

#include <QCoreApplication>
#include <QTimer>

#include "ui/toolkit/Dialogs.h"
#include "ui/toolkit/Window.h"

namespace tk {

namespace {
std::shared_ptr<Application>& Registered() {
  static auto* app = new std::shared_ptr<Application>();
  return *app;
}
int quitRequests = 0;
bool reporting = false;
}  // namespace

std::string Application::Version() const { return TARNWICK_VERSION; }

std::string Application::LongVersion() const { return "\u00A9 2026 Oxl Software. All rights reserved."; }

int Application::Run() {
  running_ = true;
  QTimer::singleShot(0, [this] {
    try {
      Event_Open();
    } catch (...) {
      ReportUnhandledException(std::current_exception());
    }
    if (AutoQuit && OpenWindows().empty()) Quit();
  });
  const int code = QCoreApplication::exec();
  running_ = false;
  return code;
}

std::shared_ptr<Application> TheApplication() { return Registered(); }
void SetApplication(std::shared_ptr<Application> app) { Registered() = std::move(app); }

void Quit() {
  ++quitRequests;
  auto app = TheApplication();
  if (app && app->Running()) QCoreApplication::exit(0);
}

int QuitRequests() { return quitRequests; }

void QuitApplication() {
  CloseAllWindows();
  Quit();
}

std::string UnhandledExceptionMessage(std::exception_ptr failure) {
  std::string what = "an unknown error";
  try {
    if (failure) std::rethrow_exception(failure);
  } catch (const UserFailure& e) {
    return e.what();
  } catch (const std::exception& e) {
    what = e.what();
  } catch (...) {
  }
  return "Tarnwick Lanes could not finish what it was doing because of an unexpected error:\n\n" + what;
}

void ReportUnhandledException(std::exception_ptr failure) {
  // A failure while the message itself is shown is not reported again.
  if (reporting) return;
  reporting = true;
  try {
    MsgBox(UnhandledExceptionMessage(failure));
  } catch (...) {
  }
  reporting = false;
}

}  // namespace tk

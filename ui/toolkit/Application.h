#pragma once
// The application object: its Open event, AutoQuit, menu bar, version data
// and the event loop; and the handler of exceptions that nothing caught.
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>

namespace tk {

class MenuBar;

class Application {
 public:
  Application() = default;
  virtual ~Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The application quits when its last window closes.
  bool AutoQuit = false;
  // The menu bar shared by the application's windows.
  std::shared_ptr<tk::MenuBar> MenuBar;

  // The short version ("1.0.0").
  std::string Version() const;
  // The rights notice.
  std::string LongVersion() const;

  // Run once, by Run, when the event loop has started.
  virtual void Event_Open() {}

  // Delivers the Open event, then runs the event loop until the application
  // quits; the exit code. Should the Open event leave no window open, the
  // application quits at once rather than run on unseen.
  int Run();
  // True while Run's event loop runs.
  bool Running() const { return running_; }

 private:
  bool running_ = false;
};

// The registered application object (nullptr before one is registered).
std::shared_ptr<Application> TheApplication();
void SetApplication(std::shared_ptr<Application> app);

// Ends the event loop of Run. Outside Run (in tests) only counts the request.
void Quit();
int QuitRequests();
// The Quit menu item: closes every window, so their Close events store
// their settings, then quits.
void QuitApplication();

// A failure whose text is written for the user ("The maze could not be
// printed: ..."): reported as it stands rather than as an unexpected error.
class UserFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Tells the user about an exception that no handler caught, in a message box,
// instead of letting it end the program.
void ReportUnhandledException(std::exception_ptr failure);
// The text that message box shows.
std::string UnhandledExceptionMessage(std::exception_ptr failure);

// Runs the program's handler of an event that the user caused (a click, a
// key, a tick). An exception escaping it is reported there, so it never
// unwinds through the toolkit's own event handling.
template <class F>
void RunHandler(F&& handler) {
  try {
    handler();
  } catch (...) {
    ReportUnhandledException(std::current_exception());
  }
}

}  // namespace tk

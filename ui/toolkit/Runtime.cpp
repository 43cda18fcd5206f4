#include "ui/toolkit/Runtime.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <exception>

#include "ui/toolkit/Application.h"

namespace tk {

namespace {

class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (...) {
      ReportUnhandledException(std::current_exception());
    }
    return false;
  }
};

}  // namespace

void InitRuntime(int& argc, char** argv) {
  if (QApplication::instance() != nullptr) return;
  static QApplication* app = new GuardedApplication(argc, argv);
  QApplication::setApplicationName("Tarnwick Lanes");
  QApplication::setApplicationVersion(TARNWICK_VERSION);
  QApplication::setOrganizationName("Oxl");
  // The program decides when it ends (AutoQuit), not Qt.
  QApplication::setQuitOnLastWindowClosed(false);
  (void)app;
}

void ProcessEvents() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ProcessEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
  ProcessEvents();
}

}  // namespace tk

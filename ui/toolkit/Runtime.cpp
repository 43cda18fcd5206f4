#include "ui/toolkit/Runtime.h"

#include <QApplication>

namespace tk {

void InitRuntime(int& argc, char** argv) {
  if (QApplication::instance() != nullptr) return;
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

}  // namespace tk

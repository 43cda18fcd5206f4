#include <QApplication>
#include <QLabel>

#include "ui/toolkit/Runtime.h"

int main(int argc, char** argv) {
  tk::InitRuntime(argc, argv);
  QLabel label("Tarnwick Lanes");
  label.setWindowTitle("Tarnwick Lanes");
  label.resize(400, 300);
  label.show();
  return QApplication::exec();
}

#include "ui/Startup.h"
#include "ui/toolkit/Runtime.h"

int main(int argc, char** argv) {
  tk::InitRuntime(argc, argv);
  return Main_();
}

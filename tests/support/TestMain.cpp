// The entry point of every test program: a headless toolkit and a private
// preference folder, so no test touches the user's settings or a display.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "ui/toolkit/Runtime.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Absolute, since a relative XDG_CONFIG_HOME does not count (TMPDIR may be relative).
  std::error_code noTemp;
  std::filesystem::path temp = std::filesystem::temp_directory_path(noTemp);
  if (noTemp) temp = "/tmp";
  std::string dir = (std::filesystem::absolute(temp) / "tarnwick-test-XXXXXX").string();
  // Without a folder of its own a test would write the user's own settings.
  if (mkdtemp(dir.data()) == nullptr || setenv("XDG_CONFIG_HOME", dir.c_str(), 1) != 0) {
    std::fprintf(stderr, "Cannot make a temporary settings folder %s: %s; no test runs.\n", dir.c_str(),
                 std::strerror(errno));
    return 1;
  }
  tk::InitRuntime(argc, argv);
  const int result = RUN_ALL_TESTS();
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  return result;
}

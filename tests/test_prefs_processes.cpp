// The preference file as other processes meet it: a writer whose user may
// not write the file, and two programs storing their settings at once. The
// writers are a program of their own (prefs_writer).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "TestPaths.h"
#include "prefs/iniClass.h"
#include "ui/toolkit/FolderItem.h"

namespace fs = std::filesystem;
using testpaths::ReadBytes;

namespace {

constexpr uid_t kNobody = 65534;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Starts a writer; its output is read by Finish.
FILE* Start(const std::string& command) { return ::popen((command + " 2>&1").c_str(), "r"); }

// The writer's output; its exit code goes into status (-1: it did not exit).
std::string Finish(FILE* pipe, int& status) {
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int raw = ::pclose(pipe);
  status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return out;
}

// Runs a command to its end.
std::string Output(const std::string& command, int& status) { return Finish(Start(command), status); }

TEST(PrefsProcesses, FileItsOwnerMadeReadOnlyIsNotReplaced) {
  // Root may write any file, so as root the writer runs as nobody, in a
  // folder of its own and from its own copy (the build tree may be closed
  // to it).
  const bool root = ::geteuid() == 0;
  int status = 0;
  if (root && (Output("setpriv --version", status), status != 0)) {
    GTEST_SKIP() << "running as root without setpriv: no way to check as a user who may not write the file";
  }
  const fs::path dir = fs::temp_directory_path() / ("tarnwick-read-only-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::string writer = Quoted(PREFS_WRITER);
  if (root) {
    fs::copy_file(PREFS_WRITER, dir / "prefs_writer");
    ASSERT_EQ(::chown(dir.c_str(), kNobody, kNobody), 0);
    writer = "setpriv --reuid=65534 --regid=65534 --clear-groups " + Quoted(dir / "prefs_writer");
  }

  // The folder is the writer's to write in.
  const fs::path other = dir / "Other.ini";
  ASSERT_EQ(Output(writer + " " + Quoted(other) + " Basic Icon 2", status), "2\n");
  ASSERT_EQ(status, 0);

  const std::string text = "[Basic]\rDifficulty=18\rIcon=4\r";
  const fs::path file = dir / "TarnwickLanes.ini";
  std::ofstream(file, std::ios::binary) << text;
  if (root) {
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
  }
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  struct stat before {};
  ASSERT_EQ(::stat(file.c_str(), &before), 0);

  EXPECT_EQ(Output(writer + " " + Quoted(file) + " Basic Icon 11", status), "4\n") << "it still reads";
  EXPECT_EQ(status, 0);
  struct stat after {};
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "replaced";
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(ReadBytes(file), text);
  fs::remove_all(dir);
}

TEST(PrefsProcesses, TwoWritersAtOnceKeepEveryKey) {
  // Two programs closing at the same moment: each one's read, change and
  // replace of the file must not undo what the other stored meanwhile.
  const fs::path dir = fs::temp_directory_path() / ("tarnwick-two-writers-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path file = dir / "TarnwickLanes.ini";
  constexpr int kKeys = 200;
  const std::string command = Quoted(PREFS_WRITER) + " " + Quoted(file) + " Pro ";
  FILE* first = Start(command + "a a " + std::to_string(kKeys));
  FILE* second = Start(command + "b b " + std::to_string(kKeys));
  int status = 0;
  EXPECT_EQ(Finish(first, status), "a" + std::to_string(kKeys - 1) + "\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Finish(second, status), "b" + std::to_string(kKeys - 1) + "\n");
  EXPECT_EQ(status, 0);

  iniClass ini(std::make_shared<tk::FolderItem>(file.string()));
  int lost = 0;
  for (const std::string writer : {"a", "b"}) {
    for (int i = 0; i < kKeys; ++i) {
      std::string value;
      ini.GetPreference("Pro", writer + std::to_string(i), value);
      lost += value != writer + std::to_string(i);
    }
  }
  EXPECT_EQ(lost, 0) << "of " << 2 * kKeys << " settings";
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  fs::remove_all(dir);
}

}  // namespace

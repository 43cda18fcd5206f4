// The toolkit's file layer: paths, exact reads, safe replacement, pictures.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TestPaths.h"
#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Picture.h"

namespace fs = std::filesystem;
using testpaths::ReadBytes;

namespace {

class FailAll : public tk::FileSeam {
 public:
  explicit FailAll(tk::FileOp op) : op_(op) {}
  bool Fails(tk::FileOp op, const std::string&) override { return op == op_; }

 private:
  tk::FileOp op_;
};

// A writer that dies when its file is written and about to be renamed.
class KillBeforeRename : public tk::FileSeam {
 public:
  bool Fails(tk::FileOp op, const std::string&) override {
    if (op == tk::FileOp::Rename) ::raise(SIGKILL);
    return false;
  }
};

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tarnwick-files-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    folder_ = std::make_shared<tk::FolderItem>(dir_.string());
  }
  void TearDown() override {
    tk::SetFileSeam(nullptr);
    fs::remove_all(dir_);
  }
  int Entries() const { return int(std::distance(fs::directory_iterator(dir_), fs::directory_iterator())); }

  fs::path dir_;
  std::shared_ptr<tk::FolderItem> folder_;
};

TEST_F(Files, PathsAndFolders) {
  auto item = folder_->Child("OxlTarnwickLanes")->Child("TarnwickLanes.ini");
  EXPECT_EQ(item->NativePath(), (dir_ / "OxlTarnwickLanes" / "TarnwickLanes.ini").string());
  EXPECT_EQ(item->Name(), "TarnwickLanes.ini");
  EXPECT_EQ(item->Parent()->NativePath(), (dir_ / "OxlTarnwickLanes").string());
  EXPECT_FALSE(item->Exists());
  EXPECT_FALSE(item->Parent()->Directory());

  // Missing parents are made; an existing folder keeps what it holds.
  auto deep = folder_->Child("a")->Child("b");
  EXPECT_TRUE(deep->CreateAsFolder());
  EXPECT_TRUE(deep->Directory());
  ASSERT_TRUE(deep->Child("keep.txt")->WriteTextFile("x"));
  EXPECT_TRUE(deep->CreateAsFolder());
  EXPECT_EQ(ReadBytes(dir_ / "a" / "b" / "keep.txt"), "x");
  // A file where the folder should be is not a folder.
  EXPECT_FALSE(deep->Child("keep.txt")->CreateAsFolder());
}

TEST_F(Files, ReadsBytesExactly) {
  const std::string bytes("a\rb\r\nc\nd\0e\xff", 11);
  auto file = folder_->Child("f");
  ASSERT_TRUE(file->WriteTextFile(bytes));
  EXPECT_EQ(file->ReadAll(), bytes);
  EXPECT_FALSE(file->ReadAll(10).has_value()) << "over the limit";
  EXPECT_EQ(file->ReadAll(11), bytes);
  ASSERT_TRUE(file->WriteTextFile("z"));
  EXPECT_EQ(file->ReadAll(), "z") << "writing empties the file first";

  EXPECT_FALSE(folder_->Child("missing")->ReadAll().has_value());
  EXPECT_FALSE(folder_->ReadAll().has_value()) << "a folder is not a file";
  // A pipe in the file's place must not hang the read.
  const fs::path fifo = dir_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(folder_->Child("fifo")->ReadAll().has_value());
}

TEST_F(Files, ReplaceKeepsModeAndLinks) {
  const fs::path real = dir_ / "real.ini";
  auto file = folder_->Child("real.ini");
  ASSERT_TRUE(file->WriteTextFile("old"));
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(file->ReplaceTextFile("new"));
  EXPECT_EQ(ReadBytes(real), "new");
  EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  fs::create_symlink(real, dir_ / "link.ini");
  ASSERT_TRUE(folder_->Child("link.ini")->ReplaceTextFile("through the link"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.ini"));
  EXPECT_EQ(ReadBytes(real), "through the link");
  EXPECT_EQ(Entries(), 2) << "no temporary file left";
}

TEST_F(Files, ReplaceWritesThroughLinksToMissingFiles) {
  // Settings kept elsewhere and linked in: the file a link names is written,
  // also before it exists, and the link stays a link.
  const fs::path elsewhere = dir_ / "elsewhere";
  fs::create_directories(elsewhere);
  fs::create_symlink(elsewhere / "a.ini", dir_ / "a.ini");
  ASSERT_TRUE(folder_->Child("a.ini")->ReplaceTextFile("a"));
  EXPECT_EQ(ReadBytes(elsewhere / "a.ini"), "a");

  // A relative target counts from the link's folder, not the working folder.
  fs::create_symlink("elsewhere/b.ini", dir_ / "b.ini");
  ASSERT_TRUE(folder_->Child("b.ini")->ReplaceTextFile("b"));
  EXPECT_EQ(ReadBytes(elsewhere / "b.ini"), "b");

  // A chain of links, before and after its file exists.
  fs::create_symlink("c2.ini", elsewhere / "c1.ini");
  fs::create_symlink(elsewhere / "c1.ini", dir_ / "c.ini");
  ASSERT_TRUE(folder_->Child("c.ini")->ReplaceTextFile("c"));
  EXPECT_EQ(ReadBytes(elsewhere / "c2.ini"), "c");
  ASSERT_TRUE(folder_->Child("c.ini")->ReplaceTextFile("cc"));
  EXPECT_EQ(ReadBytes(elsewhere / "c2.ini"), "cc");

  // Links in a loop, or to a missing folder: nothing is written.
  fs::create_symlink("loop2", dir_ / "loop1");
  fs::create_symlink("loop1", dir_ / "loop2");
  EXPECT_FALSE(folder_->Child("loop1")->ReplaceTextFile("x"));
  fs::create_symlink("nowhere/d.ini", dir_ / "d.ini");
  EXPECT_FALSE(folder_->Child("d.ini")->ReplaceTextFile("x"));

  for (const fs::path& link : {dir_ / "a.ini", dir_ / "b.ini", dir_ / "c.ini", elsewhere / "c1.ini",
                               dir_ / "loop1", dir_ / "loop2", dir_ / "d.ini"}) {
    EXPECT_TRUE(fs::is_symlink(link)) << link;
  }
  EXPECT_EQ(Entries(), 7) << "no temporary file left";
  EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator()), 4);
}

TEST_F(Files, FailedReplaceLeavesTheOldFile) {
  auto file = folder_->Child("f");
  ASSERT_TRUE(file->WriteTextFile("whole old text"));
  for (const tk::FileOp op : {tk::FileOp::Create, tk::FileOp::Write, tk::FileOp::Rename}) {
    tk::SetFileSeam(std::make_shared<FailAll>(op));
    EXPECT_FALSE(file->ReplaceTextFile("a much longer new text")) << int(op);
    tk::SetFileSeam(nullptr);
    EXPECT_EQ(file->ReadAll(), "whole old text") << int(op);
    EXPECT_EQ(Entries(), 1) << int(op);
  }
  tk::SetFileSeam(std::make_shared<FailAll>(tk::FileOp::Read));
  EXPECT_FALSE(file->ReadAll().has_value());
  tk::SetFileSeam(std::make_shared<FailAll>(tk::FileOp::Write));
  EXPECT_FALSE(file->WriteTextFile("abcd")) << "a short write is a failure";
  tk::SetFileSeam(nullptr);
  EXPECT_EQ(file->ReadAll(), "ab");
  EXPECT_FALSE(folder_->Child("no")->Child("such")->ReplaceTextFile("x")) << "missing folder";
}

TEST_F(Files, KilledWritersLeaveNoTemporaryFiles) {
  // True when a writer in a process of its own was killed before its rename.
  auto killedWriter = [&](const std::string& name) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      tk::SetFileSeam(std::make_shared<KillBeforeRename>());
      folder_->Child(name)->ReplaceTextFile("new");
      ::_exit(0);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  };
  auto settings = folder_->Child("TarnwickLanes.ini");
  ASSERT_TRUE(settings->WriteTextFile("old"));
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(killedWriter("TarnwickLanes.ini"));
  ASSERT_TRUE(killedWriter("maze.png"));
  ASSERT_GE(Entries(), 3) << "the killed writers' temporary files";
  // Names close to those of its temporary files that are not.
  const std::vector<std::string> others = {".TarnwickLanes.ini.bak",      ".TarnwickLanes.ini.12.3",
                                           ".TarnwickLanes.ini.12.3.4.5", ".TarnwickLanes.ini.12.3.xyz",
                                           ".TarnwickLanes.ini.12.3.ABC", ".TarnwickLanes.ini..3.4",
                                           "TarnwickLanes.ini.12.3.4",    ".TarnwickLanes.ini.12.3.4~",
                                           "..TarnwickLanes.ini.12.3.4",  ".TarnwickLanes.ini.png.12.3.4"};
  for (const std::string& name : others) ASSERT_TRUE(folder_->Child(name)->WriteTextFile("keep"));

  ASSERT_TRUE(settings->ReplaceTextFile("done"));
  EXPECT_EQ(settings->ReadAll(), "done");
  EXPECT_EQ(Entries(), 2 + int(others.size())) << "only the settings' own temporary files go";
  ASSERT_TRUE(folder_->Child("maze.png")
                  ->SaveAsPicture(std::make_shared<tk::Picture>(2, 2, 32), tk::FolderItem::kPNG));
  EXPECT_EQ(Entries(), 2 + int(others.size()));
  for (const std::string& name : others) EXPECT_EQ(ReadBytes(dir_ / name), "keep") << name;
}

TEST_F(Files, SavesPng) {
  auto picture = std::make_shared<tk::Picture>(7, 5, 32);
  picture->RGBSurface().SetPixel(3, 2, 0x123456);
  auto file = folder_->Child("maze.png");
  ASSERT_TRUE(file->SaveAsPicture(picture, tk::FolderItem::kPNG));
  const QImage back(QString::fromStdString(file->NativePath()), "PNG");
  ASSERT_FALSE(back.isNull());
  EXPECT_EQ(back.size(), QSize(7, 5));
  EXPECT_EQ(back.pixel(3, 2) & 0xFFFFFF, 0x123456u);
  EXPECT_EQ(back.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);

  EXPECT_FALSE(folder_->Child("none.png")->SaveAsPicture(nullptr, tk::FolderItem::kPNG));
  EXPECT_FALSE(folder_->Child("bad.png")->SaveAsPicture(picture, 151));
  for (const tk::FileOp op : {tk::FileOp::SavePicture, tk::FileOp::Write}) {
    tk::SetFileSeam(std::make_shared<FailAll>(op));
    EXPECT_FALSE(folder_->Child("failed.png")->SaveAsPicture(picture, tk::FolderItem::kPNG)) << int(op);
  }
  EXPECT_EQ(Entries(), 1);
}

TEST_F(Files, PreferencesFolder) {
  const std::string saved = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
  EXPECT_EQ(tk::SpecialFolder::Preferences()->NativePath(), "/somewhere/config");
  setenv("XDG_CONFIG_HOME", "", 1);
  setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(tk::SpecialFolder::Preferences()->NativePath(), "/home/someone/.config");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(tk::SpecialFolder::Preferences()->NativePath(), "/home/someone/.config");
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST_F(Files, RelativeConfigHomeIsIgnored) {
  // Only an absolute path counts; anything else would put the settings below
  // whatever folder the program was started in.
  const std::string saved = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("HOME", "/home/someone", 1);
  for (const char* relative : {"config", "./config", "~/.config", "../x/.config"}) {
    setenv("XDG_CONFIG_HOME", relative, 1);
    EXPECT_EQ(tk::SpecialFolder::Preferences()->NativePath(), "/home/someone/.config") << relative;
  }
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

}  // namespace

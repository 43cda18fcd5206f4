// The toolkit's file layer: paths, exact reads, safe replacement, pictures.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QImage>
#include <QString>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
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

// Lists the folder's names while the new file is written, just before its
// rename: the temporary file is among them.
class ListAtRename : public tk::FileSeam {
 public:
  explicit ListAtRename(fs::path folder) : folder_(std::move(folder)) {}
  bool Fails(tk::FileOp op, const std::string&) override {
    if (op == tk::FileOp::Rename)
      for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    return false;
  }
  std::vector<std::string> names;

 private:
  fs::path folder_;
};

bool ValidUtf8(const std::string& s) { return QString::fromUtf8(s).toUtf8().toStdString() == s; }

// A picture whose PNG is far larger than a pipe holds (64 KiB).
std::shared_ptr<tk::Picture> NoisyPicture() {
  auto picture = std::make_shared<tk::Picture>(200, 200, 32);
  auto pixels = picture->RGBSurface();
  std::uint32_t seed = 12345;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      seed = seed * 1664525u + 1013904223u;
      pixels.SetPixel(x, y, seed >> 8);
    }
  return picture;
}

// An extended attribute's value, or nothing when the file has none by that name.
std::optional<std::string> Attribute(const fs::path& path, const char* name) {
  char value[4096];
  const ssize_t n = ::getxattr(path.c_str(), name, value, sizeof value);
  if (n < 0) return std::nullopt;
  return std::string(value, std::size_t(n));
}

// A POSIX access list as the kernel stores it: version 2, then (tag, perm, id)
// entries sorted by tag: owner, users, owning group, mask, others.
std::string AccessList(unsigned owner, unsigned user, std::uint32_t uid, unsigned group, unsigned mask,
                       unsigned other) {
  std::string bytes;
  auto put = [&](std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(char((v >> (8 * i)) & 0xFF));
  };
  put(2, 4);
  const std::uint32_t none = 0xFFFFFFFF;
  for (const auto& [tag, perm, id] : {std::tuple{0x01u, owner, none}, std::tuple{0x02u, user, uid},
                                      std::tuple{0x04u, group, none}, std::tuple{0x10u, mask, none},
                                      std::tuple{0x20u, other, none}}) {
    put(tag, 2);
    put(perm, 2);
    put(id, 4);
  }
  return bytes;
}

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

TEST_F(Files, SpecialFilesAreWrittenIntoOrRefusedButNeverReplaced) {
  const auto picture = NoisyPicture();
  ASSERT_TRUE(folder_->Child("plain.png")->SaveAsPicture(picture, tk::FolderItem::kPNG));
  const std::string png = ReadBytes(dir_ / "plain.png");
  ASSERT_GT(png.size(), 100000u);

  // A pipe that nobody reads: the save fails at once instead of hanging.
  const fs::path pipe = dir_ / "pipe.png";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(folder_->Child("pipe.png")->SaveAsPicture(picture, tk::FolderItem::kPNG));
  EXPECT_TRUE(fs::is_fifo(pipe));

  // A pipe with a reader gets the whole picture, and stays a pipe.
  const int readEnd = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(readEnd, 0);
  std::string received;
  std::thread reader([&] {
    for (;;) {
      pollfd wait{readEnd, POLLIN, 0};
      if (::poll(&wait, 1, 10000) <= 0) return;  // nothing came
      char buffer[8192];
      const ssize_t n = ::read(readEnd, buffer, sizeof buffer);
      if (n > 0) received.append(buffer, std::size_t(n));
      if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return;  // the writer is done
    }
  });
  const bool saved = folder_->Child("pipe.png")->SaveAsPicture(picture, tk::FolderItem::kPNG);
  reader.join();
  ::close(readEnd);
  EXPECT_TRUE(saved);
  EXPECT_TRUE(received == png) << received.size() << " of " << png.size() << " bytes";
  EXPECT_TRUE(fs::is_fifo(pipe));

  // A reader that leaves before the end: the save fails, and the program
  // lives on (no SIGPIPE ends it).
  const int leaving = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(leaving, 0);
  std::thread leaver([&] {
    pollfd wait{leaving, POLLIN, 0};
    ::poll(&wait, 1, 10000);  // the first bytes are there; the pipe is full
    ::close(leaving);
  });
  EXPECT_FALSE(folder_->Child("pipe.png")->SaveAsPicture(picture, tk::FolderItem::kPNG));
  leaver.join();
  EXPECT_TRUE(fs::is_fifo(pipe));

  // A device behind a link (a null device of our own, where we may make one)
  // is written into; the device and the link stay.
  const fs::path device = dir_ / "null.png";
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
    std::cout << "[ NOTE ] no device made (" << std::strerror(errno) << "); its part is not run\n";
  } else {
    fs::create_symlink("null.png", dir_ / "link.png");
    EXPECT_TRUE(folder_->Child("link.png")->SaveAsPicture(picture, tk::FolderItem::kPNG));
    EXPECT_TRUE(fs::is_character_file(device));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.png"));
  }

  // What cannot take bytes is refused and left as it is: a socket, a folder.
  const fs::path socketPath = dir_ / "socket.png";
  const int sock = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  ASSERT_GE(sock, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socketPath.native().size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  EXPECT_FALSE(folder_->Child("socket.png")->SaveAsPicture(picture, tk::FolderItem::kPNG));
  EXPECT_TRUE(fs::is_socket(socketPath));
  ::close(sock);
  fs::create_directory(dir_ / "folder.png");
  EXPECT_FALSE(folder_->Child("folder.png")->SaveAsPicture(picture, tk::FolderItem::kPNG));
  EXPECT_TRUE(fs::is_directory(dir_ / "folder.png"));
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_NE(entry.path().filename().string().front(), '.') << "temporary file left: " << entry.path();
}

TEST_F(Files, LongNonAsciiNamesGetValidTemporaryNames) {
  // 79 three-byte characters and ".png": 241 bytes, a valid name on every
  // file system; the temporary name must not split a character either
  // (exFAT and NTFS refuse names that are not valid UTF-8).
  std::string name;
  for (int i = 0; i < 79; ++i) name += "\xe8\xbf\xb7";
  name += ".png";
  auto seam = std::make_shared<ListAtRename>(dir_);
  tk::SetFileSeam(seam);
  ASSERT_TRUE(folder_->Child(name)->SaveAsPicture(std::make_shared<tk::Picture>(2, 2, 32), tk::FolderItem::kPNG));
  ASSERT_EQ(seam->names.size(), 1u) << "the temporary file";
  for (const std::string& entry : seam->names) EXPECT_TRUE(ValidUtf8(entry)) << entry.size() << " bytes";
  EXPECT_TRUE(fs::exists(dir_ / name));
  EXPECT_EQ(Entries(), 1);
}

TEST_F(Files, ReplaceKeepsAccessListsAndExtendedAttributes) {
  // user 4242 may read and write; the owning group only read (the mode's
  // group bits are the list's mask, rw-).
  const std::string acl = AccessList(6, 6, 4242, 4, 6, 0);
  const fs::path shared = dir_ / "shared.ini";
  ASSERT_TRUE(folder_->Child("shared.ini")->WriteTextFile("old"));
  if (::setxattr(shared.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0 ||
      ::setxattr(shared.c_str(), "user.origin", "editor", 6, 0) != 0)
    GTEST_SKIP() << "the test folder's file system keeps no access lists or extended attributes: "
                 << std::strerror(errno);
  struct stat before {};
  ASSERT_EQ(::stat(shared.c_str(), &before), 0);
  ASSERT_EQ(before.st_mode & 0777, 0660u);
  const auto stored = Attribute(shared, "system.posix_acl_access");

  ASSERT_TRUE(folder_->Child("shared.ini")->ReplaceTextFile("new"));
  EXPECT_EQ(ReadBytes(shared), "new");
  EXPECT_EQ(Attribute(shared, "system.posix_acl_access"), stored) << "user 4242 lost access";
  EXPECT_EQ(Attribute(shared, "user.origin"), "editor");
  struct stat after {};
  ASSERT_EQ(::stat(shared.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);

  // A file without a list keeps having none, also where the folder hands
  // its default list to every new file.
  const fs::path plain = dir_ / "plain.ini";
  ASSERT_TRUE(folder_->Child("plain.ini")->WriteTextFile("old"));
  ::chmod(plain.c_str(), 0640);
  const std::string inherited = AccessList(7, 7, 4242, 5, 7, 0);
  ASSERT_EQ(::setxattr(dir_.c_str(), "system.posix_acl_default", inherited.data(), inherited.size(), 0), 0);
  ASSERT_TRUE(folder_->Child("plain.ini")->ReplaceTextFile("new"));
  EXPECT_EQ(Attribute(plain, "system.posix_acl_access"), std::nullopt) << "user 4242 gained access";
  ASSERT_EQ(::stat(plain.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
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

#include "ui/toolkit/FolderItem.h"

#include <fcntl.h>
#include <pthread.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "ui/toolkit/Picture.h"

namespace fs = std::filesystem;

namespace tk {

namespace {

std::shared_ptr<FileSeam>& Seam() {
  static std::shared_ptr<FileSeam> seam;
  return seam;
}

bool Fails(FileOp op, const std::string& path) {
  const auto& seam = Seam();
  return seam && seam->Fails(op, path);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= std::size_t(n);
  }
  return true;
}

// A name for a temporary file that no other writer picks at the same time.
std::string TempSuffix() {
  static unsigned counter = 0;
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, ".%ld.%u.%llx", long(::getpid()), ++counter,
                static_cast<unsigned long long>(now));
  return buffer;
}

// The start of the temporary files' names for a file: hidden, and short
// enough to stay within the name limit. A long name is cut between two
// characters, never inside one: file systems that store names as Unicode
// (exFAT, NTFS) refuse a name that is not valid UTF-8.
std::string TempBase(const std::string& name) {
  std::size_t n = std::min<std::size_t>(name.size(), 200);
  while (n > 0 && n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
  std::string base = ".";
  base.append(name, 0, n);
  return base;
}

// True for the names TempSuffix gives after base: base, then ".pid.count.hex".
bool IsTempName(std::string_view name, std::string_view base) {
  if (!name.starts_with(base)) return false;
  name.remove_prefix(base.size());
  for (const std::string_view digits : {"0123456789", "0123456789", "0123456789abcdef"}) {
    if (name.empty() || name.front() != '.') return false;
    name.remove_prefix(1);
    const std::size_t n = std::min(name.find_first_not_of(digits), name.size());
    if (n == 0) return false;
    name.remove_prefix(n);
  }
  return name.empty();
}

// Removes the temporary files, named after base, that writers killed before
// their rename left in the folder. Only called with the folder locked: every
// writer holds the lock while its temporary file exists, so whatever is
// found then belongs to a writer that is gone.
void RemoveLeftovers(const fs::path& folder, const std::string& base) {
  std::vector<fs::path> leftovers;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (IsTempName(it->path().filename().native(), base)) leftovers.push_back(it->path());
  }
  for (const fs::path& path : leftovers) ::unlink(path.c_str());
}

// The file a path names once symbolic links are followed (a settings file
// kept elsewhere and linked in), whether or not that file exists yet: the
// file is replaced, never the link. Nothing for links in a loop.
std::optional<fs::path> LinkTarget(fs::path path) {
  for (int links = 0; links < 40; ++links) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return std::nullopt;
    // A relative link counts from the link's own folder.
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return std::nullopt;
}

// Gives the new file the old one's extended attributes, its access list
// (system.posix_acl_access) among them, so that those the list lets in keep
// their access and nobody gains any. The file system may keep none, or
// refuse some (security labels for a user); the new file is written either
// way.
void CopyExtendedAttributes(const fs::path& from, int to) {
  // Both calls are asked twice: the size first, then the bytes.
  auto fetch = [](auto&& call) -> std::optional<std::string> {
    for (int attempt = 0; attempt < 4; ++attempt) {
      const ssize_t size = call(nullptr, 0);
      if (size < 0) return std::nullopt;
      std::string bytes(std::size_t(size), '\0');
      const ssize_t got = call(bytes.data(), bytes.size());
      if (got >= 0) return bytes.substr(0, std::size_t(got));
      if (errno != ERANGE) return std::nullopt;  // ERANGE: it grew meanwhile
    }
    return std::nullopt;
  };
  const std::optional<std::string> names =
      fetch([&](char* list, std::size_t size) { return ::listxattr(from.c_str(), list, size); });
  if (!names) return;
  constexpr std::string_view kAccessList = "system.posix_acl_access";
  bool hadAccessList = false;
  for (std::size_t at = 0; at < names->size();) {
    const std::string name = names->c_str() + at;
    at += name.size() + 1;
    if (name.empty()) continue;
    hadAccessList = hadAccessList || name == kAccessList;
    const std::optional<std::string> value =
        fetch([&](char* v, std::size_t size) { return ::getxattr(from.c_str(), name.c_str(), v, size); });
    if (value) ::fsetxattr(to, name.c_str(), value->data(), value->size(), 0);
  }
  // A new file takes the folder's default list, which the old file may not
  // have had.
  if (!hadAccessList) ::fremovexattr(to, kAccessList.data());
}

// Keeps SIGPIPE from ending the program while it lives: a write to a pipe
// whose reader went away fails with EPIPE instead. A SIGPIPE that was
// already waiting is left for its owner.
class NoBrokenPipeSignal {
 public:
  NoBrokenPipeSignal() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    sigset_t waiting;
    sigemptyset(&waiting);
    sigpending(&waiting);
    wasPending_ = sigismember(&waiting, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
  }
  ~NoBrokenPipeSignal() {
    if (!wasPending_) {
      const timespec now{};
      while (sigtimedwait(&pipe_, nullptr, &now) > 0) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }
  NoBrokenPipeSignal(const NoBrokenPipeSignal&) = delete;
  NoBrokenPipeSignal& operator=(const NoBrokenPipeSignal&) = delete;

 private:
  sigset_t pipe_, old_;
  bool wasPending_ = false;
};

// Writes bytes to fd; a write failure of the file seam for seamPath writes
// half of them and fails, as a full disk would.
bool WriteBytes(int fd, const std::string& bytes, const std::string& seamPath) {
  if (Fails(FileOp::Write, seamPath)) {
    WriteAll(fd, bytes.data(), bytes.size() / 2);
    return false;
  }
  return WriteAll(fd, bytes.data(), bytes.size());
}

bool WritesInPlace(mode_t mode) { return S_ISFIFO(mode) || S_ISCHR(mode) || S_ISBLK(mode); }

// Writes into a pipe or a device as any program writing a file does: the
// reader of the pipe or the device takes the bytes, and nothing is removed
// or made. A pipe that nobody reads fails at once instead of blocking the
// program until someone does. seamPath is the path the caller was given.
bool WriteInPlace(const fs::path& target, const std::string& seamPath,
                  const std::function<std::optional<std::string>()>& change) {
  if (::access(target.c_str(), W_OK) != 0) return false;
  const std::optional<std::string> bytes = change();
  if (!bytes) return false;
  if (Fails(FileOp::Create, seamPath)) return false;
  // Without O_NONBLOCK, opening a pipe waits for a reader; with it, a pipe
  // without one gives ENXIO.
  const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && WritesInPlace(st.st_mode);
  // Once open, the writes wait for the reader like any other writer's.
  const int flags = ok ? ::fcntl(fd, F_GETFL) : -1;
  ok = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
  if (ok) {
    const NoBrokenPipeSignal noSignal;
    ok = WriteBytes(fd, *bytes, seamPath);
  }
  if (::close(fd) != 0) ok = false;
  return ok;
}

// An advisory lock on a folder for the writers that replace files in it,
// held while the object lives. It leaves nothing on disk, and the lock of a
// process that dies goes with it.
class FolderLock {
 public:
  explicit FolderLock(const fs::path& folder)
      : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ < 0) return;
    // A writer holds it for a moment; one that seems stuck is not waited for
    // forever, nor where the file system has no locks.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!(held_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0)) {
      if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= giveUp) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool Held() const { return held_; }

  // Puts the folder's entries on disk: after a power cut it names the old
  // file or the new one. Some file systems cannot sync a folder; the new
  // file is in place either way.
  void Sync() const {
    if (fd_ >= 0) ::fsync(fd_);
  }

 private:
  int fd_;
  bool held_ = false;
};

}  // namespace

void SetFileSeam(std::shared_ptr<FileSeam> seam) { Seam() = std::move(seam); }

FolderItem::FolderItem(std::string nativePath) : path_(std::move(nativePath)) {}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
  return std::make_shared<FolderItem>((fs::path(path_) / name).string());
}

std::shared_ptr<FolderItem> FolderItem::Parent() const {
  fs::path p(path_);
  if (p.has_filename()) return std::make_shared<FolderItem>(p.parent_path().string());
  return std::make_shared<FolderItem>(p.parent_path().parent_path().string());
}

bool FolderItem::Exists() const {
  std::error_code ec;
  return fs::exists(path_, ec);
}

bool FolderItem::Directory() const {
  std::error_code ec;
  return fs::is_directory(path_, ec);
}

std::string FolderItem::Name() const {
  fs::path p(path_);
  if (!p.has_filename()) p = p.parent_path();
  return p.filename().string();
}

bool FolderItem::CreateAsFolder() const {
  // Missing parents are made too: a fresh account may have no ~/.config yet.
  std::error_code ec;
  fs::create_directories(path_, ec);
  return Directory();
}

std::optional<std::string> FolderItem::ReadAll(std::size_t limit) const {
  if (Fails(FileOp::Read, path_)) return std::nullopt;
  // Non-blocking, so that a pipe in the file's place cannot hang the open.
  const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> result;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && std::size_t(st.st_size) <= limit) {
    std::string text;
    text.reserve(std::size_t(st.st_size));
    char buffer[65536];
    bool ok = true;
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        ok = false;
        break;
      }
      if (text.size() + std::size_t(n) > limit) {  // it grew while we read
        ok = false;
        break;
      }
      text.append(buffer, std::size_t(n));
    }
    if (ok) result = std::move(text);
  }
  ::close(fd);
  return result;
}

bool FolderItem::WriteTextFile(const std::string& text) const {
  if (Fails(FileOp::Create, path_)) return false;
  const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const bool ok = WriteBytes(fd, text, path_);
  return ::close(fd) == 0 && ok;
}

bool FolderItem::ReplaceTextFile(const std::string& text) const {
  return UpdateTextFile([&] { return std::optional<std::string>(text); });
}

bool FolderItem::UpdateTextFile(const std::function<std::optional<std::string>()>& change) const {
  const std::optional<fs::path> linked = LinkTarget(path_);
  if (!linked) return false;
  const fs::path& target = *linked;
  // Only a regular file is replaced by a new one. A pipe or a device is
  // written into; anything else (a folder, a socket) is left alone.
  struct stat found {};
  if (::stat(target.c_str(), &found) == 0 && !S_ISREG(found.st_mode))
    return WritesInPlace(found.st_mode) && WriteInPlace(target, path_, change);
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  // From reading the file to renaming the new one, no other writer gets in
  // between: two programs closing at once each keep what the other stored.
  const FolderLock lock(folder);
  const std::string base = TempBase(target.filename().string());
  if (lock.Held()) RemoveLeftovers(folder, base);
  // The rename would go through whatever the file's own mode says: a file
  // this user may not write (its owner made it read-only) stays as it is.
  if (::access(target.c_str(), W_OK) != 0 && errno != ENOENT) return false;
  const std::optional<std::string> bytes = change();
  if (!bytes) return false;
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing && !S_ISREG(old.st_mode)) return false;  // no longer a regular file

  if (Fails(FileOp::Create, path_)) return false;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = (folder / (base + TempSuffix())).string();
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  bool ok = true;
  if (replacing) {
    // The new file takes the place of the old one with its owner, extended
    // attributes and mode; changing the owner only works for root, where it
    // matters. The mode comes last: with an access list, its group bits are
    // the list's mask, which the old mode holds already.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
    }
    CopyExtendedAttributes(target, fd);
    ::fchmod(fd, old.st_mode & 07777);
  }
  ok = WriteBytes(fd, *bytes, path_);
  // On disk before the rename, so a crash cannot leave an empty file behind.
  if (ok) ok = ::fdatasync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok && Fails(FileOp::Rename, path_)) ok = false;
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  lock.Sync();
  return true;
}

bool FolderItem::SaveAsPicture(const std::shared_ptr<Picture>& picture, int format) const {
  if (!picture || format != kPNG) return false;
  if (Fails(FileOp::SavePicture, path_)) return false;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return false;
  if (!picture->Image().save(&buffer, "PNG")) return false;
  buffer.close();
  return UpdateTextFile([&] { return std::optional<std::string>(bytes.toStdString()); });
}

std::shared_ptr<FolderItem> SpecialFolder::Preferences() {
  // A relative path there is no valid setting and is passed over.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && *config == '/') return std::make_shared<FolderItem>(config);
  const char* home = std::getenv("HOME");
  std::string dir;
  if (home != nullptr && *home != '\0') {
    dir = home;
  } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    dir = pw->pw_dir;
  }
  return std::make_shared<FolderItem>((fs::path(dir) / ".config").string());
}

}  // namespace tk

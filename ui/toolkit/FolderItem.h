#pragma once
#include <cstddef>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace tk {

class Picture;

// A file or folder by its path; the item need not exist. Reads and writes
// move bytes exactly as they are: no line ends are translated, no encoding
// is assumed.
class FolderItem {
 public:
  explicit FolderItem(std::string nativePath);

  // The item called name inside this folder, whether or not it exists.
  std::shared_ptr<FolderItem> Child(const std::string& name) const;
  // The folder that holds this item.
  std::shared_ptr<FolderItem> Parent() const;

  bool Exists() const;
  // True when the item is a folder.
  bool Directory() const;
  // The last part of the path.
  std::string Name() const;
  const std::string& NativePath() const { return path_; }

  // Creates the item as a folder; an existing folder is left unchanged.
  // True when a folder is there afterwards.
  bool CreateAsFolder() const;

  // The whole content of a regular file, or nothing when the item is not a
  // regular file, cannot be read, or holds more than limit bytes.
  std::optional<std::string> ReadAll(std::size_t limit = std::numeric_limits<std::size_t>::max()) const;

  // Creates the file, or empties an existing one, and writes text into it.
  bool WriteTextFile(const std::string& text) const;

  // Replaces the file's content with text so that the file always holds
  // either the whole old content or the whole new one: the text goes into a
  // temporary file in the same folder, which is then renamed over the file.
  // Through a symbolic link the file it names is written, made when it is
  // missing, and the link stays; an existing file keeps its owner,
  // permissions, access list and extended attributes. A file this user may
  // not write is not replaced. On failure the file is untouched and no
  // temporary file is left behind; those of writers killed before their
  // rename are removed by the next write of the file.
  //
  // Only regular files are replaced. A named pipe or a device (also behind a
  // link) is written into as it is, and stays: a pipe without a reader
  // fails at once. A folder, a socket or any other kind of file is never
  // written, and the call fails.
  bool ReplaceTextFile(const std::string& text) const;

  // Replaces the file the same way with what change makes of it: change
  // reads the file itself and gives the new bytes, or nothing to leave the
  // file as it is. All writers that replace files of one folder through this
  // class, in any process, take turns (a lock on the folder), so no other
  // write falls between change's read and the rename; one that seems stuck
  // is waited for no more than ten seconds. True when the file was replaced.
  bool UpdateTextFile(const std::function<std::optional<std::string>()>& change) const;

  // Writes the picture in the given format (150 = PNG) the same safe way as
  // ReplaceTextFile. False when the picture is missing, the format unknown,
  // or the file cannot be written.
  bool SaveAsPicture(const std::shared_ptr<Picture>& picture, int format) const;

  static constexpr int kPNG = 150;

 private:
  std::string path_;
};

class SpecialFolder {
 public:
  // The user's preferences folder: $XDG_CONFIG_HOME when it holds an
  // absolute path, else ~/.config.
  static std::shared_ptr<FolderItem> Preferences();
};

// The file operations that tests can make fail.
enum class FileOp { Read, Create, Write, Rename, SavePicture };

// Tests install a seam to make file operations on chosen paths fail, where
// permissions would not (tests may run as root). A failing Write stores half
// of its bytes first, as a full disk would.
class FileSeam {
 public:
  virtual ~FileSeam() = default;
  // True when op on the item at nativePath is to fail. For writes the path
  // is the file being written, never its temporary file.
  virtual bool Fails(FileOp op, const std::string& nativePath) = 0;
};

// Installs a seam (nullptr: every operation runs normally).
void SetFileSeam(std::shared_ptr<FileSeam> seam);

}  // namespace tk

#include "prefs/iniClass.h"

#include <optional>
#include <string_view>
#include <utility>

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
// Far beyond any settings file; a bigger file is not ours to load.
constexpr std::size_t kMaxFileBytes = std::size_t(64) << 20;

// One line of the text: its characters are [begin, end), its line end
// [end, next); the last line may have none (end == next).
struct Line {
  std::size_t begin, end, next;
};

Line LineAt(std::string_view text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && text[end] != CR && text[end] != LF) ++end;
  std::size_t next = end;
  if (next < text.size()) {
    ++next;
    if (text[end] == CR && next < text.size() && text[next] == LF) ++next;
  }
  return {pos, end, next};
}

bool IsSectionLine(std::string_view text, const Line& line, std::string_view section) {
  return line.end - line.begin == section.size() + 2 && text[line.begin] == '[' &&
         text[line.end - 1] == ']' && text.compare(line.begin + 1, section.size(), section) == 0;
}

// Where a section's settings begin (just after its first section line), or
// nothing when the text has no such line.
std::optional<std::size_t> FindSection(std::string_view text, std::string_view section) {
  for (std::size_t pos = 0; pos < text.size();) {
    const Line line = LineAt(text, pos);
    if (IsSectionLine(text, line, section)) return line.next;
    pos = line.next;
  }
  return std::nullopt;
}

struct KeyLookup {
  std::optional<Line> line;  // the key's first setting line, if any
  std::size_t sectionEnd;    // where the next section line begins, or the end
};

// The settings of a section run up to the next line that begins with "[".
KeyLookup FindKey(std::string_view text, std::size_t from, std::string_view key) {
  for (std::size_t pos = from; pos < text.size();) {
    const Line line = LineAt(text, pos);
    if (text[line.begin] == '[') return {std::nullopt, line.begin};
    if (line.end - line.begin > key.size() && text.compare(line.begin, key.size(), key) == 0 &&
        text[line.begin + key.size()] == '=') {
      return {line, 0};
    }
    pos = line.next;
  }
  return {std::nullopt, text.size()};
}

// The UTF-8 byte order mark that some editors put before the first line. It
// is no part of that line, and it stays where it is when the file is written.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Lookup(std::string_view text, std::string_view section, std::string_view key) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  const auto body = FindSection(text, section);
  if (!body) return {};
  const KeyLookup found = FindKey(text, *body, key);
  if (!found.line) return {};
  const std::size_t valueBegin = found.line->begin + key.size() + 1;
  return text.substr(valueBegin, found.line->end - valueBegin);
}

// New lines end like the file's first line; a file without any line end
// gets the store's own CR.
std::string_view LineEndOf(std::string_view text) {
  const std::size_t at = text.find_first_of("\r\n");
  if (at == std::string_view::npos) return "\r";
  if (text[at] == LF) return "\n";
  if (at + 1 < text.size() && text[at + 1] == LF) return "\r\n";
  return "\r";
}

bool EndsInLineEnd(std::string_view text) {
  return !text.empty() && (text.back() == CR || text.back() == LF);
}

// The text with key of section set to value; every other byte stays.
std::string WithSetting(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
  if (text.starts_with(kByteOrderMark))
    return std::string(kByteOrderMark) + WithSetting(text.substr(kByteOrderMark.size()), section, key, value);
  const std::string_view eol = LineEndOf(text);
  std::string out;
  out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
  const auto body = FindSection(text, section);
  if (!body) {
    // A new section goes after the last line.
    out.append(text);
    if (!text.empty() && !EndsInLineEnd(text)) out.append(eol);
    out.append("[").append(section).append("]").append(eol);
    out.append(key).append("=").append(value).append(eol);
    return out;
  }
  const KeyLookup found = FindKey(text, *body, key);
  if (found.line) {
    // Only the characters between "=" and the line end change.
    const Line& line = *found.line;
    out.append(text.substr(0, line.begin + key.size() + 1)).append(value);
    if (line.end == line.next) {
      out.append(eol);
    } else {
      out.append(text.substr(line.end));
    }
    return out;
  }
  // A new key becomes the last line of its section.
  const std::size_t at = found.sectionEnd;
  out.append(text.substr(0, at));
  if (at == text.size() && !text.empty() && !EndsInLineEnd(text)) out.append(eol);
  out.append(key).append("=").append(value).append(eol);
  out.append(text.substr(at));
  return out;
}

// The file's text, or nothing when it cannot be read. Any byte is a character
// of its line, NUL included: a crash can leave zeros in the file, and the
// settings around them still count.
std::optional<std::string> ReadText(const tk::FolderItem& file) { return file.ReadAll(kMaxFileBytes); }

std::int64_t Answer(std::string_view found, std::string& value) {
  value.assign(found);
  return std::int64_t(value.size());
}

}  // namespace

iniClass::iniClass(std::shared_ptr<tk::FolderItem> file) : iniFileName(std::move(file)) {}

iniClass::iniClass(std::string serial) : mySerial(std::move(serial)) {}

std::int64_t iniClass::GetPreference(const std::string& section, const std::string& key, std::string& value) {
  try {
    if (iniFileName && iniFileName->Exists()) {
      const std::optional<std::string> text = ReadText(*iniFileName);
      return Answer(text ? Lookup(*text, section, key) : std::string_view(), value);
    }
    if (!mySerial.empty()) return GetSerialPref(section, key, value);
    value.clear();
    return 0;
  } catch (...) {
    value.clear();
    return 0;
  }
}

std::int64_t iniClass::GetSerialPref(const std::string& section, const std::string& key, std::string& value) {
  try {
    return Answer(Lookup(mySerial, section, key), value);
  } catch (...) {
    value.clear();
    return 0;
  }
}

bool iniClass::SetPreference(const std::string& section, const std::string& key, const std::string& value) {
  try {
    if (!iniFileName) {
      mySerial = WithSetting(mySerial, section, key, value);
      return true;
    }
    // A setting stored already needs no write, also where none could be made.
    if (iniFileName->Exists()) {
      const std::optional<std::string> text = ReadText(*iniFileName);
      if (text && WithSetting(*text, section, key, value) == *text) return true;
    }
    // Another instance of the program may be storing its settings too: the
    // read and the replace are one step for both.
    bool unchanged = false;
    const bool replaced = iniFileName->UpdateTextFile([&]() -> std::optional<std::string> {
      if (!iniFileName->Exists()) return WithSetting({}, section, key, value);
      // A file we cannot read is left as it is rather than replaced.
      const std::optional<std::string> text = ReadText(*iniFileName);
      if (!text) return std::nullopt;
      std::string updated = WithSetting(*text, section, key, value);
      if (updated == *text) {
        unchanged = true;
        return std::nullopt;
      }
      return updated;
    });
    return replaced || unchanged;
  } catch (...) {
    // Settings that cannot be stored are not a reason to stop the program.
    return false;
  }
}

// Arbitrary file bytes and a few reads and writes on them. Besides the
// sanitizers, every write is checked: within the callers' limits the value
// reads back, no other setting changes, and the file store and the store made
// from text agree.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "prefs/iniClass.h"
#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Text.h"

namespace fs = std::filesystem;

namespace {

const char* const kSections[] = {"Startup", "All", "Basic", "Pro", "", "Basic]", "[Basic", "Pro\r", "B"};
const char* const kKeys[] = {"BasicPro",   "PrintLimit", "Difficulty", "Icon",  "Width", "Height",
                             "LineLength", "Door",       "",           "Icon=", "con",   "[x"};

struct Call {
  bool write;
  std::string section, key, value;
};

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

bool Lacks(const std::string& s, const char* chars) { return s.find_first_of(chars) == std::string::npos; }

// What the program's callers promise.
bool WithinLimits(const Call& c) {
  return Lacks(c.section, "\r\n]") && Lacks(c.key, "\r\n=") && (c.key.empty() || c.key[0] != '[') &&
         Lacks(c.value, "\r\n[=");
}

const std::string& FilePath() {
  static const std::string path = [] {
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string dir = (base / "tarnwick-fuzz-XXXXXX").string();
    if (::mkdtemp(dir.data()) == nullptr) std::abort();
    static std::string toRemove = dir;
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(toRemove, ignored);
    });
    return (fs::path(dir) / "TarnwickLanes.ini").string();
  }();
  return path;
}

// The file's bytes, or nothing when it is absent.
std::optional<std::string> Bytes() {
  std::ifstream in(FilePath(), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Get(iniClass& ini, const std::string& section, const std::string& key) {
  std::string value = "stale";
  const std::int64_t n = ini.GetPreference(section, key, value);
  Check(n == std::int64_t(value.size()), "result is not the value's length");
  return value;
}

// Every setting the checks look at, before and after a write.
std::vector<std::string> Snapshot(iniClass& ini, const std::vector<Call>& plan) {
  std::vector<std::string> values;
  for (const char* s : kSections) {
    for (const char* k : kKeys) values.push_back(Get(ini, s, k));
  }
  for (const Call& c : plan) values.push_back(Get(ini, c.section, c.key));
  return values;
}

// Settings the write may change: its own, and names outside the limits,
// whose lines a value can look like ("Icon=" reads "Icon==1").
std::vector<bool> Exempt(const Call& set, const std::vector<Call>& plan) {
  std::vector<bool> exempt;
  auto add = [&](const std::string& s, const std::string& k) {
    exempt.push_back((set.section == s && set.key == k) || !WithinLimits({false, s, k, ""}));
  };
  for (const char* s : kSections) {
    for (const char* k : kKeys) add(s, k);
  }
  for (const Call& c : plan) add(c.section, c.key);
  return exempt;
}

void Run(iniClass& ini, const std::vector<Call>& plan, bool onFile) {
  for (const Call& call : plan) {
    if (!call.write) {
      Get(ini, call.section, call.key);
      continue;
    }
    // The text store does the wide check; it and the file must agree anyway.
    const bool wide = !onFile && WithinLimits(call);
    const std::vector<std::string> old = wide ? Snapshot(ini, plan) : std::vector<std::string>();
    ini.SetPreference(call.section, call.key, call.value);
    if (!WithinLimits(call)) continue;
    Check(Get(ini, call.section, call.key) == call.value, "the value set does not read back");
    if (!wide) continue;
    const std::vector<std::string> now = Snapshot(ini, plan);
    const std::vector<bool> exempt = Exempt(call, plan);
    for (std::size_t i = 0; i < now.size(); ++i) {
      if (!exempt[i] && now[i] != old[i]) {
        std::fprintf(stderr, "setting %zu was \"%s\", is \"%s\" after setting \"%s\"/\"%s\"\n", i,
                     old[i].c_str(), now[i].c_str(), call.section.c_str(), call.key.c_str());
        Check(false, "another setting changed");
      }
    }
  }
}

std::string Name(FuzzedDataProvider& in, const char* const* names, std::size_t count) {
  if (in.ConsumeBool()) return names[in.ConsumeIntegralInRange<std::size_t>(0, count - 1)];
  return in.ConsumeRandomLengthString(12);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  std::vector<Call> plan(in.ConsumeIntegralInRange(1, 6));
  for (Call& c : plan) {
    c.write = in.ConsumeBool();
    c.section = Name(in, kSections, std::size(kSections));
    c.key = Name(in, kKeys, std::size(kKeys));
    c.value = in.ConsumeBool() ? tk::Str(in.ConsumeIntegral<int>()) : in.ConsumeRandomLengthString(12);
  }
  const bool noFile = in.ConsumeBool();
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  std::error_code ignored;
  fs::remove(FilePath(), ignored);
  if (!noFile) std::ofstream(FilePath(), std::ios::binary) << bytes;

  iniClass onFile(std::make_shared<tk::FolderItem>(FilePath()));
  Run(onFile, plan, true);
  iniClass onText(noFile ? std::string() : bytes);
  Run(onText, plan, false);

  // NUL bytes included, both stores hold the same text.
  Check(Bytes().value_or("") == onText.mySerial, "file and text stores differ");
  return 0;
}

// Random sequences of writes over the program's own sections and keys,
// checked after every call against a plain model of what the file holds.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "TestPaths.h"
#include "prefs/iniClass.h"
#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Text.h"

namespace fs = std::filesystem;
using testpaths::ReadBytes;

namespace {

const std::vector<std::pair<std::string, std::string>> kSettings = {
    {"Startup", "BasicPro"}, {"All", "PrintLimit"}, {"Basic", "Difficulty"},
    {"Basic", "Icon"},       {"Pro", "Width"},      {"Pro", "Height"},
    {"Pro", "LineLength"},   {"Pro", "Icon"},       {"Pro", "Door"}};

// Sections in first-written order, each with its keys in first-written order.
using Model = std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>;

void Apply(Model& model, const std::string& section, const std::string& key, const std::string& value) {
  for (auto& [name, keys] : model) {
    if (name != section) continue;
    for (auto& [k, v] : keys) {
      if (k == key) {
        v = value;
        return;
      }
    }
    keys.emplace_back(key, value);
    return;
  }
  model.push_back({section, {{key, value}}});
}

std::string Render(const Model& model) {
  std::string text;
  for (const auto& [name, keys] : model) {
    text += "[" + name + "]\r";
    for (const auto& [k, v] : keys) text += k + "=" + v + "\r";
  }
  return text;
}

std::string Lookup(const Model& model, const std::string& section, const std::string& key) {
  for (const auto& [name, keys] : model) {
    if (name != section) continue;
    for (const auto& [k, v] : keys) {
      if (k == key) return v;
    }
  }
  return "";
}

// The format's rules, checked on the bytes alone; empty when they hold.
std::string BrokenRule(const std::string& text) {
  if (text.find('\n') != std::string::npos) return "holds an LF";
  if (!text.empty() && text.back() != '\r') return "last line without CR";
  std::set<std::string> sections, keys;
  bool sectionNeedsSetting = false;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find('\r', pos);
    const std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.front() == '[') {
      if (sectionNeedsSetting) return "section without a setting before " + line;
      if (line.back() != ']' || line.find(']') != line.size() - 1) return "bad section line " + line;
      if (!sections.insert(line).second) return "section twice: " + line;
      keys.clear();
      sectionNeedsSetting = true;
      continue;
    }
    const std::size_t eq = line.find('=');
    if (sections.empty()) return "setting before the first section";
    if (eq == std::string::npos || line.find_first_of("[=", eq + 1) != std::string::npos) {
      return "bad setting line " + line;
    }
    if (!keys.insert(line.substr(0, eq)).second) return "key twice: " + line;
    sectionNeedsSetting = false;
  }
  if (sectionNeedsSetting) return "last section without a setting";
  return "";
}

TEST(PrefsProperty, RandomWritesMatchAPlainModel) {
  // Thousands of file replacements: memory-backed when the system has it.
  const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  const fs::path dir = base / ("tarnwick-prefs-property-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path path = dir / "TarnwickLanes.ini";
  iniClass ini(std::make_shared<tk::FolderItem>(path.string()));

  const unsigned seed = 20240611;
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> length(1, 14), pick(0, int(kSettings.size()) - 1), kind(0, 9);
  std::uniform_int_distribution<int> small(0, 151), wide(-1000000, 1000000);

  for (int sequence = 0; sequence < 3000; ++sequence) {
    fs::remove(path);
    if (sequence % 5 == 0) std::ofstream(path, std::ios::binary);  // an empty file to begin with
    Model model;
    const int calls = length(rng);
    for (int call = 0; call < calls; ++call) {
      const auto& [section, key] = kSettings[std::size_t(pick(rng))];
      const int k = kind(rng);
      const std::string value = k == 0 ? "" : tk::Str(k < 7 ? small(rng) : wide(rng));
      ini.SetPreference(section, key, value);
      Apply(model, section, key, value);

      const std::string text = ReadBytes(path);
      SCOPED_TRACE("seed " + std::to_string(seed) + ", sequence " + std::to_string(sequence) + ", call " +
                   std::to_string(call) + ": " + section + "/" + key + "=" + value);
      ASSERT_EQ(text, Render(model));
      ASSERT_EQ(BrokenRule(text), "");
      for (const auto& [s, kk] : kSettings) {
        std::string got = "stale";
        const std::int64_t n = ini.GetPreference(s, kk, got);
        ASSERT_EQ(got, Lookup(model, s, kk)) << s << "/" << kk;
        ASSERT_EQ(n, std::int64_t(got.size()));
      }
    }
  }
  fs::remove_all(dir);
}

}  // namespace

// A program of its own that stores settings, for the tests of several
// processes writing one preference file:
//   prefs_writer FILE SECTION KEY VALUE [COUNT]
// sets KEY to VALUE or, given COUNT, KEY0 to VALUE0, KEY1 to VALUE1 and so on,
// one write each, and then prints what the last key reads.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "prefs/iniClass.h"
#include "ui/toolkit/FolderItem.h"

int main(int argc, char** argv) {
  if (argc != 5 && argc != 6) {
    std::fprintf(stderr, "usage: %s FILE SECTION KEY VALUE [COUNT]\n", argv[0]);
    return 2;
  }
  iniClass ini(std::make_shared<tk::FolderItem>(argv[1]));
  const std::string section = argv[2];
  std::string key = argv[3];
  if (argc == 5) {
    ini.SetPreference(section, key, argv[4]);
  } else {
    for (int i = 0, count = std::atoi(argv[5]); i < count; ++i) {
      key = argv[3] + std::to_string(i);
      ini.SetPreference(section, key, argv[4] + std::to_string(i));
    }
  }
  std::string value;
  ini.GetPreference(section, key, value);
  std::printf("%s\n", value.c_str());
  return 0;
}

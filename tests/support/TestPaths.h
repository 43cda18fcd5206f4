#pragma once
#include <filesystem>
#include <string>

namespace testpaths {

// Folders in the build tree where tests leave pictures for people to look at.
inline std::filesystem::path Gallery() {
  auto dir = std::filesystem::path(TARNWICK_BUILD_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  return dir;
}
inline std::filesystem::path Screenshots() {
  auto dir = std::filesystem::path(TARNWICK_BUILD_DIR) / "screenshots";
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace testpaths

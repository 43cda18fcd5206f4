#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
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

// A file's whole content, byte for byte; "" when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testpaths

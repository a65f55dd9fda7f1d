#pragma once
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "data/NodeDataFile.h"

// A folder of its own for one test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("korvelan-data-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  std::string Write(const std::string& name, std::string_view contents) const {
    std::ofstream(Path(name), std::ios::binary) << contents;
    return Path(name);
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path path_;
};

// A node at (x, y) with no demand and no fixed cost.
inline korvelan::LoadedNode At(double x, double y) {
  korvelan::LoadedNode node;
  node.XCoord = x;
  node.YCoord = y;
  return node;
}

#include "data/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace korvelan {

namespace {

namespace fs = std::filesystem;

fs::path TemporaryNameBeside(const fs::path& target) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (;;) {
    fs::path candidate = target;
    candidate += ".tmp" + std::to_string(random() % 1000000000ULL);
    std::error_code ignored;
    if (!fs::exists(candidate, ignored)) return candidate;
  }
}

std::string WriteFailure(const std::string& path, const std::string& reason) {
  return "Error writing file [" + path + "]: " + reason;
}

std::string SystemReason() { return errno != 0 ? std::strerror(errno) : "the data could not be written"; }

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view contents) {
  const fs::path target(path);
  std::error_code error;
  if (fs::is_directory(target, error)) return WriteFailure(path, "it is a folder");
  const fs::path temporary = TemporaryNameBeside(target);
  errno = 0;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return WriteFailure(path, SystemReason());
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.close();
    if (!out) {
      const std::string reason = SystemReason();
      fs::remove(temporary, error);
      return WriteFailure(path, reason);
    }
  }
  fs::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return WriteFailure(path, error.message());
  }
  return {};
}

}  // namespace korvelan

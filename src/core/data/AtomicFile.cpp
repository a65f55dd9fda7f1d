#include "data/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace korvelan {

namespace {

namespace fs = std::filesystem;

// What a write would land on once symbolic links are followed.
enum class TargetKind { NewFile, RegularFile, Stream, Folder, Unresolved };

struct WriteTarget {
  fs::path path;
  TargetKind kind = TargetKind::Unresolved;
};

fs::path FolderOf(const fs::path& file) {
  const fs::path parent = file.parent_path();
  return parent.empty() ? fs::path(".") : parent;
}

// The links of the process table (/proc/self/fd/1, and /dev/stdout or /dev/fd/1 through it)
// name files that are already open, often pipes or terminals: they are written
// where they lead, never replaced.
bool InProcessTable(const fs::path& link) {
  std::error_code error;
  const fs::path folder = fs::canonical(FolderOf(link), error);
  return !error && folder.string().rfind("/proc/", 0) == 0;
}

// Follows links hop by hop (a relative link is relative to its own folder), as
// the system would, and stops on the first thing that is not a link.
WriteTarget Resolve(const std::string& path) {
  constexpr int MaxLinkHops = 40;
  fs::path current(path);
  for (int hop = 0; hop <= MaxLinkHops; ++hop) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(current, error);
    if (fs::is_symlink(status)) {
      if (InProcessTable(current)) return {current, TargetKind::Stream};
      const fs::path link = fs::read_symlink(current, error);
      if (error) return {current, TargetKind::Unresolved};
      current = link.is_absolute() ? link : current.parent_path() / link;
      continue;
    }
    if (status.type() == fs::file_type::not_found) return {current, TargetKind::NewFile};
    if (fs::is_regular_file(status)) return {current, TargetKind::RegularFile};
    if (fs::is_directory(status)) return {current, TargetKind::Folder};
    if (error) return {current, TargetKind::Unresolved};
    return {current, TargetKind::Stream};
  }
  return {current, TargetKind::Unresolved};
}

std::string SystemReason() { return errno != 0 ? std::strerror(errno) : "the data could not be written"; }

// A new or replaced file is made in its folder, which must exist and take new entries.
std::string FolderProblem(const fs::path& file) {
  const fs::path folder = FolderOf(file);
  std::error_code error;
  const fs::file_status status = fs::status(folder, error);
  if (status.type() == fs::file_type::not_found) return "No such directory [" + folder.string() + "]";
  if (!fs::is_directory(status)) return "[" + folder.string() + "] is not a folder";
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
  if (::access(file.c_str(), F_OK) == 0 && ::access(file.c_str(), W_OK) != 0) return std::strerror(errno);
  return {};
}

std::string TargetProblem(const WriteTarget& target) {
  switch (target.kind) {
    case TargetKind::Folder:
      return "it is a folder";
    case TargetKind::Unresolved:
      return "the symbolic links do not lead to a file";
    case TargetKind::Stream:
      return ::access(target.path.c_str(), W_OK) == 0 ? std::string() : std::strerror(errno);
    default:
      return FolderProblem(target.path);
  }
}

// The absolute name with ".", ".." and the links of existing folders resolved.
fs::path CanonicalName(const fs::path& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error).lexically_normal();
  const fs::path canonical = fs::weakly_canonical(absolute, error);
  return error ? absolute : canonical;
}

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

// A device, pipe or open file is added to, never truncated or replaced.
std::string WriteThrough(const fs::path& target, std::string_view contents) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  std::string reason;
  for (size_t done = 0; done < contents.size() && reason.empty();) {
    const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno != EINTR) reason = std::strerror(errno);
    if (n > 0) done += static_cast<size_t>(n);
  }
  if (::close(fd) != 0 && reason.empty()) reason = std::strerror(errno);
  return reason;
}

// Returns the reason of a failure, or empty.
std::string WriteAll(const fs::path& file, std::string_view contents) {
  errno = 0;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return SystemReason();
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  out.close();
  return out ? std::string() : SystemReason();
}

std::string ReplaceFile(const WriteTarget& target, std::string_view contents) {
  const fs::path temporary = TemporaryNameBeside(target.path);
  std::error_code error;
  std::string reason = WriteAll(temporary, contents);
  if (reason.empty() && target.kind == TargetKind::RegularFile)
    fs::permissions(temporary, fs::status(target.path, error).permissions(), error);
  if (reason.empty()) {
    fs::rename(temporary, target.path, error);
    if (error) reason = error.message();
  }
  if (!reason.empty()) fs::remove(temporary, error);
  return reason;
}

}  // namespace

std::string WriteTargetProblem(const std::string& path) { return TargetProblem(Resolve(path)); }

bool SameReplacedFile(const std::string& first, const std::string& second) {
  const WriteTarget a = Resolve(first), b = Resolve(second);
  const auto replaced = [](const WriteTarget& t) {
    return t.kind == TargetKind::NewFile || t.kind == TargetKind::RegularFile;
  };
  if (!replaced(a) || !replaced(b)) return false;
  std::error_code error;
  if (a.kind == TargetKind::RegularFile && b.kind == TargetKind::RegularFile) return fs::equivalent(a.path, b.path, error);
  return CanonicalName(a.path) == CanonicalName(b.path);
}

std::string WriteFileReason(const std::string& path, std::string_view contents) {
  const WriteTarget target = Resolve(path);
  const std::string problem = TargetProblem(target);
  if (!problem.empty()) return problem;
  return target.kind == TargetKind::Stream ? WriteThrough(target.path, contents) : ReplaceFile(target, contents);
}

std::string WriteFileAtomically(const std::string& path, std::string_view contents) {
  const std::string reason = WriteFileReason(path, contents);
  return reason.empty() ? std::string() : "Error writing file [" + path + "]: " + reason;
}

}  // namespace korvelan

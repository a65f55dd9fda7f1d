#pragma once
// Runs the batch program as a user would, inside a folder of the test's own.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace clitest {

struct CliResult {
  int exit = -1;
  std::string out;
  std::string err;
};

inline std::string Fixture(const std::string& name) { return std::string(KORVELAN_FIXTURES) + "/cover/" + name; }

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A folder made for one test (mkdtemp) and removed with everything in it afterwards.
class TestFolder {
 public:
  TestFolder() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/korvelan-cli-XXXXXX";
    if (::mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TestFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  std::string Path(const std::string& name) const { return path_ + "/" + name; }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name);
  }
  // The names in the folder, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string path_;
};

// Runs korvelan-cli with the arguments (a shell word list); standard error is
// caught in a file of the folder.
inline CliResult RunCli(const TestFolder& folder, const std::string& arguments) {
  const std::string errFile = folder.Path(".stderr");
  const std::string command = std::string(KORVELAN_CLI) + " " + arguments + " 2>" + errFile;
  CliResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadText(errFile);
  std::remove(errFile.c_str());
  return result;
}

// The value text of a top-level JSON field.
inline std::string JsonField(const std::string& json, const std::string& key) {
  const std::string marker = "\"" + key + "\": ";
  const size_t at = json.find(marker);
  if (at == std::string::npos) return "<missing>";
  const size_t start = at + marker.size();
  const size_t end = json.find_first_of(",\n", json[start] == '[' ? json.find(']', start) : start);
  return json.substr(start, end - start);
}

inline std::vector<int> JsonList(const std::string& text) {
  std::vector<int> values;
  std::stringstream s(text.substr(1, text.size() - 2));
  std::string item;
  while (std::getline(s, item, ',')) values.push_back(std::stoi(item));
  return values;
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream s(text);
  for (std::string line; std::getline(s, line);) lines.push_back(line);
  return lines;
}

// line6.euc at coverage 10 and cost per mile 1, as most tests start.
inline const std::string kBase = "solve --demand " + Fixture("line6.euc") + " --coverage 10 --cost-per-mile 1 ";

}  // namespace clitest

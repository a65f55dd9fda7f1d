// Node status and solution files: the first byte chooses the number of loaded
// nodes, the rest is the file, read as a status file and as an initial solution.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "solve/NodeFiles.h"

using namespace korvelan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  ModelState m;
  m.Numbnodes = static_cast<uint16_t>(data[0] % (MaxNodes + 1));
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  HeadlessRunHost host;
  for (const char kind : {'F', 'I'}) ReadNodeFileText(m, host, kind, "fuzz", text);
  NodeFileText(m, 'F');
  NodeFileText(m, 'N');
  return 0;
}

// Distance files: the first byte chooses the number of nodes, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/Distances.h"

using namespace korvelan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int n = 1 + data[0] % 16;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  NodeMatrix matrix;
  if (ReadDistanceText(text, "fuzz", n, matrix).empty()) {
    NodeMatrix order;
    BuildNearestOrder(matrix, n, order);
    LargestDistance(matrix, n);
  }
  return 0;
}

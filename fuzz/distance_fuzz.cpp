// Distance files: the first byte chooses the number of nodes, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ReaderMessages.h"
#include "data/Distances.h"

using namespace korvelan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int n = 1 + data[0] % 16;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  NodeMatrix matrix;
  const std::string error = ReadDistanceText(text, "fuzz", n, matrix);
  fuzzing::CheckReaderMessage(error, text);
  if (error.empty()) {
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) fuzzing::Require(matrix.at(i, j) >= 0);
    NodeMatrix order;
    BuildNearestOrder(matrix, n, order);
    LargestDistance(matrix, n);
  }
  return 0;
}

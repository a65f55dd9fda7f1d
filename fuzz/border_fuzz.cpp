// Border files.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/BorderFile.h"

using namespace korvelan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ReadBorderText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
  return 0;
}

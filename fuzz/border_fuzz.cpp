// Border files: any input reads without fault, and a refusal is a well-formed
// message naming the file and a line of it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ReaderMessages.h"
#include "data/BorderFile.h"

using namespace korvelan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const BorderFileResult result = ReadBorderText(text, "fuzz");
  fuzzing::CheckReaderMessage(result.error, text);
  fuzzing::Require(result.ok() != result.points.empty());
  if (!result.ok()) fuzzing::Require(!result.declaredCount.has_value());
  return 0;
}

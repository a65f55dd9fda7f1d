#include "solve/PrintSink.h"

#include <algorithm>

namespace korvelan {

bool PrintList(PrintSink& sink, const std::string& title, const std::string& label,
               const std::vector<std::string>& lines, int n) {
  const PrintFont heading{PrintFontFamily, 18, false};
  const PrintFont body{PrintFontFamily, 10, false};
  const PrintFont bold{PrintFontFamily, 10, true};
  sink.Line(title, heading);
  sink.Line("", body);
  sink.Line("", body);
  sink.Line(label, bold);
  sink.Line("", body);
  const int count = std::clamp(n, 0, static_cast<int>(lines.size()));
  for (int k = 0; k < count; ++k) sink.Line(lines[k], body);
  return sink.Finish();
}

}  // namespace korvelan

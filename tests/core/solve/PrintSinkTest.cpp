#include <gtest/gtest.h>

#include "solve/PrintSink.h"

using namespace korvelan;
using Kind = RecordingPrintSink::Kind;

namespace {
const PrintFont Title{"Monospac821 DL", 18, false};
const PrintFont Body{"Monospac821 DL", 10, false};
const PrintFont Bold{"Monospac821 DL", 10, true};
}  // namespace

TEST(PrintList, WritesTitleLabelAndTheFirstLinesInOneJob) {
  RecordingPrintSink sink;
  EXPECT_TRUE(PrintList(sink, "COVERAGE TRADEOFF REPORT", "  # Fac   Covered", {"a", "b", "c"}, 2));
  const std::vector<RecordingPrintSink::Item> expected = {
      {Kind::Line, "COVERAGE TRADEOFF REPORT", Title}, {Kind::Line, "", Body}, {Kind::Line, "", Body},
      {Kind::Line, "  # Fac   Covered", Bold},        {Kind::Line, "", Body}, {Kind::Line, "a", Body},
      {Kind::Line, "b", Body}};
  EXPECT_EQ(sink.items, expected);
  EXPECT_TRUE(sink.finished);
}

TEST(PrintList, CountBeyondTheListPrintsEveryLineAndNegativeNone) {
  struct Case { int n; size_t listed; };
  for (const Case c : {Case{5, 2}, Case{-1, 0}, Case{0, 0}}) {
    RecordingPrintSink sink;
    PrintList(sink, "T", "L", {"x", "y"}, c.n);
    EXPECT_EQ(sink.items.size(), 5 + c.listed) << c.n;
  }
}

TEST(PrintList, ReportsAFailedJob) {
  struct FailingSink : RecordingPrintSink {
    bool Finish() override { return false; }
  } sink;
  EXPECT_FALSE(PrintList(sink, "T", "L", {}, 0));
}

#include <gtest/gtest.h>

#include "solve/TextFormat.h"

using namespace korvelan;

TEST(TextFormat, DecimalsForTable) {
  struct Case { int n; long double x; int expected; };
  const Case cases[] = {{10, 12345.6L, 4}, {10, 0.5L, 8}, {13, -2, 10}, {2, 0, 0}, {3, 0, 1},
                        {2, 5, 0}, {3, -5, 0}, {4, 999, 0}, {4, 1000, 0}, {6, 99.9L, 3}};
  for (const Case& c : cases) EXPECT_EQ(DecimalsFor(c.n, c.x), c.expected) << c.n << " " << (double)c.x;
}

TEST(TextFormat, NumberStylesTable) {
  EXPECT_EQ(FormatNumber(1234567.891L, 15, 2), "1,234,567.89");
  EXPECT_EQ(FormatFixed(1234567.891L, 15, 2), "1234567.89");
  EXPECT_EQ(FormatCurrency(1234.567L, 15, 2), "$1,234.57");
  EXPECT_EQ(FormatCurrency(-1234.567L, 15, 2), "($1,234.57)");
  EXPECT_EQ(FormatNumber(-999.5L, 15, 0), "-1,000");
  EXPECT_EQ(FormatNumber(0.000001L, 15, 2), "0.00");
  EXPECT_EQ(FormatNumber(-0.001L, 15, 2), "0.00");
  EXPECT_EQ(FormatFixed(123.456L, 4, 2), "123.50");  // four significant digits kept
  EXPECT_EQ(FormatFixed(12, 15, 0), "12");
  EXPECT_EQ(FormatNumber(100, 15, 1), "100.0");
  EXPECT_EQ(FormatFixed(123456, 4, 1), "1.235E+05");
}

TEST(TextFormat, PaddingHelpers) {
  EXPECT_EQ(PadLeft("ab", 4), "  ab");
  EXPECT_EQ(PadRight("ab", 4), "ab  ");
  EXPECT_EQ(PadLeft("abcdef", 4), "abcdef");
  EXPECT_EQ(FitLeft("abcdef", 4), "abcd");
  EXPECT_EQ(FitRight("ab", 4), "ab  ");
  EXPECT_EQ(IntRight(-12, 5), "  -12");
  EXPECT_EQ(BoolText(true), "TRUE ");
  EXPECT_EQ(FileExtension("data.for"), "FOR");
}

TEST(TextFormat, RoundHalfEven) {
  EXPECT_EQ(RoundHalfEven(2.5L), 2);
  EXPECT_EQ(RoundHalfEven(3.5L), 4);
  EXPECT_EQ(RoundHalfEven(-2.5L), -2);
}

#include <gtest/gtest.h>

#include <vector>

#include "DataTestSupport.h"
#include "data/TextEncoding.h"
#include "data/TextLines.h"

using namespace korvelan;

struct SplitCase {
  const char* text;
  std::vector<std::string> lines;
};

TEST(SplitLines, LineEndsFinalBlankLinesAndByteOrderMark) {
  const SplitCase cases[] = {
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\n\nb\n\n\n", {"a", "", "b"}},
      {"a\n \r\n", {"a"}},
      {"\xEF\xBB\xBF"
       "first\nsecond",
       {"first", "second"}},
      {"", {}},
      {"\r\n", {}},
      // A lone CR ends a line too, alone or mixed with the other line ends.
      {"a\rb\rc\r", {"a", "b", "c"}},
      {"a\rb", {"a", "b"}},
      {"a\r\rb\n\r\nc", {"a", "", "b", "", "c"}},
  };
  for (const SplitCase& c : cases) {
    std::vector<std::string> got;
    for (std::string_view line : SplitLines(c.text)) got.emplace_back(line);
    EXPECT_EQ(got, c.lines) << c.text;
  }
}

TEST(NumberParsing, AcceptsWholeTokensOnly) {
  EXPECT_EQ(ParseReal("-12.5"), -12.5);
  EXPECT_EQ(ParseReal("+3e2"), 300.0);
  EXPECT_EQ(ParseWhole32("2147483647"), 2147483647);
  EXPECT_EQ(ParseWhole32("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", "1,5", "12abc", "1.5.2", "inf", "nan", "0x10", "--1", "+", "1 2"})
    EXPECT_FALSE(ParseReal(bad)) << bad;
  for (const char* bad : {"12.0", "2147483648", "1e3", "7\r", "abc"}) EXPECT_FALSE(ParseWhole32(bad)) << bad;
  EXPECT_FALSE(ParseExtended("1e400"));
}

TEST(NumberParsing, ProblemsAreNamed) {
  EXPECT_EQ(RealProblem(""), "is missing");
  EXPECT_EQ(RealProblem("abc"), "\"abc\" is not a number");
  EXPECT_EQ(RealProblem("1e999"), "\"1e999\" is out of range");
  EXPECT_EQ(WholeProblem("99999999999"), "\"99999999999\" is out of range");
  EXPECT_EQ(WholeProblem("4.5"), "\"4.5\" is not a whole number");
  EXPECT_EQ(QuotedToken("\x01\xFFok"), "\"??ok\"");
  EXPECT_EQ(QuotedToken(std::string(25, 'x')), "\"" + std::string(20, 'x') + "...\"");
}

TEST(TextEncoding, Utf8KeptLatin1Converted) {
  EXPECT_EQ(Utf8FromFileBytes("Z\xC3\xBCrich"), "Z\xC3\xBCrich");            // valid UTF-8 stays
  EXPECT_EQ(Utf8FromFileBytes("Z\xFCrich"), "Z\xC3\xBCrich");                // Latin-1 u-umlaut
  EXPECT_EQ(Utf8FromFileBytes("\xC0\xAF"), "\xC3\x80\xC2\xAF");              // overlong form is not UTF-8
  EXPECT_EQ(Utf8FromFileBytes("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");  // surrogate is not UTF-8
}

TEST(TextEncoding, FirstCharactersCountsCodePoints) {
  const std::string text = "\xC3\xA9t\xC3\xA9\xE2\x82\xAC";  // e-acute t e-acute euro
  EXPECT_EQ(CharacterCount(text), 4u);
  EXPECT_EQ(FirstCharacters(text, 3), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(FirstCharacters(text, 10), text);
}

TEST(NumberParsing, UnterminatedTokensAreReadWithinTheirBounds) {
  // Exactly three bytes on the heap with no terminator: under AddressSanitizer
  // any read past them fails the test.
  const std::vector<char> bytes = {'I', 'N', 'F'};
  const std::string_view token(bytes.data(), bytes.size());
  EXPECT_FALSE(ParseExtended(token));
  EXPECT_FALSE(ParseReal(token));
  const std::vector<char> number = {'2', '.', '5'};
  EXPECT_EQ(ParseExtended(std::string_view(number.data(), number.size())), 2.5L);
}

TEST(ReadWholeFile, RefusesFoldersMissingAndOversizedFiles) {
  TempFolder folder;
  EXPECT_FALSE(ReadWholeFile(folder.Path("")));
  EXPECT_EQ(UnreadableFileMessage(folder.Path("")), "File [" + folder.Path("") + "] is a folder");
  EXPECT_EQ(UnreadableFileMessage(folder.Path("none")), "Cannot read file [" + folder.Path("none") + "]");
  const std::string big = folder.Write("big.ned", "");
  std::filesystem::resize_file(big, MaxDataFileBytes + 1);  // sparse: takes no disk space
  EXPECT_FALSE(ReadWholeFile(big));
  EXPECT_EQ(UnreadableFileMessage(big), "File [" + big + "] is too large to be a data file");
  EXPECT_EQ(ReadWholeFile(folder.Write("small.txt", "a\r\nb")), "a\r\nb");
}

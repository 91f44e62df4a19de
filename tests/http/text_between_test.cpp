#include "http/text_between.h"

#include <gtest/gtest.h>

#include <optional>

#include "printers.h"

namespace zerulin {
namespace {

struct BetweenCase {
  const char* text;
  const char* left;
  const char* right;
  std::optional<int> start;
  std::optional<bool> ignoreCase;
  const char* expected;
};

TEST(TextBetweenTest, CutsBetweenTheFirstLeftMarkerAndTheRightMarkerAfterIt) {
  const BetweenCase cases[] = {
      {"a[b]c", "[", "]", {}, {}, "b"},
      {"a[]c", "[", "]", {}, {}, ""},
      {"a]b[c", "[", "]", {}, {}, ""},  // the only ] lies before the left marker
      {"a]b[c]", "[", "]", {}, {}, "c"},
      {"x[1]y[2]", "[", "]", 4, {}, "2"},
      {"x[1]y[2]", "[", "]", 0, {}, "1"},  // a start below 1 searches from the first byte
      {"x[1]y[2]", "[", "]", -3, {}, "1"},
      {"abc", "[", "]", {}, {}, ""},
      {"", "[", "]", {}, {}, ""},
      {"User-Agent: X", "User-Agent:", "\r\n", {}, {}, ""},  // no right marker
      {"User-Agent: X\r\nA: b", "User-Agent:", "\r\n", {}, {}, " X"},
      {"XaBcY", "ab", "y", {}, true, "c"},
      {"XaBcY", "ab", "y", {}, false, ""},
      {"XaBcY", "ab", "y", {}, {}, ""},
      // The [ at byte 2 is the second byte of the character B0 5B and is no marker.
      {"\xB0[a][b]", "[", "]", {}, {}, "b"},
  };
  for (const BetweenCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "text=" << c.text << " left=" << c.left);
    EXPECT_EQ(TextBetween(c.text, c.left, c.right, c.start, c.ignoreCase), Text(c.expected));
  }
}

TEST(TextBetweenTest, QuoteTokenStandsForADoubleQuote) {
  const Text quoteToken = "#\xD2\xFD\xBA\xC5";  // "#引号" in code page 936
  EXPECT_EQ(TextBetween("name=\"v1\" x", quoteToken, quoteToken), Text("v1"));
  EXPECT_EQ(TextBetween("<a href=\"/p\">", ConcatText("href=", quoteToken), quoteToken),
            Text("/p"));
  // Only the exact token is rewritten; the caller's marker is a value and stays as it was.
  EXPECT_EQ(TextBetween("#\xD2\xFD\xBA\xC5x\"", "#\xD2\xFD\xBA\xC5", "\""), Text(""));
}

TEST(ValueAfterColonTest, TrimsEverythingAfterTheFirstColon) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"a:  x y  ", "x y"},         {"a:b:c", "b:c"}, {"no colon", ""}, {"", ""}, {"a:", ""},
      {"a:\xA1\xA1x\xA1\xA1", "x"},  // full-width spaces are trimmed too
      {"a: \tb\r\n", "\tb\r\n"},     // tabs and line breaks are not spaces
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ValueAfterColon(c.text), Text(c.expected));
  }
}

}  // namespace
}  // namespace zerulin

#include "text/replace.h"

#include <gtest/gtest.h>

namespace zerulin {
namespace {

TEST(ReplaceSubtextTest, Table) {
  struct Case {
    Text text;
    Text sought;
    std::optional<Text> replacement;
    std::optional<int> start;
    std::optional<int> count;
    std::optional<bool> caseSensitive;
    Text want;
  };
  const Case cases[] = {
      {"a-b-c", "-", "+", {}, {}, {}, "a+b+c"},
      {"a-b-c", "-", {}, {}, {}, {}, "abc"},
      {"a-b-c", "-", "+", 3, {}, {}, "a-b+c"},
      {"a-b-c", "-", "+", {}, 1, {}, "a+b-c"},
      {"a-b-c", "-", "+", {}, 0, {}, "a-b-c"},
      {"a-b-c", "-", "+", {}, -3, {}, "a+b+c"},
      {"a-b-c", "-", "+", 9, {}, {}, "a-b-c"},
      {"SET-COOKIE: x", "Set-Cookie", "Set-Cookie", {}, {}, false, "Set-Cookie: x"},
      {"SET-COOKIE: x", "Set-Cookie", "Set-Cookie", {}, {}, {}, "Set-Cookie: x"},
      {"SET-COOKIE: x", "Set-Cookie", "Set-Cookie", {}, {}, true, "SET-COOKIE: x"},
      {"aaa", "aa", "b", {}, {}, {}, "ba"},
      {"abc", "", "x", {}, {}, {}, "abc"},
      {"", "a", "x", {}, {}, {}, ""},
      {"ab\xB0", "x", "y", {}, {}, true, "ab"},
      {"ab\xB0", "xy", "z", {}, {}, true, "ab\xB0"},
      {"#\xD2\xFD\xBA\xC5", "#\xD2\xFD\xBA\xC5", "\"", {}, {}, true, "\""},
      // The second byte 0x2D of a two-byte character is not a match start.
      {"\xB0-a-", "-", "+", {}, {}, true, "\xB0-a+"},
      // The replacement is never searched again.
      {"ab", "a", "aa", {}, {}, true, "aab"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = cases[i];
    EXPECT_EQ(ReplaceSubtext(c.text, c.sought, c.replacement, c.start, c.count, c.caseSensitive),
              c.want);
  }
}

}  // namespace
}  // namespace zerulin

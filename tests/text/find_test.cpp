#include "text/find.h"

#include <gtest/gtest.h>

namespace zerulin {
namespace {

struct FindCase {
  Text text;
  Text sought;
  std::optional<int> start;
  std::optional<bool> ignoreCase;
  int want;
};

TEST(FindTextTest, Table) {
  const FindCase cases[] = {
      {"abcabc", "bc", {}, {}, 2},
      {"abcabc", "bc", 3, {}, 5},
      {"abcabc", "bc", 0, {}, 2},
      {"abcabc", "bc", -5, {}, 2},
      {"abc", "c", 4, {}, -1},
      {"abc", "", 3, {}, 1},
      {"", "", {}, {}, -1},
      {"abc", "", 4, {}, -1},
      {"User-agent: x", "User-Agent:", {}, true, 1},
      {"User-agent: x", "User-Agent:", {}, false, -1},
      {"User-agent: x", "User-Agent:", {}, {}, -1},
      // The second byte of a two-byte character never starts a match.
      {"\xB0"
       "AA",
       "A",
       {},
       {},
       3},
      // Letters fold at every byte, the second byte of a character included.
      {"\xB0"
       "A",
       "\xB0"
       "a",
       {},
       true,
       1},
      {"\xB0"
       "A",
       "\xB0"
       "a",
       {},
       false,
       -1},
      // A start inside a character makes that byte a character start.
      {"\xB0"
       "AA",
       "A",
       2,
       {},
       2},
      {"ab", "abc", {}, {}, -1},
      // A truncated last character can itself be found.
      {"ab\xB0", "\xB0", {}, {}, 3},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const FindCase& c = cases[i];
    EXPECT_EQ(FindText(c.text, c.sought, c.start, c.ignoreCase), c.want);
  }
}

TEST(FindTextReverseTest, Table) {
  const FindCase cases[] = {
      {"a.b.c", ".", {}, {}, 4},
      {"a.b.c", ".", 4, {}, 2},
      {"a.b.c", ".", 2, {}, -1},
      {"a.b.", ".", 4, {}, 2},
      {"abc", "b", 1, {}, -1},
      {"abc", "b", 0, {}, -1},
      {"aaa", "aa", {}, {}, 2},
      {"abc", "", {}, {}, 1},
      {"", "", {}, {}, -1},
      {"a.b.c", ".", 99, {}, 4},
      {"xAx", "a", {}, true, 2},
      {"xAx", "a", {}, false, -1},
      {"\xB0"
       "..",
       ".",
       {},
       {},
       3},
      {"\xB0"
       ".",
       ".",
       {},
       {},
       -1},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const FindCase& c = cases[i];
    EXPECT_EQ(FindTextReverse(c.text, c.sought, c.start, c.ignoreCase), c.want);
  }
}

}  // namespace
}  // namespace zerulin

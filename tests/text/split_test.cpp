#include "text/split.h"

#include <gtest/gtest.h>

#include <vector>

namespace zerulin {
namespace {

std::vector<Text> Elements(const TextArray& array) { return {array.begin(), array.end()}; }

TEST(SplitTextTest, Table) {
  struct Case {
    Text text;
    std::optional<Text> separator;
    std::optional<int> limit;
    std::vector<Text> want;
  };
  const Case cases[] = {
      {"a;b;c", ";", {}, {"a", "b", "c"}},
      {"a;;b", ";", {}, {"a", "", "b"}},
      {";a", ";", {}, {"", "a"}},
      {"a;b;", ";", {}, {"a", "b"}},
      {";;", ";", {}, {"", ""}},
      {"", ";", {}, {}},
      {"abc", ";", {}, {"abc"}},
      {"abc", "", {}, {"abc"}},
      {"a,b", {}, {}, {"a", "b"}},
      {"a;b;c", ";", 2, {"a", "b"}},
      {"a;b;c", ";", 0, {}},
      {"a;b;c", ";", -1, {}},
      {"a;b;c", ";", 5, {"a", "b", "c"}},
      {"x; y", ";", {}, {"x", " y"}},
      {"\xB0;a;b", ";", {}, {"\xB0;a", "b"}},
      {"a\r\nb\r\n", "\r\n", {}, {"a", "b"}},
      {"a; b; c", "; ", {}, {"a", "b", "c"}},
      {"a;\xB0", ";", {}, {"a", "\xB0"}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = cases[i];
    EXPECT_EQ(Elements(SplitText(c.text, c.separator, c.limit)), c.want);
  }
}

}  // namespace
}  // namespace zerulin

#include "text/text.h"

#include <gtest/gtest.h>

#include <string>

namespace zerulin {
namespace {

using std::string_literals::operator""s;

TEST(TextTest, NeverHoldsZeroByte) {
  EXPECT_EQ(Text("ab\0c"s).view(), "ab");
  EXPECT_EQ(Text(std::string_view("ab\0c", 4)).view(), "ab");
  EXPECT_EQ(Text("\0a"s), Text());
  EXPECT_EQ(Text(static_cast<const char*>(nullptr)), Text());
}

TEST(TextTest, CutsByBytes) {
  struct Case {
    Text got;
    Text want;
  };
  const Case cases[] = {
      {TextLeft("abc", 0), ""},
      {TextLeft("abc", -1), ""},
      {TextLeft("abc", 5), "abc"},
      {TextLeft("\xD6\xD0"
                "a",
                1),
       "\xD6"},
      {TextRight("abc", 2), "bc"},
      {TextRight("abc", 0), ""},
      {TextRight("abc", 9), "abc"},
      {TextMid("abcdef", 3, 2), "cd"},
      {TextMid("abcdef", 5, 10), "ef"},
      {TextMid("abc", 0, 2), ""},
      {TextMid("abc", 4, 1), ""},
      {TextMid("abc", 1, 0), ""},
      {TextMid("abc", 3, 1), "c"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(cases[i].got, cases[i].want);
  }
  EXPECT_EQ(TextLength("\xD6\xD0"
                       "a"),
            3);
  EXPECT_EQ(TextLength(Text()), 0);
}

TEST(TextTest, ComparesUnsignedBytes) {
  struct Case {
    Text a;
    Text b;
    int want;
  };
  const Case cases[] = {
      {"", Text(), 0}, {"ab", "abc", -1}, {"abc", "ab", 1}, {"b", "a", 1},
      {"a", "A", 1},   {"\xB0", "a", 1},  {"ab", "ab", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a.view()) + " vs " + std::string(c.b.view()));
    EXPECT_EQ(CompareText(c.a, c.b), c.want);
  }
}

TEST(TextTest, CharFromCode) {
  EXPECT_EQ(CharFromCode(65), "A");
  EXPECT_EQ(CharFromCode(0), Text());
  EXPECT_EQ(CharFromCode(0xB0).view(), "\xB0");
}

TEST(TextTest, ConcatText) {
  EXPECT_EQ(ConcatText("a", "", "b"), "ab");
  EXPECT_EQ(ConcatText("", ""), Text());
  EXPECT_EQ(ConcatText("qq=", Text("123"), "x", "y"), "qq=123xy");
}

}  // namespace
}  // namespace zerulin

#include "text/integer.h"

#include <gtest/gtest.h>

namespace zerulin {
namespace {

TEST(IntegerTest, ToInteger) {
  struct Case {
    Text text;
    int32_t want;
  };
  const Case cases[] = {
      {"8080", 8080},
      {"  42abc", 42},
      {"\t-17", -17},
      {"+5", 5},
      {"abc", 0},
      {"", 0},
      {"- 5", 0},
      {"\xA3\xB1\xA3\xB2", 12},
      {"\xA3\xAD\xA3\xB3", -3},
      {"\xA3\xAB"
       "4",
       4},
      {"\xA1\xA1"
       "7",
       7},
      {"2147483648", INT32_MIN},
      {"4294967297", 1},
      {"-2147483648", INT32_MIN},
      {"0x1F", 0},
      {"1 2", 1},
      {"\n\v\f\r9", 9},
      {"\xB0\x31", 0},
      {"5\xB0", 5},
      {"\xA1\xAB"
       "1",
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text.view()));
    EXPECT_EQ(ToInteger(c.text), c.want);
  }
}

TEST(IntegerTest, ToText) {
  EXPECT_EQ(ToText(0), "0");
  EXPECT_EQ(ToText(-25), "-25");
  EXPECT_EQ(ToText(7), "7");
  EXPECT_EQ(ToText(INT32_MIN), "-2147483648");
}

TEST(IntegerTest, BitOr) {
  EXPECT_EQ(BitOr(1, 2, 4), 7);
  EXPECT_EQ(BitOr(static_cast<int32_t>(0x80000000u), 0x10), static_cast<int32_t>(0x80000010u));
  EXPECT_LT(BitOr(static_cast<int32_t>(0x80000000u), 0x10), 0);
}

}  // namespace
}  // namespace zerulin

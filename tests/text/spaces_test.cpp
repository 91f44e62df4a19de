#include "text/spaces.h"

#include <gtest/gtest.h>

namespace zerulin {
namespace {

#define FW "\xA1\xA1"

TEST(SpacesTest, TrimBothEnds) {
  struct Case {
    Text text;
    Text want;
  };
  const Case cases[] = {
      {"  a b  ", "a b"},
      {FW "a" FW, "a"},
      {"\ta\t", "\ta\t"},
      {"a\r\n", "a\r\n"},
      {"   ", ""},
      {"", ""},
      {"ab \xB0", "ab "},
      {" \xB0", ""},
      {" " FW " x " FW, "x"},
      // A1 followed by another byte is an ordinary character, not a space.
      {"\xA1\xA2 ", "\xA1\xA2"},
      {"\xA1 ", "\xA1 "},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(TrimBothEnds(cases[i].text), cases[i].want);
  }
}

TEST(SpacesTest, RemoveAllSpaces) {
  struct Case {
    Text text;
    Text want;
  };
  const Case cases[] = {
      {" a " FW "b ", "ab"}, {"s = v w ;", "s=vw;"}, {"a\tb", "a\tb"},
      {"a \xB0", "a"},       {"\xB0 a", "\xB0 a"},   {"", ""},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(RemoveAllSpaces(cases[i].text), cases[i].want);
  }
}

}  // namespace
}  // namespace zerulin

#include "text/bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace zerulin {
namespace {

using std::string_literals::operator""s;

TEST(BytesTest, Table) {
  struct Case {
    Bytes got;
    Bytes want;
  };
  const Case cases[] = {
      {BlankBytes(3), "\0\0\0"s},
      {BlankBytes(0), Bytes()},
      {BlankBytes(-1), Bytes()},
      {BytesLeft("\x01\x02\x03"s, 2), "\x01\x02"s},
      {BytesLeft("\x01\x02\x03"s, 9), "\x01\x02\x03"s},
      {BytesLeft("\x01\x02\x03"s, 0), Bytes()},
      {BytesLeft("\x01\x02\x03"s, -4), Bytes()},
      {TextToBytes("ab"), "ab"s},
      {TextToBytes(""), Bytes()},
      {ConcatBytes("\x01"s, "\x02\x03"s), "\x01\x02\x03"s},
      {ConcatBytes(Bytes(), Bytes()), Bytes()},
      {ConcatBytes("a\0"s, "\0b"s, "c"s), "a\0\0bc"s},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(cases[i].got, cases[i].want);
  }
  EXPECT_EQ(BlankText(3), "   ");
  EXPECT_EQ(BlankText(0), Text());
  EXPECT_EQ(BytesLength(Bytes()), 0);
  EXPECT_EQ(BytesLength("a\0b"s), 3);
}

TEST(BytesTest, BytesToTextStopsAtZero) {
  EXPECT_EQ(BytesToText("ab\0c"s), "ab");
  EXPECT_EQ(BytesToText("ab"s), "ab");
  EXPECT_EQ(BytesToText("\0a"s), Text());
  EXPECT_EQ(BytesToText(Bytes()), Text());
}

TEST(BytesTest, CompareBytes) {
  EXPECT_EQ(CompareBytes(Bytes(), Bytes("")), 0);
  EXPECT_NE(CompareBytes("\0"s, Bytes()), 0);
  EXPECT_EQ(CompareBytes("\x01\x02"s, "\x01\x02"s), 0);
  EXPECT_NE(CompareBytes("\x01\x02"s, "\x01\x03"s), 0);
  EXPECT_NE(CompareBytes("\x01"s, "\x01\x00"s), 0);
}

}  // namespace
}  // namespace zerulin

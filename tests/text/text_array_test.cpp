#include "text/text_array.h"

#include <gtest/gtest.h>

#include "text/split.h"

namespace zerulin {
namespace {

TEST(TextArrayTest, StartsEmpty) {
  EXPECT_EQ(ArrayCount(TextArray()), 0);
  EXPECT_EQ(ArrayCount(SplitText("", ";")), 0);
}

TEST(TextArrayTest, AppendKeepsOrderAndCopies) {
  TextArray array;
  ArrayAppend(&array, "");
  EXPECT_EQ(ArrayCount(array), 1);
  EXPECT_EQ(array[1], Text());

  TextArray abx = SplitText("a;b", ";");
  Text x = "x";
  ArrayAppend(&abx, x);
  x = "changed";
  ASSERT_EQ(ArrayCount(abx), 3);
  EXPECT_EQ(abx[1], "a");
  EXPECT_EQ(abx[2], "b");
  EXPECT_EQ(abx[3], "x");
}

// An absent array works as a private empty one instead of being written through null.
TEST(TextArrayTest, AppendToAbsentArrayDoesNothing) { ArrayAppend(nullptr, "x"); }

}  // namespace
}  // namespace zerulin

#include "http/cookies.h"

#include <gtest/gtest.h>

#include "printers.h"
#include "text/split.h"

namespace zerulin {
namespace {

TEST(MergeCookiesTest, NewCookiesFirstThenOldOnesOfOtherNames) {
  const struct {
    const char* kept;
    const char* received;
    const char* merged;
    const char* receivedAfter;
  } cases[] = {
      {"a=1; b=2", "b=3; c=4", "b=3; c=4; a=1", "b=3;c=4"},
      {"a=1; b=2", "b=deleted", "a=1", "b=deleted"},
      {"a=deleted", "", "", ""},
      {"a=1; a=2", "", "a=1", ""},  // of old cookies sharing a name only the first stays
      {"", "x=1; x=1", "x=1", "x=1;x=1"},
      {"", "x=1; x=2", "x=1; x=2", "x=1;x=2"},  // same name, different values: both stay
      {"A=1", "a=2", "a=2; A=1", "a=2"},        // names differ in case
      {"", "s = v w ; t=1;", "s=vw; t=1", "s=vw;t=1;"},
      {"", "", "", ""},
      {"a=1", "a=deleted", "", "a=deleted"},  // a deleted cookie still hides the old one
      {"k=\xA1\xA1v", "", "k=v", ""},         // full-width spaces go too
      {"flag; a=1", "flag", "flag; a=1", "flag"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "K=" << c.kept << " R=" << c.received);
    Text kept = c.kept;
    Text received = c.received;
    EXPECT_EQ(MergeCookies(&kept, &received), Text(c.merged));
    EXPECT_EQ(kept, Text(c.merged));
    EXPECT_EQ(received, Text(c.receivedAfter));
  }
}

TEST(MergeCookiesTest, AbsentArgumentsAreEmptyTexts) {
  Text received = "b = 1";
  EXPECT_EQ(MergeCookies(nullptr, &received), Text("b=1"));
  EXPECT_EQ(received, Text("b=1"));
  Text kept = "a=1";
  EXPECT_EQ(MergeCookies(&kept, nullptr), Text("a=1"));
}

TEST(CookieNameTest, TextBeforeTheFirstEqualsSign) {
  const struct {
    const char* cookie;
    const char* name;
  } cases[] = {{"k=v=w", "k"}, {"flag", "flag"}, {"=v", ""}, {" a =1", "a"}, {"", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cookie);
    EXPECT_EQ(CookieName(c.cookie), Text(c.name));
  }
}

TEST(CookieListHasNameTest, ComparesNamesExactly) {
  const TextArray cookies = SplitText("a=1;B=2;flag", Text(";"));
  EXPECT_TRUE(CookieListHasName(cookies, "a"));
  EXPECT_TRUE(CookieListHasName(cookies, "flag"));
  EXPECT_FALSE(CookieListHasName(cookies, "b"));
  EXPECT_FALSE(CookieListHasName(cookies, "1"));
  EXPECT_FALSE(CookieListHasName(TextArray(), ""));
}

TEST(JoinUniqueTest, LaterRepeatsAreLeftOut) {
  const struct {
    const char* text;
    const char* separator;
    const char* expected;
  } cases[] = {
      {"a; b; a", "; ", "a; b"}, {"", "; ", ""},
      {"a; a; a", "; ", "a"},    {"x,,x,,", ",", "x,"},  // at most one empty piece remains
      {"b; a", "; ", "b; a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(JoinUnique(c.text, c.separator), Text(c.expected));
  }
}

TEST(IndexInTextArrayTest, FirstEqualElementCountingFromOne) {
  const TextArray array = SplitText("x,y,x", Text(","));
  EXPECT_EQ(IndexInTextArray(array, "x"), 1);
  EXPECT_EQ(IndexInTextArray(array, "y"), 2);
  EXPECT_EQ(IndexInTextArray(array, "X"), -1);
  EXPECT_EQ(IndexInTextArray(TextArray(), "x"), -1);
}

}  // namespace
}  // namespace zerulin

// The lead-byte rule over every byte value: a byte of 0x80 or above opens a two-byte
// character, whatever follows it, and as the last byte of a text it is a truncated character.
#include "text/walk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/case.h"
#include "text/find.h"
#include "text/integer.h"
#include "text/replace.h"
#include "text/spaces.h"
#include "text/split.h"

namespace zerulin {
namespace {

std::vector<std::string> Elements(const TextArray& array) {
  std::vector<std::string> elements;
  for (const Text& element : array) elements.emplace_back(element.view());
  return elements;
}

// The byte after a lead byte is never a match start, a separator, a space or a letter.
TEST(WalkTest, LeadByteSwallowsTheNextByte) {
  for (int code = 1; code < 256; ++code) {
    SCOPED_TRACE(code);
    const std::string x(1, static_cast<char>(code));
    const bool lead = code >= 0x80;
    if (code == ';' || code == ' ' || code == 'A' || code == 'a') continue;

    EXPECT_EQ(FindText(x + ";;", ";"), lead ? 3 : 2);
    EXPECT_EQ(FindTextReverse(x + ";", ";"), lead ? -1 : 2);
    EXPECT_EQ(ReplaceSubtext(x + ";;", ";", "+", {}, {}, true).view(), x + (lead ? ";+" : "++"));
    const std::vector<std::string> pieces =
        lead ? std::vector<std::string>{x + ";b"} : std::vector<std::string>{x, "b"};
    EXPECT_EQ(Elements(SplitText(x + ";b", ";")), pieces);
    EXPECT_EQ(RemoveAllSpaces(x + " a").view(), x + (lead ? " a" : "a"));
    EXPECT_EQ(TrimBothEnds("a" + x + " ").view(), "a" + x + (lead ? " " : ""));
    EXPECT_EQ(ToLowerCase(x + "A").view(), ToLowerCase(x).str() + (lead ? "A" : "a"));
  }
}

// A lead byte at the end of a text is a truncated character, with each operation's own rule.
TEST(WalkTest, LeadByteAsLastByte) {
  for (int code = 1; code < 256; ++code) {
    SCOPED_TRACE(code);
    const std::string x(1, static_cast<char>(code));
    const bool lead = code >= 0x80;
    if (code == ' ' || code == ';' || code == 'a' || code == 'z' || (code >= '0' && code <= '9')) {
      continue;
    }

    EXPECT_EQ(FindText("a" + x, x), 2);
    EXPECT_EQ(ReplaceSubtext("a" + x, "z", "y", {}, {}, true).view(), lead ? "a" : "a" + x);
    EXPECT_EQ(ReplaceSubtext("a" + x, "zz", "y", {}, {}, true).view(), "a" + x);
    EXPECT_EQ(Elements(SplitText("a;" + x, ";")), (std::vector<std::string>{"a", x}));
    EXPECT_EQ(TrimBothEnds("a " + x).view(), lead ? "a " : "a " + x);
    EXPECT_EQ(RemoveAllSpaces("a " + x).view(), lead ? "a" : "a" + x);
    EXPECT_EQ(ToLowerCase("A" + x).view(), "a" + ToLowerCase(x).str());
    EXPECT_EQ(ToInteger("7" + x), 7);
  }
}

// ToInteger reads a two-byte character as one unit: its second byte is never a digit.
TEST(WalkTest, ToIntegerSkipsSecondBytes) {
  for (int code = 0x80; code < 256; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(ToInteger("7" + std::string(1, static_cast<char>(code)) + "5"), 7);
  }
}

}  // namespace
}  // namespace zerulin

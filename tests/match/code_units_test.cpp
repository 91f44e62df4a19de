#include "match/code_units.h"

#include <gtest/gtest.h>

#include <string>

#include "match/icu_convert.h"

namespace zerulin {
namespace {

// The conversions read most characters from a table and hand the rest to the converter; each
// must give exactly what the converter gives for the whole input.

TEST(CodeUnitsTest, GbkToUnitsAgreesWithConverter) {
  // Every byte alone, and every lead byte before every byte, then a letter, so that both a
  // pair and a lead byte the converter refuses are seen in context.
  for (int first = 1; first <= 0xFF; ++first) {
    std::string alone(1, static_cast<char>(first));
    ASSERT_EQ(GbkToUnits(alone), IcuGbkToUnits(alone)) << first;
    if (first < 0x81) continue;
    for (int second = 1; second <= 0xFF; ++second) {
      std::string pair = {static_cast<char>(first), static_cast<char>(second), 'a'};
      ASSERT_EQ(GbkToUnits(pair), IcuGbkToUnits(pair)) << first << " " << second;
    }
  }
}

TEST(CodeUnitsTest, UnitsToGbkAgreesWithConverter) {
  for (int unit = 1; unit <= 0xFFFF; ++unit) {
    std::u16string units = {u'a', static_cast<char16_t>(unit), u'b'};
    ASSERT_EQ(UnitsToGbk(units, false), IcuUnitsToGbk(units)) << unit;
  }
  const std::u16string pair = u"a\U0001F600b";  // a character beyond the first 64K
  EXPECT_EQ(UnitsToGbk(pair, false), IcuUnitsToGbk(pair));
}

TEST(CodeUnitsTest, CompositeCheckOnlyWhenAsked) {
  const std::u16string decomposed = u"e\u0301";
  EXPECT_EQ(UnitsToGbk(decomposed, true), "\xA8\xA6");
  EXPECT_EQ(UnitsToGbk(decomposed, false), "e?");
  EXPECT_EQ(UnitsToGbk(u"a\u0308\u0304", true), "?");  // U+01DF is not in code page 936
  EXPECT_EQ(UnitsToGbk(u"\u00FC", true), "\xA8\xB9");  // already composed
}

}  // namespace
}  // namespace zerulin

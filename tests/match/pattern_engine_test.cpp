#include "match/pattern_engine.h"

#include <gtest/gtest.h>

#include <string>

namespace zerulin {
namespace {

TEST(CompiledPatternTest, InvalidPatternsAreRefused) {
  for (std::u16string pattern : {u"(a", u"a)", u"[a", u"a{2,1}", u"*a", u"(?<a"}) {
    EXPECT_EQ(CompiledPattern::Compile(pattern, {}), nullptr);
  }
}

TEST(CompiledPatternTest, SpansInUnitsWithUnsetGroups) {
  auto pattern = CompiledPattern::Compile(u"(\u4E2D)|(b)", {.global = true});
  ASSERT_NE(pattern, nullptr);
  auto list = pattern->FindAll(u"a\u4E2Db");
  ASSERT_TRUE(list.has_value());
  ASSERT_EQ(list->Count(), 2);
  EXPECT_EQ(list->GroupCount(), 2);
  EXPECT_EQ(list->Span(0, 0), std::make_pair(1u, 2u));
  EXPECT_EQ(list->Span(0, 2), std::make_pair(MatchList::kUnset, MatchList::kUnset));
  EXPECT_EQ(list->Span(1, 1), std::make_pair(MatchList::kUnset, MatchList::kUnset));
  EXPECT_EQ(list->Span(1, 2), std::make_pair(2u, 3u));
}

TEST(CompiledPatternTest, ManyMatchesKeepTheirOffsets) {
  // Enough matches to fill several chunks of offsets.
  std::u16string subject;
  for (int k = 0; k < 70000; ++k) subject += u"xy";
  auto pattern = CompiledPattern::Compile(u"(x)(y)", {.global = true});
  auto list = pattern->FindAll(subject);
  ASSERT_TRUE(list.has_value());
  ASSERT_EQ(list->Count(), 70000);
  // Six offsets a match: match 10922 has its groups in two different chunks.
  for (int match : {0, 10922, 10923, 69999}) {
    SCOPED_TRACE(match);
    auto at = static_cast<uint32_t>(2 * match);
    EXPECT_EQ(list->Span(match, 0), std::make_pair(at, at + 2));
    EXPECT_EQ(list->Span(match, 2), std::make_pair(at + 1, at + 2));
  }
}

TEST(CompiledPatternTest, GivesUpInsteadOfRunningOn) {
  // One search stuck in backtracking hits the step limit.
  auto nested = CompiledPattern::Compile(u"^(a+)+$", {});
  EXPECT_FALSE(nested->FindAll(std::u16string(40, u'a') + u"X").has_value());
  // A group repeated a million times runs out of the compiled matcher's stack.
  auto deep = CompiledPattern::Compile(u"(?:(a)|b)+$", {});
  EXPECT_FALSE(deep->FindAll(std::u16string(1000000, u'a')).has_value());
  // Many searches together run past the budget; a single one is never cut short.
  auto letter = CompiledPattern::Compile(u"a", {.global = true});
  EXPECT_FALSE(letter->FindAll(std::u16string(1000, u'a'), std::chrono::milliseconds(0)));
  auto first = CompiledPattern::Compile(u"a", {.global = false});
  auto list = first->FindAll(std::u16string(1000, u'a'), std::chrono::milliseconds(0));
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(list->Count(), 1);
}

}  // namespace
}  // namespace zerulin

#include "match/regex_object.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace zerulin {
namespace {

// The six-group pattern that reads the rows of a result page.
const Text kRowPattern =
    R"(<td>(.*?)</td>[\s|\S]*?">(.*?)</td>[\s|\S]*?<td>(.*?)</td>[\s|\S]*?<td>(.*?)</td>)"
    R"([\s|\S]*?<td>(.*?)</td>[\s|\S]*?<td>(.*?)</td>)";

std::vector<Text> AllMatchTexts(const RegexObject& regex) {
  std::vector<Text> texts;
  for (int i = 1; i <= regex.MatchCount(); ++i) texts.push_back(regex.MatchText(i));
  return texts;
}

TEST(RegexObjectTest, DialectAndOptions) {
  struct Case {
    const char* name;
    Text pattern;
    Text subject;
    std::optional<bool> caseSensitive;
    std::optional<bool> multiline;
    std::optional<bool> global;
    bool created;
    std::vector<Text> matches;
  };
  const Case cases[] = {
      {"unclosed group", "(abc", "abc", {}, {}, {}, false, {}},
      {"unclosed class", "[abc", "abc", {}, {}, {}, false, {}},
      {"no occurrence", "xyz", "abc", {}, {}, {}, true, {}},
      {"global", "a.", "a1a2a3", {}, {}, {}, true, {"a1", "a2", "a3"}},
      {"not global", "a.", "a1a2a3", {}, {}, false, true, {"a1"}},
      {"no overlap", "aa", "aaaaa", {}, {}, {}, true, {"aa", "aa"}},
      {"case-insensitive by default", "abc", "ABC abc", {}, {}, {}, true, {"ABC", "abc"}},
      {"case-sensitive", "abc", "ABC abc", true, {}, {}, true, {"abc"}},
      {"dot refuses a line feed", "a.b", "a\nb", {}, {}, {}, true, {}},
      {"dot takes a carriage return", "a.b", "a\rb", {}, {}, {}, true, {"a\rb"}},
      {"class of all", "a[\\s|\\S]b", "a\nb a|b", {}, {}, {}, true, {"a\nb", "a|b"}},
      {"multiline by default", "^\\w", "a\nb", {}, {}, {}, true, {"a", "b"}},
      {"not multiline", "^\\w", "a\nb", {}, false, {}, true, {"a"}},
      {"dollar at the very end only", "a$", "a\n", {}, false, {}, true, {}},
      {"dollar before a line feed", "a$", "a\nba", {}, true, {}, true, {"a", "a"}},
      {"\\u escape", "\\u4E2D.", "x\xD6\xD0y", {}, {}, {}, true, {"\xD6\xD0y"}},
      {"\\x escape", "\\x41", "A", {}, {}, {}, true, {"A"}},
      {"\\v is one character", "a\\vb", "a\vb a\nb", {}, {}, {}, true, {"a\vb"}},
      {"letters escape to themselves", "\\y\\e\\a\\Q\\h", "yeaQh", {}, {}, {}, true, {"yeaQh"}},
      {"backreference", "(\\w)\\1", "abccd", {}, {}, {}, true, {"cc"}},
      {"unset backreference", "(x)?\\1a", "ba", {}, {}, {}, true, {"a"}},
      {"lookahead", "a(?=b)", "ab ac", {}, {}, {}, true, {"a"}},
      {"negative lookahead", "a(?!b)\\w", "ab ac", {}, {}, {}, true, {"ac"}},
      {"lazy", "<(.*?)>", "<a><b>", {}, {}, {}, true, {"<a>", "<b>"}},
      {"empty class matches nothing", "a[]", "a", {}, {}, {}, true, {}},
      {"negated empty class matches all", "a[^]", "a\n", {}, {}, {}, true, {"a\n"}},
      // After an empty match the next search starts one unit on: no retry at the same place.
      {"empty matches", "x*", "xay", {}, {}, {}, true, {"x", "", "", ""}},
      {"empty then longer", "(?=b)|b", "b", {}, {}, {}, true, {""}},
      {"empty subject", "^", "", {}, {}, {}, true, {""}},
      {"double-byte literal", "\xD6\xD0", "a\xD6\xD0", {}, {}, {}, true, {"\xD6\xD0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RegexObject regex;
    EXPECT_EQ(regex.Create(c.pattern, c.subject, c.caseSensitive, c.multiline, c.global),
              c.created);
    EXPECT_EQ(AllMatchTexts(regex), c.matches);
  }
}

TEST(RegexObjectTest, RowPatternReadsResultRows) {
  const Text page =
      "<table>\r\n"
      "<tr><th>\xEA\xC7\xB3\xC6</th><th>\xB4\xF3\xC7\xF8</th></tr>\r\n"
      "<tr>\r\n  <td>\xD0\xA1\xC3\xF7</td>\r\n  <td class=\"area\">\xB0\xAC\xC5\xB7\xC4\xE1\xD1\xC7"
      "</td>\r\n  <td>30</td>\r\n  <td>\xD7\xEA\xCA\xAF I</td>\r\n  <td>12</td>\r\n  <td>x</td>\r\n"
      "</tr>\r\n"
      "<TR><TD>Ab</TD><TD CLASS=\"area\">Z</TD><TD>5</TD><TD></TD><TD></TD><TD></TD></TR>\n"
      "<tr><td></td><td class=\"a\"></td><td></td><td>t</td><td>5</td><td>6</td></tr>\n"
      "</table>";
  RegexObject regex;
  ASSERT_TRUE(regex.Create(kRowPattern, page, false, false, true, true));
  ASSERT_EQ(regex.MatchCount(), 3);
  EXPECT_EQ(regex.SubMatchCount(), 6);
  const std::vector<std::vector<Text>> want = {
      {"\xD0\xA1\xC3\xF7", "\xB0\xAC\xC5\xB7\xC4\xE1\xD1\xC7", "30", "\xD7\xEA\xCA\xAF I"},
      {"Ab", "Z", "5", ""},
      {"", "", "", "t"},
  };
  for (int i = 1; i <= 3; ++i) {
    for (int g = 1; g <= 4; ++g) {
      SCOPED_TRACE(std::to_string(i) + "/" + std::to_string(g));
      EXPECT_EQ(regex.SubMatchText(i, g), want[i - 1][g - 1]);
    }
  }
}

TEST(RegexObjectTest, RowPatternGroupStopsAtFirstCellEnd) {
  // A lazy group ends at the first "</td>"; a group never spans a line feed.
  RegexObject regex;
  ASSERT_TRUE(regex.Create("<td>(.*?)</td>", "<td>a</td><td>b</td><td>c\n</td>"));
  EXPECT_EQ(regex.MatchCount(), 2);
  EXPECT_EQ(regex.SubMatchText(2, 1), "b");
}

TEST(RegexObjectTest, UnsetAndOutOfRangeGiveEmptyText) {
  RegexObject regex;
  ASSERT_TRUE(regex.Create("(a)|(b)", "b"));
  EXPECT_EQ(regex.SubMatchText(1, 2), "b");
  struct Case {
    int index;
    int group;
  };
  for (Case c : {Case{1, 1}, Case{1, 0}, Case{1, 3}, Case{0, 1}, Case{2, 2}, Case{-1, 1}}) {
    SCOPED_TRACE(std::to_string(c.index) + "/" + std::to_string(c.group));
    EXPECT_EQ(regex.SubMatchText(c.index, c.group), "");
  }
  for (int index : {0, 2, -1}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(regex.MatchText(index), "");
  }
}

TEST(RegexObjectTest, Positions) {
  struct Case {
    const char* name;
    Text pattern;
    Text subject;
    int index;
    int group;  // 0: MatchText
    Text text;
    int position;
  };
  const Case cases[] = {
      // FirstIndex 1 counts units; the byte search from there finds the a at byte 2.
      {"after a double-byte character", "a",
       "\xD6\xD0"
       "a",
       1, 0, "a", 2},
      {"first of two", "abc", "ABC abc", 1, 0, "ABC", 0},
      {"second of two", "abc", "ABC abc", 2, 0, "abc", 4},
      // A group is searched from its match's start: the first "b" of the match is found.
      {"group found early", "b(a)(b)", "xbab", 1, 2, "b", 1},
      {"unset group", "(x)?a", "za", 1, 1, "", 0},
      {"match out of range", "a", "a", 2, 0, "", 0},
      {"group out of range", "a", "a", 1, 2, "", 0},
      {"nothing to search", "a", "", 1, 0, "", -2},
      // FirstIndex 2 starts the byte walk inside the second character, which then pairs the
      // trail byte with the "b": the search finds nothing.
      {"walk out of step", "b",
       "\xD6\xD0\xD6\xD0"
       "b",
       1, 0, "b", -2},
      {"walk in step", "b",
       "\xD6\xD0"
       "ab",
       1, 0, "b", 3},
      {"invalid pattern", "(", "abc", 1, 1, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RegexObject regex;
    regex.Create(c.pattern, c.subject);
    int position = 99;
    Text text = c.group == 0 ? regex.MatchText(c.index, &position)
                             : regex.SubMatchText(c.index, c.group, &position);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(position, c.position);
  }
}

TEST(RegexObjectTest, SubMatchCount) {
  RegexObject regex;
  EXPECT_EQ(regex.SubMatchCount(), 0);
  ASSERT_TRUE(
      regex.Create(kRowPattern, "<td>1</td>\">2</td><td>3</td><td>4</td><td>5</td><td>6</td>"));
  EXPECT_EQ(regex.SubMatchCount(), 6);
  ASSERT_TRUE(regex.Create(kRowPattern, "no rows"));
  EXPECT_EQ(regex.SubMatchCount(), 0);
}

TEST(RegexObjectTest, QuoteMarker) {
  const Text marked = "a=#\xD2\xFD\xBA\xC5(\\w)#\xD2\xFD\xBA\xC5";  // a=#引号(\w)#引号
  RegexObject regex;
  EXPECT_EQ(regex.GetPattern(), "");
  ASSERT_TRUE(regex.Create(marked, "a=\"x\"", {}, {}, {}, true));
  EXPECT_EQ(regex.GetPattern(), "a=\"(\\w)\"");
  EXPECT_EQ(regex.SubMatchText(1, 1), "x");
  ASSERT_TRUE(regex.Create(marked, "a=\"x\"", {}, {}, {}, false));
  EXPECT_EQ(regex.GetPattern(), marked);
  EXPECT_EQ(regex.MatchCount(), 0);
  ASSERT_TRUE(regex.Create(marked, "a=#\xD2\xFD\xBA\xC5x#\xD2\xFD\xBA\xC5"));
  EXPECT_EQ(regex.MatchCount(), 1);
  // An invalid pattern is still the engine's pattern.
  EXPECT_FALSE(regex.Create("(", "x"));
  EXPECT_EQ(regex.GetPattern(), "(");
}

TEST(RegexObjectTest, Replace) {
  struct Case {
    Text pattern;
    Text subject;
    std::optional<bool> global;
    Text replacement;
    Text want;
  };
  const Case cases[] = {
      {"(\\w)(\\d)", "a1 b2", {}, "$2$1", "1a 2b"},
      {"(\\w)(\\d)", "a1 b2", false, "$2$1", "1a b2"},
      {"b", "abc", {}, "[$`|$&|$']", "a[a|b|c]c"},
      {"b", "abc", {}, "$$ $0 $3 $", "a$ $0 $3 $c"},
      {"(b)", "abc", {}, "$10", "ab0c"},
      {"(x)?b", "abc", {}, "<$1>", "a<>c"},
      {"x*", "ab", {}, "-", "-a-b-"},
      {"\xD6\xD0", "\xD6\xD0\xCE\xC4", {}, "\xCE\xC4", "\xCE\xC4\xCE\xC4"},
      {"(", "abc", {}, "x", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern.str() + " -> " + c.replacement.str());
    RegexObject regex;
    regex.Create(c.pattern, c.subject, {}, {}, c.global);
    EXPECT_EQ(regex.Replace(c.replacement), c.want);
  }
}

TEST(RegexObjectTest, CopyKeepsItsOwnResults) {
  RegexObject original;
  ASSERT_TRUE(original.Create("(\\d)", "a1b2"));
  RegexObject copy(original);
  ASSERT_TRUE(original.Create("x", "y"));
  EXPECT_EQ(copy.MatchCount(), 2);
  EXPECT_EQ(copy.SubMatchText(2, 1), "2");
  EXPECT_EQ(copy.GetPattern(), "(\\d)");
  EXPECT_EQ(original.MatchCount(), 0);
  copy = original;
  EXPECT_EQ(copy.GetPattern(), "x");
}

TEST(RegexObjectTest, LaterSubjectsReadNothingOfEarlierOnes) {
  // Each Create works in the memory an earlier one on the thread let go of; what it reads must
  // be its own subject and matches only, shorter or longer than before.
  std::string many;
  for (int k = 0; k < 40000; ++k) many += "a" + std::to_string(k % 10);
  auto run = [](const Text& subject) {
    RegexObject regex;
    EXPECT_TRUE(regex.Create("a(\\d)", subject));
    return regex;
  };
  RegexObject held = run(many);
  run(std::string(many.size(), 'z'));
  RegexObject small = run("za7zza8");
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(small.MatchCount(), 2);
    EXPECT_EQ(small.SubMatchText(2, 1), "8");
    EXPECT_EQ(small.Replace("[$1]"), "z[7]zz[8]");
    int position = 0;
    EXPECT_EQ(small.MatchText(2, &position), "a8");
    EXPECT_EQ(position, 5);
    EXPECT_EQ(held.MatchCount(), 40000);
    EXPECT_EQ(held.SubMatchText(39999, 1), "8");
    held = RegexObject();  // its memory now serves the next Create
    small = run("za7zza8");
    held = run(many);
  }
}

TEST(RegexObjectTest, RunawayMatchFails) {
  // Nested repeats that backtrack without end hit the engine's limit; Create must come back.
  RegexObject regex;
  EXPECT_FALSE(regex.Create("^(a+)+$", std::string(40, 'a') + "X"));
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.MatchText(1), "");
}

TEST(RegexObjectTest, QueriesOnSeveralThreadsAtOnce) {
  // Each query thread has its own object; the code page table and converters are shared or
  // kept per thread underneath.
  std::string page;
  for (int row = 0; row < 200; ++row) {
    page += "<tr><td>\xD0\xA1\xC3\xF7</td><td class=\"a\">\xB0\xAC</td><td>" + std::to_string(row) +
            "</td><td>t</td><td></td><td></td></tr>\r\n";
  }
  std::vector<int> counts(4, 0);
  std::vector<std::thread> threads;
  for (int& count : counts) {
    threads.emplace_back([&page, &count] {
      RegexObject regex;
      regex.Create(kRowPattern, page, false, false, true, true);
      for (int i = 1; i <= regex.MatchCount(); ++i) {
        if (regex.SubMatchText(i, 3) == Text(std::to_string(i - 1))) ++count;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(counts, std::vector<int>(4, 200));
}

}  // namespace
}  // namespace zerulin

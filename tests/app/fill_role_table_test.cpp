#include "app/fill_role_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "match/codepage.h"
#include "tests/app/recording_view.h"

namespace zerulin {
namespace {

using ::testing::ElementsAre;

Text Page(std::string_view utf8) { return Utf8ToGbk(Bytes(utf8)); }

std::string Row(const std::string& nickname, const std::string& region, const std::string& level,
                const std::string& tier) {
  return "<tr>\n<td>" + nickname + "</td>\n<td class=\"area\">" + region + "</td>\n<td>" + level +
         "</td>\n<td>" + tier + "</td>\n<td>51%</td>\n<td>2026-12-01</td>\n</tr>\n";
}

// A page on which the row pattern runs away: every one of the many quoted cells starts a
// search that scans the rest of the page for a fourth plain cell that never comes.
Text RefusedPage() {
  std::string page = "<td>a</td>";
  for (int i = 0; i < 3000; ++i) page += "<p x=\"1\">b</td>";
  return Text(page + "<td>c</td><td>c</td><td>c</td>");
}

constexpr char kNoMatch[] = "message 匹配失败，QQ 查全区没有查到！数量：0";
constexpr char kPatternFailed[] = "message 正则创建失败，请检查正则表达式语句是否有误！";

TEST(FillRoleTableTest, PatternTextsAreExact) {
  EXPECT_EQ(std::string_view(kRolePattern).size(), 127u);
  EXPECT_EQ(ToQString(kNoMatchMessage), QStringLiteral("匹配失败，QQ 查全区没有查到！数量：0"));
  EXPECT_EQ(ToQString(kPatternFailedMessage),
            QStringLiteral("正则创建失败，请检查正则表达式语句是否有误！"));
}

TEST(FillRoleTableTest, OneRowPerMatchNumberedFromOneWithGroupsOneToFour) {
  RecordingView view;
  const Text page = Page(
      "<table><tr><th>玩家昵称</th></tr>\n" + Row("风之旅人", "艾欧尼亚", "187", "璀璨钻石 II") +
      Row("", "祖安", "96", "") + Row("ShadowFox", "黑色玫瑰", "230", "超凡大师") + "</table>");
  EXPECT_EQ(FillRoleTable(view, page), 3);
  EXPECT_THAT(view.calls,
              ElementsAre("delete",                                              //
                          "insert 0 1", "set 0 1 风之旅人", "set 0 2 艾欧尼亚",  //
                          "set 0 3 187", "set 0 4 璀璨钻石 II",                  //
                          "insert 1 2", "set 1 1 ", "set 1 2 祖安",              //
                          "set 1 3 96", "set 1 4 ",                              //
                          "insert 2 3", "set 2 1 ShadowFox", "set 2 2 黑色玫瑰", "set 2 3 230",
                          "set 2 4 超凡大师"));
}

TEST(FillRoleTableTest, UpperCaseTagsMatchToo) {
  RecordingView view;
  EXPECT_EQ(FillRoleTable(view, Page("<TD>a</TD><Td x=\"1\">b</tD><TD>c</TD><TD>d</TD>"
                                     "<TD>e</TD><TD>f</TD>")),
            1);
  EXPECT_THAT(view.calls, ElementsAre("delete", "insert 0 1", "set 0 1 a", "set 0 2 b", "set 0 3 c",
                                      "set 0 4 d"));
}

TEST(FillRoleTableTest, RowNumbersGoOnPastNine) {
  std::string rows;
  for (int i = 0; i < 12; ++i) rows += Row("n", "r", "1", "t");
  RecordingView view;
  EXPECT_EQ(FillRoleTable(view, Page(rows)), 12);
  EXPECT_EQ(view.calls[1 + 11 * 5], "insert 11 12");
}

TEST(FillRoleTableTest, PagesWithoutRowsShowTheNoMatchBoxAndLeaveTheListAlone) {
  const std::string pages[] = {
      "",
      "<html><body>没有查到角色</body></html>",
      "<tr><th>玩家昵称</th><th>大区</th></tr>",
      "<td>a</td><td>b</td>",  // no quoted attribute before a region cell
      "<td>a\nb</td><td x=\"1\">r</td><td>1</td><td>t</td><td>5</td><td>6</td>",
  };
  for (const std::string& page : pages) {
    SCOPED_TRACE(page);
    RecordingView view;
    EXPECT_EQ(FillRoleTable(view, Page(page)), 0);
    EXPECT_THAT(view.calls, ElementsAre(kNoMatch));
  }
}

TEST(FillRoleTableTest, APageTheEngineRefusesShowsThePatternFailureBox) {
  RecordingView view;
  EXPECT_EQ(FillRoleTable(view, RefusedPage()), 0);
  EXPECT_THAT(view.calls, ElementsAre(kPatternFailed));
}

}  // namespace
}  // namespace zerulin

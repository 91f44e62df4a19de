#include "app/terminal_view.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/qt_text.h"

namespace zerulin {
namespace {

TEST(DisplayWidthTest, WideCharactersTakeTwoColumns) {
  const struct {
    std::string text;
    int width;
  } cases[] = {
      {"", 0},
      {"abc", 3},
      {"风之旅人", 8},
      {"璀璨钻石 II", 11},
      {"ＡＢ", 4},       // full-width forms
      {"e\xCC\x81", 1},  // e and a combining acute accent
      {"\xFF"
       "a",
       2},  // a broken byte shows as one mark
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(DisplayWidth(c.text), c.width);
  }
}

TEST(TerminalViewTest, RowsFollowThePositionRulesAndPrintAligned) {
  TerminalView view(FromQString("2718281828"));
  EXPECT_EQ(view.ReadNumber(), "2718281828");
  view.InsertRow(0, "x");
  view.DeleteAllRows();
  EXPECT_EQ(view.InsertRow(0, "2"), 0);
  EXPECT_EQ(view.InsertRow(0, "1"), 0);
  EXPECT_EQ(view.InsertRow(9, "3"), 2);
  const char* cells[3][4] = {{"风之旅人", "艾欧尼亚", "187", "璀璨钻石 II"},
                             {"ShadowFox", "祖安", "96", ""},
                             {"a", "b", "1", "t"}};
  for (int row = 0; row < 3; ++row) {
    for (int column = 1; column <= 4; ++column) {
      view.SetCellText(row, column, FromQString(QString::fromUtf8(cells[row][column - 1])));
    }
  }
  view.SetCellText(3, 1, "ignored");
  view.SetCellText(0, 5, "ignored");

  std::ostringstream out;
  view.PrintTable(out);
  EXPECT_EQ(out.str(),
            "ID  玩家昵称   大区      等级  段位\n"
            "1   风之旅人   艾欧尼亚  187   璀璨钻石 II\n"
            "2   ShadowFox  祖安      96\n"
            "3   a          b         1     t\n");
}

}  // namespace
}  // namespace zerulin

// Queries started from the window's query button against a loopback service.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <vector>

#include "app/main_window.h"
#include "tests/app/role_service.h"
#include "tests/app/window_helpers.h"

namespace zerulin {
namespace {

using ::testing::HasSubstr;

class MainWindowQueryTest : public ::testing::Test {
 protected:
  void TearDown() override {
    // Query threads report to the window: let every one end before it goes.
    ASSERT_TRUE(QTest::qWaitFor([this] { return window_.RunningQueries() == 0; }, 10000));
  }

  void Query(const QString& number) {
    edit()->setText(number);
    FindControl<QPushButton>(window_, "按钮1")->click();
  }

  bool WaitForQueries() {
    return QTest::qWaitFor([this] { return window_.RunningQueries() == 0; }, 10000);
  }

  QTableWidget* list() { return FindControl<QTableWidget>(window_, "超级列表框1"); }
  QLineEdit* edit() { return FindControl<QLineEdit>(window_, "编辑框1"); }

  QStringList Row(int row) {
    QStringList cells;
    for (int column = 0; column < 5; ++column) cells << list()->item(row, column)->text();
    return cells;
  }

  RoleService service_;
  MainWindow window_{service_.host(), [](const QUrl&) {}};
};

TEST_F(MainWindowQueryTest, TheSampleNumberFillsTheListWithTheSessionCookieSent) {
  FindControl<QPushButton>(window_, "按钮1")->click();
  EXPECT_EQ(window_.RunningQueries(), 1);
  EXPECT_EQ(window_.cursor().shape(), Qt::BusyCursor);
  ASSERT_TRUE(WaitForQueries());
  EXPECT_EQ(window_.cursor().shape(), Qt::ArrowCursor);

  ASSERT_EQ(list()->rowCount(), 5);
  EXPECT_EQ(Row(0), QStringList({"1", "风之旅人", "艾欧尼亚", "187", "璀璨钻石 II"}));
  EXPECT_EQ(Row(4), QStringList({"5", "北境守望者", "弗雷尔卓德", "30", ""}));
  const auto requests = service_.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].body, "qq=" + edit()->text().toStdString());
  EXPECT_THAT(requests[1].cookie, HasSubstr("ZERULIN_SESSION="));
}

TEST_F(MainWindowQueryTest, ANewQueryReplacesTheRowsAndNoMatchKeepsThem) {
  Query("2718281828");
  ASSERT_TRUE(WaitForQueries());
  Query("3141592653");
  ASSERT_TRUE(WaitForQueries());
  ASSERT_EQ(list()->rowCount(), 1);
  EXPECT_EQ(Row(0), QStringList({"1", "星河滚烫", "德玛西亚", "312", "最强王者"}));

  Query("1234509876");
  QMessageBox* box = WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), QStringLiteral("匹配失败，QQ 查全区没有查到！数量：0"));
  EXPECT_EQ(box->windowTitle(), QStringLiteral("信息："));
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(box->parentWidget(), nullptr);
  // The query waits for the box while the window stays usable.
  EXPECT_EQ(window_.RunningQueries(), 1);
  EXPECT_TRUE(window_.isEnabled());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(list()->rowCount(), 1);

  box->button(QMessageBox::Ok)->click();
  ASSERT_TRUE(WaitForQueries());
  EXPECT_EQ(Row(0), QStringList({"1", "星河滚烫", "德玛西亚", "312", "最强王者"}));
}

TEST_F(MainWindowQueryTest, APageTheEngineRefusesShowsThePatternFailureBox) {
  std::string page = "<td>a</td>";
  for (int i = 0; i < 3000; ++i) page += "<p x=\"1\">b</td>";
  service_.ServePage(page + "<td>c</td><td>c</td><td>c</td>");
  Query("2718281828");
  QMessageBox* box = WaitForMessageBox(15000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), QStringLiteral("正则创建失败，请检查正则表达式语句是否有误！"));
  EXPECT_EQ(box->windowTitle(), QStringLiteral("信息："));
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  box->accept();
  ASSERT_TRUE(WaitForQueries());
  EXPECT_EQ(list()->rowCount(), 0);
}

TEST_F(MainWindowQueryTest, AnEmptyBoxPostsTheBareKeyAndFetchesDotHtml) {
  Query("");
  QMessageBox* box = WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), QStringLiteral("匹配失败，QQ 查全区没有查到！数量：0"));
  box->button(QMessageBox::Ok)->click();
  ASSERT_TRUE(WaitForQueries());
  const auto requests = service_.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].body, "qq=");
  EXPECT_EQ(requests[1].path, "/.html");
}

TEST_F(MainWindowQueryTest, EditingTheBoxDuringThePostChangesThePageFetched) {
  service_.HoldPosts();
  Query("1234509876");
  ASSERT_TRUE(QTest::qWaitFor([this] { return service_.PostsArrived() == 1; }, 5000));
  edit()->setText("3141592653");
  service_.ReleasePosts();
  ASSERT_TRUE(WaitForQueries());
  const auto requests = service_.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].body, "qq=1234509876");
  EXPECT_EQ(requests[1].path, "/3141592653.html");
  ASSERT_EQ(list()->rowCount(), 1);
  EXPECT_EQ(list()->item(0, 1)->text(), QStringLiteral("星河滚烫"));
}

TEST_F(MainWindowQueryTest, TwoQuickClicksRunTwoQueriesSideBySide) {
  service_.HoldPosts();
  auto* query = FindControl<QPushButton>(window_, "按钮1");
  query->click();
  query->click();
  EXPECT_TRUE(query->isEnabled());
  EXPECT_EQ(window_.RunningQueries(), 2);
  // Both are under way at once before either is answered.
  ASSERT_TRUE(QTest::qWaitFor([this] { return service_.PostsArrived() == 2; }, 5000));
  service_.ReleasePosts();
  ASSERT_TRUE(WaitForQueries());
  EXPECT_EQ(service_.requests().size(), 4u);
  // Their fills take turns: the list holds the five rows of one of them.
  ASSERT_EQ(list()->rowCount(), 5);
  EXPECT_EQ(Row(0), QStringList({"1", "风之旅人", "艾欧尼亚", "187", "璀璨钻石 II"}));
  EXPECT_EQ(Row(4), QStringList({"5", "北境守望者", "弗雷尔卓德", "30", ""}));
}

TEST_F(MainWindowQueryTest, TwentyQueriesAtOnceEachEndAndLeaveOneWholeResult) {
  Query("2718281828");
  ASSERT_TRUE(WaitForQueries());
  std::vector<QStringList> alone;
  for (int row = 0; row < list()->rowCount(); ++row) alone.push_back(Row(row));
  ASSERT_EQ(alone.size(), 5u);
  list()->setRowCount(0);

  constexpr int kQueries = 20;
  for (int i = 0; i < kQueries; ++i) Query("2718281828");
  EXPECT_EQ(window_.RunningQueries(), kQueries);
  int boxes = 0;
  const bool ended = QTest::qWaitFor(
      [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
          auto* box = qobject_cast<QMessageBox*>(widget);
          if (box != nullptr && box->isVisible()) {
            box->accept();
            ++boxes;
          }
        }
        return window_.RunningQueries() == 0;
      },
      60000);
  ASSERT_TRUE(ended);
  EXPECT_EQ(boxes, 0);
  EXPECT_EQ(service_.requests().size(), 2u + 2u * kQueries);

  ASSERT_EQ(list()->rowCount(), 5);
  for (int row = 0; row < 5; ++row) {
    SCOPED_TRACE(row);
    for (int column = 0; column < 5; ++column) ASSERT_NE(list()->item(row, column), nullptr);
    EXPECT_EQ(Row(row), alone[row]);
  }
}

}  // namespace
}  // namespace zerulin

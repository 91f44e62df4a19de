#include "tools/demo_service.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <httplib.h>

#include <sstream>

namespace zerulin {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

DemoAccounts SampleAccounts() {
  std::istringstream data(
      "# comment\n"
      "111\t风之旅人\t艾欧尼亚\t187\t璀璨钻石 II\n"
      "111\tA&B<C>\t祖安\t96\t\n"
      "222\r\n");
  return ReadDemoAccounts(data);
}

TEST(ReadDemoAccountsTest, RolesInOrderAndAccountsWithoutRoles) {
  DemoAccounts accounts = SampleAccounts();
  ASSERT_EQ(accounts.size(), 2u);
  ASSERT_EQ(accounts["111"].size(), 2u);
  EXPECT_EQ(accounts["111"][0].nickname, "风之旅人");
  EXPECT_EQ(accounts["111"][0].tier, "璀璨钻石 II");
  EXPECT_EQ(accounts["111"][1].tier, "");
  EXPECT_TRUE(accounts["222"].empty());
}

TEST(DemoResultPageTest, RowCellsCarryTheRoleAndMarkupIsEscaped) {
  std::string page = DemoResultPage("111", SampleAccounts()["111"]);
  EXPECT_THAT(page, HasSubstr("<td>风之旅人</td>\n  <td class=\"area\">艾欧尼亚</td>\n  "
                              "<td>187</td>\n  <td>璀璨钻石 II</td>"));
  EXPECT_THAT(page, HasSubstr("<td>A&amp;B&lt;C&gt;</td>"));
  EXPECT_THAT(DemoResultPage("222", {}), Not(HasSubstr("<td>")));
}

class DemoServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    port_ = service_.Start();
    ASSERT_GT(port_, 0);
  }

  DemoService service_{SampleAccounts()};
  int port_ = 0;
};

TEST_F(DemoServiceTest, PageHasRowsOnlyWithTheSessionCookieFromThePost) {
  httplib::Client client("127.0.0.1", port_);
  auto before = client.Get("/111.html");
  ASSERT_TRUE(before);
  EXPECT_THAT(before->body, Not(HasSubstr("<td>")));

  auto post = client.Post("/index/ajax_lol.html", "qq=111", "application/x-www-form-urlencoded");
  ASSERT_TRUE(post);
  std::string cookie = post->get_header_value("Set-Cookie");
  ASSERT_THAT(cookie, HasSubstr("ZERULIN_SESSION="));
  cookie = cookie.substr(0, cookie.find(';'));

  struct Case {
    std::string path;
    std::string cookie;
    bool rows;
  };
  const Case cases[] = {
      {"/111.html", "other=1; " + cookie, true},
      {"/111.html", "ZERULIN_SESSION=forged", false},
      {"/222.html", cookie, false},
      {"/999.html", cookie, false},
      {"/.html", cookie, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + " with " + c.cookie);
    auto page = client.Get(c.path.c_str(), {{"Cookie", c.cookie}});
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_EQ(page->body.find("<td>风之旅人</td>") != std::string::npos, c.rows);
  }
}

}  // namespace
}  // namespace zerulin

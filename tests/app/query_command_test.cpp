#include "app/query_command.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "tests/app/role_service.h"

namespace zerulin {
namespace {

class QueryCommandTest : public ::testing::Test {
 protected:
  int Run(std::vector<std::string> arguments) {
    return RunQueryCommand(arguments, service_.host(), out_, err_);
  }

  RoleService service_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(QueryCommandTest, PrintsTheRolesAsATable) {
  EXPECT_EQ(Run({"2718281828"}), kQueryRowsPrinted);
  EXPECT_EQ(out_.str(),
            "ID  玩家昵称      大区        等级  段位\n"
            "1   风之旅人      艾欧尼亚    187   璀璨钻石 II\n"
            "2   夜雨听禅      祖安        96    荣耀黄金 I\n"
            "3   小鱼干不加糖  诺克萨斯    45    不屈白银 III\n"
            "4   ShadowFox     黑色玫瑰    230   超凡大师\n"
            "5   北境守望者    弗雷尔卓德  30\n");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(QueryCommandTest, FailuresGoToStandardErrorWithTheirOwnCodes) {
  EXPECT_EQ(Run({"1234509876"}), kQueryNoMatch);
  EXPECT_EQ(err_.str(), "匹配失败，QQ 查全区没有查到！数量：0\n");
  EXPECT_EQ(out_.str(), "");

  err_.str("");
  std::string page = "<td>a</td>";
  for (int i = 0; i < 3000; ++i) page += "<p x=\"1\">b</td>";
  service_.ServePage(page + "<td>c</td><td>c</td><td>c</td>");
  EXPECT_EQ(Run({"2718281828"}), kQueryPatternFailed);
  EXPECT_EQ(err_.str(), "正则创建失败，请检查正则表达式语句是否有误！\n");
  EXPECT_EQ(out_.str(), "");
}

TEST_F(QueryCommandTest, WantsExactlyOneNumber) {
  for (const auto& arguments : {std::vector<std::string>{}, {"1", "2"}}) {
    SCOPED_TRACE(arguments.size());
    err_.str("");
    EXPECT_EQ(Run(arguments), kQueryUsage);
    EXPECT_EQ(err_.str(), "usage: zerulin-query NUMBER\n");
  }
  EXPECT_TRUE(service_.requests().empty());
}

TEST(QueryProgramTest, UsageExitCodeReachesTheShell) {
  const int status = std::system(ZERULIN_QUERY_PROGRAM " 2>/dev/null");
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), kQueryUsage);
}

}  // namespace
}  // namespace zerulin

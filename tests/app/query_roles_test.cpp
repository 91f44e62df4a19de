#include "app/query_roles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/recording_view.h"
#include "tests/app/role_service.h"

namespace zerulin {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr char kNoMatch[] = "message 匹配失败，QQ 查全区没有查到！数量：0";

class QueryRolesTest : public ::testing::Test {
 protected:
  RoleService service_;
};

TEST_F(QueryRolesTest, PostsTheNumberThenFetchesItsPageWithTheSessionCookie) {
  RecordingView view({"3141592653"});
  QueryRoles(view, service_.host());

  const auto requests = service_.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_EQ(requests[0].path, "/index/ajax_lol.html");
  EXPECT_EQ(requests[0].body, "qq=3141592653");
  EXPECT_EQ(requests[1].method, "GET");
  EXPECT_EQ(requests[1].path, "/3141592653.html");
  EXPECT_EQ(requests[1].body, "");
  EXPECT_THAT(requests[1].cookie, HasSubstr("ZERULIN_SESSION="));

  EXPECT_THAT(view.calls, ElementsAre("read", "read", "delete", "insert 0 1", "set 0 1 星河滚烫",
                                      "set 0 2 德玛西亚", "set 0 3 312", "set 0 4 最强王者"));
}

TEST_F(QueryRolesTest, TheSecondReadingOfTheNumberIsTheOneFetched) {
  RecordingView view({"111", "2718281828"});
  QueryRoles(view, service_.host());
  const auto requests = service_.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].body, "qq=111");
  EXPECT_EQ(requests[1].path, "/2718281828.html");
  EXPECT_EQ(view.calls.size(), 2u + 1u + 5u * 5u);
}

TEST_F(QueryRolesTest, TheNumberGoesOutAsTyped) {
  const struct {
    Text number;
    std::string body;
    std::string path;
  } cases[] = {
      {"", "qq=", "/.html"},
      {"12ab", "qq=12ab", "/12ab.html"},
      {"007", "qq=007", "/007.html"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const std::size_t before = service_.requests().size();
    RecordingView view({c.number});
    QueryRoles(view, service_.host());
    const auto requests = service_.requests();
    ASSERT_EQ(requests.size(), before + 2);
    EXPECT_EQ(requests[before].body, c.body);
    EXPECT_EQ(requests[before + 1].path, c.path);
    EXPECT_THAT(view.calls, ElementsAre("read", "read", kNoMatch));
  }
}

TEST_F(QueryRolesTest, AnAccountWithoutRolesAndAServiceThatIsGoneEndInTheNoMatchBox) {
  RecordingView empty({"1234509876"});
  QueryRoles(empty, service_.host());
  EXPECT_THAT(empty.calls, ElementsAre("read", "read", kNoMatch));

  RecordingView unreachable({"2718281828"});
  QueryRoles(unreachable, "127.0.0.1:1");
  EXPECT_THAT(unreachable.calls, ElementsAre("read", "read", kNoMatch));
}

TEST_F(QueryRolesTest, AnErrorStatusPageIsMatchedLikeAnyOther) {
  service_.ServePage("<td>n</td><td a=\"b\">r</td><td>1</td><td>t</td><td>5</td><td>6</td>");
  RecordingView view({"404"});
  QueryRoles(view, service_.host());
  EXPECT_THAT(view.calls, testing::Contains(StartsWith("set 0 1 n")));
}

}  // namespace
}  // namespace zerulin

// Queries against services that misbehave the way a user may meet them: each ends in rows or in
// the message the list shows, within the (shortened) waiting limits.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/query_roles.h"
#include "http/cookie_store.h"
#include "http/curl_transfer.h"
#include "tests/app/recording_view.h"
#include "tests/http/raw_server.h"

namespace zerulin {
namespace {

using loopback::RawServer;
using namespace std::chrono_literals;

constexpr char kNoMatch[] = "message 匹配失败，QQ 查全区没有查到！数量：0";
constexpr char kPatternFailed[] = "message 正则创建失败，请检查正则表达式语句是否有误！";

std::string Row(const std::string& nickname, const std::string& region) {
  return "<tr><td>" + nickname + "</td><td class=\"r\">" + region +
         "</td><td>30</td><td>黄金</td><td>x</td><td>y</td></tr>\n";
}

std::string Ok(const std::string& body) {
  return "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}

// The calls that fill the list with rows of the given nicknames and regions.
std::vector<std::string> RowCalls(const std::vector<std::pair<std::string, std::string>>& rows) {
  std::vector<std::string> calls = {"read", "read", "delete"};
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string item = std::to_string(i);
    calls.push_back("insert " + item + " " + std::to_string(i + 1));
    calls.push_back("set " + item + " 1 " + rows[i].first);
    calls.push_back("set " + item + " 2 " + rows[i].second);
    calls.push_back("set " + item + " 3 30");
    calls.push_back("set " + item + " 4 黄金");
  }
  return calls;
}

std::string TenMegabytePage() {
  std::string page = Row("甲", "一区") + Row("乙", "二区");
  const std::string filler = "<p>no rows in this paragraph, only words to make the page long</p>\n";
  while (page.size() < 10'000'000) page += filler;
  return page + Row("丙", "三区");
}

std::string PageTheEngineRefuses() {
  std::string page = "<td>a</td>";
  for (int i = 0; i < 3000; ++i) page += "<p x=\"1\">b</td>";
  return page + "<td>c</td><td>c</td><td>c</td>";
}

class QueryFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cookie_store::ClearForTesting();
    SetTransferTimeoutsForTesting({.connect = 1s, .stall = 1s});
  }
  void TearDown() override { SetTransferTimeoutsForTesting({}); }
};

TEST_F(QueryFaultsTest, EachFaultEndsInRowsOrTheListsMessage) {
  const std::string postAnswer = Ok("ok");
  const struct {
    const char* fault;
    std::string pageReply;
    RawServer::Then then;
    std::vector<std::string> calls;
  } cases[] = {
      {"stalls before the page", "", RawServer::Then::kStall, {"read", "read", kNoMatch}},
      {"stalls mid-page",
       "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + Row("甲", "一区"),
       RawServer::Then::kStall,
       {"read", "read", kNoMatch}},
      {"resets mid-page",
       "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + Row("甲", "一区"),
       RawServer::Then::kReset,
       {"read", "read", kNoMatch}},
      {"10 MB page", Ok(TenMegabytePage()), RawServer::Then::kClose,
       RowCalls({{"甲", "一区"}, {"乙", "二区"}, {"丙", "三区"}})},
      // What stands for the bad bytes is the converter's choice; the rows around them are whole.
      {"invalid UTF-8",
       Ok("\xFF\xFE" + Row("甲", "一区") + "\xC3" + Row("乙", "二区") + "\xE4\xB8"),
       RawServer::Then::kClose, RowCalls({{"甲", "一区"}, {"乙", "二区"}})},
      {"zero byte", Ok(Row("甲", "一区") + std::string(1, '\0') + Row("乙", "二区")),
       RawServer::Then::kClose, RowCalls({{"甲", "一区"}})},
      {"pattern engine gives up",
       Ok(PageTheEngineRefuses()),
       RawServer::Then::kClose,
       {"read", "read", kPatternFailed}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    // The post is answered; the page request meets the fault.
    RawServer service([&](const std::string& request) {
      if (request.starts_with("POST ")) return RawServer::Reply{postAnswer};
      return RawServer::Reply{c.pageReply, c.then};
    });
    RecordingView view({"2718281828"});
    QueryRoles(view, Text("127.0.0.1:" + std::to_string(service.port())));
    EXPECT_EQ(view.calls, c.calls);
    EXPECT_EQ(service.Requests().size(), 2u);
  }
}

TEST_F(QueryFaultsTest, AServiceThatIsDownEndsInTheNoMatchMessage) {
  RecordingView view({"2718281828"});
  QueryRoles(view, Text("127.0.0.1:" + std::to_string(loopback::ClosedPort())));
  EXPECT_EQ(view.calls, (std::vector<std::string>{"read", "read", kNoMatch}));
}

TEST_F(QueryFaultsTest, ALineBreakPastedIntoTheNumberIsNeverSentAsARequestLine) {
  RawServer service(Ok(Row("甲", "一区")));
  RecordingView view({"27182\r\nX-Injected: 1\r\n\r\nGET /evil.html"});
  QueryRoles(view, Text("127.0.0.1:" + std::to_string(service.port())));
  EXPECT_EQ(view.calls, (std::vector<std::string>{"read", "read", kNoMatch}));
  // The post carries the number in its body only; the page address cannot hold it, so the page
  // request is refused before anything is sent.
  const std::vector<std::string> requests = service.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_THAT(requests[0], ::testing::StartsWith("POST /index/ajax_lol.html HTTP/1.1\r\n"));
  EXPECT_THAT(requests[0],
              ::testing::EndsWith("\r\n\r\nqq=27182\r\nX-Injected: 1\r\n\r\nGET /evil.html"));
  EXPECT_THAT(requests[0], ::testing::Not(::testing::HasSubstr("\r\nX-Injected: 1\r\nAccept")));
}

}  // namespace
}  // namespace zerulin

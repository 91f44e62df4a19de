#include "http/request_headers.h"

#include <gtest/gtest.h>

#include <string>

#include "printers.h"

namespace zerulin {
namespace {

constexpr char kDefaultAgent[] = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

TEST(AgentStringTest, TakenFromAUserAgentLineOfTheBlock) {
  const struct {
    const char* block;
    const char* agent;
  } cases[] = {
      {"", kDefaultAgent},
      {"Accept: x", kDefaultAgent},
      {"user-agent: X", "X"},  // found ignoring case, then read as the value after the colon
      {"User-Agent: X\r\nAccept: y", "X"},
      {"User-Agent:  X  ", "X"},  // no CR LF after it: also the value after the colon
      {"X-User-Agent: Z\r\nA: b", "Z"},
      // The fallback reads after the block's first colon, whichever line holds it.
      {"Accept: y\r\nuser-agent: X", "y\r\nuser-agent: X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.block);
    EXPECT_EQ(AgentString(c.block), Text(c.agent));
  }
}

TEST(CompleteHeaderBlockTest, AppendsTheDefaultLinesTheBlockLacks) {
  const std::string url = "http://w.a.b/p";
  const std::string accept = "Accept: */*";
  const std::string referer = "\r\nReferer: " + url;
  const std::string language = "\r\nAccept-Language: zh-cn";
  const std::string type = "\r\nContent-Type: application/x-www-form-urlencoded";
  const struct {
    std::string block;
    std::string cookies;
    std::string expected;
  } cases[] = {
      {"", "", accept + referer + language + type},
      {"accept: a", "", "accept: a\r\n" + accept + referer + language + type},
      {"Accept: a", "", "Accept: a" + referer + language + type},
      {"X-Accept: 1", "", "X-Accept: 1" + referer + language + type},
      {"Referer: r", "", "Referer: r\r\n" + accept + language + type},
      {"referer: r", "", "referer: r\r\n" + accept + referer + language + type},
      {"Accept-Language: en", "", "Accept-Language: en\r\n" + accept + referer + type},
      {"Content-Type: text/plain", "",
       "Content-Type: text/plain\r\n" + accept + referer + language},
      {"", "a=1", accept + referer + language + type + "\r\nCookie: a=1"},
      {"Cookie: z=9", "a=1",
       "Cookie: z=9\r\n" + accept + referer + language + type + "\r\nCookie: a=1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.block + " / " + c.cookies);
    EXPECT_EQ(CompleteHeaderBlock(c.block, url, c.cookies), Text(c.expected));
  }
}

}  // namespace
}  // namespace zerulin

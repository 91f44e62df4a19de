#include "http/response_headers.h"

#include <gtest/gtest.h>

#include <string>

#include "printers.h"
#include "text/bytes.h"

namespace zerulin {
namespace {

TEST(RawHeaderTextTest, SetCookieInAnyCaseIsWrittenExactly) {
  EXPECT_EQ(RawHeaderText("HTTP/1.1 200 OK\r\nset-cookie: a=1; path=/\r\nSET-cookie: b=2\r\n"),
            Text("HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n"));
}

TEST(RawHeaderTextTest, LinesThatDoNotFitWithTheirZeroGiveSpaces) {
  const std::string start = "HTTP/1.1 200 OK\r\nX: ";
  const std::string fits = start + std::string(4999 - start.size() - 2, 'a') + "\r\n";
  const std::string tooLong = start + std::string(5000 - start.size() - 2, 'a') + "\r\n";
  ASSERT_EQ(fits.size(), 4999u);
  EXPECT_EQ(RawHeaderText(fits), Text(fits));
  EXPECT_EQ(RawHeaderText(tooLong), BlankText(5000));
}

TEST(ReturnedCookiesTest, OnePiecePerSetCookieLine) {
  const struct {
    const char* raw;
    const char* cookies;
  } cases[] = {
      {"HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n", "a=1; b=2"},
      {"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n", ""},
      {"", ""},
      {"HTTP/1.1 200 OK\r\nSet-Cookie:  c = 3 ;x\r\n", "c = 3"},
      {"HTTP/1.1 200 OK\r\nSet-Cookie: set-cookie:d=4\r\n", "d=4"},
      {"HTTP/1.1 200 OK\r\nset-cookie: e=5\r\n", ""},  // only the exact spelling counts here
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.raw);
    EXPECT_EQ(ReturnedCookies(c.raw), Text(c.cookies));
  }
  EXPECT_EQ(ReturnedCookies(BlankText(5000)), Text(""));
}

}  // namespace
}  // namespace zerulin

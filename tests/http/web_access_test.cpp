#include "http/web_access.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "http/cookie_store.h"
#include "http/curl_transfer.h"
#include "httplib_server.h"
#include "printers.h"
#include "raw_server.h"
#include "text/bytes.h"

namespace zerulin {
namespace {

using loopback::HttplibServer;
using loopback::RawServer;
using namespace std::chrono_literals;

constexpr char kAgent[] = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
constexpr char kOk[] = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";

std::string DefaultBlock(const std::string& url) {
  return "Accept: */*\r\nReferer: " + url +
         "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";
}

// The exact bytes of a request as the server should receive them: the request line, Host,
// the agent line (if any), the header block, then `tail` (lines ended by CR LF) and the body.
std::string Wire(const std::string& requestLine, int port, const std::string& block,
                 const std::string& agentLine = std::string("User-Agent: ") + kAgent,
                 const std::string& tail = "", const std::string& body = "") {
  std::string wire = requestLine + "\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\n";
  if (!agentLine.empty()) wire += agentLine + "\r\n";
  return wire + block + "\r\n" + tail + "\r\n" + body;
}

std::string RequestPath(const std::string& request) {
  const size_t start = request.find(' ') + 1;
  return request.substr(start, request.find(' ', start) - start);
}

// The in/out arguments of a POST of "q=1" with a cookie text, each starting from a value that
// shows whether WebAccess wrote it.
struct OutArguments {
  explicit OutArguments(Text cookieText) : cookies(std::move(cookieText)) {}

  Text headers = "X: 1";
  Text raw = "old";
  Text returned = "old";
  Text cookies;
  Bytes postBytes;

  Bytes Post(const std::string& url) {
    return WebAccess(url, {.method = 1,
                           .postText = Text("q=1"),
                           .cookieText = &cookies,
                           .returnedCookies = &returned,
                           .extraHeaders = &headers,
                           .rawHeaders = &raw,
                           .postBytes = &postBytes});
  }
};

class WebAccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cookie_store::ClearForTesting();
    SetTransferTimeoutsForTesting({});
  }
};

TEST_F(WebAccessTest, DefaultBlockIsSentAndWrittenBack) {
  const std::optional<int> methods[] = {std::nullopt, 0, 5, -1};  // all of them GET
  for (const std::optional<int>& method : methods) {
    SCOPED_TRACE(method.value_or(99));
    RawServer server(kOk);
    const std::string url = server.Url("/p/Q?r=1#f");
    Text headers;
    EXPECT_EQ(WebAccess(url, {.method = method, .extraHeaders = &headers}), Bytes("ok"));
    EXPECT_EQ(headers, Text(DefaultBlock(url)));
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0],
              Wire("GET /p/Q?r=1#f HTTP/1.1", server.port(), DefaultBlock(url)));
  }
}

TEST_F(WebAccessTest, CallerBlocksGetOnlyTheDefaultLinesTheyLack) {
  const struct {
    std::string block;
    std::string (*expected)(const std::string& url);
  } cases[] = {
      {"accept: text/html",  // the presence tests are case-sensitive
       [](const std::string& url) { return "accept: text/html\r\n" + DefaultBlock(url); }},
      {"Accept: text/html",
       [](const std::string& url) {
         return "Accept: text/html\r\nReferer: " + url +
                "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";
       }},
      {"X-Accept: 1",  // holds "Accept:", so no Accept line goes out at all
       [](const std::string& url) {
         return "X-Accept: 1\r\nReferer: " + url +
                "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";
       }},
      {"Referer: http://r/",
       [](const std::string&) {
         return std::string(
             "Referer: http://r/\r\nAccept: */*\r\nAccept-Language: zh-cn"
             "\r\nContent-Type: application/x-www-form-urlencoded");
       }},
      {"referer: http://r/",
       [](const std::string& url) { return "referer: http://r/\r\n" + DefaultBlock(url); }},
      {"Accept-Language: en\r\nContent-Type: text/plain",
       [](const std::string& url) {
         return "Accept-Language: en\r\nContent-Type: text/plain\r\nAccept: */*\r\nReferer: " + url;
       }},
      {"content-type: text/plain\r\nX-Empty:",  // an empty value goes out as it stands
       [](const std::string& url) {
         return "content-type: text/plain\r\nX-Empty:\r\n" + DefaultBlock(url);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.block);
    RawServer server(kOk);
    const std::string url = server.Url("/");
    Text headers = c.block;
    WebAccess(url, {.extraHeaders = &headers});
    EXPECT_EQ(headers, Text(c.expected(url)));
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0], Wire("GET / HTTP/1.1", server.port(), c.expected(url)));
  }
}

TEST_F(WebAccessTest, AgentStringComesFromTheBlock) {
  const struct {
    std::string block;
    std::string agentLine;  // what goes out beside the block
  } cases[] = {
      // Between "User-Agent:" and CR LF; the block's own line is no User-Agent header.
      {"X-User-Agent: Z\r\nA: b", "User-Agent: Z"},
      // Found only ignoring case, so the value after the first colon.
      {"x-user-agent: Y", "User-Agent: Y"},
      // The same from another line, cut at the line break so that it stays one line.
      {"Accept: y\r\nx-user-agent: Y", "User-Agent: y"},
      // A real User-Agent line in the block is the one header of that name sent.
      {"user-agent: X", ""},
      {"User-Agent: X\r\nAccept: y", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.block);
    RawServer server(kOk);
    const std::string url = server.Url("/");
    Text headers = c.block;
    WebAccess(url, {.extraHeaders = &headers});
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0],
              Wire("GET / HTTP/1.1", server.port(), headers.str(), c.agentLine));
  }
}

TEST_F(WebAccessTest, CookieTextAddsACookieLineOnlyWhenNotEmpty) {
  for (const std::string cookies : {"a=1", ""}) {
    SCOPED_TRACE(cookies);
    RawServer server(kOk);
    const std::string url = server.Url("/");
    Text cookieText = cookies;
    WebAccess(url, {.cookieText = &cookieText});
    const std::string cookieLine = cookies.empty() ? "" : "\r\nCookie: " + cookies;
    EXPECT_EQ(server.Requests().at(0),
              Wire("GET / HTTP/1.1", server.port(), DefaultBlock(url) + cookieLine));
  }
}

TEST_F(WebAccessTest, BodiesOfGetPostAndHead) {
  const std::string big(3000, 'b');  // past the size at which libcurl would ask to continue
  const struct {
    std::string name;
    int method;
    std::optional<Text> postText;
    Bytes postBytes;
    std::string verb;
    std::string sent;  // the body on the wire
    Bytes postBytesAfter;
  } cases[] = {
      {"GET sends neither", 0, Text("qq=1"), Bytes("keep"), "GET", "", Bytes("keep")},
      {"POST sends the post text", 1, Text("qq=12345"), Bytes(""), "POST", "qq=12345",
       Bytes("qq=12345")},
      {"POST bytes win", 1, Text("ignored"), Bytes(std::string("a\0b", 3)), "POST",
       std::string("a\0b", 3), Bytes(std::string("a\0b", 3))},
      {"POST of nothing", 1, std::nullopt, Bytes(""), "POST", "", Bytes("")},
      {"POST of a big body", 1, Text(big), Bytes(""), "POST", big, Bytes(big)},
      {"HEAD with a body", 2, Text("x=1"), Bytes(""), "HEAD", "x=1", Bytes("x=1")},
      {"HEAD of nothing", 2, std::nullopt, Bytes(""), "HEAD", "", Bytes("")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RawServer server(kOk);
    const std::string url = server.Url("/f");
    Bytes postBytes = c.postBytes;
    const Bytes body =
        WebAccess(url, {.method = c.method, .postText = c.postText, .postBytes = &postBytes});
    EXPECT_EQ(body, Bytes(c.verb == "HEAD" ? "" : "ok"));
    EXPECT_EQ(postBytes, c.postBytesAfter);
    // A POST always announces its length, a HEAD only when it carries a body.
    const bool announced = c.verb == "POST" || !c.sent.empty();
    const std::string length =
        announced ? "Content-Length: " + std::to_string(c.sent.size()) + "\r\n" : "";
    EXPECT_EQ(server.Requests().at(0),
              Wire(c.verb + " /f HTTP/1.1", server.port(), DefaultBlock(url),
                   std::string("User-Agent: ") + kAgent, length, c.sent));
  }
}

TEST_F(WebAccessTest, HeadWithABodyReturnsAtTheEndOfTheHeaders) {
  // A kept-alive connection that announces a length but sends no body, as a HEAD answer does.
  RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n", RawServer::Then::kStall);
  Text raw;
  const auto start = std::chrono::steady_clock::now();
  const Bytes body =
      WebAccess(server.Url("/"), {.method = 2, .postText = Text("x=1"), .rawHeaders = &raw});
  // Waiting for the 100 bytes would last until the 30-second stall limit.
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  EXPECT_EQ(body, Bytes(""));
  EXPECT_EQ(raw, Text("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n"));
}

TEST_F(WebAccessTest, CookiesSetInAnswerToThePostGoWithTheGet) {
  std::mutex mutex;
  std::string cookieOfTheGet;
  HttplibServer server([&](httplib::Server& routes) {
    routes.Post("/index/ajax_lol.html",
                [](const httplib::Request& request, httplib::Response& response) {
                  response.set_header("Set-Cookie", "sid=" + request.body.substr(3) + "; Path=/");
                  response.set_content("{}", "application/json");
                });
    routes.Get("/12345.html", [&](const httplib::Request& request, httplib::Response& response) {
      std::lock_guard lock(mutex);
      cookieOfTheGet = request.get_header_value("Cookie");
      response.set_content("<table></table>", "text/html");
    });
  });
  WebAccess(server.Url("/index/ajax_lol.html"), {.method = 1, .postText = Text("qq=12345")});
  EXPECT_EQ(WebAccess(server.Url("/12345.html")), Bytes("<table></table>"));
  std::lock_guard lock(mutex);
  EXPECT_EQ(cookieOfTheGet, "sid=12345");
}

TEST_F(WebAccessTest, CookieArgumentReplacesTheStore) {
  RawServer server([](const std::string& request) -> RawServer::Reply {
    if (RequestPath(request) == "/fill") {
      return {"HTTP/1.1 200 OK\r\nSet-Cookie: stored=1; path=/\r\nContent-Length: 0\r\n\r\n"};
    }
    return {
        "HTTP/1.1 200 OK\r\nSet-Cookie: b=3; path=/\r\nSet-Cookie: c=deleted\r\n"
        "Set-Cookie: d = 4\r\nContent-Length: 0\r\n\r\n"};
  });
  WebAccess(server.Url("/fill"));  // the store now holds stored=1

  Text cookieText = "a=1; b=2; c=5";
  Text returned = "old";
  WebAccess(server.Url("/own"), {.cookieText = &cookieText, .returnedCookies = &returned});
  EXPECT_EQ(cookieText, Text("b=3; d=4; a=1"));
  EXPECT_EQ(returned, Text("b=3;c=deleted;d=4"));

  Text empty;
  WebAccess(server.Url("/own"), {.cookieText = &empty});
  EXPECT_EQ(empty, Text("b=3; d=4"));

  WebAccess(server.Url("/again"));  // the store saw none of the cookie-argument requests
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[1], Wire("GET /own HTTP/1.1", server.port(),
                              DefaultBlock(server.Url("/own")) + "\r\nCookie: a=1; b=2; c=5"));
  EXPECT_EQ(requests[2],
            Wire("GET /own HTTP/1.1", server.port(), DefaultBlock(server.Url("/own"))));
  EXPECT_EQ(requests[3],
            Wire("GET /again HTTP/1.1", server.port(), DefaultBlock(server.Url("/again")),
                 std::string("User-Agent: ") + kAgent + "\r\nCookie: stored=1"));
}

TEST_F(WebAccessTest, SetCookieInAnyCaseIsRewrittenAndCollected) {
  RawServer server(
      "HTTP/1.1 200 OK\r\nset-cookie: a=1; path=/\r\nSET-COOKIE: b=2\r\nContent-Length: "
      "2\r\n\r\nok");
  Text raw, returned;
  WebAccess(server.Url("/"), {.returnedCookies = &returned, .rawHeaders = &raw});
  EXPECT_EQ(raw, Text("HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: "
                      "b=2\r\nContent-Length: 2\r\n"));
  EXPECT_EQ(returned, Text("a=1; b=2"));

  RawServer plain(kOk);
  WebAccess(plain.Url("/"), {.returnedCookies = &returned, .rawHeaders = &raw});
  EXPECT_EQ(raw, Text("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n"));
  EXPECT_EQ(returned, Text(""));
}

TEST_F(WebAccessTest, RawHeadersAreTheFinalAnswersLinesEndedByCrLf) {
  const struct {
    std::string name;
    std::string reply;
    std::string raw;
  } cases[] = {
      {"lines ended by LF alone", "HTTP/1.1 200 OK\nSet-Cookie: a=1\nContent-Length: 2\n\nok",
       "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nContent-Length: 2\r\n"},
      {"an interim answer first",
       "HTTP/1.1 100 Continue\r\nX-Interim: 1\r\n\r\n"
       "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nContent-Length: 2\r\n\r\nok",
       "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nContent-Length: 2\r\n"},
      {"trailers after a chunked body",
       "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nTransfer-Encoding: chunked\r\n\r\n"
       "2\r\nok\r\n0\r\nX-Trailer: 1\r\n\r\n",
       "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nTransfer-Encoding: chunked\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RawServer server(c.reply);
    Text raw, returned;
    EXPECT_EQ(WebAccess(server.Url("/"), {.returnedCookies = &returned, .rawHeaders = &raw}),
              Bytes("ok"));
    EXPECT_EQ(raw, Text(c.raw));
    EXPECT_EQ(returned, Text("a=1"));
  }
}

TEST_F(WebAccessTest, RedirectsAreFollowedUnlessToldNot) {
  RawServer server([](const std::string& request) -> RawServer::Reply {
    if (RequestPath(request) == "/start") {
      return {
          "HTTP/1.1 302 Found\r\nLocation: /final?x=1\r\nSet-Cookie: hop=1\r\n"
          "Content-Length: 5\r\n\r\nmoved"};
    }
    return {"HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\ndone"};
  });
  const std::string url = server.Url("/start");
  Text raw;
  EXPECT_EQ(WebAccess(url, {.method = 1, .postText = Text("a=1"), .rawHeaders = &raw}),
            Bytes("done"));
  EXPECT_EQ(raw, Text("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n"));
  // The POST answered by 302 goes on as a GET without body, with the same header block and
  // the cookie the 302 set.
  std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1], Wire("GET /final?x=1 HTTP/1.1", server.port(), DefaultBlock(url),
                              std::string("User-Agent: ") + kAgent + "\r\nCookie: hop=1"));

  EXPECT_EQ(WebAccess(url, {.rawHeaders = &raw, .noRedirect = true}), Bytes("moved"));
  EXPECT_EQ(raw, Text("HTTP/1.1 302 Found\r\nLocation: /final?x=1\r\nSet-Cookie: hop=1\r\n"
                      "Content-Length: 5\r\n"));
  EXPECT_EQ(server.Requests().size(), 3u);
}

TEST_F(WebAccessTest, RedirectedRequestsGoWhereTheLocationSays) {
  const struct {
    int status;
    std::string location;  // "@" stands for another server's address
    int method;
    std::string secondRequest;  // request line, then "+" and the body when one is sent
  } cases[] = {
      {302, "next", 1, "GET /dir/next"},  // relative to /dir/page; a POST becomes a GET
      {307, "/keep?q=1", 1, "POST /keep?q=1+a=1"},
      {308, "/keep", 2, "HEAD /keep+a=1"},
      {303, "/see", 2, "HEAD /see"},  // the body is dropped, the HEAD stays
      {301, "@/abs?q", 0, "GET /abs?q"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    RawServer elsewhere(kOk);
    const std::string location =
        c.location.starts_with("@") ? elsewhere.Url(c.location.substr(1)) : c.location;
    RawServer server([&](const std::string& request) -> RawServer::Reply {
      if (RequestPath(request) != "/dir/page") return {kOk};
      return {"HTTP/1.1 " + std::to_string(c.status) + " R\r\nLocation: " + location +
              "\r\nContent-Length: 0\r\n\r\n"};
    });
    WebAccess(server.Url("/dir/page"), {.method = c.method, .postText = Text("a=1")});
    std::vector<std::string> requests = server.Requests();
    for (const std::string& request : elsewhere.Requests()) requests.push_back(request);
    ASSERT_EQ(requests.size(), 2u);
    const std::string& second = requests[1];
    const std::string requestLine = second.substr(0, second.find(" HTTP/1.1\r\n"));
    const std::string body = second.substr(second.find("\r\n\r\n") + 4);
    EXPECT_EQ(body.empty() ? requestLine : requestLine + "+" + body, c.secondRequest);
    EXPECT_EQ(second.find("Content-Length") != std::string::npos, !body.empty());
  }
}

TEST_F(WebAccessTest, RedirectLoopFailsLikeAnUnansweredRequest) {
  RawServer server("HTTP/1.1 302 Found\r\nLocation: /again\r\nContent-Length: 0\r\n\r\n");
  Text raw;
  EXPECT_EQ(WebAccess(server.Url("/"), {.rawHeaders = &raw}), Bytes(""));
  EXPECT_EQ(raw, BlankText(5000));
  EXPECT_EQ(server.Requests().size(), 31u);  // the request and 30 redirects
}

TEST_F(WebAccessTest, HttpsIsSpokenOnAnyPortAndAfterARedirect) {
  RawServer secure("");  // records the TLS hello, then hangs up
  const std::string secureUrl = "https://127.0.0.1:" + std::to_string(secure.port()) + "/s";
  RawServer plain("HTTP/1.1 302 Found\r\nLocation: " + secureUrl + "\r\nContent-Length: 0\r\n\r\n");

  Text raw;
  EXPECT_EQ(WebAccess(secureUrl, {.rawHeaders = &raw}), Bytes(""));
  EXPECT_EQ(raw, BlankText(5000));
  WebAccess(plain.Url("/"));
  ASSERT_EQ(secure.Requests().size(), 2u);
  for (const std::string& hello : secure.Requests()) {
    ASSERT_GE(hello.size(), 2u);
    EXPECT_EQ(hello.substr(0, 2), "\x16\x03");  // a TLS handshake record
  }
}

TEST_F(WebAccessTest, RawHeadersOver5000BytesBecomeSpaces) {
  for (const size_t length : {4999u, 5000u}) {
    SCOPED_TRACE(length);
    const std::string start = "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nContent-Length: 2\r\nX-Pad: ";
    const std::string lines = start + std::string(length - start.size() - 2, 'p') + "\r\n";
    RawServer server(lines + "\r\nok");
    Text raw, returned;
    EXPECT_EQ(WebAccess(server.Url("/"), {.returnedCookies = &returned, .rawHeaders = &raw}),
              Bytes("ok"));
    EXPECT_EQ(raw, length < 5000 ? Text(lines) : BlankText(5000));
    EXPECT_EQ(returned, Text(length < 5000 ? "a=1" : ""));
  }
}

// Every byte value, zero included, in a pattern that does not repeat every 256 bytes.
std::string BodyOf(size_t length) {
  std::string bytes(length, '\0');
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>((i * 7 + i / 256) % 256);
  return bytes;
}

std::string Chunked(const std::string& bytes, size_t pieceLength) {
  std::string chunked;
  for (size_t at = 0; at < bytes.size(); at += pieceLength) {
    const std::string piece = bytes.substr(at, pieceLength);
    char size[32];
    std::snprintf(size, sizeof size, "%zx", piece.size());
    chunked += std::string(size) + "\r\n" + piece + "\r\n";
  }
  return chunked + "0\r\n\r\n";
}

TEST_F(WebAccessTest, BodiesArriveWholeAndInOrder) {
  // Small bodies, and bodies large enough to be received into a reserved, prefaulted buffer.
  for (const size_t length : {size_t{3000}, size_t{3} << 20, size_t{20} << 20}) {
    const std::string bytes = BodyOf(length);
    const std::string replies[] = {
        "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(length) + "\r\n\r\n" + bytes,
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + Chunked(bytes, 700),
        "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + bytes,  // ended by the close
    };
    for (const std::string& reply : replies) {
      SCOPED_TRACE(reply.substr(0, reply.find("\r\n\r\n")));
      RawServer server(reply);
      const Bytes body = WebAccess(server.Url("/"));
      EXPECT_EQ(body.view().size(), length);
      EXPECT_TRUE(body.view() == bytes);
    }
  }
}

TEST_F(WebAccessTest, ProxyGetsTheWholeAddressOrATunnel) {
  RawServer proxy([](const std::string& request) -> RawServer::Reply {
    if (request.starts_with("CONNECT"))
      return {"HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\n\r\n"};
    return {kOk};
  });
  const std::string address = "127.0.0.1:" + std::to_string(proxy.port());
  const std::string url = "http://zerulin.invalid:8080/p?q=1";
  EXPECT_EQ(WebAccess(url, {.proxy = Text(address)}), Bytes("ok"));
  Text raw;
  EXPECT_EQ(WebAccess("https://zerulin.invalid/s", {.rawHeaders = &raw, .proxy = Text(address)}),
            Bytes(""));
  EXPECT_EQ(raw, BlankText(5000));

  const std::vector<std::string> requests = proxy.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0],
            "GET http://zerulin.invalid:8080/p?q=1 HTTP/1.1\r\nHost: zerulin.invalid:8080\r\n"
            "User-Agent: " +
                std::string(kAgent) + "\r\n" + DefaultBlock(url) + "\r\n\r\n");
  EXPECT_TRUE(requests[1].starts_with("CONNECT zerulin.invalid:443 HTTP/1.1\r\n")) << requests[1];
}

TEST_F(WebAccessTest, ProxyOfAnHttpUrlServesPlainHttpOnly) {
  RawServer secure("");
  const std::string secureUrl = "https://127.0.0.1:" + std::to_string(secure.port()) + "/s";
  RawServer proxy("HTTP/1.1 302 Found\r\nLocation: " + secureUrl + "\r\nContent-Length: 0\r\n\r\n");
  WebAccess("http://zerulin.invalid/",
            {.proxy = Text("127.0.0.1:" + std::to_string(proxy.port()))});
  EXPECT_EQ(proxy.Requests().size(), 1u);
  ASSERT_EQ(secure.Requests().size(), 1u);  // the https hop went straight to the server
  EXPECT_TRUE(secure.Requests()[0].starts_with("\x16\x03"));
}

// A failed send still writes the block, the post bytes, 5000 spaces and no cookies.
TEST_F(WebAccessTest, RefusedOrUnresolvableIsASendFailure) {
  // A 64-byte label is refused by the resolver itself, so no query ever leaves the machine.
  const std::string urls[] = {
      "http://127.0.0.1:" + std::to_string(loopback::ClosedPort()) + "/x",
      "http://" + std::string(64, 'a') + ".zerulin.invalid/x",
  };
  for (const std::string& url : urls) {
    SCOPED_TRACE(url);
    OutArguments out("a=1; a=2");
    EXPECT_EQ(out.Post(url), Bytes(""));
    EXPECT_EQ(out.headers, Text("X: 1\r\n" + DefaultBlock(url) + "\r\nCookie: a=1; a=2"));
    EXPECT_EQ(out.postBytes, Bytes("q=1"));
    EXPECT_EQ(out.raw, BlankText(5000));
    EXPECT_EQ(out.returned, Text(""));
    EXPECT_EQ(out.cookies, Text("a=1"));  // merged with nothing
  }
}

// Failures before sending: every argument keeps its value and nothing reaches the server.
TEST_F(WebAccessTest, UnusableRequestsAreNotSent) {
  RawServer server(kOk);
  const std::string base = server.Url("");
  const struct {
    std::string url;
    std::string cookies;
  } cases[] = {
      {base + "/a\r\nX-Injected: 1", "a=1"},  // a line break would split the request
      {base + "/a\nb", "a=1"},
      {base + "/a\rb", "a=1"},
      {base + "/ok", "a=1\rX-Injected: 1"},  // a lone CR inside the Cookie line
      {"http://127.0.0.1:70000/", "a=1"},    // would wrap around to port 4464
      {"http://127.0.0.1:-1/", "a=1"},
      {"", "a=1"},
      {"http://w.a.b?q=1/", "a=1"},  // the host text "w.a.b?q=1" names no server
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url + " / " + c.cookies);
    OutArguments out(Text(c.cookies));
    EXPECT_EQ(out.Post(c.url), Bytes(""));
    EXPECT_EQ(out.headers, Text("X: 1"));
    EXPECT_EQ(out.postBytes, Bytes(""));
    EXPECT_EQ(out.raw, Text("old"));
    EXPECT_EQ(out.returned, Text("old"));
    EXPECT_EQ(out.cookies, Text(c.cookies));
  }
  EXPECT_TRUE(server.Requests().empty());
}

TEST_F(WebAccessTest, StalledServerIsGivenUp) {
  SetTransferTimeoutsForTesting({.connect = 5s, .stall = 1s});
  const struct {
    std::string name;
    std::string reply;
    Text raw;
  } cases[] = {
      {"no answer", "", BlankText(5000)},
      {"stalls after the headers", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n",
       Text("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n")},
      {"stalls mid-body",
       "HTTP/1.1 200 OK\r\nContent-Length: 90000\r\n\r\n" + std::string(60000, 'x'),
       Text("HTTP/1.1 200 OK\r\nContent-Length: 90000\r\n")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RawServer server(c.reply, RawServer::Then::kStall);
    Text raw;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WebAccess(server.Url("/"), {.rawHeaders = &raw}), Bytes(""));
    EXPECT_EQ(raw, c.raw);
    // Within the limit plus the next progress check, however much came before the silence.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  }
}

TEST_F(WebAccessTest, ConnectionResetMidBodyGivesNoBody) {
  RawServer server("HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nContent-Length: 100000\r\n\r\n" +
                       std::string(1000, 'x'),
                   RawServer::Then::kReset);
  Text raw, returned;
  EXPECT_EQ(WebAccess(server.Url("/"), {.returnedCookies = &returned, .rawHeaders = &raw}),
            Bytes(""));
  EXPECT_EQ(raw, Text("HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nContent-Length: 100000\r\n"));
  EXPECT_EQ(returned, Text("a=1"));
}

TEST_F(WebAccessTest, TwentyRequestsAtOnceShareTheStore) {
  constexpr int kThreads = 20;
  HttplibServer server([](httplib::Server& routes) {
    routes.Post("/login", [](const httplib::Request& request, httplib::Response& response) {
      response.set_header("Set-Cookie", "c" + request.body + "=" + request.body + "; Path=/");
    });
    routes.Get("/echo", [](const httplib::Request& request, httplib::Response& response) {
      response.set_content(request.get_header_value("Cookie"), "text/plain");
    });
  });
  std::vector<std::string> echoed(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      WebAccess(server.Url("/login"), {.method = 1, .postText = Text(std::to_string(i))});
      echoed[i] = std::string(WebAccess(server.Url("/echo")).view());
    });
  }
  for (std::thread& thread : threads) thread.join();

  const std::string all = std::string(WebAccess(server.Url("/echo")).view()) + ";";
  for (int i = 0; i < kThreads; ++i) {
    const std::string cookie = "c" + std::to_string(i) + "=" + std::to_string(i);
    EXPECT_NE((echoed[i] + ";").find(cookie + ";"), std::string::npos) << echoed[i];
    EXPECT_NE(all.find(cookie + ";"), std::string::npos) << cookie;
  }
}

}  // namespace
}  // namespace zerulin

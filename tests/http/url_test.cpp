#include "http/url.h"

#include <gtest/gtest.h>

#include <optional>

#include "printers.h"

namespace zerulin {
namespace {

struct HostCase {
  const char* url;
  std::optional<bool> domainFlag;
  std::optional<bool> keepPort;
  std::optional<int> levelCount;
  const char* expected;
};

TEST(UrlHostTest, HostMode) {
  const HostCase cases[] = {
      {"HTTP://W.A.B:81/x?y", {}, {}, {}, "w.a.b"},
      {"HTTP://W.A.B:81/x?y", {}, true, {}, "w.a.b:81"},
      {"w.a.b/x", {}, {}, {}, "w.a.b"},
      {"https://w.a.b", {}, {}, {}, "w.a.b"},
      {"http://w.a.b?q=1", {}, {}, {}, "w.a.b?q=1"},  // the host runs up to the first "/"
      {"http://w.a.b/", true, {}, {}, "a.b"},
      {"http://localhost/", true, {}, {}, "localhost"},
      {"http://a.b.c:8/", true, true, {}, "b.c:8"},
      {"", {}, {}, {}, ""},
      {"ftp://x/y", {}, {}, {}, "ftp"},     // other schemes end up in the host
      {"see http://h/p", {}, {}, {}, "h"},  // the first "http://" counts, wherever it is
      {"https://x/?u=http://y/", {}, {}, {}, "x"},
  };
  for (const HostCase& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(UrlHost(c.url, c.domainFlag, c.keepPort, c.levelCount), Text(c.expected));
  }
}

TEST(UrlHostTest, DomainModeKeepsTheLastLabels) {
  const HostCase cases[] = {
      {"http://a.b.c.d:81/x", true, {}, 1, "c.d"},
      {"http://a.b.c.d/", false, {}, 1, "b.c.d"},
      {"a.b.c.d", true, {}, 0, "d"},
      {"a.b.c.d", {}, {}, 0, "c.d"},
      {"a.b.c.d", true, {}, -1, "d"},       // a negative count searches no more than 0 does
      {"a.b.c.d", true, {}, 5, "a.b.c.d"},  // too few dots: the whole host
      {"a.b.c.d", false, {}, 2, "a.b.c.d"},
      {"https://a.b.c/x", true, {}, 1, "b.c"},
      {"http://a.b.c./", true, {}, 0, "c."},  // a dot in the last byte never cuts
      {"http://a.b.c:8/", true, true, 0, "c:8"},
      {"HTTP://X.Y.Z/", true, {}, 1, "y.z"},
      {"", true, {}, 1, ""},
  };
  for (const HostCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.url << " level " << *c.levelCount);
    EXPECT_EQ(UrlHost(c.url, c.domainFlag, c.keepPort, c.levelCount), Text(c.expected));
  }
}

TEST(UrlPortTest, PortAfterTheLastColonElseTheSchemeDefault) {
  const struct {
    const char* url;
    int expected;
  } cases[] = {
      {"http://w.a.b/", 80},
      {"HTTPS://w.a.b/", 443},
      {"https://w.a.b:80/", 80},
      {"http://w.a.b:81/", 81},
      {"w.a.b", 80},
      {"w.a.b:8080/x", 8080},
      {"http://w.a.b:abc/", 0},
      {"", 80},
      {"httpsx.example/", 443},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(UrlPort(c.url), c.expected);
  }
}

TEST(UrlPathTest, PathFromTheFirstSlashAfterTheHost) {
  const struct {
    const char* url;
    const char* expected;
  } cases[] = {
      {"http://W.A.B/P/Q?R=1#F", "/P/Q?R=1#F"},
      {"http://w.a.b", "/"},
      {"http://w.a.b?q=1", "/"},  // no "/" after the host: the query is not kept
      {"http://w.a.b:81/x", "/x"},
      {"w.a.b:81/x", "/x"},
      {"", "/"},
      {"http://w/a b/\xB0\xA1", "/a b/\xB0\xA1"},
      // Hosts that also occur inside the scheme are sought after it.
      {"http://h/x", "/x"},
      {"HTTPS://s:81/x", "/x"},
      {"http://tp/x", "/x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(UrlPath(c.url), Text(c.expected));
  }
}

}  // namespace
}  // namespace zerulin

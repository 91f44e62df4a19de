#include "http/cookie_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printers.h"

namespace zerulin {
namespace {

using Lines = std::vector<std::string>;

std::string Cookie(const std::string& name, const std::string& value) {
  return "127.0.0.1\tFALSE\t/\tFALSE\t0\t" + name + "\t" + value;
}

class CookieStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { cookie_store::ClearForTesting(); }
};

TEST_F(CookieStoreTest, KeepsWhatARequestAddedChangedOrDeleted) {
  cookie_store::Update({}, {Cookie("a", "1"), Cookie("b", "1")});
  EXPECT_EQ(cookie_store::Snapshot(), (Lines{Cookie("a", "1"), Cookie("b", "1")}));

  const Lines before = cookie_store::Snapshot();
  cookie_store::Update(before, {Cookie("a", "2")});  // a changed, b deleted
  EXPECT_EQ(cookie_store::Snapshot(), (Lines{Cookie("a", "2")}));
}

TEST_F(CookieStoreTest, RequestsRunningAtOnceDoNotUndoEachOther) {
  cookie_store::Update({}, {Cookie("a", "1")});
  const Lines first = cookie_store::Snapshot();
  const Lines second = cookie_store::Snapshot();

  cookie_store::Update(first, {Cookie("a", "1"), Cookie("x", "1")});
  cookie_store::Update(second, {Cookie("a", "1"), Cookie("y", "1")});
  EXPECT_EQ(cookie_store::Snapshot(),
            (Lines{Cookie("a", "1"), Cookie("x", "1"), Cookie("y", "1")}));

  // One request changes a while another that started earlier saw it expire: the change wins.
  const Lines stale = cookie_store::Snapshot();
  cookie_store::Update(stale, {Cookie("a", "2"), Cookie("x", "1"), Cookie("y", "1")});
  cookie_store::Update(stale, {Cookie("x", "1"), Cookie("y", "1")});
  EXPECT_EQ(cookie_store::Snapshot(),
            (Lines{Cookie("a", "2"), Cookie("x", "1"), Cookie("y", "1")}));
}

TEST_F(CookieStoreTest, TheHttpOnlyMarkDoesNotMakeAnotherCookie) {
  cookie_store::Update({}, {Cookie("a", "1")});
  cookie_store::Update(cookie_store::Snapshot(), {"#HttpOnly_" + Cookie("a", "2")});
  EXPECT_EQ(cookie_store::Snapshot(), (Lines{"#HttpOnly_" + Cookie("a", "2")}));
}

}  // namespace
}  // namespace zerulin

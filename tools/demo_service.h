// The demo role-lookup service: a loopback HTTP server that answers like the outside service.
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace zerulin {

struct DemoRole {
  std::string nickname;  // UTF-8, like every text of the service
  std::string region;
  std::string level;
  std::string tier;
};

// QQ number -> roles in page order. An account may hold no roles.
using DemoAccounts = std::map<std::string, std::vector<DemoRole>>;

// Reads the tab-separated account list: "number<TAB>nickname<TAB>region<TAB>level<TAB>tier" per
// role, a line holding only a number for an account without roles, '#' lines are comments.
DemoAccounts ReadDemoAccounts(std::istream& in);

// The result page for `roles`: UTF-8 HTML with one table row per role, read by the client's
// row pattern (nickname cell, a cell with a quoted attribute before the region, level, tier and
// two more cells). With no roles the page holds no row cells at all.
std::string DemoResultPage(const std::string& number, const std::vector<DemoRole>& roles);

// POST /index/ajax_lol.html (form "qq=...") answers with a session cookie; GET /<number>.html
// answers the result page, with rows only for a known number and a request carrying a session
// cookie the service issued. Binds to 127.0.0.1 only.
class DemoService {
 public:
  // Tests watch the service through these; both run on a thread of the server.
  struct Hooks {
    // Sees every request before it is answered (its body not yet read); returns true when it
    // has written the answer itself. Tests hold a request back or serve a page of their own.
    std::function<bool(const httplib::Request&, httplib::Response&)> before;
    // Sees each request that reaches the service's own answers, body included, before it is
    // answered.
    std::function<void(const httplib::Request&)> received;
  };

  explicit DemoService(DemoAccounts accounts, Hooks hooks = {});
  ~DemoService();
  DemoService(const DemoService&) = delete;
  DemoService& operator=(const DemoService&) = delete;

  // Listens on 127.0.0.1:`port` (0: a free port) on a thread of its own; the bound port, or -1.
  int Start(int port = 0);

  // Blocks serving on 127.0.0.1:`port` until Stop; false when the port cannot be bound.
  bool Listen(int port);

  void Stop();

 private:
  bool HasSession(const httplib::Request& request);

  DemoAccounts accounts_;
  Hooks hooks_;
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  std::mutex sessionsMutex_;
  std::set<std::string> sessions_;
  unsigned long long nextSession_ = 0;
};

}  // namespace zerulin

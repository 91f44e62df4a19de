#include "tools/demo_service.h"

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <sstream>

namespace zerulin {
namespace {

constexpr char kSessionCookie[] = "ZERULIN_SESSION";

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::string::size_type start = 0;
  while (true) {
    auto tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// Account data is typed by people; keep it from breaking the markup.
std::string EscapeHtml(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

// The values of the "Cookie" request header, one "name=value" piece at a time.
std::vector<std::string> CookieValues(const httplib::Request& request, const std::string& name) {
  std::vector<std::string> values;
  auto [first, last] = request.headers.equal_range("Cookie");
  for (auto header = first; header != last; ++header) {
    std::istringstream pieces(header->second);
    std::string piece;
    while (std::getline(pieces, piece, ';')) {
      auto begin = piece.find_first_not_of(' ');
      if (begin == std::string::npos) continue;
      piece.erase(0, begin);
      if (piece.size() > name.size() && piece.compare(0, name.size(), name) == 0 &&
          piece[name.size()] == '=') {
        values.push_back(piece.substr(name.size() + 1));
      }
    }
  }
  return values;
}

}  // namespace

DemoAccounts ReadDemoAccounts(std::istream& in) {
  DemoAccounts accounts;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    auto fields = SplitTabs(line);
    auto& roles = accounts[fields[0]];
    if (fields.size() == 1) continue;
    fields.resize(5);
    roles.push_back({fields[1], fields[2], fields[3], fields[4]});
  }
  return accounts;
}

std::string DemoResultPage(const std::string& number, const std::vector<DemoRole>& roles) {
  std::string page =
      "<!DOCTYPE html>\n<html>\n<head><meta charset=\"utf-8\"><title>LOL 全区角色查询 - " +
      EscapeHtml(number) +
      "</title></head>\n<body>\n<table class=\"roles\">\n"
      "<tr><th>玩家昵称</th><th>大区</th><th>等级</th><th>段位</th><th>胜率</th><th>最近游戏</th></"
      "tr>\n";
  for (std::size_t i = 0; i < roles.size(); ++i) {
    const DemoRole& role = roles[i];
    char winRate[16];
    std::snprintf(winRate, sizeof winRate, "%zu%%", 48 + (i * 7) % 9);
    page += "<tr>\n  <td>" + EscapeHtml(role.nickname) + "</td>\n  <td class=\"area\">" +
            EscapeHtml(role.region) + "</td>\n  <td>" + EscapeHtml(role.level) + "</td>\n  <td>" +
            EscapeHtml(role.tier) + "</td>\n  <td>" + winRate + "</td>\n  <td>2026-12-0" +
            std::to_string(1 + i % 9) + "</td>\n</tr>\n";
  }
  if (roles.empty()) page += "<tr><th colspan=\"6\">没有查到角色</th></tr>\n";
  page += "</table>\n</body>\n</html>\n";
  return page;
}

DemoService::DemoService(DemoAccounts accounts, Hooks hooks)
    : accounts_(std::move(accounts)),
      hooks_(std::move(hooks)),
      server_(std::make_unique<httplib::Server>()),
      nextSession_(std::random_device{}()) {
  server_->set_pre_routing_handler(
      [this](const httplib::Request& request, httplib::Response& response) {
        return hooks_.before && hooks_.before(request, response)
                   ? httplib::Server::HandlerResponse::Handled
                   : httplib::Server::HandlerResponse::Unhandled;
      });
  server_->Post(
      "/index/ajax_lol.html", [this](const httplib::Request& request, httplib::Response& response) {
        if (hooks_.received) hooks_.received(request);
        std::string session;
        {
          std::lock_guard lock(sessionsMutex_);
          char id[32];
          std::snprintf(id, sizeof id, "%016llx", ++nextSession_ * 0x9E3779B97F4A7C15ull);
          session = id;
          sessions_.insert(session);
        }
        response.set_header("Set-Cookie", std::string(kSessionCookie) + "=" + session + "; Path=/");
        response.set_content("{\"status\":1}", "application/json; charset=utf-8");
      });
  server_->Get(R"(/([^/]*)\.html)",
               [this](const httplib::Request& request, httplib::Response& response) {
                 if (hooks_.received) hooks_.received(request);
                 std::string number = request.matches[1];
                 std::vector<DemoRole> none;
                 auto account = accounts_.find(number);
                 bool known = account != accounts_.end() && HasSession(request);
                 response.set_content(DemoResultPage(number, known ? account->second : none),
                                      "text/html; charset=utf-8");
               });
}

DemoService::~DemoService() { Stop(); }

bool DemoService::HasSession(const httplib::Request& request) {
  std::lock_guard lock(sessionsMutex_);
  for (const auto& value : CookieValues(request, kSessionCookie)) {
    if (sessions_.count(value) != 0) return true;
  }
  return false;
}

int DemoService::Start(int port) {
  int bound = port == 0 ? server_->bind_to_any_port("127.0.0.1")
                        : (server_->bind_to_port("127.0.0.1", port) ? port : -1);
  if (bound < 0) return -1;
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  // A stop that comes before the accept loop runs would be lost and leave Stop() waiting.
  while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::microseconds(100));
  return bound;
}

bool DemoService::Listen(int port) { return server_->listen("127.0.0.1", port); }

void DemoService::Stop() {
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

}  // namespace zerulin

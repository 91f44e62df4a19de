#include "tests/app/role_service.h"

#include <httplib.h>

#include <fstream>
#include <stdexcept>

namespace zerulin {

DemoAccounts RepositoryAccounts() {
  std::ifstream file(ZERULIN_DEMO_ACCOUNTS);
  if (!file) throw std::runtime_error("cannot read " ZERULIN_DEMO_ACCOUNTS);
  return ReadDemoAccounts(file);
}

RoleService::RoleService()
    : service_(RepositoryAccounts(),
               {.before = [this](const httplib::Request& request,
                                 httplib::Response& response) { return Before(request, response); },
                .received =
                    [this](const httplib::Request& request) {
                      if (request.method == "POST") Record(request);
                    }}) {
  port_ = service_.Start();
  if (port_ <= 0) throw std::runtime_error("the test service found no free port");
}

RoleService::~RoleService() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  released_.notify_all();
  service_.Stop();
}

Text RoleService::host() const { return Text("127.0.0.1:" + std::to_string(port_)); }

std::vector<ReceivedRequest> RoleService::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

int RoleService::PostsArrived() const {
  std::lock_guard lock(mutex_);
  return postsArrived_;
}

void RoleService::HoldPosts() {
  std::lock_guard lock(mutex_);
  holdPosts_ = true;
}

void RoleService::ReleasePosts() {
  {
    std::lock_guard lock(mutex_);
    holdPosts_ = false;
  }
  released_.notify_all();
}

void RoleService::ServePage(std::string page) {
  std::lock_guard lock(mutex_);
  page_ = std::move(page);
}

bool RoleService::Before(const httplib::Request& request, httplib::Response& response) {
  if (request.method == "POST") {
    std::unique_lock lock(mutex_);
    ++postsArrived_;
    released_.wait(lock, [this] { return !holdPosts_ || stopping_; });
    return false;  // recorded once its body has been read
  }
  Record(request);
  std::lock_guard lock(mutex_);
  if (!page_) return false;
  response.set_content(*page_, "text/html; charset=utf-8");
  return true;
}

void RoleService::Record(const httplib::Request& request) {
  std::lock_guard lock(mutex_);
  requests_.push_back(
      {request.method, request.path, request.body, request.get_header_value("Cookie")});
}

}  // namespace zerulin

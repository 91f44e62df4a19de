// RoleService: the demo role-lookup service on a free loopback port, recording what it gets.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "text/text.h"
#include "tools/demo_service.h"

namespace zerulin {

struct ReceivedRequest {
  std::string method;
  std::string path;
  std::string body;
  std::string cookie;  // the Cookie header, empty when none came
};

class RoleService {
 public:
  // Serves the accounts of the repository's demo account file.
  RoleService();
  ~RoleService();

  // "127.0.0.1:<port>", the service host a query is given.
  Text host() const;

  // Requests received so far, in order.
  std::vector<ReceivedRequest> requests() const;

  // Form posts that have arrived, answered or not.
  int PostsArrived() const;

  // Form posts wait until ReleasePosts() (or the service's end) before they are answered.
  void HoldPosts();
  void ReleasePosts();

  // Page requests get `page` (UTF-8) instead of the account's page.
  void ServePage(std::string page);

 private:
  bool Before(const httplib::Request& request, httplib::Response& response);
  void Record(const httplib::Request& request);

  mutable std::mutex mutex_;
  std::condition_variable released_;
  bool holdPosts_ = false;
  bool stopping_ = false;
  int postsArrived_ = 0;
  std::optional<std::string> page_;
  std::vector<ReceivedRequest> requests_;
  DemoService service_;
  int port_ = 0;
};

// The accounts of the repository's demo account file.
DemoAccounts RepositoryAccounts();

}  // namespace zerulin

// A cpp-httplib server on 127.0.0.1 for ordinary answers, running until the test ends.
#pragma once

#include <httplib.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace zerulin::loopback {

class HttplibServer {
 public:
  // `addRoutes` sets the server up before it starts listening.
  explicit HttplibServer(const std::function<void(httplib::Server&)>& addRoutes) {
    addRoutes(server_);
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~HttplibServer() {
    server_.stop();
    thread_.join();
  }
  HttplibServer(const HttplibServer&) = delete;
  HttplibServer& operator=(const HttplibServer&) = delete;

  int port() const { return port_; }
  std::string Url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
  }

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
};

}  // namespace zerulin::loopback

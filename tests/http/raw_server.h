// A loopback server for the answers an ordinary HTTP server will not give: it records the
// exact bytes of every request and replies with whatever bytes a test scripts, then closes,
// resets or stalls the connection.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zerulin::loopback {

class RawServer {
 public:
  // What follows the reply bytes on a connection.
  enum class Then { kClose, kReset, kStall };
  struct Reply {
    std::string bytes;
    Then then = Then::kClose;
  };
  // Builds the reply to one request from the request's bytes.
  using Responder = std::function<Reply(const std::string& request)>;

  // Listens on 127.0.0.1 on a free port and answers connections one after the other.
  explicit RawServer(Responder responder);
  // Always the same reply.
  explicit RawServer(std::string replyBytes, Then then = Then::kClose);
  ~RawServer();
  RawServer(const RawServer&) = delete;
  RawServer& operator=(const RawServer&) = delete;

  int port() const { return port_; }
  // "http://127.0.0.1:<port>" followed by `path`.
  std::string Url(std::string_view path) const;
  // The bytes of every request received so far, in order of arrival.
  std::vector<std::string> Requests() const;

 private:
  void Serve();
  void Answer(int connection);

  Responder responder_;
  int listener_ = -1;
  int wakePipe_[2] = {-1, -1};
  int port_ = 0;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A port on 127.0.0.1 that nothing listens on.
int ClosedPort();

}  // namespace zerulin::loopback

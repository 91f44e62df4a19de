#include "raw_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace zerulin::loopback {
namespace {

int ListenOnLoopback(int* port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      listen(fd, 64) != 0 || getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  *port = ntohs(address.sin_port);
  return fd;
}

// Whether `bytes` hold a whole request: the header block and as many body bytes as its
// Content-Length says. Bytes that do not open with a letter (a TLS hello) count at once.
bool IsWholeRequest(const std::string& bytes) {
  if (bytes.empty()) return false;
  if (!std::isupper(static_cast<unsigned char>(bytes[0]))) return true;
  const size_t end = bytes.find("\r\n\r\n");
  if (end == std::string::npos) return false;
  std::string head = bytes.substr(0, end);
  for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const size_t field = head.find("\r\ncontent-length:");
  const size_t bodyLength =
      field == std::string::npos ? 0 : std::strtoul(&head[field + 17], nullptr, 10);
  return bytes.size() >= end + 4 + bodyLength;
}

// Waits until `fd` is readable or the server is told to stop; false when it must stop.
bool WaitReadable(int fd, int wakeFd) {
  pollfd fds[2] = {{fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
  while (poll(fds, 2, -1) < 0) {
  }
  return (fds[1].revents & POLLIN) == 0;
}

void SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
}

}  // namespace

RawServer::RawServer(Responder responder) : responder_(std::move(responder)) {
  listener_ = ListenOnLoopback(&port_);
  if (pipe2(wakePipe_, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  thread_ = std::thread([this] { Serve(); });
}

RawServer::RawServer(std::string replyBytes, Then then)
    : RawServer(
          [reply = Reply{std::move(replyBytes), then}](const std::string&) { return reply; }) {}

RawServer::~RawServer() {
  (void)!write(wakePipe_[1], "x", 1);
  thread_.join();
  close(listener_);
  close(wakePipe_[0]);
  close(wakePipe_[1]);
}

std::string RawServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<std::string> RawServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void RawServer::Serve() {
  while (WaitReadable(listener_, wakePipe_[0])) {
    const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    Answer(connection);
  }
}

void RawServer::Answer(int connection) {
  std::string request;
  char buffer[16384];
  while (!IsWholeRequest(request) && WaitReadable(connection, wakePipe_[0])) {
    const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<size_t>(got));
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  const Reply reply = responder_(request);
  SendAll(connection, reply.bytes);
  if (reply.then == Then::kStall) {
    // Holds the connection open, reading and dropping, until the client gives up.
    while (WaitReadable(connection, wakePipe_[0]) &&
           recv(connection, buffer, sizeof buffer, 0) > 0) {
    }
  } else if (reply.then == Then::kReset) {
    const linger abort{1, 0};  // closing now sends RST instead of FIN
    setsockopt(connection, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
  }
  close(connection);
}

int ClosedPort() {
  int port = 0;
  close(ListenOnLoopback(&port));
  return port;
}

}  // namespace zerulin::loopback

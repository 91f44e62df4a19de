// Serves bodies of any size on 127.0.0.1 for the download benchmark: GET /<bytes> answers
// that many bytes with a Content-Length. Prints its port, then serves until killed.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

void Serve(int connection) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<size_t>(got));
  }
  const size_t slash = request.find('/');
  const long long size = slash == std::string::npos ? 0 : std::atoll(request.c_str() + slash + 1);
  const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(size) +
                           "\r\nConnection: close\r\n\r\n";
  send(connection, head.data(), head.size(), MSG_NOSIGNAL);
  static const std::string chunk(1 << 20, 'z');
  for (long long left = size; left > 0;) {
    const ssize_t sent =
        send(connection, chunk.data(), static_cast<size_t>(std::min<long long>(left, chunk.size())),
             MSG_NOSIGNAL);
    if (sent <= 0) break;
    left -= sent;
  }
  close(connection);
}

}  // namespace

int main() {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      listen(listener, 16) != 0 ||
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    return 1;
  }
  std::printf("%d\n", ntohs(address.sin_port));
  std::fflush(stdout);
  for (;;) {
    const int connection = accept(listener, nullptr, nullptr);
    if (connection >= 0) std::thread(Serve, connection).detach();
  }
}

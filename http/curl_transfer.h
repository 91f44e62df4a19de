// One WebAccess request carried over libcurl, hop by hop through redirects.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zerulin {

// Where one hop of a request goes.
struct HopTarget {
  bool https = false;
  std::string host;    // lower case, without port
  int port = 80;       // 1 to 65535
  std::string target;  // the request target, sent exactly as it stands
};

struct TransferRequest {
  HopTarget first;
  std::string verb;                      // "GET", "POST" or "HEAD"
  std::optional<std::string> body = {};  // sent with POST and HEAD; never with GET
  std::string agent;                     // the User-Agent unless a header line names one
  std::vector<std::string> headerLines;  // sent in order, each unchanged
  std::string proxy;                     // the proxy's host:port; empty for a direct connection
  bool proxyForHttps = false;            // false: https hops bypass the proxy
  bool followRedirects = true;
  bool useCookieStore = true;  // read and write the process-wide store
};

struct TransferResult {
  // The final response's status line and header lines, each ended by CR LF; absent when no
  // response arrived (refused, unresolvable, timed out before an answer, too many redirects).
  std::optional<std::string> headers;
  std::string body;  // the final response's body; empty unless it arrived whole
};

// Waiting limits: how long a connection may take, and how long a transfer may go without
// receiving a byte. Mirrors the platform's defaults of 60 and 30 seconds.
struct TransferTimeouts {
  std::chrono::seconds connect{60};
  std::chrono::seconds stall{30};
};

// Replaces the waiting limits of later transfers; for tests, which cannot wait 30 seconds.
void SetTransferTimeoutsForTesting(TransferTimeouts timeouts);

// A libcurl easy handle for one request. Opening it never sends anything.
class CurlTransfer {
 public:
  CurlTransfer();
  ~CurlTransfer();
  CurlTransfer(const CurlTransfer&) = delete;
  CurlTransfer& operator=(const CurlTransfer&) = delete;

  // False when libcurl could not be set up; Run must not be called then.
  bool IsOpen() const;

  // Sends the request, following redirects unless told not to, and reads the final answer.
  TransferResult Run(const TransferRequest& request);

 private:
  struct Handle;
  std::unique_ptr<Handle> handle_;
};

}  // namespace zerulin

#include "http/curl_transfer.h"

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <string_view>

#include "http/body_buffer.h"
#include "http/cookie_store.h"

namespace zerulin {
namespace {

// libcurl's global set-up runs once, before any thread uses libcurl: the namespace-scope
// call below runs it while the program loads, before main can start a thread, and the
// function-local static keeps it to one call even if a static initialiser elsewhere gets
// here first. libcurl is never torn down, since requests may run until the process ends.
bool CurlReady() {
  static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return ready;
}
[[maybe_unused]] const bool curlReadyAtLoad = CurlReady();

std::atomic<long> connectTimeoutSeconds{60};
std::atomic<long> stallTimeoutSeconds{30};

// More redirects than this is a loop: the request fails as if no answer came.
constexpr int kMaxRedirects = 30;

struct SlistFree {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Slist = std::unique_ptr<curl_slist, SlistFree>;

struct UrlFree {
  void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
using Url = std::unique_ptr<CURLU, UrlFree>;

struct CurlStringFree {
  void operator()(char* text) const { curl_free(text); }
};
using CurlString = std::unique_ptr<char, CurlStringFree>;

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// What one exchange with a server brought back.
struct HopResponse {
  bool expectBody = true;      // false for a HEAD, whose answer announces a length it never sends
  bool stopAtHeaders = false;  // a HEAD sent with a body: no body follows the answer's headers
  std::string headers;         // lines of the response being read, each ended by CR LF
  int status = 0;
  bool headersEnded = false;  // the header block of a final (not 1xx) response is complete
  bool stoppedAtHeaders = false;
  std::string location;
  long long contentLength = -1;  // -1: not announced
  BodyBuffer body;
};

// An announced length is trusted for the first reservation only up to this many bytes, so
// that a false one costs address space at most.
constexpr long long kMaxReservation = 1LL << 30;

// libcurl hands over every header line of every response, interim ones and those of a proxy
// tunnel included; each status line starts the collection afresh, so what remains belongs to
// the last response. Trailers after the body are not kept.
size_t OnHeaderLine(char* data, size_t size, size_t count, void* context) noexcept {
  auto& response = *static_cast<HopResponse*>(context);
  const size_t length = size * count;
  std::string_view line(data, length);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);

  if (line.starts_with("HTTP/")) {
    response.headers.clear();
    response.location.clear();
    response.contentLength = -1;
    response.headersEnded = false;
    const size_t space = line.find(' ');
    response.status = space == std::string_view::npos ? 0 : std::atoi(line.data() + space + 1);
  } else if (line.empty()) {
    if (response.status >= 200) response.headersEnded = true;
    if (response.headersEnded && response.expectBody && response.contentLength > 0) {
      response.body.Reserve(static_cast<size_t>(std::min(response.contentLength, kMaxReservation)));
    }
    if (response.headersEnded && response.stopAtHeaders) {
      // libcurl thinks it sent a POST and would wait for a body that a HEAD answer never has.
      response.stoppedAtHeaders = true;
      return 0;
    }
    return length;
  } else if (response.headersEnded) {
    return length;
  }
  if (const size_t colon = line.find(':'); colon != std::string_view::npos) {
    const std::string_view name = line.substr(0, colon);
    const std::string_view value = Trim(line.substr(colon + 1));
    if (EqualsIgnoringCase(name, "Location")) response.location = value;
    if (EqualsIgnoringCase(name, "Content-Length")) {
      response.contentLength = std::strtoll(std::string(value).c_str(), nullptr, 10);
    }
  }
  response.headers.append(line).append("\r\n");
  return length;
}

size_t OnBodyBytes(char* data, size_t size, size_t count, void* context) noexcept {
  static_cast<HopResponse*>(context)->body.Append(data, size * count);
  return size * count;
}

// The header list handed to libcurl: the block's lines, then empty entries that stop libcurl
// from adding its own Accept, Content-Type, Expect or Proxy-Connection line.
Slist HeaderList(const std::vector<std::string>& lines) {
  constexpr std::array<std::string_view, 4> kSuppressed = {"Accept", "Content-Type", "Expect",
                                                           "Proxy-Connection"};
  std::vector<std::string> entries;
  std::array<bool, kSuppressed.size()> present{};
  for (const std::string& line : lines) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0) continue;  // not a header line
    const std::string_view name = Trim(std::string_view(line).substr(0, colon));
    for (size_t i = 0; i < kSuppressed.size(); ++i) {
      if (EqualsIgnoringCase(name, kSuppressed[i])) present[i] = true;
    }
    // libcurl reads "Name:" with nothing after it as "remove Name"; "Name;" sends "Name:".
    const bool emptyValue = Trim(std::string_view(line).substr(colon + 1)).empty();
    entries.push_back(emptyValue ? line.substr(0, colon) + ";" : line);
  }
  for (size_t i = 0; i < kSuppressed.size(); ++i) {
    if (!present[i]) entries.push_back(std::string(kSuppressed[i]) + ":");
  }
  curl_slist* list = nullptr;
  for (const std::string& entry : entries) {
    curl_slist* longer = curl_slist_append(list, entry.c_str());
    if (longer == nullptr) {
      curl_slist_free_all(list);
      return nullptr;
    }
    list = longer;
  }
  return Slist(list);
}

std::string Origin(const HopTarget& hop) {
  std::string origin = hop.https ? "https://" : "http://";
  origin += hop.host;
  if (hop.port != (hop.https ? 443 : 80)) origin += ":" + std::to_string(hop.port);
  return origin;
}

// The next hop for a Location answer, resolved against the current one; absent when it
// names no usable http or https address.
std::optional<HopTarget> RedirectTarget(const HopTarget& from, const std::string& location) {
  Url url(curl_url());
  if (!url) return std::nullopt;
  const unsigned flags = CURLU_URLENCODE | CURLU_ALLOW_SPACE;
  if (curl_url_set(url.get(), CURLUPART_URL, (Origin(from) + from.target).c_str(), flags) !=
          CURLUE_OK &&
      curl_url_set(url.get(), CURLUPART_URL, (Origin(from) + "/").c_str(), 0) != CURLUE_OK) {
    return std::nullopt;
  }
  if (curl_url_set(url.get(), CURLUPART_URL, location.c_str(), flags) != CURLUE_OK) {
    return std::nullopt;
  }
  auto part = [&](CURLUPart which, unsigned getFlags = 0) -> std::string {
    char* text = nullptr;
    if (curl_url_get(url.get(), which, &text, getFlags) != CURLUE_OK) return std::string();
    return std::string(CurlString(text).get());
  };
  const std::string scheme = part(CURLUPART_SCHEME);
  if (scheme != "http" && scheme != "https") return std::nullopt;
  HopTarget next;
  next.https = scheme == "https";
  next.host = part(CURLUPART_HOST);
  for (char& c : next.host) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  next.port = std::atoi(part(CURLUPART_PORT, CURLU_DEFAULT_PORT).c_str());
  next.target = part(CURLUPART_PATH);
  if (const std::string query = part(CURLUPART_QUERY); !query.empty()) next.target += "?" + query;
  if (next.host.empty() || next.port < 1 || next.port > 65535) return std::nullopt;
  return next;
}

bool IsFollowedRedirect(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

std::vector<std::string> CookieLines(CURL* curl) {
  std::vector<std::string> lines;
  curl_slist* list = nullptr;
  if (curl_easy_getinfo(curl, CURLINFO_COOKIELIST, &list) != CURLE_OK) return lines;
  Slist owned(list);
  for (curl_slist* item = list; item != nullptr; item = item->next) lines.emplace_back(item->data);
  return lines;
}

// Ends a transfer once bytes have flowed and then none moved for the stall limit. libcurl's
// low-speed check averages over several seconds, so after a burst it would wait far longer.
struct StallWatch {
  curl_off_t moved = 0;
  std::chrono::steady_clock::time_point since = std::chrono::steady_clock::now();
};

int OnProgress(void* context, curl_off_t, curl_off_t received, curl_off_t, curl_off_t sent) {
  auto& watch = *static_cast<StallWatch*>(context);
  const auto now = std::chrono::steady_clock::now();
  if (received + sent != watch.moved) {
    watch.moved = received + sent;
    watch.since = now;
    return 0;
  }
  // Before the first byte the low-speed limit does the watching.
  return watch.moved > 0 && now - watch.since >= std::chrono::seconds(stallTimeoutSeconds.load());
}

}  // namespace

void SetTransferTimeoutsForTesting(TransferTimeouts timeouts) {
  connectTimeoutSeconds = static_cast<long>(timeouts.connect.count());
  stallTimeoutSeconds = static_cast<long>(timeouts.stall.count());
}

struct CurlTransfer::Handle {
  CURL* curl = nullptr;
  ~Handle() {
    if (curl != nullptr) curl_easy_cleanup(curl);
  }

  // One exchange: sends `verb` (with `body` unless it is null) to `hop` and reads the answer.
  // Returns false when libcurl reports a failure other than the deliberate stop of a HEAD.
  bool Exchange(const HopTarget& hop, const std::string& verb, const std::string* body,
                const TransferRequest& request, HopResponse& response) {
    const bool viaProxy = !request.proxy.empty() && (!hop.https || request.proxyForHttps);
    const std::string proxy = !viaProxy ? std::string()
                              : request.proxy.find("://") == std::string::npos
                                  ? "http://" + request.proxy
                                  : request.proxy;
    // A plain-http request through a proxy names the whole address; a tunnel does not.
    const std::string target = viaProxy && !hop.https ? Origin(hop) + hop.target : hop.target;
    const std::string address = Origin(hop) + "/";

    curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
    curl_easy_setopt(curl, CURLOPT_REQUEST_TARGET, target.c_str());
    curl_easy_setopt(curl, CURLOPT_PROXY, proxy.c_str());  // "" also ignores proxy variables

    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, static_cast<char*>(nullptr));
    response.expectBody = verb != "HEAD";
    if (verb == "GET") {
      curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    } else if (verb == "HEAD" && (body == nullptr || body->empty())) {
      curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    } else {
      static const std::string kNoBody;
      const std::string& sent = body != nullptr ? *body : kNoBody;
      curl_easy_setopt(curl, CURLOPT_NOBODY, 0L);
      curl_easy_setopt(curl, CURLOPT_POST, 1L);
      curl_easy_setopt(curl, CURLOPT_POSTFIELDS, sent.data());
      curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(sent.size()));
      if (verb == "HEAD") {
        // Sent as a POST renamed HEAD, the only way libcurl sends a body with it.
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "HEAD");
        response.stopAtHeaders = true;
      }
    }
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &response);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &response);
    StallWatch watch;
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &watch);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);

    const CURLcode result = curl_easy_perform(curl);
    return result == CURLE_OK || (result == CURLE_WRITE_ERROR && response.stoppedAtHeaders);
  }
};

CurlTransfer::CurlTransfer() {
  if (!CurlReady()) return;
  auto handle = std::make_unique<Handle>();
  handle->curl = curl_easy_init();
  if (handle->curl != nullptr) handle_ = std::move(handle);
}

CurlTransfer::~CurlTransfer() = default;

bool CurlTransfer::IsOpen() const { return handle_ != nullptr; }

TransferResult CurlTransfer::Run(const TransferRequest& request) {
  CURL* curl = handle_->curl;
  Slist headers = HeaderList(request.headerLines);
  if (!headers) return TransferResult();

  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);            // hops are followed below
  curl_easy_setopt(curl, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);  // a tunnel answer is no answer
  curl_easy_setopt(curl, CURLOPT_USERAGENT, request.agent.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeaderLine);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBodyBytes);
  curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, static_cast<long>(CURL_MAX_READ_SIZE));
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, connectTimeoutSeconds.load());
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, stallTimeoutSeconds.load());

  std::vector<std::string> storedBefore;
  if (request.useCookieStore) {
    curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");  // switches the cookie engine on
    storedBefore = cookie_store::Snapshot();
    for (const std::string& line : storedBefore) {
      curl_easy_setopt(curl, CURLOPT_COOKIELIST, line.c_str());
    }
  }

  TransferResult result;
  HopTarget hop = request.first;
  std::string verb = request.verb;
  const std::string* body = request.body ? &*request.body : nullptr;
  for (int redirects = 0;; ++redirects) {
    HopResponse response;
    const bool whole = handle_->Exchange(hop, verb, body, request, response);
    if (!response.headersEnded) break;  // no answer
    if (request.followRedirects && IsFollowedRedirect(response.status) &&
        !response.location.empty()) {
      if (std::optional<HopTarget> next = RedirectTarget(hop, response.location)) {
        if (redirects == kMaxRedirects) break;
        // As browsers do: 303 always, 301 and 302 for a POST, go on without the body.
        if (response.status == 303 ||
            ((response.status == 301 || response.status == 302) && verb == "POST")) {
          if (verb == "POST") verb = "GET";
          body = nullptr;
        }
        hop = std::move(*next);
        continue;
      }
    }
    result.headers = std::move(response.headers);
    if (whole) result.body = response.body.Take();
    break;
  }

  if (request.useCookieStore) cookie_store::Update(storedBefore, CookieLines(curl));
  return result;
}

}  // namespace zerulin

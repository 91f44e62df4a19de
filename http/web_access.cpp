#include "http/web_access.h"

#include <string>
#include <vector>

#include "http/cookies.h"
#include "http/curl_transfer.h"
#include "http/request_headers.h"
#include "http/response_headers.h"
#include "http/url.h"
#include "text/case.h"

namespace zerulin {
namespace {

bool IsHttpsUrl(const Text& url) { return ToLowerCase(TextLeft(url, 5)) == Text("https"); }

// A server name that can be dialled as it stands: letters, digits, dots, hyphens, underscores.
bool IsUsableHost(std::string_view host) {
  if (host.empty()) return false;
  for (char c : host) {
    const bool usable =
        (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
    if (!usable) return false;
  }
  return true;
}

// Host, port and path of `url`, or nothing when it cannot be requested safely: a line break
// anywhere would split the request line or the Referer line; a port outside 1..65535 would
// otherwise wrap around to some other port.
std::optional<HopTarget> FirstHop(const Text& url) {
  if (url.view().find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
  HopTarget hop;
  hop.https = IsHttpsUrl(url);
  hop.host = UrlHost(url).str();
  hop.port = UrlPort(url);
  if (hop.port == 0) hop.port = hop.https ? 443 : 80;  // the platform's "default port"
  hop.target = UrlPath(url).str();
  if (!IsUsableHost(hop.host) || hop.port < 1 || hop.port > 65535) return std::nullopt;
  return hop;
}

// The block's lines. A CR or LF that is not part of a CR LF separator would let the server
// read the headers differently from the block, so such a block is not sent at all.
std::optional<std::vector<std::string>> HeaderLines(std::string_view block) {
  std::vector<std::string> lines;
  for (size_t begin = 0; begin <= block.size();) {
    size_t end = block.find("\r\n", begin);
    if (end == std::string_view::npos) end = block.size();
    const std::string_view line = block.substr(begin, end - begin);
    if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
    if (!line.empty()) lines.emplace_back(line);
    begin = end + 2;
  }
  return lines;
}

// The agent string goes out as one header line: it ends at its first line break, which the
// fallback to the value after the block's first colon can take in.
std::string OneLine(std::string_view text) {
  return std::string(text.substr(0, text.find_first_of("\r\n")));
}

}  // namespace

Bytes WebAccess(const Text& url, const WebAccessOptions& options) {
  int method = options.method.value_or(0);
  if (method < 0 || method > 2) method = 0;
  static constexpr const char* kVerbs[] = {"GET", "POST", "HEAD"};

  const std::optional<HopTarget> first = FirstHop(url);
  if (!first) return Bytes();
  CurlTransfer transfer;
  if (!transfer.IsOpen()) return Bytes();

  const Text callerHeaders = options.extraHeaders ? *options.extraHeaders : Text();
  const Text cookieLine = options.cookieText ? *options.cookieText : Text();
  const Text block = CompleteHeaderBlock(callerHeaders, url, cookieLine);
  std::optional<std::vector<std::string>> lines = HeaderLines(block.view());
  if (!lines) return Bytes();

  // From here on the request counts as sent, and the caller's variables are written.
  if (options.extraHeaders) *options.extraHeaders = block;
  TransferRequest request{
      .first = *first,
      .verb = kVerbs[method],
      .agent = OneLine(AgentString(callerHeaders).view()),
      .headerLines = std::move(*lines),
      .proxy = options.proxy.value_or(Text()).str(),
      // A proxy named alone serves every scheme; for an http URL it is given as "http=" and so
      // serves plain http only, and an https hop after a redirect goes direct.
      .proxyForHttps = IsHttpsUrl(url),
      .followRedirects = !options.noRedirect.value_or(false),
      .useCookieStore = options.cookieText == nullptr,
  };
  if (method != 0) {
    Bytes postBytes = options.postBytes ? *options.postBytes : Bytes();
    if (postBytes.empty()) {
      postBytes = TextToBytes(options.postText.value_or(Text()));
      if (options.postBytes) *options.postBytes = postBytes;
    }
    request.body = std::string(postBytes.view());
  }

  TransferResult answer = transfer.Run(request);

  const Text rawHeaders =
      answer.headers ? RawHeaderText(*answer.headers) : BlankText(kRawHeaderCapacity);
  if (options.rawHeaders) *options.rawHeaders = rawHeaders;
  Text returnedCookies = ReturnedCookies(rawHeaders);
  if (options.cookieText) MergeCookies(options.cookieText, &returnedCookies);
  if (options.returnedCookies) *options.returnedCookies = returnedCookies;
  return Bytes(std::move(answer.body));
}

}  // namespace zerulin

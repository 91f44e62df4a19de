#include "http/request_headers.h"

#include "http/text_between.h"
#include "text/find.h"
#include "text/spaces.h"

namespace zerulin {
namespace {

constexpr char kDefaultAgent[] = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

bool Contains(const Text& block, const Text& sought) { return FindText(block, sought) != -1; }

}  // namespace

Text AgentString(const Text& extraHeaders) {
  if (FindText(extraHeaders, "User-Agent:", 1, /*ignoreCase=*/true) == -1) {
    return Text(kDefaultAgent);
  }
  const Text agent = TrimBothEnds(TextBetween(extraHeaders, "User-Agent:", "\r\n"));
  return agent.empty() ? ValueAfterColon(extraHeaders) : agent;
}

Text CompleteHeaderBlock(const Text& extraHeaders, const Text& url, const Text& cookieText) {
  std::string block(extraHeaders.view());
  if (block.empty()) {
    block = "Accept: */*";
  } else if (!Contains(Text(block), "Accept:")) {
    block += "\r\nAccept: */*";
  }
  if (!Contains(Text(block), "Referer:")) block.append("\r\nReferer: ").append(url.view());
  if (!Contains(Text(block), "Accept-Language:")) block += "\r\nAccept-Language: zh-cn";
  if (!Contains(Text(block), "Content-Type:")) {
    block += "\r\nContent-Type: application/x-www-form-urlencoded";
  }
  if (!cookieText.empty()) block.append("\r\nCookie: ").append(cookieText.view());
  return Text(std::move(block));
}

}  // namespace zerulin

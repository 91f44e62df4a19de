// WebAccess: one self-contained HTTP request (GET, POST or HEAD).
#pragma once

#include <optional>

#include "text/bytes.h"
#include "text/text.h"

namespace zerulin {

// The optional arguments of WebAccess. A null pointer is an absent in/out or out argument.
struct WebAccessOptions {
  std::optional<int> method = {};     // 0 GET, 1 POST, 2 HEAD; anything else is GET
  std::optional<Text> postText = {};  // the POST/HEAD body when *postBytes is empty
  // Supplying a cookie variable at all, even holding the empty text, switches the
  // process-wide cookie store off for this request; the answer's cookies are merged into it.
  Text* cookieText = nullptr;
  Text* returnedCookies = nullptr;      // out: the answer's cookies as "a=1; b=2"
  Text* extraHeaders = nullptr;         // in/out: the caller's header block, then the completed one
  Text* rawHeaders = nullptr;           // out: status line and header lines, each ended by CR LF
  std::optional<bool> noRedirect = {};  // true: the 3xx answer itself is returned
  Bytes* postBytes = nullptr;           // in/out: the body; filled from postText when empty
  std::optional<Text> proxy = {};       // host:port; empty means a direct connection
};

// Sends one request for `url` and returns the response body; empty on failure.
Bytes WebAccess(const Text& url, const WebAccessOptions& options = {});

}  // namespace zerulin

// The request side of WebAccess: the agent string and the completed header block.
#pragma once

#include "text/text.h"

namespace zerulin {

// The agent string for a request with the caller's `extraHeaders`: when "User-Agent:" occurs
// in any case, the trimmed text between an exact "User-Agent:" and the next CR LF, or failing
// that the value after the block's first colon; otherwise the default browser string.
//   AgentString("user-agent: X") == "X"
//   AgentString("User-Agent: X\r\nAccept: y") == "X"
Text AgentString(const Text& extraHeaders);

// `extraHeaders` with the default lines it lacks appended in a fixed order: Accept, Referer
// (`url` as given), Accept-Language, Content-Type, then Cookie when `cookieText` is not empty.
// Each presence test is case-sensitive: a caller's "accept: x" still gets "Accept: */*".
Text CompleteHeaderBlock(const Text& extraHeaders, const Text& url, const Text& cookieText);

}  // namespace zerulin

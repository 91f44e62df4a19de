// The response side of WebAccess: the raw header text and the cookies read from it.
#pragma once

#include <string_view>

#include "text/text.h"

namespace zerulin {

// Capacity of the raw header text in bytes, its terminating zero included.
inline constexpr int kRawHeaderCapacity = 5000;

// The raw header text for `received` (status line and header lines, each ended by CR LF) with
// every "Set-Cookie" in any letter case written exactly so; kRawHeaderCapacity spaces when the
// lines and a terminating zero would not fit, the same as when no response arrived.
Text RawHeaderText(std::string_view received);

// One name=value piece for every line of `rawHeaders` that holds "Set-Cookie" (exact case),
// in order, joined by "; ": the text up to the line's first ";" after "Set-Cookie:", or the
// whole line without its "Set-Cookie:" when it has no ";". Trimmed of spaces.
//   "Set-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n" -> "a=1; b=2"
Text ReturnedCookies(const Text& rawHeaders);

}  // namespace zerulin

#include "http/response_headers.h"

#include <string>

#include "http/text_between.h"
#include "text/bytes.h"
#include "text/find.h"
#include "text/replace.h"
#include "text/spaces.h"
#include "text/split.h"

namespace zerulin {

Text RawHeaderText(std::string_view received) {
  if (received.size() + 1 > static_cast<size_t>(kRawHeaderCapacity)) {
    return BlankText(kRawHeaderCapacity);
  }
  return ReplaceSubtext(Text(received), "Set-Cookie", Text("Set-Cookie"));
}

Text ReturnedCookies(const Text& rawHeaders) {
  std::string cookies;
  for (const Text& line : SplitText(rawHeaders, Text("\r\n"))) {
    if (FindText(line, "Set-Cookie") == -1) continue;
    const Text piece = FindText(line, ";") != -1
                           ? TrimBothEnds(TextBetween(line, "Set-Cookie:", ";"))
                           : TrimBothEnds(ReplaceSubtext(line, "Set-Cookie:", Text()));
    cookies.append(piece.view());
    cookies.append("; ");
  }
  if (!cookies.empty()) cookies.resize(cookies.size() - 2);
  return Text(std::move(cookies));
}

}  // namespace zerulin

#include "http/text_between.h"

#include "text/find.h"
#include "text/replace.h"
#include "text/spaces.h"

namespace zerulin {
namespace {

// "#引号" in code page 936: lets a caller write a double quote inside a marker.
constexpr char kQuoteToken[] = "#\xD2\xFD\xBA\xC5";

Text WithQuotes(const Text& marker) {
  return ReplaceSubtext(marker, kQuoteToken, Text("\""), {}, {}, /*caseSensitive=*/true);
}

}  // namespace

Text TextBetween(const Text& text, const Text& leftMarker, const Text& rightMarker,
                 std::optional<int> start, std::optional<bool> ignoreCase) {
  const Text left = WithQuotes(leftMarker);
  const Text right = WithQuotes(rightMarker);
  int after = FindText(text, left, start.value_or(0), ignoreCase);
  if (after != -1) after += TextLength(left);
  const int end = FindText(text, right, after, ignoreCase);
  if (after == -1 || end == -1) return Text();
  return TextMid(text, after, end - after);
}

Text ValueAfterColon(const Text& text) {
  const int colon = FindText(text, ":");
  if (colon == -1) return Text();
  return TrimBothEnds(TextRight(text, TextLength(text) - colon));
}

}  // namespace zerulin

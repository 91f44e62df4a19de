// Cutting a piece out of a text by its markers or after its first colon.
#pragma once

#include <optional>

#include "text/text.h"

namespace zerulin {

// The bytes strictly between the first `leftMarker` at or after `start` (absent or < 1: the
// first byte) and the first `rightMarker` after it; the empty text when either is missing.
// Inside a marker the GBK token "#引号" stands for one double quote.
//   TextBetween("a]b[c]", "[", "]") == "c"   // a right marker before the left one never counts
//   TextBetween("x[1]y[2]", "[", "]", 4) == "2"
Text TextBetween(const Text& text, const Text& leftMarker, const Text& rightMarker,
                 std::optional<int> start = {}, std::optional<bool> ignoreCase = {});

// Everything after the first colon with surrounding spaces trimmed; empty without a colon.
//   ValueAfterColon("a:b:c") == "b:c"
Text ValueAfterColon(const Text& text);

}  // namespace zerulin

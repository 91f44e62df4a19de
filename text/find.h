// Searching a Text character by character.
#pragma once

#include <optional>

#include "text/text.h"

namespace zerulin {

// 1-based position of the first occurrence of `sought` at or after `start` (absent or < 1:
// from the first byte), tried only at character starts; -1 when there is none.
// An empty `sought` gives 1 unless the searched region is empty.
//   FindText("\xB0" "AA", "A") == 3   // the A at 2 is the second byte of a character
//   FindText("User-agent: x", "User-Agent:", {}, true) == 1
int FindText(const Text& text, const Text& sought, std::optional<int> start = {},
             std::optional<bool> ignoreCase = {});

// 1-based position of the last occurrence of `sought` lying wholly before `start` (absent: the
// end of the text), tried only at character starts; -1 when there is none.
//   FindTextReverse("a.b.c", ".") == 4, FindTextReverse("a.b.c", ".", 4) == 2
int FindTextReverse(const Text& text, const Text& sought, std::optional<int> start = {},
                    std::optional<bool> ignoreCase = {});

}  // namespace zerulin

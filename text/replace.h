// Replacing occurrences inside a Text.
#pragma once

#include <optional>

#include "text/text.h"

namespace zerulin {

// `text` with occurrences of `sought` replaced by `replacement` (absent: deleted), walking
// from `start` (absent: 1) and stopping after `count` replacements (absent or negative: all;
// 0: none). Matching is case-insensitive unless `caseSensitive` is true - the opposite sense
// of FindText's flag. A truncated last character reached by the walk is dropped.
//   ReplaceSubtext("a-b-c", "-", "+", 3) == "a-b+c"
//   ReplaceSubtext("aaa", "aa", "b") == "ba"
Text ReplaceSubtext(const Text& text, const Text& sought, std::optional<Text> replacement = {},
                    std::optional<int> start = {}, std::optional<int> count = {},
                    std::optional<bool> caseSensitive = {});

}  // namespace zerulin

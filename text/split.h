// Cutting a Text into pieces.
#pragma once

#include <optional>

#include "text/text.h"
#include "text/text_array.h"

namespace zerulin {

// The pieces of `text` between occurrences of `separator` (absent: ","), matched exactly at
// character starts. At most `limit` pieces (absent: no limit; 0 or negative: none); what
// follows the limit-th separator is dropped. An empty last piece is not kept.
//   SplitText(";a;;b;", ";") == [ "", "a", "", "b" ]
//   SplitText("\xB0;a;b", ";") == [ "\xB0;a", "b" ]   // the first ; is a second byte
TextArray SplitText(const Text& text, std::optional<Text> separator = {},
                    std::optional<int> limit = {});

}  // namespace zerulin

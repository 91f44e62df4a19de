// Removing spaces: the byte 0x20 and the full-width space A1 A1. Tabs and line breaks stay.
#pragma once

#include "text/text.h"

namespace zerulin {

// `text` without leading and trailing spaces. A truncated last character is cut off and
// then nothing more is removed from the end: TrimBothEnds("ab \xB0") == "ab ".
Text TrimBothEnds(const Text& text);

// `text` without any space; a truncated last character is dropped too.
//   RemoveAllSpaces(" a \xA1\xA1" "b ") == "ab"
Text RemoveAllSpaces(const Text& text);

}  // namespace zerulin

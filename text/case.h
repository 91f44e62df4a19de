// ASCII letter case, never decided by a locale.
#pragma once

#include "text/text.h"

namespace zerulin {

// `text` with one-byte capitals A-Z made small. Two-byte characters stay as they are, also
// when their second byte is a capital: ToLowerCase("\xB0" "A" "B") == "\xB0" "Ab".
Text ToLowerCase(const Text& text);

}  // namespace zerulin

// Conversions between UTF-8, UTF-16LE and code page 936 (GBK).
#pragma once

#include <optional>

#include "text/bytes.h"
#include "text/text.h"

namespace zerulin {

// A UTF-8 page as code page 936 text; a zero byte in the page ends the text.
//   Utf8ToGbk("\xE4\xB8\xAD" "a") == "\xD6\xD0" "a"
Text Utf8ToGbk(const Bytes& utf8);

// The UTF-16LE image of `text`, always ending with a zero unit.
//   GbkToUtf16("AB") == "A\0B\0\0\0"
Bytes GbkToUtf16(const Text& text);

// As GbkToUtf16, without the zero unit when `dropTerminator` is true; empty for empty text.
Bytes GbkToUtf16Opt(const Text& text, std::optional<bool> dropTerminator = {});

// A UTF-16LE image (odd last byte ignored) as code page 936 text, composing a base character
// and a following combining mark where a precomposed character exists; a zero unit ends it.
Text Utf16ToGbk(const Bytes& utf16);

}  // namespace zerulin

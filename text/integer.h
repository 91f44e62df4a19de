// Integers to and from Text, and the bitwise OR of flags.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace zerulin {

// The decimal number at the start of `text`: leading white space (0x09-0x0D, 0x20) skipped,
// one optional sign, then digits, wrapping modulo 2^32; 0 when no digit follows. Full-width
// forms read as their ASCII forms first (A3 B1 A3 B2 reads as 12; A1 A1 as a space).
//   ToInteger("  42abc") == 42, ToInteger("2147483648") == -2147483648, ToInteger("0x1F") == 0
int32_t ToInteger(const Text& text);

// Shortest decimal form with a leading minus for negatives: ToText(-25) == "-25".
Text ToText(int32_t value);

// Bitwise OR of all arguments, 32 bits wide.
template <typename... More>
int32_t BitOr(int32_t first, int32_t second, More... more) {
  uint32_t bits = static_cast<uint32_t>(first) | static_cast<uint32_t>(second);
  ((bits |= static_cast<uint32_t>(more)), ...);
  return static_cast<int32_t>(bits);
}

}  // namespace zerulin

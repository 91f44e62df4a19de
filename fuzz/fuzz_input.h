// Helpers shared by the libFuzzer targets: drawing optional arguments from the input, and
// stopping with a readable message when an operation disagrees with its reference.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zerulin::fuzz {

// Absent, a position or count near a short text, or any 32-bit value.
inline std::optional<int> ConsumeOptionalInt(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
      return std::nullopt;
    case 1:
      return input.ConsumeIntegral<int>();
    default:
      return input.ConsumeIntegralInRange(-4, 64);
  }
}

inline std::optional<bool> ConsumeOptionalBool(FuzzedDataProvider& input) {
  int pick = input.ConsumeIntegralInRange(0, 2);
  return pick == 0 ? std::nullopt : std::optional<bool>(pick == 2);
}

inline std::optional<std::string> ConsumeOptionalText(FuzzedDataProvider& input, size_t most) {
  if (!input.ConsumeBool()) return std::nullopt;
  return input.ConsumeRandomLengthString(most);
}

inline std::string Show(int value) { return std::to_string(value); }

inline std::string Show(std::string_view bytes) {
  std::string hex = "[";
  char byte[4];
  for (unsigned char b : bytes) {
    std::snprintf(byte, sizeof byte, hex.size() > 1 ? " %02X" : "%02X", b);
    hex += byte;
  }
  return hex + "]";
}

inline std::string Show(const std::vector<std::string>& pieces) {
  std::string shown = "{";
  for (const std::string& piece : pieces) shown += Show(piece) + " ";
  return shown + "}";
}

// Aborts, so that libFuzzer keeps the input, when `got` differs from the reference's `want`.
template <typename T>
void ExpectSame(const char* operation, const T& got, const T& want) {
  if (got == want) return;
  std::fprintf(stderr, "%s: got %s, reference %s\n", operation, Show(got).c_str(),
               Show(want).c_str());
  std::abort();
}

}  // namespace zerulin::fuzz

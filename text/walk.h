// The character walk shared by the text operations: a byte >= 0x80 opens a two-byte character.
#pragma once

#include <cstddef>
#include <string_view>

namespace zerulin::walk {

// True for a byte that opens a two-byte character (the top bit alone decides).
inline bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// Width in bytes of the character starting at `at`: 2 for a lead byte, else 1. A truncated
// last character (a lead byte with nothing after it) has width 2 and so runs past the end.
inline size_t CharWidth(std::string_view text, size_t at) { return IsLeadByte(text[at]) ? 2 : 1; }

// True when `at` holds a lead byte that is the last byte of the text.
inline bool IsTruncatedAt(std::string_view text, size_t at) {
  return at + 1 == text.size() && IsLeadByte(text[at]);
}

// ASCII capitals to small letters; every other byte unchanged. No locale is involved.
inline char FoldCase(char byte) { return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte; }

// Whether text[at, at + sought.size()) equals `sought`, folding letters at every byte when
// `ignoreCase`. The caller guarantees the bytes exist and that `sought` is not empty.
inline bool EqualAt(std::string_view text, size_t at, std::string_view sought, bool ignoreCase) {
  if (!ignoreCase) {
    return text[at] == sought[0] && text.compare(at, sought.size(), sought) == 0;
  }
  for (size_t k = 0; k < sought.size(); ++k) {
    if (FoldCase(text[at + k]) != FoldCase(sought[k])) return false;
  }
  return true;
}

}  // namespace zerulin::walk

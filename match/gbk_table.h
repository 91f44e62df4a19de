// Code page 936 character by character, read once from ICU's "windows-936" converter, so that
// converting a large page needs a table look-up per character instead of converter calls.
// Where the table has no answer (0) the caller hands the rest of its input to the converter.
#pragma once

#include <cstdint>
#include <cstring>

namespace zerulin {

class GbkTable {
 public:
  // The table of this process, built on first use.
  static const GbkTable& Get();

  // The unit of a one-byte character; 0 for lead bytes and for the zero byte.
  char16_t Single(unsigned char byte) const { return decode_[byte]; }
  // The unit of the pair lead, trail; 0 unless the converter reads it as one character.
  char16_t Pair(unsigned char lead, unsigned char trail) const {
    return decode_[lead << 8 | trail];
  }
  // The bytes of `unit`: below 0x100 a single byte, else lead << 8 | trail; 0 for surrogates
  // and the zero unit.
  uint16_t Encode(char16_t unit) const { return encode_[unit]; }

 private:
  GbkTable();
  // Arrays rather than vectors: a byte written by a conversion loop may not alias them, so the
  // loop never reloads their address.
  char16_t decode_[0x10000] = {};
  uint16_t encode_[0x10000] = {};
};

// Whether the eight bytes at `bytes` are all below 0x80, which code page 936 shares with UTF-8
// and UTF-16: a page's markup can then be copied eight bytes at a time.
inline bool IsAsciiBlock(const char* bytes) {
  uint64_t block;
  std::memcpy(&block, bytes, sizeof block);
  return (block & 0x8080808080808080u) == 0;
}

}  // namespace zerulin

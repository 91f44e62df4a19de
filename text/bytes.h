// Bytes: a byte buffer of explicit length that may hold any byte, 0 included.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace zerulin {

class Bytes {
 public:
  Bytes() = default;
  Bytes(const char* bytes) : bytes_(bytes == nullptr ? "" : bytes) {}
  Bytes(std::string_view bytes) : bytes_(bytes) {}
  Bytes(const std::string& bytes) : bytes_(bytes) {}
  Bytes(std::string&& bytes) : bytes_(std::move(bytes)) {}

  std::string_view view() const { return bytes_; }
  bool empty() const { return bytes_.empty(); }

  friend bool operator==(const Bytes&, const Bytes&) = default;

 private:
  std::string bytes_;
};

// `count` zero bytes; empty when count <= 0.
Bytes BlankBytes(int count);

// `count` spaces (0x20); empty when count <= 0.
Text BlankText(int count);

// Number of bytes.
int BytesLength(const Bytes& buffer);

// The first min(count, length) bytes; empty when count <= 0.
Bytes BytesLeft(const Bytes& buffer, int count);

// The bytes of `text`, without a terminating 0.
Bytes TextToBytes(const Text& text);

// The bytes before the first 0 byte (all of them when there is none).
//   BytesToText("ab\0c") == "ab"
Text BytesToText(const Bytes& buffer);

// 0 when both buffers hold the same bytes; otherwise -1 or 1 (by length first, then by the
// first differing byte, unsigned).
int CompareBytes(const Bytes& a, const Bytes& b);

// All bytes of the arguments in order.
template <typename... More>
Bytes ConcatBytes(const Bytes& first, const Bytes& second, const More&... more) {
  std::string joined;
  joined.reserve(first.view().size() + second.view().size() +
                 (Bytes(more).view().size() + ... + 0));
  joined.append(first.view());
  joined.append(second.view());
  (joined.append(Bytes(more).view()), ...);
  return Bytes(std::move(joined));
}

}  // namespace zerulin

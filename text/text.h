// Text: a byte string in code page 936 that never holds the byte 0.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

namespace zerulin {

// A code page 936 byte string. Positions handed out by the routines over it are 1-based.
// Building a Text from bytes keeps only what stands before the first 0 byte, so
// Text("ab\0c") == Text("ab"). The empty text and an absent one are the same value.
class Text {
 public:
  Text() = default;
  Text(const char* bytes) : Text(std::string_view(bytes == nullptr ? "" : bytes)) {}
  Text(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}
  Text(const std::string& bytes) : Text(std::string_view(bytes)) {}
  Text(std::string&& bytes) : bytes_(std::move(bytes)) {
    if (auto zero = bytes_.find('\0'); zero != std::string::npos) bytes_.resize(zero);
  }

  std::string_view view() const { return bytes_; }
  const std::string& str() const { return bytes_; }
  bool empty() const { return bytes_.empty(); }

  friend bool operator==(const Text&, const Text&) = default;

 private:
  std::string bytes_;
};

// Number of bytes. TextLength("中a") == 3.
int TextLength(const Text& text);

// The first min(count, length) bytes; empty when count <= 0. May cut a two-byte character.
Text TextLeft(const Text& text, int count);

// The last min(count, length) bytes; empty when count <= 0.
Text TextRight(const Text& text, int count);

// Up to `count` bytes from 1-based `start`; empty when start < 1, start > length or count <= 0.
// TextMid("abcdef", 5, 10) == "ef".
Text TextMid(const Text& text, int start, int count);

// -1, 0 or 1 comparing bytes as unsigned values; a proper prefix is the smaller.
int CompareText(const Text& a, const Text& b);

// The one-byte text of `code` (0 to 255); the empty text for 0.
Text CharFromCode(int code);

// All bytes of the arguments in order.
template <typename... More>
Text ConcatText(const Text& first, const Text& second, const More&... more) {
  std::string joined;
  joined.reserve(first.view().size() + second.view().size() + (Text(more).view().size() + ... + 0));
  joined.append(first.view());
  joined.append(second.view());
  (joined.append(Text(more).view()), ...);
  return Text(std::move(joined));
}

}  // namespace zerulin

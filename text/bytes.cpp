#include "text/bytes.h"

#include <algorithm>
#include <cstring>

namespace zerulin {

Bytes BlankBytes(int count) {
  return count <= 0 ? Bytes() : Bytes(std::string(static_cast<size_t>(count), '\0'));
}

Text BlankText(int count) {
  return count <= 0 ? Text() : Text(std::string(static_cast<size_t>(count), ' '));
}

int BytesLength(const Bytes& buffer) { return static_cast<int>(buffer.view().size()); }

Bytes BytesLeft(const Bytes& buffer, int count) {
  if (count <= 0) return Bytes();
  return Bytes(buffer.view().substr(0, static_cast<size_t>(count)));
}

Bytes TextToBytes(const Text& text) { return Bytes(text.view()); }

Text BytesToText(const Bytes& buffer) { return Text(buffer.view()); }

int CompareBytes(const Bytes& a, const Bytes& b) {
  std::string_view x = a.view();
  std::string_view y = b.view();
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  int order = std::memcmp(x.data(), y.data(), x.size());
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

}  // namespace zerulin

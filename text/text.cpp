#include "text/text.h"

#include <algorithm>
#include <cstring>

namespace zerulin {

int TextLength(const Text& text) { return static_cast<int>(text.view().size()); }

Text TextLeft(const Text& text, int count) {
  if (count <= 0) return Text();
  return Text(text.view().substr(0, static_cast<size_t>(count)));
}

Text TextRight(const Text& text, int count) {
  if (count <= 0) return Text();
  std::string_view bytes = text.view();
  size_t kept = std::min(bytes.size(), static_cast<size_t>(count));
  return Text(bytes.substr(bytes.size() - kept));
}

Text TextMid(const Text& text, int start, int count) {
  std::string_view bytes = text.view();
  if (start < 1 || static_cast<size_t>(start) > bytes.size() || count <= 0) return Text();
  return Text(bytes.substr(static_cast<size_t>(start) - 1, static_cast<size_t>(count)));
}

int CompareText(const Text& a, const Text& b) {
  std::string_view x = a.view();
  std::string_view y = b.view();
  int order = std::memcmp(x.data(), y.data(), std::min(x.size(), y.size()));
  if (order == 0) order = x.size() < y.size() ? -1 : (x.size() > y.size() ? 1 : 0);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

Text CharFromCode(int code) {
  char byte = static_cast<char>(code & 0xFF);
  return Text(std::string_view(&byte, 1));
}

}  // namespace zerulin

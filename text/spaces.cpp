#include "text/spaces.h"

#include "text/walk.h"

namespace zerulin {
namespace {

// Width of the space character at `at`, or 0 when the character there is not a space.
size_t SpaceWidth(std::string_view text, size_t at) {
  if (text[at] == ' ') return 1;
  if (text[at] == '\xA1' && at + 1 < text.size() && text[at + 1] == '\xA1') return 2;
  return 0;
}

}  // namespace

Text TrimBothEnds(const Text& text) {
  std::string_view bytes = text.view();
  size_t first = 0;
  while (first < bytes.size()) {
    size_t space = SpaceWidth(bytes, first);
    if (space == 0) break;
    first += space;
  }
  size_t last = bytes.size();
  size_t runStart = std::string_view::npos;
  for (size_t at = first; at < bytes.size();) {
    if (walk::IsTruncatedAt(bytes, at)) {
      last = at;
      runStart = std::string_view::npos;
      break;
    }
    size_t space = SpaceWidth(bytes, at);
    if (space == 0) {
      runStart = std::string_view::npos;
      at += walk::CharWidth(bytes, at);
    } else {
      if (runStart == std::string_view::npos) runStart = at;
      at += space;
    }
  }
  if (runStart != std::string_view::npos) last = runStart;
  return Text(bytes.substr(first, last - first));
}

Text RemoveAllSpaces(const Text& text) {
  std::string_view bytes = text.view();
  std::string out;
  out.reserve(bytes.size());
  for (size_t at = 0; at < bytes.size();) {
    if (walk::IsTruncatedAt(bytes, at)) break;
    size_t space = SpaceWidth(bytes, at);
    if (space != 0) {
      at += space;
      continue;
    }
    size_t width = walk::CharWidth(bytes, at);
    out.append(bytes.substr(at, width));
    at += width;
  }
  return Text(std::move(out));
}

}  // namespace zerulin

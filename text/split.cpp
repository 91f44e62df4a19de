#include "text/split.h"

#include <algorithm>

#include "text/walk.h"

namespace zerulin {
namespace {

// An upper bound on the pieces: each separator begins with its first byte and takes
// separator-length bytes, so the array grows once instead of moving its pieces repeatedly.
size_t MostPieces(std::string_view text, std::string_view separator) {
  size_t starts = static_cast<size_t>(std::count(text.begin(), text.end(), separator[0]));
  return std::min(starts, text.size() / separator.size()) + 1;
}

}  // namespace

TextArray SplitText(const Text& text, std::optional<Text> separator, std::optional<int> limit) {
  std::string_view bytes = text.view();
  std::string_view mark = separator.has_value() ? separator->view() : std::string_view(",");
  TextArray pieces;
  if (bytes.empty() || (limit.has_value() && *limit <= 0)) return pieces;
  if (mark.empty()) {
    ArrayAppend(&pieces, text);
    return pieces;
  }
  size_t most = MostPieces(bytes, mark);
  pieces.Reserve(limit.has_value() ? std::min(most, static_cast<size_t>(*limit)) : most);
  size_t pieceStart = 0;
  size_t at = 0;
  while (at + mark.size() <= bytes.size()) {
    if (walk::EqualAt(bytes, at, mark, false)) {
      ArrayAppend(&pieces, Text(bytes.substr(pieceStart, at - pieceStart)));
      at += mark.size();
      pieceStart = at;
      if (limit.has_value() && ArrayCount(pieces) == *limit) return pieces;
      continue;
    }
    if (walk::IsTruncatedAt(bytes, at)) break;
    at += walk::CharWidth(bytes, at);
  }
  if (pieceStart < bytes.size()) ArrayAppend(&pieces, Text(bytes.substr(pieceStart)));
  return pieces;
}

}  // namespace zerulin

#include "text/find.h"

#include <algorithm>

#include "text/walk.h"

namespace zerulin {
namespace {

// Where a search region begins, 0-based: start - 1 raised to 0, or 0 when absent.
size_t RegionBegin(std::optional<int> start) {
  return start.has_value() && *start > 1 ? static_cast<size_t>(*start) - 1 : 0;
}

}  // namespace

int FindText(const Text& text, const Text& sought, std::optional<int> start,
             std::optional<bool> ignoreCase) {
  std::string_view bytes = text.view();
  std::string_view needle = sought.view();
  size_t begin = RegionBegin(start);
  if (begin >= bytes.size()) return -1;
  if (needle.empty()) return 1;
  bool fold = ignoreCase.value_or(false);
  for (size_t at = begin; at + needle.size() <= bytes.size(); at += walk::CharWidth(bytes, at)) {
    if (walk::EqualAt(bytes, at, needle, fold)) return static_cast<int>(at) + 1;
    if (walk::IsTruncatedAt(bytes, at)) break;
  }
  return -1;
}

int FindTextReverse(const Text& text, const Text& sought, std::optional<int> start,
                    std::optional<bool> ignoreCase) {
  std::string_view bytes = text.view();
  std::string_view needle = sought.view();
  size_t end = bytes.size();
  if (start.has_value()) end = std::min(end, *start > 1 ? static_cast<size_t>(*start) - 1 : 0);
  if (end == 0) return -1;
  if (needle.empty()) return 1;
  bool fold = ignoreCase.value_or(false);
  int found = -1;
  for (size_t at = 0; at + needle.size() <= end; at += walk::CharWidth(bytes, at)) {
    if (walk::EqualAt(bytes, at, needle, fold)) found = static_cast<int>(at) + 1;
    if (walk::IsTruncatedAt(bytes, at)) break;
  }
  return found;
}

}  // namespace zerulin

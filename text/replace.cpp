#include "text/replace.h"

#include "text/walk.h"

namespace zerulin {

Text ReplaceSubtext(const Text& text, const Text& sought, std::optional<Text> replacement,
                    std::optional<int> start, std::optional<int> count,
                    std::optional<bool> caseSensitive) {
  std::string_view bytes = text.view();
  std::string_view needle = sought.view();
  size_t begin = start.has_value() && *start > 1 ? static_cast<size_t>(*start) - 1 : 0;
  if (bytes.empty() || needle.empty() || begin >= bytes.size() || count == 0) return text;

  std::string_view with = replacement.has_value() ? replacement->view() : std::string_view();
  bool fold = !caseSensitive.value_or(false);
  int left = count.has_value() && *count > 0 ? *count : -1;
  std::string out;
  out.reserve(bytes.size());
  // Characters walked past are copied in runs, up to each occurrence, not one by one.
  size_t copied = 0;
  size_t at = begin;
  while (at + needle.size() <= bytes.size()) {
    if (walk::EqualAt(bytes, at, needle, fold)) {
      out.append(bytes.substr(copied, at - copied)).append(with);
      at += needle.size();
      copied = at;
      if (left > 0 && --left == 0) break;
      continue;
    }
    if (walk::IsTruncatedAt(bytes, at)) {
      // A truncated last character reached by the walk is dropped.
      out.append(bytes.substr(copied, at - copied));
      return Text(std::move(out));
    }
    at += walk::CharWidth(bytes, at);
  }
  out.append(bytes.substr(copied));
  return Text(std::move(out));
}

}  // namespace zerulin

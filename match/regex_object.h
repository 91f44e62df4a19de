// RegexObject: one regular expression applied to one subject, read back as code page 936.
#pragma once

#include <memory>
#include <optional>

#include "text/text.h"

namespace zerulin {

// Match numbers and group numbers are 1-based; positions are 0-based byte offsets in the
// subject, -2 when the search for the text finds nothing.
class RegexObject {
 public:
  RegexObject();
  RegexObject(const RegexObject& other);
  RegexObject& operator=(const RegexObject& other);
  ~RegexObject();

  // Runs `pattern` over `subject`; true when the engine produced a match list (maybe empty).
  // Defaults: case-insensitive, multiline, global, quote marker "#引号" left as it is.
  bool Create(const Text& pattern, const Text& subject, std::optional<bool> caseSensitive = {},
              std::optional<bool> multiline = {}, std::optional<bool> global = {},
              std::optional<bool> expandQuoteMarker = {});

  // The pattern of the last Create (marker expanded); empty before any Create.
  Text GetPattern() const;

  // The subject with the matches replaced by `replacement`.
  Text Replace(const Text& replacement) const;

  int MatchCount() const;

  // Text of match `index`; empty when out of range.
  Text MatchText(int index, int* position = nullptr) const;

  // Text of group `group` of match `index`; empty when out of range or when the group took
  // no part in the match.
  Text SubMatchText(int index, int group, int* position = nullptr) const;

  // Number of groups in the pattern when there is a match; 0 otherwise.
  int SubMatchCount() const;

 private:
  struct State;
  std::shared_ptr<const State> state_;
};

}  // namespace zerulin

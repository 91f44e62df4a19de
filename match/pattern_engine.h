// The pattern engine behind RegexObject: PCRE2 over UTF-16 code units, in the ECMAScript-like
// dialect of the original engine, with limits that make a runaway match fail instead of hang.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace zerulin {

struct MatchOptions {
  bool ignoreCase = false;
  bool multiline = false;  // "^" and "$" also at line feeds
  bool global = false;     // every match, left to right, instead of the first
};

// Where the matches of one run lie: match and group numbers 0-based here, group 0 being the
// whole match; offsets in UTF-16 units.
class MatchList {
 public:
  static constexpr uint32_t kUnset = UINT32_MAX;

  int Count() const { return count_; }
  int GroupCount() const { return groups_; }
  // [begin, end) of `group` in `match`; both kUnset when the group took no part.
  std::pair<uint32_t, uint32_t> Span(int match, int group) const {
    size_t at = (static_cast<size_t>(match) * (groups_ + 1) + group) * 2;
    return {offsets_[at], offsets_[at + 1]};
  }

 private:
  friend class CompiledPattern;
  int count_ = 0;
  int groups_ = 0;
  std::vector<uint32_t> offsets_;
};

class CompiledPattern {
 public:
  // The compiled pattern; null when it is not a valid pattern of the dialect.
  static std::unique_ptr<CompiledPattern> Compile(std::u16string_view pattern,
                                                  MatchOptions options);
  ~CompiledPattern();

  // Every match in `subject` (only the first without `global`); after an empty match the next
  // search starts one unit further on. Absent when the engine gives up (match limit, stack).
  std::optional<MatchList> FindAll(std::u16string_view subject) const;

  int GroupCount() const;

 private:
  struct Code;
  explicit CompiledPattern(std::unique_ptr<Code> code, MatchOptions options);
  std::unique_ptr<Code> code_;
  MatchOptions options_;
};

}  // namespace zerulin

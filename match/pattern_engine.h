// The pattern engine behind RegexObject: PCRE2 over UTF-16 code units, in the ECMAScript-like
// dialect of the original engine, with limits that make a runaway match fail instead of hang.
#pragma once

#include <chrono>
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

  MatchList(MatchList&&) = default;
  MatchList& operator=(MatchList&&) = default;
  ~MatchList();

  int Count() const { return count_; }
  int GroupCount() const { return groups_; }
  // [begin, end) of `group` in `match`; both kUnset when the group took no part.
  std::pair<uint32_t, uint32_t> Span(int match, int group) const {
    size_t at = (static_cast<size_t>(match) * (groups_ + 1) + group) * 2;
    const uint32_t* chunk = chunks_.blocks[at / kChunk].get();
    return {chunk[at % kChunk], chunk[at % kChunk + 1]};
  }

 private:
  friend class CompiledPattern;
  // Offsets live in fixed chunks rather than one growing array: a page with 100 000 matches
  // never copies them over again nor touches twice the memory it needs. The chunks of the
  // last list let go of on a thread serve the next list made there.
  static constexpr size_t kChunk = 1 << 16;  // even, so a begin and its end share a chunk
  struct Chunks {
    std::vector<std::unique_ptr<uint32_t[]>> blocks;
    size_t capacity() const { return blocks.size() * kChunk; }
  };
  explicit MatchList(int groups);
  void Append(uint32_t offset) {
    if (size_ == chunks_.capacity()) {
      chunks_.blocks.push_back(std::make_unique_for_overwrite<uint32_t[]>(kChunk));
    }
    chunks_.blocks[size_ / kChunk][size_ % kChunk] = offset;
    ++size_;
  }
  int count_ = 0;
  int groups_ = 0;
  size_t size_ = 0;
  Chunks chunks_;
};

class CompiledPattern {
 public:
  // The compiled pattern; null when it is not a valid pattern of the dialect.
  static std::unique_ptr<CompiledPattern> Compile(std::u16string_view pattern,
                                                  MatchOptions options);
  ~CompiledPattern();

  // Every match in `subject` (only the first without `global`); after an empty match the next
  // search starts one unit further on. Absent when the engine gives up on one search (match
  // limit, stack) or when all searches together take longer than `budget`.
  std::optional<MatchList> FindAll(std::u16string_view subject,
                                   std::chrono::milliseconds budget = kSearchBudget) const;

  // Each search is bounded by a step limit, but a page built to need nearly that much for
  // every one of its many matches would still hold a query for minutes: this bounds them all.
  static constexpr std::chrono::milliseconds kSearchBudget{5000};

  int GroupCount() const;

 private:
  struct Code;
  explicit CompiledPattern(std::unique_ptr<Code> code, MatchOptions options);
  std::unique_ptr<Code> code_;
  MatchOptions options_;
};

}  // namespace zerulin

#include "match/pattern_engine.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <string>

#include "match/thread_spare.h"

namespace zerulin {
namespace {

// One search may take this many steps of the engine: far more than a table row of a real page
// needs, little enough that a pattern stuck in backtracking gives up within a moment.
constexpr uint32_t kMatchLimit = 10'000'000;
// The compiled matcher's stack grows up to this size; exhausting it fails the search.
constexpr size_t kJitStackStart = 32 * 1024;
constexpr size_t kJitStackMax = 8 * 1024 * 1024;

struct Free {
  void operator()(pcre2_code_16* p) const { pcre2_code_free_16(p); }
  void operator()(pcre2_compile_context_16* p) const { pcre2_compile_context_free_16(p); }
  void operator()(pcre2_match_context_16* p) const { pcre2_match_context_free_16(p); }
  void operator()(pcre2_match_data_16* p) const { pcre2_match_data_free_16(p); }
  void operator()(pcre2_jit_stack_16* p) const { pcre2_jit_stack_free_16(p); }
};
template <typename T>
using Owned = std::unique_ptr<T, Free>;

// ECMAScript's reading of \u, \x, an unset backreference and "[]"; "$" at the very end only.
// Code units are taken one by one, never as UTF-16 or Unicode properties, whatever the
// pattern asks for.
uint32_t CompileFlags(MatchOptions options) {
  uint32_t flags = PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF | PCRE2_ALLOW_EMPTY_CLASS |
                   PCRE2_DOLLAR_ENDONLY | PCRE2_NEVER_UTF | PCRE2_NEVER_UCP |
                   PCRE2_NEVER_BACKSLASH_C;
  if (options.ignoreCase) flags |= PCRE2_CASELESS;
  if (options.multiline) flags |= PCRE2_MULTILINE;
  return flags;
}

// ECMAScript reads a backslash before a letter it gives no meaning as that letter alone, where
// PCRE2 gives many such letters a meaning of its own (\a, \e, \h, \z, \Q...) or refuses them;
// and ECMAScript's \v is the one character U+000B, PCRE2's any vertical space.
std::u16string EcmaScriptEscapes(std::u16string_view pattern) {
  constexpr std::u16string_view kEscapeLetters = u"bBcdDfnrsStuvwWx";
  std::u16string translated;
  translated.reserve(pattern.size());
  for (size_t at = 0; at < pattern.size(); ++at) {
    char16_t c = pattern[at];
    if (c != u'\\' || at + 1 == pattern.size()) {
      translated.push_back(c);
      continue;
    }
    char16_t next = pattern[++at];
    bool letter = (next >= u'a' && next <= u'z') || (next >= u'A' && next <= u'Z');
    if (next == u'v') {
      translated += u"\\x0B";
    } else if (letter && kEscapeLetters.find(next) == std::u16string_view::npos) {
      translated.push_back(next);
    } else {
      translated.push_back(u'\\');
      translated.push_back(next);
    }
  }
  return translated;
}

uint32_t Offset(PCRE2_SIZE offset) {
  return offset == PCRE2_UNSET ? MatchList::kUnset : static_cast<uint32_t>(offset);
}

}  // namespace

MatchList::MatchList(int groups) : groups_(groups), chunks_(ThreadSpare<Chunks>::Take()) {}

MatchList::~MatchList() { ThreadSpare<Chunks>::Give(std::move(chunks_)); }

struct CompiledPattern::Code {
  Owned<pcre2_code_16> code;
};

CompiledPattern::CompiledPattern(std::unique_ptr<Code> code, MatchOptions options)
    : code_(std::move(code)), options_(options) {}

CompiledPattern::~CompiledPattern() = default;

std::unique_ptr<CompiledPattern> CompiledPattern::Compile(std::u16string_view pattern,
                                                          MatchOptions options) {
  Owned<pcre2_compile_context_16> context(pcre2_compile_context_create_16(nullptr));
  if (!context) return nullptr;
  // Only a line feed ends a line: "." takes a carriage return, "$" stops before "\n" alone.
  pcre2_set_newline_16(context.get(), PCRE2_NEWLINE_LF);
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  auto code = std::make_unique<Code>();
  std::u16string translated = EcmaScriptEscapes(pattern);
  code->code.reset(pcre2_compile_16(reinterpret_cast<PCRE2_SPTR16>(translated.data()),
                                    translated.size(), CompileFlags(options), &error, &errorOffset,
                                    context.get()));
  if (!code->code) return nullptr;
  // Without the compiled matcher the interpreter runs the same pattern, only slower.
  pcre2_jit_compile_16(code->code.get(), PCRE2_JIT_COMPLETE);
  return std::unique_ptr<CompiledPattern>(new CompiledPattern(std::move(code), options));
}

int CompiledPattern::GroupCount() const {
  uint32_t groups = 0;
  pcre2_pattern_info_16(code_->code.get(), PCRE2_INFO_CAPTURECOUNT, &groups);
  return static_cast<int>(groups);
}

std::optional<MatchList> CompiledPattern::FindAll(std::u16string_view subject,
                                                  std::chrono::milliseconds budget) const {
  auto deadline = std::chrono::steady_clock::now() + budget;
  pcre2_code_16* code = code_->code.get();
  Owned<pcre2_match_data_16> data(pcre2_match_data_create_from_pattern_16(code, nullptr));
  Owned<pcre2_match_context_16> context(pcre2_match_context_create_16(nullptr));
  Owned<pcre2_jit_stack_16> stack(pcre2_jit_stack_create_16(kJitStackStart, kJitStackMax, nullptr));
  if (!data || !context || !stack) return std::nullopt;
  pcre2_set_match_limit_16(context.get(), kMatchLimit);
  pcre2_jit_stack_assign_16(context.get(), nullptr, stack.get());

  MatchList list(GroupCount());
  const auto* units = reinterpret_cast<PCRE2_SPTR16>(subject.data());
  const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer_16(data.get());
  PCRE2_SIZE start = 0;
  while (start <= subject.size()) {
    int found = pcre2_match_16(code, units, subject.size(), start, 0, data.get(), context.get());
    if (found == PCRE2_ERROR_NOMATCH) break;
    if (found < 0) return std::nullopt;
    for (int group = 0; group <= list.groups_; ++group) {
      list.Append(Offset(ovector[2 * group]));
      list.Append(Offset(ovector[2 * group + 1]));
    }
    ++list.count_;
    if (!options_.global) break;
    // The clock is read every 64 matches only; that costs nothing next to the searches.
    if (list.count_ % 64 == 0 && std::chrono::steady_clock::now() > deadline) return std::nullopt;
    // ECMAScript's rule: an empty match moves the next search one unit on, never retrying
    // at the same place for a longer match.
    start = ovector[1] > ovector[0] ? ovector[1] : ovector[1] + 1;
  }
  return list;
}

}  // namespace zerulin

#include "match/regex_object.h"

#include <mutex>
#include <string>

#include "match/code_units.h"
#include "match/pattern_engine.h"
#include "match/thread_spare.h"
#include "text/find.h"
#include "text/replace.h"

namespace zerulin {
namespace {

// The quote marker "#引号" in code page 936.
constexpr std::string_view kQuoteMarker = "#\xD2\xFD\xBA\xC5";

}  // namespace

// What one Create leaves behind. Never changed afterwards, so copies share it.
struct RegexObject::State {
  // The subject's memory goes to the next Create on the thread that lets go of it last.
  ~State() { ThreadSpare<std::u16string>::Give(std::move(subject)); }

  Text pattern;
  std::unique_ptr<CompiledPattern> engine;  // null for an invalid pattern
  std::u16string subject;
  std::optional<MatchList> matches;  // absent when the run failed

  // The subject back in code page 936 for position searches, made on the first one only.
  const Text& SubjectText() const {
    std::call_once(subjectTextOnce, [this] { subjectText = Text(UnitsToGbk(subject, true)); });
    return subjectText;
  }

  bool HasMatch(int index) const {
    return matches.has_value() && index >= 1 && index <= matches->Count();
  }

  std::u16string_view Units(std::pair<uint32_t, uint32_t> span) const {
    return std::u16string_view(subject).substr(span.first, span.second - span.first);
  }

  // `with` for match `match` in ECMAScript's replacement syntax: $$, $&, $`, $' and $1 to $99
  // (two digits when that group exists); any other "$" stands for itself.
  void AppendReplacement(std::u16string_view with, int match, std::u16string* out) const {
    auto [begin, end] = matches->Span(match, 0);
    auto digit = [&](size_t at) {
      return at < with.size() && with[at] >= u'0' && with[at] <= u'9';
    };
    for (size_t at = 0; at < with.size(); ++at) {
      char16_t next = at + 1 < with.size() ? with[at + 1] : u'\0';
      if (with[at] != u'$') {
        out->push_back(with[at]);
      } else if (next == u'$') {
        out->push_back(u'$');
        ++at;
      } else if (next == u'&') {
        out->append(Units({begin, end}));
        ++at;
      } else if (next == u'`') {
        out->append(subject, 0, begin);
        ++at;
      } else if (next == u'\'') {
        out->append(subject, end);
        ++at;
      } else if (digit(at + 1)) {
        int group = next - u'0';
        size_t digits = 1;
        if (digit(at + 2) && group * 10 + (with[at + 2] - u'0') <= matches->GroupCount()) {
          group = group * 10 + (with[at + 2] - u'0');
          digits = 2;
        }
        if (group < 1 || group > matches->GroupCount()) {
          out->push_back(u'$');
          continue;
        }
        auto span = matches->Span(match, group);
        if (span.first != MatchList::kUnset) out->append(Units(span));
        at += digits;
      } else {
        out->push_back(u'$');
      }
    }
  }

  // The 0-based byte offset of `sought` searched from `firstIndex`, -2 when not found.
  int PositionOf(const Text& sought, uint32_t firstIndex) const {
    int found = FindText(SubjectText(), sought, static_cast<int>(firstIndex), false);
    return found == -1 ? -2 : found - 1;
  }

 private:
  mutable std::once_flag subjectTextOnce;
  mutable Text subjectText;
};

RegexObject::RegexObject() : state_(std::make_shared<State>()) {}
RegexObject::RegexObject(const RegexObject& other) = default;
RegexObject& RegexObject::operator=(const RegexObject& other) = default;
RegexObject::~RegexObject() = default;

bool RegexObject::Create(const Text& pattern, const Text& subject,
                         std::optional<bool> caseSensitive, std::optional<bool> multiline,
                         std::optional<bool> global, std::optional<bool> expandQuoteMarker) {
  MatchOptions options{.ignoreCase = !caseSensitive.value_or(false),
                       .multiline = multiline.value_or(true),
                       .global = global.value_or(true)};
  auto state = std::make_shared<State>();
  state->pattern = expandQuoteMarker.value_or(false)
                       ? ReplaceSubtext(pattern, kQuoteMarker, Text("\""), {}, {}, true)
                       : pattern;
  state->engine = CompiledPattern::Compile(GbkToUnits(state->pattern.view()), options);
  state->subject = GbkToUnits(subject.view(), ThreadSpare<std::u16string>::Take());
  if (state->engine) state->matches = state->engine->FindAll(state->subject);
  state_ = std::move(state);
  return state_->matches.has_value();
}

Text RegexObject::GetPattern() const { return state_->pattern; }

Text RegexObject::Replace(const Text& replacement) const {
  const State& state = *state_;
  if (!state.matches) return Text();
  std::u16string with = GbkToUnits(replacement.view());
  std::u16string result;
  uint32_t copied = 0;
  for (int match = 0; match < state.matches->Count(); ++match) {
    auto [begin, end] = state.matches->Span(match, 0);
    result.append(state.subject, copied, begin - copied);
    state.AppendReplacement(with, match, &result);
    copied = end;
  }
  result.append(state.subject, copied);
  return Text(UnitsToGbk(result, false));
}

int RegexObject::MatchCount() const {
  return state_->matches.has_value() ? state_->matches->Count() : 0;
}

Text RegexObject::MatchText(int index, int* position) const {
  const State& state = *state_;
  Text text;
  uint32_t firstIndex = 0;
  if (state.HasMatch(index)) {
    auto span = state.matches->Span(index - 1, 0);
    text = Text(UnitsToGbk(state.Units(span), true));
    firstIndex = span.first;
  }
  if (position != nullptr) *position = state.PositionOf(text, firstIndex);
  return text;
}

Text RegexObject::SubMatchText(int index, int group, int* position) const {
  const State& state = *state_;
  Text text;
  uint32_t firstIndex = 0;
  if (state.HasMatch(index)) {
    firstIndex = state.matches->Span(index - 1, 0).first;
    if (group >= 1 && group <= state.matches->GroupCount()) {
      auto span = state.matches->Span(index - 1, group);
      // A group goes through the ANSI code page without the composite check of a match.
      if (span.first != MatchList::kUnset) text = Text(UnitsToGbk(state.Units(span), false));
    }
  }
  if (position != nullptr) *position = state.PositionOf(text, firstIndex);
  return text;
}

int RegexObject::SubMatchCount() const {
  return state_->HasMatch(1) ? state_->matches->GroupCount() : 0;
}

}  // namespace zerulin

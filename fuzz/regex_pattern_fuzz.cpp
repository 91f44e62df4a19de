// RegexObject with arbitrary patterns, options and subjects: every operation, in and out of
// range, with and without positions, must come back; an invalid pattern yields no matches.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "match/regex_object.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  FuzzedDataProvider input(data, size);
  std::optional<bool> caseSensitive = fuzz::ConsumeOptionalBool(input);
  std::optional<bool> multiline = fuzz::ConsumeOptionalBool(input);
  std::optional<bool> global = fuzz::ConsumeOptionalBool(input);
  std::optional<bool> expandQuoteMarker = fuzz::ConsumeOptionalBool(input);
  Text replacement(input.ConsumeRandomLengthString(16));
  Text pattern(input.ConsumeRandomLengthString(64));
  Text subject(input.ConsumeRemainingBytesAsString());

  RegexObject regex;
  bool created =
      regex.Create(pattern, subject, caseSensitive, multiline, global, expandQuoteMarker);
  int count = regex.MatchCount();
  if (!created) fuzz::ExpectSame("MatchCount after a failed Create", count, 0);
  if (!global.value_or(true))
    fuzz::ExpectSame("matches without global", static_cast<int>(count <= 1), 1);
  int groups = regex.SubMatchCount();
  for (int i = 0; i <= count + 1 && i <= 50; ++i) {
    int position = 0;
    regex.MatchText(i, &position);
    for (int g = 0; g <= groups + 1 && g <= 10; ++g) regex.SubMatchText(i, g, &position);
  }
  regex.Replace(replacement);
  regex.GetPattern();
  return 0;
}

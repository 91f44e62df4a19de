// ReplaceSubtext against its step-by-step reference on arbitrary bytes and arguments.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "tests/text/reference_walk.h"
#include "text/replace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  FuzzedDataProvider input(data, size);
  std::optional<int> start = fuzz::ConsumeOptionalInt(input);
  std::optional<int> count = fuzz::ConsumeOptionalInt(input);
  std::optional<bool> caseSensitive = fuzz::ConsumeOptionalBool(input);
  Text sought(input.ConsumeRandomLengthString(16));
  std::optional<Text> replacement;
  std::optional<std::string_view> replacementBytes;
  if (std::optional<std::string> bytes = fuzz::ConsumeOptionalText(input, 16)) {
    replacement = Text(*bytes);
    replacementBytes = replacement->view();
  }
  Text text(input.ConsumeRemainingBytesAsString());
  Text got = ReplaceSubtext(text, sought, replacement, start, count, caseSensitive);
  fuzz::ExpectSame("ReplaceSubtext", std::string(got.view()),
                   reference::ReplaceSubtext(text.view(), sought.view(), replacementBytes, start,
                                             count, caseSensitive));
  return 0;
}

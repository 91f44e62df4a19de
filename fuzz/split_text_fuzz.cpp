// SplitText against its step-by-step reference on arbitrary bytes and arguments.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "tests/text/reference_walk.h"
#include "text/split.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  FuzzedDataProvider input(data, size);
  std::optional<int> limit = fuzz::ConsumeOptionalInt(input);
  std::optional<Text> separator;
  std::optional<std::string_view> separatorBytes;
  if (std::optional<std::string> bytes = fuzz::ConsumeOptionalText(input, 8)) {
    separator = Text(*bytes);
    separatorBytes = separator->view();
  }
  Text text(input.ConsumeRemainingBytesAsString());
  std::vector<std::string> got;
  for (const Text& piece : SplitText(text, separator, limit)) got.emplace_back(piece.view());
  fuzz::ExpectSame("SplitText", got, reference::SplitText(text.view(), separatorBytes, limit));
  return 0;
}

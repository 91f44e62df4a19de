// FindTextReverse against its step-by-step reference on arbitrary bytes and arguments.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "tests/text/reference_walk.h"
#include "text/find.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  FuzzedDataProvider input(data, size);
  std::optional<int> start = fuzz::ConsumeOptionalInt(input);
  std::optional<bool> ignoreCase = fuzz::ConsumeOptionalBool(input);
  Text sought(input.ConsumeRandomLengthString(16));
  Text text(input.ConsumeRemainingBytesAsString());
  fuzz::ExpectSame("FindTextReverse", FindTextReverse(text, sought, start, ignoreCase),
                   reference::FindTextReverse(text.view(), sought.view(), start, ignoreCase));
  return 0;
}

// ToInteger against its step-by-step reference on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "tests/text/reference_walk.h"
#include "text/integer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  FuzzedDataProvider input(data, size);
  Text text(input.ConsumeRemainingBytesAsString());
  fuzz::ExpectSame("ToInteger", ToInteger(text), reference::ToInteger(text.view()));
  return 0;
}

// RemoveAllSpaces against its step-by-step reference on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "tests/text/reference_walk.h"
#include "text/spaces.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  FuzzedDataProvider input(data, size);
  Text text(input.ConsumeRemainingBytesAsString());
  fuzz::ExpectSame("RemoveAllSpaces", std::string(RemoveAllSpaces(text).view()),
                   reference::RemoveAllSpaces(text.view()));
  return 0;
}

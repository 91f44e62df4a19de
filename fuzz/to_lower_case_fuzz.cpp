// ToLowerCase against its step-by-step reference on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "tests/text/reference_walk.h"
#include "text/case.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  FuzzedDataProvider input(data, size);
  Text text(input.ConsumeRemainingBytesAsString());
  fuzz::ExpectSame("ToLowerCase", std::string(ToLowerCase(text).view()),
                   reference::ToLowerCase(text.view()));
  return 0;
}

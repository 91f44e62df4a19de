// The raw header text and the cookies read from it, on arbitrary header bytes as WebAccess
// collects them: the text fits its 5000 bytes or is 5000 spaces, and the cookies merge.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "http/cookies.h"
#include "http/response_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  const std::string received(reinterpret_cast<const char*>(data), size);
  const Text raw = RawHeaderText(received);
  if (raw.view().size() >= static_cast<size_t>(kRawHeaderCapacity) &&
      raw.view() != std::string(kRawHeaderCapacity, ' ')) {
    fuzz::ExpectSame("RawHeaderText", raw.view(), std::string_view(received));
  }
  Text returned = ReturnedCookies(raw);
  Text kept;
  MergeCookies(&kept, &returned);
  return 0;
}

// Cookie merging on arbitrary texts: no crash, the merged text is what the first argument
// holds, and it holds no deleted cookie.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "http/cookies.h"
#include "text/split.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  FuzzedDataProvider input(data, size);
  Text kept(input.ConsumeRandomLengthString(256));
  Text received(input.ConsumeRemainingBytesAsString());
  const Text merged = MergeCookies(&kept, &received);
  fuzz::ExpectSame("MergeCookies result", merged.view(), kept.view());
  for (const Text& piece : SplitText(merged, Text("; "))) {
    if (piece.view().ends_with("=deleted"))
      fuzz::ExpectSame("deleted cookie", piece.view(), merged.view());
  }
  return 0;
}

// URL and text dissection on arbitrary bytes and options: no crash, and every piece cut out
// of a text is a piece of that text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "http/text_between.h"
#include "http/url.h"

namespace {

void ExpectPieceOf(const char* operation, const zerulin::Text& piece, const zerulin::Text& text) {
  if (text.view().find(piece.view()) != std::string_view::npos) return;
  zerulin::fuzz::ExpectSame(operation, piece.view(), text.view());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  FuzzedDataProvider input(data, size);
  const std::optional<int> start = fuzz::ConsumeOptionalInt(input);
  const std::optional<int> levelCount = fuzz::ConsumeOptionalInt(input);
  const std::optional<bool> ignoreCase = fuzz::ConsumeOptionalBool(input);
  const std::optional<bool> domainFlag = fuzz::ConsumeOptionalBool(input);
  const std::optional<bool> keepPort = fuzz::ConsumeOptionalBool(input);
  const Text left(input.ConsumeRandomLengthString(12));
  const Text right(input.ConsumeRandomLengthString(12));
  const Text text(input.ConsumeRemainingBytesAsString());

  ExpectPieceOf("TextBetween", TextBetween(text, left, right, start, ignoreCase), text);
  ExpectPieceOf("ValueAfterColon", ValueAfterColon(text), text);
  UrlHost(text, domainFlag, keepPort, levelCount);
  UrlPort(text);
  const Text path = UrlPath(text);
  if (path != Text("/") && !text.view().ends_with(path.view())) {
    fuzz::ExpectSame("UrlPath", path.view(), text.view());
  }
  return 0;
}

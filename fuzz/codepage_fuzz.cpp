// The four code page conversions on arbitrary bytes: the shapes they promise, and text made by
// the converter coming back unchanged through UTF-16.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "match/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  Bytes bytes(std::string_view(reinterpret_cast<const char*>(data), size));

  Text page = Utf8ToGbk(bytes);
  fuzz::ExpectSame<std::string_view>("Utf16ToGbk(GbkToUtf16(Utf8ToGbk))",
                                     Utf16ToGbk(GbkToUtf16(page)).view(), page.view());

  Text text(bytes.view());
  Bytes imageBytes = GbkToUtf16(text);
  std::string_view image = imageBytes.view();
  fuzz::ExpectSame("GbkToUtf16 length is even", static_cast<int>(image.size() % 2), 0);
  fuzz::ExpectSame("GbkToUtf16 ends with a zero unit", image.substr(image.size() - 2),
                   std::string_view("\0\0", 2));
  Bytes bare = GbkToUtf16Opt(text, true);
  fuzz::ExpectSame("GbkToUtf16Opt drops the zero unit", bare.view(),
                   text.empty() ? std::string_view() : image.substr(0, image.size() - 2));

  // Any image converts, up to its first zero unit, and never gives a zero byte.
  Text back = Utf16ToGbk(bytes);
  fuzz::ExpectSame("Utf16ToGbk holds no zero byte",
                   static_cast<int>(back.view().find('\0') == std::string_view::npos), 1);
  return 0;
}

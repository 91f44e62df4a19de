#include "match/codepage.h"

#include <unicode/ucnv.h>

#include <memory>
#include <string>
#include <string_view>

#include "match/code_units.h"

namespace zerulin {
namespace {

struct ConverterClose {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterClose>;

ConverterPtr Open(const char* name) {
  UErrorCode status = U_ZERO_ERROR;
  ConverterPtr converter(ucnv_open(name, &status));
  if (U_FAILURE(status)) return nullptr;
  ucnv_setFallback(converter.get(), true);
  return converter;
}

// The UTF-16LE image of `units`, low byte first, with `terminator` zero bytes after it.
Bytes ImageOf(std::u16string_view units, size_t terminator) {
  std::string image(units.size() * 2 + terminator, '\0');
  for (size_t k = 0; k < units.size(); ++k) {
    image[2 * k] = static_cast<char>(units[k] & 0xFF);
    image[2 * k + 1] = static_cast<char>(units[k] >> 8);
  }
  return Bytes(std::move(image));
}

}  // namespace

Text Utf8ToGbk(const Bytes& utf8) {
  // A zero byte ends the text anyway, and nothing before it depends on what follows it.
  std::string_view page = utf8.view();
  page = page.substr(0, page.find('\0'));
  if (page.empty()) return Text();
  thread_local ConverterPtr fromUtf8 = Open("UTF-8");
  thread_local ConverterPtr toGbk = Open("windows-936");
  if (!fromUtf8 || !toGbk) return Text();

  // Straight from UTF-8 to code page 936 through a small pivot, so no UTF-16 copy of a large
  // page is ever held. Three UTF-8 bytes become two here, so the page's size is usually enough.
  std::string gbk(page.size() + 16, '\0');
  size_t written = 0;
  const char* source = page.data();
  UChar pivot[4096];
  UChar* pivotSource = pivot;
  UChar* pivotTarget = pivot;
  bool reset = true;
  for (;;) {
    char* target = gbk.data() + written;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(toGbk.get(), fromUtf8.get(), &target, gbk.data() + gbk.size(), &source,
                   page.data() + page.size(), pivot, &pivotSource, &pivotTarget,
                   pivot + std::size(pivot), reset, true, &status);
    written = static_cast<size_t>(target - gbk.data());
    reset = false;
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      gbk.resize(gbk.size() * 2);
      continue;
    }
    if (U_FAILURE(status)) return Text();
    gbk.resize(written);
    return Text(std::move(gbk));
  }
}

Bytes GbkToUtf16(const Text& text) { return ImageOf(GbkToUnits(text.view()), 2); }

Bytes GbkToUtf16Opt(const Text& text, std::optional<bool> dropTerminator) {
  if (text.empty()) return Bytes();
  return ImageOf(GbkToUnits(text.view()), dropTerminator.value_or(false) ? 0 : 2);
}

Text Utf16ToGbk(const Bytes& utf16) {
  std::string_view image = utf16.view();
  std::u16string units(image.size() / 2, u'\0');
  for (size_t k = 0; k < units.size(); ++k) {
    units[k] = static_cast<char16_t>(static_cast<unsigned char>(image[2 * k]) |
                                     static_cast<unsigned char>(image[2 * k + 1]) << 8);
  }
  return Text(UnitsToGbk(units, true));
}

}  // namespace zerulin

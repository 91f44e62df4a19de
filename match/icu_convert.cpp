#include "match/icu_convert.h"

#include <unicode/ucnv.h>

#include <iterator>
#include <memory>

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

UConverter* ThreadGbk() {
  thread_local ConverterPtr converter = Open("windows-936");
  if (converter) ucnv_reset(converter.get());
  return converter.get();
}

UConverter* ThreadUtf8() {
  thread_local ConverterPtr converter = Open("UTF-8");
  if (converter) ucnv_reset(converter.get());
  return converter.get();
}

// Runs `convert(out, room, status)` into a string of `size` units, and once more into one of the
// length it asks for should that be too small; empty when the conversion fails.
template <typename String, typename Convert>
String ConvertInto(size_t size, Convert convert) {
  String out(size, 0);
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = convert(out.data(), static_cast<int32_t>(out.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      out.assign(static_cast<size_t>(length), 0);
      continue;
    }
    if (U_FAILURE(status)) return {};
    out.resize(static_cast<size_t>(length));
    return out;
  }
}

}  // namespace

std::u16string IcuGbkToUnits(std::string_view gbk) {
  UConverter* converter = ThreadGbk();
  if (converter == nullptr || gbk.empty()) return {};
  // One byte never gives more than one unit.
  return ConvertInto<std::u16string>(
      gbk.size(), [&](char16_t* out, int32_t room, UErrorCode* status) {
        return ucnv_toUChars(converter, out, room, gbk.data(), static_cast<int32_t>(gbk.size()),
                             status);
      });
}

std::string IcuUnitsToGbk(std::u16string_view units) {
  UConverter* converter = ThreadGbk();
  if (converter == nullptr || units.empty()) return {};
  // Code page 936 spends at most two bytes on a unit, replacement included.
  return ConvertInto<std::string>(
      units.size() * 2, [&](char* out, int32_t room, UErrorCode* status) {
        return ucnv_fromUChars(converter, out, room, units.data(),
                               static_cast<int32_t>(units.size()), status);
      });
}

std::string IcuUtf8ToGbk(std::string_view utf8) {
  UConverter* fromUtf8 = ThreadUtf8();
  UConverter* toGbk = ThreadGbk();
  if (fromUtf8 == nullptr || toGbk == nullptr || utf8.empty()) return {};
  // Straight from UTF-8 to code page 936 through a small pivot, so no UTF-16 copy of a large
  // page is ever held. Three UTF-8 bytes become two here, so the input's size is usually enough.
  std::string gbk(utf8.size() + 16, '\0');
  size_t written = 0;
  const char* source = utf8.data();
  UChar pivot[4096];
  UChar* pivotSource = pivot;
  UChar* pivotTarget = pivot;
  bool reset = true;
  for (;;) {
    char* target = gbk.data() + written;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(toGbk, fromUtf8, &target, gbk.data() + gbk.size(), &source,
                   utf8.data() + utf8.size(), pivot, &pivotSource, &pivotTarget,
                   pivot + std::size(pivot), reset, true, &status);
    written = static_cast<size_t>(target - gbk.data());
    reset = false;
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      gbk.resize(gbk.size() * 2);
      continue;
    }
    if (U_FAILURE(status)) return {};
    gbk.resize(written);
    return gbk;
  }
}

}  // namespace zerulin

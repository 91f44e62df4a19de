#include "match/code_units.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>
#include <unicode/utf16.h>

#include <memory>

namespace zerulin {
namespace {

struct ConverterClose {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterClose>;

// Code page 936 with the converter's look-alike mappings on, as the platform's best fit does.
ConverterPtr OpenGbk() {
  UErrorCode status = U_ZERO_ERROR;
  ConverterPtr converter(ucnv_open("windows-936", &status));
  if (U_FAILURE(status)) return nullptr;
  ucnv_setFallback(converter.get(), true);
  return converter;
}

// Opening a converter costs far more than converting one table cell, so each thread keeps one.
UConverter* ThreadGbk() {
  thread_local ConverterPtr converter = OpenGbk();
  if (converter) ucnv_reset(converter.get());
  return converter.get();
}

// A character that the composite check tries to fold into the character before it.
bool IsCombiningMark(UChar32 c) {
  return u_getCombiningClass(c) != 0 || u_charType(c) == U_NON_SPACING_MARK;
}

bool HasCombiningMark(std::u16string_view units) {
  for (size_t at = 0; at < units.size();) {
    UChar32 c;
    U16_NEXT(units.data(), at, units.size(), c);
    if (c >= 0x300 && IsCombiningMark(c)) return true;
  }
  return false;
}

// Replaces each base character followed by a combining mark with the precomposed character
// where Unicode has one; repeated marks fold one after another (a, diaeresis, macron -> U+01DF).
std::u16string ComposeMarks(std::u16string_view units) {
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
  if (U_FAILURE(status)) return std::u16string(units);
  std::u16string composed;
  composed.reserve(units.size());
  for (size_t at = 0; at < units.size();) {
    UChar32 c;
    U16_NEXT(units.data(), at, units.size(), c);
    if (!composed.empty() && IsCombiningMark(c)) {
      size_t baseAt = composed.size();
      UChar32 base;
      U16_PREV(composed.data(), 0, baseAt, base);
      UChar32 pair = unorm2_composePair(nfc, base, c);
      if (pair >= 0) {
        composed.resize(baseAt);
        c = pair;
      }
    }
    char16_t out[2];
    size_t length = 0;
    U16_APPEND_UNSAFE(out, length, c);
    composed.append(out, length);
  }
  return composed;
}

bool IsAscii(std::u16string_view units) {
  for (char16_t unit : units) {
    if (unit >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::u16string GbkToUnits(std::string_view gbk) {
  UConverter* converter = ThreadGbk();
  if (converter == nullptr || gbk.empty()) return {};
  // One byte never gives more than one unit; the loop only guards against a converter that
  // would give more.
  std::u16string units(gbk.size(), u'\0');
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = ucnv_toUChars(converter, units.data(), static_cast<int32_t>(units.size()),
                                   gbk.data(), static_cast<int32_t>(gbk.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      units.assign(static_cast<size_t>(length), u'\0');
      continue;
    }
    if (U_FAILURE(status)) return {};
    units.resize(static_cast<size_t>(length));
    return units;
  }
}

std::string UnitsToGbk(std::u16string_view units, bool composeMarks) {
  units = units.substr(0, units.find(u'\0'));
  if (IsAscii(units)) return std::string(units.begin(), units.end());
  std::u16string composed;
  if (composeMarks && HasCombiningMark(units)) {
    composed = ComposeMarks(units);
    units = composed;
  }
  UConverter* converter = ThreadGbk();
  if (converter == nullptr) return {};
  // Code page 936 spends at most two bytes on a unit, replacement included; the loop only
  // guards against a converter that would spend more.
  std::string gbk(units.size() * 2, '\0');
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = ucnv_fromUChars(converter, gbk.data(), static_cast<int32_t>(gbk.size()),
                                     units.data(), static_cast<int32_t>(units.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      gbk.assign(static_cast<size_t>(length), '\0');
      continue;
    }
    if (U_FAILURE(status)) return {};
    gbk.resize(static_cast<size_t>(length));
    return gbk;
  }
}

}  // namespace zerulin

#include "match/code_units.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/utf16.h>

#include <cstdint>

#include "match/gbk_table.h"
#include "match/icu_convert.h"

namespace zerulin {
namespace {

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

}  // namespace

std::u16string GbkToUnits(std::string_view gbk, std::u16string storage) {
  const GbkTable& table = GbkTable::Get();
  std::u16string units = std::move(storage);
  units.resize(gbk.size());
  char16_t* out = units.data();
  size_t written = 0;
  size_t at = 0;
  while (at < gbk.size()) {
    if (at + 8 <= gbk.size() && IsAsciiBlock(gbk.data() + at)) {
      for (size_t k = 0; k < 8; ++k) out[written + k] = static_cast<char16_t>(gbk[at + k]);
      written += 8;
      at += 8;
      continue;
    }
    auto byte = static_cast<unsigned char>(gbk[at]);
    char16_t unit = table.Single(byte);
    size_t width = 1;
    if (unit == u'\0' && byte >= 0x81 && at + 1 < gbk.size()) {
      unit = table.Pair(byte, static_cast<unsigned char>(gbk[at + 1]));
      width = 2;
    }
    if (unit == u'\0') break;  // bad or cut-off: the converter reads the rest
    out[written++] = unit;
    at += width;
  }
  units.resize(written);
  if (at < gbk.size()) units += IcuGbkToUnits(gbk.substr(at));
  return units;
}

std::string UnitsToGbk(std::u16string_view units, bool composeMarks) {
  units = units.substr(0, units.find(u'\0'));
  std::u16string composed;
  if (composeMarks && HasCombiningMark(units)) {
    composed = ComposeMarks(units);
    units = composed;
  }
  const GbkTable& table = GbkTable::Get();
  std::string gbk(units.size() * 2, '\0');
  char* out = gbk.data();
  size_t written = 0;
  size_t at = 0;
  for (; at < units.size(); ++at) {
    uint16_t code = table.Encode(units[at]);
    if (code == 0) break;  // a surrogate: the converter reads the rest
    if (code >= 0x100) out[written++] = static_cast<char>(code >> 8);
    out[written++] = static_cast<char>(code & 0xFF);
  }
  gbk.resize(written);
  if (at < units.size()) gbk += IcuUnitsToGbk(units.substr(at));
  return gbk;
}

}  // namespace zerulin

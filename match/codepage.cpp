#include "match/codepage.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "match/code_units.h"
#include "match/gbk_table.h"
#include "match/icu_convert.h"

namespace zerulin {
namespace {

// The UTF-16LE image of `units`, low byte first, with `terminator` zero bytes after it.
Bytes ImageOf(std::u16string_view units, size_t terminator) {
  std::string image(units.size() * 2 + terminator, '\0');
  for (size_t k = 0; k < units.size(); ++k) {
    image[2 * k] = static_cast<char>(units[k] & 0xFF);
    image[2 * k + 1] = static_cast<char>(units[k] >> 8);
  }
  return Bytes(std::move(image));
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The character of a well-formed UTF-8 sequence of one to three bytes at `at`, and its length;
// 0 for anything else (bad, cut off, or outside the first 64K characters).
char16_t DecodeUtf8(std::string_view utf8, size_t at, size_t* length) {
  auto lead = static_cast<unsigned char>(utf8[at]);
  if (lead < 0x80) {
    *length = 1;
    return lead;
  }
  size_t rest = utf8.size() - at;
  if (lead >= 0xC2 && lead <= 0xDF && rest >= 2) {
    auto second = static_cast<unsigned char>(utf8[at + 1]);
    if (!IsContinuation(second)) return 0;
    *length = 2;
    return static_cast<char16_t>((lead & 0x1F) << 6 | (second & 0x3F));
  }
  if (lead >= 0xE0 && lead <= 0xEF && rest >= 3) {
    auto second = static_cast<unsigned char>(utf8[at + 1]);
    auto third = static_cast<unsigned char>(utf8[at + 2]);
    if (!IsContinuation(second) || !IsContinuation(third)) return 0;
    auto c = static_cast<char16_t>((lead & 0x0F) << 12 | (second & 0x3F) << 6 | (third & 0x3F));
    if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF)) return 0;  // overlong or a surrogate
    *length = 3;
    return c;
  }
  return 0;
}

}  // namespace

Text Utf8ToGbk(const Bytes& utf8) {
  // A zero byte ends the text anyway, and nothing before it depends on what follows it.
  std::string_view page = utf8.view();
  page = page.substr(0, page.find('\0'));
  // Well-formed characters go through the table; from the first one that is not (bad input,
  // or beyond the first 64K characters) the converter reads the rest of the page.
  const GbkTable& table = GbkTable::Get();
  std::string gbk(page.size(), '\0');  // never more bytes than the UTF-8 spends
  char* out = gbk.data();
  size_t written = 0;
  size_t at = 0;
  while (at < page.size()) {
    if (at + 8 <= page.size() && IsAsciiBlock(page.data() + at)) {
      std::memcpy(out + written, page.data() + at, 8);
      written += 8;
      at += 8;
      continue;
    }
    size_t length = 0;
    char16_t c = DecodeUtf8(page, at, &length);
    uint16_t code = c == 0 ? 0 : table.Encode(c);
    if (code == 0) break;
    if (code >= 0x100) out[written++] = static_cast<char>(code >> 8);
    out[written++] = static_cast<char>(code & 0xFF);
    at += length;
  }
  gbk.resize(written);
  if (at < page.size()) gbk += IcuUtf8ToGbk(page.substr(at));
  return Text(std::move(gbk));
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

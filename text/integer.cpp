#include "text/integer.h"

#include <string>

#include "text/walk.h"

namespace zerulin {
namespace {

// The text with full-width digits, signs and spaces read as their one-byte forms; other
// two-byte characters stay, and a truncated last character is dropped.
std::string NarrowFullWidth(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t at = 0; at < bytes.size();) {
    if (!walk::IsLeadByte(bytes[at])) {
      out.push_back(bytes[at++]);
      continue;
    }
    if (at + 1 == bytes.size()) break;
    auto lead = static_cast<unsigned char>(bytes[at]);
    auto trail = static_cast<unsigned char>(bytes[at + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out.push_back(static_cast<char>(trail - 0x80));
    } else if (lead == 0xA1 && trail == 0xA1) {
      out.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      out.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out.push_back('*');
    } else {
      out.append(bytes.substr(at, 2));
    }
    at += 2;
  }
  return out;
}

}  // namespace

int32_t ToInteger(const Text& text) {
  std::string bytes = NarrowFullWidth(text.view());
  size_t at = 0;
  while (at < bytes.size() && (bytes[at] == ' ' || (bytes[at] >= '\t' && bytes[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < bytes.size() && (bytes[at] == '+' || bytes[at] == '-')) negative = bytes[at++] == '-';
  uint32_t value = 0;
  for (; at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9'; ++at) {
    value = value * 10u + static_cast<uint32_t>(bytes[at] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

Text ToText(int32_t value) { return Text(std::to_string(value)); }

}  // namespace zerulin

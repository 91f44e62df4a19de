// Slow, plain versions of the walking text operations, written step by step from their rules
// so the fast ones in text/ can be checked against them. Positions here are 1-based, as in the
// rules; the text is first cut into its characters, and each operation works on that list.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zerulin::reference {

// One character met by the walk: its 1-based position and its bytes. A lead byte that is the
// last byte of the text is a truncated character of one byte.
struct Character {
  int64_t position;
  std::string bytes;
  bool truncated;
};

inline bool IsLead(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// The character that starts at 1-based position `i` (which must lie inside the text).
inline Character CharacterAt(std::string_view text, int64_t i) {
  char first = text[i - 1];
  if (!IsLead(first)) return {i, std::string(1, first), false};
  if (i == static_cast<int64_t>(text.size())) return {i, std::string(1, first), true};
  return {i, std::string(text.substr(i - 1, 2)), false};
}

// The characters of `text` met by a walk that starts at 1-based position `from`; the byte at
// `from` counts as a character start, whatever comes before it.
inline std::vector<Character> Walk(std::string_view text, int64_t from = 1) {
  std::vector<Character> characters;
  for (int64_t i = from; i <= static_cast<int64_t>(text.size());) {
    characters.push_back(CharacterAt(text, i));
    i += static_cast<int64_t>(characters.back().bytes.size());
  }
  return characters;
}

inline char Fold(char byte) { return byte >= 0x41 && byte <= 0x5A ? byte + 0x20 : byte; }

// Whether the bytes of `text` from 1-based `i` equal `sought`; false when too few remain.
inline bool MatchesAt(std::string_view text, int64_t i, std::string_view sought, bool ignoreCase) {
  if (i - 1 + static_cast<int64_t>(sought.size()) > static_cast<int64_t>(text.size())) {
    return false;
  }
  for (size_t k = 0; k < sought.size(); ++k) {
    char a = text[i - 1 + k];
    char b = sought[k];
    if (ignoreCase) {
      a = Fold(a);
      b = Fold(b);
    }
    if (a != b) return false;
  }
  return true;
}

inline bool IsSpace(const Character& c) { return c.bytes == " " || c.bytes == "\xA1\xA1"; }

inline int FindText(std::string_view text, std::string_view sought, std::optional<int> start,
                    std::optional<bool> ignoreCase) {
  int64_t length = static_cast<int64_t>(text.size());
  int64_t m = static_cast<int64_t>(sought.size());
  int64_t b = start.has_value() ? std::max<int64_t>(int64_t{*start} - 1, 0) : 0;
  if (b >= length) return -1;
  if (m == 0) return 1;
  for (const Character& c : Walk(text, b + 1)) {
    if (length - c.position + 1 < m) break;
    if (MatchesAt(text, c.position, sought, ignoreCase.value_or(false))) {
      return static_cast<int>(c.position);
    }
  }
  return -1;
}

inline int FindTextReverse(std::string_view text, std::string_view sought, std::optional<int> start,
                           std::optional<bool> ignoreCase) {
  int64_t length = static_cast<int64_t>(text.size());
  int64_t m = static_cast<int64_t>(sought.size());
  int64_t e = start.has_value() ? std::max<int64_t>(int64_t{*start} - 1, 0) : length;
  int64_t regionEnd = std::min(e, length);
  if (regionEnd == 0) return -1;
  if (m == 0) return 1;
  int found = -1;
  for (const Character& c : Walk(text)) {
    if (c.position + m - 1 > regionEnd) break;
    if (MatchesAt(text, c.position, sought, ignoreCase.value_or(false))) {
      found = static_cast<int>(c.position);
    }
  }
  return found;
}

inline std::string ReplaceSubtext(std::string_view text, std::string_view sought,
                                  std::optional<std::string_view> replacement,
                                  std::optional<int> start, std::optional<int> count,
                                  std::optional<bool> caseSensitive) {
  int64_t length = static_cast<int64_t>(text.size());
  int64_t m = static_cast<int64_t>(sought.size());
  int64_t b = start.has_value() ? std::max<int64_t>(int64_t{*start} - 1, 0) : 0;
  if (length == 0 || m == 0 || b >= length || count == 0) return std::string(text);
  bool ignoreCase = !caseSensitive.value_or(false);
  std::string result(text.substr(0, b));
  int replaced = 0;
  int64_t i = b + 1;
  while (length - i + 1 >= m) {
    if (MatchesAt(text, i, sought, ignoreCase)) {
      result += replacement.value_or("");
      i += m;
      if (count.has_value() && *count > 0 && ++replaced == *count) break;
      continue;
    }
    Character c = CharacterAt(text, i);
    if (c.truncated) return result;
    result += c.bytes;
    i += static_cast<int64_t>(c.bytes.size());
  }
  result += text.substr(i - 1);
  return result;
}

inline std::vector<std::string> SplitText(std::string_view text,
                                          std::optional<std::string_view> separator,
                                          std::optional<int> limit) {
  std::string_view mark = separator.value_or(",");
  int64_t length = static_cast<int64_t>(text.size());
  int64_t m = static_cast<int64_t>(mark.size());
  std::optional<int64_t> most;
  if (limit.has_value()) most = std::max(*limit, 0);
  std::vector<std::string> pieces;
  if (length == 0 || most == 0) return pieces;
  if (m == 0) return {std::string(text)};
  int64_t pieceStart = 1;
  int64_t i = 1;
  while (length - i + 1 >= m) {
    if (MatchesAt(text, i, mark, false)) {
      pieces.emplace_back(text.substr(pieceStart - 1, i - pieceStart));
      i += m;
      pieceStart = i;
      if (most.has_value() && static_cast<int64_t>(pieces.size()) == *most) return pieces;
      continue;
    }
    Character c = CharacterAt(text, i);
    if (c.truncated) break;
    i += static_cast<int64_t>(c.bytes.size());
  }
  if (pieceStart <= length) pieces.emplace_back(text.substr(pieceStart - 1));
  return pieces;
}

inline std::string Join(const std::vector<Character>& characters) {
  std::string joined;
  for (const Character& c : characters) joined += c.bytes;
  return joined;
}

inline std::string TrimBothEnds(std::string_view text) {
  std::vector<Character> characters = Walk(text);
  bool truncated = !characters.empty() && characters.back().truncated;
  if (truncated) characters.pop_back();
  auto first = characters.begin();
  while (first != characters.end() && IsSpace(*first)) ++first;
  auto last = characters.end();
  // Past a truncated last character nothing more comes off the end.
  if (!truncated) {
    while (last != first && IsSpace(*(last - 1))) --last;
  }
  return Join({first, last});
}

inline std::string RemoveAllSpaces(std::string_view text) {
  std::vector<Character> kept;
  for (const Character& c : Walk(text)) {
    if (!c.truncated && !IsSpace(c)) kept.push_back(c);
  }
  return Join(kept);
}

inline std::string ToLowerCase(std::string_view text) {
  std::string result;
  for (const Character& c : Walk(text)) {
    result += c.bytes.size() == 1 && !c.truncated ? std::string(1, Fold(c.bytes[0])) : c.bytes;
  }
  return result;
}

inline int32_t ToInteger(std::string_view text) {
  std::string narrow;
  for (const Character& c : Walk(text)) {
    if (c.truncated) continue;
    if (c.bytes.size() == 1) {
      narrow += c.bytes;
      continue;
    }
    auto lead = static_cast<unsigned char>(c.bytes[0]);
    auto trail = static_cast<unsigned char>(c.bytes[1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      narrow += static_cast<char>(trail - 0x80);
    } else if (c.bytes == "\xA1\xA1") {
      narrow += ' ';
    } else if (c.bytes == "\xA1\xAB") {
      narrow += '~';
    } else if (c.bytes == "\xA1\xEE" || c.bytes == "\xA1\xEF") {
      narrow += '*';
    } else {
      narrow += c.bytes;
    }
  }
  size_t at = 0;
  while (at < narrow.size() && (narrow[at] == 0x20 || (narrow[at] >= 0x09 && narrow[at] <= 0x0D))) {
    ++at;
  }
  bool negative = false;
  if (at < narrow.size() && (narrow[at] == '+' || narrow[at] == '-')) {
    negative = narrow[at] == '-';
    ++at;
  }
  uint64_t value = 0;
  for (; at < narrow.size() && narrow[at] >= '0' && narrow[at] <= '9'; ++at) {
    value = (value * 10 + static_cast<uint64_t>(narrow[at] - '0')) % (uint64_t{1} << 32);
  }
  if (negative) value = ((uint64_t{1} << 32) - value) % (uint64_t{1} << 32);
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace zerulin::reference

// The walking operations against their slow references, over many random double-byte texts.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/text/reference_walk.h"
#include "text/case.h"
#include "text/find.h"
#include "text/integer.h"
#include "text/replace.h"
#include "text/spaces.h"
#include "text/split.h"

namespace zerulin {
namespace {

constexpr int kRounds = 20000;

// A small alphabet so that matches, lead bytes, A1 A1, truncated last bytes and letters of
// both cases come up often.
constexpr std::string_view kAlphabet = "aAbB;, -+19\t\xA1\xA3\xB0\xB1\xAD";

// Pieces a number is made of, full-width forms included.
const std::vector<std::string> kNumberPieces = {
    " ",        "\t",       "\r",   "\xA1\xA1", "+",        "-",        "\xA3\xAB", "\xA3\xAD",
    "0",        "1",        "7",    "9",        "\xA3\xB0", "\xA3\xB5", "\xA3\xB9", "x",
    "\xA1\xAB", "\xA1\xEE", "\xB0", "\xA3",     "\xA3\x35", "\xA3\xC1",
};

class Random {
 public:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

  std::string Text(int maxLength) {
    std::string text;
    for (int n = Below(maxLength + 1); n > 0; --n) text += kAlphabet[Below(kAlphabet.size())];
    return text;
  }

  // Half the time a piece of `text`, so that it is found; otherwise a short random text.
  std::string Sought(const std::string& text) {
    if (Below(2) == 0) return Text(3);
    size_t from = Below(text.size() + 1);
    return text.substr(from, Below(4));
  }

  // Absent, or a position or count around the text's length, or an extreme.
  std::optional<int> Number(int length) {
    switch (Below(8)) {
      case 0:
        return std::nullopt;
      case 1:
        return Below(2) == 0 ? INT_MIN : INT_MAX;
      default:
        return Below(length + 6) - 3;
    }
  }

  std::optional<bool> Flag() {
    int pick = Below(3);
    return pick == 0 ? std::nullopt : std::optional<bool>(pick == 1);
  }

  std::string Number() {
    std::string text;
    for (int n = Below(16); n > 0; --n) text += kNumberPieces[Below(kNumberPieces.size())];
    return text;
  }

 private:
  std::mt19937 engine_{20260101};
};

std::string Hex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char byte : bytes) {
    if (!hex.empty()) hex += ' ';
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return "[" + hex + "]";
}

template <typename T>
std::string Show(const std::optional<T>& value) {
  return value.has_value() ? std::to_string(*value) : "absent";
}

std::vector<std::string> Elements(const TextArray& array) {
  std::vector<std::string> elements;
  for (const Text& element : array) elements.emplace_back(element.view());
  return elements;
}

// Both searches take the same arguments, so one loop checks each against its reference.
TEST(ReferenceTest, Searches) {
  using Search = int (*)(const Text&, const Text&, std::optional<int>, std::optional<bool>);
  using ReferenceSearch =
      int (*)(std::string_view, std::string_view, std::optional<int>, std::optional<bool>);
  const std::pair<Search, ReferenceSearch> searches[] = {
      {FindText, reference::FindText},
      {FindTextReverse, reference::FindTextReverse},
  };
  for (size_t which = 0; which < std::size(searches); ++which) {
    SCOPED_TRACE(which == 0 ? "FindText" : "FindTextReverse");
    auto [search, referenceSearch] = searches[which];
    Random random;
    for (int round = 0; round < kRounds; ++round) {
      std::string text = random.Text(14);
      std::string sought = random.Sought(text);
      std::optional<int> start = random.Number(text.size());
      std::optional<bool> ignoreCase = random.Flag();
      int want = referenceSearch(text, sought, start, ignoreCase);
      int got = search(text, sought, start, ignoreCase);
      ASSERT_EQ(got, want) << Hex(text) << " sought " << Hex(sought) << " start " << Show(start)
                           << " ignoreCase " << Show(ignoreCase);
    }
  }
}

TEST(ReferenceTest, ReplaceSubtext) {
  Random random;
  for (int round = 0; round < kRounds; ++round) {
    std::string text = random.Text(14);
    std::string sought = random.Sought(text);
    std::optional<std::string> replacement;
    if (random.Below(4) != 0) replacement = random.Text(3);
    std::optional<int> start = random.Number(text.size());
    std::optional<int> count = random.Number(3);
    std::optional<bool> caseSensitive = random.Flag();
    std::string want =
        reference::ReplaceSubtext(text, sought, replacement, start, count, caseSensitive);
    std::optional<Text> with;
    if (replacement.has_value()) with = Text(*replacement);
    Text got = ReplaceSubtext(text, sought, with, start, count, caseSensitive);
    ASSERT_EQ(got.view(), want) << Hex(text) << " sought " << Hex(sought) << " replacement "
                                << (replacement ? Hex(*replacement) : "absent") << " start "
                                << Show(start) << " count " << Show(count) << " caseSensitive "
                                << Show(caseSensitive);
  }
}

TEST(ReferenceTest, SplitText) {
  Random random;
  for (int round = 0; round < kRounds; ++round) {
    std::string text = random.Text(14);
    std::optional<std::string> separator;
    if (random.Below(4) != 0) separator = random.Sought(text);
    std::optional<int> limit = random.Number(3);
    std::vector<std::string> want = reference::SplitText(text, separator, limit);
    std::optional<Text> mark;
    if (separator.has_value()) mark = Text(*separator);
    ASSERT_EQ(Elements(SplitText(text, mark, limit)), want)
        << Hex(text) << " separator " << (separator ? Hex(*separator) : "absent") << " limit "
        << Show(limit);
  }
}

TEST(ReferenceTest, SpacesAndCase) {
  Random random;
  for (int round = 0; round < kRounds; ++round) {
    std::string text = random.Text(14);
    SCOPED_TRACE(Hex(text));
    ASSERT_EQ(TrimBothEnds(text).view(), reference::TrimBothEnds(text));
    ASSERT_EQ(RemoveAllSpaces(text).view(), reference::RemoveAllSpaces(text));
    ASSERT_EQ(ToLowerCase(text).view(), reference::ToLowerCase(text));
  }
}

TEST(ReferenceTest, ToInteger) {
  Random random;
  for (int round = 0; round < kRounds; ++round) {
    std::string text = random.Below(4) == 0 ? random.Text(14) : random.Number();
    ASSERT_EQ(ToInteger(text), reference::ToInteger(text)) << Hex(text);
  }
}

}  // namespace
}  // namespace zerulin

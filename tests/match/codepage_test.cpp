#include "match/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "match/icu_convert.h"

namespace zerulin {
namespace {

// Bytes from a literal that may hold zero bytes: B("A\0", 2).
Bytes B(const char* bytes, size_t length) { return Bytes(std::string_view(bytes, length)); }

TEST(Utf8ToGbkTest, Table) {
  struct Case {
    const char* name;
    Bytes utf8;
    Text want;
  };
  const Case cases[] = {
      {"empty", Bytes(), ""},
      {"CJK then a",
       "\xE4\xB8\xAD"
       "a",
       "\xD6\xD0"
       "a"},
      {"a zero byte ends the text", B("ab\0cd", 5), "ab"},
      {"euro sign", "\xE2\x82\xAC", "\x80"},
      // Bad input costs one replacement each; the rest of the page survives.
      {"stray byte",
       "a\xFF"
       "b",
       "a?b"},
      {"cut-off sequence",
       "a\xE4\xB8"
       "b",
       "a?b"},
      {"cut off at the end", "ab\xE4\xB8", "ab?"},
      {"encoded surrogate",
       "a\xED\xA0\x80"
       "b",
       "a???b"},
      {"not in code page 936",
       "a\xF0\x9F\x98\x80"
       "b",
       "a?b"},
      // No composite check on pages: e with a combining acute stays two characters.
      {"decomposed", "e\xCC\x81", "e?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.want);
  }
}

TEST(Utf8ToGbkTest, LargePageConvertsWhole) {
  std::string page;
  std::string want;
  for (int row = 0; row < 50000; ++row) {
    page += "<td>\xE4\xB8\xAD\xE6\x96\x87</td>\n";  // 中文
    want += "<td>\xD6\xD0\xCE\xC4</td>\n";
  }
  EXPECT_EQ(Utf8ToGbk(Bytes(page)), Text(want));
}

// Well-formed characters are read from a table, the rest by the converter: both must agree.
TEST(Utf8ToGbkTest, AgreesWithConverterForEveryCharacter) {
  for (int c = 1; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::string utf8 = "ab";  // an ASCII prefix, then the character in UTF-8
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    } else {
      utf8 += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
               static_cast<char>(0x80 | (c & 0x3F))};
    }
    utf8 += "cdefghijk";
    ASSERT_EQ(Utf8ToGbk(Bytes(utf8)).str(), IcuUtf8ToGbk(utf8)) << c;
  }
}

TEST(GbkToUtf16Test, Table) {
  struct Case {
    Text text;
    Bytes want;
  };
  const Case cases[] = {
      {"AB", B("A\0B\0\0\0", 6)},
      {"\xD6\xD0"
       "a",
       B("\x2D\x4E"
         "a\0\0\0",
         6)},
      {"", B("\0\0", 2)},
      // A lead byte whose second byte is no trail byte: replaced, the space kept.
      {"\x81 A", B("\xFD\xFF \0A\0\0\0", 8)},
      {"A\xD6", B("A\0\xFD\xFF\0\0", 6)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.str());
    EXPECT_EQ(GbkToUtf16(c.text), c.want);
  }
}

TEST(GbkToUtf16OptTest, Table) {
  struct Case {
    Text text;
    std::optional<bool> dropTerminator;
    Bytes want;
  };
  const Case cases[] = {
      {"AB", true, B("A\0B\0", 4)},   {"AB", false, B("A\0B\0\0\0", 6)},
      {"AB", {}, B("A\0B\0\0\0", 6)}, {"", true, Bytes()},
      {"", false, Bytes()},           {"", {}, Bytes()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.str() + " " + std::to_string(c.dropTerminator.value_or(-1)));
    EXPECT_EQ(GbkToUtf16Opt(c.text, c.dropTerminator), c.want);
  }
}

TEST(Utf16ToGbkTest, Table) {
  struct Case {
    const char* name;
    Bytes utf16;
    Text want;
  };
  const Case cases[] = {
      {"with terminator", B("A\0B\0\0\0", 6), "AB"},
      {"without terminator", B("A\0B\0", 4), "AB"},
      {"a zero unit ends it", B("A\0\0\0B\0", 6), "A"},
      {"odd byte ignored", B("A\0B", 3), "A"},
      {"empty", Bytes(), ""},
      {"CJK",
       B("\x2D\x4E"
         "a\0",
         4),
       "\xD6\xD0"
       "a"},
      // Composite check: e + combining acute becomes the precomposed e-acute of GBK.
      {"composed", B("e\0\x01\x03", 4), "\xA8\xA6"},
      {"mark without base", B("\x01\x03", 2), "?"},
      {"lone high surrogate",
       B("A\0\x00\xD8"
         "B\0",
         6),
       "A?B"},
      {"lone low surrogate",
       B("A\0\x00\xDC"
         "B\0",
         6),
       "A?B"},
      {"outside the code page",
       B("\x3D\xD8\x00\xDE"
         "A\0",
         6),
       "?A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf16ToGbk(c.utf16), c.want);
  }
}

TEST(CodepageTest, DoubleByteTextRoundTrips) {
  const Text texts[] = {
      "\xD6\xD0\xCE\xC4",                                           // 中文
      "\xB0\xAC\xC5\xB7\xC4\xE1\xD1\xC7 \xB5\xE7\xD0\xC5\xD2\xBB",  // 艾欧尼亚 电信一
      "Lv.30 \xD7\xEA\xCA\xAF I \xA1\xA1",                          // 钻石, a full-width space
      "\x81\x40\xFE\x4F",  // the edges of the double-byte range
      "\x80",              // the euro sign
  };
  for (const Text& text : texts) {
    SCOPED_TRACE(text.str());
    EXPECT_EQ(Utf16ToGbk(GbkToUtf16(text)), text);
    EXPECT_EQ(Utf16ToGbk(GbkToUtf16Opt(text, true)), text);
  }
}

TEST(CodepageTest, EveryDoubleByteCharacterRoundTrips) {
  // Every assigned GBK pair comes back as itself; an unassigned one becomes a replacement.
  int assigned = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const char pair[] = {static_cast<char>(lead), static_cast<char>(trail), '\0'};
      Text back = Utf16ToGbk(GbkToUtf16(pair));
      if (back == Text(pair)) {
        ++assigned;
      } else {
        EXPECT_EQ(back, Text("?")) << std::hex << lead << " " << trail;
      }
    }
  }
  EXPECT_GT(assigned, 21000);
}

}  // namespace
}  // namespace zerulin

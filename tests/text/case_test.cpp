#include "text/case.h"

#include <gtest/gtest.h>

#include <string>

#include "text/find.h"

namespace zerulin {
namespace {

TEST(CaseTest, ToLowerCase) {
  EXPECT_EQ(ToLowerCase("HTTPS://A.B"), "https://a.b");
  EXPECT_EQ(ToLowerCase("\xA3\xC1"), "\xA3\xC1");
  EXPECT_EQ(ToLowerCase("\xB0"
                        "AB"),
            "\xB0"
            "Ab");
  EXPECT_EQ(ToLowerCase("A\xB0"), "a\xB0");
}

// Every one-byte character folds exactly when it is an ASCII capital.
TEST(CaseTest, EveryOneByteCharacter) {
  for (int code = 1; code < 0x80; ++code) {
    SCOPED_TRACE(code);
    char byte = static_cast<char>(code);
    char want = code >= 'A' && code <= 'Z' ? static_cast<char>(code + 32) : byte;
    EXPECT_EQ(ToLowerCase(std::string(1, byte)).view(), std::string(1, want));
  }
}

// Case-insensitive search folds every byte value of both sides, second bytes included,
// and no byte outside A-Z has a case.
TEST(CaseTest, SearchFoldsEveryByte) {
  for (int x = 1; x < 256; ++x) {
    for (int y = 1; y < 256; ++y) {
      auto fold = [](int b) { return b >= 'A' && b <= 'Z' ? b + 32 : b; };
      std::string text = {'\xB0', static_cast<char>(x)};
      std::string sought = {'\xB0', static_cast<char>(y)};
      int want = fold(x) == fold(y) ? 1 : -1;
      if (FindText(text, sought, {}, true) != want) {
        ADD_FAILURE() << "second bytes " << x << " and " << y;
        return;
      }
    }
  }
}

}  // namespace
}  // namespace zerulin

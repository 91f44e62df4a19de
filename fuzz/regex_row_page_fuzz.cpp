// RegexObject with the row pattern and its settings over arbitrary pages, every group of every
// match read with its position: no crash, no group across a line feed, copies that agree.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "match/regex_object.h"

namespace {

const zerulin::Text kRowPattern =
    R"(<td>(.*?)</td>[\s|\S]*?">(.*?)</td>[\s|\S]*?<td>(.*?)</td>[\s|\S]*?<td>(.*?)</td>)"
    R"([\s|\S]*?<td>(.*?)</td>[\s|\S]*?<td>(.*?)</td>)";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zerulin;
  Text page(std::string_view(reinterpret_cast<const char*>(data), size));
  RegexObject regex;
  if (!regex.Create(kRowPattern, page, false, false, true, true)) {
    fuzz::ExpectSame("MatchCount after a failed Create", regex.MatchCount(), 0);
    return 0;
  }
  int count = regex.MatchCount();
  fuzz::ExpectSame("SubMatchCount", regex.SubMatchCount(), count == 0 ? 0 : 6);
  for (int i = 1; i <= count; ++i) {
    for (int g = 1; g <= 6; ++g) {
      int position = 0;
      Text cell = regex.SubMatchText(i, g, &position);
      fuzz::ExpectSame("a group never spans a line feed",
                       static_cast<int>(cell.view().find('\n') == std::string_view::npos), 1);
    }
  }
  RegexObject copy(regex);
  fuzz::ExpectSame("copy's MatchCount", copy.MatchCount(), count);
  if (count > 0) {
    fuzz::ExpectSame<std::string_view>("copy's last cell", copy.SubMatchText(count, 4).view(),
                                       regex.SubMatchText(count, 4).view());
  }
  return 0;
}

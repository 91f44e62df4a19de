// Whole-string conversions by ICU's converters: "windows-936" with its look-alike fallbacks and
// "UTF-8" with U+FFFD for bad sequences. One converter of each kind is kept per thread, since
// opening one costs far more than converting a table cell.
#pragma once

#include <string>
#include <string_view>

namespace zerulin {

std::u16string IcuGbkToUnits(std::string_view gbk);
std::string IcuUnitsToGbk(std::u16string_view units);
std::string IcuUtf8ToGbk(std::string_view utf8);

}  // namespace zerulin

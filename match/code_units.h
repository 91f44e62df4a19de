// Code page 936 to and from UTF-16 code units held in memory, for the pattern engine and the
// conversions over UTF-16LE images. Converters are kept per thread, so calls stay cheap.
#pragma once

#include <string>
#include <string_view>

namespace zerulin {

// Every byte of `gbk` as UTF-16 units; an invalid or cut-off sequence gives the converter's
// replacement character, never a zero unit. The result is built in `storage`'s memory, whatever
// it held.
std::u16string GbkToUnits(std::string_view gbk, std::u16string storage = {});

// `units` in code page 936, up to the first zero unit. Unmappable characters and lone
// surrogates give the converter's replacement. With `composeMarks`, a base character followed
// by combining marks becomes the precomposed character first, where one exists.
std::string UnitsToGbk(std::u16string_view units, bool composeMarks);

}  // namespace zerulin

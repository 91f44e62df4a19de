#include "match/gbk_table.h"

#include <unicode/ucnv.h>

#include <memory>
#include <string>
#include <vector>

namespace zerulin {
namespace {

struct ConverterClose {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};

std::unique_ptr<UConverter, ConverterClose> OpenGbk() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UConverter, ConverterClose> converter(ucnv_open("windows-936", &status));
  if (U_FAILURE(status)) return nullptr;
  ucnv_setFallback(converter.get(), true);
  return converter;
}

// Decodes `bytes` in one call and records, for each unit, the offset of the byte it came from.
void Decode(UConverter* converter, const std::string& bytes, std::u16string* units,
            std::vector<int32_t>* offsets) {
  units->assign(bytes.size(), u'\0');
  offsets->assign(bytes.size(), -1);
  const char* source = bytes.data();
  UChar* target = units->data();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_toUnicode(converter, &target, units->data() + units->size(), &source,
                 bytes.data() + bytes.size(), offsets->data(), true, &status);
  units->resize(U_SUCCESS(status) ? static_cast<size_t>(target - units->data()) : 0);
}

}  // namespace

const GbkTable& GbkTable::Get() {
  static const GbkTable table;
  return table;
}

GbkTable::GbkTable() {
  auto converter = OpenGbk();
  if (!converter) return;  // every look-up then says 0 and the converter decides
  std::u16string units;
  std::vector<int32_t> offsets;

  // One-byte characters: every byte that does not open a pair.
  std::string singles;
  for (int byte = 1; byte <= 0xFF; ++byte) {
    if (byte < 0x81 || byte == 0xFF) singles.push_back(static_cast<char>(byte));
  }
  Decode(converter.get(), singles, &units, &offsets);
  for (size_t k = 0; k < units.size(); ++k) {
    decode_[static_cast<unsigned char>(singles[static_cast<size_t>(offsets[k])])] = units[k];
  }

  // Pairs: a lead byte and every byte that may follow it. A pair counts only when it gave
  // exactly one unit, credited to its lead byte.
  std::string pairs;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      pairs.push_back(static_cast<char>(lead));
      pairs.push_back(static_cast<char>(trail));
    }
  }
  ucnv_reset(converter.get());
  Decode(converter.get(), pairs, &units, &offsets);
  std::vector<int> unitsOfPair(pairs.size() / 2, 0);
  std::vector<char16_t> unitOfPair(pairs.size() / 2, u'\0');
  for (size_t k = 0; k < units.size(); ++k) {
    size_t pair = static_cast<size_t>(offsets[k]) / 2;
    unitsOfPair[pair] += offsets[k] % 2 == 0 ? 1 : 2;  // a unit credited to a trail spoils it
    unitOfPair[pair] = units[k];
  }
  for (size_t pair = 0; pair < unitsOfPair.size(); ++pair) {
    if (unitsOfPair[pair] != 1) continue;
    auto lead = static_cast<unsigned char>(pairs[2 * pair]);
    auto trail = static_cast<unsigned char>(pairs[2 * pair + 1]);
    decode_[lead << 8 | trail] = unitOfPair[pair];
  }

  // Every unit but the zero unit and the surrogates, encoded in one call; each output byte
  // names the unit it came from.
  std::u16string all;
  for (int unit = 1; unit <= 0xFFFF; ++unit) {
    if (unit < 0xD800 || unit > 0xDFFF) all.push_back(static_cast<char16_t>(unit));
  }
  std::string bytes(all.size() * 2, '\0');
  std::vector<int32_t> sources(bytes.size(), -1);
  const UChar* source = all.data();
  char* target = bytes.data();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(converter.get());
  ucnv_fromUnicode(converter.get(), &target, bytes.data() + bytes.size(), &source,
                   all.data() + all.size(), sources.data(), true, &status);
  if (U_FAILURE(status)) return;
  size_t written = static_cast<size_t>(target - bytes.data());
  for (size_t k = 0; k < written;) {
    size_t length = 1;
    while (k + length < written && sources[k + length] == sources[k]) ++length;
    if (length <= 2) {
      auto first = static_cast<unsigned char>(bytes[k]);
      uint16_t code =
          length == 1
              ? first
              : static_cast<uint16_t>(first << 8 | static_cast<unsigned char>(bytes[k + 1]));
      encode_[all[static_cast<size_t>(sources[k])]] = code;
    }
    k += length;
  }
}

}  // namespace zerulin

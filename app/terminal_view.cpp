#include "app/terminal_view.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>

#include "app/qt_text.h"

namespace zerulin {
namespace {

constexpr int kColumnCount = 5;

std::string ToUtf8(const Text& text) { return ToQString(text).toStdString(); }

}  // namespace

int TerminalView::InsertRow(std::optional<int> position, const Text& itemText) {
  const int count = static_cast<int>(rows_.size());
  const int row = position && *position >= 0 && *position <= count ? *position : count;
  std::vector<Text> cells(kColumnCount);
  cells[0] = itemText;
  rows_.insert(rows_.begin() + row, std::move(cells));
  return row;
}

void TerminalView::SetCellText(int item, std::optional<int> column, const Text& text) {
  const int at = column.value_or(0);
  if (item < 0 || item >= static_cast<int>(rows_.size()) || at < 0 || at >= kColumnCount) return;
  rows_[item][at] = text;
}

void TerminalView::PrintTable(std::ostream& out) const {
  std::vector<std::vector<std::string>> lines = {{"ID", "玩家昵称", "大区", "等级", "段位"}};
  for (const auto& row : rows_) {
    std::vector<std::string> line;
    for (const Text& cell : row) line.push_back(ToUtf8(cell));
    lines.push_back(std::move(line));
  }
  std::vector<int> widths(kColumnCount, 0);
  for (const auto& line : lines) {
    for (int column = 0; column < kColumnCount; ++column) {
      widths[column] = std::max(widths[column], DisplayWidth(line[column]));
    }
  }
  for (const auto& line : lines) {
    std::string printed;
    for (int column = 0; column < kColumnCount; ++column) {
      printed += line[column];
      if (column + 1 < kColumnCount) {
        printed.append(widths[column] - DisplayWidth(line[column]) + 2, ' ');
      }
    }
    printed.erase(printed.find_last_not_of(' ') + 1);
    out << printed << '\n';
  }
}

int DisplayWidth(const std::string& utf8) {
  int width = 0;
  const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
  const int32_t length = static_cast<int32_t>(utf8.size());
  for (int32_t i = 0; i < length;) {
    UChar32 c;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) {
      ++width;  // a broken sequence prints as one replacement mark
      continue;
    }
    const auto eastAsian =
        static_cast<UEastAsianWidth>(u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH));
    if (eastAsian == U_EA_WIDE || eastAsian == U_EA_FULLWIDTH) {
      width += 2;
    } else if (u_getCombiningClass(c) == 0 && u_charType(c) != U_NON_SPACING_MARK) {
      width += 1;
    }
  }
  return width;
}

}  // namespace zerulin

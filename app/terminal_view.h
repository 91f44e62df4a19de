// TerminalView: a role query's rows and messages collected for a terminal.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/role_view.h"

namespace zerulin {

// A view without a window: the number is given up front, rows are kept in memory and
// messages are remembered instead of shown. Used from one thread at a time.
class TerminalView : public RoleView {
 public:
  explicit TerminalView(Text number) : number_(std::move(number)) {}

  Text ReadNumber() override { return number_; }
  void DeleteAllRows() override { rows_.clear(); }
  int InsertRow(std::optional<int> position, const Text& itemText) override;
  void SetCellText(int item, std::optional<int> column, const Text& text) override;
  void ShowMessage(const Text& message) override { messages_.push_back(message); }

  const std::vector<std::vector<Text>>& rows() const { return rows_; }
  const std::vector<Text>& messages() const { return messages_; }

  // The column titles and the rows as UTF-8 lines, each column padded to its widest cell by
  // display width (a CJK character takes two columns) and two spaces apart.
  void PrintTable(std::ostream& out) const;

 private:
  Text number_;
  std::vector<std::vector<Text>> rows_;
  std::vector<Text> messages_;
};

// Columns a UTF-8 text takes in a terminal: 2 for wide and full-width characters, 0 for
// combining marks, 1 otherwise. DisplayWidth("风a") == 3.
int DisplayWidth(const std::string& utf8);

}  // namespace zerulin

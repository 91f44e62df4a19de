// RoleView: what a role query needs from the screen it reports to.
#pragma once

#include <optional>

#include "text/text.h"

namespace zerulin {

// The window is one view and the terminal another. Every operation may be called from any
// thread; a view carries the operations of one thread out in the order they were called, and
// an operation with a result returns once it has been carried out.
class RoleView {
 public:
  virtual ~RoleView() = default;

  // The QQ number box's current text as a fresh code page 936 text, unchanged.
  virtual Text ReadNumber() = 0;

  // Removes every row; the columns stay.
  virtual void DeleteAllRows() = 0;

  // Inserts a row whose column 0 holds `itemText`. Positions are 0-based; a negative or absent
  // position, or one past the last row, appends. Returns the new row's index, -1 on failure.
  virtual int InsertRow(std::optional<int> position, const Text& itemText) = 0;

  // Replaces the text of column `column` (0 to 4; 0 when absent) of row `item`.
  virtual void SetCellText(int item, std::optional<int> column, const Text& text) = 0;

  // Shows `message` as an error box captioned "信息：" and returns once it has been closed.
  virtual void ShowMessage(const Text& message) = 0;
};

}  // namespace zerulin

// RecordingView: a RoleView that writes down every call, for checking what a query did.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/qt_text.h"
#include "app/role_view.h"

namespace zerulin {

// Calls are recorded as UTF-8 lines: "read", "delete", "insert <position> <text>",
// "set <item> <column> <text>", "message <text>". The number box gives `numbers` one reading
// at a time, then the last one again.
class RecordingView : public RoleView {
 public:
  explicit RecordingView(std::deque<Text> numbers = {""}) : numbers_(std::move(numbers)) {}

  Text ReadNumber() override {
    calls.push_back("read");
    Text number = numbers_.front();
    if (numbers_.size() > 1) numbers_.pop_front();
    return number;
  }
  void DeleteAllRows() override { calls.push_back("delete"); }
  int InsertRow(std::optional<int> position, const Text& itemText) override {
    calls.push_back("insert " + std::to_string(position.value_or(-1)) + " " + Utf8(itemText));
    return position.value_or(-1);
  }
  void SetCellText(int item, std::optional<int> column, const Text& text) override {
    calls.push_back("set " + std::to_string(item) + " " + std::to_string(column.value_or(0)) + " " +
                    Utf8(text));
  }
  void ShowMessage(const Text& message) override { calls.push_back("message " + Utf8(message)); }

  std::vector<std::string> calls;

 private:
  static std::string Utf8(const Text& text) { return ToQString(text).toStdString(); }

  std::deque<Text> numbers_;
};

}  // namespace zerulin

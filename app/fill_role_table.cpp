#include "app/fill_role_table.h"

#include <mutex>

#include "app/pump_pending_events.h"
#include "match/regex_object.h"
#include "text/integer.h"

namespace zerulin {
namespace {

// Queries running side by side would otherwise interleave their inserts, so that cells land in
// rows of another query's page and rows are left without cells.
std::mutex& RowWriting() {
  static std::mutex turn;
  return turn;
}

}  // namespace

int FillRoleTable(RoleView& view, const Text& page) {
  RegexObject regex;
  if (!regex.Create(kRolePattern, page, /*caseSensitive=*/false, /*multiline=*/false,
                    /*global=*/true, /*expandQuoteMarker=*/true)) {
    view.ShowMessage(kPatternFailedMessage);
    return 0;
  }
  const int count = regex.MatchCount();
  if (count == 0) {
    view.ShowMessage(kNoMatchMessage);
    return 0;
  }
  const std::lock_guard turn(RowWriting());
  view.DeleteAllRows();
  // Cells go to our own row positions, not to the index the insert returns.
  int row = -1;
  for (int i = 1; i <= count; ++i) {
    ++row;
    view.InsertRow(row, ToText(i));
    for (int group = 1; group <= 4; ++group) {
      view.SetCellText(row, group, regex.SubMatchText(i, group));
    }
    PumpPendingEvents();
  }
  return count;
}

}  // namespace zerulin

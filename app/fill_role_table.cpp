#include "app/fill_role_table.h"

#include "app/pump_pending_events.h"
#include "match/regex_object.h"
#include "text/integer.h"

namespace zerulin {

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
  view.DeleteAllRows();
  // Cells go to our own row positions, not to the index the insert returns: another query
  // filling the same list at the same time may shift that index.
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

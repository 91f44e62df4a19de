#include "app/query_command.h"

#include "app/fill_role_table.h"
#include "app/qt_text.h"
#include "app/query_roles.h"
#include "app/terminal_view.h"

namespace zerulin {

int RunQueryCommand(const std::vector<std::string>& arguments, const Text& serviceHost,
                    std::ostream& out, std::ostream& err) {
  if (arguments.size() != 1) {
    err << "usage: zerulin-query NUMBER\n";
    return kQueryUsage;
  }
  TerminalView view(FromQString(QString::fromStdString(arguments[0])));
  QueryRoles(view, serviceHost);
  if (view.messages().empty()) {
    view.PrintTable(out);
    return kQueryRowsPrinted;
  }
  const Text& message = view.messages().front();
  err << ToQString(message).toStdString() << '\n';
  return message == Text(kPatternFailedMessage) ? kQueryPatternFailed : kQueryNoMatch;
}

}  // namespace zerulin

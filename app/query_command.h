// The zerulin-query command: one role query printed to a terminal.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "text/text.h"

namespace zerulin {

// Exit codes of zerulin-query.
enum QueryExit : int {
  kQueryRowsPrinted = 0,
  kQueryUsage = 2,
  kQueryNoMatch = 3,
  kQueryPatternFailed = 4,
};

// Runs `arguments` (the QQ number, UTF-8, as the only one) against `serviceHost`: the table on
// `out`, or the message of a failed query or the usage on `err`. Returns a QueryExit code.
int RunQueryCommand(const std::vector<std::string>& arguments, const Text& serviceHost,
                    std::ostream& out, std::ostream& err);

}  // namespace zerulin

// zerulin-query NUMBER: the roles of one QQ number as a table in the terminal.
#include <iostream>

#include "app/hosts.h"
#include "app/query_command.h"

int main(int argc, char** argv) {
  return zerulin::RunQueryCommand({argv + 1, argv + argc}, zerulin::kRoleHost, std::cout,
                                  std::cerr);
}

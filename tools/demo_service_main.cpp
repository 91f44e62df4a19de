// zerulin-demo-service [PORT [ACCOUNTS_FILE]]: serves the demo accounts on 127.0.0.1.
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "tools/demo_service.h"

#ifndef ZERULIN_DEMO_ACCOUNTS
#define ZERULIN_DEMO_ACCOUNTS "demo_accounts.tsv"
#endif

int main(int argc, char** argv) {
  int port = argc > 1 ? std::atoi(argv[1]) : 8936;
  const char* path = argc > 2 ? argv[2] : ZERULIN_DEMO_ACCOUNTS;
  std::ifstream file(path);
  if (port <= 0 || port > 65535 || !file) {
    std::fprintf(stderr, "usage: zerulin-demo-service [PORT [ACCOUNTS_FILE]] (cannot use %s)\n",
                 file ? argv[1] : path);
    return 2;
  }
  zerulin::DemoService service(zerulin::ReadDemoAccounts(file));
  std::fprintf(stderr, "zerulin-demo-service: listening on http://127.0.0.1:%d/\n", port);
  if (!service.Listen(port)) {
    std::fprintf(stderr, "zerulin-demo-service: cannot listen on 127.0.0.1:%d\n", port);
    return 1;
  }
  return 0;
}

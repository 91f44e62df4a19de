// Fetches one URL with WebAccess and checks the body's length, for bench/download.sh.
// Usage: web_access_download <url> <expected bytes>
#include <cstdio>
#include <cstdlib>

#include "http/web_access.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const zerulin::Bytes body = zerulin::WebAccess(argv[1]);
  if (body.view().size() != std::strtoull(argv[2], nullptr, 10)) {
    std::fprintf(stderr, "got %zu bytes\n", body.view().size());
    return 1;
  }
  return 0;
}

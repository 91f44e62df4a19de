// The buffer a response body is received into.
#pragma once

#include <cstddef>
#include <string>

#include "http/page_warmer.h"

namespace zerulin {

// Grows by doubling, so each received piece is copied once; never a copy of the whole body
// per piece. The pages of a large buffer are mapped ahead of the writer by a PageWarmer.
class BodyBuffer {
 public:
  // Makes room for `bytes` in all, e.g. for an announced length. Pages are mapped only a
  // little ahead of what arrives, so a false announcement costs address space mostly.
  void Reserve(size_t bytes);
  void Append(const char* data, size_t size);
  // The bytes received, leaving the buffer empty.
  std::string Take();

 private:
  std::string bytes_;
  PageWarmer warmer_;  // declared last: stops before the bytes are freed
};

}  // namespace zerulin

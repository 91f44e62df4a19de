// The buffer a response body is received into.
#pragma once

#include <cstddef>
#include <string>

namespace zerulin {

// Grows by doubling, so each received piece is copied once; never a copy of the whole body
// per piece. Pages of a large buffer are mapped a few megabytes ahead of the writer in one
// call each, the first of them as huge pages: faulting them in one by one on first write
// costs about as much as receiving the bytes.
class BodyBuffer {
 public:
  // Makes room for `bytes` in all, e.g. for an announced length. Touches no page, so a false
  // announcement costs address space only.
  void Reserve(size_t bytes);
  void Append(const char* data, size_t size);
  // The bytes received, leaving the buffer empty.
  std::string Take();

 private:
  void MapAhead(size_t needed);

  std::string bytes_;
  size_t mapped_ = 0;  // the first mapped_ bytes of the buffer lie in mapped pages
};

}  // namespace zerulin

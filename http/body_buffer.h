// The buffer a response body is received into.
#pragma once

#include <cstddef>
#include <string>

namespace zerulin {

// Grows by doubling, so each received piece is copied once; never a copy of the whole body
// per piece.
class BodyBuffer {
 public:
  // Makes room for `bytes` in all, e.g. for an announced Content-Length.
  void Reserve(size_t bytes);
  void Append(const char* data, size_t size);
  // The bytes received, leaving the buffer empty.
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

}  // namespace zerulin

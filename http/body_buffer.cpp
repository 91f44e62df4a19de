#include "http/body_buffer.h"

#include <algorithm>

namespace zerulin {
namespace {

// Smaller buffers fault in cheaply enough on the writer's own thread.
constexpr size_t kWarmFrom = size_t{8} << 20;

}  // namespace

void BodyBuffer::Reserve(size_t bytes) {
  if (bytes <= bytes_.capacity()) return;
  warmer_.Stop();  // the bytes are about to move
  bytes_.reserve(bytes);
  // Warming starts past the bytes moved in, which wrote to every page they occupy.
  if (bytes_.capacity() >= kWarmFrom) {
    warmer_.Start(bytes_.data(), bytes_.size(), bytes_.capacity());
  }
}

void BodyBuffer::Append(const char* data, size_t size) {
  if (bytes_.size() + size > bytes_.capacity()) {
    Reserve(std::max(bytes_.capacity() * 2, bytes_.size() + size));
  }
  bytes_.append(data, size);
  warmer_.WriterAt(bytes_.size());
}

std::string BodyBuffer::Take() {
  warmer_.Stop();
  return std::move(bytes_);
}

}  // namespace zerulin

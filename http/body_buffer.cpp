#include "http/body_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>

namespace zerulin {
namespace {

constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE (Linux 5.14); older kernels refuse it
constexpr uintptr_t kPage = 4096;
constexpr size_t kMapStep = size_t{8} << 20;
constexpr size_t kMapFrom = size_t{1} << 20;  // smaller buffers fault in cheaply enough

}  // namespace

void BodyBuffer::Reserve(size_t bytes) {
  if (bytes <= bytes_.capacity()) return;
  bytes_.reserve(bytes);
  mapped_ = bytes_.size();  // moving the bytes wrote to every page they now occupy
}

void BodyBuffer::Append(const char* data, size_t size) {
  if (bytes_.size() + size > bytes_.capacity()) {
    Reserve(std::max(bytes_.capacity() * 2, bytes_.size() + size));
  }
  MapAhead(bytes_.size() + size);
  bytes_.append(data, size);
}

std::string BodyBuffer::Take() {
  mapped_ = 0;
  return std::move(bytes_);
}

void BodyBuffer::MapAhead(size_t needed) {
  if (needed <= mapped_ || bytes_.capacity() < kMapFrom) return;
  const size_t upTo = std::min(bytes_.capacity(), std::max(needed, mapped_ + kMapStep));
  const auto base = reinterpret_cast<uintptr_t>(bytes_.data());
  // Whole pages only, all inside the buffer; mapping changes no byte.
  const uintptr_t begin = (base + mapped_ + kPage - 1) & ~(kPage - 1);
  const uintptr_t end = (base + upTo) & ~(kPage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, kPopulateWrite);
  mapped_ = upTo;
}

}  // namespace zerulin

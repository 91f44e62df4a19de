#include "http/body_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>

namespace zerulin {
namespace {

constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE (Linux 5.14); older kernels refuse it
constexpr uintptr_t kPage = 4096;
constexpr size_t kPrefaultFrom = size_t{1} << 20;  // smaller bodies fault in cheaply enough

}  // namespace

void BodyBuffer::Reserve(size_t bytes) {
  if (bytes <= bytes_.capacity()) return;
  bytes_.reserve(bytes);
  if (bytes_.capacity() - bytes_.size() < kPrefaultFrom) return;
  // Mapping the new pages in one call costs far less than a fault on the first write to each,
  // which for a large body costs about as much as receiving it. No byte changes.
  const auto base = reinterpret_cast<uintptr_t>(bytes_.data());
  const uintptr_t begin = (base + bytes_.size() + kPage - 1) & ~(kPage - 1);
  const uintptr_t end = (base + bytes_.capacity()) & ~(kPage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, kPopulateWrite);
}

void BodyBuffer::Append(const char* data, size_t size) {
  if (bytes_.size() + size > bytes_.capacity()) {
    Reserve(std::max(bytes_.capacity() * 2, bytes_.size() + size));
  }
  bytes_.append(data, size);
}

}  // namespace zerulin

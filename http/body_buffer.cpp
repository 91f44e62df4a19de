#include "http/body_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>

namespace zerulin {
namespace {

constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
// Smaller buffers fault in cheaply enough on the writer's own thread.
constexpr size_t kWarmFrom = size_t{8} << 20;
// Huge pages spare nearly all the mapping work, but beyond the few the kernel keeps free it
// has to compact memory to make more, which costs more than the faults they would save.
constexpr uintptr_t kHugePagesUpTo = uintptr_t{64} << 20;

}  // namespace

void BodyBuffer::Reserve(size_t bytes) {
  if (bytes <= bytes_.capacity()) return;
  warmer_.Stop();  // the bytes are about to move
  bytes_.reserve(bytes);
  if (bytes_.capacity() < kWarmFrom) return;
  const auto base = reinterpret_cast<uintptr_t>(bytes_.data());
  const uintptr_t begin = (base + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t end =
      (base + std::min<uintptr_t>(bytes_.capacity(), kHugePagesUpTo)) & ~(kHugePage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
  // Moving the bytes in wrote to every page they now occupy.
  warmer_.Start(bytes_.data(), bytes_.size(), bytes_.capacity());
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

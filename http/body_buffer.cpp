#include "http/body_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>

namespace zerulin {
namespace {

constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE (Linux 5.14); older kernels refuse it
constexpr uintptr_t kPage = 4096;
constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
constexpr size_t kMapStep = size_t{8} << 20;
constexpr size_t kMapFrom = size_t{1} << 20;  // smaller buffers fault in cheaply enough
// Huge pages spare nearly all the mapping work, but beyond the few the kernel keeps free it
// has to compact memory to make more, which costs more than the faults they would save.
constexpr uintptr_t kHugePagesUpTo = uintptr_t{64} << 20;

// The whole pages inside [from, to), `page` being a power of two.
void Advise(uintptr_t from, uintptr_t to, uintptr_t page, int advice) {
  const uintptr_t begin = (from + page - 1) & ~(page - 1);
  const uintptr_t end = to & ~(page - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, advice);
}

}  // namespace

void BodyBuffer::Reserve(size_t bytes) {
  if (bytes <= bytes_.capacity()) return;
  bytes_.reserve(bytes);
  mapped_ = bytes_.size();  // moving the bytes wrote to every page they now occupy
  if (bytes_.capacity() < kMapStep) return;
  const auto base = reinterpret_cast<uintptr_t>(bytes_.data());
  Advise(base, base + std::min<uintptr_t>(bytes_.capacity(), kHugePagesUpTo), kHugePage,
         MADV_HUGEPAGE);
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
  // Mapping a page writable changes none of its bytes.
  const auto base = reinterpret_cast<uintptr_t>(bytes_.data());
  Advise(base + mapped_, base + upTo, kPage, kPopulateWrite);
  mapped_ = upTo;
}

}  // namespace zerulin

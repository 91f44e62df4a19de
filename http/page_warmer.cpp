#include "http/page_warmer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <system_error>

namespace zerulin {
namespace {

constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE (Linux 5.14); older kernels refuse it
constexpr uintptr_t kPage = 4096;
constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
constexpr size_t kStep = size_t{2} << 20;
// Huge pages spare nearly all the mapping work, but beyond the few the kernel keeps free it
// has to compact memory to make more, which costs more than the faults they would save.
constexpr size_t kHugePagesUpTo = size_t{64} << 20;

// Gives `advice` for the whole pages inside [base + from, base + to), `page` being a power of
// two.
void AdviseWholePages(char* base, size_t from, size_t to, uintptr_t page, int advice) {
  const auto start = reinterpret_cast<uintptr_t>(base);
  const uintptr_t begin = (start + from + page - 1) & ~(page - 1);
  const uintptr_t end = (start + to) & ~(page - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, advice);
}

}  // namespace

void PageWarmer::Start(char* base, size_t from, size_t size) {
  Stop();
  AdviseWholePages(base, 0, std::min(size, kHugePagesUpTo), kHugePage, MADV_HUGEPAGE);
  writer_.store(from);
  try {
    thread_ = std::thread(&PageWarmer::Run, this, base, from, size);
  } catch (const std::system_error&) {
    // No thread to spare: the writer maps the pages itself as it writes.
  }
}

void PageWarmer::WriterAt(size_t offset) {
  if (!thread_.joinable()) return;
  writer_.store(offset);
  writer_.notify_one();
}

void PageWarmer::Stop() {
  if (!thread_.joinable()) return;
  writer_.store(kStopped);
  writer_.notify_one();
  thread_.join();
}

void PageWarmer::Run(char* base, size_t from, size_t size) {
  for (size_t mapped = from; mapped < size;) {
    const size_t writer = writer_.load();
    if (writer == kStopped) return;
    if (mapped >= writer + kAhead) {
      writer_.wait(writer);
      continue;
    }
    mapped = std::max(mapped, writer);  // the writer has mapped what it wrote
    const size_t upTo = std::min(size, mapped + kStep);
    AdviseWholePages(base, mapped, upTo, kPage, kPopulateWrite);
    mapped = upTo;
  }
}

}  // namespace zerulin

#include "http/page_warmer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <system_error>

namespace zerulin {
namespace {

constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE (Linux 5.14); older kernels refuse it
constexpr uintptr_t kPage = 4096;
constexpr size_t kStep = size_t{2} << 20;

}  // namespace

void PageWarmer::Start(char* base, size_t from, size_t size) {
  Stop();
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
  const auto start = reinterpret_cast<uintptr_t>(base);
  for (size_t mapped = from; mapped < size;) {
    const size_t writer = writer_.load();
    if (writer == kStopped) return;
    if (mapped >= writer + kAhead) {
      writer_.wait(writer);
      continue;
    }
    mapped = std::max(mapped, writer);  // the writer has mapped what it wrote
    const size_t upTo = std::min(size, mapped + kStep);
    const uintptr_t begin = (start + mapped + kPage - 1) & ~(kPage - 1);
    const uintptr_t end = (start + upTo) & ~(kPage - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, kPopulateWrite);
    mapped = upTo;
  }
}

}  // namespace zerulin

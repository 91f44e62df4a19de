// Maps the pages of a large buffer on a thread of its own, a little ahead of its writer.
#pragma once

#include <atomic>
#include <cstddef>
#include <thread>

namespace zerulin {

// A fresh buffer's pages are mapped on first write, and for a body of tens of megabytes that
// costs about as much as receiving it. The warmer maps them on another core, in steps, staying
// at most kAhead bytes in front of the writer, so a false announced length costs little; the
// first 64 MB are asked for as huge pages.
// Mapping a page writable changes none of its bytes, so the writer may write anywhere at any
// time; only the memory must stay allocated until Stop.
class PageWarmer {
 public:
  static constexpr size_t kAhead = size_t{32} << 20;

  PageWarmer() = default;
  PageWarmer(const PageWarmer&) = delete;
  PageWarmer& operator=(const PageWarmer&) = delete;
  ~PageWarmer() { Stop(); }

  // Starts mapping [base + from, base + size) as the writer moves on from `from`; stops an
  // earlier run first.
  void Start(char* base, size_t from, size_t size);
  // The writer has written everything before `offset`.
  void WriterAt(size_t offset);
  // Returns once the warmer's thread is gone; the memory may then be freed.
  void Stop();

 private:
  static constexpr size_t kStopped = ~size_t{0};
  void Run(char* base, size_t from, size_t size);

  std::atomic<size_t> writer_{0};
  std::thread thread_;
};

}  // namespace zerulin

#include "http/page_warmer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace zerulin {
namespace {

// A buffer longer than the warmer may run ahead, so that it has to wait for the writer.
constexpr size_t kLength = PageWarmer::kAhead + (size_t{16} << 20);

TEST(PageWarmerTest, StopsWhetherWaitingForTheWriterOrNeverStarted) {
  std::string buffer;
  buffer.reserve(kLength);
  PageWarmer warmer;
  warmer.Stop();
  warmer.Start(buffer.data(), 0, buffer.capacity());
  // Time to map kAhead bytes and wait for the writer: a lost wake-up would then hang Stop.
  // Arriving sooner catches less but fails nothing.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  warmer.Start(buffer.data(), 0, buffer.capacity());  // stops the first run
  warmer.Stop();
  warmer.Stop();
}

}  // namespace
}  // namespace zerulin

#include "app/start_program.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

namespace zerulin {
namespace {

// Runs the close probe in `mode`; the exit status, or -1 when it is still running after 10 s.
int RunProbe(const char* mode, std::chrono::milliseconds* took) {
  const auto start = std::chrono::steady_clock::now();
  char program[] = ZERULIN_CLOSE_PROBE;
  char* argv[] = {program, const_cast<char*>(mode), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) return -2;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10)) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  *took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                start);
  return status;
}

TEST(RunUntilClosedTest, ClosingTheWindowEndsTheProcessAtOnceWithCodeZero) {
  for (const char* mode : {"idle", "stalled-query", "open-box"}) {
    SCOPED_TRACE(mode);
    std::chrono::milliseconds took{};
    const int status = RunProbe(mode, &took);
    ASSERT_GE(status, 0) << "the process did not end";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    // Nothing waits for the query: far below any network time-out.
    EXPECT_LT(took.count(), 5000);
  }
}

}  // namespace
}  // namespace zerulin

#include "app/pump_pending_events.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <thread>

namespace zerulin {
namespace {

TEST(PumpPendingEventsTest, HandlesTheCallingThreadsWaitingEventsOnly) {
  bool handled = false;
  QMetaObject::invokeMethod(
      qApp, [&] { handled = true; }, Qt::QueuedConnection);

  // A thread without an event loop has nothing to pump and leaves the window thread's queue.
  std::thread([] { PumpPendingEvents(); }).join();
  EXPECT_FALSE(handled);

  PumpPendingEvents();
  EXPECT_TRUE(handled);
}

}  // namespace
}  // namespace zerulin

// One buffer per thread, kept from one use to the next.
#pragma once

#include <utility>

namespace zerulin {

// Holds the largest `Buffer` given back on this thread, so the next user of a large buffer
// writes into memory it already owns instead of fresh pages from the system: for a buffer of
// several megabytes, faulting fresh pages in costs about as much as the work done in them.
// The memory is freed when the thread ends. Only the storage is meant to be reused; `Buffer`
// needs capacity().
template <typename Buffer>
class ThreadSpare {
 public:
  // The spare buffer (its contents unspecified), or an empty one.
  static Buffer Take() {
    Slot& slot = ThisThread();
    return slot.alive ? std::exchange(slot.buffer, Buffer()) : Buffer();
  }

  // Keeps `buffer` as this thread's spare unless the one kept already holds more.
  static void Give(Buffer buffer) {
    Slot& slot = ThisThread();
    if (slot.alive && buffer.capacity() > slot.buffer.capacity()) slot.buffer = std::move(buffer);
  }

 private:
  // A buffer given back while the thread's own objects are being destroyed is simply freed.
  struct Slot {
    Buffer buffer;
    bool alive = true;
    ~Slot() { alive = false; }
  };

  static Slot& ThisThread() {
    thread_local Slot slot;
    return slot;
  }
};

}  // namespace zerulin

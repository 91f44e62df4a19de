// PumpPendingEvents: lets the calling thread's own event queue run between two rows.
#pragma once

namespace zerulin {

// Handles the events already waiting for the calling thread when it runs an event loop; on a
// thread without one (a query thread, a terminal program) it does nothing.
void PumpPendingEvents();

}  // namespace zerulin

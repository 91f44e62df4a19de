#include "app/pump_pending_events.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

namespace zerulin {

void PumpPendingEvents() {
  if (QCoreApplication::instance() == nullptr || QAbstractEventDispatcher::instance() == nullptr) {
    return;
  }
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace zerulin

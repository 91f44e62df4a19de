// Small helpers for tests that drive MainWindow.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

namespace zerulin {

// The child control named `name` (a name of the window layout, e.g. "编辑框1").
template <typename Control>
Control* FindControl(QWidget& window, const char* name) {
  return window.findChild<Control*>(QString::fromUtf8(name));
}

// The visible message box without a parent, waiting up to `timeoutMs` for one to appear.
inline QMessageBox* WaitForMessageBox(int timeoutMs = 5000) {
  QMessageBox* found = nullptr;
  (void)QTest::qWaitFor(
      [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
          auto* box = qobject_cast<QMessageBox*>(widget);
          if (box != nullptr && box->isVisible()) found = box;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

}  // namespace zerulin

#include "app/start_program.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"

// The icon lives in a static library, whose resources are not registered by themselves.
static void RegisterResources() { Q_INIT_RESOURCE(zerulin); }

namespace zerulin {

void StartProgram(int argc, char** argv) {
  QApplication application(argc, argv);
  RegisterResources();
  QApplication::setApplicationName(QStringLiteral("Zerulin"));
  QApplication::setDesktopFileName(QStringLiteral("zerulin"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/zerulin/zerulin.svg")));
  MainWindow window;
  window.show();
  RunUntilClosed(application, window);
}

void RunUntilClosed(QApplication& application, MainWindow& window) {
  // Message boxes of queries are windows too; the program ends with the main window alone.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&window, &MainWindow::closed, &application, &QCoreApplication::quit);
  application.exec();
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace zerulin

// close_probe MODE: shows MainWindow against a loopback service, closes it at a chosen moment
// and ends the way the program does. MODE is "idle" (no query), "stalled-query" (the form post
// is never answered) or "open-box" (a no-match box is open).
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "app/main_window.h"
#include "app/start_program.h"
#include "tests/app/role_service.h"
#include "tests/app/window_helpers.h"

int main(int argc, char** argv) {
  using namespace zerulin;
  const std::string mode = argc > 1 ? argv[1] : "";
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  RoleService service;
  if (mode == "stalled-query") service.HoldPosts();
  MainWindow window(service.host(), [](const QUrl&) {});
  window.show();

  auto closeWhen = [&] {
    if (mode == "stalled-query") return service.PostsArrived() > 0;
    if (mode == "open-box") {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(widget) && widget->isVisible()) return true;
      }
      return false;
    }
    return true;
  };
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (closeWhen()) window.close();
  });
  QTimer::singleShot(0, [&] {
    if (mode == "open-box") FindControl<QLineEdit>(window, "编辑框1")->setText("1234509876");
    if (mode != "idle") FindControl<QPushButton>(window, "按钮1")->click();
    poll.start(5);
  });
  RunUntilClosed(application, window);
}

// MainWindow on a real X server (run under Xvfb with a 1024x768 screen): what the offscreen
// platform cannot tell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>

#include "app/main_window.h"
#include "tests/app/window_helpers.h"

namespace zerulin {
namespace {

// The standard output of a shell command. popen rather than QProcess: ThreadSanitizer cannot
// follow the clone() QProcess starts children with.
QString RunTool(const QString& command) {
  QString output;
  if (FILE* pipe = popen(command.toLocal8Bit().constData(), "r")) {
    char buffer[512];
    while (std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) {
      output += QString::fromLocal8Bit(buffer, static_cast<qsizetype>(read));
    }
    pclose(pipe);
  }
  return output;
}

class MainWindowX11Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  MainWindow window_{"127.0.0.1:9", [](const QUrl&) {}};
};

TEST_F(MainWindowX11Test, OpensCentredOnTheScreenWithItsClientArea) {
  ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1024, 768));
  const QString geometry = RunTool("xwininfo -id " + QString::number(window_.winId()));
  EXPECT_TRUE(geometry.contains("Absolute upper-left X:  294")) << geometry.toStdString();
  EXPECT_TRUE(geometry.contains("Absolute upper-left Y:  239")) << geometry.toStdString();
  EXPECT_TRUE(geometry.contains("Width: 436")) << geometry.toStdString();
  EXPECT_TRUE(geometry.contains("Height: 290")) << geometry.toStdString();
}

TEST_F(MainWindowX11Test, ScreenShowsRedNumberOnWhiteAndAWhiteList) {
  QTest::qWait(100);
  const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  const QPoint origin(294, 239);
  EXPECT_EQ(screen.pixelColor(origin + QPoint(9 + 300, 8 + 150)), QColor(Qt::white));
  EXPECT_EQ(screen.pixelColor(origin + QPoint(40, 221)), QColor(Qt::black));
  int red = 0;
  for (int y = 221; y < 245; ++y) {
    for (int x = 40; x < 176; ++x) {
      const QColor pixel = screen.pixelColor(origin + QPoint(x, y));
      red += pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60;
    }
  }
  EXPECT_GT(red, 20);
}

TEST_F(MainWindowX11Test, EscapeFromTheKeyboardClosesTheWindow) {
  QSignalSpy closed(&window_, &MainWindow::closed);
  const QString id = QString::number(window_.winId());
  RunTool("xdotool windowfocus --sync " + id);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window_.isActiveWindow(); }, 5000));
  FindControl<QLineEdit>(window_, "编辑框1")->setFocus();
  RunTool("xdotool key Escape");
  EXPECT_TRUE(QTest::qWaitFor([&] { return closed.count() == 1; }, 5000));
  EXPECT_FALSE(window_.isVisible());
}

}  // namespace
}  // namespace zerulin

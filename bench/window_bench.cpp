// Window benchmarks on the offscreen platform:
//   BM_QueryClickToFilledList: a click on 查询 until the 30 rows of 1000000007 stand in the
//     list, against the demo service in this process on a loopback port.
//   BM_FillTenThousandRowsFromAQueryThread: FillRoleTable on a thread of its own writing 10 000
//     rows through the window's cross-thread control operations, while another thread posts a
//     key press to the number box every 5 ms; the counters tell the longest time a key press
//     waited for the window and how many were handled.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "app/fill_role_table.h"
#include "app/main_window.h"
#include "match/codepage.h"
#include "tools/demo_service.h"

namespace zerulin {
namespace {

DemoAccounts RepositoryAccounts() {
  std::ifstream file(ZERULIN_DEMO_ACCOUNTS);
  return ReadDemoAccounts(file);
}

void WaitForQueries(MainWindow& window) {
  while (window.RunningQueries() > 0) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

void BM_QueryClickToFilledList(benchmark::State& state) {
  DemoService service(RepositoryAccounts());
  const int port = service.Start();
  MainWindow window(Text("127.0.0.1:" + std::to_string(port)), [](const QUrl&) {});
  window.show();
  window.findChild<QLineEdit*>(QStringLiteral("编辑框1"))->setText("1000000007");
  auto* query = window.findChild<QPushButton*>(QStringLiteral("按钮1"));
  auto* list = window.findChild<QTableWidget*>(QStringLiteral("超级列表框1"));
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    query->click();
    WaitForQueries(window);
    state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    if (list->rowCount() != 30) state.SkipWithError("the list does not hold 30 rows");
  }
}
BENCHMARK(BM_QueryClickToFilledList)->UseManualTime()->Unit(benchmark::kMillisecond);

Text RolePage(int rows) {
  std::string page = "<table>\n";
  for (int i = 1; i <= rows; ++i) {
    page += "<tr><td>玩家" + std::to_string(i) + "</td><td class=\"area\">艾欧尼亚</td><td>" +
            std::to_string(30 + i % 200) + "</td><td>荣耀黄金 I</td><td>51%</td><td>-</td></tr>\n";
  }
  return Utf8ToGbk(Bytes(page + "</table>\n"));
}

// Key presses posted to the number box from another thread, as the window system would; it
// records how long each waited before the box had it.
class KeyLatency : public QObject {
 public:
  explicit KeyLatency(QLineEdit* box) : box_(box) {
    box->installEventFilter(this);
    QInputDevice::primaryKeyboard();  // made here: key events built elsewhere then find it
  }

  void Post(bool typeDigit) {
    posted_.store(clock_.nsecsElapsed());
    QCoreApplication::postEvent(
        box_, new QKeyEvent(QEvent::KeyPress, typeDigit ? Qt::Key_1 : Qt::Key_Backspace,
                            Qt::NoModifier, typeDigit ? QStringLiteral("1") : QString()));
  }

  double longestMs() const { return longestNs_ / 1e6; }
  int handled() const { return handled_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      longestNs_ = std::max(longestNs_, clock_.nsecsElapsed() - posted_.load());
      ++handled_;
    }
    return false;
  }

 private:
  QLineEdit* box_;
  QElapsedTimer clock_ = [] {
    QElapsedTimer started;
    started.start();
    return started;
  }();
  std::atomic<qint64> posted_ = 0;
  qint64 longestNs_ = 0;
  int handled_ = 0;
};

void BM_FillTenThousandRowsFromAQueryThread(benchmark::State& state) {
  const Text page = RolePage(10000);
  MainWindow window("127.0.0.1:9", [](const QUrl&) {});
  window.show();
  auto* box = window.findChild<QLineEdit*>(QStringLiteral("编辑框1"));
  auto* list = window.findChild<QTableWidget*>(QStringLiteral("超级列表框1"));
  KeyLatency keys(box);
  int keysPosted = 0;
  for (auto _ : state) {
    std::atomic<bool> done = false;
    QElapsedTimer clock;
    clock.start();
    std::thread worker([&] {
      FillRoleTable(window, page);
      done = true;
    });
    std::thread typist([&] {
      for (bool digit = true; !done; digit = !digit, ++keysPosted) {
        keys.Post(digit);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
    });
    while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    worker.join();
    typist.join();
    QCoreApplication::processEvents();
    if (list->rowCount() != 10000) state.SkipWithError("the list does not hold 10 000 rows");
  }
  state.counters["longest_key_wait_ms"] = keys.longestMs();
  state.counters["keys_posted"] = keysPosted;
  state.counters["keys_handled"] = keys.handled();
}
BENCHMARK(BM_FillTenThousandRowsFromAQueryThread)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace zerulin

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}

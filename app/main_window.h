// MainWindow: the QQ number box, the query and forum buttons and the role list.
#pragma once

#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "app/hosts.h"
#include "app/role_view.h"

class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QTableWidget;

namespace zerulin {

// The program's one window. Its controls carry the object names 标签1, 按钮2, 编辑框1,
// 超级列表框1 and 按钮1. The RoleView operations work from any thread: on the window's own
// thread directly, from elsewhere as calls queued to the window's thread in order (the caller
// waits for those with a result, and for a message box until it is closed).
class MainWindow : public QWidget, public RoleView {
  Q_OBJECT

 public:
  // Opens an address in the user's browser; tests put their own in.
  using UrlOpener = std::function<void(const QUrl&)>;

  explicit MainWindow(Text roleHost = kRoleHost, UrlOpener opener = OpenInBrowser);

  Text ReadNumber() override;
  void DeleteAllRows() override;
  int InsertRow(std::optional<int> position, const Text& itemText) override;
  void SetCellText(int item, std::optional<int> column, const Text& text) override;
  void ShowMessage(const Text& message) override;

  // Opens the forum thread (http://<forum host>/forum.php?...) through the opener.
  void OpenForumThread();

  // Queries started by 按钮1 that have not ended yet; the window's thread only.
  int RunningQueries() const { return runningQueries_; }

  static void OpenInBrowser(const QUrl& address);

 signals:
  // The window was closed by its close box or by Esc.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void SetUpRoleList();
  void OnQueryClicked();
  void OnQueryFinished();
  QMessageBox* OpenMessageBox(const Text& message);
  void HoldListPaint();
  void ReleaseListPaint();

  template <typename Operation>
  auto OnWindowThread(Operation operation);

  QLabel* label1_ = nullptr;
  QPushButton* button2_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QTableWidget* list1_ = nullptr;
  QPushButton* button1_ = nullptr;
  const Text roleHost_;
  const UrlOpener opener_;
  int runningQueries_ = 0;
  QTimer listPaintHold_;
};

}  // namespace zerulin

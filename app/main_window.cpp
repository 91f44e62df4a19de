#include "app/main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QThread>
#include <future>
#include <memory>
#include <system_error>
#include <thread>
#include <type_traits>

#include "app/qt_text.h"
#include "app/query_roles.h"

namespace zerulin {
namespace {

constexpr int kWidth = 436;
constexpr int kHeight = 290;
constexpr int kColumnCount = 5;

// While a query thread streams rows in, the list is drawn at most once per display frame.
constexpr int kFrameMs = 16;

// An account of the bundled demo service, so a first click shows rows.
constexpr char kSampleNumber[] = "2718281828";

// Bold, 14 pixels high; the named face first, then close CJK faces where it is missing.
QFont CjkFont(const QStringList& families) {
  QFont font;
  font.setFamilies(families + QStringList{"WenQuanYi Zen Hei", "Noto Sans CJK SC"});
  font.setPixelSize(14);
  font.setWeight(QFont::Bold);
  font.setStyleStrategy(QFont::PreferQuality);
  return font;
}

QFont FontA() { return CjkFont({QStringLiteral("幼圆"), "YouYuan"}); }
QFont FontB() { return CjkFont({QStringLiteral("仿宋"), "FangSong", "STFangsong"}); }

void SetColors(QWidget* widget, QPalette::ColorRole text, QColor textColor,
               QPalette::ColorRole background, QColor backgroundColor) {
  QPalette palette = widget->palette();
  palette.setColor(text, textColor);
  palette.setColor(background, backgroundColor);
  widget->setPalette(palette);
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QFont& font, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(font);
  button->setAutoDefault(false);  // Enter never clicks a button
  button->setDefault(false);
  return button;
}

}  // namespace

MainWindow::MainWindow(Text roleHost, UrlOpener opener)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      roleHost_(std::move(roleHost)),
      opener_(std::move(opener)) {
  setWindowTitle(QStringLiteral("Zerulin  欢迎访问Morvent论坛：") + QString::fromUtf8(kForumHost));
  setFixedSize(kWidth, kHeight);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.x() + (screen.width() - kWidth) / 2, screen.y() + (screen.height() - kHeight) / 2);
  SetColors(this, QPalette::WindowText, Qt::black, QPalette::Window,
            palette().color(QPalette::Button));
  setAutoFillBackground(true);
  // The stock GUI font of a Chinese desktop: 12 pixels; the label and the list inherit it.
  QFont guiFont = font();
  guiFont.setPixelSize(12);
  setFont(guiFont);
  CreateControls();

  listPaintHold_.setSingleShot(true);
  listPaintHold_.setInterval(kFrameMs);
  connect(&listPaintHold_, &QTimer::timeout, this, &MainWindow::ReleaseListPaint);

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::CreateControls() {
  // Created in this order, which is also the Tab order.
  label1_ = new QLabel(QStringLiteral("QQ号："), this);
  label1_->setObjectName(QStringLiteral("标签1"));
  label1_->setGeometry(8, 222, 32, 24);
  label1_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label1_->setAutoFillBackground(true);
  SetColors(label1_, QPalette::WindowText, Qt::black, QPalette::Window,
            palette().color(QPalette::Window));

  button2_ = MakeButton(this, QStringLiteral("按钮2"), QStringLiteral("Telvario"), FontB(),
                        {304, 216, 112, 32});
  connect(button2_, &QPushButton::clicked, this, &MainWindow::OpenForumThread);

  edit1_ = new QLineEdit(QString::fromLatin1(kSampleNumber), this);
  edit1_->setObjectName(QStringLiteral("编辑框1"));
  edit1_->setGeometry(40, 221, 136, 24);
  edit1_->setFont(FontA());
  edit1_->setAlignment(Qt::AlignCenter);
  SetColors(edit1_, QPalette::Text, Qt::red, QPalette::Base, Qt::white);
  edit1_->setStyleSheet(
      QStringLiteral("QLineEdit { color: #ff0000; background: #ffffff; border: 1px solid #000000; "
                     "padding: 0px; }"));
  edit1_->setCursorPosition(0);

  list1_ = new QTableWidget(0, kColumnCount, this);
  list1_->setObjectName(QStringLiteral("超级列表框1"));
  list1_->setGeometry(9, 8, 408, 200);
  SetUpRoleList();

  button1_ = MakeButton(this, QStringLiteral("按钮1"), QStringLiteral("查询"), FontA(),
                        {196, 217, 86, 32});
  connect(button1_, &QPushButton::clicked, this, &MainWindow::OnQueryClicked);
}

void MainWindow::SetUpRoleList() {
  const QStringList titles = {QStringLiteral("ID"), QStringLiteral("玩家昵称"),
                              QStringLiteral("大区"), QStringLiteral("等级"),
                              QStringLiteral("段位")};
  const int widths[kColumnCount] = {30, 120, 80, 50, 100};
  list1_->setHorizontalHeaderLabels(titles);
  QHeaderView* header = list1_->horizontalHeader();
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setSectionsClickable(true);  // headers press like buttons but sort nothing
  header->setSortIndicatorShown(false);
  header->setHighlightSections(false);
  header->setStretchLastSection(false);
  header->setMinimumSectionSize(1);
  for (int column = 0; column < kColumnCount; ++column) {
    list1_->setColumnWidth(column, widths[column]);
  }
  QHeaderView* rows = list1_->verticalHeader();
  rows->hide();
  rows->setMinimumSectionSize(1);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(list1_->fontMetrics().height() + 4);

  list1_->setSortingEnabled(false);
  list1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list1_->setSelectionMode(QAbstractItemView::SingleSelection);
  list1_->setSelectionBehavior(QAbstractItemView::SelectItems);
  list1_->setShowGrid(true);
  list1_->setWordWrap(false);
  list1_->setTextElideMode(Qt::ElideRight);
  list1_->setFrameStyle(QFrame::Box | QFrame::Plain);
  list1_->setLineWidth(1);
  SetColors(list1_, QPalette::Text, Qt::black, QPalette::Base, Qt::white);
}

// Operations with a result wait for it. Those without one are queued and the caller goes on:
// calls from one thread are carried out in the order they were made, so whatever that thread
// does next (a read, an insert, a message box, its end) comes after them. Waiting for each cell
// would cost two thread switches per cell.
template <typename Operation>
auto MainWindow::OnWindowThread(Operation operation) {
  using Result = std::invoke_result_t<Operation>;
  if (QThread::currentThread() == thread()) return operation();
  // Each call from a query thread is one turn of the event loop; drawing the list on every
  // turn would cost more than the operations themselves.
  auto held = [this, operation = std::move(operation)]() mutable {
    HoldListPaint();
    return operation();
  };
  if constexpr (std::is_void_v<Result>) {
    QMetaObject::invokeMethod(this, std::move(held), Qt::QueuedConnection);
  } else {
    Result result{};
    QMetaObject::invokeMethod(this, std::move(held), Qt::BlockingQueuedConnection, &result);
    return result;
  }
}

void MainWindow::HoldListPaint() {
  if (listPaintHold_.isActive()) return;
  list1_->setUpdatesEnabled(false);
  listPaintHold_.start();
}

void MainWindow::ReleaseListPaint() {
  listPaintHold_.stop();
  list1_->setUpdatesEnabled(true);
}

Text MainWindow::ReadNumber() {
  return OnWindowThread([this] { return FromQString(edit1_->text()); });
}

void MainWindow::DeleteAllRows() {
  OnWindowThread([this] { list1_->setRowCount(0); });
}

int MainWindow::InsertRow(std::optional<int> position, const Text& itemText) {
  return OnWindowThread([this, position, text = ToQString(itemText)] {
    const int count = list1_->rowCount();
    const int row = position && *position >= 0 && *position <= count ? *position : count;
    list1_->insertRow(row);
    auto* item = new QTableWidgetItem(text);
    // Only the item itself is selectable, as in a report list without full-row selection.
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    list1_->setItem(row, 0, item);
    return row;
  });
}

void MainWindow::SetCellText(int item, std::optional<int> column, const Text& text) {
  OnWindowThread([this, item, column = column.value_or(0), text = ToQString(text)] {
    if (item < 0 || item >= list1_->rowCount() || column < 0 || column >= kColumnCount) return;
    if (QTableWidgetItem* cell = list1_->item(item, column)) {
      cell->setText(text);
      return;
    }
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    list1_->setItem(item, column, cell);
  });
}

QMessageBox* MainWindow::OpenMessageBox(const Text& message) {
  // No owner: the box is a window of its own and this window stays usable meanwhile.
  auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("信息："), ToQString(message),
                              QMessageBox::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  box->show();
  return box;
}

void MainWindow::ShowMessage(const Text& message) {
  if (QThread::currentThread() == thread()) {
    QEventLoop untilClosed;
    connect(OpenMessageBox(message), &QDialog::finished, &untilClosed, &QEventLoop::quit);
    untilClosed.exec();
    return;
  }
  auto closed = std::make_shared<std::promise<void>>();
  std::future<void> done = closed->get_future();
  OnWindowThread([this, message, closed] {
    QMessageBox* box = OpenMessageBox(message);
    connect(box, &QDialog::finished, box, [closed] { closed->set_value(); });
  });
  done.wait();
}

void MainWindow::OpenForumThread() {
  opener_(QUrl(QStringLiteral("http://") + QString::fromUtf8(kForumHost) +
               QStringLiteral("/forum.php?mod=viewthread&tid=42&extra=page=1")));
}

void MainWindow::OpenInBrowser(const QUrl& address) { QDesktopServices::openUrl(address); }

void MainWindow::OnQueryClicked() {
  if (runningQueries_++ == 0) setCursor(Qt::BusyCursor);
  try {
    std::thread([this, host = roleHost_] {
      QueryRoles(*this, host);
      QMetaObject::invokeMethod(this, &MainWindow::OnQueryFinished, Qt::QueuedConnection);
    }).detach();
  } catch (const std::system_error&) {
    OnQueryFinished();  // no thread, no query: nothing is shown
  }
}

void MainWindow::OnQueryFinished() {
  if (--runningQueries_ > 0) return;
  unsetCursor();
  ReleaseListPaint();  // the last rows show now, not a frame later
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

}  // namespace zerulin

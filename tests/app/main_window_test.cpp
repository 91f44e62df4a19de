#include "app/main_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <thread>

#include "app/hosts.h"
#include "tests/app/window_helpers.h"
#include "text/integer.h"

namespace zerulin {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindow window_{"127.0.0.1:9", [this](const QUrl& address) { opened_.push_back(address); }};
  std::vector<QUrl> opened_;

  QTableWidget* list() { return FindControl<QTableWidget>(window_, "超级列表框1"); }
  QLineEdit* edit() { return FindControl<QLineEdit>(window_, "编辑框1"); }

  QStringList Column(int column) {
    QStringList texts;
    for (int row = 0; row < list()->rowCount(); ++row) {
      QTableWidgetItem* item = list()->item(row, column);
      texts << (item ? item->text() : QStringLiteral("<none>"));
    }
    return texts;
  }

  void ShowActive() {
    window_.show();
    QApplication::setActiveWindow(&window_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }
};

TEST_F(MainWindowTest, WindowIsFixedCentredAndCaptioned) {
  EXPECT_EQ(window_.windowTitle(),
            QStringLiteral("Zerulin  欢迎访问Morvent论坛：") + QString::fromUtf8(kForumHost));
  EXPECT_EQ(window_.size(), QSize(436, 290));
  EXPECT_EQ(window_.minimumSize(), QSize(436, 290));
  EXPECT_EQ(window_.maximumSize(), QSize(436, 290));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window_.pos(), QPoint((screen.width() - 436) / 2, (screen.height() - 290) / 2));

  const Qt::WindowFlags flags = window_.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(window_.parentWidget(), nullptr);
  EXPECT_EQ(window_.palette().color(QPalette::Window),
            QApplication::palette().color(QPalette::Button));
}

TEST_F(MainWindowTest, ControlsInCreationOrderWithGeometryAndTexts) {
  struct Expected {
    const char* name;
    const char* className;
    QRect geometry;
    QString text;
  };
  const Expected expected[] = {
      {"标签1", "QLabel", {8, 222, 32, 24}, QStringLiteral("QQ号：")},
      {"按钮2", "QPushButton", {304, 216, 112, 32}, QStringLiteral("Telvario")},
      {"编辑框1", "QLineEdit", {40, 221, 136, 24}, QString()},
      {"超级列表框1", "QTableWidget", {9, 8, 408, 200}, QString()},
      {"按钮1", "QPushButton", {196, 217, 86, 32}, QStringLiteral("查询")},
  };
  std::vector<QWidget*> controls;
  for (QObject* child : window_.children()) {
    if (auto* widget = qobject_cast<QWidget*>(child)) controls.push_back(widget);
  }
  ASSERT_EQ(controls.size(), std::size(expected));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    QWidget* control = controls[i];
    EXPECT_EQ(control->objectName(), QString::fromUtf8(expected[i].name));
    EXPECT_STREQ(control->metaObject()->className(), expected[i].className);
    EXPECT_EQ(control->geometry(), expected[i].geometry);
    EXPECT_TRUE(control->isEnabled());
    EXPECT_FALSE(control->isHidden());
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      EXPECT_EQ(button->text(), expected[i].text);
      EXPECT_FALSE(button->isDefault());
      EXPECT_FALSE(button->autoDefault());
      EXPECT_TRUE(button->icon().isNull());
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
      EXPECT_EQ(label->text(), expected[i].text);
      EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
      EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
      EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
    }
  }
}

TEST_F(MainWindowTest, FontsAAndBAreBoldFourteenPixelCjkFaces) {
  struct Case {
    const char* control;
    QString face;
  };
  const Case cases[] = {
      {"按钮2", QStringLiteral("仿宋")},
      {"编辑框1", QStringLiteral("幼圆")},
      {"按钮1", QStringLiteral("幼圆")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    const QFont font = FindControl<QWidget>(window_, c.control)->font();
    ASSERT_FALSE(font.families().isEmpty());
    EXPECT_EQ(font.families().front(), c.face);
    EXPECT_EQ(font.pixelSize(), 14);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    // Where the named face is missing, the face used still draws Chinese.
    EXPECT_TRUE(QFontMetrics(font).inFontUcs4(U'查'));
  }
  EXPECT_EQ(FindControl<QWidget>(window_, "标签1")->font(), window_.font());
  EXPECT_EQ(list()->font(), window_.font());
}

TEST_F(MainWindowTest, EditBoxIsCentredRedOnWhiteWithThinBorderAndCaretAtStart) {
  QLineEdit* box = edit();
  EXPECT_THAT(box->text().toStdString(), ::testing::MatchesRegex("[1-9][0-9]{9}"));
  EXPECT_EQ(box->alignment(), Qt::AlignCenter);
  EXPECT_EQ(box->cursorPosition(), 0);
  EXPECT_FALSE(box->hasSelectedText());
  EXPECT_FALSE(box->isReadOnly());
  EXPECT_EQ(box->echoMode(), QLineEdit::Normal);

  const QImage image = box->grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
  bool red = false;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      red = red || (pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60);
    }
  }
  EXPECT_TRUE(red) << "the number is drawn in red";
}

TEST_F(MainWindowTest, LabelIsBlackOnButtonFace) {
  auto* label = FindControl<QLabel>(window_, "标签1");
  EXPECT_TRUE(label->autoFillBackground());
  EXPECT_EQ(label->palette().color(QPalette::Window),
            QApplication::palette().color(QPalette::Button));
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_FALSE(label->wordWrap());
}

TEST_F(MainWindowTest, RoleListIsAReportViewWithFiveLeftAlignedColumns) {
  QTableWidget* roles = list();
  ASSERT_EQ(roles->columnCount(), 5);
  EXPECT_EQ(roles->rowCount(), 0);
  const QStringList titles = {"ID", "玩家昵称", "大区", "等级", "段位"};
  const int widths[] = {30, 120, 80, 50, 100};
  for (int column = 0; column < 5; ++column) {
    SCOPED_TRACE(column);
    EXPECT_EQ(roles->horizontalHeaderItem(column)->text(), titles[column]);
    EXPECT_EQ(roles->columnWidth(column), widths[column]);
    EXPECT_TRUE(roles->horizontalHeaderItem(column)->icon().isNull());
  }
  QHeaderView* header = roles->horizontalHeader();
  EXPECT_FALSE(header->isHidden());
  EXPECT_EQ(header->defaultAlignment(), Qt::AlignLeft | Qt::AlignVCenter);
  EXPECT_TRUE(header->sectionsClickable());
  EXPECT_FALSE(header->isSortIndicatorShown());
  EXPECT_FALSE(header->sectionsMovable());
  EXPECT_TRUE(roles->verticalHeader()->isHidden());
  EXPECT_FALSE(roles->isSortingEnabled());
  EXPECT_TRUE(roles->showGrid());
  EXPECT_EQ(roles->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(roles->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(roles->selectionBehavior(), QAbstractItemView::SelectItems);
  EXPECT_EQ(roles->frameShape(), QFrame::Box);
  EXPECT_EQ(roles->frameShadow(), QFrame::Plain);
  EXPECT_EQ(roles->lineWidth(), 1);
  EXPECT_EQ(roles->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_EQ(roles->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(MainWindowTest, OnlyTheItemItselfIsSelectableAndNothingIsEditable) {
  window_.InsertRow(0, "1");
  window_.SetCellText(0, 1, "abc");
  EXPECT_EQ(list()->item(0, 0)->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  EXPECT_EQ(list()->item(0, 1)->flags(), Qt::ItemIsEnabled);
  EXPECT_EQ(list()->item(0, 0)->textAlignment() & Qt::AlignHorizontal_Mask, 0);
}

TEST_F(MainWindowTest, ClickingAColumnHeaderChangesNothing) {
  for (const char* id : {"3", "1", "2"}) window_.SetCellText(window_.InsertRow({}, id), 1, id);
  ShowActive();
  QHeaderView* header = list()->horizontalHeader();
  for (int column : {0, 1}) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
  }
  EXPECT_EQ(Column(0), QStringList({"3", "1", "2"}));
}

TEST_F(MainWindowTest, TabWalksTheFourTabStopsInCreationOrder) {
  ShowActive();
  FindControl<QWidget>(window_, "按钮2")->setFocus();
  const char* order[] = {"编辑框1", "超级列表框1", "按钮1", "按钮2"};
  for (const char* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf8(next));
  }
}

TEST_F(MainWindowTest, EscapeClosesFromEveryControl) {
  for (const char* name : {"按钮2", "编辑框1", "超级列表框1", "按钮1", ""}) {
    SCOPED_TRACE(name);
    MainWindow window("127.0.0.1:9", [](const QUrl&) {});
    QSignalSpy closed(&window, &MainWindow::closed);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* target = *name ? FindControl<QWidget>(window, name) : &window;
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.isVisible());
  }
}

TEST_F(MainWindowTest, EnterAndF1DoNothing) {
  QSignalSpy closed(&window_, &MainWindow::closed);
  ShowActive();
  for (const char* name : {"编辑框1", "按钮1", "按钮2"}) {
    SCOPED_TRACE(name);
    QWidget* control = FindControl<QWidget>(window_, name);
    control->setFocus();
    for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1}) QTest::keyClick(control, key);
    EXPECT_EQ(QApplication::focusWidget(), control);
  }
  EXPECT_EQ(window_.RunningQueries(), 0);
  EXPECT_TRUE(opened_.empty());
  EXPECT_EQ(closed.count(), 0);
  EXPECT_TRUE(window_.isVisible());
}

TEST_F(MainWindowTest, ForumButtonOpensTheThreadOnEveryClick) {
  auto* forum = FindControl<QPushButton>(window_, "按钮2");
  forum->click();
  forum->click();
  const QString address = QStringLiteral("http://") + QString::fromUtf8(kForumHost) +
                          QStringLiteral("/forum.php?mod=viewthread&tid=42&extra=page=1");
  ASSERT_EQ(opened_.size(), 2u);
  for (const QUrl& url : opened_) EXPECT_EQ(url.toString(), address);
}

TEST_F(MainWindowTest, InsertRowPositionsAndReturnedIndex) {
  struct Step {
    std::optional<int> position;
    const char* text;
    int index;
  };
  const Step steps[] = {
      {0, "a", 0},   // into the empty list
      {{}, "b", 1},  // absent: append
      {-1, "c", 2},  // negative: append
      {0, "d", 0},   // in front
      {2, "e", 2},   // in the middle
      {5, "f", 5},   // just past the last row: append
      {99, "g", 6},  // far past the end: append
      {-7, "", 7},   // an empty item text
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.text);
    EXPECT_EQ(window_.InsertRow(step.position, step.text), step.index);
  }
  EXPECT_EQ(Column(0), QStringList({"d", "a", "e", "b", "c", "f", "g", ""}));
}

TEST_F(MainWindowTest, SetCellTextReplacesOneCellAndIgnoresCellsOutsideTheList) {
  window_.InsertRow({}, "1");
  window_.SetCellText(0, 2, "first");
  window_.SetCellText(0, 2, "second");
  window_.SetCellText(0, {}, "item");
  window_.SetCellText(0, 4, "\xD6\xD0");  // 中 in code page 936
  window_.SetCellText(1, 1, "no such row");
  window_.SetCellText(-1, 1, "no such row");
  window_.SetCellText(0, 5, "no such column");
  ASSERT_EQ(list()->rowCount(), 1);
  EXPECT_EQ(list()->item(0, 0)->text(), "item");
  EXPECT_EQ(list()->item(0, 2)->text(), "second");
  EXPECT_EQ(list()->item(0, 4)->text(), QStringLiteral("中"));
  window_.DeleteAllRows();
  EXPECT_EQ(list()->rowCount(), 0);
  EXPECT_EQ(list()->columnCount(), 5);
}

TEST_F(MainWindowTest, ReadNumberGivesTheBoxTextUnchangedInCodePage936) {
  const struct {
    QString typed;
    Text read;
  } cases[] = {
      {"", ""},
      {" 12 ab ", " 12 ab "},
      {QStringLiteral("中12"),
       "\xD6\xD0"
       "12"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    edit()->setText(c.typed);
    EXPECT_EQ(window_.ReadNumber(), c.read);
  }
}

TEST_F(MainWindowTest, ControlOperationsFromAnotherThreadRunOnTheWindowThread) {
  edit()->setText("4242");
  Text number;
  std::vector<int> indexes;
  bool done = false;
  std::thread worker([&] {
    number = window_.ReadNumber();
    window_.DeleteAllRows();
    for (int i = 1; i <= 3; ++i) {
      indexes.push_back(window_.InsertRow(-1, ToText(i)));
      window_.SetCellText(i - 1, 3, ToText(i * 10));
    }
    QMetaObject::invokeMethod(&window_, [&] { done = true; });
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
  worker.join();
  EXPECT_EQ(number, "4242");
  EXPECT_EQ(indexes, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(Column(0), QStringList({"1", "2", "3"}));
  EXPECT_EQ(Column(3), QStringList({"10", "20", "30"}));
}

TEST_F(MainWindowTest, MessageBoxHasNoOwnerAndKeepsTheWindowUsableUntilClosed) {
  bool returned = false;
  std::thread worker([&] {
    window_.ShowMessage("\xD0\xC5\xCF\xA2");  // 信息
    QMetaObject::invokeMethod(&window_, [&] { returned = true; });
  });
  QMessageBox* box = WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->parentWidget(), nullptr);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("信息："));
  EXPECT_EQ(box->text(), QStringLiteral("信息"));
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(box->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  // The window goes on answering while the box is open and the caller waits.
  edit()->setText("1");
  EXPECT_EQ(window_.InsertRow({}, "x"), 0);
  QTest::qWait(20);
  EXPECT_FALSE(returned);

  box->button(QMessageBox::Ok)->click();
  EXPECT_TRUE(QTest::qWaitFor([&] { return returned; }, 5000));
  worker.join();
}

}  // namespace
}  // namespace zerulin

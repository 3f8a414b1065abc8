#include "ui/DialogBase.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <array>
#include <gtest/gtest.h>

#include "model/BookData.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryDirectory.h"
#include "ui/EditExt.h"

namespace {

constexpr int kScreenId = 118;
constexpr int kName = 1001, kAmount = 1002, kList = 1003, kCheck = 1004, kPlain = 1005, kOk = 1;

// A screen placed by hand: a name and an amount field, a list, a check box
// and an OK button that closes it.
class CTestScreen : public CDialogBase {
 public:
  explicit CTestScreen(bool escapeCloses = true) : CDialogBase(kScreenId) {
    SetEscapeCloses(escapeCloses);
    resize(400, 300);
    name = Place(kName, new CEditExt(this), {10, 10, 180, 20});
    amount = Place(kAmount, new CEditExt(this), {200, 10, 100, 20});
    list = Place(kList, new QTreeWidget(this), {10, 40, 380, 200});
    check = Place(kCheck, new QCheckBox("benutzerdefiniert", this), {10, 250, 150, 20});
    ok = Place(kOk, new QPushButton("OK", this), {300, 250, 90, 30});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  }

  template <class Widget>
  Widget* Place(int id, Widget* widget, QRect where) {
    widget->setGeometry(where);
    RegisterControl(id, widget);
    return widget;
  }

  CEditExt* name;
  CEditExt* amount;
  QTreeWidget* list;
  QCheckBox* check;
  QPushButton* ok;
};

constexpr std::array<CControlDescriptor, 5> kTable = {{
    {kName, ControlKind::Edit, FieldType::Text, 20, "Name des Buchs", 7002},
    {kAmount, ControlKind::Edit, FieldType::Number, 3, nullptr, 0},
    {kCheck, ControlKind::CheckBox, FieldType::Text, 0, nullptr, 7008},
    {kList, ControlKind::ListView, FieldType::Text, 0, nullptr, 7001},
    {0, ControlKind::Edit, FieldType::Text, 0, nullptr, 0},
}};

class DialogBaseTest : public ::testing::Test {
 protected:
  DialogBaseTest() { bookData.DebugLog().Open(directory.File("debug.log")); }

  CTemporaryDirectory directory;
  CBookData bookData{directory.Path().string()};
};

TEST_F(DialogBaseTest, OpeningAndClosingAreLoggedAndStackTheScreens) {
  CTestScreen screen;
  EXPECT_EQ(CDialogBase::ActiveScreen(), nullptr);
  screen.show();
  EXPECT_EQ(CDialogBase::ActiveScreen(), &screen);
  screen.reject();
  EXPECT_TRUE(screen.IsClosed());
  EXPECT_EQ(CDialogBase::ActiveScreen(), nullptr);
  screen.show();
  screen.accept();
  EXPECT_EQ(directory.Read("debug.log"),
            "Debugdatei geöffnet.\nopen Dialog 118.\nclose Dialog 118.\nopen Dialog 118.\nclose Dialog 118.\n");
}

TEST_F(DialogBaseTest, EnterMovesToTheNextControlAndNeverCloses) {
  CTestScreen screen;
  screen.show();
  screen.name->setFocus();
  QTest::keyClick(screen.name, Qt::Key_Return);
  EXPECT_EQ(screen.focusWidget(), screen.amount);
  screen.ok->setFocus();
  QTest::keyClick(screen.ok, Qt::Key_Enter);
  EXPECT_TRUE(screen.isVisible());
  EXPECT_NE(screen.focusWidget(), screen.ok);
}

TEST_F(DialogBaseTest, EscapeClosesUnlessTheScreenSwitchesItOff) {
  CTestScreen closing;
  closing.show();
  QTest::keyClick(closing.name, Qt::Key_Escape);
  EXPECT_TRUE(closing.IsClosed());
  EXPECT_EQ(closing.result(), QDialog::Rejected);

  CTestScreen staying(false);
  staying.show();
  QTest::keyClick(staying.name, Qt::Key_Escape);
  EXPECT_TRUE(staying.isVisible());
  EXPECT_FALSE(staying.IsClosed());
}

TEST_F(DialogBaseTest, ResizingKeepsShortControlsHeightAndGrowsLists) {
  CTestScreen screen;
  screen.show();
  screen.resize(800, 600);
  EXPECT_EQ(screen.name->geometry(), QRect(20, 20, 360, 20));
  EXPECT_EQ(screen.list->geometry(), QRect(20, 80, 760, 400));
  EXPECT_EQ(screen.ok->height(), 30);

}

TEST_F(DialogBaseTest, RememberedColumnWidthsFollowTheScreensWidth) {
  CTestScreen screen;
  screen.show();
  screen.list->setColumnCount(2);
  screen.list->header()->resizeSection(0, 100);
  screen.RememberColumnWidths(kList);
  screen.resize(800, 600);
  screen.RestoreColumnWidths(kList);
  EXPECT_EQ(screen.list->header()->sectionSize(0), 200);
}

TEST_F(DialogBaseTest, BindingConfiguresEditsAndReportsOtherWidgets) {
  CScriptedMessages messages;
  CTestScreen screen;
  auto* plain = screen.Place(kPlain, new QLineEdit(&screen), {10, 270, 50, 20});
  const std::array<CControlDescriptor, 2> wrong = {{
      {kPlain, ControlKind::Edit, FieldType::Text, 5, nullptr, 0},
      {kName, ControlKind::ReadOnlyEdit, FieldType::Text, 5, nullptr, 0},
  }};
  screen.BindControls(wrong);
  ASSERT_EQ(messages.Texts(), (std::vector<std::string>{"Widget kein EditExt-Widget"}));
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Stop);
  EXPECT_TRUE(screen.name->isReadOnly());
  EXPECT_FALSE(plain->isReadOnly());

  screen.BindControls(kTable);
  EXPECT_EQ(screen.name->toolTip(), "Name des Buchs");
  EXPECT_FALSE(screen.name->isReadOnly());
  screen.SetNumber(kAmount, 1234.5);
  EXPECT_EQ(screen.ControlText(kAmount), "1.234,500");
  EXPECT_DOUBLE_EQ(screen.Number(kAmount), 1234.5);
  screen.SetNumber(kName, 7, 0);
  EXPECT_EQ(screen.ControlText(kName), "7");
}

TEST_F(DialogBaseTest, RulesRunWhenTheUserTypesOrClicks) {
  CTestScreen screen;
  screen.show();
  screen.BindControls(kTable);
  screen.Rules().AddRule(kName, kAmount, 1);
  screen.Rules().AddRule(kCheck, kName, 9);
  screen.Rules().EvaluateAll();
  EXPECT_FALSE(screen.amount->isEnabled());

  QTest::keyClicks(screen.name, "Bank");
  EXPECT_TRUE(screen.amount->isEnabled());
  QTest::mouseClick(screen.check, Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_TRUE(screen.check->isChecked());
  EXPECT_TRUE(screen.name->isReadOnly());
}

}  // namespace

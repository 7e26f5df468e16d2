// The building blocks of the windows: the refusable tab control, the text
// grid, the up-down control, the radio group, and the general error display.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <stdexcept>

#include "app/Application.h"
#include "app/Dialogs.h"
#include "support/ScriptedDialogs.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"

namespace virano::testing {
namespace {

TEST(PageControlTest, RefusedChangeStaysAndRunsNoChangeHandler) {
  TPageControl tabs;
  for (const char* name : {"A", "B", "C"}) tabs.addTab(new QLabel(name), QString::fromLatin1(name));
  tabs.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
  bool allow = false;
  int asked = 0;
  std::vector<int> askedOn;  // the tab shown when asked: the old one
  std::vector<int> changedTo;
  tabs.OnChanging = [&](bool& allowChange) {
    ++asked;
    askedOn.push_back(tabs.currentIndex());
    allowChange = allow;
  };
  tabs.OnChange = [&] { changedTo.push_back(tabs.currentIndex()); };

  QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(2).center());
  EXPECT_EQ(tabs.currentIndex(), 0);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(changedTo.empty());

  allow = true;
  QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(2).center());
  EXPECT_EQ(tabs.currentIndex(), 2);
  EXPECT_EQ(changedTo, std::vector<int>{2});

  // A click on the tab shown asks nothing; Ctrl+Tab wraps round.
  QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(2).center());
  EXPECT_EQ(asked, 2);
  QTest::keyClick(&tabs, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs.currentIndex(), 0);
  EXPECT_EQ(askedOn, (std::vector<int>{0, 0, 2}));
}

TEST(PageControlTest, FixedTabWidthAndSelfSizing) {
  TPageControl tabs;
  tabs.addTab(new QLabel, QStringLiteral("Kort"));
  tabs.addTab(new QLabel, QStringLiteral("En mycket längre flik"));
  tabs.SetTabWidth(120);
  EXPECT_EQ(tabs.tabBar()->tabRect(0).width(), 120);
  EXPECT_EQ(tabs.tabBar()->tabRect(1).width(), 120);
  tabs.SetTabWidth(0);
  EXPECT_LT(tabs.tabBar()->tabRect(0).width(), tabs.tabBar()->tabRect(1).width());
}

class StringGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.resize(400, 300);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QApplication::setActiveWindow(&grid);
  }
  QRect CellRect(int col, int row) {
    return grid.visualRect(grid.model()->index(row - grid.FixedRows(), col));
  }
  // The warnings Qt gives while `action` runs, one a line.
  static std::string Warnings(const std::function<void()>& action) {
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    action();
    qInstallMessageHandler(previous);
    return warnings.join(QLatin1Char('\n')).toStdString();
  }
  TStringGrid grid{3, 6, 2};
};

TEST_F(StringGridTest, RowsCountTheHeadingRows) {
  EXPECT_EQ(grid.model()->rowCount(), 4);
  grid.SetCells(0, 0, QStringLiteral("Namn"));
  grid.SetCells(1, 2, QStringLiteral("1,5"));
  EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("Namn"));
  EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
            QStringLiteral("Namn\n"));
  EXPECT_EQ(grid.model()->index(0, 1).data().toString(), QStringLiteral("1,5"));
  EXPECT_EQ(grid.Row(), 2);  // the first data cell is current from the start
  EXPECT_EQ(grid.Col(), 0);
}

TEST_F(StringGridTest, RowsBeyondTheCountKeepTheirText) {
  grid.SetCells(2, 6, QStringLiteral("följande"));  // the row after the last shown
  EXPECT_EQ(grid.Cells(2, 6), QStringLiteral("följande"));
  grid.SetCells(0, 5, QStringLiteral("sista"));
  grid.SetRowCount(5);
  EXPECT_EQ(grid.model()->rowCount(), 3);
  EXPECT_EQ(grid.Cells(0, 5), QStringLiteral("sista"));
  grid.SetRowCount(7);
  EXPECT_EQ(grid.model()->index(4, 2).data().toString(), QStringLiteral("följande"));
  EXPECT_EQ(grid.Cells(1, 40), QString());
}

TEST_F(StringGridTest, SelectCellCanRefuseClicksAndKeys) {
  std::vector<std::pair<int, int>> asked;
  grid.OnSelectCell = [&](int col, int row, bool& canSelect) {
    asked.emplace_back(col, row);
    canSelect = !(col == 1 && row == 2);
  };
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellRect(1, 2).center());
  EXPECT_EQ(grid.Col(), 0);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_FALSE(grid.selectionModel()->isSelected(grid.model()->index(0, 1)));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellRect(2, 3).center());
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 3);
  QTest::keyClick(&grid, Qt::Key_Up);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 2);
  QTest::keyClick(&grid, Qt::Key_Left);  // to (1, 2): refused
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}, {2, 2}, {1, 2}}));
  grid.SetRow(4);
  EXPECT_EQ(grid.Row(), 4);
  EXPECT_EQ(asked.back(), (std::pair{2, 4}));
}

TEST_F(StringGridTest, EveryKeystrokeOfTheEditorIsReported) {
  std::vector<QString> edits;
  grid.OnSetEditText = [&](int col, int row, const QString& text) {
    EXPECT_EQ(col, 0);
    EXPECT_EQ(row, 2);
    edits.push_back(text);
    EXPECT_EQ(grid.Cells(col, row), text);  // the cell follows the editor
  };
  grid.setFocus();
  QTest::keyClick(&grid, Qt::Key_1);  // opens the editor with the key typed
  auto* editor = grid.findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_2);
  EXPECT_EQ(Warnings([&] {
              QTest::keyClick(editor, Qt::Key_Return);
              QCoreApplication::processEvents();
            }),
            "");
  EXPECT_EQ(edits, (std::vector<QString>{"1", "12"}));
  EXPECT_EQ(grid.Cells(0, 2), QStringLiteral("12"));
}

TEST_F(StringGridTest, ReadOnlyGridOpensNoEditor) {
  grid.SetEditable(false);
  grid.setFocus();
  QTest::keyClicks(&grid, QStringLiteral("9"));
  EXPECT_EQ(grid.findChild<QLineEdit*>(), nullptr);
  EXPECT_EQ(grid.Cells(0, 2), QString());
}

TEST_F(StringGridTest, AColumnOfWidthZeroPaintsQuietly) {
  grid.SetCells(1, 0, QStringLiteral("NR"));
  grid.SetColWidths(1, 0);
  EXPECT_EQ(Warnings([&] { grid.grab(); }), "");
}

TEST(UpDownTest, StepsWithinItsRangeIntoTheAssociate) {
  QLineEdit number;
  TUpDown updown;
  updown.SetMin(1);
  updown.SetMax(3);
  updown.SetAssociate(&number);
  updown.SetPosition(1);
  EXPECT_EQ(number.text(), QStringLiteral("1"));
  int clicks = 0;
  QObject::connect(&updown, &TUpDown::Click, [&] { ++clicks; });
  updown.Step(1);
  updown.Step(1);
  updown.Step(1);  // at the maximum: nothing
  EXPECT_EQ(updown.Position(), 3);
  EXPECT_EQ(number.text(), QStringLiteral("3"));
  EXPECT_EQ(clicks, 2);
  updown.OnChanging = [](bool& allowChange) { allowChange = false; };
  updown.Step(-1);
  EXPECT_EQ(updown.Position(), 3);
  EXPECT_EQ(clicks, 2);
}

TEST(RadioGroupTest, ChoosingAnItemInCodeRunsTheClickHandler) {
  TRadioGroup group(QStringLiteral("&Val"), {QStringLiteral("a"), QStringLiteral("b")});
  int clicks = 0;
  QObject::connect(&group, &TRadioGroup::Click, [&] { ++clicks; });
  EXPECT_EQ(group.ItemIndex(), -1);
  group.SetItemIndex(1);
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  group.SetItemIndex(1);  // unchanged: no click
  EXPECT_EQ(clicks, 1);
  group.SetItemIndex(-1);
  EXPECT_EQ(group.ItemIndex(), -1);
}

TEST(DialogTextTest, LineBreaksAndFilters) {
  EXPECT_EQ(MessageText(QStringLiteral("Ingen fil är vald\ringen")),
            QStringLiteral("Ingen fil är vald\ningen"));
  EXPECT_EQ(QtNameFilters(QStringLiteral("Indata filer (*.rot)|*.rot|Alla filer (*.*)|*.*")),
            QStringLiteral("Indata filer (*.rot);;Alla filer (*.*)"));
  EXPECT_EQ(QtNameFilters(QStringLiteral("Projekt|*.rot;*.rof")),
            QStringLiteral("Projekt (*.rot *.rof)"));
}

TEST(ErrorDisplayTest, AnEscapedErrorIsShownAndTheProgramGoesOn) {
  auto* app = static_cast<TApplication*>(qApp);
  ScriptedDialogs dialogs;
  app->SetErrorDialogs(&dialogs);
  QPushButton button(QStringLiteral("Räkna"));
  int runs = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    ++runs;
    throw std::runtime_error("'abc' är inte ett giltigt flyttal");
  });
  button.show();
  QTest::mouseClick(&button, Qt::LeftButton);
  QTest::mouseClick(&button, Qt::LeftButton);
  app->SetErrorDialogs(nullptr);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(dialogs.calls,
            (std::vector{MessageCall(QStringLiteral("'abc' är inte ett giltigt flyttal"), MessageKind::Error),
                         MessageCall(QStringLiteral("'abc' är inte ett giltigt flyttal"), MessageKind::Error)}));
}

}  // namespace
}  // namespace virano::testing

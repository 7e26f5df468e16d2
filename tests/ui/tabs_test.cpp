// Moving between the tabs: leaving "Indata" can be refused, entering a tab
// prepares it, and the tab widths follow the window.
#include <QComboBox>
#include <QFontMetrics>
#include <QTabBar>
#include <QTemporaryDir>

#include "support/WindowFixture.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "windows/FelInfo.h"

namespace virano::testing {
namespace {

const QString kNoProjectWarning = QStringLiteral(
    "Ingen fil är vald\ningen ROT-beräkning utförs\ndata sparas ej vid byte av huvudyta");

class TabsTest : public WindowTest {
 protected:
  // Opens a new project in a folder of the test's own.
  void OpenProject() {
    dialogs.files.push_back(dir_.filePath(QStringLiteral("hus.rot")));
    form->OpenButtonClick();
    dialogs.calls.clear();
  }
  QTemporaryDir dir_;
  void ClickTab(int index) {
    QTabBar* bar = ui->PageControl1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
  }
};

TEST_F(TabsTest, EnteringIndataWithoutProjectWarnsAndShowsTheTab) {
  ShowActive();
  ClickTab(TForm1::kIndata);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  EXPECT_EQ(dialogs.calls,
            (std::vector{BeepCall(), MessageCall(kNoProjectWarning, MessageKind::Warning)}));
}

TEST_F(TabsTest, EnteringIndataWithAProjectGivesNoWarning) {
  ShowActive();
  OpenProject();
  ClickTab(TForm1::kIndata);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(ui->ComboBox1->currentText(), QStringLiteral("Vägg fram"));
}

TEST_F(TabsTest, LeavingIndataWithAnErrorMarkedIsRefused) {
  ShowActive();
  OpenProject();
  ClickTab(TForm1::kIndata);  // the new room lacks its surfaces
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  QTest::keyClick(ui->PageControl1, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  QTest::keyClick(ui->PageControl1->tabBar(), Qt::Key_Left);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  EXPECT_FALSE(ui->PageControl1->SelectPage(TForm1::kFilhantering));
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  // The summary was never entered.
  EXPECT_EQ(ui->VisaResultatRadioGroup->ItemIndex(), -1);

  // Each try checks all rooms again and shows the empty room's gaps.
  form->Form2->hide();
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  EXPECT_TRUE(form->Projekt().FelMarkerat());
  EXPECT_TRUE(form->Form2->isVisible());
}

TEST_F(TabsTest, OtherTabsCanBeLeftWithAnErrorMarked) {
  ShowActive();
  OpenProject();  // its room lacks its surfaces
  ClickTab(TForm1::kAllmIndata);
  EXPECT_TRUE(form->Projekt().FelMarkerat());
  ClickTab(TForm1::kFilhantering);
  EXPECT_EQ(form->ActivePage(), TForm1::kFilhantering);
}

TEST_F(TabsTest, EnteringTheSummaryChoosesTheInputView) {
  ShowActive();
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(form->ActivePage(), TForm1::kSammanst);
  EXPECT_EQ(ui->VisaResultatRadioGroup->ItemIndex(), 0);
  ui->VisaResultatRadioGroup->SetItemIndex(2);
  ClickTab(TForm1::kFilhantering);
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(ui->VisaResultatRadioGroup->ItemIndex(), 2);  // a choice made stays
}

TEST_F(TabsTest, KeyboardMovesThroughTheTabsInOrder) {
  ShowActive();
  OpenProject();
  // The new project's empty room keeps "Indata" from being left: it is
  // entered last.
  QTest::keyClick(ui->PageControl1, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(form->ActivePage(), TForm1::kAllmIndata);
  QTest::keyClick(ui->PageControl1, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(form->ActivePage(), TForm1::kFilhantering);
  QTest::keyClick(ui->PageControl1, Qt::Key_PageDown, Qt::ControlModifier);
  QTest::keyClick(ui->PageControl1, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
}

TEST_F(TabsTest, ChangingTheTabInCodeRunsNoHandlers) {
  ShowActive();
  ui->PageControl1->setCurrentIndex(TForm1::kIndata);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(TabsTest, TabWidthsFollowTheWindow) {
  ShowActive();
  const auto expected = [this] { return ui->PageControl1->width() / 4 - 1; };
  EXPECT_EQ(ui->PageControl1->TabWidth(), expected());
  EXPECT_EQ(ui->PageControl1->tabBar()->tabRect(3).width(), expected());
  form->resize(1000, 700);
  QApplication::processEvents();
  EXPECT_EQ(ui->PageControl1->TabWidth(), expected());
  EXPECT_EQ(ui->PageControl1->tabBar()->tabRect(0).width(), expected());
}

TEST_F(TabsTest, SurfaceGridColumnsFillTheGrid) {
  ShowActive();
  ui->PageControl1->setCurrentIndex(TForm1::kIndata);
  QApplication::processEvents();
  TStringGrid* grid = ui->StringGrid1;
  const int unit = QFontMetrics(grid->font()).horizontalAdvance(QStringLiteral("W/m2*k")) + 7;
  int total = 0;
  for (int c = 0; c < 9; ++c) {
    if (c > 0) {
      EXPECT_EQ(grid->ColWidths(c), unit) << c;
    }
    total += grid->ColWidths(c);
  }
  const int scrollBar = grid->VerticalScrollBarShown()
                            ? grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid)
                            : 0;
  EXPECT_EQ(total, grid->width() - 9 - 3 - scrollBar);
  EXPECT_GT(grid->ColWidths(0), 0);
  // The point grid: three thirds.
  EXPECT_EQ(ui->StringGrid2->ColWidths(0), ui->StringGrid2->ColWidths(1));
}

}  // namespace
}  // namespace virano::testing

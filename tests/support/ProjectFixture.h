#pragma once
// A shown main window with scripted dialogs and a folder of its own for
// project files, and the steps a user takes with projects and rooms.
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <functional>

#include "app/RecordText.h"
#include "project/numbers.h"
#include "support/ProjectWriter.h"
#include "support/WindowFixture.h"
#include "widgets/PageControl.h"
#include "widgets/StringGrid.h"
#include "windows/FelInfo.h"

namespace virano::testing {

// Fills a surface or point row from its cells' texts joined by "|".
template <typename Row>
void SetCells(Row& row, const QString& cells) {
  const QStringList texts = cells.split(QLatin1Char('|'));
  for (int c = 0; c < texts.size(); ++c) SetField(row.cell(c), texts[c]);
}

// WriteNamedProject with the rooms' names as the window shows them.
inline void WriteProject(const QString& path, const QStringList& names,
                         const std::function<void(int k, TRoomRecord&)>& fill = {}) {
  std::vector<std::string> texts;
  for (const QString& name : names) texts.push_back(name.toStdString());
  WriteNamedProject(FilePath(path), texts, fill);
}

class ProjectWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    WindowTest::SetUp();
    ShowActive();
  }
  void TearDown() override {
    faults::Clear();
    WindowTest::TearDown();
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }

  // WriteProject into the test's folder.
  QString MakeProject(const QString& name, const QStringList& names,
                      const std::function<void(int k, TRoomRecord&)>& fill = {}) {
    WriteProject(Path(name), names, fill);
    return Path(name);
  }
  static TRoomRecord Record(const QString& path, int k) { return ProjectFile(FilePath(path)).Read(k); }
  static long long Records(const QString& path) { return ProjectFile(FilePath(path)).Count(); }
  static QStringList RoomNames(const QString& path) {
    QStringList names;
    const auto records = ProjectFile(FilePath(path)).ReadAll();
    for (std::size_t k = 1; k < records.size(); ++k) names << FieldText(records[k].RumsNamn);
    return names;
  }
  static QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // "Ny / Öppna" with `path` chosen in the dialog.
  void Open(const QString& path) {
    dialogs.files.push_back(path);
    QTest::mouseClick(ui->OpenButton, Qt::LeftButton);
  }

  void ClickTab(int index) {
    QTabBar* bar = ui->PageControl1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
  }

  // The user enters the main-surface chooser and picks item `s` from it.
  void ChooseSurface(int s) {
    ui->ComboBox1->setFocus(Qt::MouseFocusReason);
    ui->ComboBox1->setCurrentIndex(s);
    emit ui->ComboBox1->activated(s);
  }

  // The user goes to the cell and types `text` into it, ending with Return.
  static void TypeCell(TStringGrid* grid, int col, int row, const QString& text) {
    QTest::keyClick(TypeOpen(grid, col, row, text), Qt::Key_Return);
  }
  // The same, the cell editor left open; returns it.
  static QWidget* TypeOpen(TStringGrid* grid, int col, int row, const QString& text) {
    grid->setFocus(Qt::MouseFocusReason);
    grid->MoveTo(col, row);
    Type(grid, text.left(1));  // opens the cell editor
    QWidget* editor = QApplication::focusWidget();
    Type(editor, text.mid(1));
    return editor;
  }

  // The error list's lines, their cells joined by "|".
  QStringList ErrorLines() const {
    QStringList lines;
    for (int r = 1; r < form->Form2->StringGrid1->RowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < 5; ++c) cells << form->Form2->StringGrid1->Cells(c, r);
      lines << cells.join(QLatin1Char('|'));
    }
    return lines;
  }
  // What the window system sends for a double click on line `row`.
  void DoubleClickErrorLine(int row) {
    TStringGrid* grid = form->Form2->StringGrid1;
    const QPoint at = grid->visualRect(grid->model()->index(row - 1, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }


  QString FormatDecimal(const QString& text) const {
    return QString::fromStdString(DecimalFormat(text.toStdString(), form->DecimalPunkt()));
  }

  QTemporaryDir dir_;
};

}  // namespace virano::testing

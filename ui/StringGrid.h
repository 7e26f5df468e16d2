#pragma once
// A grid of text cells addressed as (column, row), the first FixedRows rows
// being heading rows that stay in place while the data rows scroll. Row
// numbers count the heading rows: with two heading rows the first data row
// is row 2.
#include <QTableView>
#include <functional>
#include <vector>

class QPainter;

namespace virano {

class TStringGridModel;
class TGridSelectionModel;

class TStringGrid : public QTableView {
  Q_OBJECT
 public:
  TStringGrid(int colCount, int rowCount, int fixedRows, QWidget* parent = nullptr);
  ~TStringGrid() override;

  // Cell texts. Rows at or past RowCount keep their texts although they are
  // not shown; writing one is allowed.
  QString Cells(int col, int row) const;
  void SetCells(int col, int row, const QString& text);

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  int FixedRows() const { return fixedRows_; }
  void SetColCount(int count);
  // Adds or removes rows at the end; the texts of removed rows are kept.
  void SetRowCount(int count);

  // The current cell. Moving it, by the program or the user, runs
  // OnSelectCell first, which may refuse the move.
  int Col() const;
  int Row() const;
  void SetCol(int col);
  void SetRow(int row);
  // The first data row shown at the top.
  int TopRow() const;
  void SetTopRow(int row);

  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  int DefaultRowHeight() const { return rowHeight_; }
  void SetDefaultRowHeight(int height);
  int GridLineWidth() const { return 1; }
  bool Editable() const { return editable_; }
  void SetEditable(bool editable);
  bool VerticalScrollBarShown() const;
  void Repaint();

  // Before the current cell moves to (col, row); set canSelect false to refuse.
  std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
  // After each edit of a cell's text in the cell editor (every keystroke).
  std::function<void(int col, int row, const QString& text)> OnSetEditText;
  // After a data cell is painted; may paint over it.
  std::function<void(int col, int row, QPainter& painter, const QRect& rect)> OnDrawCell;
  // After the focus moved from the grid or its cell editor to another
  // control of the same window.
  std::function<void()> OnExit;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class TStringGridModel;
  friend class TGridDelegate;
  void EditorTextChanged(int col, int row, const QString& text);
  void MoveCurrent(int col, int row);

  int colCount_;
  int rowCount_;
  int fixedRows_;
  int rowHeight_ = 17;
  bool editable_ = true;
  std::vector<std::vector<QString>> cells_;  // [row][col], grown on demand
  TStringGridModel* model_;
  TGridSelectionModel* selection_;
};

}  // namespace virano

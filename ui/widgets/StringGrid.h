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

class TFocusWatch;
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

  // The current cell. Every move of it, by the program or the user (a
  // click, Tab and Shift+Tab, the arrows, Enter), runs OnSelectCell first,
  // which may refuse the move.
  int Col() const;
  int Row() const;
  void SetCol(int col);
  void SetRow(int row);
  // Moves the current cell to (col, row) as one move.
  void MoveTo(int col, int row);
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
  // The most characters a cell editor takes (0: no limit); it takes only
  // characters the project file's code page can store.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length) { maxLength_ = length; }
  bool VerticalScrollBarShown() const;
  void Repaint();
  // The cell editor is open. Closing it keeps the text typed; Escape in it
  // gives the cell back the text it had when the editor opened.
  bool EditorMode() const;
  void SetEditorMode(bool open);
  // The current cell's text was typed since the cell was last checked.
  bool Edited() const { return edited_; }
  void SetEdited(bool edited) { edited_ = edited; }
  // Where the current cell rests when a change of the rows, not a move,
  // puts it on (col, row): the column returned, in the same row.
  void SetRestingCol(std::function<int(int col, int row)> restingCol);
  // The focus is in the grid or in its cell editor.
  bool FocusedWithin() const;

  // Before the current cell moves to (col, row), with the cell being left
  // still current; set canSelect false to refuse. It may itself move the
  // current cell (MoveTo, SetCol, SetRow), which runs it again, nested.
  std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
  // After each edit of a cell's text in the cell editor (every keystroke).
  std::function<void(int col, int row, const QString& text)> OnSetEditText;
  // After a data cell is painted; may paint over it.
  std::function<void(int col, int row, QPainter& painter, const QRect& rect)> OnDrawCell;
  // The focus comes to the grid (or its cell editor) from another control
  // of the window, or goes from them to another control of the window.
  std::function<void()> OnEnter;
  std::function<void()> OnExit;

 signals:
  // A cell's text or the number of rows changed.
  void Changed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A cell editor opens only on the current cell: a refused move leaves
  // none on the cell that was refused.
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

 private:
  friend class TStringGridModel;
  friend class TGridDelegate;
  void EditorOpened(int col, int row);
  void EditorTextChanged(int col, int row, const QString& text);
  void EditorCancelled(int col, int row);
  void MoveCurrent(int col, int row);
  // Puts the current cell where it may rest, without asking OnSelectCell.
  void Rest();

  int colCount_;
  int rowCount_;
  int fixedRows_;
  int rowHeight_ = 17;
  bool editable_ = true;
  int maxLength_ = 0;
  bool edited_ = false;
  QString editOriginal_;  // the text of the cell whose editor is open
  std::function<int(int col, int row)> restingCol_;
  std::vector<std::vector<QString>> cells_;  // [row][col], grown on demand
  TStringGridModel* model_;
  TGridSelectionModel* selection_;
  TFocusWatch* focus_;
};

}  // namespace virano

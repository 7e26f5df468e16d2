#include "widgets/StringGrid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "widgets/FocusWatch.h"
#include "widgets/TextLimits.h"

namespace virano {

// The data rows of the grid as a table model; row r of the model is grid
// row r + FixedRows.
class TStringGridModel : public QAbstractTableModel {
 public:
  explicit TStringGridModel(TStringGrid* grid) : QAbstractTableModel(grid), grid_(grid) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : std::max(0, grid_->rowCount_ - grid_->fixedRows_);
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : grid_->colCount_;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return grid_->Cells(index.column(), index.row() + grid_->fixedRows_);
  }
  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (role != Qt::EditRole) return false;
    grid_->SetCells(index.column(), index.row() + grid_->fixedRows_, value.toString());
    return true;
  }
  Qt::ItemFlags flags(const QModelIndex&) const override {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_->editable_) flags |= Qt::ItemIsEditable;
    return flags;
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    QStringList lines;
    for (int r = 0; r < grid_->fixedRows_; ++r) lines << grid_->Cells(section, r);
    return lines.join(QLatin1Char('\n'));
  }

  void CellChanged(int col, int row) {
    const QModelIndex index = this->index(row - grid_->fixedRows_, col);
    emit dataChanged(index, index);
  }
  using QAbstractTableModel::beginInsertColumns;
  using QAbstractTableModel::beginInsertRows;
  using QAbstractTableModel::beginRemoveColumns;
  using QAbstractTableModel::beginRemoveRows;
  using QAbstractTableModel::endInsertColumns;
  using QAbstractTableModel::endInsertRows;
  using QAbstractTableModel::endRemoveColumns;
  using QAbstractTableModel::endRemoveRows;

 private:
  TStringGrid* grid_;
};

// Asks the grid before the current cell moves; a refused move also leaves
// the selection as it was.
class TGridSelectionModel : public QItemSelectionModel {
 public:
  TGridSelectionModel(QAbstractItemModel* model, TStringGrid* grid)
      : QItemSelectionModel(model, grid), grid_(grid) {}

  void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override {
    if (index.isValid() && index != currentIndex() && grid_->OnSelectCell) {
      bool canSelect = true;
      grid_->OnSelectCell(index.column(), index.row() + grid_->FixedRows(), canSelect);
      if (!canSelect) {
        refused_ = true;
        return;
      }
    }
    refused_ = false;
    QItemSelectionModel::setCurrentIndex(index, command);
  }
  void select(const QItemSelection& selection, SelectionFlags command) override {
    if (!refused_) QItemSelectionModel::select(selection, command);
  }
  using QItemSelectionModel::select;
  void NewUserAction() { refused_ = false; }

 private:
  TStringGrid* grid_;
  bool refused_ = false;
};

// Reports every keystroke of the cell editor and lets the grid paint over
// its cells.
class TGridDelegate : public QStyledItemDelegate {
 public:
  explicit TGridDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    LimitText(editor, grid_->MaxLength());
    const int col = index.column();
    const int row = index.row() + grid_->FixedRows();
    grid_->EditorOpened(col, row);
    connect(editor, &QLineEdit::textEdited, grid_,
            [grid = grid_, col, row](const QString& text) { grid->EditorTextChanged(col, row, text); });
    return editor;
  }
  bool eventFilter(QObject* editor, QEvent* event) override {
    // Enter goes on to the grid, which takes the text and moves on at once;
    // the delegate would take it once more, later.
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) return false;
      // Escape gives the cell back its text from before the edit.
      if (key == Qt::Key_Escape) {
        const QModelIndex index = grid_->currentIndex();
        grid_->EditorCancelled(index.column(), index.row() + grid_->FixedRows());
      }
    }
    return QStyledItemDelegate::eventFilter(editor, event);
  }
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (grid_->OnDrawCell) {
      painter->save();
      grid_->OnDrawCell(index.column(), index.row() + grid_->FixedRows(), *painter, option.rect);
      painter->restore();
    }
  }

 private:
  TStringGrid* grid_;
};

// The heading rows, one line of text per heading row, in the grid's row
// height; they stay in place while the data rows scroll.
class THeadingView : public QHeaderView {
 public:
  explicit THeadingView(TStringGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {}

  QSize sizeHint() const override {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(grid_->FixedRows() * grid_->DefaultRowHeight());
    return size;
  }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int section) const override {
    // A column of width 0 (the marker column of the results) shows nothing;
    // the style cannot paint a section without area.
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter->save();
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = section;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    const int height = grid_->DefaultRowHeight();
    painter->setPen(palette().color(QPalette::ButtonText));
    for (int r = 0; r < grid_->FixedRows(); ++r) {
      const QRect cell(rect.left() + 2, rect.top() + r * height, rect.width() - 4, height);
      painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, grid_->Cells(section, r));
    }
    painter->restore();
  }

 private:
  TStringGrid* grid_;
};

// ---------------------------------------------------------------------------

TStringGrid::TStringGrid(int colCount, int rowCount, int fixedRows, QWidget* parent)
    : QTableView(parent),
      colCount_(colCount),
      rowCount_(rowCount),
      fixedRows_(fixedRows),
      model_(new TStringGridModel(this)),
      selection_(nullptr),
      focus_(new TFocusWatch(this)) {
  focus_->OnEnter = [this] {
    if (OnEnter) OnEnter();
  };
  focus_->OnExit = [this] {
    if (OnExit) OnExit();
  };
  setModel(model_);
  selection_ = new TGridSelectionModel(model_, this);
  QItemSelectionModel* initial = selectionModel();
  setSelectionModel(selection_);
  delete initial;
  setItemDelegate(new TGridDelegate(this));

  auto* heading = new THeadingView(this);
  setHorizontalHeader(heading);
  heading->setSectionsClickable(false);
  heading->setHighlightSections(false);
  heading->setSectionResizeMode(QHeaderView::Interactive);
  heading->setMinimumSectionSize(0);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  SetDefaultRowHeight(rowHeight_);

  setSelectionBehavior(QAbstractItemView::SelectItems);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed);
  setTabKeyNavigation(true);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  // The first data cell is the current cell from the start.
  if (model_->rowCount() > 0)
    selection_->QItemSelectionModel::setCurrentIndex(model_->index(0, 0),
                                                     QItemSelectionModel::NoUpdate);
}

TStringGrid::~TStringGrid() = default;

QString TStringGrid::Cells(int col, int row) const {
  if (row < 0 || col < 0 || row >= static_cast<int>(cells_.size())) return {};
  const auto& line = cells_[row];
  return col < static_cast<int>(line.size()) ? line[col] : QString();
}

void TStringGrid::SetCells(int col, int row, const QString& text) {
  if (row < 0 || col < 0) return;
  if (row >= static_cast<int>(cells_.size())) {
    if (text.isEmpty()) return;
    cells_.resize(row + 1);
  }
  auto& line = cells_[row];
  if (col >= static_cast<int>(line.size())) {
    if (text.isEmpty()) return;
    line.resize(col + 1);
  }
  if (line[col] == text) return;
  line[col] = text;
  if (row < fixedRows_)
    horizontalHeader()->viewport()->update();
  else if (row < rowCount_ && col < colCount_)
    model_->CellChanged(col, row);
  if (row >= fixedRows_) emit Changed();
}

void TStringGrid::SetColCount(int count) {
  count = std::max(1, count);
  if (count > colCount_) {
    model_->beginInsertColumns({}, colCount_, count - 1);
    colCount_ = count;
    model_->endInsertColumns();
  } else if (count < colCount_) {
    model_->beginRemoveColumns({}, count, colCount_ - 1);
    colCount_ = count;
    model_->endRemoveColumns();
  }
}

void TStringGrid::SetRowCount(int count) {
  count = std::max(fixedRows_, count);
  if (count > rowCount_) {
    model_->beginInsertRows({}, rowCount_ - fixedRows_, count - fixedRows_ - 1);
    rowCount_ = count;
    model_->endInsertRows();
  } else if (count < rowCount_) {
    model_->beginRemoveRows({}, count - fixedRows_, rowCount_ - fixedRows_ - 1);
    rowCount_ = count;
    model_->endRemoveRows();
    Rest();  // the current cell may have moved up with the rows removed
  } else {
    return;
  }
  emit Changed();
}

void TStringGrid::SetRestingCol(std::function<int(int col, int row)> restingCol) {
  restingCol_ = std::move(restingCol);
  Rest();
}

void TStringGrid::Rest() {
  if (!restingCol_ || !currentIndex().isValid()) return;
  const int col = restingCol_(Col(), Row());
  if (col != Col())
    selection_->QItemSelectionModel::setCurrentIndex(model_->index(Row() - fixedRows_, col),
                                                     QItemSelectionModel::ClearAndSelect);
}

int TStringGrid::Col() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.column() : 0;
}

int TStringGrid::Row() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + fixedRows_ : fixedRows_;
}

void TStringGrid::SetCol(int col) { MoveCurrent(col, Row()); }

void TStringGrid::SetRow(int row) { MoveCurrent(Col(), row); }

void TStringGrid::MoveTo(int col, int row) { MoveCurrent(col, row); }

void TStringGrid::MoveCurrent(int col, int row) {
  const QModelIndex index = model_->index(row - fixedRows_, col);
  if (index.isValid()) selection_->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

int TStringGrid::TopRow() const {
  return std::max(0, rowAt(0)) + fixedRows_;
}

void TStringGrid::SetTopRow(int row) {
  const QModelIndex index = model_->index(row - fixedRows_, 0);
  if (index.isValid()) scrollTo(index, QAbstractItemView::PositionAtTop);
}

int TStringGrid::ColWidths(int col) const { return columnWidth(col); }

void TStringGrid::SetColWidths(int col, int width) { setColumnWidth(col, std::max(0, width)); }

void TStringGrid::SetDefaultRowHeight(int height) {
  rowHeight_ = height;
  verticalHeader()->setDefaultSectionSize(height);
  horizontalHeader()->setFixedHeight(fixedRows_ * height);
  updateGeometries();
}

void TStringGrid::SetEditable(bool editable) {
  editable_ = editable;
  setEditTriggers(editable ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed
                           : QAbstractItemView::NoEditTriggers);
}

bool TStringGrid::VerticalScrollBarShown() const {
  // Worked out from the sizes rather than read from the scroll bar, which
  // is shown or hidden only after the grid has been laid out.
  switch (verticalScrollBarPolicy()) {
    case Qt::ScrollBarAlwaysOn: return true;
    case Qt::ScrollBarAlwaysOff: return false;
    case Qt::ScrollBarAsNeeded: break;
  }
  const int available = height() - 2 * frameWidth() - horizontalHeader()->height();
  return (rowCount_ - fixedRows_) * rowHeight_ > available;
}

void TStringGrid::Repaint() {
  viewport()->update();
  horizontalHeader()->viewport()->update();
}

bool TStringGrid::EditorMode() const { return state() == QAbstractItemView::EditingState; }

void TStringGrid::SetEditorMode(bool open) {
  if (open) {
    if (!EditorMode()) QTableView::edit(currentIndex());
    return;
  }
  if (QWidget* editor = indexWidget(currentIndex()); editor != nullptr && EditorMode()) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

bool TStringGrid::FocusedWithin() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus != nullptr && (focus == this || isAncestorOf(focus));
}

bool TStringGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (index.isValid() && index != currentIndex()) return false;
  return QTableView::edit(index, trigger, event);
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
  selection_->NewUserAction();
  QTableView::mousePressEvent(event);
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
  selection_->NewUserAction();
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Enter takes the typed text and moves on as Tab does. From an open
    // editor the key comes here after the editor has passed it on.
    SetEditorMode(false);
    const QModelIndex next = moveCursor(QAbstractItemView::MoveNext, Qt::NoModifier);
    if (next.isValid()) MoveCurrent(next.column(), next.row() + fixedRows_);
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void TStringGrid::EditorOpened(int col, int row) { editOriginal_ = Cells(col, row); }

void TStringGrid::EditorTextChanged(int col, int row, const QString& text) {
  // The editor shows the text already; the cell takes it without a repaint
  // that would reset the editor.
  if (row >= static_cast<int>(cells_.size())) cells_.resize(row + 1);
  if (col >= static_cast<int>(cells_[row].size())) cells_[row].resize(colCount_);
  cells_[row][col] = text;
  edited_ = true;
  emit Changed();
  if (OnSetEditText) OnSetEditText(col, row, text);
}

void TStringGrid::EditorCancelled(int col, int row) {
  SetCells(col, row, editOriginal_);
  edited_ = false;
}

}  // namespace virano

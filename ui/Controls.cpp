#include "Controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "reports/shape_painter.h"

namespace virano {

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  // Disabled controls keep the style's grey.
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Active, role, colour);
  palette.setColor(QPalette::Inactive, role, colour);
  widget->setPalette(palette);
}

void MarkField(QWidget* field, bool wrong) {
  const QColor window = QApplication::palette().color(QPalette::Base);
  SetColour(field, QPalette::Base, wrong ? colours::kRed : window);
}

void SetButtonFace(QWidget* field) {
  SetColour(field, QPalette::Base, QApplication::palette().color(QPalette::Button));
}

// ---------------------------------------------------------------------------

TTabBar::TTabBar(TPageControl* owner) : QTabBar(owner), owner_(owner) {
  setExpanding(false);
  setDrawBase(true);
}

void TTabBar::SetTabWidth(int width) {
  if (width == tabWidth_) return;
  tabWidth_ = width;
  // Changing the text of a tab is what makes QTabBar lay its tabs out anew.
  for (int i = 0; i < count(); ++i) setTabText(i, tabText(i));
  updateGeometry();
}

QSize TTabBar::tabSizeHint(int index) const {
  QSize size = QTabBar::tabSizeHint(index);
  if (tabWidth_ > 0) size.setWidth(tabWidth_);
  return size;
}

QSize TTabBar::minimumTabSizeHint(int index) const { return tabSizeHint(index); }

void TTabBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const int index = tabAt(event->position().toPoint());
    if (index >= 0 && index != currentIndex()) {
      event->accept();
      owner_->SelectPage(index);
      return;
    }
  }
  QTabBar::mousePressEvent(event);
}

void TTabBar::keyPressEvent(QKeyEvent* event) {
  int delta = 0;
  if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Up) delta = -1;
  if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Down) delta = 1;
  if (delta == 0) {
    QTabBar::keyPressEvent(event);
    return;
  }
  const int index = currentIndex() + delta;
  if (index >= 0 && index < count()) owner_->SelectPage(index);
  event->accept();
}

void TTabBar::wheelEvent(QWheelEvent* event) { event->accept(); }

// ---------------------------------------------------------------------------

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent), bar_(new TTabBar(this)) {
  setTabBar(bar_);
}

bool TPageControl::SelectPage(int index) {
  if (index < 0 || index >= count()) return false;
  if (index == currentIndex()) return true;
  bool allowChange = true;
  if (OnChanging) OnChanging(allowChange);
  if (!allowChange) return false;
  setCurrentIndex(index);
  if (OnChange) OnChange();
  return true;
}

void TPageControl::keyPressEvent(QKeyEvent* event) {
  const bool control = event->modifiers() & Qt::ControlModifier;
  int delta = 0;
  if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown)) delta = 1;
  if (control && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp)) delta = -1;
  if (control && event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier))
    delta = -1;
  if (delta == 0 || count() < 2) {
    QTabWidget::keyPressEvent(event);
    return;
  }
  SelectPage((currentIndex() + delta + count()) % count());
  event->accept();
}

// ---------------------------------------------------------------------------

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 2, 2, 2);
  layout->setSpacing(0);
  layout->setHorizontalSpacing(2);
  layout->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  for (int i = 0; i < items.size(); ++i) group_->addButton(new QRadioButton(items[i], this), i);
  SetColumns(1);
  connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) emit Click();
  });
}

int TRadioGroup::ItemIndex() const { return group_->checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  if (index == ItemIndex()) return;
  if (QAbstractButton* button = group_->button(index)) {
    button->setChecked(true);
    return;
  }
  // No item: an exclusive group cannot uncheck its last button.
  group_->setExclusive(false);
  if (QAbstractButton* checked = group_->checkedButton()) checked->setChecked(false);
  group_->setExclusive(true);
}

void TRadioGroup::SetColumns(int columns) {
  auto* grid = static_cast<QGridLayout*>(layout());
  const int rows = (Count() + std::max(1, columns) - 1) / std::max(1, columns);
  for (int i = 0; i < Count(); ++i) {
    grid->removeWidget(Button(i));
    grid->addWidget(Button(i), i % rows, i / rows);
  }
}

int TRadioGroup::Count() const { return static_cast<int>(group_->buttons().size()); }

QRadioButton* TRadioGroup::Button(int index) const {
  return qobject_cast<QRadioButton*>(group_->button(index));
}

// ---------------------------------------------------------------------------

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), down_(new QToolButton(this)), up_(new QToolButton(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  down_->setArrowType(Qt::LeftArrow);
  up_->setArrowType(Qt::RightArrow);
  for (QToolButton* button : {down_, up_}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(button);
  }
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
}

void TUpDown::SetAssociate(QLineEdit* associate) {
  associate_ = associate;
  SetPosition(position_);
}

void TUpDown::SetPosition(int position) {
  position_ = std::clamp(position, min_, std::max(min_, max_));
  if (associate_ != nullptr) associate_->setText(QString::number(position_));
}

void TUpDown::Step(int delta) {
  const int target = std::clamp(position_ + delta, min_, std::max(min_, max_));
  if (target == position_) return;
  bool allowChange = true;
  if (OnChanging) OnChanging(allowChange);
  if (!allowChange) return;
  SetPosition(target);
  emit Click();
}

// ---------------------------------------------------------------------------

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::SetShapes(std::vector<Shape> shapes) {
  shapes_ = std::move(shapes);
  update();
}

void TPaintBox::AddShapes(const std::vector<Shape>& shapes) {
  shapes_.insert(shapes_.end(), shapes.begin(), shapes.end());
  update();
}

void TPaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor background = palette().color(QPalette::Window);
  painter.fillRect(rect(), background);
  for (const Shape& shape : shapes_) PaintShape(painter, shape, background);
}

void TPaintBox::resizeEvent(QResizeEvent*) { emit Resized(); }

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit Click();
}

}  // namespace virano

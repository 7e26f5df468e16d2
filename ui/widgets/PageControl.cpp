#include "widgets/PageControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace virano {

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

}  // namespace virano

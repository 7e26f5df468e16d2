#include "widgets/FocusWatch.h"

#include <QApplication>
#include <QWidget>

namespace virano {

TFocusWatch::TFocusWatch(QWidget* control) : QObject(control), control_(control) {
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

void TFocusWatch::FocusChanged(QWidget* now) {
  if (control_ == nullptr) return;
  const bool nowInside = now != nullptr && (now == control_ || control_->isAncestorOf(now));
  if (nowInside && !inside_) {
    inside_ = true;
    if (OnEnter) OnEnter();
  } else if (!nowInside && inside_ && now != nullptr && now->window() == control_->window()) {
    inside_ = false;
    if (OnExit) OnExit();
  }
}

}  // namespace virano

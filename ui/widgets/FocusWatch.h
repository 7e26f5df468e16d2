#pragma once
// Enter and exit of a control as the user sees them: the focus comes to the
// control (or a child of it, such as a grid's cell editor) from another
// control of the same window, or goes from it to another control of that
// window. Trips to other windows (a message box, a drop-down list) and back
// are neither.
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace virano {

class TFocusWatch : public QObject {
 public:
  explicit TFocusWatch(QWidget* control);

  // True while the focus is in the control or a child of it.
  bool Inside() const { return inside_; }

  std::function<void()> OnEnter;
  std::function<void()> OnExit;

 private:
  void FocusChanged(QWidget* now);

  QPointer<QWidget> control_;
  bool inside_ = false;
};

}  // namespace virano

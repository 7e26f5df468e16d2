#pragma once
// Arrow buttons that step a number shown in an associated box.
#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

namespace virano {

// Two arrow buttons that step a position between Min and Max and write it
// into the associated box. OnChanging runs before a step and may refuse it.
class TUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit TUpDown(QWidget* parent = nullptr);

  void SetAssociate(QLineEdit* associate);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetMin(int min) { min_ = min; }
  void SetMax(int max) { max_ = max; }
  // Sets the position (clamped to Min..Max) and the associate's text, without OnChanging.
  void SetPosition(int position);
  // A step as a click on an arrow makes it: +1 or -1.
  void Step(int delta);

  std::function<void(bool& allowChange)> OnChanging;

 signals:
  void Click();

 private:
  QToolButton* down_;
  QToolButton* up_;
  QLineEdit* associate_ = nullptr;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace virano

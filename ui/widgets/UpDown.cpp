#include "widgets/UpDown.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace virano {

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

}  // namespace virano

#include "widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>

namespace virano {

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

}  // namespace virano
